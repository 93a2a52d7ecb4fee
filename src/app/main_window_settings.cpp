// Start-up, the window surface, restoring the defaults, initialising all, and the
// settings file read into and saved from the controls.
#include "app/main_window.h"

#include <algorithm>
#include <type_traits>
#include <variant>

#include "app/main_window_layout.h"
#include "core/texts.h"
#include "select/encoder_location.h"
#include "types/script_types.h"

namespace mosa {

bool MainWindow::on_load() {
  if (platform_.another_instance_running()) return false;
  load_window();
  return true;
}

void MainWindow::load_window() {
  std::optional<std::vector<std::wstring>> lines;
  bool readable = true;
  try {
    lines = settings_file_.read();
  } catch (const PlatformError&) {
    readable = false;
  }
  // A file cut short (by a full disk, say) holds what it holds over the
  // defaults, never over the window's laid-out placeholders.
  const bool whole = lines && lines->size() >= static_cast<size_t>(kSettingsLineCount);
  if (!whole) {
    restore_defaults();
    window.set_height(kDetailClosedHeight);
    detail_tabstops_off();
  }
  if (lines) load_settings(*lines);
  // Not a first start when the file could not be read: no defaults over it.
  if (!lines && readable) save_settings();
  if (!readable || (lines && !whole)) report_settings_failure();
  get<initialise_button>().set_visible(false);
  // The input box is the only drop target: the view accepts dropped files on it alone.
}

void MainWindow::on_mouse_down(int button) {
  get<initialise_button>().set_visible(button == 2 && !get<initialise_button>().visible());
}

void MainWindow::restore_defaults() {
  Settings& s = settings;
  s.encoder_path = default_encoder_path(platform_);
  s.in_folder = kMicrosoftEncoderFolder;
  s.in_base.clear();
  s.in_file.clear();
  s.out_folder = kMicrosoftEncoderFolder;
  s.out_path.clear();
  // Selecting "vbs" sets the type, the suffix and its label, and the boxes'
  // handling the enabled states and the output name; the option reset ticks the
  // wsf-as-sct box.
  get<type_list>().select(kVbsPosition);
  s.script_lang = ScriptLanguage::VBScript;
  get<input_box>().set_text(s.in_file);
  get<same_folder_check>().set_value(1);
  get<output_folder_box>().set_text(s.out_path);
  get<output_name_check>().set_value(0);
  s.out_name_set = false;
  get<output_name_box>().set_text(L"");
  get<output_name_box>().set_enabled(false);
  get<encoder_box>().set_text(s.encoder_path);
  on_option_reset_clicked();
}

void MainWindow::on_initialise_clicked() {
  const int answer =
      platform_.message_box(texts::kInitialiseQuestion, texts::kConfirmTitle, kYesNoCancel);
  if (answer == kYes) {
    restore_defaults();
    save_settings();
    show_detail_area(false);
    settings.detail_open = DetailArea::Closed;
    get<initialise_button>().set_visible(false);
    platform_.message_box(texts::kInitialised, texts::kReportTitle, kInformation);
  } else if (answer == kNo) {
    get<initialise_button>().set_visible(false);
    platform_.message_box(texts::kNotInitialised, texts::kReportTitle, kInformation);
  } else {
    get<initialise_button>().set_visible(false);
    platform_.message_box(texts::kInitialiseCancelled, texts::kReportTitle, kInformation);
  }
}

void MainWindow::load_settings(const std::vector<std::wstring>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) apply_line(kSettingsLines[i], lines[i]);
}

// The line's field first, then its control as the user would set it, whose
// handling may change other fields: the order of the lines is the order of the
// cascades.
void MainWindow::apply_line(const SettingsLine& line, const std::wstring& text) {
  read_line(settings, line, text);
  if (const FieldControl* row = field_control(line.field)) show_field(*row);
}

void MainWindow::show_field(const FieldControl& row) {
  Control& shown = control(row.role);
  const auto show = [&](auto field) {
    const auto& value = settings.*field;
    using Value = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, bool>) {
      static_cast<CheckBox&>(shown).set_value(value ? 1 : 0);
      if (row.enables != MainControl::count) control(row.enables).set_enabled(value);
    } else if constexpr (std::is_same_v<Value, ScriptLanguage>) {
      static_cast<ComboBox&>(shown).select(static_cast<int>(value));
    } else if constexpr (std::is_same_v<Value, DetailArea>) {
      show_detail_area(value == DetailArea::Open);
    } else if (shown.row().kind == Kind::TextBox) {
      static_cast<TextBox&>(shown).set_text(value);
    } else {
      // A list selects the entry that is the text exactly, and keeps its state for any other.
      auto& list = static_cast<ComboBox&>(shown);
      const auto& entries = list.entries();
      const auto found = std::find(entries.begin(), entries.end(), value);
      if (found != entries.end()) list.select(static_cast<int>(found - entries.begin()));
    }
  };
  std::visit(show, row.field);
}

void MainWindow::save_settings() {
  settings.opt_overwrite = false;
  get<overwrite_check>().set_value(0);
  try {
    settings_file_.write(settings);
  } catch (const std::exception&) {
    report_settings_failure();
  }
}

void MainWindow::report_settings_failure() {
  platform_.message_box(texts::settings_unwritable(settings_file_.path()), texts::kErrorTitle,
                        kExclamation);
}

}  // namespace mosa
