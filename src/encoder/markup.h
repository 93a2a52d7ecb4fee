#pragma once
// Reading the parts of a page the encoder cares about: words in any case, tags
// and their attributes, ASP directives. Only ASCII letters fold; positions are
// indices into the page's text.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace screnc {

bool is_space(char16_t c);
bool is_blank(std::u16string_view text);
std::size_t skip_spaces(std::u16string_view text, std::size_t at);
// The line (from 1) that holds position `at`.
std::size_t line_of(std::u16string_view text, std::size_t at);

// `lower` is given in lower case; the text may be in any case.
bool equals_ascii_ci(std::u16string_view text, std::u16string_view lower);
bool starts_with_ascii_ci(std::u16string_view text, std::size_t at, std::u16string_view lower);
std::size_t find_ascii_ci(std::u16string_view text, std::u16string_view lower, std::size_t from);

struct Attribute {
  std::size_t name_begin, name_end;
  std::size_t value_begin, value_end;  // inside the quotes; at name_end when there is no value
  bool has_value;
};

struct AttributeList {
  std::vector<Attribute> attributes;
  std::size_t terminator;  // where the terminator (or "/>") begins
};

// The attributes from `from` up to the terminator (">" also ends at "/>");
// nothing when the text ends first, also inside a quoted value.
std::optional<AttributeList> parse_attributes(std::u16string_view text, std::size_t from,
                                              std::u16string_view terminator);
std::optional<Attribute> find_attribute(std::u16string_view text, const AttributeList& list,
                                        std::u16string_view lower_name);
std::u16string_view attribute_value(std::u16string_view text, const Attribute& attribute);

struct Tag {
  std::size_t begin;     // its '<'
  std::size_t name_end;  // just past the element's name
  std::size_t end;       // just past its '>'
  bool self_closing;
  AttributeList list;
};

// Whether an opening tag of the element named `lower_name` starts at `at`,
// closed or not.
bool opens_tag(std::u16string_view text, std::size_t at, std::u16string_view lower_name);
// The opening tag of the element named `lower_name` at `at`, if one starts there
// and is closed.
std::optional<Tag> parse_tag(std::u16string_view text, std::size_t at,
                             std::u16string_view lower_name);

}  // namespace screnc
