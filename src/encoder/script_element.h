#pragma once
// <SCRIPT> elements, as pages, scriptlets and ASP pages hold them.
#include <cstddef>
#include <optional>
#include <string_view>

#include "encoder/language.h"
#include "encoder/markup.h"
#include "encoder/rewrite.h"

namespace screnc {

struct ScriptRules {
  // For elements that name no language; without one they are left as they are.
  std::optional<ScriptLanguage> default_language;
  bool xml = false;            // the script may be in CDATA sections
  bool wrap_in_cdata = false;  // a script without one is put into one
};

// Encodes the element that `tag` opens when it names one of the two languages
// (LANGUAGE, else TYPE) or none, and its content is not blank. Returns where its
// content ends. Throws EncodeError when the element or a CDATA section in it is
// not closed.
std::size_t encode_script_element(Rewrite& out, std::u16string_view text, const Tag& tag,
                                  const ScriptRules& rules);

// Makes a tag or directive name the encoded language: its LANGUAGE value is
// replaced, keeping its quotes, or LANGUAGE is added just after its name.
void name_encoded_language(Rewrite& out, std::u16string_view text, const AttributeList& list,
                           std::size_t name_end, ScriptLanguage language);

}  // namespace screnc
