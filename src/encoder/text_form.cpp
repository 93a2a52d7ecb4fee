#include "encoder/text_form.h"

#include <algorithm>

#include "encoder/unicode.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

}  // namespace

TextForm text_form(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextForm::Utf8Bom;
  if (bytes.starts_with(kUtf16LeMark)) return TextForm::Utf16LeBom;
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char b) { return static_cast<unsigned char>(b) < 0x80; });
  return !ascii && is_utf8(bytes) ? TextForm::Utf8 : TextForm::Legacy;
}

TextForm output_form(TextForm source, FileKind kind) {
  const bool plain_script = kind == FileKind::VBScriptFile || kind == FileKind::JScriptFile;
  if (!plain_script || source == TextForm::Legacy) return source;
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

std::optional<std::string> file_bytes(std::u16string_view text, TextForm form,
                                      const LegacyCodec& legacy) {
  std::optional<std::string> body;
  std::string_view mark;
  switch (form) {
    case TextForm::Utf8:
      body = text_to_utf8(text);
      break;
    case TextForm::Utf8Bom:
      body = text_to_utf8(text), mark = kUtf8Mark;
      break;
    case TextForm::Utf16LeBom:
      body = text_to_utf16le(text), mark = kUtf16LeMark;
      break;
    case TextForm::Legacy:
      body = legacy.to_bytes(text);
      break;
  }
  if (!body) return std::nullopt;
  return std::string(mark) + *body;
}
