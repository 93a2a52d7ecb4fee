#include "settings/settings_lines.h"

#include <initializer_list>
#include <type_traits>

namespace mosa {

namespace {

const wchar_t* word(bool on) { return on ? L"on" : L"off"; }

const wchar_t* word(ScriptLanguage language) {
  return language == ScriptLanguage::VBScript ? L"vb" : L"js";
}

const wchar_t* word(DetailArea area) {
  switch (area) {
    case DetailArea::Open: return L"on";
    case DetailArea::Closed: return L"off";
    case DetailArea::Unset: break;
  }
  return L"";
}

// The value whose word the text is, matched exactly.
template <class Value>
bool take_word(Value& value, const std::wstring& text, std::initializer_list<Value> values) {
  for (Value candidate : values) {
    if (text != word(candidate)) continue;
    value = candidate;
    return true;
  }
  return false;
}

bool take(bool& value, const std::wstring& text) { return take_word(value, text, {false, true}); }

bool take(ScriptLanguage& value, const std::wstring& text) {
  return take_word(value, text, {ScriptLanguage::VBScript, ScriptLanguage::JScript});
}

bool take(DetailArea& value, const std::wstring& text) {
  return take_word(value, text, {DetailArea::Unset, DetailArea::Closed, DetailArea::Open});
}

}  // namespace

std::wstring line_text(const Settings& settings, const SettingsLine& line) {
  return std::visit(
      [&](auto field) -> std::wstring {
        if constexpr (std::is_same_v<decltype(field), std::wstring Settings::*>)
          return settings.*field;
        else
          return word(settings.*field);
      },
      line.field);
}

void read_line(Settings& settings, const SettingsLine& line, const std::wstring& text) {
  std::visit(
      [&](auto field) {
        if constexpr (std::is_same_v<decltype(field), std::wstring Settings::*>)
          settings.*field = text;
        else if (!take(settings.*field, text))
          take(settings.*field, line.otherwise);
      },
      line.field);
}

}  // namespace mosa
