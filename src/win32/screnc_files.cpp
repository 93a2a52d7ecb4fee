#include "win32/screnc_files.h"

#include <algorithm>
#include <climits>
#include <cwchar>

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

}  // namespace

bool Win32Files::exists(std::u16string_view path) const {
  return attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Files::is_folder(std::u16string_view path) const {
  const DWORD found = attributes(path);
  return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY);
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
  const std::wstring target = wide(path);
  const DWORD found = GetFileAttributesW(target.c_str());
  if (found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_READONLY)) return false;

  // The first free name: another run's temporary file, or anything else there, stays.
  std::wstring fresh;
  FileHandle file;
  for (int n = 0;; ++n) {
    fresh = target + L".screnc-" + std::to_wstring(n);
    file = FileHandle(CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) break;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
  }
  const bool written = write_all(file.get(), bytes) && FlushFileBuffers(file.get());
  file.reset();
  if (written && MoveFileExW(fresh.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(fresh.c_str());
  return false;
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
