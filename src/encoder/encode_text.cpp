#include "encoder/encode_text.h"

#include "encoder/markup.h"
#include "encoder/pages.h"

namespace screnc {

EncodedText encode_text(std::u16string_view text, FileKind kind, const EncodeOptions& options) {
  EncodedText encoded(text);
  encoded.blocks = encode_text(text, kind, options, encoded);
  return encoded;
}

std::size_t encode_text(std::u16string_view text, FileKind kind, const EncodeOptions& options,
                        EncodedOutput& output) {
  Rewrite out(text, output);
  const ScriptLanguage page_default = options.language.value_or(ScriptLanguage::JScript);
  switch (kind) {
    case FileKind::VBScriptFile:
    case FileKind::JScriptFile: {
      // Always one block, also for an empty script: a reader of the output
      // can tell it was encoded.
      const std::size_t begin = after_start_marker(text, 0, text.size());
      out.put_block(begin, text.size(), text.substr(begin));
      break;
    }
    case FileKind::HtmlPage:
      encode_html_page(out, text, {page_default});
      break;
    case FileKind::Scriptlet:
      // An encoded body may hold '&', which strict XML would take for a reference.
      encode_html_page(out, text, {page_default, true, text.starts_with(u"<?xml")});
      break;
    case FileKind::AspPage:
    case FileKind::AspApplication:
      // global.asa takes script elements only: a directive there would be an error.
      encode_asp_page(out, text, options, kind == FileKind::AspPage);
      break;
  }
  return out.finish();
}

}  // namespace screnc
