#include "screnc/posix_codec.h"

#include <iconv.h>

#include "encoder/unicode.h"

namespace {

// Between code page 932 and UTF-16 a character never takes more than twice its
// bytes, so one call converts the whole text.
std::optional<std::string> convert(const char* to, const char* from, std::string_view bytes) {
  const iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(2 * bytes.size(), '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* next = out.data();
  std::size_t out_left = out.size();
  // A failure, or a conversion iconv itself calls irreversible, is refused.
  const bool converted = iconv(converter, &in, &in_left, &next, &out_left) == 0;
  iconv_close(converter);
  if (!converted) return std::nullopt;
  out.resize(next - out.data());
  return out;
}

}  // namespace

std::optional<std::u16string> Cp932Codec::to_text(std::string_view bytes) const {
  const std::optional<std::string> utf16 = convert("UTF-16LE", "CP932", bytes);
  if (!utf16) return std::nullopt;
  return utf16le_to_text(*utf16);
}

std::optional<std::string> Cp932Codec::to_bytes(std::u16string_view text) const {
  const std::optional<std::string> utf16 = text_to_utf16le(text);
  if (!utf16) return std::nullopt;
  std::optional<std::string> bytes = convert("CP932", "UTF-16LE", *utf16);
  // glibc writes some characters code page 932 lacks as look-alikes (U+301C as
  // the bytes of U+FF5E) without calling it irreversible: only an exact round
  // trip counts.
  if (bytes && to_text(*bytes) != text) return std::nullopt;
  return bytes;
}

std::size_t Cp932Codec::char_size(unsigned char lead) const {
  return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
}
