#pragma once
// The encoder: the text of a script file in, the encoded text out, every block
// checked against the text it was made from.
#include <optional>
#include <string_view>

#include "encoder/encode_error.h"
#include "encoder/file_kind.h"
#include "encoder/language.h"
#include "encoder/rewrite.h"

namespace screnc {

struct EncodeOptions {
  // /l: the language of scripts that name none. Without it: JScript in pages and
  // scriptlets, VBScript in ASP pages.
  std::optional<ScriptLanguage> language;
  // Cleared by /xl: no "<%@ LANGUAGE = … %>" is put at the top of an ASP page
  // that has no directive. A directive the page has is always made to name the
  // encoded language, or its encoded script would not run.
  bool add_directive = true;
};

// Throws EncodeError for a page whose script parts are not closed, and for a
// block that does not decode to its text.
EncodedText encode_text(std::u16string_view text, FileKind kind, const EncodeOptions& options);
// The same into an output of the caller's; returns the number of blocks.
std::size_t encode_text(std::u16string_view text, FileKind kind, const EncodeOptions& options,
                        EncodedOutput& output);

}  // namespace screnc
