#include "win32/message_loop.h"

#include <optional>

#include "win32/win32_error.h"

namespace mosa {

namespace {

// Keys and clicks for a window's controls; not the system keys that work its
// frame (Alt+F4), nor clicks on the frame itself.
bool is_client_input(UINT message) {
  const bool system_key = message == WM_SYSKEYDOWN || message == WM_SYSKEYUP ||
                          message == WM_SYSCHAR || message == WM_SYSDEADCHAR;
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST && !system_key) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
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

bool wait_answering(HANDLE object, DWORD timeout_ms, const std::function<bool()>& stop_wanted) {
  const DWORD count = object ? 1 : 0;
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  std::optional<int> quit;
  bool stopped = false;
  while (!stopped) {
    DWORD left = INFINITE;
    if (timeout_ms != INFINITE) {
      const ULONGLONG now = GetTickCount64();
      if (now >= end) break;
      left = static_cast<DWORD>(end - now);
    }
    if (quit) {
      if (object) WaitForSingleObject(object, left);
      else Sleep(left);
      break;
    }
    const DWORD woke = MsgWaitForMultipleObjects(count, &object, FALSE, left, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 + count) {
      MSG message{};
      while (!quit && !stopped && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          quit = static_cast<int>(message.wParam);
        } else if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
          // Esc asks as the close box does.
          if (const HWND window = GetAncestor(message.hwnd, GA_ROOT))
            SendMessageW(window, WM_CLOSE, 0, 0);
        } else if (!is_client_input(message.message)) {
          TranslateMessage(&message);
          DispatchMessageW(&message);
        }
        stopped = stop_wanted && stop_wanted();
      }
    } else if (woke == WAIT_OBJECT_0 || woke == WAIT_TIMEOUT) {
      break;
    } else {
      throw last_error("MsgWaitForMultipleObjects");
    }
  }
  if (quit) PostQuitMessage(*quit);
  return !stopped;
}

}  // namespace mosa
