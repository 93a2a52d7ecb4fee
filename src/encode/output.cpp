// How the output folder, name and path follow the input and the user's entries.
#include "app/frm1.h"

void frm1::compose_out_path() {
  settings.out_path = settings.out_folder + settings.out_base + settings.out_suffix;
}

void frm1::txt1_Change() { settings.in_file = txt1.text(); }

void frm1::txt2_Change() { settings.out_folder = txt2.text(); }

void frm1::txt3_Change() { settings.encoder_path = txt3.text(); }

void frm1::txt4_Change() {
  settings.out_base = txt4.text();
  compose_out_path();
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
    compose_out_path();
  }
}
