// The help page through browser automation and the readme in Notepad; the
// programs they start are closed again and the window goes on working.
#include "driver.h"

namespace e2e {
namespace {

TEST(Documents, HelpAndReadmeOpenAndTheWindowGoesOn) {
  App app(L"docs 日本");
  make_folder(app.path(L"help"));
  write_bytes(app.path(L"help\\index.html"), "<html><head><title>help</title></head></html>\r\n");
  write_bytes(app.path(L"readme.txt"), "readme of the end-to-end test\r\n");
  app.start();

  app[L"cmd_h"].post_click();
  EXPECT_TRUE(close_program_showing(L"IEFrame", app.path(L"help\\index.html"))) << "no browser shows the help page";
  expect_no_box(app);
  app[L"cmd_r"].post_click();
  EXPECT_TRUE(close_program_showing(L"Notepad", L"readme of the end-to-end test\r\n")) << "no Notepad shows the readme";
  expect_no_box(app);
  app[L"cmd4"].click();
  EXPECT_EQ(u8(app[L"cmd4"].text()), "詳細を閉じる");
}

}  // namespace
}  // namespace e2e
