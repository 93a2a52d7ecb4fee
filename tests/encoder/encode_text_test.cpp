// The kinds of file: which parts become blocks and what else changes.
#include <gtest/gtest.h>

#include "encoder/block.h"
#include "encoder/encode_text.h"
#include "encoder/xml_references.h"

namespace {

// The text with each {{plain}} replaced by the block of plain.
std::u16string with_blocks(std::u16string_view pattern) {
  std::u16string text;
  std::size_t at = 0;
  for (std::size_t open; (open = pattern.find(u"{{", at)) != std::u16string_view::npos;) {
    const std::size_t close = pattern.find(u"}}", open);
    text += pattern.substr(at, open - at);
    append_block(text, pattern.substr(open + 2, close - open - 2));
    at = close + 2;
  }
  return text + std::u16string(pattern.substr(at));
}

struct Case {
  FileKind kind;
  std::u16string_view input, expected;
  EncodeOptions options = {};
};

constexpr EncodeOptions kVBScript{ScriptLanguage::VBScript};
constexpr EncodeOptions kJScript{ScriptLanguage::JScript};
constexpr EncodeOptions kNoDirective{std::nullopt, false};

void expect_cases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const EncodedText encoded = encode_text(c.input, c.kind, c.options);
    EXPECT_EQ(encoded.text, with_blocks(c.expected)) << testing::PrintToString(std::u16string(c.input));
  }
}

}  // namespace

TEST(EncodeText, PlainScriptsAreOneBlockAfterAnyStartMarker) {
  expect_cases({
      {FileKind::VBScriptFile, u"MsgBox 1\r\n", u"{{MsgBox 1\r\n}}"},
      {FileKind::VBScriptFile, u"", u"{{}}"},
      {FileKind::VBScriptFile, u"'(c) me\r\n'**Start Encode**\r\nMsgBox 1",
       u"'(c) me\r\n'**Start Encode**{{\r\nMsgBox 1}}"},
      {FileKind::JScriptFile, u"//**Start Encode**", u"//**Start Encode**{{}}"},
      // The marker counts only as written; tags and blocks are text like any other.
      {FileKind::JScriptFile, u"//**start encode**\nx", u"{{//**start encode**\nx}}"},
      {FileKind::JScriptFile, u"<script>x</script>", u"{{<script>x</script>}}"},
      {FileKind::JScriptFile, u"w(\"#@~^AAAAAA==AAAAAA==^#~@\")", u"{{w(\"#@~^AAAAAA==AAAAAA==^#~@\")}}"},
  });
}

TEST(EncodeText, HtmlScriptElementsNamingOurLanguagesOrNone) {
  expect_cases({
      {FileKind::HtmlPage, u"<p onload=\"x()\"><SCRIPT LANGUAGE=\"VBScript\">\n x\n</SCRIPT>",
       u"<p onload=\"x()\"><SCRIPT LANGUAGE=\"VBScript.Encode\">{{\n x\n}}</SCRIPT>"},
      {FileKind::HtmlPage, u"<script language='JavaScript'>x</script >",
       u"<script language='JScript.Encode'>{{x}}</script >"},
      {FileKind::HtmlPage, u"<Script title=\"a > b\" Language=jscript Defer>x</Script>",
       u"<Script title=\"a > b\" Language=JScript.Encode Defer>{{x}}</Script>"},
      {FileKind::HtmlPage, u"<!----><<script>x</script>",
       u"<!----><<script LANGUAGE=\"JScript.Encode\">{{x}}</script>"},
      {FileKind::HtmlPage, u"<script>x</script>", u"<script LANGUAGE=\"VBScript.Encode\">{{x}}</script>",
       kVBScript},
      {FileKind::HtmlPage, u"<script type=\"text/vbscript\">x</script>",
       u"<script LANGUAGE=\"VBScript.Encode\" type=\"text/vbscript\">{{x}}</script>"},
      {FileKind::HtmlPage, u"<script src=\"a.js\"/><script language=\"\" type=text/vbscript>x</script>",
       u"<script src=\"a.js\"/><script language=\"VBScript.Encode\" type=text/vbscript>{{x}}</script>"},
      // A page's script is raw text: CDATA there is part of it.
      {FileKind::HtmlPage, u"<script>//<![CDATA[\nx\n//]]></script>",
       u"<script LANGUAGE=\"JScript.Encode\">{{//<![CDATA[\nx\n//]]>}}</script>"},
      {FileKind::HtmlPage, u"<script language type=text/javascript>x</script>",
       u"<script language=\"JScript.Encode\" type=text/javascript>{{x}}</script>"},
      // Each element is a script of its own, with or without a marker.
      {FileKind::HtmlPage, u"<script>a\n//**Start Encode**\nb</script><script>c</script>",
       u"<script LANGUAGE=\"JScript.Encode\">a\n//**Start Encode**{{\nb}}</script>"
       u"<script LANGUAGE=\"JScript.Encode\">{{c}}</script>"},
  });
}

TEST(EncodeText, HtmlElementsLeftAsTheyAre) {
  // Blank content (a src element's, too), other languages, encoded scripts,
  // comments, other elements and ASP sections.
  for (const std::u16string_view page : {
           u"<script src=\"a.js\"></script><script src=a.js>\r\n</script>",
           u"<script language=\"PerlScript\">x</script><script type=\"text/template\">x</script>",
           u"<script language=\"VBScript.Encode\">#@~^AAAAAA==AAAAAA==^#~@</script>",
           u"<!-- <script>x</script> --><scripts>x</scripts><script/>",
           u"<p>no script <% x %></p><!-- <script>"})
    EXPECT_EQ(encode_text(page, FileKind::HtmlPage, {}).text, page);
}

TEST(EncodeText, AspSectionsDirectiveAndServerScripts) {
  const std::u16string_view page =
      u"<!-- #include file=\"a.inc\" -->\r\n<% x = 1 %><%= x %><script>c</script>"
      u"<SCRIPT RUNAT=Server>s</SCRIPT>";
  const std::u16string_view encoded =
      u"<!-- #include file=\"a.inc\" -->\r\n<%{{ x = 1 }}%><%={{ x }}%><script>c</script>"
      u"<SCRIPT LANGUAGE=\"VBScript.Encode\" RUNAT=Server>{{s}}</SCRIPT>";
  expect_cases({
      {FileKind::AspPage, page, u"<%@ LANGUAGE = VBScript.Encode %>\r\n" + std::u16string(encoded)},
      {FileKind::AspPage, page, encoded, kNoDirective},
      // global.asa takes no directive.
      {FileKind::AspApplication, page, encoded},
      {FileKind::AspPage, u"<%x%>", u"<%@ LANGUAGE = JScript.Encode %>\r\n<%{{x}}%>", kJScript},
      // The page's own directive decides its language and names the encoded one,
      // also under /xl, which only keeps a directive from being added.
      {FileKind::AspPage, u" <%@Language=\"JScript\" %>\r\n<%x%><%@ y %><%%>",
       u" <%@Language=\"JScript.Encode\" %>\r\n<%{{x}}%><%@ y %><%%>", kNoDirective},
      {FileKind::AspPage, u"<%@CODEPAGE=932%><%x%>",
       u"<%@ LANGUAGE=\"VBScript.Encode\" CODEPAGE=932%><%{{x}}%>"},
      // A page in another language, or one already encoded, keeps its sections.
      {FileKind::AspPage, u"<%@ LANGUAGE=PerlScript %><%x%><script runat=\"server\" language=vbscript>v</script>",
       u"<%@ LANGUAGE=PerlScript %><%x%><script runat=\"server\" language=VBScript.Encode>{{v}}</script>"},
      {FileKind::AspPage, u"<%@ LANGUAGE=VBScript.Encode %><%#@~^AAAAAA==AAAAAA==^#~@%>",
       u"<%@ LANGUAGE=VBScript.Encode %><%#@~^AAAAAA==AAAAAA==^#~@%>"},
      {FileKind::AspPage, u"<% '**Start Encode**\r\nx %>", u"<% '**Start Encode**{{\r\nx }}%>",
       kNoDirective},
  });
}

TEST(EncodeText, ScriptletsKeepOrAddCdataSections) {
  expect_cases({
      {FileKind::Scriptlet, u"<script language=\"JScript\"><![CDATA[\na </script> b\n]]></script>",
       u"<script language=\"JScript.Encode\"><![CDATA[{{\na </script> b\n}}]]></script>"},
      {FileKind::Scriptlet, u"<?xml version=\"1.0\"?><script>//**Start Encode**\nif (a &lt; b &amp;&#x41;) c()</script>",
       u"<?xml version=\"1.0\"?><script LANGUAGE=\"JScript.Encode\">//**Start Encode**<![CDATA[{{\nif (a < b &A) c()}}]]></script>"},
      // Without an XML declaration the text is taken as it is.
      {FileKind::Scriptlet, u"<script language=\"VBScript\">a &amp; b</script>",
       u"<script language=\"VBScript.Encode\">{{a &amp; b}}</script>"},
  });
}

TEST(EncodeText, UnclosedScriptPartsAreRefusedWithTheirLine) {
  const std::tuple<FileKind, std::u16string_view, EncodeError::Problem, std::size_t> cases[] = {
      {FileKind::AspPage, u"a\r\n<% x", EncodeError::Problem::UnclosedSection, 2},
      {FileKind::AspPage, u"\n<%@ LANGUAGE=\"x %>", EncodeError::Problem::UnclosedSection, 2},
      {FileKind::HtmlPage, u"\n\n<script>x", EncodeError::Problem::UnclosedScript, 3},
      {FileKind::Scriptlet, u"<script>\n<![CDATA[ x </script>", EncodeError::Problem::UnclosedCdata, 2},
  };
  for (const auto& [kind, text, problem, line] : cases) {
    try {
      encode_text(text, kind, {});
      ADD_FAILURE() << "encoded " << testing::PrintToString(std::u16string(text));
    } catch (const EncodeError& e) {
      EXPECT_EQ(e.problem(), problem);
      EXPECT_EQ(e.line(), line);
    }
  }
}

TEST(EncodeText, CheckFindsABlockThatDoesNotDecodeToItsText) {
  EncodedText encoded = encode_text(u"x\ny", FileKind::VBScriptFile, {});
  EXPECT_NO_THROW(check_blocks(encoded));
  for (const char16_t* wrong_plain : {u"x\nz", u""}) {
    EncodedText altered = encoded;
    altered.blocks[0].plain = wrong_plain;
    EXPECT_THROW(check_blocks(altered), EncodeError);
  }
  encoded.text.insert(0, u"\n");
  EXPECT_THROW(check_blocks(encoded), EncodeError);
}

TEST(FileKind, RecognisedExtensionsInAnyCaseWithOrWithoutTheDot) {
  const std::pair<std::u16string_view, std::optional<FileKind>> cases[] = {
      {u"vbs", FileKind::VBScriptFile}, {u".JS", FileKind::JScriptFile},
      {u"Htm", FileKind::HtmlPage},     {u".html", FileKind::HtmlPage},
      // A channel definition is a page whose script is in <SCRIPT> elements.
      {u"cdx", FileKind::HtmlPage},     {u"ASP", FileKind::AspPage},
      {u".asa", FileKind::AspApplication}, {u"sct", FileKind::Scriptlet},
      {u"wsf", std::nullopt},           {u"", std::nullopt}, {u"..vbs", std::nullopt}};
  for (const auto& [extension, kind] : cases)
    EXPECT_EQ(file_kind_for_extension(extension), kind) << testing::PrintToString(std::u16string(extension));
}

TEST(XmlReferences, ResolvedOnlyWhenWellFormed) {
  EXPECT_EQ(resolve_references(u"&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#X43;&#x1f600;&#1114111;"
                               u"&#x6A;&#x00000000041;&#39;&foo;&#xD800;&#xDFFF;&#0;&#;&#x;& x;&#x100000041;"
                               u"&#x11FFFF;&#6a;a&b&lt"),
            u"<>&\"'AB&#X43;😀\U0010FFFFjA'&foo;&#xD800;&#xDFFF;&#0;&#;&#x;& x;&#x100000041;"
            u"&#x11FFFF;&#6a;a&b&lt");
}
