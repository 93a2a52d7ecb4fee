#pragma once
// The settings file's lines, one row each in the order of the file: the field a
// line holds, its kind, how a line holding none of its words reads, and for a
// flag that turns on an encoder switch, the switch. The encoder's switch string
// takes the switches in the order of their rows.
#include <iterator>
#include <string>
#include <variant>

#include "settings/settings.h"

namespace mosa {

using FieldRef = std::variant<std::wstring Settings::*, bool Settings::*, ScriptLanguage Settings::*,
                              DetailArea Settings::*>;

// Text is stored as it is; a path the code page cannot hold is written in its
// short form; a flag or a choice is written as a word.
enum class LineKind { Text, Path, Flag, Choice };

struct EncoderSwitch {
  const wchar_t* text = nullptr;  // none: the line turns on no switch
  bool names_language = false;    // followed by the language's name
  bool reset = false;             // what the option reset gives the flag
};

struct SettingsLine {
  FieldRef field;
  LineKind kind;
  // The word a line that holds none of the field's words reads as.
  const wchar_t* otherwise = nullptr;
  EncoderSwitch encoder_switch{};
};

inline constexpr SettingsLine kSettingsLines[] = {
    {&Settings::encoder_path, LineKind::Path},
    {&Settings::script_ext, LineKind::Text},
    // Only "off" clears the same-folder box.
    {&Settings::same_folder, LineKind::Flag, L"on"},
    {&Settings::out_name_set, LineKind::Flag, L"off"},
    {&Settings::in_file, LineKind::Path},
    {&Settings::in_folder, LineKind::Path},
    {&Settings::in_base, LineKind::Text},
    {&Settings::out_folder, LineKind::Path},
    {&Settings::out_base, LineKind::Text},
    {&Settings::out_path, LineKind::Path},
    {&Settings::opt_progress, LineKind::Flag, L"off", {L"/s"}},
    {&Settings::opt_overwrite, LineKind::Flag, L"off", {L"/f"}},
    {&Settings::opt_no_language, LineKind::Flag, L"off", {L"/xl"}},
    {&Settings::opt_set_lang, LineKind::Flag, L"off", {L"/l", true}},
    {&Settings::opt_wsf_as_sct, LineKind::Flag, L"off", {L"/e sct", false, true}},
    {&Settings::script_lang, LineKind::Choice, L"js"},
    {&Settings::detail_open, LineKind::Choice, L"off"},
};
inline constexpr int kSettingsLineCount = static_cast<int>(std::size(kSettingsLines));

// Text and paths are strings, flags bool and choices enums; every flag and
// choice says how an odd line reads, and only a flag turns on a switch.
consteval bool rows_fit_their_fields() {
  for (const SettingsLine& line : kSettingsLines) {
    const bool text = std::holds_alternative<std::wstring Settings::*>(line.field);
    const bool flag = std::holds_alternative<bool Settings::*>(line.field);
    const bool fits = text ? line.kind == LineKind::Text || line.kind == LineKind::Path
                           : line.kind == (flag ? LineKind::Flag : LineKind::Choice);
    if (!fits || (!text && !line.otherwise) || (line.encoder_switch.text && !flag)) return false;
  }
  return true;
}
static_assert(rows_fit_their_fields());

// The line's field as the file writes it, before a path takes its short form.
std::wstring line_text(const Settings& settings, const SettingsLine& line);
// Stores a line's text into its field; a flag or choice takes the value of its word.
void read_line(Settings& settings, const SettingsLine& line, const std::wstring& text);

}  // namespace mosa
