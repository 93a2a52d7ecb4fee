// Choosing a script type: its suffix and usable options, and forgetting the input.
#include "app/frm1.h"
#include "types/script_types.h"

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

  txt1.set_text(L"");
  s.in_file.clear();
  s.in_folder.clear();
  s.in_base.clear();
  if (!chk1.ticked()) return;
  txt2.set_text(L"");
  if (chk2.value() == 0) {
    txt4.set_text(L"");
    s.out_base.clear();
  }
  s.out_path.clear();
  s.out_folder.clear();
}
