// The five encoder option switches and the language list.
#include "app/frm1.h"

namespace {
const wchar_t* flag(const CheckBox& box) { return box.ticked() ? kOn : kOff; }
}  // namespace

void frm1::ochk1_Click() { settings.opt_progress = flag(ochk1); }

void frm1::ochk2_Click() {
  if (!ochk2.ticked()) {
    settings.opt_overwrite = kOff;
    return;
  }
  if (platform_.message_box(settings.out_path + L" を上書きします。", L"確認", kYesNo) == kYes) {
    settings.opt_overwrite = kOn;
  } else {
    settings.opt_overwrite = kOff;
    ochk2.set_value(0);
  }
}

void frm1::ochk3_Click() { settings.opt_no_language = flag(ochk3); }

void frm1::ochk4_Click() {
  settings.opt_set_lang = flag(ochk4);
  cmb2.set_enabled(ochk4.ticked());
}

void frm1::ochk5_Click() { settings.opt_wsf_as_sct = flag(ochk5); }

// The user's choice of language becomes the language code: "vb" for VBScript,
// "js" for JScript. Code that only shows a language in the list runs nothing here.
void frm1::cmb2_Pick() { settings.script_lang = cmb2.selected() == 0 ? L"vb" : L"js"; }
