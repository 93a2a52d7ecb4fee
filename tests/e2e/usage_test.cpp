// A typical use from a first start to the next start, worked by keyboard where
// a user would: Tab walks the window in its order, Enter runs.
#include "checks.h"

namespace e2e {
namespace {

using Names = std::vector<std::wstring>;

TEST(Usage, FirstStartRunByKeyboardAndTheNextStartRestoresIt) {
  EncoderFolder tools;
  TempFolder work(L"usage 日本");
  const std::wstring input = work / L"報告書.vbs", output = work / L"報告書.vbe";
  write_bytes(input, "MsgBox 1\r\n");
  App app;
  app.start();

  EXPECT_EQ(tab_cycle(app, L"cmb1"),
            (Names{L"cmb1", L"txt1", L"cmd1", L"chk1", L"chk2", L"cmd4", L"cmd3", L"cmd_h", L"cmd_r"}))
      << "the closed detail area is skipped, and so are disabled and hidden controls";

  app[L"cmd4"].click();
  app[L"txt3"].type(tools.encoder);
  app.drop({input});
  EXPECT_EQ(tab_cycle(app, L"cmb1"),
            (Names{L"cmb1", L"txt1", L"cmd1", L"chk1", L"chk2", L"cmd4", L"cmd3", L"txt3", L"cmd5", L"ochk1",
                   L"ochk2", L"cmd7", L"cmd_h", L"cmd_r"}));

  for (int i = 0; i < 20 && app.main().focused() != L"txt1"; ++i) app.press(VK_TAB);
  ASSERT_EQ(u8(app.main().focused()), "txt1");
  app.press(VK_RETURN);
  answer_box(app, L"エンコードが終了しました。", L"報告", kInformation, IDOK);
  ASSERT_TRUE(batch_removed(app));
  EXPECT_TRUE(file_exists(output));

  ASSERT_TRUE(app.close());
  app.start();
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(input));
  EXPECT_EQ(u8(app[L"txt2"].text()), u8(work.path() + L"\\"));
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(tools.encoder));
  EXPECT_EQ(u8(app[L"txt4"].text()), "報告書");
  EXPECT_EQ(u8(app[L"cmb1"].text()), "vbs");
  EXPECT_EQ(u8(app[L"lbl6"].text()), ".vbe");
  EXPECT_EQ(app[L"chk1"].check(), 1);
  EXPECT_EQ(u8(app[L"cmd4"].text()), "詳細を閉じる") << "the run saved the open detail area";
  EXPECT_NEAR(app.main().outer_height(), pixels(4830), 1);
  EXPECT_EQ(u8(asked_output_path(app)), u8(output));

  // The restored window runs again: the output is there now, so Enter is stopped.
  for (int i = 0; i < 20 && app.main().focused() != L"txt1"; ++i) app.press(VK_TAB);
  app.press(VK_RETURN);
  answer_box(app, output + L"  は既に存在します。", L"報告", kWarning, IDOK);
}

}  // namespace
}  // namespace e2e
