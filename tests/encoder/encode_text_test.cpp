// The kinds of file: which parts become blocks and what else changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "encoder/block.h"
#include "encoder/encode_text.h"
#include "encoder/xml_references.h"

namespace screnc {

namespace {

// The text with each {{plain}} replaced by the block of plain.
std::u16string with_blocks(std::u16string_view pattern) {
  std::u16string text;
  for (std::size_t open; (open = pattern.find(u"{{")) != std::u16string_view::npos;) {
    const std::size_t close = pattern.find(u"}}", open);
    text += pattern.substr(0, open);
    append_block(text, pattern.substr(open + 2, close - open - 2));
    pattern.remove_prefix(close + 2);
  }
  return text += pattern;
}

struct Case {
  FileKind kind;
  std::u16string_view input, expected;
  EncodeOptions options = {};
};

constexpr EncodeOptions kNoDirective{std::nullopt, false};

}  // namespace

TEST(EncodeText, WhichPartsBecomeBlocks) {
  // Blank content (a src element's, too), other languages, encoded scripts,
  // comments, other elements and ASP sections are left as they are.
  const std::u16string_view kept =
      u"<script src=\"a.js\"></script><script src=a.js>\r\n</script><script language=\"PerlScript\">x</script>"
      u"<script type=\"text/template\">x</script><script language=\"VBScript.Encode\">#@~^AAAAAA==AAAAAA==^#~@</script>"
      u"<!-- <script>x</script> --><scripts>x</scripts><script/><p>no script <% x %></p><!-- <script>";
  const std::u16string_view asp =
      u"<!-- #include file=\"a.inc\" -->\r\n<% x = 1 %><%= x %><script>c</script>"
      u"<SCRIPT RUNAT=Server>s</SCRIPT>";
  const std::u16string encoded_asp =
      u"<!-- #include file=\"a.inc\" -->\r\n<%{{ x = 1 }}%><%={{ x }}%><script>c</script>"
      u"<SCRIPT LANGUAGE=\"VBScript.Encode\" RUNAT=Server>{{s}}</SCRIPT>";
  const std::u16string asp_with_directive = u"<%@ LANGUAGE = VBScript.Encode %>\r\n" + encoded_asp;
  const Case cases[] = {
      // Script files are one block, after a start marker if there is one.
      {FileKind::VBScriptFile, u"", u"{{}}"},
      {FileKind::VBScriptFile, u"'(c) me\r\n'**Start Encode**\r\nMsgBox 1", u"'(c) me\r\n'**Start Encode**{{\r\nMsgBox 1}}"},
      {FileKind::JScriptFile, u"//**Start Encode**", u"//**Start Encode**{{}}"},
      // The marker counts only as written.
      {FileKind::JScriptFile, u"//**start encode**\nx", u"{{//**start encode**\nx}}"},

      // Pages: script elements naming one of our languages (LANGUAGE, else TYPE), or none.
      {FileKind::HtmlPage, u"<Script title='a > b' Language=jscript Defer>x</Script >",
       u"<Script title='a > b' Language=JScript.Encode Defer>{{x}}</Script >"},
      {FileKind::HtmlPage, u"<!----><<script>x</script>",
       u"<!----><<script LANGUAGE=\"VBScript.Encode\">{{x}}</script>", {ScriptLanguage::VBScript}},
      {FileKind::HtmlPage, u"<script src=\"a.js\"/><script language=\"\" type=text/vbscript>x</script>",
       u"<script src=\"a.js\"/><script language=\"VBScript.Encode\" type=text/vbscript>{{x}}</script>"},
      {FileKind::HtmlPage, u"<script language type=text/javascript>x</script>",
       u"<script language=\"JScript.Encode\" type=text/javascript>{{x}}</script>"},
      // A page's script is raw text: CDATA there is part of it.
      {FileKind::HtmlPage, u"<script>//<![CDATA[\nx\n//]]></script>",
       u"<script LANGUAGE=\"JScript.Encode\">{{//<![CDATA[\nx\n//]]>}}</script>"},
      // Each element is a script of its own, with or without a marker.
      {FileKind::HtmlPage, u"<script>a\n//**Start Encode**\nb</script><script>c</script>",
       u"<script LANGUAGE=\"JScript.Encode\">a\n//**Start Encode**{{\nb}}</script>"
       u"<script LANGUAGE=\"JScript.Encode\">{{c}}</script>"},
      {FileKind::HtmlPage, kept, kept},
      // A tag the text ends in is not closed, so no tag.
      {FileKind::HtmlPage, u"<script a", u"<script a"},

      // ASP pages: sections, server script elements, the directive.
      {FileKind::AspPage, asp, asp_with_directive},
      {FileKind::AspPage, asp, encoded_asp, kNoDirective},
      // global.asa takes no directive.
      {FileKind::AspApplication, asp, encoded_asp},
      // The page's own directive decides its language and names the encoded one,
      // also under /xl, which only keeps a directive from being added.
      {FileKind::AspPage, u" <%@Language=\"JScript\" %>\r\n<%x%><%@ y %><%%>",
       u" <%@Language=\"JScript.Encode\" %>\r\n<%{{x}}%><%@ y %><%%>", kNoDirective},
      {FileKind::AspPage, u"<%@CODEPAGE=932%><%x%>", u"<%@ LANGUAGE=\"VBScript.Encode\" CODEPAGE=932%><%{{x}}%>"},
      // A page in another language, an encoded one among them, keeps its sections.
      {FileKind::AspPage,
       u"<%@ LANGUAGE=VBScript.Encode %><%#@~^AAAAAA==AAAAAA==^#~@%><script runat=\"server\" language=vbscript>v</script>",
       u"<%@ LANGUAGE=VBScript.Encode %><%#@~^AAAAAA==AAAAAA==^#~@%><script runat=\"server\" language=VBScript.Encode>{{v}}</script>"},

      // Scriptlets keep or add CDATA sections; only with an XML declaration are
      // references resolved.
      {FileKind::Scriptlet, u"<script language=\"JScript\"><![CDATA[\na </script> b\n]]></script>",
       u"<script language=\"JScript.Encode\"><![CDATA[{{\na </script> b\n}}]]></script>"},
      {FileKind::Scriptlet, u"<?xml version=\"1.0\"?><script>//**Start Encode**\nif (a &lt; b &amp;&#x41;) c()</script>",
       u"<?xml version=\"1.0\"?><script LANGUAGE=\"JScript.Encode\">//**Start Encode**<![CDATA[{{\nif (a < b &A) c()}}]]></script>"},
      {FileKind::Scriptlet, u"<script language=\"VBScript\">a &amp; b</script>",
       u"<script language=\"VBScript.Encode\">{{a &amp; b}}</script>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u16string(c.input)));
    EXPECT_EQ(encode_text(c.input, c.kind, c.options).text, with_blocks(c.expected));
  }
}

TEST(EncodeText, UnclosedScriptPartsAreRefusedWithTheirLine) {
  using enum EncodeError::Problem;
  const std::tuple<FileKind, std::u16string_view, EncodeError::Problem, std::size_t> cases[] = {
      {FileKind::AspPage, u"a\r\n<% x", UnclosedSection, 2},
      {FileKind::AspPage, u"\n<%@ LANGUAGE=\"x %>", UnclosedSection, 2},
      {FileKind::HtmlPage, u"\n\n<script>x", UnclosedScript, 3},
      {FileKind::Scriptlet, u"<script>\n<![CDATA[ x </script>", UnclosedCdata, 2},
  };
  for (const auto& [kind, text, problem, line] : cases)
    EXPECT_THAT([&] { encode_text(text, kind, {}); },
                testing::Throws<EncodeError>(testing::AllOf(testing::Property(&EncodeError::problem, problem),
                                                            testing::Property(&EncodeError::line, line))));
}

TEST(EncodeText, CheckFindsABlockThatDoesNotDecodeToItsText) {
  const std::u16string text = u"<" + encode_block(u"x\ny") + u">";
  EXPECT_TRUE(block_encodes(text, 1, u"x\ny"));
  for (const std::u16string_view plain : {u"x\nz", u"x\n", u"x\nyy"}) EXPECT_FALSE(block_encodes(text, 1, plain));
  EXPECT_FALSE(block_encodes(text, 0, u"x\ny"));
}

TEST(FileKind, ExtensionsInAnyCaseWithOrWithoutTheDot) {
  const std::pair<std::u16string_view, std::optional<FileKind>> cases[] = {
      {u".JS", FileKind::JScriptFile}, {u"Htm", FileKind::HtmlPage}, {u"cdx", FileKind::HtmlPage},
      {u".asa", FileKind::AspApplication}, {u"wsf", std::nullopt}, {u"", std::nullopt}, {u"..vbs", std::nullopt}};
  for (const auto& [extension, kind] : cases)
    EXPECT_EQ(file_kind_for_extension(extension), kind) << testing::PrintToString(std::u16string(extension));
}

TEST(XmlReferences, ResolvedOnlyWhenWellFormed) {
  EXPECT_EQ(resolve_references(u"&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#X43;&#x1f600;&#1114111;"
                               u"&#x6A;&#x00000000041;&#39;&foo;&#xD800;&#xDFFF;&#0;&#;&#x;& x;&#x100000041;"
                               u"&#x11FFFF;&#6a;a&b&lt&"),
            u"<>&\"'AB&#X43;😀\U0010FFFFjA'&foo;&#xD800;&#xDFFF;&#0;&#;&#x;& x;&#x100000041;"
            u"&#x11FFFF;&#6a;a&b&lt&");
}

}  // namespace screnc
