#include "win32/dialog_owner.h"

#include <algorithm>
#include <vector>

namespace mosa {

namespace {
std::vector<HWND>& form_windows() {
  static std::vector<HWND> windows;
  return windows;
}
}  // namespace

void add_form_window(HWND window) { form_windows().push_back(window); }

void remove_form_window(HWND window) { std::erase(form_windows(), window); }

HWND dialog_owner() {
  const std::vector<HWND>& windows = form_windows();
  const auto found = std::find_if(windows.rbegin(), windows.rend(), [](HWND window) {
    return IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window);
  });
  return found == windows.rend() ? nullptr : *found;
}

}  // namespace mosa
