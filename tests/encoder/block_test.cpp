// One block, both ways, and finding blocks in a text.
#include <gtest/gtest.h>

#include "encoder/block.h"
#include "encoder/find_blocks.h"

namespace screnc {

// The blocks Microsoft's encoder writes for these texts, and one that shows how
// characters beyond ASCII are copied without taking a position.
TEST(Block, WrittenAsMicrosoftsEncoderWritesIt) {
  const std::pair<std::u16string_view, std::u16string_view> vectors[] = {
      {u"var my_msg = \"Testing <1><2><3>!\";\r\n\r\nWScript.Echo(my_msg);",
       u"#@~^RQAAAA==-mD~sX|:/TP{~J:+dYbxL~@!F@*@!+@*@!&@*eEI@#@&@#@&\x7f"
       u"jm.raY 214Wv:zms/obI0xEAAA==^#~@"},
      {u"MsgBox \"Hello\"", u"#@~^DgAAAA==\\ko$K6,JC\x7fV^GJqAQAAA==^#~@"},
      {u"12345", u"#@~^BQAAAA==qy&*l/wAAAA==^#~@"},
      {u"If a<>b Then x=\"u@v.com\"\r\n\tMsgBox \"Größe\"\r\nEnd If",
       u"#@~^OAAAAA==(6PC@!@*(PK4+\t~6{J;@$7R^GsJ@#@&7HkoAKa~JVDöß\x7f"
       u"J@#@&3U9P(0Ww0AAA==^#~@"},
      {u"", u"#@~^AAAAAA==AAAAAA==^#~@"},
  };
  for (const auto& [plain, encoded] : vectors) EXPECT_EQ(encode_block(plain), encoded);
}

TEST(Block, RefusesWhatIsNotAWholeValidBlock) {
  const std::u16string_view cases[] = {
      u"#@~^AgAAAA==@xAAAAAA==^#~@",     // a letter after '@' that escapes nothing
      u"#@~^AQAAAA==@!PAAAAA==^#~@",     // an escape cut by the length
      u"#@~^AgAAAA==@öPAAAAA==^#~@",     // '@' before a wide character
      u"#@~^AgAAAA==@\x80PAAAAA==^#~@",
      u"#@~^AQAAAA==\rDQAAAA==^#~@",      // a block stays on one line
      u"#@~^AQAAAA==<PAAAAA==^#~@",      // '<' is never written in a body
      u"#@~^BgAAAA==qy&*l/wAAAA==^#~@",  // length one more than the body
      u"#@~^BAAAAA==qy&*l/wAAAA==^#~@",  // length one less
      u"#@~^BQAAAB==qy&*l/wAAAA==^#~@",  // length with bits beyond its four bytes
      u"#@~^BQAAAA=qy&*l/wAAAA==^#~@",   // length field cut short
      u"#@~^BQAAAA==qy&*l/gAAAA==^#~@",  // checksum one less
      u"#@~^BQAAAA==qy&*l/wAAAA==^#~",   // end marker cut
      u"#@~^BQAAAA==qy&*l/wAAAA==^#~X",  // end marker wrong
      u"#@~^BQAAAA==qy&*l",              // text ends in the body
  };
  for (const std::u16string_view text : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u16string(text)));
    EXPECT_FALSE(decode_block(text, 0));
    EXPECT_EQ(find_blocks(text), (std::vector<FoundBlock>{{0, 4, false}}));
  }
}

TEST(Block, RoundTripsEveryAsciiCodeAtEveryPositionAndWideText) {
  // Each of the 128 codes at each of the 64 positions of the variant sequence.
  std::u16string ascii;
  for (int i = 0; i < 128 * 64; ++i) ascii += static_cast<char16_t>((65 * (i / 64) + i % 64) % 128);
  // A checksum beyond 2^24 fills all four bytes of its field.
  const std::u16string texts[] = {ascii, u"日本語の\r\nMsgBox \"テスト\" ' 〜\x80", u"a\U0001F600b😀\r\n<>@",
                                  std::u16string(150000, u'~')};
  for (const std::u16string& text : texts) {
    const std::u16string block = encode_block(text);
    const std::optional<DecodedBlock> decoded = decode_block(u"x" + block, 1);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->plain, text);
    EXPECT_EQ(decoded->end, block.size() + 1);
  }
}

TEST(FindBlocks, ReportsEveryStartMarkerAndGoesOnAfterAValidBlock) {
  const std::u16string one = encode_block(u"a #@~^ b"), two = encode_block(u"c");
  const std::u16string text = u"x" + one + u"y#@~^BQAAAA==" + two + two + u"#@~^";
  const std::size_t bad = 2 + one.size(), second = bad + 12;
  EXPECT_EQ(find_blocks(text), (std::vector<FoundBlock>{{1, 1 + one.size(), true},
                                                         {bad, bad + 4, false},
                                                         {second, second + two.size(), true},
                                                         {second + two.size(), second + 2 * two.size(), true},
                                                         {text.size() - 4, text.size(), false}}));
  EXPECT_TRUE(find_blocks(u"no blocks here").empty());
  EXPECT_EQ(decode_text(u"x" + one + u"y" + two + two), u"xa #@~^ bycc");
  EXPECT_FALSE(decode_text(text)) << "a start marker without a whole block";
}

}  // namespace screnc
