#include "encoder/script_file.h"

#include <algorithm>
#include <functional>
#include <string>

#include "encoder/block.h"
#include "encoder/unicode.h"

namespace screnc {

namespace {

constexpr std::u16string_view kMarker = u"**Start Encode**";
// Where a piece of `bytes` may end, as near `most` bytes as a character
// allows; the rest whole where no character ends before.
std::size_t piece_size(std::string_view bytes, TextForm form, std::size_t most) {
  if (bytes.size() <= most) return bytes.size();
  std::size_t size = most;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  switch (form) {
    case TextForm::Utf16LeBom:
      size -= size % 2;
      // Never between the two halves of a surrogate pair.
      if (size > 0 && byte(size - 1) >= 0xD8 && byte(size - 1) <= 0xDB) size -= 2;
      break;
    case TextForm::Utf8:
    case TextForm::Utf8Bom:
      while (size > 0 && (byte(size) & 0xC0) == 0x80) --size;
      break;
    case TextForm::Legacy:
      // In every ANSI code page a byte below 0x40 is a character of its own,
      // never the second byte of one: a piece may end just after it.
      while (size > 0 && byte(size - 1) >= 0x40) --size;
      break;
  }
  return size > 0 ? size : bytes.size();
}

bool to_text(std::u16string& text, std::string_view piece, TextForm form,
             const LegacyCodec& legacy) {
  std::optional<std::u16string> read;
  switch (form) {
    case TextForm::Utf8:
    case TextForm::Utf8Bom:
      read = utf8_to_text(piece);
      break;
    case TextForm::Utf16LeBom:
      read = utf16le_to_text(piece);
      break;
    case TextForm::Legacy:
      read = legacy.to_text(piece);
      break;
  }
  if (!read) return false;
  text = std::move(*read);
  return true;
}

// Hands each piece of the bytes, as text, to `take`; false when a piece is no
// text or `take` stops.
template <typename Take>
bool for_each_piece(std::string_view bytes, TextForm form, const LegacyCodec& legacy,
                    std::size_t most, Take take) {
  std::u16string text;
  while (!bytes.empty()) {
    const std::string_view piece = bytes.substr(0, piece_size(bytes, form, most));
    if (!to_text(text, piece, form, legacy) || !take(std::u16string_view(text)))
      return false;
    bytes.remove_prefix(piece.size());
  }
  return true;
}

// Just after the first start marker, or `from`. The marker is ASCII, and its
// first character '*' is never the second byte of a character: the first
// match among the bytes is the first in the text.
std::size_t after_marker(std::string_view bytes, std::size_t from, TextForm form) {
  if (form != TextForm::Utf16LeBom) {
    // A script full of '*' would stop a plain find at every one.
    const std::string marker(kMarker.begin(), kMarker.end());
    const auto at = std::search(bytes.begin() + from, bytes.end(),
                                std::boyer_moore_horspool_searcher(marker.begin(), marker.end()));
    return at == bytes.end() ? from : at - bytes.begin() + marker.size();
  }
  std::string marker;
  append_utf16le(marker, kMarker);
  for (std::size_t at = bytes.find(marker, from); at != std::string_view::npos;
       at = bytes.find(marker, at + 1))
    if ((at - from) % 2 == 0) return at + marker.size();
  return from;
}

}  // namespace

ScriptFile::ScriptFile(std::string_view bytes, const LegacyCodec& legacy, std::size_t piece_bytes)
    : bytes_(bytes), legacy_(legacy), piece_bytes_(piece_bytes), form_(text_form(bytes)) {}

ScriptFile::Problem ScriptFile::measure() {
  const std::size_t text_begin = byte_order_mark(form_).size();
  body_begin_ = after_marker(bytes_, text_begin, form_);
  const std::string_view prefix = bytes_.substr(text_begin, body_begin_ - text_begin);
  const auto read = [](std::u16string_view) { return true; };
  if (!for_each_piece(prefix, form_, legacy_, piece_bytes_, read))
    return Problem::NotText;
  BodyEncoder body;
  if (!for_each_piece(bytes_.substr(body_begin_), form_, legacy_, piece_bytes_,
                      [&](std::u16string_view text) {
                        body.count(text);
                        return true;
                      }))
    return Problem::NotText;
  if (body.length() > UINT32_MAX) return Problem::TooLong;
  length_ = static_cast<std::uint32_t>(body.length());
  checksum_ = body.checksum();
  return Problem::None;
}

std::size_t ScriptFile::block_line() const {
  const std::string_view before = bytes_.substr(0, body_begin_);
  return 1 + std::count(before.begin(), before.end(), '\n');
}

ScriptFile::Problem ScriptFile::write(TextForm written,
                                      const std::function<bool(std::string_view)>& write) const {
  Problem problem = Problem::None;
  std::string out(byte_order_mark(written));
  // Writes what has gathered and the bytes given.
  const auto flush = [&](std::string_view bytes = {}) {
    if (!write(out) || (!bytes.empty() && !write(bytes))) {
      problem = Problem::WriteFailed;
      return false;
    }
    out.clear();
    return true;
  };
  // Writes the text in the output's form.
  const auto put = [&](std::u16string_view text) {
    if (append_in_form(out, text, written, legacy_)) return flush();
    problem = Problem::NotWritable;
    return false;
  };
  const std::size_t text_begin = byte_order_mark(form_).size();
  const std::string_view prefix = bytes_.substr(text_begin, body_begin_ - text_begin);
  // Text kept as it was keeps its very bytes where the form stays: a character
  // with two codes in the code page keeps the one it had.
  const bool prefix_done = written == form_
                               ? flush(prefix)
                               : for_each_piece(prefix, form_, legacy_, piece_bytes_, put);
  if (!prefix_done || !put(block_header(length_))) return problem;
  BodyEncoder body;
  BodyChecker checker;
  std::u16string encoded;
  const bool all_written = for_each_piece(
      bytes_.substr(body_begin_), form_, legacy_, piece_bytes_, [&](std::u16string_view text) {
        encoded.clear();
        body.append(encoded, text);
        if (checker.check(encoded, text)) return put(encoded);
        problem = Problem::BlockMismatch;
        return false;
      });
  if (!all_written) return problem == Problem::None ? Problem::NotText : problem;
  if (body.length() != length_ || body.checksum() != checksum_) return Problem::BlockMismatch;
  put(block_trailer(checksum_));
  return problem;
}

}  // namespace screnc
