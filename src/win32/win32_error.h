#pragma once
// Turning the system's failures into the exceptions the forms expect, and back
// into text a message box can show.
#include <string>

#include "core/platform.h"
#include "win32_common/code_page.h"
#include "win32_common/windows_api.h"

namespace mosa {

// UTF-8 is the encoding exception texts carry.
using win32_common::from_utf8;
using win32_common::to_utf8;

// "<what> failed (error <code>: <system text>): <subject>", for the error code given.
PlatformError win32_error(const char* what, DWORD code, const std::wstring& subject = L"");
// The same for the calling thread's last error.
PlatformError last_error(const char* what, const std::wstring& subject = L"");
// The same for a failed COM call.
PlatformError com_error(const char* what, HRESULT result, const std::wstring& subject = L"");

// The last resort for a failure nobody handled: a message box titled "エラー".
void show_unexpected_error(const char* what) noexcept;

// Runs a piece of work at the edge of a window procedure, where no exception may
// pass: anything thrown is shown and goes no further. False when it threw.
template <typename Work>
bool guarded(Work&& work) noexcept {
  try {
    work();
    return true;
  } catch (const std::exception& error) {
    show_unexpected_error(error.what());
  } catch (...) {
    show_unexpected_error("unknown exception");
  }
  return false;
}

}  // namespace mosa
