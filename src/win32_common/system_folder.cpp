#include "win32_common/system_folder.h"

#include "win32_common/windows_api.h"

namespace win32_common {

std::wstring system_folder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length >= MAX_PATH) {
    SetLastError(ERROR_BUFFER_OVERFLOW);
    return {};
  }
  return std::wstring(folder, length);
}

}  // namespace win32_common
