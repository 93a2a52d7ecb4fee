#include "settings/settings_file.h"

#include "app/frm1.h"
#include "types/script_types.h"

std::vector<std::wstring> split_lines(const std::wstring& text, size_t max_lines) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start < text.size() && lines.size() < max_lines) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end;
    if (start < text.size()) start += text.compare(start, 2, L"\r\n") == 0 ? 2 : 1;
  }
  return lines;
}

std::wstring frm1::settings_path() { return platform_.app_folder() + kSettingsFileName; }

bool frm1::load_settings() {
  std::wstring text;
  try {
    const std::wstring path = settings_path();
    if (platform_.find_file(path).empty()) return false;
    text = platform_.read_text_file(path, kSettingsReadLimit);
  } catch (const PlatformError&) {
    // The file is there but cannot be read: start as on a first start, but never
    // write over it (save_settings refuses and says so).
    settings_unreadable_ = true;
    return false;
  }
  int number = 0;
  for (const std::wstring& line : split_lines(text, kFileLineCount)) apply_line(++number, line);
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
      if (s.same_folder != kOff) {
        chk1.set_value(1);
        txt2.set_enabled(false);
      } else {
        chk1.set_value(0);
        txt2.set_enabled(true);
      }
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
    if (settings_unreadable_) throw PlatformError("the settings file could not be read");
    std::vector<std::wstring> lines;
    for (auto field : kFileLines) lines.push_back(settings.*field);
    platform_.write_text_file(settings_path(), lines, CodePage::Ansi);
  } catch (const std::exception&) {
    platform_.message_box(settings_path() + L" が存在しないか変更できません。", L"エラー",
                          kExclamation);
  }
}
