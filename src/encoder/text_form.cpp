#include "encoder/text_form.h"

#include <algorithm>

#include "encoder/unicode.h"

namespace screnc {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

bool is_ascii_letter(unsigned char b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }

// Whether the non-ASCII bytes of UTF-8 are all pairs that are also two
// half-width katakana of code page 932, none of them beside an ASCII letter.
bool reads_as_katakana(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (at(i) < 0x80) continue;
    if (i + 1 == bytes.size() || at(i) < 0xC2 || at(i) > 0xDF || at(i + 1) < 0xA1 ||
        at(i + 1) > 0xBF)
      return false;
    const bool after_letter = i > 0 && is_ascii_letter(at(i - 1));
    if (after_letter || (i + 2 < bytes.size() && is_ascii_letter(at(i + 2)))) return false;
    ++i;
  }
  return true;
}

}  // namespace

TextForm text_form(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextForm::Utf8Bom;
  if (bytes.starts_with(kUtf16LeMark)) return TextForm::Utf16LeBom;
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char b) { return static_cast<unsigned char>(b) < 0x80; });
  return !ascii && is_utf8(bytes) && !reads_as_katakana(bytes) ? TextForm::Utf8 : TextForm::Legacy;
}

ForeignForm foreign_form(std::string_view bytes) {
  if (bytes.starts_with("\xFE\xFF")) return ForeignForm::Utf16Be;
  if (bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) || bytes.size() % 2 != 0)
    return ForeignForm::None;
  // UTF-16 shows itself at once: the start says enough, and a large script is
  // not read through once more for it.
  const std::string_view start = bytes.substr(0, 1 << 16);
  bool odd = false, even = false;
  for (std::size_t at = start.find('\0'); at != std::string_view::npos && !(odd && even);
       at = start.find('\0', at + 1))
    (at % 2 ? odd : even) = true;
  if (odd == even) return ForeignForm::None;
  return odd ? ForeignForm::Utf16LeUnmarked : ForeignForm::Utf16Be;
}

TextForm output_form(TextForm source, FileKind kind) {
  if (!is_plain_script(kind) || source == TextForm::Legacy) return source;
  return TextForm::Utf16LeBom;
}

std::optional<std::u16string> file_text(std::string_view bytes, const LegacyCodec& legacy) {
  switch (text_form(bytes)) {
    case TextForm::Utf8:
      return utf8_to_text(bytes);
    case TextForm::Utf8Bom:
      return utf8_to_text(bytes.substr(kUtf8Mark.size()));
    case TextForm::Utf16LeBom:
      return utf16le_to_text(bytes.substr(kUtf16LeMark.size()));
    case TextForm::Legacy:
      break;
  }
  return legacy.to_text(bytes);
}

std::string_view byte_order_mark(TextForm form) {
  if (form == TextForm::Utf8Bom) return kUtf8Mark;
  if (form == TextForm::Utf16LeBom) return kUtf16LeMark;
  return {};
}

bool append_in_form(std::string& out, std::u16string_view text, TextForm form,
                    const LegacyCodec& legacy) {
  switch (form) {
    case TextForm::Utf8:
    case TextForm::Utf8Bom:
      return append_utf8(out, text);
    case TextForm::Utf16LeBom:
      return append_utf16le(out, text);
    case TextForm::Legacy:
      break;
  }
  std::optional<std::string> bytes = legacy.to_bytes(text);
  if (!bytes) return false;
  // A whole script's text is taken as it is, not copied.
  if (out.empty())
    out = std::move(*bytes);
  else
    out += *bytes;
  return true;
}

std::optional<std::string> file_bytes(std::u16string_view text, TextForm form,
                                      const LegacyCodec& legacy) {
  std::string bytes(byte_order_mark(form));
  if (!append_in_form(bytes, text, form, legacy)) return std::nullopt;
  return bytes;
}

}  // namespace screnc
