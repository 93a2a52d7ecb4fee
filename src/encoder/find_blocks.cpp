#include "encoder/find_blocks.h"

#include "encoder/block.h"

namespace screnc {

std::vector<FoundBlock> find_blocks(std::u16string_view text) {
  std::vector<FoundBlock> found;
  std::u16string plain;
  for (std::size_t at = text.find(kBlockStart); at != std::u16string_view::npos;) {
    plain.clear();
    const std::optional<std::size_t> block_end = append_decoded(plain, text, at);
    const std::size_t end = block_end.value_or(at + kBlockStart.size());
    found.push_back({at, end, block_end.has_value()});
    at = text.find(kBlockStart, end);
  }
  return found;
}

std::optional<std::u16string> decode_text(std::u16string_view text) {
  std::u16string plain;
  std::size_t copied = 0;
  for (std::size_t at = text.find(kBlockStart); at != std::u16string_view::npos;
       at = text.find(kBlockStart, copied)) {
    plain += text.substr(copied, at - copied);
    const std::optional<std::size_t> end = append_decoded(plain, text, at);
    if (!end) return std::nullopt;
    copied = *end;
  }
  return plain += text.substr(copied);
}

}  // namespace screnc
