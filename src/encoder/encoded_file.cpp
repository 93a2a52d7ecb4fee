#include "encoder/encoded_file.h"

#include <cstdint>
#include <cstring>

namespace screnc {

EncodedFile::ByteWalker::ByteWalker(std::string_view bytes, TextForm form,
                                    const LegacyCodec& legacy)
    : bytes_(bytes),
      ascii_by_bytes_(form != TextForm::Utf16LeBom),
      at_(byte_order_mark(form).size()) {
  // The length of the character each byte starts, and the UTF-16 units it
  // makes, asked once rather than for every character.
  for (int lead = 0; lead < 256; ++lead) {
    std::size_t size = 2, units = 1;
    if (form == TextForm::Legacy) {
      size = lead < 0x80 ? 1 : legacy.char_size(static_cast<unsigned char>(lead));
    } else if (form != TextForm::Utf16LeBom) {
      size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      units = size == 4 ? 2 : 1;
    }
    sizes_[lead] = {static_cast<unsigned char>(size), static_cast<unsigned char>(units)};
  }
}

std::optional<std::size_t> EncodedFile::ByteWalker::byte_of(std::size_t unit) {
  while (unit_ < unit && at_ < bytes_.size()) {
    // ASCII, a unit a byte in every form but UTF-16: eight bytes at a time.
    std::uint64_t eight;
    if (ascii_by_bytes_ && unit - unit_ >= 8 && bytes_.size() - at_ >= 8 &&
        (std::memcpy(&eight, bytes_.data() + at_, 8), (eight & 0x8080808080808080) == 0)) {
      at_ += 8;
      unit_ += 8;
      continue;
    }
    const auto [size, units] = sizes_[static_cast<unsigned char>(bytes_[at_])];
    if (size == 0) return std::nullopt;
    at_ += size;
    unit_ += units;
  }
  if (unit_ != unit || at_ > bytes_.size()) return std::nullopt;
  return at_;
}

EncodedFile::EncodedFile(std::u16string_view source_text, std::string_view source_bytes,
                         TextForm form, const LegacyCodec& legacy,
                         std::function<bool(std::string_view)> write)
    : source_text_(source_text),
      source_bytes_(source_bytes),
      form_(form),
      legacy_(legacy),
      write_(std::move(write)),
      bytes_(byte_order_mark(form)) {
  if (text_form(source_bytes) == form) walker_.emplace(source_bytes, form, legacy);
}

void EncodedFile::keep(std::size_t begin, std::size_t end) {
  if (walker_) {
    const std::optional<std::size_t> from = walker_->byte_of(begin), to = walker_->byte_of(end);
    if (from && to) {
      bytes_.append(source_bytes_.substr(*from, *to - *from));
      flush(1 << 20);
      return;
    }
    walker_.reset();
  }
  add(source_text_.substr(begin, end - begin));
}

void EncodedFile::add(std::u16string_view text) {
  if (!failed_ && !append_in_form(bytes_, text, form_, legacy_)) failed_ = true;
  flush(1 << 20);
}

void EncodedFile::flush(std::size_t at_least) {
  if (!write_ || failed_ || bytes_.size() < at_least) return;
  if (!write_(bytes_)) failed_ = write_failed_ = true;
  bytes_.clear();
}

std::optional<std::string> EncodedFile::take() {
  flush(0);
  if (failed_) return std::nullopt;
  return std::move(bytes_);
}

}  // namespace screnc
