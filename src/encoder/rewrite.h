#pragma once
// The encoded text of a file, built from its source front to back: every part
// that is not replaced is copied as it is.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct WrittenBlock {
  std::size_t begin;    // of the block in the encoded text
  std::u16string plain; // what it was made from
};

// A part of the source copied into the encoded text as it is.
struct KeptSpan {
  std::size_t source_begin, source_end;
  std::size_t begin;  // in the encoded text
};

struct EncodedText {
  std::u16string text;
  std::vector<WrittenBlock> blocks;
  std::vector<KeptSpan> kept;  // in order
};

class Rewrite {
 public:
  explicit Rewrite(std::u16string_view source) : source_(source) {}

  // Replacements come in the order of their places in the source.
  void replace(std::size_t begin, std::size_t end, std::u16string_view with);
  void insert(std::size_t at, std::u16string_view text) { replace(at, at, text); }
  // Replaces source[begin, end) by `before`, the block of `plain`, and `after`.
  void put_block(std::size_t begin, std::size_t end, std::u16string_view plain,
                 std::u16string_view before = u"", std::u16string_view after = u"");
  // The script in source[begin, end) as a block, beginning after a start marker if
  // it holds one; nothing is written when no text follows the marker. A script
  // in XML text is put into a CDATA section, with its references resolved.
  void encode_script(std::size_t begin, std::size_t end, bool into_cdata = false);

  EncodedText finish();

 private:
  void keep(std::size_t end);

  std::u16string_view source_;
  std::size_t copied_ = 0;
  EncodedText out_;
};

// Where the encoded part of the script in source[begin, end) starts: just after
// its first "**Start Encode**", else at `begin`.
std::size_t after_start_marker(std::u16string_view source, std::size_t begin, std::size_t end);
