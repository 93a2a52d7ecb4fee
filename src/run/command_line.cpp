#include "run/command_line.h"

#include "settings/settings_lines.h"

namespace mosa {

std::wstring switch_string(const Settings& s) {
  std::wstring switches;
  for (const SettingsLine& line : kSettingsLines) {
    const EncoderSwitch& option = line.encoder_switch;
    if (!option.text || !(s.*std::get<bool Settings::*>(line.field))) continue;
    switches += option.text;
    if (option.names_language) switches += std::wstring(L" ") + language_name(s.script_lang);
    switches += L" ";
  }
  return switches;
}

std::wstring command_line(const std::wstring& encoder, const std::wstring& switches,
                          const std::wstring& input, const std::wstring& output,
                          const std::wstring& log) {
  return L"\"" + encoder + L"\" " + switches + L" \"" + input + L"\" \"" + output + L"\" > \"" +
         log + L"\"";
}

std::wstring batch_line(const std::wstring& command_line) {
  std::wstring line;
  for (wchar_t c : command_line) {
    if (c == L'%') line += L'%';
    line += c;
  }
  return line;
}

}  // namespace mosa
