// screnc for Windows: wide arguments; messages in the ANSI code page, which is
// what the command interpreter and the front end's log are read in.
#include "win32/windows_api.h"

#include <string>
#include <vector>

#include "screnc/run.h"
#include "win32/ansi_codec.h"
#include "win32/screnc_files.h"

namespace {

void print(std::u16string_view message) {
  std::wstring text;
  for (const char16_t c : message) {
    if (c == u'\n') text += L'\r';
    text += static_cast<wchar_t>(c);
  }
  text += L"\r\n";
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(size), &written,
            nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view arg(argv[i]);
    args.emplace_back(arg.begin(), arg.end());
  }
  const AnsiCodec ansi;
  const Win32Files files;
  return run_screnc(args, {ansi, print, files});
}
