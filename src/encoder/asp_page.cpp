#include "encoder/pages.h"

#include <string>

namespace screnc {

namespace {

constexpr std::u16string_view kSectionEnd = u"%>";

// A "<%", "<%=" or "<%@" section at `at`; returns where it ends. Directives stay
// as they are.
std::size_t encode_section(Rewrite& out, std::u16string_view text, std::size_t at,
                           std::optional<ScriptLanguage> language) {
  const std::size_t end = text.find(kSectionEnd, at + 2);
  if (end == std::u16string_view::npos)
    throw EncodeError(EncodeError::Problem::UnclosedSection, line_of(text, at));
  const std::size_t begin = at + (text[at + 2] == u'=' ? 3 : 2);
  if (language && text[at + 2] != u'@') out.encode_script(begin, end);
  return end + kSectionEnd.size();
}

}  // namespace

void encode_asp_page(Rewrite& out, std::u16string_view text, const EncodeOptions& options,
                     bool may_add_directive) {
  // The page's language: its directive's, else /l's, else VBScript. A page in
  // another language, or one already encoded, keeps its sections as they are.
  std::optional<ScriptLanguage> language = options.language.value_or(ScriptLanguage::VBScript);
  const std::size_t first = skip_spaces(text, 0);
  if (text.substr(first).starts_with(u"<%@")) {
    const std::optional<AttributeList> list = parse_attributes(text, first + 3, kSectionEnd);
    if (!list) throw EncodeError(EncodeError::Problem::UnclosedSection, line_of(text, first));
    const std::optional<Attribute> named = find_attribute(text, *list, u"language");
    language = chosen_language(
        named ? language_name(attribute_value(text, *named)) : LanguageName::None, language);
    if (language) name_encoded_language(out, text, *list, first + 3, *language);
  } else if (may_add_directive && options.add_directive) {
    out.insert(0, u"<%@ LANGUAGE = " + std::u16string(encoded_language(*language)) + u" %>\r\n");
  }

  // The scan meets the directive again and, like any other, leaves it.
  const ScriptRules server_scripts{language};
  // Sections inside a browser's tag (<script src="<%= x %>">) are the server's
  // all the same, but a tag inside a tag is none: the scan for tags goes on
  // after its end, and after a tag the page's end cuts off it stops, so that
  // each character is read as part of a tag once.
  std::size_t tags_from = 0;
  for (std::size_t at = 0; (at = text.find(u'<', at)) != std::u16string_view::npos;) {
    if (text.substr(at).starts_with(u"<%")) {
      at = encode_section(out, text, at, language);
      continue;
    }
    const std::optional<Tag> tag =
        at >= tags_from ? parse_tag(text, at, u"script") : std::nullopt;
    if (!tag) {
      if (at >= tags_from && opens_tag(text, at, u"script")) tags_from = text.size();
      ++at;
      continue;
    }
    // Script elements for the browser stay plain, as in real encoded pages.
    const std::optional<Attribute> runat = find_attribute(text, tag->list, u"runat");
    if (runat && equals_ascii_ci(attribute_value(text, *runat), u"server")) {
      at = encode_script_element(out, text, *tag, server_scripts);
    } else {
      tags_from = tag->end;
      ++at;
    }
  }
}

}  // namespace screnc
