#pragma once
// Thin wrappers over the messages and calls the views send their windows.
#include <string>

#include "win32_common/handles.h"
#include "win32_common/windows_api.h"

namespace mosa {

inline int send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return static_cast<int>(SendMessageW(hwnd, message, wparam, lparam));
}

inline std::wstring window_text(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return text;
}

inline void set_text_if_changed(HWND hwnd, const std::wstring& text) {
  if (window_text(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

inline void set_style_bit(HWND hwnd, DWORD bit, bool on) {
  const DWORD style = GetWindowLongW(hwnd, GWL_STYLE);
  const DWORD wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongW(hwnd, GWL_STYLE, wanted);
}

// The height of a line of the font on the screen, in pixels.
inline int line_height(const win32_common::FontHandle& font) {
  const win32_common::WindowDc screen(nullptr);
  const HGDIOBJ old = SelectObject(screen.get(), font.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  SelectObject(screen.get(), old);
  return metrics.tmHeight;
}

}  // namespace mosa
