// Returning the encoder options to their defaults for the type shown.
#include "app/frm1.h"
#include "types/script_types.h"

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
