// Files: the existence test, text files in the 8-bit code pages, deletion.
#include "win32/win32_platform.h"

#include <algorithm>
#include <optional>

#include "core/paths.h"
#include "encoder/text_form.h"
#include "win32/message_loop.h"
#include "win32/win32_error.h"
#include "win32_common/ansi_codec.h"
#include "win32_common/code_page.h"
#include "win32_common/handles.h"
#include "win32_common/replace_file.h"
#include "win32_common/whole_file.h"

namespace mosa {

using win32_common::FileHandle;
using win32_common::FindHandle;

namespace {

UINT code_page_number(CodePage code_page) {
  return code_page == CodePage::Ansi ? GetACP() : GetOEMCP();
}

// Errors of a directory search that mean "there is nothing at that path"; the
// others, an invalid name among them, mean the system rejects the path.
bool means_absent(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NO_MORE_FILES:
      return true;
    default:
      return false;
  }
}

// No script the encoder writes comes near this; reading stops there.
constexpr size_t kScriptReadLimit = 64 << 20;

// At most max_bytes of the file.
std::string read_bytes(const std::wstring& path, size_t max_bytes) {
  std::optional<std::string> bytes = win32_common::read_whole_file(path, max_bytes);
  if (bytes) return std::move(*bytes);
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
    throw FileNotFound(win32_error("CreateFileW", error, path).what());
  throw win32_error("ReadFile", error, path);
}

// Milliseconds since 1601, the origin of the system's file times.
FileTime milliseconds(const FILETIME& time) {
  return static_cast<FileTime>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32 |
                                time.dwLowDateTime) /
                               10000);
}

// The lines, each ended by CR LF, in the code page.
std::string text_bytes(const std::vector<std::wstring>& lines, CodePage code_page) {
  const UINT number = code_page_number(code_page);
  std::string bytes;
  for (const std::wstring& line : lines) {
    const std::optional<std::string> encoded = win32_common::to_code_page(line + L"\r\n", number);
    if (!encoded)
      throw PlatformError("a character has no form in code page " + std::to_string(number) + ": " +
                          to_utf8(line));
    bytes += *encoded;
  }
  return bytes;
}

}  // namespace

std::wstring Win32Platform::find_file(const std::wstring& path) {
  if (path.empty()) return L"";
  // A wildcard would turn the exact test into a pattern search.
  if (has_forbidden_character(path)) throw win32_error("FindFirstFileW", ERROR_INVALID_NAME, path);
  WIN32_FIND_DATAW found{};
  const FindHandle search(FindFirstFileW(path.c_str(), &found));
  if (!search) {
    const DWORD error = GetLastError();
    if (means_absent(error)) return L"";
    throw win32_error("FindFirstFileW", error, path);
  }
  const DWORD not_ordinary =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (found.dwFileAttributes & not_ordinary) return L"";
  return found.cFileName;
}

bool Win32Platform::is_folder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileStamp> Win32Platform::stamp(const std::wstring& path) {
  // Opened for no access at all, which a writer holding the file does not refuse.
  const FileHandle file(CreateFileW(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION data{};
  if (!file || !GetFileInformationByHandle(file.get(), &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return FileStamp{milliseconds(data.ftLastWriteTime),
                   static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
                   data.dwVolumeSerialNumber,
                   static_cast<std::uint64_t>(data.nFileIndexHigh) << 32 | data.nFileIndexLow};
}

FileTime Win32Platform::now() {
  FILETIME time{};
  GetSystemTimeAsFileTime(&time);
  return milliseconds(time);
}

void Win32Platform::wait(FileTime milliseconds) {
  wait_answering(nullptr, static_cast<DWORD>(std::max<FileTime>(milliseconds, 0)));
}

void Win32Platform::write_text_file(const std::wstring& path,
                                    const std::vector<std::wstring>& lines, CodePage code_page) {
  const std::string bytes = text_bytes(lines, code_page);

  // A rename replaces a read-only, hidden or system file where writing it would
  // be refused; the user set those marks, so it is refused before anything is written.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const DWORD protected_file = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & protected_file))
    throw win32_error("write_text_file", ERROR_ACCESS_DENIED, path);
  // The settings and the batch file are the program's own: written whatever it takes.
  const win32_common::Replacement own_file{.temporary_prefix = L"~mosa-trevlin-",
                                           .may_write_over = true};
  if (!win32_common::replace_file(path, bytes, own_file)) throw last_error("replace_file", path);
}

std::wstring Win32Platform::read_text_file(const std::wstring& path, size_t max_bytes) {
  const std::string bytes = read_bytes(path, max_bytes);
  return win32_common::from_code_page(bytes, CP_ACP);
}

std::u16string Win32Platform::read_script(const std::wstring& path) {
  const std::string bytes = read_bytes(path, kScriptReadLimit);
  if (bytes.size() == kScriptReadLimit) throw PlatformError("script too large: " + to_utf8(path));
  std::optional<std::u16string> text = screnc::file_text(bytes, win32_common::AnsiCodec());
  if (!text) throw PlatformError("not text in its character set: " + to_utf8(path));
  return std::move(*text);
}

void Win32Platform::append_text_file(const std::wstring& path,
                                     const std::vector<std::wstring>& lines, CodePage code_page) {
  const std::string bytes = text_bytes(lines, code_page);
  const FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw last_error("CreateFileW", path);
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw last_error("WriteFile", path);
}

void Win32Platform::delete_file(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) throw last_error("DeleteFileW", path);
}

void Win32Platform::copy_hidden(const std::wstring& path, const std::wstring& copy) {
  if (!CopyFileW(path.c_str(), copy.c_str(), TRUE)) throw last_error("CopyFileW", copy);
  const DWORD attributes = GetFileAttributesW(copy.c_str());
  // Not read-only, whatever the output was: the copy must go again after a good run.
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !SetFileAttributesW(copy.c_str(),
                          (attributes | FILE_ATTRIBUTE_HIDDEN) & ~FILE_ATTRIBUTE_READONLY)) {
    const PlatformError error = last_error("SetFileAttributesW", copy);
    DeleteFileW(copy.c_str());
    throw error;
  }
}

void Win32Platform::move_over(const std::wstring& from, const std::wstring& to) {
  const DWORD attributes = GetFileAttributesW(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) throw last_error("GetFileAttributesW", from);
  // A read-only output that the encoder could not touch is replaced all the
  // same, by its own copy, and stays read-only.
  const DWORD replaced = GetFileAttributesW(to.c_str());
  const bool read_only =
      replaced != INVALID_FILE_ATTRIBUTES && (replaced & FILE_ATTRIBUTE_READONLY) != 0;
  if (read_only) SetFileAttributesW(to.c_str(), replaced & ~FILE_ATTRIBUTE_READONLY);
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const PlatformError error = last_error("MoveFileExW", to);
    if (read_only) SetFileAttributesW(to.c_str(), replaced);
    throw error;
  }
  // Shown again; a failure here leaves the whole file, only hidden.
  SetFileAttributesW(to.c_str(),
                     (attributes & ~FILE_ATTRIBUTE_HIDDEN) | (read_only ? FILE_ATTRIBUTE_READONLY : 0));
}

bool Win32Platform::fits_code_page(const std::wstring& text, CodePage code_page) {
  return win32_common::to_code_page(text, code_page_number(code_page)).has_value();
}

}  // namespace mosa
