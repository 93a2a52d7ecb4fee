// A first start and a typical use with our encoder, worked by keyboard where a
// user would: Tab in the table's order, the detail area, Enter to run; then the
// next start restores it.
#include "app/frm1_layout.h"
#include "driver.h"


namespace e2e {
namespace {

const wchar_t kDefaultEncoder[] = L"C:\\Program Files\\Windows Script Encoder\\screnc.exe";

// The detail area lies below Line2; its controls take the focus only while it is open.
void expect_detail_area(const App& app, bool open) {
  EXPECT_NEAR(app.main().outer_height(), pixels(open ? kDetailOpenHeight : kDetailClosedHeight), 1);
  for (const ControlRow& row : kFrm1Controls) {
    const bool focusable = row.kind != Kind::Label && row.kind != Kind::Line;
    EXPECT_EQ(app[row.name].tab_stop(), focusable && (open || row.rect.top < 2160)) << u8(row.name);
  }
}

// Drops the script, runs it by Enter from the input box and checks that the
// output decodes to the script.
void encode_by_keyboard(const App& app, const std::wstring& script, const std::wstring& output) {
  app.drop({script});
  // A click puts the focus in the text box, where Enter presses the default button.
  send(app[L"txt1"].hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  send(app[L"txt1"].hwnd, WM_LBUTTONUP, 0, 0);
  app.press(VK_RETURN);
  answer_box(app, L"エンコードが終了しました。", L"報告", IDOK);
  ASSERT_TRUE(app.batch_removed());
  EXPECT_EQ(u8(decoded(output).value_or(L"(does not decode)")), u8(cp932_text(read_bytes(script).value_or(""))))
      << u8(output);
}

TEST(Usage, FirstStartTypicalUseAndTheNextStart) {
  TempFolder work(L"使い方 with spaces");
  const std::wstring vbs = work / L"報告 書.vbs", js = work / L"表 計算.js";
  write_bytes(vbs, cp932_file({L"MsgBox \"日本語\"", L"' ～ 終わり"}));
  write_bytes(js, "WScript.Echo(1 < 2);\r\n");
  App app(L"app 日本");
  make_folder(app.path(L"encoder"));
  const std::wstring encoder = install_encoder(app.path(L"encoder"));
  app.start();

  EXPECT_EQ(u8(app[L"txt3"].text()), u8(kDefaultEncoder));
  for (const ControlRow& row : kFrm1Controls)  // only the input box takes files
    EXPECT_EQ((GetWindowLongW(app[row.name].hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0, row.name == std::wstring(L"txt1"));
  const auto first_file = app.read(kSettingsFile);
  EXPECT_EQ(first_file, cp932_file({kDefaultEncoder, L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off",
                                    L"off", L"off", L"off", L"on", L"vb", L""}));

  // Tab walks the controls with a tab stop in the order they were made: the table's tab order.
  Names made, by_tab;
  for (HWND child = GetWindow(app.main().hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    made.push_back(kFrm1Controls[GetDlgCtrlID(child) - kFirstControlId].name);
  for (int tab = 0; tab < kFrm1ControlCount; ++tab)
    for (const ControlRow& row : kFrm1Controls)
      if (row.tab == tab) by_tab.push_back(row.name);
  by_tab.push_back(L"Line2");  // no tab position: made last
  EXPECT_EQ(made, by_tab);
  expect_detail_area(app, false);

  app[L"cmd4"].click();
  expect_detail_area(app, true);
  app[L"txt3"].type(encoder);
  encode_by_keyboard(app, vbs, work / L"報告 書.vbe");
  encode_by_keyboard(app, js, work / L"表 計算.jse");

  // Started maximized, as a shortcut may ask: the window keeps its size.
  ASSERT_TRUE(app.close());
  app.start(SW_SHOWMAXIMIZED);
  EXPECT_FALSE(IsZoomed(app.main().hwnd));
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(js));
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(encoder));
  expect_detail_area(app, true);
}

}  // namespace
}  // namespace e2e
