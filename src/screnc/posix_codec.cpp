#include "screnc/posix_codec.h"

#include <iconv.h>

#include <bit>

#include "encoder/code_page_runs.h"

namespace screnc {

namespace {

// One converter for all the runs of one text, opened when the first comes: most
// of a page's small parts have none.
class Converter {
 public:
  Converter(const char* to, const char* from) : to_(to), from_(from) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (converter_ != kNone) iconv_close(converter_);
  }

  // Appends the conversion of `in`, which takes at most `most` bytes; false
  // on a failure, or a conversion iconv itself calls irreversible.
  bool append(std::string& out, std::string_view in, std::size_t most) {
    if (!opened_) converter_ = iconv_open(to_, from_), opened_ = true;
    if (converter_ == kNone) return false;
    const std::size_t start = out.size();
    out.resize(start + most);
    char* from = const_cast<char*>(in.data());
    std::size_t in_left = in.size();
    char* next = out.data() + start;
    std::size_t out_left = most;
    const bool converted = iconv(converter_, &from, &in_left, &next, &out_left) == 0;
    out.resize(converted ? next - out.data() : start);
    return converted;
  }

 private:
  static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
  const char* to_;
  const char* from_;
  bool opened_ = false;
  iconv_t converter_ = kNone;
};

std::string_view as_bytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

// The runs are short: their UTF-16 goes through a small buffer of its own.
bool append_utf16(std::u16string& text, Converter& converter, std::string_view run) {
  std::string utf16;
  // Between code page 932 and UTF-16 a character never takes more than twice its bytes.
  if (!converter.append(utf16, run, 2 * run.size())) return false;
  const std::size_t start = text.size();
  text.resize(start + utf16.size() / 2);
  for (std::size_t i = 0; i < utf16.size() / 2; ++i)
    text[start + i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                            static_cast<unsigned char>(utf16[2 * i + 1]) << 8);
  return true;
}

std::size_t lead_size(unsigned char lead) {
  return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
}

}  // namespace

std::optional<std::u16string> Cp932Codec::to_text(std::string_view bytes) const {
  Converter converter("UTF-16LE", "CP932");
  return text_by_runs(
      bytes, lead_size,
      [&](std::u16string& text, std::string_view run) { return append_utf16(text, converter, run); });
}

std::optional<std::string> Cp932Codec::to_bytes(std::u16string_view text) const {
  static_assert(std::endian::native == std::endian::little, "char16_t read as UTF-16LE");
  Converter to_cp932("CP932", "UTF-16LE"), back("UTF-16LE", "CP932");
  std::u16string again;
  return bytes_by_runs(text, [&](std::string& bytes, std::u16string_view run) {
    const std::size_t start = bytes.size();
    if (!to_cp932.append(bytes, as_bytes(run), 2 * run.size())) return false;
    // glibc writes some characters code page 932 lacks as look-alikes (U+301C
    // as the bytes of U+FF5E) without calling it irreversible: only an exact
    // round trip counts.
    again.clear();
    return append_utf16(again, back, std::string_view(bytes).substr(start)) && again == run;
  });
}

std::size_t Cp932Codec::char_size(unsigned char lead) const { return lead_size(lead); }

}  // namespace screnc
