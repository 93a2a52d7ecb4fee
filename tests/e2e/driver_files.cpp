// The driver's file side: text forms, files, temporary folders and the paths of
// the programs under test.
#include "driver.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace e2e {
namespace {

constexpr int kPollMs = 20;
constexpr UINT kJapanese = 932;

// A Unix path as Wine names it on its drives.
std::wstring windows_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return wide(path);
  using ToDos = WCHAR* (*)(const char*);
  const auto to_dos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
  if (WCHAR* converted = to_dos ? to_dos(path.c_str()) : nullptr) {
    std::wstring result = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
  }
  std::wstring result = L"Z:" + wide(path);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

void remove_tree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  if (const SearchHandle search(or_null(FindFirstFileW((folder + L"\\*").c_str(), &found))); search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search.get(), &found));
  }
  RemoveDirectoryW(folder.c_str());
}

std::string convert(UINT code_page, const std::wstring& text, BOOL* lossy) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(code_page, 0, text.data(), length, nullptr, 0, nullptr, lossy);
  std::string result(size, '\0');
  WideCharToMultiByte(code_page, 0, text.data(), length, result.data(), size, nullptr, lossy);
  return result;
}

std::wstring convert(UINT code_page, const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  std::wstring result(size, L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length, result.data(), size);
  return result;
}

}  // namespace

bool wait_until(const std::function<bool()>& condition, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
  return true;
}

std::string u8(const std::wstring& text) { return convert(CP_UTF8, text, nullptr); }
std::wstring wide(const std::string& utf8_text) { return convert(CP_UTF8, utf8_text); }
std::wstring from_cp932(const std::string& bytes) { return convert(kJapanese, bytes); }

std::string cp932(const std::wstring& text) {
  BOOL lossy = FALSE;
  std::string bytes = convert(kJapanese, text, &lossy);
  if (lossy) throw DriverError("text has no form in code page 932: " + u8(text));
  return bytes;
}

std::string settings_bytes(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += cp932(line) + "\r\n";
  return bytes;
}

std::vector<std::wstring> cp932_lines(const std::string& bytes) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(from_cp932(bytes.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

std::optional<std::string> read_bytes(const std::wstring& path) {
  const KernelHandle file(or_null(CreateFileW(path.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, 0, nullptr)));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

void write_bytes(const std::wstring& path, const std::string& bytes) {
  const KernelHandle file(or_null(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)));
  DWORD written = 0;
  if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw DriverError("cannot write " + u8(path));
}

bool file_exists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void make_folder(const std::wstring& path) {
  if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    throw DriverError("cannot create folder " + u8(path));
}

void copy_file(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) throw DriverError("cannot copy " + u8(from) + " to " + u8(to));
}

void delete_file(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) throw DriverError("cannot delete " + u8(path));
}

std::wstring program_path(const char* variable, const char* built_in) {
  const char* value = std::getenv(variable);
  const std::string path = value && *value ? value : built_in ? built_in : "";
  if (path.empty()) throw DriverError(std::string("set ") + variable + " to the program's path");
  const std::wstring windows = windows_path(path);
  if (!file_exists(windows)) throw DriverError(std::string(variable) + " names no file: " + u8(windows));
  return windows;
}

#ifndef MOSA_TREVLIN_EXE
#define MOSA_TREVLIN_EXE nullptr
#endif
#ifndef STAND_IN_ENCODER
#define STAND_IN_ENCODER nullptr
#endif

std::wstring app_exe() { return program_path("MOSA_TREVLIN_EXE", MOSA_TREVLIN_EXE); }
std::wstring stand_in_encoder() { return program_path("STAND_IN_ENCODER", STAND_IN_ENCODER); }

TempFolder::TempFolder(const std::wstring& name_part) {
  static int count = 0;
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  std::wstring base = temp;
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  path_ = base + L"\\mosa-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count) + L" " +
          name_part;
  make_folder(path_);
}

TempFolder::~TempFolder() {
  if (!std::getenv("MOSA_E2E_KEEP")) remove_tree(path_);
}

}  // namespace e2e
