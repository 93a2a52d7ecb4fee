#include "screnc/files.h"

namespace {

std::size_t name_begin(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"\\/");
  return separator == std::u16string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::u16string_view extension(std::u16string_view path) {
  const std::u16string_view name = path.substr(name_begin(path));
  const std::size_t dot = name.rfind(u'.');
  // ".vbs" alone is a hidden file's name, not an extension.
  if (dot == std::u16string_view::npos || dot == 0) return {};
  return name.substr(dot);
}

std::u16string_view folder_of(std::u16string_view path) { return path.substr(0, name_begin(path)); }
