// A first start of the folder as users unpack it, handed a sample script as
// Send To hands it, and a typical use with our encoder, worked by keyboard where
// a user would: Tab in the table's order, the detail area, Enter to run; then
// the next start restores it.
#include "app/main_window_layout.h"
#include "driver.h"

namespace mosa {

namespace e2e {
namespace {

// The detail area lies below its line; its controls take the focus only while it is open.
void expect_detail_area(const App& app, bool open) {
  EXPECT_NEAR(app.main().outer_height(), pixels(open ? kDetailOpenHeight : kDetailClosedHeight), 1);
  for (const auto& [role, row] : kMainWindowTable) {
    const bool focusable = row.kind != Kind::Label && row.kind != Kind::Line;
    EXPECT_EQ(app[role].tab_stop(), focusable && (open || row.rect.top < 2160)) << u8(row.name);
  }
}

// Runs the script in the input box by Enter from there and checks that the
// output decodes to it.
void encode_by_keyboard(const App& app, const std::wstring& script, const std::wstring& output) {
  // A click puts the focus in the text box, where Enter presses the default button.
  send(app[input_box].hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  send(app[input_box].hwnd, WM_LBUTTONUP, 0, 0);
  app.press(VK_RETURN);
  answer_box(app, texts::kRunFinished, texts::kReportTitle, IDOK);
  ASSERT_TRUE(app.batch_removed());
  EXPECT_EQ(u8(decoded(output).value_or(L"(does not decode)")), u8(cp932_text(read_bytes(script).value_or(""))))
      << u8(output);
}

TEST(Usage, FirstStartTypicalUseAndTheNextStart) {
  TempFolder work(L"使い方 with spaces");
  const std::wstring vbs = work / L"報告 書.vbs", js = work / L"表 計算.js";
  write_bytes(vbs, cp932_file({L"MsgBox \"日本語\"", L"' ～ 終わり"}));
  write_bytes(js, "WScript.Echo(1 < 2);\r\n");
  App app(L"app 日本", true);
  const std::wstring encoder = app.path(L"encoder\\screnc.exe"), sample = app.path(L"samples\\hello.vbs");
  app.start(SW_SHOWDEFAULT, L"\"" + sample + L"\"");

  for (const auto& [role, row] : kMainWindowTable)  // only the input box takes files
    EXPECT_EQ((GetWindowLongW(app[role].hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0, role == input_box) << u8(row.name);
  // Ours, where Microsoft's is not installed.
  EXPECT_EQ(app.read(kSettingsFile), cp932_file({encoder, L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off",
                                    L"off", L"off", L"off", L"on", L"vb", L""}));

  // Tab walks the controls with a tab stop in the order they were made: the table's tab order.
  Names made, by_tab;
  for (HWND child = GetWindow(app.main().hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    made.push_back(kMainWindowControls[GetDlgCtrlID(child) - kFirstControlId].name);
  for (int tab = 0; tab < std::ssize(kMainWindowControls); ++tab)
    for (const ControlRow& row : kMainWindowControls)
      if (row.tab == tab) by_tab.push_back(row.name);
  by_tab.push_back(app[detail_line].name);  // no tab position: made last
  EXPECT_EQ(made, by_tab);
  expect_detail_area(app, false);
  encode_by_keyboard(app, sample, app.path(L"samples\\hello.vbe"));

  app[detail_button].click();
  expect_detail_area(app, true);
  for (const auto& [script, output] : {std::pair{vbs, work / L"報告 書.vbe"}, {js, work / L"表 計算.jse"}}) {
    app.drop({script});
    encode_by_keyboard(app, script, output);
  }

  // Started maximized, as a shortcut may ask: the window keeps its size.
  ASSERT_TRUE(app.close());
  app.start(SW_SHOWMAXIMIZED);
  EXPECT_FALSE(IsZoomed(app.main().hwnd));
  EXPECT_EQ(u8(app[input_box].text()), u8(js));
  EXPECT_EQ(u8(app[encoder_box].text()), u8(encoder));
  expect_detail_area(app, true);
}

}  // namespace
}  // namespace e2e

}  // namespace mosa
