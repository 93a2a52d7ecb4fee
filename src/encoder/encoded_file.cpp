#include "encoder/encoded_file.h"

namespace {

// Goes through a file's bytes beside its text, one character at a time.
class ByteWalker {
 public:
  ByteWalker(std::string_view bytes, TextForm form, const LegacyCodec& legacy)
      : bytes_(bytes), form_(form), legacy_(legacy), at_(byte_order_mark(form).size()) {}

  // Where the text's unit `unit` starts among the bytes, units asked for in
  // order; nothing when the code page's character lengths are not known.
  std::optional<std::size_t> byte_of(std::size_t unit) {
    while (unit_ < unit && at_ < bytes_.size()) {
      const unsigned char lead = static_cast<unsigned char>(bytes_[at_]);
      std::size_t size = 2, units = 1;
      if (form_ == TextForm::Legacy) {
        size = legacy_.char_size(lead);
        if (size == 0) return std::nullopt;
      } else if (form_ != TextForm::Utf16LeBom) {
        size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units = size == 4 ? 2 : 1;
      }
      at_ += size;
      unit_ += units;
    }
    if (unit_ != unit || at_ > bytes_.size()) return std::nullopt;
    return at_;
  }

 private:
  std::string_view bytes_;
  TextForm form_;
  const LegacyCodec& legacy_;
  std::size_t at_;
  std::size_t unit_ = 0;
};

}  // namespace

std::optional<std::string> encoded_file_bytes(const EncodedText& encoded, std::string_view source,
                                              TextForm form, const LegacyCodec& legacy) {
  const std::u16string_view text = encoded.text;
  std::string out(byte_order_mark(form));
  std::size_t converted = 0;  // of the encoded text
  if (form == text_form(source)) {
    ByteWalker walker(source, form, legacy);
    for (const KeptSpan& span : encoded.kept) {
      const std::optional<std::size_t> from = walker.byte_of(span.source_begin);
      const std::optional<std::size_t> to = walker.byte_of(span.source_end);
      // The rest is converted from the text.
      if (!from || !to) break;
      if (!append_in_form(out, text.substr(converted, span.begin - converted), form, legacy))
        return std::nullopt;
      out.append(source.substr(*from, *to - *from));
      converted = span.begin + (span.source_end - span.source_begin);
    }
  }
  if (!append_in_form(out, text.substr(converted), form, legacy)) return std::nullopt;
  return out;
}
