#include "screnc/posix_codec.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace screnc {

namespace {

// Marks in the tables: not converted yet, and no character.
constexpr char16_t kUnknown = 0;
constexpr char16_t kNone = 0xFFFF;

std::size_t lead_size(unsigned char lead) {
  return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
}

// One conversion of a few bytes through iconv; false when it fails or iconv
// itself calls it irreversible.
bool convert(iconv_t converter, std::string_view in, std::string& out) {
  char buffer[16];
  char* from = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  char* next = buffer;
  std::size_t out_left = sizeof buffer;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &from, &in_left, &next, &out_left) != 0) return false;
  out.assign(buffer, next);
  return true;
}

}  // namespace

struct Cp932Codec::Tables {
  iconv_t to_utf16 = iconv_open("UTF-16LE", "CP932");
  iconv_t to_cp932 = iconv_open("CP932", "UTF-16LE");
  // By the character's bytes (one byte b as b, two as lead << 8 | trail): its
  // UTF-16 unit. By a UTF-16 unit: its bytes, that way.
  std::array<char16_t, 0x10000> unit{};
  std::array<char16_t, 0x10000> code{};

  ~Tables() {
    for (iconv_t converter : {to_utf16, to_cp932})
      if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
  }

  static std::string bytes_of(char16_t code) {
    if (code < 0x100) return std::string(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  }

  char16_t unit_of(char16_t code) {
    char16_t& known = unit[code];
    if (known == kUnknown) {
      std::string utf16;
      known = convert(to_utf16, bytes_of(code), utf16) && utf16.size() == 2
                  ? static_cast<char16_t>(static_cast<unsigned char>(utf16[0]) |
                                          static_cast<unsigned char>(utf16[1]) << 8)
                  : kNone;
    }
    return known;
  }

  char16_t code_of(char16_t c) {
    char16_t& known = code[c];
    if (known == kUnknown) {
      const char utf16[] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
      std::string bytes;
      known = kNone;
      // glibc writes some characters code page 932 lacks as look-alikes (U+301C
      // as the bytes of U+FF5E) without calling it irreversible: only an exact
      // round trip counts.
      if (convert(to_cp932, {utf16, 2}, bytes) && !bytes.empty() && bytes.size() <= 2) {
        const char16_t found = bytes.size() == 1
                                   ? static_cast<unsigned char>(bytes[0])
                                   : static_cast<char16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                                           static_cast<unsigned char>(bytes[1]));
        if (unit_of(found) == c) known = found;
      }
    }
    return known;
  }
};

Cp932Codec::Cp932Codec() : tables_(std::make_unique<Tables>()) {}
Cp932Codec::~Cp932Codec() = default;

std::optional<std::u16string> Cp932Codec::to_text(std::string_view bytes) const {
  // A unit for each byte at most, written in place.
  std::u16string text(bytes.size(), u'\0');
  char16_t* next = text.data();
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = at + bytes.size();
  while (at < end) {
    // Mostly ASCII: eight bytes at a time while none has its high bit set.
    std::uint64_t eight;
    while (end - at >= 8 && (std::memcpy(&eight, at, 8), (eight & 0x8080808080808080) == 0)) {
      for (int i = 0; i < 8; ++i) next[i] = at[i];
      next += 8;
      at += 8;
    }
    if (at == end) break;
    const unsigned char b = *at;
    if (b < 0x80) {
      *next++ = b;
      ++at;
      continue;
    }
    const std::size_t size = lead_size(b);
    if (static_cast<std::size_t>(end - at) < size) return std::nullopt;
    const char16_t code = size == 1 ? b : static_cast<char16_t>(b << 8 | at[1]);
    char16_t c = tables_->unit[code];
    if (c == kUnknown) c = tables_->unit_of(code);
    if (c == kNone) return std::nullopt;
    *next++ = c;
    at += size;
  }
  text.resize(next - text.data());
  return text;
}

std::optional<std::string> Cp932Codec::to_bytes(std::u16string_view text) const {
  std::size_t size = 0;
  for (const char16_t c : text) size += c < 0x80 ? 1 : 2;
  std::string bytes(size, '\0');
  char* next = bytes.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Mostly ASCII: four units at a time while none is above it.
    std::uint64_t four;
    while (text.size() - i >= 4 &&
           (std::memcpy(&four, text.data() + i, 8), (four & 0xFF80FF80FF80FF80) == 0)) {
      for (int k = 0; k < 4; ++k) next[k] = static_cast<char>(text[i + k]);
      next += 4;
      i += 4;
    }
    if (i == text.size()) break;
    const char16_t c = text[i];
    if (c < 0x80) {
      *next++ = static_cast<char>(c);
      continue;
    }
    const char16_t code = tables_->code_of(c);
    if (code == kNone) return std::nullopt;
    if (code >= 0x100) *next++ = static_cast<char>(code >> 8);
    *next++ = static_cast<char>(code & 0xFF);
  }
  bytes.resize(next - bytes.data());
  return bytes;
}

std::size_t Cp932Codec::char_size(unsigned char lead) const { return lead_size(lead); }

}  // namespace screnc
