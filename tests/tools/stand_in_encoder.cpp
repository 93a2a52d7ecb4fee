// Takes the place of screnc.exe in tests: it reports exactly what it was given
// and copies its input behind a marker line, so a test can check the command
// line, the redirection into the log and the output file without the real
// encoder. An input containing FAIL makes it fail; SLEEP=<ms> makes it slow.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// The log is read by people on Japanese systems, so the text goes out in the
// ANSI code page, as the real encoder's messages do.
void print_line(const std::wstring& text) {
  const std::wstring line = text + L"\r\n";
  const int size = WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct LocalDeleter {
  void operator()(LPWSTR* args) const { LocalFree(args); }
};

bool read_file(const std::wstring& path, std::string& content) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    content.append(buffer, got);
  return true;
}

bool write_file(const std::wstring& path, const std::string& content) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file.valid() &&
         WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                   nullptr) &&
         written == content.size();
}

}  // namespace

int wmain() {
  const wchar_t* command_line = GetCommandLineW();
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalDeleter> argv(CommandLineToArgvW(command_line, &count));
  if (!argv) return 2;
  LPWSTR* args = argv.get();

  print_line(L"stand-in encoder");
  print_line(std::wstring(L"cmdline=") + command_line);
  print_line(L"argc=" + std::to_wstring(count - 1));
  for (int i = 1; i < count; ++i) print_line(L"arg" + std::to_wstring(i) + L"=" + args[i]);

  std::string input;
  if (count < 3 || !read_file(args[count - 2], input)) {
    print_line(L"error: cannot read input");
    return 2;
  }
  if (input.find("FAIL") != std::string::npos) {
    print_line(L"error: asked to fail");
    return 1;
  }
  const size_t sleep_at = input.find("SLEEP=");
  if (sleep_at != std::string::npos) Sleep(std::strtoul(input.c_str() + sleep_at + 6, nullptr, 10));

  if (!write_file(args[count - 1], "encoded by stand-in\r\n" + input)) {
    print_line(L"error: cannot write output");
    return 3;
  }
  return 0;
}
