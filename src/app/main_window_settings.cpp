// Start-up, the window surface, restoring the defaults, initialising all, and the
// settings file read into and saved from the controls.
#include "app/main_window.h"
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
  const bool whole = lines && lines->size() >= static_cast<size_t>(kFileLineCount);
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
  s.script_lang = L"vb";
  get<input_box>().set_text(s.in_file);
  get<same_folder_check>().set_value(1);
  get<output_folder_box>().set_text(s.out_path);
  get<output_name_check>().set_value(0);
  s.out_name_set = kOff;
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
    settings.detail_open = kOff;
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
  int number = 0;
  for (const std::wstring& line : lines) apply_line(++number, line);
}

void MainWindow::apply_line(int number, const std::wstring& text) {
  Settings& s = settings;
  s.*kFileLines[number - 1] = text;
  switch (number) {
    case 1: get<encoder_box>().set_text(s.encoder_path); break;
    case 2: {
      const int position = script_type_position(s.script_ext);
      if (position >= 0) get<type_list>().select(position);
      break;
    }
    case 3:
      // Ticking disables the folder box and clearing enables it again.
      get<same_folder_check>().set_value(s.same_folder != kOff ? 1 : 0);
      break;
    case 4:
      get<output_name_check>().set_value(s.out_name_set == kOn ? 1 : 0);
      get<output_name_box>().set_enabled(s.out_name_set == kOn);
      break;
    case 5: get<input_box>().set_text(s.in_file); break;
    case 8: get<output_folder_box>().set_text(s.out_folder); break;
    case 9: get<output_name_box>().set_text(s.out_base); break;
    case 11: get<progress_check>().set_value(s.opt_progress == kOn ? 1 : 0); break;
    case 12: get<overwrite_check>().set_value(s.opt_overwrite == kOn ? 1 : 0); break;
    case 13: get<no_language_check>().set_value(s.opt_no_language == kOn ? 1 : 0); break;
    case 14: get<set_language_check>().set_value(s.opt_set_lang == kOn ? 1 : 0); break;
    case 15: get<wsf_as_sct_check>().set_value(s.opt_wsf_as_sct == kOn ? 1 : 0); break;
    case 16: get<language_list>().select(s.script_lang == L"vb" ? 0 : 1); break;
    case 17: show_detail_area(s.detail_open == kOn); break;
    default: break;  // lines 6, 7 and 10 have no control
  }
}

void MainWindow::save_settings() {
  settings.opt_overwrite = kOff;
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
