#include "screnc/posix_names.h"

#include "encoder/unicode.h"

namespace screnc {

namespace {

constexpr char16_t kKeptByte = 0xDC00;

std::size_t sequence_size(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
}

bool is_kept_byte(char16_t c) { return c >= kKeptByte + 0x80 && c <= kKeptByte + 0xFF; }

// Each character of the text as UTF-8, a kept byte or other lone surrogate
// handed to `lone`; false when `lone` refuses one.
template <typename Lone>
bool to_bytes(std::u16string_view text, std::string& out, Lone lone) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const std::size_t units = pair ? 2 : 1;
    if (!append_utf8(out, text.substr(i, units)) && !lone(out, text[i])) return false;
    i += units - 1;
  }
  return true;
}

}  // namespace

std::u16string text_from_native(std::string_view bytes) {
  std::u16string text;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t size = sequence_size(static_cast<unsigned char>(bytes[i]));
    const std::string_view one = bytes.substr(i, size);
    if (size > 0 && one.size() == size && is_utf8(one)) {
      text += utf8_to_text(one).value_or(u"");
      i += size;
    } else {
      text += static_cast<char16_t>(kKeptByte + static_cast<unsigned char>(bytes[i++]));
    }
  }
  return text;
}

std::optional<std::string> native_from_text(std::u16string_view text) {
  std::string bytes;
  if (!to_bytes(text, bytes, [](std::string& out, char16_t c) {
        if (!is_kept_byte(c)) return false;
        out += static_cast<char>(c - kKeptByte);
        return true;
      }))
    return std::nullopt;
  return bytes;
}

std::string shown(std::u16string_view text) {
  std::string bytes;
  to_bytes(text, bytes, [](std::string& out, char16_t c) {
    if (!is_kept_byte(c)) return append_utf8(out, u"\uFFFD");
    constexpr char kHex[] = "0123456789ABCDEF";
    out += {'\\', 'x', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
    return true;
  });
  return bytes;
}

}  // namespace screnc
