// The script type list, the encoder option switches and the option reset.
#include "app/main_window.h"
#include "core/texts.h"
#include "types/script_types.h"

namespace mosa {

namespace {
const wchar_t* flag(const CheckBox& box) { return box.ticked() ? kOn : kOff; }
}  // namespace

void MainWindow::on_type_changed() {
  const int position = script_type_position(get<type_list>().text());
  if (position < 0) return;
  const ScriptType& type = kScriptTypes[position];
  Settings& s = settings;
  s.script_ext = type.ext;
  s.out_suffix = output_suffix(type, s.script_lang);
  get<no_language_check>().set_enabled(type.no_language_usable);
  get<set_language_check>().set_enabled(type.set_lang_usable);
  if (!type.set_lang_usable) get<language_list>().set_enabled(false);
  get<wsf_as_sct_check>().set_enabled(type.wsf_as_sct_usable);
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

void MainWindow::on_progress_clicked() { settings.opt_progress = flag(get<progress_check>()); }

void MainWindow::on_overwrite_clicked() {
  if (!get<overwrite_check>().ticked()) {
    settings.opt_overwrite = kOff;
    return;
  }
  const std::wstring question = texts::will_overwrite(settings.out_path);
  if (platform_.message_box(question, texts::kConfirmTitle, kYesNo) == kYes) {
    settings.opt_overwrite = kOn;
  } else {
    get<overwrite_check>().set_value(0);  // which sets the flag "off"
  }
}

void MainWindow::on_no_language_clicked() {
  settings.opt_no_language = flag(get<no_language_check>());
}

void MainWindow::on_set_language_clicked() {
  settings.opt_set_lang = flag(get<set_language_check>());
  get<language_list>().set_enabled(get<set_language_check>().ticked());
}

void MainWindow::on_wsf_as_sct_clicked() {
  settings.opt_wsf_as_sct = flag(get<wsf_as_sct_check>());
}

// The user's choice of language becomes the language code: "vb" for VBScript,
// "js" for JScript. Code that only shows a language in the list runs nothing here.
void MainWindow::on_language_picked() {
  settings.script_lang = get<language_list>().selected() == 0 ? L"vb" : L"js";
}

void MainWindow::on_option_reset_clicked() {
  const int position = script_type_position(get<type_list>().text());
  if (position >= 0) {
    const ScriptType& type = kScriptTypes[position];
    get<progress_check>().set_enabled(true);
    get<overwrite_check>().set_enabled(true);
    get<no_language_check>().set_enabled(type.no_language_usable);
    get<set_language_check>().set_enabled(type.set_lang_usable);
    get<wsf_as_sct_check>().set_enabled(type.wsf_as_sct_usable);
    get<progress_check>().set_value(0);
    get<overwrite_check>().set_value(0);
    get<no_language_check>().set_value(0);
    get<set_language_check>().set_value(0);
    get<wsf_as_sct_check>().set_value(1);
    get<language_list>().set_enabled(false);
    get<language_list>().select(0);
  }
  settings.opt_progress = kOff;
  settings.opt_overwrite = kOff;
  settings.opt_no_language = kOff;
  settings.opt_set_lang = kOff;
  settings.opt_wsf_as_sct = kOn;
}

}  // namespace mosa
