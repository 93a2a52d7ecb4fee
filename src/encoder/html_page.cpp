#include "encoder/pages.h"

namespace screnc {

void encode_html_page(Rewrite& out, std::u16string_view text, const ScriptRules& rules) {
  for (std::size_t at = 0; (at = text.find(u'<', at)) != std::u16string_view::npos;) {
    // A script element inside a comment is no script.
    if (text.substr(at).starts_with(u"<!--")) {
      at = text.find(u"-->", at + 4);
      if (at == std::u16string_view::npos) return;
      continue;
    }
    const std::optional<Tag> tag = parse_tag(text, at, u"script");
    // A tag that the page's end cuts off holds the rest of the page, as a
    // browser reads it: no later tag is one. Scanning on would cost a pass to
    // the end for every tag after it.
    if (!tag && opens_tag(text, at, u"script")) return;
    at = tag ? encode_script_element(out, text, *tag, rules) : at + 1;
  }
}

}  // namespace screnc
