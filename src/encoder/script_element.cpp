#include "encoder/script_element.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "encoder/encode_error.h"

namespace screnc {

namespace {

constexpr std::u16string_view kCdataStart = u"<![CDATA[";
constexpr std::u16string_view kCdataEnd = u"]]>";

struct Content {
  std::size_t end;
  std::vector<std::pair<std::size_t, std::size_t>> cdata_sections;
};

// In XML a "</script" inside a CDATA section is script text, not the end.
Content element_content(std::u16string_view text, const Tag& tag, bool xml) {
  Content content;
  // The end found stays the first after every CDATA section before it.
  std::size_t close = find_ascii_ci(text, u"</script", tag.end);
  for (std::size_t at = tag.end;;) {
    if (close < at) close = find_ascii_ci(text, u"</script", at);
    const std::size_t cdata =
        xml ? text.substr(0, close).find(kCdataStart, at) : std::u16string_view::npos;
    if (cdata == std::u16string_view::npos) {
      if (close == std::u16string_view::npos)
        throw EncodeError(EncodeError::Problem::UnclosedScript, line_of(text, tag.begin));
      content.end = close;
      return content;
    }
    const std::size_t inner = cdata + kCdataStart.size();
    const std::size_t cdata_end = text.find(kCdataEnd, inner);
    if (cdata_end == std::u16string_view::npos)
      throw EncodeError(EncodeError::Problem::UnclosedCdata, line_of(text, cdata));
    content.cdata_sections.emplace_back(inner, cdata_end);
    at = cdata_end + kCdataEnd.size();
  }
}

std::optional<ScriptLanguage> element_language(std::u16string_view text, const Tag& tag,
                                               std::optional<ScriptLanguage> unnamed) {
  LanguageName name = LanguageName::None;
  if (const std::optional<Attribute> language = find_attribute(text, tag.list, u"language"))
    name = language_name(attribute_value(text, *language));
  if (name == LanguageName::None)
    if (const std::optional<Attribute> type = find_attribute(text, tag.list, u"type"))
      name = type_language_name(attribute_value(text, *type));
  return chosen_language(name, unnamed);
}

}  // namespace

std::size_t encode_script_element(Rewrite& out, std::u16string_view text, const Tag& tag,
                                  const ScriptRules& rules) {
  if (tag.self_closing) return tag.end;
  const Content content = element_content(text, tag, rules.xml);
  std::vector<std::pair<std::size_t, std::size_t>> scripts = content.cdata_sections;
  if (scripts.empty()) scripts.emplace_back(tag.end, content.end);
  const bool blank = std::all_of(scripts.begin(), scripts.end(), [&](const auto& script) {
    return is_blank(text.substr(script.first, script.second - script.first));
  });
  const std::optional<ScriptLanguage> language =
      element_language(text, tag, rules.default_language);
  if (!language || blank) return content.end;

  name_encoded_language(out, text, tag.list, tag.name_end, *language);
  const bool into_cdata = rules.wrap_in_cdata && content.cdata_sections.empty();
  for (const auto& [begin, end] : scripts) out.encode_script(begin, end, into_cdata);
  return content.end;
}

void name_encoded_language(Rewrite& out, std::u16string_view text, const AttributeList& list,
                           std::size_t name_end, ScriptLanguage language) {
  const std::u16string name(encoded_language(language));
  const std::optional<Attribute> attribute = find_attribute(text, list, u"language");
  if (attribute && attribute->has_value) {
    out.replace(attribute->value_begin, attribute->value_end, name);
  } else if (attribute) {
    out.insert(attribute->name_end, u"=\"" + name + u"\"");
  } else {
    const bool separated = is_space(text[name_end]) || text[name_end] == u'>';
    out.insert(name_end, u" LANGUAGE=\"" + name + (separated ? u"\"" : u"\" "));
  }
}

}  // namespace screnc
