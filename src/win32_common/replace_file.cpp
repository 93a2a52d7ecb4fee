#include "win32_common/replace_file.h"

#include <algorithm>
#include <atomic>

#include "common/path_steps.h"
#include "win32_common/handles.h"

namespace win32_common {

namespace {

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
std::wstring final_path(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return path;
  std::wstring found(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.get(), found.data(),
                                                   static_cast<DWORD>(found.size()), 0);
    if (length == 0) return path;
    if (length < found.size()) return found.substr(0, length);
    found.resize(length);
  }
}

FileHandle create_temporary(std::wstring_view folder, const wchar_t* prefix, std::wstring& name) {
  for (int n = 0;; ++n) {
    name = std::wstring(folder) + prefix + std::to_wstring(n) + L".tmp";
    // Another run's temporary file, or anything else there, stays.
    FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = GetLastError();
    if (file || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) return file;
  }
}

bool write_content(HANDLE file, const WriteContent& content) {
  return content([file](std::string_view bytes) { return write_all(file, bytes); }) &&
         FlushFileBuffers(file);
}

// Over the file itself, which keeps all it has but the text.
bool write_in_place(const std::wstring& path, const WriteContent& content) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && write_content(file.get(), content);
}

}  // namespace

bool replace_file(const std::wstring& path, std::string_view bytes, const Replacement& how) {
  return replace_file(
      path, [bytes](const std::function<bool(std::string_view)>& write) { return write(bytes); },
      how);
}

bool replace_file(const std::wstring& path, const WriteContent& content, const Replacement& how) {
  const std::wstring target = final_path(path);
  const DWORD found = GetFileAttributesW(target.c_str());
  const bool existed = found != INVALID_FILE_ATTRIBUTES;
  if (existed && !how.replace_existing) {
    SetLastError(ERROR_FILE_EXISTS);
    return false;
  }
  if (existed && (found & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }

  [[maybe_unused]] static const bool handler_installed = SetConsoleCtrlHandler(remove_pending, TRUE);
  std::wstring fresh;
  const std::wstring folder(common::PathSteps<wchar_t>(L"\\/").folder_of(target));
  FileHandle file = create_temporary(folder, how.temporary_prefix, fresh);
  if (!file) {
    if (existed && how.may_write_over && GetLastError() == ERROR_ACCESS_DENIED)
      return write_in_place(target, content);
    return false;
  }
  // The system takes no longer path, so it fits.
  std::copy(fresh.c_str(), fresh.c_str() + fresh.size() + 1, pending_name);
  pending = true;
  bool done = write_content(file.get(), content);
  file.reset();
  // ReplaceFileW gives the new file the old one's attributes and security,
  // which a rename would take from the new one.
  const DWORD over = how.may_write_over ? MOVEFILE_REPLACE_EXISTING : 0;
  if (done && existed)
    done = ReplaceFileW(target.c_str(), fresh.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                        nullptr, nullptr) ||
           (how.may_write_over &&
            MoveFileExW(fresh.c_str(), target.c_str(), over | MOVEFILE_WRITE_THROUGH));
  else if (done)
    done = MoveFileExW(fresh.c_str(), target.c_str(), over | MOVEFILE_WRITE_THROUGH);
  if (!done) {
    const DWORD error = GetLastError();
    DeleteFileW(fresh.c_str());
    SetLastError(error);
  }
  pending = false;
  return done;
}

}  // namespace win32_common
