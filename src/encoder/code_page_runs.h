#pragma once
// Conversions for a code page in which ASCII stands for itself and every other
// character is one UTF-16 unit of one or two bytes, as in code page 932: ASCII
// is copied directly and only each run of other characters goes through the
// system's converter. A script that is mostly ASCII so costs little, and the
// converter never needs a copy of the whole text.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

// `char_size` gives the length of the character a byte starts; `convert`
// appends the text of a run of whole characters and returns false when they
// are no text.
template <typename CharSize, typename Convert>
std::optional<std::u16string> text_by_runs(std::string_view bytes, CharSize char_size,
                                           Convert convert) {
  // Sized once, a unit for each character, and written in place.
  std::size_t units = 0;
  for (std::size_t i = 0; i < bytes.size(); ++units) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80)
      ++i;
    else
      i += char_size(b);
  }
  std::u16string text(units, u'\0');
  char16_t* next = text.data();
  std::u16string run_text;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      *next++ = static_cast<char16_t>(bytes[i++]);
      continue;
    }
    const std::size_t run = i;
    // A trail byte may be an ASCII one: the run goes by whole characters.
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80)
      i += char_size(static_cast<unsigned char>(bytes[i]));
    i = std::min(i, bytes.size());
    run_text.clear();
    if (!convert(run_text, bytes.substr(run, i - run)) ||
        run_text.size() > static_cast<std::size_t>(text.data() + units - next))
      return std::nullopt;
    next = std::copy(run_text.begin(), run_text.end(), next);
  }
  text.resize(next - text.data());
  return text;
}

// `convert` appends the bytes of a run of characters above ASCII and returns
// false when one has no exact form.
template <typename Convert>
std::optional<std::string> bytes_by_runs(std::u16string_view text, Convert convert) {
  std::string bytes;
  std::size_t size = 0;
  for (const char16_t c : text) size += c < 0x80 ? 1 : 2;
  bytes.reserve(size);
  for (std::size_t i = 0; i < text.size();) {
    std::size_t ascii = i;
    while (ascii < text.size() && text[ascii] < 0x80) ++ascii;
    if (ascii > i) {
      const std::size_t start = bytes.size();
      bytes.resize(start + (ascii - i));
      std::copy(text.begin() + i, text.begin() + ascii, bytes.begin() + start);
      i = ascii;
      continue;
    }
    while (i < text.size() && text[i] >= 0x80) ++i;
    if (!convert(bytes, text.substr(ascii, i - ascii))) return std::nullopt;
  }
  return bytes;
}

}  // namespace screnc
