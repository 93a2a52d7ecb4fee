#pragma once
// The main window's model: its controls under their names, the settings record
// and the handlers, which apply the rules of the subsystems to the controls. The
// handlers are defined by subsystem: frm1_settings.cpp (start-up and the settings
// file), frm1_encode.cpp, frm1_types.cpp and frm1_select.cpp.
#include <string>
#include <vector>

#include "app/platform.h"
#include "core/control.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

class frm1 {
 public:
  explicit frm1(Platform& platform);
  frm1(const frm1&) = delete;
  frm1& operator=(const frm1&) = delete;

  Window window;
  Button cmd_r, cmd_h, cmd8, cmd7;
  CheckBox chk2;
  TextBox txt4;
  ComboBox cmb2;
  CheckBox ochk5, ochk4, ochk3, ochk2, ochk1;
  Button cmd4, cmd5;
  TextBox txt3;
  ComboBox cmb1;
  Button cmd3, cmd2, cmd1;
  CheckBox chk1;
  TextBox txt2, txt1;
  Label lbl6, Label5, Label4, Line2, Label3, Label2, Label1;
  FileDialog cdg1;
  Settings settings;

  // Every control in the order of the window's control table.
  const std::vector<Control*>& controls() const { return controls_; }

  // Events the view forwards besides the controls' own.
  bool Form_Load();  // false when another instance runs: the program ends
  void Form_MouseDown(int button);
  void txt1_OLEDragDrop(const std::vector<std::wstring>& files);
  // Files handed to the program as it starts: taken as if dropped on txt1.
  void take_handed_files(const std::vector<std::wstring>& files);

 private:
  // settings and start-up
  void restore_defaults();
  void cmd8_Click();
  bool load_settings();
  void apply_line(int number, const std::wstring& text);
  void save_settings();
  void report_settings_failure();
  // encode
  void txt1_Change();
  void txt2_Change();
  void txt3_Change();
  void txt4_Change();
  void chk1_Click();
  void chk2_Click();
  void cmd3_Click();
  void cmd4_Click();
  void show_detail_area(bool open);
  void detail_tabstops_on();
  void detail_tabstops_off();
  void set_detail_tabstops(bool on);
  void cmd_h_Click();
  void cmd_r_Click();
  // types
  void cmb1_Click();
  void cmb2_Pick();
  void ochk1_Click();
  void ochk2_Click();
  void ochk3_Click();
  void ochk4_Click();
  void ochk5_Click();
  void cmd7_Click();
  // select
  void cmd1_Click();
  void split_input_path(const std::wstring& path);
  void refresh_output_from_input();
  void cmd2_Click();
  void cmd5_Click();

  Platform& platform_;
  SettingsFile settings_file_;
  std::vector<Control*> controls_;
};
