#include "win32_common/code_page.h"

#include <climits>

namespace win32_common {

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

std::string to_code_page_lenient(std::wstring_view text, UINT code_page) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(code_page, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(code_page, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring from_code_page(std::string_view bytes, UINT code_page) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(size, L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace win32_common
