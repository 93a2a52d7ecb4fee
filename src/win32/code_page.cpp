#include "win32/code_page.h"

#include <climits>

std::optional<std::string> to_code_page(std::wstring_view text, UINT code_page) {
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  const int length = static_cast<int>(text.size());
  // UTF-8 has a form for every character but refuses the two flags below.
  const bool utf8 = code_page == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = utf8 ? nullptr : &used_default;
  const int size = WideCharToMultiByte(code_page, flags, text.data(), length, nullptr, 0, nullptr,
                                       used_default_out);
  if (size == 0 || used_default) return std::nullopt;
  std::string bytes(size, '\0');
  WideCharToMultiByte(code_page, flags, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}
