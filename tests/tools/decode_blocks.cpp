// Writes a copy of a file in which every block is replaced by its text, in the
// file's own character set: the Wine check compares it with the encoder's input.
//   decode_blocks <encoded file> <copy>
#include <string>

#include "common/utf16.h"
#include "encoder/find_blocks.h"
#include "screnc/windows_files.h"
#include "win32_common/ansi_codec.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  using namespace screnc;
  const WindowsFiles files;
  const win32_common::AnsiCodec ansi;
  const InputFile input = files.read_file(common::utf16(argv[1]));
  const std::string_view bytes = input.bytes();
  const std::optional<std::u16string> text = file_text(bytes, ansi);
  if (input.problem != InputFile::Problem::None || !text) return 1;
  const std::optional<std::u16string> plain = decode_text(*text);
  if (!plain) return 1;
  const std::optional<std::string> out = file_bytes(*plain, text_form(bytes), ansi);
  return out && files.replace_file(
                    common::utf16(argv[2]),
                    [&](const std::function<bool(std::string_view)>& write) { return write(*out); },
                    true) == WriteResult::Written
             ? 0
             : 1;
}
