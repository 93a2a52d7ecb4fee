#pragma once
// The two script languages there are encoders for, and how pages name them.
#include <optional>
#include <string_view>

namespace screnc {

enum class ScriptLanguage { VBScript, JScript };

// What a LANGUAGE or TYPE value, or /l, asks for: nothing, one of the two
// languages, or anything else (another language, or a script already encoded),
// which is left as it is.
enum class LanguageName { None, VBScript, JScript, Other };

// Case-insensitive; JavaScript counts as JScript. A TYPE's media type is named by
// its part after the '/' (text/vbscript).
LanguageName language_name(std::u16string_view value);
LanguageName type_language_name(std::u16string_view media_type);

// The language a script is encoded in: the one named, `unnamed` when none is,
// and nothing for another language.
std::optional<ScriptLanguage> chosen_language(LanguageName name,
                                              std::optional<ScriptLanguage> unnamed);

// "VBScript.Encode" or "JScript.Encode": what the script engine is told to
// decode the blocks with.
std::u16string_view encoded_language(ScriptLanguage language);

}  // namespace screnc
