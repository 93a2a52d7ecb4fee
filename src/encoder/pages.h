#pragma once
// The kinds of file whose script is found among other text.
#include <string_view>

#include "encoder/encode_text.h"
#include "encoder/rewrite.h"
#include "encoder/script_element.h"

namespace screnc {

// HTML pages and scriptlets: their <SCRIPT> elements, outside comments.
void encode_html_page(Rewrite& out, std::u16string_view text, const ScriptRules& rules);

// ASP pages: <% %> and <%= %> sections, <SCRIPT RUNAT=Server> elements and the
// @LANGUAGE directive, which `may_add_directive` allows to be added.
void encode_asp_page(Rewrite& out, std::u16string_view text, const EncodeOptions& options,
                     bool may_add_directive);

}  // namespace screnc
