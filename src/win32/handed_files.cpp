#include "win32/handed_files.h"

#include <cstdlib>
#include <memory>

#include "win32/late_bound.h"
#include "win32/win32_error.h"

namespace mosa {

namespace {

struct LocalDeleter {
  void operator()(wchar_t** memory) const { LocalFree(memory); }
};

std::wstring full_path(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;  // refused as missing, under the name given
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  return full;
}

}  // namespace

std::vector<std::wstring> handed_files() {
  // The runtime's count says whether there is anything to split: a start
  // without arguments does not load the shell.
  if (__argc <= 1) return {};
  int count = 0;
  const std::unique_ptr<wchar_t*, LocalDeleter> arguments(
      late::CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments) throw last_error("CommandLineToArgvW");
  std::vector<std::wstring> files;
  for (int i = 1; i < count; ++i) files.push_back(full_path(arguments.get()[i]));
  return files;
}

}  // namespace mosa
