// Several scripts handed at once as Send To hands them, confirmed and encoded by
// our encoder; then a later start hands one more to the open window.
#include "driver.h"

namespace mosa {

namespace e2e {
namespace {

TEST(Batch, ThreeScriptsHandedAtOnceThenOneMoreFromALaterStart) {
  TempFolder work(L"スクリプト 集");
  const std::wstring vbs = work / L"報告 書.vbs", js = work / L"b.js", asp = work / L"c.asp";
  write_bytes(vbs, cp932_file({L"MsgBox \"日本語\""}));
  write_bytes(js, "WScript.Echo(1 < 2);\r\n");
  write_bytes(asp, cp932_file({L"<html><body>", L"<% Response.Write \"日本\" %>", L"</body></html>"}));
  App app(L"app 一括", true);
  app.start(SW_SHOWDEFAULT, L"\"" + vbs + L"\" \"" + js + L"\" \"" + asp + L"\"");
  answer_box(app, texts::several_question(3, {L"報告 書.vbs", L"b.js", L"c.asp"}, L"", true), texts::kConfirmTitle,
             IDYES);
  answer_box(app, texts::all_encoded(3), texts::kReportTitle, IDOK);
  ASSERT_TRUE(app.batch_removed());
  EXPECT_EQ(app[input_box].text(), L"") << "the fields stay as they were";
  EXPECT_EQ(u8(decoded(work / L"報告 書.vbe").value_or(L"-")), u8(cp932_text(*read_bytes(vbs))));
  EXPECT_EQ(u8(decoded(work / L"b.jse").value_or(L"-")), "WScript.Echo(1 < 2);\r\n");
  const std::wstring page = decoded(work / L"c_enc.asp").value_or(L"-");
  EXPECT_NE(page.find(L"Response.Write \"日本\""), std::wstring::npos) << u8(page);
  EXPECT_EQ(cp932_text(read_bytes(work / L"c_enc.asp").value_or("")).find(L"Response.Write"), std::wstring::npos);
  const std::wstring log = cp932_text(app.read(kLogFile).value_or(""));
  for (const std::wstring& input : {vbs, js, asp})
    EXPECT_NE(log.find(texts::quoted(input) + L" → "), std::wstring::npos) << u8(log);

  // One file from a later start: taken as a drop on the open window.
  const std::wstring more = work / L"d.vbs";
  write_bytes(more, "MsgBox 4\r\n");
  ASSERT_TRUE(app.start_again(L"\"" + more + L"\""));
  EXPECT_TRUE(wait_until([&] { return app[input_box].text() == more; })) << u8(app[input_box].text());
  EXPECT_EQ(app[output_folder_box].text(), work.path + L"\\");
  ASSERT_TRUE(app.start_again(L"")) << "a start without files only brings the window forward";

  // Two chosen in the dialog, from the folder of the last input.
  app[input_browse_button].post_click();
  app.wait_file_dialog().choose(L"\"b.js\" \"報告 書.vbs\"");
  answer_box(app, texts::several_question(2, {L"b.js", L"報告 書.vbs"}, L"", true), texts::kConfirmTitle, IDNO);
  EXPECT_EQ(app[input_box].text(), more);
  EXPECT_TRUE(app.close());
}

}  // namespace
}  // namespace e2e

}  // namespace mosa
