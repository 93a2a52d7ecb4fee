// The floor of mosa-trevlin's start-up: its main window, built by the same view
// from the same control table, with the same fonts, manifest and common
// controls, shown at the size a start with the detail area closed shows it, and
// nothing else: no settings file, no handlers run, no look for a running
// instance, no command line. What mosa-trevlin takes beyond this is its own work.
#include "win32_common/windows_api.h"

#include "app/frm1.h"
#include "app/frm1_layout.h"
#include "win32/form_setups.h"
#include "win32/message_loop.h"
#include "win32/win32_error.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  int exit_code = 1;
  guarded([&] {
    // The platform only answers the model's calls, and the floor makes none.
    Win32Platform platform;
    frm1 form(platform);
    form.window.set_height(kDetailClosedHeight);
    FormView view(frm1_setup(form));
    view.show(show);
    exit_code = run_messages(view.hwnd(), [&form] { return form.window.unloaded(); });
  });
  return exit_code;
}
