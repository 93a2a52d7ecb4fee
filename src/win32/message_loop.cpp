#include "win32/message_loop.h"

#include <optional>

#include "win32/win32_error.h"

namespace {

bool is_user_input(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

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

void wait_answering(HANDLE object) {
  std::optional<int> quit;
  for (;;) {
    const DWORD woke = quit ? WaitForSingleObject(object, INFINITE)
                            : MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) break;
    if (woke != WAIT_OBJECT_0 + 1) throw last_error("MsgWaitForMultipleObjects");
    MSG message{};
    while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = static_cast<int>(message.wParam);
      } else if (!is_user_input(message.message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  if (quit) PostQuitMessage(*quit);
}
