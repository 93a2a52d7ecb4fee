#include "encoder/rewrite.h"

#include "encoder/block.h"
#include "encoder/encode_error.h"
#include "encoder/markup.h"
#include "encoder/xml_references.h"

namespace screnc {

void Rewrite::replace(std::size_t begin, std::size_t end, std::u16string_view with) {
  if (begin > copied_) out_.keep(copied_, begin);
  out_.add(with);
  copied_ = end;
}

void Rewrite::put_block(std::size_t begin, std::size_t end, std::u16string_view plain,
                        std::u16string_view before, std::u16string_view after) {
  replace(begin, end, before);
  block_.clear();
  append_block(block_, plain);
  if (!block_encodes(block_, 0, plain))
    throw EncodeError(EncodeError::Problem::BlockMismatch, line_of(source_, begin));
  out_.add(block_);
  out_.add(after);
  ++blocks_;
  // A whole script's room is not kept for the small blocks of a page.
  if (block_.capacity() > (1 << 20)) std::u16string().swap(block_);
}

void Rewrite::encode_script(std::size_t begin, std::size_t end, bool into_cdata) {
  begin = after_start_marker(source_, begin, end);
  if (begin == end) return;
  const std::u16string_view script = source_.substr(begin, end - begin);
  if (into_cdata)
    put_block(begin, end, resolve_references(script), u"<![CDATA[", u"]]>");
  else
    put_block(begin, end, script);
}

std::size_t Rewrite::finish() {
  if (source_.size() > copied_) out_.keep(copied_, source_.size());
  copied_ = source_.size();
  return blocks_;
}

std::size_t after_start_marker(std::u16string_view source, std::size_t begin, std::size_t end) {
  constexpr std::u16string_view kMarker = u"**Start Encode**";
  const std::size_t at = source.substr(begin, end - begin).find(kMarker);
  return at == std::u16string_view::npos ? begin : begin + at + kMarker.size();
}

}  // namespace screnc
