#include "win32_common/whole_file.h"

#include <algorithm>
#include <cstdint>

#include "win32_common/handles.h"

namespace win32_common {

namespace {

// Nothing, with the system's reason kept past the handle's closing.
std::optional<std::string> failed(FileHandle& file, DWORD error = GetLastError()) {
  file.reset();
  SetLastError(error);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> read_whole_file(const std::wstring& path, std::size_t max_bytes) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return failed(file);
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return failed(file, ERROR_BAD_FILE_TYPE);
  std::string bytes;
  // Room for the whole file at once: growing by doubling would need half as
  // much again while the last copy is made. Up to the largest object the
  // build's address space allows, which is far more in x64 than in x86.
  LARGE_INTEGER size;
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart < LONGLONG{PTRDIFF_MAX})
    bytes.reserve(std::min(static_cast<std::size_t>(size.QuadPart) + 1, max_bytes));
  char chunk[65536];
  while (bytes.size() < max_bytes) {
    const DWORD wanted = static_cast<DWORD>(std::min(max_bytes - bytes.size(), sizeof chunk));
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk, wanted, &read, nullptr)) return failed(file);
    if (read == 0) break;
    bytes.append(chunk, read);
  }
  return bytes;
}

}  // namespace win32_common
