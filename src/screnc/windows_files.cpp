#include "screnc/windows_files.h"

#include <algorithm>

#include "common/utf16.h"
#include "win32_common/handles.h"
#include "win32_common/replace_file.h"
#include "win32_common/windows_api.h"

namespace screnc {

namespace {

using win32_common::FileHandle;
using win32_common::FindHandle;
using common::wide;

DWORD attributes(std::u16string_view path) { return GetFileAttributesW(wide(path).c_str()); }

// Opened for nothing but its identity; a folder opens too.
FileHandle open_to_identify(std::u16string_view path) {
  return FileHandle(CreateFileW(wide(path).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

}  // namespace

bool WindowsFiles::exists(std::u16string_view path) const {
  return attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool WindowsFiles::is_folder(std::u16string_view path) const {
  const DWORD found = attributes(path);
  return found != INVALID_FILE_ATTRIBUTES && (found & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFiles::is_special(std::u16string_view path) const {
  const FileHandle file = open_to_identify(path);
  BY_HANDLE_FILE_INFORMATION found{};
  if (!file) return false;
  // A device such as NUL or COM1 opens like a file but is none.
  return GetFileType(file.get()) != FILE_TYPE_DISK ||
         !GetFileInformationByHandle(file.get(), &found) ||
         (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFiles::same_file(std::u16string_view a, std::u16string_view b) const {
  const FileHandle first = open_to_identify(a), second = open_to_identify(b);
  BY_HANDLE_FILE_INFORMATION one{}, other{};
  return first && second && GetFileInformationByHandle(first.get(), &one) &&
         GetFileInformationByHandle(second.get(), &other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

InputFile WindowsFiles::read_file(std::u16string_view path) const {
  InputFile input;
  input.problem = InputFile::Problem::Unreadable;
  const FileHandle file(CreateFileW(wide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  // A device such as NUL opens like a file but is none.
  if (!file || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size))
    return input;
  input.size = static_cast<std::uint64_t>(size.QuadPart);
  if (input.size > kMostInputBytes) {
    input.problem = InputFile::Problem::TooLarge;
    return input;
  }
  input.data = std::make_unique_for_overwrite<char[]>(static_cast<SIZE_T>(input.size));
  SIZE_T done = 0;
  DWORD got = 1;
  while (done < input.size && got > 0) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::uint64_t>(input.size - done, 1 << 24));
    if (!ReadFile(file.get(), input.data.get() + done, wanted, &got, nullptr)) {
      input.data.reset();
      return input;
    }
    done += got;
  }
  char more;
  input.problem = done < input.size || (ReadFile(file.get(), &more, 1, &got, nullptr) && got != 0)
                      ? InputFile::Problem::ShortRead
                      : InputFile::Problem::None;
  if (input.problem != InputFile::Problem::None) input.data.reset();
  return input;
}

WriteResult WindowsFiles::replace_file(std::u16string_view path, const Content& content,
                                       bool replace) const {
  if (win32_common::replace_file(wide(path), content,
                                 {.temporary_prefix = L"~screnc-", .replace_existing = replace}))
    return WriteResult::Written;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? WriteResult::Exists
                                                                     : WriteResult::Failed;
}

std::optional<std::vector<std::u16string>> WindowsFiles::file_names(std::u16string_view folder) const {
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW((wide(folder) + L"*").c_str(), &found));
  if (!search) return std::nullopt;
  std::vector<std::u16string> names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(common::utf16(found.cFileName));
  } while (FindNextFileW(search.get(), &found));
  return names;
}

std::u16string WindowsFiles::compared_name(std::u16string_view name) const {
  // The file system's own upper case, the same in every locale: Ａ and ａ are
  // one name there, as A and a are.
  std::u16string upper(name);
  if (!upper.empty())
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide(name).c_str(),
                  static_cast<int>(name.size()), reinterpret_cast<wchar_t*>(upper.data()),
                  static_cast<int>(upper.size()), nullptr, nullptr, 0);
  return upper;
}

}  // namespace screnc
