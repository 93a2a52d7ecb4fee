// The script type list, the encoder options, the option reset and the
// initialisation of all settings, worked on the real window.
#include "app/frm1_layout.h"
#include "driver.h"

namespace e2e {
namespace {

TEST(Options, TypesOverwriteResetAndInitialiseAll) {
  App app;
  app.start();
  const auto first_file = app.read(kSettingsFile);
  app[L"cmd4"].click();

  const Control ochk1 = app[L"ochk1"], ochk2 = app[L"ochk2"], ochk3 = app[L"ochk3"];
  EXPECT_FALSE(ochk3.enabled());
  app[L"cmb1"].pick(L"asp");
  EXPECT_EQ(u8(app[L"lbl6"].text()), "_enc.asp");
  EXPECT_TRUE(ochk3.enabled());

  app.drop({L"C:\\w\\a.asp"});
  ochk2.post_click();
  answer_box(app, L"C:\\w\\a_enc.asp を上書きします。", L"確認", kYesNo, IDNO);
  EXPECT_EQ(ochk2.check(), BST_UNCHECKED);
  ochk2.post_click();
  answer_box(app, L"C:\\w\\a_enc.asp を上書きします。", L"確認", kYesNo, IDYES);
  EXPECT_EQ(ochk2.check(), BST_CHECKED);

  ochk1.click();
  EXPECT_EQ(ochk1.check(), BST_CHECKED);
  app[L"cmd7"].click();
  EXPECT_EQ(ochk1.check(), BST_UNCHECKED);
  EXPECT_EQ(ochk2.check(), BST_UNCHECKED);

  // 初期化 shows on a right click on the window's surface; the answer decides.
  const Control cmd8 = app[L"cmd8"];
  const std::pair<int, const wchar_t*> answers[] = {
      {IDNO, L"初期化しません。"}, {IDCANCEL, L"初期化を中止しました。"}, {IDYES, L"初期化されました。"}};
  for (const auto& [answer, report] : answers) {
    app.click_surface(true);
    cmd8.post_click();
    answer_box(app, L"注意！\r\r全ての設定を初期化します。初期化しますか？", L"確認", kYesNoCancel, answer);
    answer_box(app, report, L"報告", kInformation, IDOK);
    EXPECT_FALSE(cmd8.visible());
    if (answer != IDYES) {
      EXPECT_EQ(app.read(kSettingsFile), first_file) << "No and Cancel write nothing";
    }
  }
  EXPECT_NEAR(app.main().outer_height(), pixels(kDetailClosedHeight), 1) << "the detail area closes";
  auto defaults = cp932_lines(first_file.value_or(""));
  defaults.at(9) = L"";      // no output path without an input
  defaults.at(16) = L"on";  // saved while the detail area was open
  EXPECT_EQ(file_lines(app, kSettingsFile), defaults);
}

}  // namespace
}  // namespace e2e
