// A plain script file encoded piece by piece gives the very bytes the whole
// text gives, on a corpus made the same way on every run, in pieces of every
// size down to a character or two.
#include <gtest/gtest.h>

#include <random>

#include "encoder/encode_text.h"
#include "encoder/encoded_file.h"
#include "encoder/script_file.h"
#include "encoder/unicode.h"
#include "screnc/posix_codec.h"

namespace screnc {

namespace {

using namespace std::literals;

// What the whole text gives; nothing where it is no text.
std::optional<std::string> whole(std::string_view bytes, const LegacyCodec& legacy) {
  const std::optional<std::u16string> text = file_text(bytes, legacy);
  if (!text) return std::nullopt;
  EncodedFile file(*text, bytes, output_form(text_form(bytes), FileKind::VBScriptFile), legacy);
  encode_text(*text, FileKind::VBScriptFile, {}, file);
  return file.take();
}

std::optional<std::string> in_pieces(std::string_view bytes, const LegacyCodec& legacy,
                                     std::size_t piece_bytes) {
  ScriptFile script(bytes, legacy, piece_bytes);
  std::string written;
  if (script.measure() != ScriptFile::Problem::None ||
      script.write(output_form(script.form(), FileKind::VBScriptFile), [&](std::string_view b) {
        written += b;
        return true;
      }) != ScriptFile::Problem::None)
    return std::nullopt;
  return written;
}

}  // namespace

TEST(ScriptFile, InPiecesAsTheWholeTextOnACorpus) {
  // Code page 932 bytes: escaped and substituted characters, controls, the
  // start marker, double-byte characters with two codes (ED40, 8790), kana that
  // read as UTF-8 too, and a lead byte with nothing after it.
  const std::string_view legacy_tokens[] = {
      "a", "Z ", "<", ">", "@", "\r\n", "\t", "\x7f", "\x01", "**Start Encode**", "*",
      "\x93\xFA", "\xED\x40", "\x87\x90", "\xB1", "\xC3\xBD", "\x81\x40", "\x81"};
  const std::u16string_view unicode_tokens[] = {u"a", u"<@>", u"\r\n", u"\t\x7f", u"**Start Encode**",
                                                u"日本", u"é", u"😀", u"\x80"};
  const Cp932Codec legacy;
  std::mt19937 random(24);
  for (int n = 0; n < 400; ++n) {
    std::string bytes;
    const int form = n % 4;
    if (form == 0) {
      for (std::size_t i = random() % 40; i > 0; --i)
        bytes += legacy_tokens[random() % std::size(legacy_tokens)];
    } else {
      std::u16string text;
      for (std::size_t i = random() % 40; i > 0; --i)
        text += unicode_tokens[random() % std::size(unicode_tokens)];
      const TextForm forms[] = {TextForm::Utf8, TextForm::Utf8Bom, TextForm::Utf16LeBom};
      bytes = file_bytes(text, forms[form - 1], legacy).value();
    }
    SCOPED_TRACE(testing::PrintToString(bytes));
    const std::optional<std::string> expected = whole(bytes, legacy);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{16}, ScriptFile::kPieceBytes})
      EXPECT_EQ(in_pieces(bytes, legacy, piece), expected) << "pieces of " << piece;
  }
}

}  // namespace screnc
