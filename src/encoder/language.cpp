#include "encoder/language.h"

#include "encoder/markup.h"

namespace screnc {

LanguageName language_name(std::u16string_view value) {
  if (value.empty()) return LanguageName::None;
  if (equals_ascii_ci(value, u"vbscript")) return LanguageName::VBScript;
  if (equals_ascii_ci(value, u"jscript") || equals_ascii_ci(value, u"javascript"))
    return LanguageName::JScript;
  return LanguageName::Other;
}

LanguageName type_language_name(std::u16string_view media_type) {
  return language_name(media_type.substr(media_type.rfind(u'/') + 1));
}

std::optional<ScriptLanguage> chosen_language(LanguageName name,
                                              std::optional<ScriptLanguage> unnamed) {
  switch (name) {
    case LanguageName::None:
      return unnamed;
    case LanguageName::VBScript:
      return ScriptLanguage::VBScript;
    case LanguageName::JScript:
      return ScriptLanguage::JScript;
    case LanguageName::Other:
      break;
  }
  return std::nullopt;
}

std::u16string_view encoded_language(ScriptLanguage language) {
  return language == ScriptLanguage::VBScript ? u"VBScript.Encode" : u"JScript.Encode";
}

}  // namespace screnc
