#pragma once
// The encoded text of a file, built from its source front to back: every part
// that is not replaced is kept as it is. The pieces go to an output in order,
// so a large file's encoded text need not be held whole in memory.
#include <cstddef>
#include <string>
#include <string_view>

namespace screnc {

class EncodedOutput {
 public:
  virtual ~EncodedOutput() = default;
  // source[begin, end), kept as it is.
  virtual void keep(std::size_t begin, std::size_t end) = 0;
  virtual void add(std::u16string_view text) = 0;
};

// The encoded text in one string.
class EncodedText : public EncodedOutput {
 public:
  explicit EncodedText(std::u16string_view source) : source_(source) {}
  void keep(std::size_t begin, std::size_t end) override {
    text.append(source_.substr(begin, end - begin));
  }
  void add(std::u16string_view more) override { text.append(more); }

  std::u16string text;
  std::size_t blocks = 0;

 private:
  std::u16string_view source_;
};

class Rewrite {
 public:
  Rewrite(std::u16string_view source, EncodedOutput& out) : source_(source), out_(out) {}

  // Replacements come in the order of their places in the source.
  void replace(std::size_t begin, std::size_t end, std::u16string_view with);
  void insert(std::size_t at, std::u16string_view text) { replace(at, at, text); }
  // Replaces source[begin, end) by `before`, the block of `plain`, and `after`.
  // The block is decoded again at once and throws EncodeError (BlockMismatch)
  // unless it gives `plain` back.
  void put_block(std::size_t begin, std::size_t end, std::u16string_view plain,
                 std::u16string_view before = u"", std::u16string_view after = u"");
  // The script in source[begin, end) as a block, beginning after a start marker if
  // it holds one; nothing is written when no text follows the marker. A script
  // in XML text is put into a CDATA section, with its references resolved.
  void encode_script(std::size_t begin, std::size_t end, bool into_cdata = false);

  // Keeps the rest of the source; returns the number of blocks written.
  std::size_t finish();

 private:
  std::u16string_view source_;
  EncodedOutput& out_;
  std::size_t copied_ = 0;
  std::size_t blocks_ = 0;
  std::u16string block_;  // one block at a time, the room reused
};

// Where the encoded part of the script in source[begin, end) starts: just after
// its first "**Start Encode**", else at `begin`.
std::size_t after_start_marker(std::u16string_view source, std::size_t begin, std::size_t end);

}  // namespace screnc
