#include "screnc/files.h"

namespace screnc {

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
