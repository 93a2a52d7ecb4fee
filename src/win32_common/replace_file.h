#pragma once
// Writing a file so that a failure never leaves it half-written: the new content
// goes to a file of its own beside the target first, which then takes the
// target's place in one step.
#include <functional>
#include <string>
#include <string_view>

namespace win32_common {

struct Replacement {
  // The start of the temporary file's name, which says whose it is. The name is
  // short, so that a target whose name is as long as the system allows still
  // has room beside it.
  const wchar_t* temporary_prefix;
  // For a file the program keeps for itself, written whatever it takes: in a
  // folder that takes no new file the old file is written over in place, and
  // where the system cannot replace it the new one is renamed over it.
  bool may_write_over = false;
  // Cleared, a file at the path, also one made by someone else while the new
  // one was written, is never replaced: false, with ERROR_FILE_EXISTS or
  // ERROR_ALREADY_EXISTS.
  bool replace_existing = true;
};

// Hands the content to `write` piece by piece; false when it cannot be made or
// `write` failed, which stops it.
using WriteContent = std::function<bool(const std::function<bool(std::string_view)>& write)>;

// Writes the bytes to the file a path leads to, links followed; the new file
// keeps the old one's attributes and security. A read-only file is not
// replaced: the user protected it. Stopped by Ctrl+C halfway, the program
// leaves no temporary file behind. False on failure, the reason in
// GetLastError, and the old file whole (unless it may be written over).
bool replace_file(const std::wstring& path, std::string_view bytes, const Replacement& how);
bool replace_file(const std::wstring& path, const WriteContent& content, const Replacement& how);

}  // namespace win32_common
