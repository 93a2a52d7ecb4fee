#pragma once
// A main window on the fake platform, started as the program starts it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "fake_platform.h"
#include "settings/settings_file.h"

namespace mosa {

inline const std::vector<std::wstring> kFirstStartFile = {
    L"C:\\Program Files\\Windows Script Encoder\\screnc.exe",
    L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off", L"off", L"off", L"off",
    L"on", L"vb", L""};

inline Settings first_start_record() {
  return {.same_folder = true, .script_ext = L"vbs", .script_lang = ScriptLanguage::VBScript,
          .out_suffix = L".vbe", .encoder_path = kFirstStartFile[0], .out_path = L".vbe",
          .opt_wsf_as_sct = true};
}

// A whole settings file, empty but for the lines given by number.
inline std::vector<std::wstring> file_lines(std::initializer_list<std::pair<int, const wchar_t*>> set) {
  std::vector<std::wstring> lines(kSettingsLineCount);
  for (const auto& [number, text] : set) lines[number - 1] = text;
  return lines;
}

using enum MainControl;

// What the main window shows, by control: the texts; the check boxes' values;
// which controls are usable; the height; and whether the detail area's controls
// are in the tab order ('+'), out of it ('-') or mixed ('?'). The defaults are
// the screen of a first start with the encoder "e".
struct Screen {
  std::wstring input{}, output_folder{}, encoder = L"e", output_name{}, type = L"vbs",
      language = L"VBScript", suffix = L".vbe";
  int same_folder = 1, output_name_check = 0, progress = 0, overwrite = 0, no_language = 0,
      set_language = 0, wsf_as_sct = 1;
  bool output_folder_usable = false, output_browse_usable = false, output_name_usable = false,
       no_language_usable = false, set_language_usable = false, wsf_as_sct_usable = false,
       language_usable = false;
  int height = 2520;
  char detail_tabs = '-';
  bool operator==(const Screen&) const = default;
};

inline Screen screen(const MainWindow& f) {
  int stops = 0, detail = 0;
  for (const Control* c : f.controls())
    if (in_detail_area(c->row())) stops += c->tab_stop(), ++detail;
  return {f.get<input_box>().text(), f.get<output_folder_box>().text(), f.get<encoder_box>().text(),
          f.get<output_name_box>().text(), f.get<type_list>().text(), f.get<language_list>().text(),
          f.get<suffix_label>().caption(), f.get<same_folder_check>().value(), f.get<output_name_check>().value(),
          f.get<progress_check>().value(), f.get<overwrite_check>().value(), f.get<no_language_check>().value(),
          f.get<set_language_check>().value(), f.get<wsf_as_sct_check>().value(),
          f.get<output_folder_box>().enabled(), f.get<output_browse_button>().enabled(),
          f.get<output_name_box>().enabled(), f.get<no_language_check>().enabled(),
          f.get<set_language_check>().enabled(), f.get<wsf_as_sct_check>().enabled(),
          f.get<language_list>().enabled(), f.window.height(), stops == detail ? '+' : stops ? '?' : '-'};
}

// A screen as the fields that differ from the default one, by name, so that a
// failure shows which control differs.
inline void PrintTo(const Screen& s, std::ostream* os) {
  const Screen d;
  *os << "{";
  auto field = [&](const char* name, auto Screen::*member) {
    if (s.*member != d.*member) *os << " " << name << "=" << ::testing::PrintToString(s.*member);
  };
  field("input", &Screen::input), field("output_folder", &Screen::output_folder), field("encoder", &Screen::encoder);
  field("output_name", &Screen::output_name), field("type", &Screen::type), field("language", &Screen::language);
  field("suffix", &Screen::suffix), field("same_folder", &Screen::same_folder);
  field("output_name_check", &Screen::output_name_check), field("progress", &Screen::progress);
  field("overwrite", &Screen::overwrite), field("no_language", &Screen::no_language);
  field("set_language", &Screen::set_language), field("wsf_as_sct", &Screen::wsf_as_sct);
  field("output_folder_usable", &Screen::output_folder_usable);
  field("output_browse_usable", &Screen::output_browse_usable);
  field("output_name_usable", &Screen::output_name_usable), field("no_language_usable", &Screen::no_language_usable);
  field("set_language_usable", &Screen::set_language_usable), field("wsf_as_sct_usable", &Screen::wsf_as_sct_usable);
  field("language_usable", &Screen::language_usable), field("height", &Screen::height);
  field("detail_tabs", &Screen::detail_tabs);
  *os << " }";
}

// The record in one line: the fields as the settings file writes them, in the
// order of its lines, then out_suffix.
inline std::wstring record(const Settings& s) {
  std::wstring line;
  for (const SettingsLine& row : kSettingsLines) line += line_text(s, row) + L"|";
  return line + s.out_suffix;
}
// One field as the settings file writes it.
inline std::wstring line_of(const Settings& s, FieldRef field) {
  for (const SettingsLine& row : kSettingsLines)
    if (row.field == field) return line_text(s, row);
  return L"?";
}

inline void PrintTo(const Settings& s, std::ostream* os) { *os << ::testing::PrintToString(record(s)); }

// What a user or the program does to the window, and what the window shows and
// the record holds afterwards.
struct Step {
  const char* what;
  std::function<void(MainWindow&)> act;
  Screen screen;
  const wchar_t* record;
};

inline void walk(MainWindow& f, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    step.act(f);
    EXPECT_EQ(screen(f), step.screen) << step.what;
    EXPECT_EQ(record(f.settings), step.record) << step.what;
  }
}

class AppTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  std::unique_ptr<MainWindow> form;

  MainWindow& start() {
    form = std::make_unique<MainWindow>(platform);
    EXPECT_TRUE(form->on_load());
    return *form;
  }
  // A start from a settings file holding these lines, each ended by CR LF.
  MainWindow& start_with(const std::vector<std::wstring>& lines) {
    platform.put_lines(platform.settings_path(), lines);
    return start();
  }
  // A first start, with what it said and wrote forgotten.
  MainWindow& fresh() {
    start();
    platform.messages.clear();
    platform.events.clear();
    return *form;
  }
  std::vector<std::wstring> saved_lines() {
    return split_lines(platform.files.at(platform.settings_path()).text, 100);
  }
};

}  // namespace mosa
