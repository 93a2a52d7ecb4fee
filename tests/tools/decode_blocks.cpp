// Writes a copy of a file in which every block is replaced by its text, in the
// file's own character set: the Wine check compares it with the encoder's input.
//   decode_blocks <encoded file> <copy>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "encoder/block.h"
#include "encoder/find_blocks.h"
#include "win32/ansi_codec.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  std::ifstream in(std::filesystem::path(argv[1]), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const AnsiCodec ansi;
  const std::optional<std::u16string> text = file_text(bytes, ansi);
  if (!text) return 1;
  std::u16string plain;
  std::size_t copied = 0;
  for (const FoundBlock& block : find_blocks(*text)) {
    if (!block.valid) return 1;
    plain += text->substr(copied, block.begin - copied);
    plain += decode_block(*text, block.begin)->plain;
    copied = block.end;
  }
  plain += text->substr(copied);
  const std::optional<std::string> out = file_bytes(plain, text_form(bytes), ansi);
  if (!out) return 1;
  std::ofstream(std::filesystem::path(argv[2]), std::ios::binary) << *out;
  return 0;
}
