// The program: the main window's model and view, and the message loop.
#include "win32_common/windows_api.h"

#include "app/main_window.h"
#include "win32/form_setups.h"
#include "win32/handed_files.h"
#include "win32/message_loop.h"
#include "win32/running_window.h"
#include "win32/win32_error.h"
#include "win32/win32_platform.h"

namespace mosa {
namespace {

int run(int show) {
  Win32Platform platform;
  MainWindow form(platform);
  // The window is made once the settings are in place: a second instance hands
  // its files to the first one's window and ends here without making one, and
  // the window is built at the height it first
  // shows with, so the controls it hides are made only after it shows.
  if (!form.on_load()) {
    bool handed = true;
    guarded([&] { handed = form.hand_over(handed_files()); });
    if (handed) return 0;
  }
  int exit_code = 0;
  {
    FormView view(main_window_setup(form));
    const RunningWindowMark mark(platform.instance_key(), view.hwnd());
    view.show(show);
    // After the window shows, so that a refusal has it as its owner; a command
    // line that cannot be read is reported and the window stays.
    guarded([&form] { form.take_handed_files(handed_files()); });
    exit_code = run_messages(view.hwnd(), [&form] { return form.window.unloaded(); });
    platform.instance_ending();
  }
  // A file handed to the next start while this process winds down is its to take.
  platform.release_instance();
  return exit_code;
}

}  // namespace
}  // namespace mosa

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // A drive without a medium is an error the program reports, not a system box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  int exit_code = 1;
  mosa::guarded([&] { exit_code = mosa::run(show); });
  return exit_code;
}
