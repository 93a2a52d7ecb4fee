#include "win32/screnc_files.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cwchar>
#include <mutex>

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace {

std::wstring wide(std::u16string_view path) { return std::wstring(path.begin(), path.end()); }

DWORD attributes(std::u16string_view path) { return GetFileAttributesW(wide(path).c_str()); }

// Opened for nothing but its identity; a folder opens too.
FileHandle open_to_identify(std::u16string_view path) {
  return FileHandle(CreateFileW(wide(path).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// The temporary file being written, for the console's handler to remove; it
// runs on a thread of its own while the write goes on.
wchar_t pending_name[32768];
std::atomic<bool> pending{false};

BOOL WINAPI remove_pending(DWORD) {
  // The file is open for writing, shared for deletion: it goes when the
  // process ends and its handle closes.
  if (pending) DeleteFileW(pending_name);
  return FALSE;  // the system's own handling ends the process
}

// The file a path leads to, links followed; the path itself when nothing is
// there to follow.
std::wstring final_path(std::u16string_view path) {
  const FileHandle file = open_to_identify(path);
  if (!file) return wide(path);
  std::wstring found(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.get(), found.data(),
                                                   static_cast<DWORD>(found.size()), 0);
    if (length == 0) return wide(path);
    if (length < found.size()) return found.substr(0, length);
    found.resize(length);
  }
}

// A short name of its own in the target's folder, so that a target whose name
// is as long as the system allows still has room beside it.
FileHandle create_temporary(std::wstring_view folder, std::wstring& name) {
  for (int n = 0;; ++n) {
    name = std::wstring(folder) + L"~screnc-" + std::to_wstring(n) + L".tmp";
    // Another run's temporary file, or anything else there, stays.
    FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = GetLastError();
    if (file || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) return file;
  }
}

}  // namespace

bool Win32Files::exists(std::u16string_view path) const {
  return attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Files::is_folder(std::u16string_view path) const {
  const DWORD found = attributes(path);
  return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::is_special(std::u16string_view path) const {
  const FileHandle file = open_to_identify(path);
  BY_HANDLE_FILE_INFORMATION found{};
  if (!file) return false;
  // A device such as NUL or COM1 opens like a file but is none.
  return GetFileType(file.get()) != FILE_TYPE_DISK ||
         !GetFileInformationByHandle(file.get(), &found) ||
         (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::same_file(std::u16string_view a, std::u16string_view b) const {
  const FileHandle first = open_to_identify(a), second = open_to_identify(b);
  BY_HANDLE_FILE_INFORMATION one{}, other{};
  return first && second && GetFileInformationByHandle(first.get(), &one) &&
         GetFileInformationByHandle(second.get(), &other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

std::optional<std::string> Win32Files::read_file(std::u16string_view path) const {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
  const FileHandle file(CreateFileW(wide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  // A device such as NUL opens like a file but is none.
  if (!file || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  std::string bytes;
  // Room for the whole file at once: growing by doubling would need half as
  // much again while the last copy is made.
  LARGE_INTEGER size;
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart < LONGLONG{INT_MAX})
    bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
  char chunk[65536];
  DWORD read = 0;
  do {
    if (!ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
    bytes.append(chunk, read);
  } while (read > 0);
  return bytes;
}

bool Win32Files::replace_file(std::u16string_view path, std::string_view bytes) const {
  const std::wstring target = final_path(path);
  const DWORD found = GetFileAttributesW(target.c_str());
  const bool existed = found != INVALID_FILE_ATTRIBUTES;
  if (existed && (found & FILE_ATTRIBUTE_READONLY)) return false;

  static std::once_flag installed;
  std::call_once(installed, [] { SetConsoleCtrlHandler(remove_pending, TRUE); });
  std::wstring fresh;
  FileHandle file = create_temporary(target.substr(0, target.find_last_of(L"\\/") + 1), fresh);
  if (!file) return false;
  // The system takes no longer path, so it fits.
  std::copy(fresh.c_str(), fresh.c_str() + fresh.size() + 1, pending_name);
  pending = true;
  const bool written = write_all(file.get(), bytes) && FlushFileBuffers(file.get());
  file.reset();
  // ReplaceFileW gives the new file the old one's attributes and security.
  const bool replaced =
      written && (existed ? ReplaceFileW(target.c_str(), fresh.c_str(), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                          : MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH));
  if (!replaced) DeleteFileW(fresh.c_str());
  pending = false;
  return replaced;
}

std::optional<std::vector<std::u16string>> Win32Files::file_names(std::u16string_view folder) const {
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW((wide(folder) + L"*").c_str(), &found));
  if (!search) return std::nullopt;
  std::vector<std::u16string> names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.emplace_back(found.cFileName, found.cFileName + wcslen(found.cFileName));
  } while (FindNextFileW(search.get(), &found));
  return names;
}

std::u16string Win32Files::compared_name(std::u16string_view name) const {
  // The file system's own upper case, the same in every locale: Ａ and ａ are
  // one name there, as A and a are.
  std::u16string upper(name);
  if (!upper.empty())
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide(name).c_str(),
                  static_cast<int>(name.size()), reinterpret_cast<wchar_t*>(upper.data()),
                  static_cast<int>(upper.size()), nullptr, nullptr, 0);
  return upper;
}
