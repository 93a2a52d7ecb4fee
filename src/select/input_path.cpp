#include "select/input_path.h"

namespace mosa {

namespace {
std::wstring file_name(const std::wstring& path) {
  const size_t cut = path.rfind(L'\\');
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}
}  // namespace

InputParts split_path(const std::wstring& path) {
  const size_t cut = path.rfind(L'\\');
  const std::wstring name = file_name(path);
  const size_t dot = name.rfind(L'.');
  return {cut == std::wstring::npos ? L"" : path.substr(0, cut),
          dot == std::wstring::npos ? L"" : name.substr(0, dot)};
}

std::wstring extension_of(const std::wstring& path) {
  const std::wstring name = file_name(path);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(dot + 1);
}

}  // namespace mosa
