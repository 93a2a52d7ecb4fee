#pragma once
// The nine script types, in the order of the type list: what each gives the
// output name, which options it can use and which files the dialog shows.
#include <string>

// How a type names its output: "_enc." + its extension, the encoded-script
// extensions, or by the language code (".vbe" for "vb", else ".jse").
enum class SuffixRule { EncExt, Jse, Vbe, ByLanguage };

struct ScriptType {
  const wchar_t* ext;
  SuffixRule suffix;
  bool no_language_usable;  // ochk3
  bool set_lang_usable;     // ochk4; where false, the type also disables cmb2
  bool wsf_as_sct_usable;   // ochk5
  const wchar_t* filter;
};

inline constexpr ScriptType kScriptTypes[] = {
    {L"asa", SuffixRule::EncExt, false, true, false, L"Active Server Application (*.asa)|*.asa"},
    {L"asp", SuffixRule::EncExt, true, true, false, L"Active Server Page (*.asp)|*.asp"},
    {L"cdx", SuffixRule::EncExt, false, true, false, L"Active Channel (*.cdx)|*.cdx"},
    {L"htm", SuffixRule::EncExt, false, true, false, L"HTML file (*.htm)|*.htm"},
    {L"html", SuffixRule::EncExt, false, true, false, L"HTML file (*.html)|*.html"},
    {L"js", SuffixRule::Jse, false, false, false, L"JScript (*.js)|*.js"},
    {L"sct", SuffixRule::EncExt, false, true, false, L"Windows Script Component (*.sct)|*.sct"},
    {L"vbs", SuffixRule::Vbe, false, false, false, L"VBScript (*.vbs)|*.vbs"},
    {L"wsf", SuffixRule::ByLanguage, false, true, true, L"Windows Scripting Host (*.wsf)|*.wsf"},
};
inline constexpr int kScriptTypeCount = 9;

// The position of a type in the list, matched exactly; -1 for none of the nine.
int script_type_position(const std::wstring& ext);

std::wstring output_suffix(const ScriptType& type, const std::wstring& script_lang);
