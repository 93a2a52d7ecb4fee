// screnc for Windows: wide arguments; messages in the ANSI code page, which is
// what the command interpreter and the front end's log are read in. Errors too
// go to standard output: the front end keeps in its log what the encoder
// writes there, and nothing of standard error.
#include <string>
#include <vector>

#include "common/utf16.h"
#include "screnc/run.h"
#include "screnc/windows_files.h"
#include "win32_common/ansi_codec.h"
#include "win32_common/code_page.h"
#include "win32_common/windows_api.h"

namespace screnc {
namespace {

void print(std::u16string_view message, Stream) {
  std::wstring text;
  for (const char16_t c : message) {
    if (c == u'\n') text += L'\r';
    text += static_cast<wchar_t>(c);
  }
  const std::string bytes = win32_common::to_code_page_lenient(text + L"\r\n", CP_ACP);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

int run(int argc, wchar_t** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(common::utf16(argv[i]));
  const win32_common::AnsiCodec ansi;
  const WindowsFiles files;
  return run_screnc(args, {ansi, print, files});
}

}  // namespace
}  // namespace screnc

int wmain(int argc, wchar_t** argv) { return screnc::run(argc, argv); }
