#pragma once
// The script types, in the order of the type list: what each gives the
// output name and which files the dialog shows.
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace mosa {

// How a type names its output: "_enc." + its extension, the encoded-script
// extensions, or by the language code (".vbe" for "vb", else ".jse").
enum class SuffixRule { EncExt, Jse, Vbe, ByLanguage };

struct ScriptType {
  const wchar_t* ext;
  SuffixRule suffix;
  // A script file of its own rather than a page: its encoded output is nothing
  // but blocks, so an output without one was not encoded.
  bool plain_script;
  const wchar_t* filter;
};

inline constexpr ScriptType kScriptTypes[] = {
    {L"asa", SuffixRule::EncExt, false, L"Active Server Application (*.asa)|*.asa"},
    {L"asp", SuffixRule::EncExt, false, L"Active Server Page (*.asp)|*.asp"},
    {L"cdx", SuffixRule::EncExt, false, L"Active Channel (*.cdx)|*.cdx"},
    {L"htm", SuffixRule::EncExt, false, L"HTML file (*.htm)|*.htm"},
    {L"html", SuffixRule::EncExt, false, L"HTML file (*.html)|*.html"},
    {L"js", SuffixRule::Jse, true, L"JScript (*.js)|*.js"},
    {L"sct", SuffixRule::EncExt, false, L"Windows Script Component (*.sct)|*.sct"},
    {L"vbs", SuffixRule::Vbe, true, L"VBScript (*.vbs)|*.vbs"},
    {L"wsf", SuffixRule::ByLanguage, false, L"Windows Scripting Host (*.wsf)|*.wsf"},
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

std::wstring output_suffix(const ScriptType& type, ScriptLanguage script_lang);

// Some of the types, a bit each by position in the list.
using TypeSet = unsigned;
static_assert(kScriptTypeCount <= 32);
inline constexpr TypeSet kEveryType = (1u << kScriptTypeCount) - 1;

consteval TypeSet types_named(std::initializer_list<std::wstring_view> exts) {
  TypeSet set = 0;
  for (std::wstring_view ext : exts) set |= 1u << script_type_at(ext);
  return set;
}
consteval TypeSet every_type_but(std::initializer_list<std::wstring_view> exts) {
  return kEveryType & ~types_named(exts);
}
inline bool has_type(TypeSet set, int position) { return (set >> position) & 1u; }

}  // namespace mosa
