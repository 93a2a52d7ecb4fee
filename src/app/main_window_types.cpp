// The script type list, the encoder option switches and the option reset.
#include "app/main_window.h"
#include "core/texts.h"
#include "types/script_types.h"

namespace mosa {

void MainWindow::on_type_changed() {
  const int position = script_type_position(get<type_list>().text());
  if (position < 0) return;
  const ScriptType& type = kScriptTypes[position];
  Settings& s = settings;
  s.script_ext = type.ext;
  s.out_suffix = output_suffix(type, s.script_lang);
  enable_switches(position);
  if (!get<set_language_check>().enabled()) get<language_list>().set_enabled(false);
  get<suffix_label>().set_caption(s.out_suffix);

  get<input_box>().set_text(L"");  // and with it in_file
  s.in_folder.clear();
  s.in_base.clear();
  if (!get<same_folder_check>().ticked()) return;
  get<output_folder_box>().set_text(L"");
  // and with it out_base
  if (get<output_name_check>().value() == 0) get<output_name_box>().set_text(L"");
  s.out_path.clear();
  s.out_folder.clear();
}

void MainWindow::on_overwrite_clicked() {
  if (!get<overwrite_check>().ticked()) {
    settings.opt_overwrite = false;
    return;
  }
  const std::wstring question = texts::will_overwrite(settings.out_path);
  if (platform_.message_box(question, texts::kConfirmTitle, kYesNo) == kYes) {
    settings.opt_overwrite = true;
  } else {
    get<overwrite_check>().set_value(0);  // which clears the flag
  }
}

void MainWindow::on_set_language_clicked() {
  settings.opt_set_lang = get<set_language_check>().ticked();
  get<language_list>().set_enabled(get<set_language_check>().ticked());
}

// Code that only shows a language in the list runs nothing here.
void MainWindow::on_language_picked() {
  settings.script_lang =
      get<language_list>().selected() == 0 ? ScriptLanguage::VBScript : ScriptLanguage::JScript;
}

void MainWindow::enable_switches(int type) {
  for_each_switch([&](const SettingsLine&, const FieldControl& row) {
    control(row.role).set_enabled(has_type(row.usable_by, type));
  });
}

// The boxes first, each ticked or not by its switch's reset value, then the
// record's flags, which an unknown type resets alone.
void MainWindow::on_option_reset_clicked() {
  const int position = script_type_position(get<type_list>().text());
  if (position >= 0) {
    enable_switches(position);
    for_each_switch([&](const SettingsLine& line, const FieldControl& row) {
      static_cast<CheckBox&>(control(row.role)).set_value(line.encoder_switch.reset ? 1 : 0);
    });
    get<language_list>().set_enabled(false);
    get<language_list>().select(0);
  }
  for_each_switch([&](const SettingsLine& line, const FieldControl&) {
    settings.*std::get<bool Settings::*>(line.field) = line.encoder_switch.reset;
  });
}

}  // namespace mosa
