#include "encoder/find_blocks.h"

#include "encoder/block.h"

std::vector<FoundBlock> find_blocks(std::u16string_view text) {
  std::vector<FoundBlock> found;
  for (std::size_t at = text.find(kBlockStart); at != std::u16string_view::npos;) {
    const std::optional<DecodedBlock> block = decode_block(text, at);
    const std::size_t end = block ? block->end : at + kBlockStart.size();
    found.push_back({at, end, block.has_value()});
    at = text.find(kBlockStart, end);
  }
  return found;
}
