#include "encoder/rewrite.h"

#include <utility>

#include "encoder/block.h"
#include "encoder/xml_references.h"

void Rewrite::keep(std::size_t end) {
  if (end == copied_) return;
  out_.kept.push_back({copied_, end, out_.text.size()});
  out_.text.append(source_.substr(copied_, end - copied_));
}

void Rewrite::replace(std::size_t begin, std::size_t end, std::u16string_view with) {
  keep(begin);
  out_.text.append(with);
  copied_ = end;
}

void Rewrite::put_block(std::size_t begin, std::size_t end, std::u16string_view plain,
                        std::u16string_view before, std::u16string_view after) {
  replace(begin, end, before);
  out_.blocks.push_back({out_.text.size(), std::u16string(plain)});
  append_block(out_.text, plain);
  out_.text.append(after);
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

EncodedText Rewrite::finish() {
  keep(source_.size());
  return std::move(out_);
}

std::size_t after_start_marker(std::u16string_view source, std::size_t begin, std::size_t end) {
  constexpr std::u16string_view kMarker = u"**Start Encode**";
  const std::size_t at = source.substr(begin, end - begin).find(kMarker);
  return at == std::u16string_view::npos ? begin : begin + at + kMarker.size();
}
