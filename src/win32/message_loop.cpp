#include "win32/message_loop.h"

int run_messages(HWND form, const std::function<bool()>& done) {
  MSG message{};
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return 1;
    if (got == 0) {
      const int exit_code = static_cast<int>(message.wParam);
      PostQuitMessage(exit_code);
      return exit_code;
    }
    if (IsWindow(form) && IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
