// Character sets: the byte order marks, UTF-8 without one, strict in both directions.
#include <gtest/gtest.h>

#include "encoder/text_form.h"
#include "screnc/posix_codec.h"

namespace screnc {

using namespace std::literals;

TEST(TextForm, ReadAndWrittenBackInTheFormFound) {
  const std::tuple<std::string_view, TextForm, std::optional<std::u16string>> cases[] = {
      {"\xEF\xBB\xBF" "a\xC2\x80\xC3\xA9\xE0\xA0\x80\xE6\x97\xA5\xF0\x9F\x98\x80\xF0\x90\x80\x80"
       "\xF4\x8F\xBF\xBF",
       TextForm::Utf8Bom, u"a\x80é\u0800日😀\U00010000\U0010FFFF"},
      {"\xFF\xFE" "a\0\xE5\x65=\xD8\0\xDE"sv, TextForm::Utf16LeBom, u"a日😀"},
      {"plain\r\n", TextForm::Legacy, u"plain\r\n"},
      {"a\xE6\x97\xA5\xF0\x9F\x98\x80", TextForm::Utf8, u"a日😀"},
      {"\x93\xFA\x96\x7B", TextForm::Legacy, u"日本"},  // code page 932, not UTF-8
      {"\xE6\x97\xA5\xE6\x97", TextForm::Legacy, u"譌･譌"},  // UTF-8 cut short: code page 932
      // Both ways text: katakana on their own, an accented letter in a word.
      {"x = \"\xC3\xBD\" ' \xC3\xBD\xC3\xBD", TextForm::Legacy, u"x = \"ﾃｽ\" ' ﾃｽﾃｽ"},
      {"caf\xC3\xA9 \xC3\xBD", TextForm::Utf8, u"café ý"},
      {"e\xC3\xBD", TextForm::Utf8, u"eý"},  // beside the file's first letter
      {"\xEF\xBB", TextForm::Legacy, std::nullopt},
      {"a\x80", TextForm::Legacy, std::nullopt},  // no character of code page 932
      {"\xEF\xBB\xBF" "\xC0\x80", TextForm::Utf8Bom, std::nullopt},          // overlong
      {"\xEF\xBB\xBF" "\xE0\x80\xAF", TextForm::Utf8Bom, std::nullopt},      // overlong
      {"\xEF\xBB\xBF" "\xED\xA0\x80", TextForm::Utf8Bom, std::nullopt},      // a surrogate
      {"\xEF\xBB\xBF" "\xF4\x90\x80\x80", TextForm::Utf8Bom, std::nullopt},  // beyond U+10FFFF
      {"\xEF\xBB\xBF" "\xE6\x97", TextForm::Utf8Bom, std::nullopt},          // cut short
      {"\xEF\xBB\xBF" "\xE6" "a\xA5", TextForm::Utf8Bom, std::nullopt},      // no continuation
      {"\xEF\xBB\xBF" "\x80", TextForm::Utf8Bom, std::nullopt},
      {"\xEF\xBB\xBF" "\xF8\x88\x80\x80\x80", TextForm::Utf8Bom, std::nullopt},
      {"\xFF\xFE" "a", TextForm::Utf16LeBom, std::nullopt},  // odd byte count
      {"\xFF\xFE" "\x00\xDC"sv, TextForm::Utf16LeBom, std::nullopt},
      {"\xFF\xFE" "=\xD8" "a\0"sv, TextForm::Utf16LeBom, std::nullopt},
  };
  const Cp932Codec legacy;
  for (const auto& [bytes, form, text] : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    EXPECT_EQ(text_form(bytes), form);
    EXPECT_EQ(file_text(bytes, legacy), text);
    if (text) { EXPECT_EQ(file_bytes(*text, form, legacy), bytes); }
  }
}

TEST(TextForm, WritingRefusesACharacterTheFormCannotHold) {
  const Cp932Codec legacy;
  for (const std::u16string_view lone : {u"a\xD800"sv, u"\xDC00"sv, u"\xD800z"sv})
    for (const TextForm form : {TextForm::Utf8, TextForm::Utf8Bom, TextForm::Utf16LeBom, TextForm::Legacy})
      EXPECT_FALSE(file_bytes(lone, form, legacy));
  // Only the characters in view count, not one just beyond it.
  EXPECT_TRUE(file_bytes(u"a\xDC00"sv.substr(0, 1), TextForm::Utf8Bom, legacy));
}

}  // namespace screnc
