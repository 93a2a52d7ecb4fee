#include "encoder/encode_text.h"

#include "encoder/block.h"
#include "encoder/markup.h"
#include "encoder/pages.h"

EncodedText encode_text(std::u16string_view text, FileKind kind, const EncodeOptions& options) {
  Rewrite out(text);
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
  EncodedText encoded = out.finish();
  check_blocks(encoded);
  return encoded;
}

void check_blocks(const EncodedText& encoded) {
  std::u16string plain;
  for (const WrittenBlock& block : encoded.blocks) {
    plain.clear();
    if (!append_decoded(plain, encoded.text, block.begin) || plain != block.plain)
      throw EncodeError(EncodeError::Problem::BlockMismatch, line_of(encoded.text, block.begin));
  }
}
