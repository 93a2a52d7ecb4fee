#pragma once
// A main window on the fake platform, started as the program starts it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/frm1.h"
#include "app/frm1_layout.h"
#include "fake_platform.h"
#include "settings/settings_file.h"

inline const std::vector<std::wstring> kFirstStartFile = {
    L"C:\\Program Files\\Windows Script Encoder\\screnc.exe",
    L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off", L"off", L"off", L"off",
    L"on", L"vb", L""};

inline Settings first_start_record() {
  Settings s;
  for (int i = 0; i < kFileLineCount; ++i) s.*kFileLines[i] = kFirstStartFile[i];
  s.out_suffix = L".vbe";
  return s;
}

// A settings file of seventeen lines, empty but for the ones given by number.
inline std::vector<std::wstring> file_lines(std::initializer_list<std::pair<int, const wchar_t*>> set) {
  std::vector<std::wstring> lines(kFileLineCount);
  for (const auto& [number, text] : set) lines[number - 1] = text;
  return lines;
}

// What the main window shows, in one line: the texts of txt1 to txt4, cmb1, cmb2
// and lbl6; the values of chk1, chk2 and ochk1 to ochk5; which of txt2, cmd2,
// txt4, ochk3, ochk4, ochk5 and cmb2 are enabled; the height; and whether the
// detail area's controls are in the tab order (+), out of it (-) or mixed (?).
inline std::wstring screen(const frm1& f) {
  std::wstring s;
  for (const std::wstring* text : {&f.txt1.text(), &f.txt2.text(), &f.txt3.text(), &f.txt4.text(),
                                   &f.cmb1.text(), &f.cmb2.text(), &f.lbl6.caption()})
    s += *text + L"|";
  for (const CheckBox* box : {&f.chk1, &f.chk2, &f.ochk1, &f.ochk2, &f.ochk3, &f.ochk4, &f.ochk5})
    s += std::to_wstring(box->value());
  s += L"|";
  for (const Control* c : std::initializer_list<const Control*>{&f.txt2, &f.cmd2, &f.txt4, &f.ochk3,
                                                                &f.ochk4, &f.ochk5, &f.cmb2})
    s += c->enabled() ? L'1' : L'0';
  int stops = 0;
  for (const Control* c : std::initializer_list<const Control*>{
           &f.txt3, &f.cmd5, &f.ochk1, &f.ochk2, &f.ochk3, &f.ochk4, &f.ochk5, &f.cmd7, &f.cmb2})
    stops += c->tab_stop();
  return s + L"|" + std::to_wstring(f.window.height()) + (stops == 9 ? L"+" : stops ? L"?" : L"-");
}

// The record in one line: the fields in the order of the settings file's lines,
// then out_suffix.
inline std::wstring record(const Settings& s) {
  std::wstring line;
  for (auto field : kFileLines) line += s.*field + L"|";
  return line + s.out_suffix;
}

inline void PrintTo(const Settings& s, std::ostream* os) { *os << ::testing::PrintToString(record(s)); }

// What a user or the program does to the window, and what the window shows and
// the record holds afterwards.
struct Step {
  const char* what;
  std::function<void(frm1&)> act;
  const wchar_t* screen;
  const wchar_t* record;
};

inline void walk(frm1& f, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    step.act(f);
    EXPECT_EQ(screen(f), step.screen) << step.what;
    EXPECT_EQ(record(f.settings), step.record) << step.what;
  }
}

class AppTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  std::unique_ptr<frm1> form;

  frm1& start() {
    form = std::make_unique<frm1>(platform);
    EXPECT_TRUE(form->Form_Load());
    return *form;
  }
  // A start from a settings file holding these lines, each ended by CR LF.
  frm1& start_with(const std::vector<std::wstring>& lines) {
    platform.put_lines(platform.settings_path(), lines);
    return start();
  }
  // A first start, with what it said and wrote forgotten.
  frm1& fresh() {
    start();
    platform.messages.clear();
    platform.events.clear();
    return *form;
  }
  std::vector<std::wstring> saved_lines() {
    return split_lines(platform.files.at(platform.settings_path()).text, 100);
  }
};
