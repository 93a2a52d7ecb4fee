// Writes a copy of a file in which every block is replaced by its text, in the
// file's own character set: the Wine check compares it with the encoder's input.
//   decode_blocks <encoded file> <copy>
#include <cwchar>
#include <string>

#include "encoder/find_blocks.h"
#include "win32/ansi_codec.h"
#include "win32/screnc_files.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const auto path = [](const wchar_t* arg) { return std::u16string(arg, arg + wcslen(arg)); };
  const Win32Files files;
  const AnsiCodec ansi;
  const std::optional<std::string> bytes = files.read_file(path(argv[1]));
  const std::optional<std::u16string> text = file_text(bytes.value_or(""), ansi);
  if (!bytes || !text) return 1;
  const std::optional<std::u16string> plain = decode_text(*text);
  if (!plain) return 1;
  const std::optional<std::string> out = file_bytes(*plain, text_form(*bytes), ansi);
  return out && files.replace_file(path(argv[2]), *out) ? 0 : 1;
}
