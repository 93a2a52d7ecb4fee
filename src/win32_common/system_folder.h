#pragma once
// The system folder, where the system's own programs and libraries are found by
// their full paths: a bare name is looked for in the current folder first, which
// the open-file dialog moves wherever the user browsed.
#include <string>

namespace win32_common {

// Empty when the system does not say, its reason in GetLastError.
std::wstring system_folder();

}  // namespace win32_common
