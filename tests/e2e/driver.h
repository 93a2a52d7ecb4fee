#pragma once
// Drives the real mosa-trevlin.exe from another process, as a user would: it
// starts the program in a folder of its own, finds its windows, and their
// controls by the roles of the windows' tables, reads and works them, answers
// its message boxes and dialogs and drops files on it. Every wait has a time limit.
// The lean API, as the program itself includes it.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window_layout.h"
#include "common/utf16.h"
#include "core/control.h"
#include "core/texts.h"
#include "encoder/find_blocks.h"
#include "select/folder_chooser.h"
#include "win32_common/ansi_codec.h"
#include "win32_common/code_page.h"

namespace mosa {

namespace e2e {

using Names = std::vector<std::wstring>;

inline constexpr int kFileNameBox = 0x47C;  // of the Explorer-style open-file dialog
inline const wchar_t kSettingsFile[] = L"mosa-trevlin.ini";
inline const wchar_t kLogFile[] = L"mosa-trevlin.log";

inline void need(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error(what);
}

inline bool wait_until(const std::function<bool()>& condition, int timeout_ms = 15000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// Sends, but a window stuck in a modal loop fails the test instead of hanging it.
inline LRESULT send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR result = 0;
  need(SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_NORMAL, 15000, &result),
       "message " + std::to_string(message) + " was not handled in time");
  return static_cast<LRESULT>(result);
}

inline void post(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  need(PostMessageW(hwnd, message, wparam, lparam), "cannot post message " + std::to_string(message));
}

inline std::wstring class_of(HWND hwnd) {
  wchar_t name[64] = L"";
  GetClassNameW(hwnd, name, 64);
  return name;
}

inline std::wstring caption_of(HWND hwnd) {
  wchar_t text[256] = L"";
  GetWindowTextW(hwnd, text, 256);
  return text;
}

inline std::wstring text_of(HWND hwnd) {
  std::wstring text(send(hwnd, WM_GETTEXTLENGTH) + 1, L'\0');
  text.resize(send(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return text;
}

inline DWORD process_of(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

inline BOOL CALLBACK collect(HWND hwnd, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  return TRUE;
}

// The visible top-level windows, or the children of a window.
inline std::vector<HWND> windows_of(HWND parent = nullptr) {
  std::vector<HWND> found;
  parent ? EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&found))
         : EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  std::erase_if(found, [](HWND hwnd) { return !IsWindowVisible(hwnd); });
  return found;
}

inline int pixels(int twips) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi, 1440);
}

// Text as UTF-8 for readable failures, and as the code page 932 bytes of files.
inline std::string narrow(UINT code_page, const std::wstring& text) {
  return win32_common::to_code_page_lenient(text, code_page);
}
inline std::string u8(const std::wstring& text) { return narrow(CP_UTF8, text); }

inline std::string cp932_file(const Names& lines) {  // each line ended by CR LF
  std::string bytes;
  for (const auto& line : lines) bytes += narrow(932, line) + "\r\n";
  return bytes;
}

inline std::wstring cp932_text(const std::string& bytes) { return win32_common::from_code_page(bytes, 932); }

inline std::optional<std::string> read_bytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void write_bytes(const std::wstring& path, const std::string& bytes) {
  need(static_cast<bool>(std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes), "cannot write");
}

// How many processes of the system run this program.
inline int processes_named(const std::wstring& name) {
  const std::shared_ptr<void> snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), CloseHandle);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (bool more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
    count += _wcsicmp(entry.szExeFile, name.c_str()) == 0;
  return count;
}

inline bool file_exists(const std::wstring& path) { return std::filesystem::is_regular_file(path); }
inline void make_folder(const std::wstring& path) { std::filesystem::create_directory(path); }

inline std::wstring program(const wchar_t* variable) {
  const wchar_t* path = _wgetenv(variable);
  need(path, "set " + u8(variable) + " to the Windows path of the program");
  return path;
}

// A copy of our encoder, or of the program the variable names (the stand-in that
// fails or is slow on request), as folder\screnc.exe.
inline std::wstring install_encoder(const std::wstring& folder, const wchar_t* variable = L"SCRENC_EXE") {
  std::filesystem::copy_file(program(variable), folder + L"\\screnc.exe",
                             std::filesystem::copy_options::overwrite_existing);
  return folder + L"\\screnc.exe";
}

// The text of a file, read in its form, with every block replaced by what it
// encodes; none when a block does not decode.
inline std::optional<std::wstring> decoded(const std::wstring& path) {
  const std::optional<std::u16string> text =
      screnc::file_text(read_bytes(path).value_or(""), win32_common::AnsiCodec());
  if (!text) return std::nullopt;
  const std::optional<std::u16string> plain = screnc::decode_text(*text);
  return plain ? std::optional(common::wide(*plain)) : std::nullopt;
}

// A new folder under the temporary folder, removed with all it holds.
struct TempFolder {
  explicit TempFolder(const std::wstring& name_part) {
    static int count = 0;
    const std::wstring name =
        L"mosa-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
    path = (std::filesystem::temp_directory_path() / (name + L" " + name_part)).wstring();
    make_folder(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
  std::wstring path;
};

// Waits for a window of another program, of this class, with a text box whose
// text ends so, and closes that program again; false when none showed.
inline bool close_program_showing(const std::wstring& window_class, const std::wstring& text_end) {
  HWND found = nullptr;
  wait_until([&] {
    for (HWND window : windows_of())
      for (HWND child : class_of(window) == window_class ? windows_of(window) : std::vector<HWND>{})
        if (class_of(child) == L"Edit" && text_of(child).ends_with(text_end)) found = window;
    return found != nullptr;
  });
  if (!found) return false;
  // The program would keep the application folder as its current one.
  const std::shared_ptr<void> program(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_of(found)),
                                      CloseHandle);
  PostMessageW(found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(program.get(), 5000) != WAIT_OBJECT_0) TerminateProcess(program.get(), 1);
  return true;
}

struct Control {
  HWND hwnd;
  std::wstring name;
  LONG style() const { return GetWindowLongW(hwnd, GWL_STYLE); }
  std::wstring text() const { return text_of(hwnd); }
  bool visible() const { return style() & WS_VISIBLE; }
  bool enabled() const { return IsWindowEnabled(hwnd); }
  bool tab_stop() const { return style() & WS_TABSTOP; }
  int check() const { return static_cast<int>(send(hwnd, BM_GETCHECK)); }

  // A user reaches only visible, enabled controls: these refuse the others.
  void usable() const { need(visible() && enabled(), u8(name) + " is hidden or disabled"); }
  void type(const std::wstring& text) const {  // a whole new text, as pasting over the old one
    usable();
    send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void click() const { usable(), send(hwnd, BM_CLICK); }       // returns once it is handled
  void post_click() const { usable(), post(hwnd, BM_CLICK); }  // for one that opens a modal window
  // Picks an entry of a combo box, or opens one of a list box by a double click.
  void pick(const std::wstring& entry) const {
    usable();
    const bool list = class_of(hwnd) == L"ListBox";
    const LRESULT index = send(hwnd, list ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(entry.c_str()));
    need(index >= 0, u8(name) + " has no entry " + u8(entry));
    send(hwnd, list ? LB_SETCURSEL : CB_SETCURSEL, index);
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(hwnd), list ? LBN_DBLCLK : CBN_SELCHANGE);
    // Posted: opening a folder that cannot be read shows a message box.
    if (list) post(GetParent(hwnd), WM_COMMAND, command, reinterpret_cast<LPARAM>(hwnd));
    if (!list) send(GetParent(hwnd), WM_COMMAND, command, reinterpret_cast<LPARAM>(hwnd));
  }
};

// A window of the program, whose controls a test reaches by their roles in the
// window's table.
template <class Role, const auto& kRows>
struct Form {
  HWND hwnd;
  Control operator[](Role role) const {
    const int index = static_cast<int>(role);
    return {GetDlgItem(hwnd, kFirstControlId + index), kRows[index].name};
  }
  bool enabled() const { return IsWindowEnabled(hwnd); }
  void close() const {  // by the close box; returns once the window has gone
    post(hwnd, WM_CLOSE);
    need(wait_until([&] { return !IsWindow(hwnd); }), "a window did not close by its close box");
  }
  int outer_height() const {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
  }
};
using MainForm = Form<MainControl, kMainWindowControls>;
using ChooserForm = Form<ChooserControl, kFolderChooserControls>;
// The main window's roles, which the journeys name most.
using enum MainControl;

// A message box or the open-file dialog.
struct Dialog {
  HWND hwnd;
  std::wstring title, text;

  explicit Dialog(HWND hwnd) : hwnd(hwnd), title(caption_of(hwnd)) {
    // A message box's text has the ID 0xFFFF on Windows, 100 under Wine.
    for (HWND child : windows_of(hwnd))
      if (class_of(child) == L"Static" && (GetDlgCtrlID(child) == 0xFFFF || GetDlgCtrlID(child) == 100))
        text = text_of(child);
  }
  void press(int id) const {  // returns once the dialog has gone
    need(GetDlgItem(hwnd, id), "the dialog \"" + u8(text) + "\" has no button " + std::to_string(id));
    post(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    // Gone for good, not only hidden: a message sent to a dying window is never answered.
    need(wait_until([&] { return !IsWindow(hwnd); }), "the dialog \"" + u8(text) + "\" did not close");
  }
  void choose(const std::wstring& path) const {  // types the file name and presses OK
    send(GetDlgItem(hwnd, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    press(IDOK);
  }
};

inline bool is_dialog(HWND hwnd) { return class_of(hwnd) == L"#32770"; }
inline bool is_file_dialog(HWND hwnd) { return is_dialog(hwnd) && GetDlgItem(hwnd, kFileNameBox); }
inline bool is_box(HWND hwnd) { return is_dialog(hwnd) && !GetDlgItem(hwnd, kFileNameBox); }

// The program in an application folder of its own.
class App {
 public:
  // The program alone, or the whole application folder as users unpack it.
  explicit App(const std::wstring& folder_name = L"app", bool unpacked = false)
      : folder_(folder_name), exe_(folder_ / L"mosa-trevlin.exe") {
    // Pixels as the program, which declares itself DPI-aware, sees them.
    SetProcessDPIAware();
    if (!unpacked) std::filesystem::copy_file(program(L"MOSA_TREVLIN_EXE"), exe_);
    else std::filesystem::copy(program(L"MOSA_TREVLIN_APP_DIR"), folder_.path, std::filesystem::copy_options::recursive);
  }
  ~App() { close(); }
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  std::wstring path(const std::wstring& name) const { return folder_ / name; }
  std::optional<std::string> read(const std::wstring& name) const { return read_bytes(path(name)); }
  bool batch_removed() const {
    return wait_until([&] { return !file_exists(path(L"mosa-trevlin.bat")); });
  }

  // Returns once the main window shows and the program waits for input, as a
  // user's first keys would wait: the controls the window hides are made after
  // it shows. A launcher may ask for a window state and hand over arguments,
  // quoted as it sees fit.
  void start(int show = SW_SHOWDEFAULT, const std::wstring& arguments = L"") {
    const PROCESS_INFORMATION started = launch(show, arguments);
    process_.reset(started.hProcess, CloseHandle);
    thread_id_ = started.dwThreadId;
    main_ = find_window([](HWND hwnd) { return caption_of(hwnd) == kAppCaption && !is_dialog(hwnd); }, 30000);
    need(main_, "the main window did not show");
    need(WaitForInputIdle(process_.get(), 30000) == 0, "the program did not come to wait for input");
  }
  // Starts the program once more while it runs, as Send To would; true when
  // that start ended by itself.
  bool start_again(const std::wstring& arguments) const {
    const PROCESS_INFORMATION started = launch(SW_SHOWDEFAULT, arguments);
    const bool ended = WaitForSingleObject(started.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hProcess);
    return ended;
  }
  bool close() {  // the close box; true when the program ended by itself
    if (!running()) return true;
    PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) == WAIT_OBJECT_0) return true;
    TerminateProcess(process_.get(), 1);
    return false;
  }

  MainForm main() const { return {main_}; }
  Control operator[](MainControl role) const { return main()[role]; }
  ChooserForm wait_folder_chooser() const {
    const HWND found = find_window([&](HWND hwnd) { return hwnd != main_ && caption_of(hwnd) == kAppCaption; });
    need(found, "the folder chooser did not show");
    return {found};
  }
  Dialog wait_file_dialog() const {
    const HWND found = find_window(is_file_dialog);
    need(found, "the open-file dialog did not show");
    return Dialog(found);
  }
  Dialog wait_box() const {
    const auto box = open_box(15000);
    need(box.has_value(), "no message box showed");
    return *box;
  }
  std::optional<Dialog> open_box(int timeout_ms = 0) const {
    const HWND found = find_window(is_box, timeout_ms);
    return found ? std::optional(Dialog(found)) : std::nullopt;
  }

  // Returns once the program has handled everything sent or posted so far.
  void settle() const {
    // Posted messages are handled in order; the modify flag of the encoder box, which the
    // program never looks at, shows when the marker's turn has come.
    const HWND marker = main()[encoder_box].hwnd;
    send(marker, EM_SETMODIFY, FALSE);
    post(marker, EM_SETMODIFY, TRUE);
    need(wait_until([&] { return send(marker, EM_GETMODIFY) != 0; }), "the program stopped handling messages");
  }
  // Keys and drops return once handled or once they opened a modal window.
  void press(int virtual_key) const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_id_, &info);
    const HWND target = info.hwndFocus ? info.hwndFocus : main_;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC)) << 16;
    post(target, WM_KEYDOWN, virtual_key, 1 | scan);
    post(target, WM_KEYUP, virtual_key, 1 | scan | (1 << 30) | (1u << 31));
    settle();
  }
  void drop(const Names& files) const {  // on the input box, as the file manager does
    // What the file manager hands over: DROPFILES, then the wide names, each
    // ended by NUL, and one more NUL, in the program's own memory.
    DROPFILES header{sizeof header, {}, FALSE, TRUE};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const auto& file : files) block.append(reinterpret_cast<const char*>(file.c_str()), (file.size() + 1) * 2);
    block.append(2, '\0');
    const std::shared_ptr<void> remote(
        VirtualAllocEx(process_.get(), nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE),
        [&](void* memory) { VirtualFreeEx(process_.get(), memory, 0, MEM_RELEASE); });
    need(WriteProcessMemory(process_.get(), remote.get(), block.data(), block.size(), nullptr), "cannot drop");
    post(main()[input_box].hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.get()));
    settle();
  }

 private:
  PROCESS_INFORMATION launch(int show, const std::wstring& arguments) const {
    std::wstring command = L"\"" + exe_ + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = show == SW_SHOWDEFAULT ? 0 : STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started{};
    need(CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.path.c_str(),
                        &startup, &started),
         "cannot start the program");
    CloseHandle(started.hThread);
    return started;
  }
  bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // A visible top-level window of the program that passes the test, or null.
  HWND find_window(const std::function<bool(HWND)>& wanted, int timeout_ms = 15000) const {
    HWND found = nullptr;
    wait_until([&] {
      for (HWND hwnd : windows_of())
        if (process_of(hwnd) == GetProcessId(process_.get()) && wanted(hwnd)) found = hwnd;
      return found || !running();
    }, timeout_ms);
    return found;
  }
  TempFolder folder_;
  std::wstring exe_;
  std::shared_ptr<void> process_;
  DWORD thread_id_ = 0;
  HWND main_ = nullptr;
};

// The next box must show this text and title; it is answered by the button
// given, which it must have.
inline void answer_box(const App& app, const std::wstring& text, const std::wstring& title, int answer) {
  const Dialog box = app.wait_box();
  EXPECT_EQ(u8(box.text), u8(text));
  EXPECT_EQ(u8(box.title), u8(title));
  box.press(answer);
  app.settle();
}

}  // namespace e2e

}  // namespace mosa
