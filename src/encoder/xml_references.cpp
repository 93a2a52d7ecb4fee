#include "encoder/xml_references.h"

#include <optional>
#include <utility>

#include "encoder/unicode.h"

namespace screnc {

namespace {

struct Reference {
  char32_t character;
  std::size_t size;  // from '&' to ';'
};

std::optional<char32_t> named_entity(std::u16string_view name) {
  const std::pair<std::u16string_view, char32_t> entities[] = {
      {u"lt", U'<'}, {u"gt", U'>'}, {u"amp", U'&'}, {u"quot", U'"'}, {u"apos", U'\''}};
  for (const auto& [entity, character] : entities)
    if (name == entity) return character;
  return std::nullopt;
}

// Leading zeros are allowed, so the digits are not counted but the value is.
std::optional<char32_t> character_number(std::u16string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  char32_t number = 0;
  for (const char16_t d : digits) {
    int value;
    if (d >= u'0' && d <= u'9') {
      value = d - u'0';
    } else if (base == 16 && (d | 0x20) >= u'a' && (d | 0x20) <= u'f') {
      value = (d | 0x20) - u'a' + 10;
    } else {
      return std::nullopt;
    }
    number = number * base + value;
    if (number > 0x10FFFF) return std::nullopt;
  }
  if (number == 0 || (number >= 0xD800 && number <= 0xDFFF)) return std::nullopt;
  return number;
}

bool is_name_character(char16_t c) {
  return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z') || c == u'#';
}

std::optional<Reference> reference_at(std::u16string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && is_name_character(text[end])) ++end;
  if (!text.substr(end).starts_with(u';')) return std::nullopt;
  const std::u16string_view name = text.substr(at + 1, end - at - 1);
  std::optional<char32_t> character;
  if (name.starts_with(u"#x")) {
    character = character_number(name.substr(2), 16);
  } else if (name.starts_with(u"#")) {
    character = character_number(name.substr(1), 10);
  } else {
    character = named_entity(name);
  }
  if (!character) return std::nullopt;
  return Reference{*character, name.size() + 2};
}

}  // namespace

std::u16string resolve_references(std::u16string_view text) {
  std::u16string resolved;
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<Reference> reference =
        text[at] == u'&' ? reference_at(text, at) : std::nullopt;
    if (!reference) {
      resolved += text[at++];
      continue;
    }
    append_code_point(resolved, reference->character);
    at += reference->size;
  }
  return resolved;
}

}  // namespace screnc
