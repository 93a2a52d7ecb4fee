// Times small scripts encoded through the window, handed at once as Send To
// hands them, against the encoder started directly once per file on the same
// scripts, in the same run. It runs inside Wine (or on Windows) itself, so
// Wine's own start-up is not counted for either.
//
//   batch_timer <mosa-trevlin.exe> <screnc.exe> <work folder> <count>
//
// The work folder must be empty; it gets in\ (the scripts, where the window
// writes its outputs), direct\ (the direct runs' outputs) and app\ (a copy of
// the program with settings naming the encoder).
#include <windows.h>

#include "clock.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kTimeLimitMs = 600000;

bool write_file(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return done && written == bytes.size();
}

std::string narrow(const std::wstring& text, UINT code_page = CP_ACP) {
  std::string bytes(text.size() * 4 + 1, '\0');
  bytes.resize(WideCharToMultiByte(code_page, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

// Starts a program and waits for it; false when it could not start or did not end well.
bool run(const std::wstring& program, std::wstring command_line, HANDLE output) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = output;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  DWORD status = 1;
  WaitForSingleObject(info.hProcess, kTimeLimitMs);
  GetExitCodeProcess(info.hProcess, &status);
  CloseHandle(info.hProcess);
  return status == 0;
}

// A visible message box of the process other than `not_this`.
HWND box_of(DWORD process_id, HWND not_this) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && window != not_this && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND wait_box(DWORD process_id, HWND not_this) {
  const double end = now_ms() + kTimeLimitMs;
  HWND box = nullptr;
  while (!(box = box_of(process_id, not_this)) && now_ms() < end) Sleep(5);
  return box;
}

std::wstring box_text(HWND box) {
  // The first static of a box with an icon is the icon; the text is the one with text.
  for (HWND label = nullptr; (label = FindWindowExW(box, label, L"Static", nullptr)) != nullptr;) {
    wchar_t text[2048] = L"";
    GetWindowTextW(label, text, 2048);
    const std::wstring line = text;
    // One line of it is enough to tell the outcome.
    if (!line.empty()) return line.substr(0, line.find_first_of(L"\r\n"));
  }
  return L"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fwprintf(stderr, L"usage: batch_timer <mosa-trevlin.exe> <screnc.exe> <work folder> <count>\n");
    return 2;
  }
  const std::wstring program = argv[1], encoder = argv[2], work = argv[3];
  const int count = _wtoi(argv[4]);
  const std::wstring in = work + L"\\in", direct = work + L"\\direct", app = work + L"\\app";
  for (const std::wstring& folder : {in, direct, app}) CreateDirectoryW(folder.c_str(), nullptr);
  std::vector<std::wstring> names;
  std::wstring arguments;
  for (int i = 0; i < count; ++i) {
    wchar_t name[32];
    swprintf(name, 32, L"s%03d", i);
    names.push_back(name);
    write_file(in + L"\\" + name + L".vbs", "' script " + std::to_string(i) + "\r\nMsgBox \"hello " +
                                                std::to_string(i) + "\"\r\n");
    arguments += L" \"" + in + L"\\" + name + L".vbs\"";
  }
  const std::wstring lines[] = {encoder, L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe",
                                L"off", L"off", L"off", L"off", L"on", L"vb", L"off"};
  std::string settings;
  for (const std::wstring& line : lines) settings += narrow(line) + "\r\n";
  const std::wstring copy = app + L"\\mosa-trevlin.exe";
  if (!CopyFileW(program.c_str(), copy.c_str(), FALSE) ||
      !write_file(app + L"\\mosa-trevlin.ini", settings)) {
    std::fwprintf(stderr, L"cannot prepare %ls\n", app.c_str());
    return 1;
  }

  // The encoder once per file, as a user would start it, its messages into a log as the window's.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE log = CreateFileW((direct + L"\\log.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, 0, nullptr);
  const double direct_start = now_ms();
  for (const std::wstring& name : names) {
    if (!run(encoder, L"\"" + encoder + L"\" \"" + in + L"\\" + name + L".vbs\" \"" + direct + L"\\" + name +
                          L".vbe\"",
             log)) {
      std::fwprintf(stderr, L"the encoder failed on %ls\n", name.c_str());
      return 1;
    }
  }
  const double direct_ms = now_ms() - direct_start;

  // The floor of a run of its own per file: the same encoder line in a batch
  // file of its own, through the command interpreter, as the window starts it.
  wchar_t system[MAX_PATH] = L"";
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring interpreter = std::wstring(system) + L"\\cmd.exe", batch = direct + L"\\run.bat";
  const double batch_start = now_ms();
  for (const std::wstring& name : names) {
    write_file(batch, narrow(L"@\"" + encoder + L"\" /f \"" + in + L"\\" + name + L".vbs\" \"" + direct +
                             L"\\" + name + L".vbe\"") + "\r\n");
    if (!run(interpreter, L"\"" + interpreter + L"\" /d /c \"" + batch + L"\"", log)) {
      std::fprintf(stderr, "the interpreter failed on %s\n", narrow(name).c_str());
      return 1;
    }
  }
  const double batch_ms = now_ms() - batch_start;
  CloseHandle(log);

  // The window: handed every script, asked once, then each file a run of its own.
  std::wstring command_line = L"\"" + copy + L"\"" + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double window_start = now_ms();
  if (!CreateProcessW(copy.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, app.c_str(),
                      &startup, &info)) {
    std::fwprintf(stderr, L"cannot start %ls\n", copy.c_str());
    return 1;
  }
  CloseHandle(info.hThread);
  const HWND question = wait_box(info.dwProcessId, nullptr);
  const double asked = now_ms();
  PostMessageW(question, WM_COMMAND, IDYES, 0);
  const HWND report = question ? wait_box(info.dwProcessId, question) : nullptr;
  const double window_ms = now_ms() - asked;
  const std::wstring said = report ? box_text(report) : L"(no report)";
  if (report) PostMessageW(report, WM_COMMAND, IDOK, 0);
  Sleep(500);
  HWND main = nullptr;
  while ((main = FindWindowExW(nullptr, main, nullptr, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(main, &owner);
    if (owner == info.dwProcessId && IsWindowVisible(main)) PostMessageW(main, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);

  std::printf("%d scripts\n", count);
  std::printf("  direct runs of the encoder: %8.0f ms (%.1f ms a file)\n", direct_ms, direct_ms / count);
  std::printf("  through the window:         %8.0f ms (%.1f ms a file) from Yes to the report\n", window_ms,
              window_ms / count);
  std::printf("  the interpreter per file:   %8.0f ms (%.1f ms a file), the same lines each in a batch file\n",
              batch_ms, batch_ms / count);
  std::printf("  start-up to the question:   %8.0f ms\n", asked - window_start);
  std::printf("  window / direct:            %8.2f\n", window_ms / direct_ms);
  std::printf("  window / interpreter:       %8.2f\n", window_ms / batch_ms);
  std::printf("  the report: %s\n", narrow(said, CP_UTF8).c_str());
  return report ? 0 : 1;
}
