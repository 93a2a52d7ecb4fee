#include "encoder/markup.h"

#include <algorithm>
#include <utility>

namespace screnc {

namespace {

char16_t fold(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

}  // namespace

bool is_space(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool is_blank(std::u16string_view text) { return std::all_of(text.begin(), text.end(), is_space); }

std::size_t skip_spaces(std::u16string_view text, std::size_t at) {
  while (at < text.size() && is_space(text[at])) ++at;
  return at;
}

std::size_t line_of(std::u16string_view text, std::size_t at) {
  return 1 + std::count(text.begin(), text.begin() + at, u'\n');
}

bool equals_ascii_ci(std::u16string_view text, std::u16string_view lower) {
  return text.size() == lower.size() && starts_with_ascii_ci(text, 0, lower);
}

bool starts_with_ascii_ci(std::u16string_view text, std::size_t at, std::u16string_view lower) {
  if (text.size() - at < lower.size()) return false;
  for (std::size_t i = 0; i < lower.size(); ++i)
    if (fold(text[at + i]) != lower[i]) return false;
  return true;
}

std::size_t find_ascii_ci(std::u16string_view text, std::u16string_view lower, std::size_t from) {
  for (std::size_t at = from; at < text.size(); ++at)
    if (starts_with_ascii_ci(text, at, lower)) return at;
  return std::u16string_view::npos;
}

std::optional<AttributeList> parse_attributes(std::u16string_view text, std::size_t from,
                                              std::u16string_view terminator) {
  const bool tag = terminator == u">";
  const auto ends_here = [&](std::size_t at) {
    return text.substr(at).starts_with(terminator) || (tag && text.substr(at).starts_with(u"/>"));
  };
  AttributeList list;
  std::size_t at = from;
  while (true) {
    at = skip_spaces(text, at);
    if (at >= text.size()) return std::nullopt;
    if (ends_here(at)) break;
    Attribute a{};
    a.name_begin = at;
    // A stray '/' or '=' is a name of its own, so the scan always moves on.
    do ++at;
    while (at < text.size() && !is_space(text[at]) && text[at] != u'=' && text[at] != u'/' &&
           !ends_here(at));
    a.name_end = a.value_begin = a.value_end = at;
    const std::size_t equals = skip_spaces(text, at);
    if (text.substr(equals).starts_with(u'=')) {
      a.has_value = true;
      at = skip_spaces(text, equals + 1);
      const std::u16string_view rest = text.substr(at);
      if (rest.starts_with(u'"') || rest.starts_with(u'\'')) {
        const std::size_t close = text.find(rest[0], at + 1);
        if (close == std::u16string_view::npos) return std::nullopt;
        a.value_begin = at + 1;
        a.value_end = close;
        at = close + 1;
      } else {
        a.value_begin = at;
        while (at < text.size() && !is_space(text[at]) && !text.substr(at).starts_with(terminator))
          ++at;
        a.value_end = at;
      }
    }
    list.attributes.push_back(a);
  }
  list.terminator = at;
  return list;
}

std::optional<Attribute> find_attribute(std::u16string_view text, const AttributeList& list,
                                        std::u16string_view lower_name) {
  for (const Attribute& a : list.attributes)
    if (equals_ascii_ci(text.substr(a.name_begin, a.name_end - a.name_begin), lower_name)) return a;
  return std::nullopt;
}

std::u16string_view attribute_value(std::u16string_view text, const Attribute& attribute) {
  return text.substr(attribute.value_begin, attribute.value_end - attribute.value_begin);
}

bool opens_tag(std::u16string_view text, std::size_t at, std::u16string_view lower_name) {
  const std::size_t name_end = at + 1 + lower_name.size();
  if (text.substr(at, 1) != u"<" || !starts_with_ascii_ci(text, at + 1, lower_name) ||
      name_end >= text.size())
    return false;
  const char16_t after = text[name_end];
  return is_space(after) || after == u'>' || after == u'/';
}

std::optional<Tag> parse_tag(std::u16string_view text, std::size_t at,
                             std::u16string_view lower_name) {
  if (!opens_tag(text, at, lower_name)) return std::nullopt;
  const std::size_t name_end = at + 1 + lower_name.size();
  std::optional<AttributeList> list = parse_attributes(text, name_end, u">");
  if (!list) return std::nullopt;
  const bool self_closing = text[list->terminator] == u'/';
  return Tag{at, name_end, list->terminator + (self_closing ? 2 : 1), self_closing,
             std::move(*list)};
}

}  // namespace screnc
