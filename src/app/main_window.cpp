#include "app/main_window.h"

#include <iterator>

#include "types/script_types.h"

namespace mosa {

namespace {

std::vector<std::wstring> type_entries() {
  std::vector<std::wstring> entries;
  for (const ScriptType& type : kScriptTypes) entries.emplace_back(type.ext);
  return entries;
}

}  // namespace

MainWindow::MainWindow(Platform& platform)
    : window(kAppCaption, kMainWindowClient, kMainWindowLaidOutHeight),
      platform_(platform),
      settings_file_(platform) {
  get<type_list>().set_entries(type_entries());
  get<language_list>().set_entries({std::begin(kLanguageNames), std::end(kLanguageNames)});
  get<output_name_box>().on_change = [this] { on_output_name_changed(); };
  get<same_folder_check>().on_click = [this] { on_same_folder_clicked(); };
  get<output_name_check>().on_click = [this] { on_output_name_check_clicked(); };
  get<type_list>().on_click = [this] { on_type_changed(); };
  get<language_list>().on_pick = [this] { on_language_picked(); };
  get<overwrite_check>().on_click = [this] { on_overwrite_clicked(); };
  get<set_language_check>().on_click = [this] { on_set_language_clicked(); };
  get<input_browse_button>().on_click = [this] { on_input_browse_clicked(); };
  get<output_browse_button>().on_click = [this] { on_output_browse_clicked(); };
  get<run_button>().on_click = [this] { on_run_clicked(); };
  get<detail_button>().on_click = [this] { on_detail_clicked(); };
  get<encoder_browse_button>().on_click = [this] { on_encoder_browse_clicked(); };
  get<option_reset_button>().on_click = [this] { on_option_reset_clicked(); };
  get<initialise_button>().on_click = [this] { on_initialise_clicked(); };
  get<help_button>().on_click = [this] { on_help_clicked(); };
  get<readme_button>().on_click = [this] { on_readme_clicked(); };
  for (const FieldControl& row : kFieldControls) store_on_change(row);
}

void MainWindow::store_on_change(const FieldControl& row) {
  Control& shown = control(row.role);
  if (auto* field = std::get_if<bool Settings::*>(&row.field)) {
    auto& box = static_cast<CheckBox&>(shown);
    if (!box.on_click) box.on_click = [this, &box, field = *field] { settings.*field = box.ticked(); };
  } else if (auto* text = std::get_if<std::wstring Settings::*>(&row.field);
             text && shown.row().kind == Kind::TextBox) {
    auto& box = static_cast<TextBox&>(shown);
    if (!box.on_change) box.on_change = [this, &box, field = *text] { settings.*field = box.text(); };
  }
}

}  // namespace mosa
