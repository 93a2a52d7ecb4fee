#pragma once
// Reading a file whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace win32_common {

// The bytes of an ordinary file, at most max_bytes of them; nothing when it
// cannot be read, the reason in GetLastError (ERROR_BAD_FILE_TYPE for a device
// such as NUL, which opens like a file but is none).
std::optional<std::string> read_whole_file(const std::wstring& path,
                                           std::size_t max_bytes = SIZE_MAX);

}  // namespace win32_common
