// The script type list, the encoder option switches and the option reset.
#include "app/frm1.h"
#include "types/script_types.h"

namespace {
const wchar_t* flag(const CheckBox& box) { return box.ticked() ? kOn : kOff; }
}  // namespace

void frm1::cmb1_Click() {
  const int position = script_type_position(cmb1.text());
  if (position < 0) return;
  const ScriptType& type = kScriptTypes[position];
  Settings& s = settings;
  s.script_ext = type.ext;
  s.out_suffix = output_suffix(type, s.script_lang);
  ochk3.set_enabled(type.no_language_usable);
  ochk4.set_enabled(type.set_lang_usable);
  if (!type.set_lang_usable) cmb2.set_enabled(false);
  ochk5.set_enabled(type.wsf_as_sct_usable);
  lbl6.set_caption(s.out_suffix);

  txt1.set_text(L"");  // and with it in_file
  s.in_folder.clear();
  s.in_base.clear();
  if (!chk1.ticked()) return;
  txt2.set_text(L"");
  if (chk2.value() == 0) txt4.set_text(L"");  // and with it out_base
  s.out_path.clear();
  s.out_folder.clear();
}

void frm1::ochk1_Click() { settings.opt_progress = flag(ochk1); }

void frm1::ochk2_Click() {
  if (!ochk2.ticked()) {
    settings.opt_overwrite = kOff;
    return;
  }
  if (platform_.message_box(settings.out_path + L" を上書きします。", L"確認", kYesNo) == kYes) {
    settings.opt_overwrite = kOn;
  } else {
    ochk2.set_value(0);  // which sets the flag "off"
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

void frm1::cmd7_Click() {
  const int position = script_type_position(cmb1.text());
  if (position >= 0) {
    const ScriptType& type = kScriptTypes[position];
    ochk1.set_enabled(true);
    ochk2.set_enabled(true);
    ochk3.set_enabled(type.no_language_usable);
    ochk4.set_enabled(type.set_lang_usable);
    ochk5.set_enabled(type.wsf_as_sct_usable);
    ochk1.set_value(0);
    ochk2.set_value(0);
    ochk3.set_value(0);
    ochk4.set_value(0);
    ochk5.set_value(1);
    cmb2.set_enabled(false);
    cmb2.select(0);
  }
  settings.opt_progress = kOff;
  settings.opt_overwrite = kOff;
  settings.opt_no_language = kOff;
  settings.opt_set_lang = kOff;
  settings.opt_wsf_as_sct = kOn;
}
