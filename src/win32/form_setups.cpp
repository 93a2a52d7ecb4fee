#include "win32/form_setups.h"

FormSetup frm1_setup(frm1& form) {
  FormSetup setup;
  setup.window = &form.window;
  setup.controls = form.controls();
  setup.default_button = &form.cmd3;
  setup.drop_target = &form.txt1;
  setup.mouse_down = [&form](int button) { form.Form_MouseDown(button); };
  setup.dropped = [&form](const std::vector<std::wstring>& files) { form.txt1_OLEDragDrop(files); };
  return setup;
}

FormSetup frm2_setup(frm2& form) {
  FormSetup setup;
  setup.window = &form.window;
  setup.controls = form.controls();
  setup.fixed_list = &form.Drive1;
  setup.hint = &form.lbl1;
  setup.hint_colour = RGB(kHintRed, kHintGreen, kHintBlue);
  setup.centred = true;
  setup.open_folder = [&form](int index) { form.Dir1_DblClick(index); };
  setup.close_box = [&form] { form.close_box(); };
  return setup;
}
