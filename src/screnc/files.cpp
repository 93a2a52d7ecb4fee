#include "screnc/files.h"

namespace screnc {

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

std::u16string_view name_of(std::u16string_view path) { return path.substr(name_begin(path)); }

bool is_pattern(std::u16string_view name) {
  return name.find_first_of(u"*?") != std::u16string_view::npos;
}

bool matches_pattern(std::u16string_view name, std::u16string_view pattern) {
  // Back to the last '*' on a mismatch, never further: linear in the name for
  // each '*', where plain recursion would be exponential.
  std::size_t n = 0, p = 0;
  std::size_t star = std::u16string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() &&
               (pattern[p] == u'?' || pattern[p] == name[n])) {
      ++p, ++n;
    } else if (star != std::u16string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

std::u16string encoded_name(std::u16string_view name, std::optional<FileKind> kind) {
  const std::u16string_view encoded = kind ? encoded_extension(*kind) : std::u16string_view();
  if (encoded.empty()) return std::u16string(name);
  const std::u16string_view stem = name.substr(0, name.size() - extension(name).size());
  return std::u16string(stem) + u"." + std::u16string(encoded);
}

}  // namespace screnc
