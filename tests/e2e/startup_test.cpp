// What the window shows after a start from each kind of settings file, and what
// the detail button, clicks on the window's surface and a second start do.
#include <algorithm>
#include <map>
#include <set>

#include "app/frm1_layout.h"
#include "checks.h"

namespace e2e {
namespace {

const std::set<std::wstring> kDetailControls = {L"txt3", L"cmd5", L"ochk1", L"ochk2", L"ochk3",
                                                L"ochk4", L"ochk5", L"cmd7", L"cmb2"};

std::wstring expected_class(Kind kind) {
  switch (kind) {
    case Kind::Button:
    case Kind::CheckBox: return L"Button";
    case Kind::TextBox: return L"Edit";
    case Kind::ComboBox: return L"ComboBox";
    default: return L"Static";
  }
}

bool takes_focus(Kind kind) { return kind != Kind::Label && kind != Kind::Line; }

// The window after any start: every control of the table, where the table puts
// it, of the kind the table names.
void expect_laid_out(const App& app) {
  for (const ControlSpec& row : kFrm1Controls) {
    const Control control = app[row.name];
    SCOPED_TRACE(u8(row.name));
    EXPECT_EQ(u8(control.class_name()), u8(expected_class(row.kind)));
    const LONG style = control.style();
    if (row.kind == Kind::Button) {
      EXPECT_TRUE((style & BS_TYPEMASK) == BS_PUSHBUTTON || (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    }
    if (row.kind == Kind::CheckBox) {
      const LONG type = style & BS_TYPEMASK;
      EXPECT_TRUE(type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE);
    }
    if (row.kind == Kind::ComboBox) {
      EXPECT_EQ(style & 3, CBS_DROPDOWN) << "a drop-down list with editable text";
    }
    const RECT rect = control.rect();
    EXPECT_NEAR(rect.left, pixels(row.rect.left), 2);
    EXPECT_NEAR(rect.top, pixels(row.rect.top), 2);
    EXPECT_NEAR(rect.right - rect.left, pixels(row.rect.width), 2);
    const int height = rect.bottom - rect.top;
    if (row.kind == Kind::Label) {
      // A label may grow to the height of one line of its text.
      EXPECT_GE(height, pixels(row.rect.height) - 2);
      EXPECT_LE(height, pixels(row.rect.height) + 4);
    } else if (row.kind != Kind::Line) {
      EXPECT_NEAR(height, pixels(row.rect.height), 2);
    }
  }
  EXPECT_EQ(app[L"cmd3"].style() & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "実行 is the default button";
  EXPECT_EQ(u8(app.main().caption()), u8(kAppCaption));
  EXPECT_NEAR(app.main().client_size().cx, pixels(kFrm1Client.width), 2);
}

// Which controls have a tab stop: everything that can take the focus, the
// detail area's controls only while it is open.
void expect_tab_stops(const App& app, bool detail_open) {
  for (const ControlSpec& row : kFrm1Controls) {
    const bool expected = takes_focus(row.kind) && (detail_open || !kDetailControls.count(row.name));
    EXPECT_EQ(app[row.name].tab_stop(), expected) << u8(row.name);
  }
}

void expect_detail_state(const App& app, bool open) {
  EXPECT_NEAR(app.main().outer_height(), pixels(open ? kDetailOpenHeight : kDetailClosedHeight), 1);
  EXPECT_EQ(u8(app[L"cmd4"].text()), open ? "詳細を閉じる" : "詳細を開く");
  EXPECT_EQ(u8(app[L"cmd4"].tooltip()), open ? "詳細設定域を閉じる" : "詳細設定域を開く");
  expect_tab_stops(app, open);
}

struct Shown {
  std::map<std::wstring, std::wstring> texts;  // where the start changed the laid-out text
  std::set<std::wstring> disabled;
  std::set<std::wstring> ticked;
};

void expect_shown(const App& app, const Shown& shown) {
  for (const ControlSpec& row : kFrm1Controls) {
    const Control control = app[row.name];
    SCOPED_TRACE(u8(row.name));
    const auto text = shown.texts.find(row.name);
    EXPECT_EQ(u8(control.text()), u8(text != shown.texts.end() ? text->second : row.caption));
    EXPECT_EQ(control.enabled(), !shown.disabled.count(row.name));
    EXPECT_EQ(control.visible(), row.name != std::wstring(L"cmd8")) << "only 初期化 is hidden after a start";
    if (row.kind == Kind::CheckBox) {
      EXPECT_EQ(control.check(), shown.ticked.count(row.name) ? 1 : 0);
    }
  }
}

TEST(Startup, FirstStartShowsTheDefaultsAndWritesThem) {
  App app;
  app.start();
  expect_laid_out(app);
  expect_shown(app, {{{L"txt1", L""}, {L"txt2", L""}, {L"txt3", kDefaultEncoder}, {L"txt4", L""},
                      {L"cmb1", L"vbs"}, {L"cmb2", L"VBScript"}, {L"lbl6", L".vbe"}},
                     {L"txt2", L"cmd2", L"txt4", L"ochk3", L"ochk4", L"ochk5", L"cmb2"},
                     {L"chk1", L"ochk5"}});
  EXPECT_EQ(app[L"cmb1"].selected(), 7);
  EXPECT_EQ(app[L"cmb1"].entries(),
            (std::vector<std::wstring>{L"asa", L"asp", L"cdx", L"htm", L"html", L"js", L"sct", L"vbs", L"wsf"}));
  EXPECT_EQ(app[L"cmb2"].entries(), (std::vector<std::wstring>{L"VBScript", L"JScript"}));
  expect_detail_state(app, false);
  const auto bytes = app.read(kSettingsFile);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, settings_bytes(first_start_lines()));
  expect_no_box(app);
}

TEST(Startup, DetailButtonSurfaceClicksAndASecondStart) {
  App app;
  app.start();
  const auto first_file = app.read(kSettingsFile);

  app[L"cmd4"].click();
  expect_detail_state(app, true);
  app[L"cmd4"].click();
  expect_detail_state(app, false);

  const Control cmd8 = app[L"cmd8"];
  app.right_click_surface();
  EXPECT_TRUE(cmd8.visible());
  app.right_click_surface();
  EXPECT_FALSE(cmd8.visible());
  app.right_click_surface();
  app.left_click_surface();
  EXPECT_FALSE(cmd8.visible()) << "a left click hides 初期化";
  app.left_click_surface();
  EXPECT_FALSE(cmd8.visible());
  app[L"chk2"].click();
  app[L"chk2"].click();
  EXPECT_FALSE(cmd8.visible()) << "clicks on controls leave 初期化 alone";

  const App::SecondRun second = app.run_second_instance();
  EXPECT_TRUE(second.ended);
  EXPECT_EQ(second.exit_code, 0u);
  EXPECT_FALSE(second.showed_window);
  EXPECT_TRUE(app.running());
  EXPECT_EQ(app.read(kSettingsFile), first_file);
  expect_no_box(app);
  app[L"cmd4"].click();
  expect_detail_state(app, true);

  EXPECT_TRUE(app.close());
  EXPECT_EQ(app.read(kSettingsFile), first_file) << "closing the window saves nothing";
}

TEST(Startup, SavedFileRestoresEveryFieldAndTheOpenDetailArea) {
  const std::wstring input = L"C:\\作業 フォルダ\\site\\default.asp";
  const std::vector<std::wstring> lines = {
      L"D:\\ツール\\screnc.exe", L"asp", L"off", L"on", input, L"C:\\作業 フォルダ\\site", L"default",
      L"D:\\出力\\", L"名前", L"D:\\出力\\名前_enc.asp", L"on", L"off", L"on", L"on", L"off", L"js", L"on"};
  App app({L"起動 テスト", settings_bytes(lines)});
  app.start();
  expect_laid_out(app);
  expect_shown(app, {{{L"txt1", input}, {L"txt2", L"D:\\出力\\"}, {L"txt3", L"D:\\ツール\\screnc.exe"},
                      {L"txt4", L"名前"}, {L"cmb1", L"asp"}, {L"cmb2", L"JScript"}, {L"lbl6", L"_enc.asp"},
                      {L"cmd4", L"詳細を閉じる"}},
                     {L"ochk5"},
                     {L"chk2", L"ochk1", L"ochk3", L"ochk4"}});
  EXPECT_EQ(app[L"cmb1"].selected(), 1);
  EXPECT_EQ(app[L"cmb2"].selected(), 1);
  expect_detail_state(app, true);
  EXPECT_EQ(app.read(kSettingsFile), settings_bytes(lines)) << "a start from a file writes nothing";
  expect_no_box(app);
}

TEST(Startup, EmptyFileLeavesTheWindowAsLaidOut) {
  App app({L"empty", std::string()});
  app.start();
  expect_laid_out(app);
  expect_shown(app, {{}, {}, {}});
  EXPECT_EQ(app[L"cmb1"].selected(), -1);
  EXPECT_EQ(app[L"cmb2"].selected(), -1);
  int lowest_bottom = 0;
  for (const ControlSpec& row : kFrm1Controls) lowest_bottom = std::max(lowest_bottom, row.rect.top + row.rect.height);
  EXPECT_GE(app.main().client_size().cy, pixels(lowest_bottom)) << "the whole detail area shows";
  EXPECT_NE(app.main().outer_height(), pixels(kDetailOpenHeight));
  expect_tab_stops(app, true);
  EXPECT_EQ(app.read(kSettingsFile), std::string()) << "nothing is saved";
  expect_no_box(app);

  // A height that is neither of the two states counts as open.
  app[L"cmd4"].click();
  expect_detail_state(app, false);
}

}  // namespace
}  // namespace e2e
