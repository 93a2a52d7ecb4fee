// The window of a first start, the detail button, clicks on the window's
// surface and a second start.
#include <map>

#include "app/frm1_layout.h"
#include "driver.h"

namespace e2e {
namespace {

const wchar_t kDefaultEncoder[] = L"C:\\Program Files\\Windows Script Encoder\\screnc.exe";

// By Kind: button, check box, text box, combo box, label, line.
const wchar_t* const kWindowClasses[] = {L"Button", L"Button", L"Edit", L"ComboBox", L"Static", L"Static"};

// The detail area lies below Line2; its controls take the focus only while it is open.
void expect_detail_area(const App& app, bool open) {
  EXPECT_NEAR(app.main().outer_height(), pixels(open ? kDetailOpenHeight : kDetailClosedHeight), 1);
  EXPECT_EQ(u8(app[L"cmd4"].text()), open ? "詳細を閉じる" : "詳細を開く");
  for (const ControlRow& row : kFrm1Controls) {
    const bool focusable = row.kind != Kind::Label && row.kind != Kind::Line;
    EXPECT_EQ(app[row.name].tab_stop(), focusable && (open || row.rect.top < 2160)) << u8(row.name);
  }
}

TEST(Startup, FirstStartShowsTheTableWritesTheDefaultsAndAnswersTheMouse) {
  App app;
  app.start();
  const std::map<std::wstring, std::wstring> filled = {
      {L"txt1", L""}, {L"txt2", L""}, {L"txt3", kDefaultEncoder}, {L"txt4", L""},
      {L"cmb1", L"vbs"}, {L"cmb2", L"VBScript"}, {L"lbl6", L".vbe"}};
  for (const ControlRow& row : kFrm1Controls) {
    SCOPED_TRACE(u8(row.name));
    const Control control = app[row.name];
    EXPECT_EQ(u8(class_of(control.hwnd)), u8(kWindowClasses[static_cast<int>(row.kind)]));
    EXPECT_EQ(u8(control.text()), u8(filled.contains(row.name) ? filled.at(row.name) : row.caption));
    const RECT rect = control.rect();
    EXPECT_NEAR(rect.left, pixels(row.rect.left), 2);
    EXPECT_NEAR(rect.top, pixels(row.rect.top), 2);
    EXPECT_NEAR(rect.right - rect.left, pixels(row.rect.width), 2);
    EXPECT_EQ(control.visible(), row.name != std::wstring(L"cmd8"));
    EXPECT_EQ((GetWindowLongW(control.hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0, row.name == std::wstring(L"txt1"));
  }
  expect_detail_area(app, false);
  const auto first_file = app.read(kSettingsFile);
  EXPECT_EQ(first_file, cp932_file({kDefaultEncoder, L"vbs", L"on", L"off", L"", L"", L"", L"", L"", L".vbe", L"off",
                                    L"off", L"off", L"off", L"on", L"vb", L""}));

  app[L"cmd4"].click();
  expect_detail_area(app, true);
  app[L"cmd4"].click();
  expect_detail_area(app, false);

  const Control cmd8 = app[L"cmd8"];
  app.click_surface(true);
  EXPECT_TRUE(cmd8.visible());
  app.click_surface(true);
  EXPECT_FALSE(cmd8.visible());
  app.click_surface(true);
  app.click_surface(false);
  EXPECT_FALSE(cmd8.visible()) << "a left click hides 初期化";

  EXPECT_TRUE(app.second_instance_ends_silently());
  EXPECT_EQ(app.read(kSettingsFile), first_file);

  // Started maximized, as a shortcut may ask: the window keeps its size.
  ASSERT_TRUE(app.close());
  app.start(SW_SHOWMAXIMIZED);
  EXPECT_FALSE(IsZoomed(app.main().hwnd));
  EXPECT_NEAR(app.main().outer_height(), pixels(kDetailClosedHeight), 1);
}

}  // namespace
}  // namespace e2e
