#pragma once
// The blocks of a text, as a reader of an encoder's output sees them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace screnc {

struct FoundBlock {
  std::size_t begin;  // the start marker
  std::size_t end;    // just past the end marker; just past the start marker when not valid
  bool valid;
  bool operator==(const FoundBlock&) const = default;
};

// Every start marker of the text in order, each with whether a whole, valid
// block follows it. The search goes on after a valid block's end and after an
// invalid one's start marker.
std::vector<FoundBlock> find_blocks(std::u16string_view text);

// The text with every block replaced by the plain text it encodes; nothing when
// a block is not valid.
std::optional<std::u16string> decode_text(std::u16string_view text);

}  // namespace screnc
