#pragma once
// One encoded block: "#@~^", the body's length, the body, the checksum of the
// plain text, "^#~@", all on one line. Blocks are independent: each starts its
// own sequence of variants.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

inline constexpr std::u16string_view kBlockStart = u"#@~^";
inline constexpr std::u16string_view kBlockEnd = u"^#~@";

// A block's body made piece by piece, as a file too large to hold whole as text
// is read: the variants run on from one piece to the next. After the last
// piece, the length and checksum are the block's fields.
class BodyEncoder {
 public:
  // Appends the encoded piece to `out`.
  void append(std::u16string& out, std::u16string_view plain);
  // Takes the piece into the length and checksum only.
  void count(std::u16string_view plain);
  // Characters of the body; beyond 32 bits the text is too long for a block.
  std::uint64_t length() const { return length_; }
  std::uint32_t checksum() const { return checksum_; }
  // Writes the piece's encoding at `next`, where there is room for it; returns
  // its end.
  char16_t* put(char16_t* next, std::u16string_view plain);

 private:
  std::uint32_t position_ = 0;
  std::uint32_t checksum_ = 0;
  std::uint64_t length_ = 0;
};

// Decodes a body piece by piece, each piece ending where a plain character does,
// and says whether it gives back the text it was made from.
class BodyChecker {
 public:
  bool check(std::u16string_view encoded, std::u16string_view plain);

 private:
  std::uint32_t position_ = 0;
};

// A block's text before and after its body.
std::u16string block_header(std::uint32_t length);
std::u16string block_trailer(std::uint32_t checksum);

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
