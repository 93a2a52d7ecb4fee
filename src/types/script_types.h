#pragma once
// The script types, in the order of the type list: what each gives the
// output name, which options it can use and which files the dialog shows.
#include <iterator>
#include <string>
#include <string_view>

namespace mosa {

// How a type names its output: "_enc." + its extension, the encoded-script
// extensions, or by the language code (".vbe" for "vb", else ".jse").
enum class SuffixRule { EncExt, Jse, Vbe, ByLanguage };

struct ScriptType {
  const wchar_t* ext;
  SuffixRule suffix;
  bool no_language_usable;  // the no-language option
  // The set-language option; where false, the type also disables the language list.
  bool set_lang_usable;
  bool wsf_as_sct_usable;   // the wsf-as-sct option
  // A script file of its own rather than a page: its encoded output is nothing
  // but blocks, so an output without one was not encoded.
  bool plain_script;
  const wchar_t* filter;
};

inline constexpr ScriptType kScriptTypes[] = {
    {L"asa", SuffixRule::EncExt, false, true, false, false, L"Active Server Application (*.asa)|*.asa"},
    {L"asp", SuffixRule::EncExt, true, true, false, false, L"Active Server Page (*.asp)|*.asp"},
    {L"cdx", SuffixRule::EncExt, false, true, false, false, L"Active Channel (*.cdx)|*.cdx"},
    {L"htm", SuffixRule::EncExt, false, true, false, false, L"HTML file (*.htm)|*.htm"},
    {L"html", SuffixRule::EncExt, false, true, false, false, L"HTML file (*.html)|*.html"},
    {L"js", SuffixRule::Jse, false, false, false, true, L"JScript (*.js)|*.js"},
    {L"sct", SuffixRule::EncExt, false, true, false, false, L"Windows Script Component (*.sct)|*.sct"},
    {L"vbs", SuffixRule::Vbe, false, false, false, true, L"VBScript (*.vbs)|*.vbs"},
    {L"wsf", SuffixRule::ByLanguage, false, true, true, false, L"Windows Scripting Host (*.wsf)|*.wsf"},
};
inline constexpr int kScriptTypeCount = static_cast<int>(std::size(kScriptTypes));

consteval int script_type_at(std::wstring_view ext) {
  for (int i = 0; i < kScriptTypeCount; ++i)
    if (ext == kScriptTypes[i].ext) return i;
  throw "no such script type";
}
// The type a first start and the option reset's defaults are made for.
inline constexpr int kVbsPosition = script_type_at(L"vbs");

// The position of a type in the list, matched exactly; -1 for none of them.
int script_type_position(const std::wstring& ext);

std::wstring output_suffix(const ScriptType& type, const std::wstring& script_lang);

}  // namespace mosa
