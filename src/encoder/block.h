#pragma once
// One encoded block: "#@~^", the body's length, the body, the checksum of the
// plain text, "^#~@", all on one line. Blocks are independent: each starts its
// own sequence of variants.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

inline constexpr std::u16string_view kBlockStart = u"#@~^";
inline constexpr std::u16string_view kBlockEnd = u"^#~@";

// Appends the block that encodes `plain` to `out`.
void append_block(std::u16string& out, std::u16string_view plain);
std::u16string encode_block(std::u16string_view plain);

// Appends the plain text of the block whose start marker is at `begin` and
// returns where the block ends, just past its end marker; nothing, with `out` as
// it was, when the text there is not a whole block whose length and checksum
// agree with its body. A caller that decodes many blocks reuses one string.
std::optional<std::size_t> append_decoded(std::u16string& out, std::u16string_view text,
                                          std::size_t begin);

// Whether a whole, valid block whose start marker is at `begin` encodes exactly
// `plain`: checked as it is decoded, without a copy of the text.
bool block_encodes(std::u16string_view text, std::size_t begin, std::u16string_view plain);

struct DecodedBlock {
  std::u16string plain;
  std::size_t end;  // just past the end marker
};

std::optional<DecodedBlock> decode_block(std::u16string_view text, std::size_t begin);

}  // namespace screnc
