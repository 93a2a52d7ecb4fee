#pragma once
// The settings fields the main window shows, each with the control that shows
// it. Reading the settings file puts each line's field into its control; a
// check box or text box with no handling of its own stores its value back into
// its field; an encoder switch's box is usable by the types its row names.
#include <iterator>

#include "app/main_window_layout.h"
#include "settings/settings_lines.h"
#include "types/script_types.h"

namespace mosa {

struct FieldControl {
  FieldRef field;
  MainControl role;
  TypeSet usable_by = kEveryType;
  // A control the file's flag enables or disables along with its box, whether
  // the box changes or not.
  MainControl enables = MainControl::count;
};

inline constexpr FieldControl kFieldControls[] = {
    {&Settings::encoder_path, MainControl::encoder_box},
    {&Settings::script_ext, MainControl::type_list},
    {&Settings::same_folder, MainControl::same_folder_check},
    {&Settings::out_name_set, MainControl::output_name_check, kEveryType, MainControl::output_name_box},
    {&Settings::in_file, MainControl::input_box},
    {&Settings::out_folder, MainControl::output_folder_box},
    {&Settings::out_base, MainControl::output_name_box},
    {&Settings::opt_progress, MainControl::progress_check},
    {&Settings::opt_overwrite, MainControl::overwrite_check},
    {&Settings::opt_no_language, MainControl::no_language_check, types_named({L"asp"})},
    // A type that cannot set the language also disables the language list.
    {&Settings::opt_set_lang, MainControl::set_language_check, every_type_but({L"js", L"vbs"})},
    {&Settings::opt_wsf_as_sct, MainControl::wsf_as_sct_check, types_named({L"wsf"})},
    {&Settings::script_lang, MainControl::language_list},
    {&Settings::detail_open, MainControl::detail_button},
};

// The row of a field; none for a field no control shows (every encoder switch has its box).
inline const FieldControl* field_control(const FieldRef& field) {
  for (const FieldControl& row : kFieldControls)
    if (row.field == field) return &row;
  return nullptr;
}

// Each encoder switch's settings line with the row of the box that shows it.
template <class Act>
void for_each_switch(Act act) {
  for (const SettingsLine& line : kSettingsLines)
    if (line.encoder_switch.text) act(line, *field_control(line.field));
}

}  // namespace mosa
