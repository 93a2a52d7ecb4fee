#include "test_support.h"

#include <atomic>
#include <filesystem>
#include <fstream>

ScratchFolder::ScratchFolder(const std::wstring& name_part) {
  static std::atomic<int> counter{0};
  const std::wstring name = L"mosa-trevlin-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++counter) + name_part;
  path_ = (std::filesystem::temp_directory_path() / name).wstring();
  std::filesystem::create_directory(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string read_bytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void write_bytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

bool exists(const std::wstring& path) { return std::filesystem::exists(path); }
