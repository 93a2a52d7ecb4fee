#pragma once
// A main window on the fake platform, started as the program starts it.
#include <gtest/gtest.h>

#include <memory>

#include "app/frm1.h"
#include "app/frm1_layout.h"
#include "fake_platform.h"
#include "settings/settings_file.h"

inline Settings first_start_record() {
  Settings s;
  s.encoder_path = L"C:\\Program Files\\Windows Script Encoder\\screnc.exe";
  s.script_ext = L"vbs";
  s.script_lang = L"vb";
  s.out_suffix = L".vbe";
  s.same_folder = L"on";
  s.out_name_set = L"off";
  s.out_path = L".vbe";
  s.opt_progress = s.opt_overwrite = s.opt_no_language = s.opt_set_lang = L"off";
  s.opt_wsf_as_sct = L"on";
  return s;
}

inline const std::vector<std::wstring> kFirstStartFile = {
    L"C:\\Program Files\\Windows Script Encoder\\screnc.exe",
    L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off", L"off", L"off", L"off",
    L"on", L"vb", L""};

// A settings file of seventeen lines, empty but for the ones given by number.
inline std::vector<std::wstring> file_lines(std::initializer_list<std::pair<int, const wchar_t*>> set) {
  std::vector<std::wstring> lines(kFileLineCount);
  for (const auto& [number, text] : set) lines[number - 1] = text;
  return lines;
}

inline std::vector<int> option_ticks(const frm1& f) {
  return {f.ochk1.value(), f.ochk2.value(), f.ochk3.value(), f.ochk4.value(), f.ochk5.value()};
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
