#include "screnc/files.h"

namespace screnc {

namespace {

std::u16string_view separators(PathStyle style) {
  return style == PathStyle::Posix ? u"/" : u"\\/";
}

std::size_t name_begin(std::u16string_view path, PathStyle style) {
  const std::size_t separator = path.find_last_of(separators(style));
  return separator == std::u16string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::u16string_view extension(std::u16string_view path, PathStyle style) {
  const std::u16string_view name = path.substr(name_begin(path, style));
  const std::size_t dot = name.rfind(u'.');
  // ".vbs" alone is a hidden file's name, not an extension.
  if (dot == std::u16string_view::npos || dot == 0) return {};
  return name.substr(dot);
}

std::u16string_view folder_of(std::u16string_view path, PathStyle style) {
  return path.substr(0, name_begin(path, style));
}

std::u16string_view name_of(std::u16string_view path, PathStyle style) {
  return path.substr(name_begin(path, style));
}

bool ends_with_separator(std::u16string_view path, PathStyle style) {
  return !path.empty() && separators(style).find(path.back()) != std::u16string_view::npos;
}

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
  // A bare name: no separator in it, whatever the style.
  const std::u16string_view stem =
      name.substr(0, name.size() - extension(name, PathStyle::Posix).size());
  return std::u16string(stem) + u"." + std::u16string(encoded);
}

}  // namespace screnc
