#pragma once
// A plain script file (.vbs, .js) encoded from its bytes to the bytes of the
// encoded file piece by piece, so that neither its whole text nor its whole
// block is ever held in memory: a file is read as text twice, once to size and
// check the block, once to write it. The bytes written are those the whole-text
// encoder and EncodedFile give.
#include <cstdint>
#include <functional>
#include <string_view>

#include "encoder/text_form.h"

namespace screnc {

class ScriptFile {
 public:
  enum class Problem { None, NotText, TooLong, NotWritable, WriteFailed, BlockMismatch };

  // Large enough that a piece costs nothing to start, small enough to stay in
  // the cache.
  static constexpr std::size_t kPieceBytes = 1 << 18;

  // `piece_bytes` only for tests of the pieces' ends.
  ScriptFile(std::string_view bytes, const LegacyCodec& legacy,
             std::size_t piece_bytes = kPieceBytes);
  TextForm form() const { return form_; }
  // The line the block starts on, from 1; after measure().
  std::size_t block_line() const;
  // Reads the text through: NotText when the bytes are not text in their form,
  // TooLong when the block would not fit its 32-bit length field.
  Problem measure();
  // Hands the encoded file in the form to `write`, which returns false to stop
  // (WriteFailed); after measure().
  Problem write(TextForm written, const std::function<bool(std::string_view)>& write) const;

 private:
  std::string_view bytes_;
  const LegacyCodec& legacy_;
  std::size_t piece_bytes_;
  TextForm form_;
  std::size_t body_begin_ = 0;  // in the bytes: after the mark and any start marker
  std::uint32_t length_ = 0;
  std::uint32_t checksum_ = 0;
};

}  // namespace screnc
