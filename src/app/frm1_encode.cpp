// The output boxes, the run, the detail area, help and readme.
#include <initializer_list>

#include "app/frm1.h"
#include "app/frm1_layout.h"
#include "encode/help.h"
#include "encode/output.h"
#include "encode/run.h"

void frm1::txt1_Change() { settings.in_file = txt1.text(); }

void frm1::txt2_Change() { settings.out_folder = txt2.text(); }

void frm1::txt3_Change() { settings.encoder_path = txt3.text(); }

void frm1::txt4_Change() {
  settings.out_base = txt4.text();
  compose_out_path(settings);
}

void frm1::chk1_Click() {
  if (chk1.ticked()) {
    settings.same_folder = kOn;
    txt2.set_enabled(false);
    settings.out_folder = settings.in_folder + L"\\";
    txt2.set_text(settings.out_folder);
    cmd2.set_enabled(false);
  } else {
    settings.same_folder = kOff;
    txt2.set_enabled(true);
    cmd2.set_enabled(true);
  }
}

void frm1::chk2_Click() {
  if (chk2.ticked()) {
    settings.out_name_set = kOn;
    txt4.set_enabled(true);
  } else {
    settings.out_name_set = kOff;
    txt4.set_enabled(false);
    settings.out_base = settings.in_base;
    txt4.set_text(settings.out_base);
    compose_out_path(settings);
  }
}

void frm1::cmd3_Click() {
  EncodeRun(platform_, platform_, platform_).run(settings, window, [this] { save_settings(); });
}

// The detail area below the line: opened and closed by the window's height alone.
void frm1::cmd4_Click() {
  const bool open = window.height() == kDetailClosedHeight;
  show_detail_area(open);
  settings.detail_open = open ? kOn : kOff;
}

void frm1::show_detail_area(bool open) {
  cmd4.set_caption(open ? L"詳細を閉じる" : L"詳細を開く");
  cmd4.set_tooltip(open ? L"詳細設定域を閉じる" : L"詳細設定域を開く");
  window.set_height(open ? kDetailOpenHeight : kDetailClosedHeight);
  if (open)
    detail_tabstops_on();
  else
    detail_tabstops_off();
}

void frm1::set_detail_tabstops(bool on) {
  for (Control* control : std::initializer_list<Control*>{&txt3, &cmd5, &ochk1, &ochk2, &ochk3,
                                                          &ochk4, &ochk5, &cmd7, &cmb2})
    control->set_tab_stop(on);
}

void frm1::detail_tabstops_on() { set_detail_tabstops(true); }

void frm1::detail_tabstops_off() { set_detail_tabstops(false); }

void frm1::cmd_h_Click() { open_help(platform_, platform_, platform_); }

void frm1::cmd_r_Click() { open_readme(platform_, platform_, platform_); }
