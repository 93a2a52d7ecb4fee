// Folders: the program's own, short names, drives and the folder chooser's listings.
#include "win32/win32_platform.h"

#include <algorithm>
#include <cwctype>

#include "core/paths.h"
#include "win32/win32_error.h"
#include "win32_common/handles.h"

namespace mosa {

using win32_common::FileHandle;
using win32_common::FindHandle;

namespace {

// Long enough for any path the system hands out, including "\\?\" ones.
constexpr DWORD kLongPath = 32768;

// Calls a function of the GetShortPathNameW kind, which reports the size it
// needs (with the terminator) when the buffer is too small and the length it
// wrote (without it) when it fits. Empty when the call fails.
template <typename Call>
std::wstring sized_text(Call call) {
  std::wstring text(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0) return L"";
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(length);
  }
  return L"";
}

std::wstring system_short_path(const std::wstring& path) {
  return sized_text(
      [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
}

// The path by which the system itself names the file, on a drive or a share.
std::wstring dos_path(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) throw last_error("CreateFileW", path);
  const std::wstring named = sized_text([&](wchar_t* buffer, DWORD size) {
    return GetFinalPathNameByHandleW(file.get(), buffer, size, VOLUME_NAME_DOS);
  });
  if (named.empty()) throw last_error("GetFinalPathNameByHandleW", path);
  return without_long_prefix(named);
}

bool is_root(const std::wstring& folder) { return !folder.empty() && folder.back() == L'\\'; }

}  // namespace

std::wstring Win32Platform::app_folder() {
  std::wstring path(kLongPath, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), kLongPath);
  if (length == 0 || length >= kLongPath) throw last_error("GetModuleFileNameW");
  path.resize(length);
  // A program started by a "\\?\" or "\\.\" path sees it in its own name; the
  // "?" would make every path built on the folder a pattern. A volume's name
  // gives way to the drive or folder the volume is reached by.
  path = without_long_prefix(path);
  if (path.rfind(L"\\\\", 0) == 0 && path.find(L"\\Volume{") == 3) path = dos_path(path);
  return std::wstring(kBackslashPaths.parent_of(path));
}

std::wstring Win32Platform::final_folder() {
  const std::wstring folder = app_folder();
  try {
    return dos_path(folder);
  } catch (const PlatformError&) {
    return folder;  // a file system that cannot say: the folder as started
  }
}

std::wstring Win32Platform::short_path(const std::wstring& path) {
  if (path.empty()) return L"";
  std::wstring whole = system_short_path(path);
  if (!whole.empty()) return whole;

  // A file that does not exist yet has no short name, but its folder may have one.
  std::wstring folder(kBackslashPaths.parent_of(path));
  if (folder.empty()) return L"";
  if (folder.size() == 2 && folder[1] == L':')
    folder += L'\\';  // "C:" alone means the drive's current folder
  std::wstring short_folder = system_short_path(folder);
  if (short_folder.empty()) return L"";
  if (!is_root(short_folder)) short_folder += L'\\';
  return short_folder + std::wstring(kBackslashPaths.name_of(path));
}

std::vector<std::wstring> Win32Platform::drives() {
  std::wstring roots(512, L'\0');
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
  if (length == 0 || length > roots.size()) throw last_error("GetLogicalDriveStringsW");
  std::vector<std::wstring> result;
  for (size_t start = 0; start < length && roots[start] != L'\0';) {
    const size_t end = roots.find(L'\0', start);
    std::wstring drive = roots.substr(start, std::min<size_t>(2, end - start));
    for (wchar_t& letter : drive) letter = static_cast<wchar_t>(std::towlower(letter));
    result.push_back(drive);
    start = end + 1;
  }
  return result;
}

std::wstring Win32Platform::current_folder() {
  std::wstring folder =
      sized_text([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
  if (folder.empty()) throw last_error("GetCurrentDirectoryW");
  return without_long_prefix(folder);
}

std::wstring Win32Platform::drive_folder(const std::wstring& drive) {
  std::wstring folder = sized_text([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(drive.c_str(), size, buffer, nullptr);
  });
  if (folder.empty()) throw last_error("GetFullPathNameW", drive);
  // A drive without a medium still has a current folder on paper; only asking
  // the drive tells whether it can be read.
  if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
    throw last_error("GetFileAttributesW", folder);
  return folder;
}

std::vector<std::wstring> Win32Platform::subfolders(const std::wstring& folder) {
  return folder_entries(folder, true);
}

std::vector<std::wstring> Win32Platform::files_in(const std::wstring& folder) {
  return folder_entries(folder, false);
}

std::vector<std::wstring> Win32Platform::folder_entries(const std::wstring& folder, bool folders) {
  const std::wstring pattern = folder + (is_root(folder) ? L"*" : L"\\*");
  WIN32_FIND_DATAW found{};
  const FindHandle search(FindFirstFileW(pattern.c_str(), &found));
  std::vector<std::wstring> names;
  if (!search) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return names;  // an empty drive
    throw last_error("FindFirstFileW", folder);
  }
  const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    const std::wstring name = found.cFileName;
    const bool is_folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (is_folder != folders || (found.dwFileAttributes & hidden)) continue;
    if (name == L"." || name == L"..") continue;
    names.push_back(name);
  } while (FindNextFileW(search.get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) throw last_error("FindNextFileW", folder);
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return lstrcmpiW(a.c_str(), b.c_str()) < 0;
  });
  return names;
}

}  // namespace mosa
