#include "encoder/unicode.h"

namespace screnc {

namespace {

bool is_high_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool surrogates_paired(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_low_surrogate(text[i])) return false;
    if (is_high_surrogate(text[i]) && (++i == text.size() || !is_low_surrogate(text[i])))
      return false;
  }
  return true;
}

// The code point at bytes[i], i then past it; nothing when no well-formed one starts there.
std::optional<char32_t> next_utf8(std::string_view bytes, std::size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i++]);
  if (lead < 0x80) return lead;
  std::size_t more;
  char32_t c;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    more = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (bytes.size() - i < more) return std::nullopt;
  for (; more > 0; --more) {
    const unsigned char next = static_cast<unsigned char>(bytes[i++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || is_high_surrogate(c) || is_low_surrogate(c))
    return std::nullopt;
  return c;
}

}  // namespace

void append_code_point(std::u16string& text, char32_t c) {
  if (c < 0x10000) {
    text += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  text += static_cast<char16_t>(0xD800 + (c >> 10));
  text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

std::optional<std::u16string> utf8_to_text(std::string_view bytes) {
  // Sized once: one unit for each byte that starts a character, two for a
  // four-byte one.
  std::size_t units = 0;
  for (const char b : bytes)
    units += ((b & 0xC0) != 0x80) + ((b & 0xF8) == 0xF0);
  std::u16string text;
  text.reserve(units);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::optional<char32_t> c = next_utf8(bytes, i);
    if (!c) return std::nullopt;
    append_code_point(text, *c);
  }
  return text;
}

bool is_utf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();)
    if (!next_utf8(bytes, i)) return false;
  return true;
}

bool append_utf8(std::string& bytes, std::u16string_view text) {
  if (!surrogates_paired(text)) return false;
  // Sized once: each half of a surrogate pair takes two of the four bytes.
  std::size_t size = 0;
  for (const char16_t c : text)
    size += c < 0x80 ? 1 : c < 0x800 || is_high_surrogate(c) || is_low_surrogate(c) ? 2 : 3;
  std::size_t at = bytes.size();
  bytes.resize(at + size);
  char* const out = bytes.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (is_high_surrogate(c)) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out[at++] = static_cast<char>(c);
    } else if (c < 0x800) {
      out[at++] = static_cast<char>(0xC0 | (c >> 6));
      out[at++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out[at++] = static_cast<char>(0xE0 | (c >> 12));
      out[at++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[at++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out[at++] = static_cast<char>(0xF0 | (c >> 18));
      out[at++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out[at++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out[at++] = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return true;
}

std::optional<std::string> text_to_utf8(std::u16string_view text) {
  std::string bytes;
  if (!append_utf8(bytes, text)) return std::nullopt;
  return bytes;
}

std::optional<std::u16string> utf16le_to_text(std::string_view bytes) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  if (!surrogates_paired(text)) return std::nullopt;
  return text;
}

bool append_utf16le(std::string& bytes, std::u16string_view text) {
  if (!surrogates_paired(text)) return false;
  const std::size_t at = bytes.size();
  bytes.resize(at + 2 * text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[at + 2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[at + 2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return true;
}

std::optional<std::string> text_to_utf16le(std::u16string_view text) {
  std::string bytes;
  if (!append_utf16le(bytes, text)) return std::nullopt;
  return bytes;
}

}  // namespace screnc
