// The floor of mosa-trevlin's start-up: its main window, built by the same view
// from the same control table, with the same fonts, manifest and common
// controls, shown at the size a start with the detail area closed shows it, and
// nothing else: no settings file, no handlers run, no look for a running
// instance, no command line. What mosa-trevlin takes beyond this is its own work.
#include "win32_common/windows_api.h"

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "win32/form_setups.h"
#include "win32/message_loop.h"
#include "win32/win32_error.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  int exit_code = 1;
  mosa::guarded([&] {
    // The platform only answers the model's calls, and the floor makes none.
    mosa::Win32Platform platform;
    mosa::MainWindow form(platform);
    form.window.set_height(mosa::kDetailClosedHeight);
    mosa::FormView view(mosa::main_window_setup(form));
    view.show(show);
    exit_code = mosa::run_messages(view.hwnd(), [&form] { return form.window.unloaded(); });
  });
  return exit_code;
}
