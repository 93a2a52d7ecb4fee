#pragma once
// The bytes of an encoded file, built as the encoder hands over its pieces. Where
// the file is written in its source's form, the parts of the source kept as they
// were are copied from the source's bytes, not converted back from the text: a
// character with two codes (code page 932's NEC and IBM rows, ED40 and FA5C)
// keeps the one it had around the scripts.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "encoder/rewrite.h"
#include "encoder/text_form.h"

namespace screnc {

class EncodedFile : public EncodedOutput {
 public:
  // The source as text and as the bytes it was read from; `form` is the output's.
  // With `write`, the bytes go to it as they gather, a megabyte at a time, and
  // are not held whole.
  EncodedFile(std::u16string_view source_text, std::string_view source_bytes, TextForm form,
              const LegacyCodec& legacy,
              std::function<bool(std::string_view)> write = nullptr);
  void keep(std::size_t begin, std::size_t end) override;
  void add(std::u16string_view text) override;
  // The file's bytes (without `write`, those not written yet); nothing when a
  // character had no form in the output's, or `write` failed.
  std::optional<std::string> take();
  bool write_failed() const { return write_failed_; }

 private:
  // Goes through the source's bytes beside its text, one character at a time.
  class ByteWalker {
   public:
    ByteWalker(std::string_view bytes, TextForm form, const LegacyCodec& legacy);
    // Where the text's unit `unit` starts among the bytes, units asked for in
    // order; nothing when the code page's character lengths are not known.
    std::optional<std::size_t> byte_of(std::size_t unit);

   private:
    struct Size {
      unsigned char bytes, units;
    };
    std::string_view bytes_;
    std::array<Size, 256> sizes_;
    bool ascii_by_bytes_;
    std::size_t at_;
    std::size_t unit_ = 0;
  };

  std::u16string_view source_text_;
  std::string_view source_bytes_;
  TextForm form_;
  const LegacyCodec& legacy_;
  std::optional<ByteWalker> walker_;  // while the kept parts can be copied
  void flush(std::size_t at_least);

  std::function<bool(std::string_view)> write_;
  std::string bytes_;
  bool failed_ = false;
  bool write_failed_ = false;
};

}  // namespace screnc
