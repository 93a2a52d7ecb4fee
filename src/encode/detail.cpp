// The detail area below the line: opened and closed by the window's height alone.
#include <initializer_list>

#include "app/frm1.h"
#include "app/frm1_layout.h"

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
