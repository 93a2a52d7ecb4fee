// A typical use from a first start to the next one, worked by keyboard where a
// user would: Tab walks the window in its order, Enter runs.
#include <algorithm>

#include "app/frm1_layout.h"
#include "driver.h"

namespace e2e {
namespace {

TEST(Usage, FirstStartRunByKeyboardAndTheNextStartRestoresIt) {
  TempFolder work(L"usage 日本");
  const std::wstring input = work / L"報告書.vbs", output = work / L"報告書.vbe";
  write_bytes(input, "MsgBox 1\r\n");
  App app;
  app.start();

  // Twice round, so that the walk can be read from wherever it starts.
  const Names order = {L"cmb1", L"txt1", L"cmd1", L"chk1", L"chk2", L"cmd4", L"cmd3", L"cmd_h", L"cmd_r", L"cmb1"};
  Names walk;
  for (size_t i = 0; i < 2 * order.size(); ++i) {
    app.press(VK_TAB);
    walk.push_back(app.main().focused());
  }
  const auto first = std::find(walk.begin(), walk.begin() + order.size(), order.front());
  ASSERT_NE(first, walk.begin() + order.size()) << "Tab never reached cmb1";
  EXPECT_EQ(Names(first, first + order.size()), order) << "closed detail area, disabled and hidden controls skipped";

  app[L"cmd4"].click();
  const std::wstring encoder = install_encoder(work.path);
  app[L"txt3"].type(encoder);
  app.drop({input});
  for (int i = 0; i < 20 && app.main().focused() != L"txt1"; ++i) app.press(VK_TAB);
  app.press(VK_RETURN);
  answer_box(app, L"エンコードが終了しました。", L"報告", kInformation, IDOK);
  ASSERT_TRUE(batch_removed(app));
  EXPECT_TRUE(file_exists(output));

  ASSERT_TRUE(app.close());
  app.start();
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(input));
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(encoder));
  EXPECT_EQ(u8(app[L"cmd4"].text()), "詳細を閉じる") << "the run saved the open detail area";
  EXPECT_NEAR(app.main().outer_height(), pixels(kDetailOpenHeight), 1);
}

}  // namespace
}  // namespace e2e
