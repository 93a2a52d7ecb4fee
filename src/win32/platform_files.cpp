// Files: the existence test, text files in the 8-bit code pages, deletion.
#include "win32/win32_platform.h"

#include <algorithm>
#include <optional>

#include "core/paths.h"
#include "encoder/text_form.h"
#include "win32/ansi_codec.h"
#include "win32/code_page.h"
#include "win32/handles.h"
#include "win32/message_loop.h"
#include "win32/win32_error.h"

namespace mosa {

namespace {

UINT code_page_number(CodePage code_page) {
  return code_page == CodePage::Ansi ? GetACP() : GetOEMCP();
}

void write_all(HANDLE file, const std::string& bytes, const std::wstring& path) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
      throw last_error("WriteFile", path);
    done += written;
  }
}

// A file that disappears again unless it is kept.
class ScratchFile {
 public:
  explicit ScratchFile(std::wstring path) : path_(std::move(path)) {}
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    if (!kept_) DeleteFileW(path_.c_str());
  }
  const std::wstring& path() const { return path_; }
  void keep() { kept_ = true; }

 private:
  std::wstring path_;
  bool kept_ = false;
};

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

// The file a link leads to, as a plain path.
std::wstring final_path(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) throw last_error("CreateFileW", path);
  std::wstring final(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(file.get(), final.data(),
                                                 static_cast<DWORD>(final.size()), 0);
  if (length == 0 || length >= final.size()) throw last_error("GetFinalPathNameByHandleW", path);
  final.resize(length);
  return without_long_prefix(final);
}

// Writes over the file itself, which keeps all it has but the text: for a file
// whose folder takes no new file beside it.
void write_in_place(const std::wstring& path, const std::string& bytes) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw last_error("CreateFileW", path);
  write_all(file.get(), bytes, path);
  if (!FlushFileBuffers(file.get())) throw last_error("FlushFileBuffers", path);
}

// No script the encoder writes comes near this; reading stops there.
constexpr size_t kScriptReadLimit = 64 << 20;

// At most max_bytes of the file.
std::string read_bytes(const std::wstring& path, size_t max_bytes) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      throw FileNotFound(win32_error("CreateFileW", error, path).what());
    throw win32_error("CreateFileW", error, path);
  }
  std::string bytes;
  char chunk[65536];
  while (bytes.size() < max_bytes) {
    const DWORD wanted = static_cast<DWORD>(std::min(max_bytes - bytes.size(), sizeof chunk));
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk, wanted, &read, nullptr)) throw last_error("ReadFile", path);
    if (read == 0) break;
    bytes.append(chunk, read);
  }
  return bytes;
}

// Milliseconds since 1601, the origin of the system's file times.
FileTime milliseconds(const FILETIME& time) {
  return static_cast<FileTime>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32 |
                                time.dwLowDateTime) /
                               10000);
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
  const UINT number = code_page_number(code_page);
  std::string bytes;
  for (const std::wstring& line : lines) {
    const std::optional<std::string> encoded = to_code_page(line + L"\r\n", number);
    if (!encoded)
      throw PlatformError("a character has no form in code page " + std::to_string(number) + ": " +
                          to_utf8(line));
    bytes += *encoded;
  }

  // A rename replaces a read-only, hidden or system file where writing it would
  // be refused; the user set those marks, so it is refused before anything is written.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const DWORD protected_file = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & protected_file))
    throw win32_error("write_text_file", ERROR_ACCESS_DENIED, path);
  const bool existing = attributes != INVALID_FILE_ATTRIBUTES;
  // A link stays a link: its target is the file that is written.
  const std::wstring target =
      existing && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? final_path(path) : path;

  // The text goes to a file of its own first and then takes the old one's place
  // in one step, so a failure never leaves the old file half-written.
  ScratchFile fresh(target + L".new");
  {
    const FileHandle file(CreateFileW(fresh.path().c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      // A folder that may not be written to can still hold a file that may.
      if (existing && GetLastError() == ERROR_ACCESS_DENIED) return write_in_place(target, bytes);
      throw last_error("CreateFileW", fresh.path());
    }
    write_all(file.get(), bytes, fresh.path());
    if (!FlushFileBuffers(file.get())) throw last_error("FlushFileBuffers", fresh.path());
  }
  // Replacing keeps the old file's attributes and security, which a rename would
  // take from the new one.
  const bool replaced =
      existing && ReplaceFileW(target.c_str(), fresh.path().c_str(), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  if (!replaced && !MoveFileExW(fresh.path().c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw last_error("MoveFileExW", path);
  fresh.keep();
}

std::wstring Win32Platform::read_text_file(const std::wstring& path, size_t max_bytes) {
  const std::string bytes = read_bytes(path, max_bytes);
  if (bytes.empty()) return L"";
  // Without MB_ERR_INVALID_CHARS a stray byte becomes a replacement character
  // instead of failing the whole file.
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), size);
  return text;
}

std::u16string Win32Platform::read_script(const std::wstring& path) {
  const std::string bytes = read_bytes(path, kScriptReadLimit);
  if (bytes.size() == kScriptReadLimit) throw PlatformError("script too large: " + to_utf8(path));
  std::optional<std::u16string> text = file_text(bytes, AnsiCodec());
  if (!text) throw PlatformError("not text in its character set: " + to_utf8(path));
  return std::move(*text);
}

void Win32Platform::delete_file(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) throw last_error("DeleteFileW", path);
}

bool Win32Platform::fits_code_page(const std::wstring& text, CodePage code_page) {
  return to_code_page(text, code_page_number(code_page)).has_value();
}

}  // namespace mosa
