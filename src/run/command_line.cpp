#include "run/command_line.h"

namespace mosa {

std::wstring switch_string(const Settings& s) {
  std::wstring switches;
  if (s.opt_progress == kOn) switches += L"/s ";
  if (s.opt_overwrite == kOn) switches += L"/f ";
  if (s.opt_no_language == kOn) switches += L"/xl ";
  if (s.opt_set_lang == kOn) switches += s.script_lang == L"vb" ? L"/l VBScript " : L"/l JScript ";
  if (s.opt_wsf_as_sct == kOn) switches += L"/e sct ";
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
