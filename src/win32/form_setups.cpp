#include "win32/form_setups.h"

namespace mosa {

FormSetup main_window_setup(MainWindow& form) {
  FormSetup setup;
  setup.window = &form.window;
  setup.controls = form.controls();
  setup.default_button = &form.get<MainWindow::run_button>();
  setup.drop_target = &form.get<MainWindow::input_box>();
  setup.mouse_down = [&form](int button) { form.on_mouse_down(button); };
  setup.dropped = [&form](const std::vector<std::wstring>& files) { form.on_files_dropped(files); };
  setup.files_sent = [&form](const std::vector<std::wstring>& files) { form.on_files_sent(files); };
  setup.take_sent = [&form] { form.take_sent_files(); };
  return setup;
}

FormSetup folder_chooser_setup(FolderChooser& form) {
  FormSetup setup;
  setup.window = &form.window;
  setup.controls = form.controls();
  setup.fixed_list = &form.get<FolderChooser::drive_list>();
  setup.hint = &form.get<FolderChooser::hint_label>();
  setup.hint_colour = RGB(kHintRed, kHintGreen, kHintBlue);
  setup.centred = true;
  setup.open_folder = [&form](int index) { form.on_folder_opened(index); };
  setup.close_box = [&form] { form.close_box(); };
  return setup;
}

}  // namespace mosa
