// Start-up, the window surface, restoring the defaults, initialising all, and the
// settings file read into and saved from the controls.
#include "app/frm1.h"
#include "app/frm1_layout.h"
#include "select/encoder_location.h"
#include "types/script_types.h"

namespace {
const int kVbsPosition = 7;
}  // namespace

bool frm1::Form_Load() {
  if (platform_.another_instance_running()) return false;
  std::optional<bool> found;  // none: a file that may be there could not be read
  try {
    found = load_settings();
  } catch (const PlatformError&) {
    report_settings_failure();
  }
  if (found != true) {
    restore_defaults();
    // Not a first start when the file could not be read: no defaults over it.
    if (found == false) save_settings();
    window.set_height(kDetailClosedHeight);
    detail_tabstops_off();
  }
  cmd8.set_visible(false);
  // txt1 is the only drop target: the view accepts dropped files on it alone.
  return true;
}

void frm1::Form_MouseDown(int button) {
  cmd8.set_visible(button == 2 && !cmd8.visible());
}

void frm1::restore_defaults() {
  Settings& s = settings;
  s.encoder_path = default_encoder_path(platform_);
  s.in_folder = kMicrosoftEncoderFolder;
  s.in_base.clear();
  s.in_file.clear();
  s.out_folder = kMicrosoftEncoderFolder;
  s.out_path.clear();
  // Selecting "vbs" sets the type, the suffix and its label, and the boxes'
  // handling the enabled states and the output name; the option reset ticks ochk5.
  cmb1.select(kVbsPosition);
  s.script_lang = L"vb";
  txt1.set_text(s.in_file);
  chk1.set_value(1);
  txt2.set_text(s.out_path);
  chk2.set_value(0);
  s.out_name_set = kOff;
  txt4.set_text(L"");
  txt4.set_enabled(false);
  txt3.set_text(s.encoder_path);
  cmd7_Click();
}

void frm1::cmd8_Click() {
  const int answer = platform_.message_box(
      L"注意！\r\r全ての設定を初期化します。初期化しますか？", L"確認", kYesNoCancel);
  if (answer == kYes) {
    restore_defaults();
    save_settings();
    show_detail_area(false);
    settings.detail_open = kOff;
    cmd8.set_visible(false);
    platform_.message_box(L"初期化されました。", L"報告", kInformation);
  } else if (answer == kNo) {
    cmd8.set_visible(false);
    platform_.message_box(L"初期化しません。", L"報告", kInformation);
  } else {
    cmd8.set_visible(false);
    platform_.message_box(L"初期化を中止しました。", L"報告", kInformation);
  }
}

bool frm1::load_settings() {
  const std::optional<std::vector<std::wstring>> lines = settings_file_.read();
  if (!lines) return false;
  int number = 0;
  for (const std::wstring& line : *lines) apply_line(++number, line);
  return true;
}

void frm1::apply_line(int number, const std::wstring& text) {
  Settings& s = settings;
  s.*kFileLines[number - 1] = text;
  switch (number) {
    case 1: txt3.set_text(s.encoder_path); break;
    case 2: {
      const int position = script_type_position(s.script_ext);
      if (position >= 0) cmb1.select(position);
      break;
    }
    case 3:
      // The box starts clear and its text box enabled; ticking it disables that.
      if (s.same_folder != kOff) chk1.set_value(1);
      break;
    case 4:
      chk2.set_value(s.out_name_set == kOn ? 1 : 0);
      txt4.set_enabled(s.out_name_set == kOn);
      break;
    case 5: txt1.set_text(s.in_file); break;
    case 8: txt2.set_text(s.out_folder); break;
    case 9: txt4.set_text(s.out_base); break;
    case 11: ochk1.set_value(s.opt_progress == kOn ? 1 : 0); break;
    case 12: ochk2.set_value(s.opt_overwrite == kOn ? 1 : 0); break;
    case 13: ochk3.set_value(s.opt_no_language == kOn ? 1 : 0); break;
    case 14: ochk4.set_value(s.opt_set_lang == kOn ? 1 : 0); break;
    case 15: ochk5.set_value(s.opt_wsf_as_sct == kOn ? 1 : 0); break;
    case 16: cmb2.select(s.script_lang == L"vb" ? 0 : 1); break;
    case 17: show_detail_area(s.detail_open == kOn); break;
    default: break;  // lines 6, 7 and 10 have no control
  }
}

void frm1::save_settings() {
  settings.opt_overwrite = kOff;
  ochk2.set_value(0);
  try {
    settings_file_.write(settings);
  } catch (const std::exception&) {
    report_settings_failure();
  }
}

void frm1::report_settings_failure() {
  platform_.message_box(settings_file_.path() + L" が存在しないか変更できません。", L"エラー",
                        kExclamation);
}
