#include "win32/win32_error.h"

#include <cstdio>

#include "core/texts.h"
#include "win32/dialog_owner.h"

namespace mosa {

namespace {

std::wstring system_text(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  return text;
}

PlatformError describe(const char* what, const char* code, DWORD number,
                       const std::wstring& subject) {
  std::string message = what;
  message += " failed (";
  message += code;
  const std::wstring text = system_text(number);
  if (!text.empty()) message += ": " + to_utf8(text);
  message += ")";
  if (!subject.empty()) message += ": " + to_utf8(subject);
  return PlatformError(message);
}

}  // namespace

PlatformError win32_error(const char* what, DWORD code, const std::wstring& subject) {
  char number[32];
  std::snprintf(number, sizeof number, "error %lu", static_cast<unsigned long>(code));
  return describe(what, number, code, subject);
}

PlatformError last_error(const char* what, const std::wstring& subject) {
  return win32_error(what, GetLastError(), subject);
}

PlatformError com_error(const char* what, HRESULT result, const std::wstring& subject) {
  char number[32];
  std::snprintf(number, sizeof number, "HRESULT 0x%08lX", static_cast<unsigned long>(result));
  return describe(what, number, static_cast<DWORD>(result), subject);
}

void show_unexpected_error(const char* what) noexcept {
  try {
    const std::wstring text = texts::unexpected_error(from_utf8(what));
    MessageBoxW(dialog_owner(), text.c_str(), texts::kErrorTitle,
                MB_ICONEXCLAMATION | MB_SETFOREGROUND);
  } catch (...) {
    MessageBoxW(dialog_owner(), texts::kUnexpectedError, texts::kErrorTitle,
                MB_ICONEXCLAMATION | MB_SETFOREGROUND);
  }
}

}  // namespace mosa
