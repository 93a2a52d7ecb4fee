// The form view on a real window: built from a control table, following the
// model, forwarding the user's actions, and keeping failures inside.
#include "win32/form_view.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/frm1_layout.h"
#include "core/platform.h"
#include "test_support.h"

namespace {

constexpr ControlSpec kTable[] = {
    {L"Label1", Kind::Label, L"入力", L"", {120, 480, 615, 135}, 0},
    {L"txt1", Kind::TextBox, L"Text1", L"", {840, 480, 3375, 270}, 2},
    {L"chk1", Kind::CheckBox, L"入出力同フォルダ", L"", {840, 840, 1935, 255}, 3},
    {L"cmb1", Kind::ComboBox, L"Combo1", L"", {1560, 120, 855, 285}, 1},
    {L"cmd1", Kind::Button, L"...", L"ファイルを指定", {4320, 480, 375, 255}, 5, true},
    {L"cmd3", Kind::Button, L"実行", L"エンコードを実行", {3840, 1680, 975, 375}, 4},
    {L"Dir1", Kind::DirList, L"", L"", {120, 2280, 3135, 1455}, 6},
    {L"Line2", Kind::Line, L"", L"", {0, 2160, 4920, 0}, -1},
};

struct TestForm {
  Window window{L"テスト", {0, 0, 4905, 4455}, 2520};
  Label Label1{kTable[0]};
  TextBox txt1{kTable[1]};
  CheckBox chk1{kTable[2]};
  ComboBox cmb1{kTable[3], {L"asa", L"vbs"}};
  Button cmd1{kTable[4]}, cmd3{kTable[5]};
  DirList Dir1{kTable[6]};
  Label Line2{kTable[7]};
  std::vector<std::wstring> events;

  std::vector<Control*> controls() {
    return {&Label1, &txt1, &chk1, &cmb1, &cmd1, &cmd3, &Dir1, &Line2};
  }

  FormSetup setup() {
    FormSetup setup;
    setup.window = &window;
    setup.controls = controls();
    setup.default_button = &cmd3;
    setup.drop_target = &txt1;
    setup.mouse_down = [this](int button) {
      events.push_back(L"mouse " + std::to_wstring(button));
    };
    setup.dropped = [this](const std::vector<std::wstring>& files) {
      for (const std::wstring& file : files) events.push_back(L"drop " + file);
    };
    setup.open_folder = [this](int index) { events.push_back(L"open " + std::to_wstring(index)); };
    setup.close_box = [this] { events.push_back(L"close"); };
    txt1.on_change = [this] { events.push_back(L"txt1 " + txt1.text()); };
    cmb1.on_pick = [this] { events.push_back(L"pick " + cmb1.text()); };
    cmd3.on_click = [this] { events.push_back(L"cmd3"); };
    return setup;
  }
};

class FormViewTest : public ::testing::Test {
 protected:
  HWND item(const Control& control) { return GetDlgItem(view.hwnd(), view.control_id(control)); }
  int pixels(int twips) { return MulDiv(twips, view.dpi(), 1440); }
  RECT rect_of(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, view.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  void notify(const Control& control, int code) {
    SendMessageW(view.hwnd(), WM_COMMAND, MAKEWPARAM(view.control_id(control), code),
                 reinterpret_cast<LPARAM>(item(control)));
  }
  // Tab, Enter and the like as the message loop hands them over.
  void key(WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!IsDialogMessageW(view.hwnd(), &message)) DispatchMessageW(&message);
  }
  // The control that has the focus, or whose edit part has it.
  std::wstring focused() {
    HWND window = GetFocus();
    while (window && GetParent(window) != view.hwnd()) window = GetParent(window);
    return window ? kTable[GetDlgCtrlID(window) - kFirstControlId].name : L"";
  }

  TestForm form;
  FormView view{form.setup()};
};

TEST_F(FormViewTest, EachRowBecomesItsControlWhereTheTableSaysInTabOrder) {
  const wchar_t* classes[] = {L"Static", L"Edit",   L"Button",  L"ComboBox",
                              L"Button", L"Button", L"ListBox", L"Static"};
  for (int row = 0; row < 8; ++row) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(kTable[row].name)));
    const HWND control = GetDlgItem(view.hwnd(), kFirstControlId + row);
    ASSERT_TRUE(control);
    wchar_t name[32];
    GetClassNameW(control, name, 32);
    EXPECT_EQ(lstrcmpiW(name, classes[row]), 0);
    const RECT rect = rect_of(control);
    const Rect& twips = kTable[row].rect;
    EXPECT_EQ(rect.left, pixels(twips.left));
    EXPECT_EQ(rect.top, pixels(twips.top));
    EXPECT_NEAR(rect.right - rect.left, pixels(twips.width), 2);
    // Labels grow to a line of the font and a line is two pixels high; the rest keep their height.
    const int height = rect.bottom - rect.top;
    if (kTable[row].kind == Kind::Label || kTable[row].kind == Kind::Line) {
      EXPECT_GE(height, pixels(twips.height));
      EXPECT_LE(height, pixels(twips.height) + 4);
    } else {
      EXPECT_EQ(height, pixels(twips.height));
    }
    const bool tab_stop = GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP;
    EXPECT_EQ(tab_stop, kTable[row].tab > 0);
    const bool accepts_drops = GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES;
    EXPECT_EQ(accepts_drops, row == 1);
  }

  std::vector<std::wstring> order;
  for (HWND child = GetWindow(view.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    order.push_back(kTable[GetDlgCtrlID(child) - kFirstControlId].name);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"Label1", L"cmb1", L"txt1", L"chk1", L"cmd3",
                                              L"cmd1", L"Dir1", L"Line2"}));

  RECT outer{}, client{};
  GetWindowRect(view.hwnd(), &outer);
  GetClientRect(view.hwnd(), &client);
  EXPECT_EQ(outer.bottom - outer.top, pixels(2520));
  EXPECT_EQ(client.right, pixels(4905));
  EXPECT_EQ(text_of(view.hwnd()), L"テスト");
  EXPECT_EQ(GetWindowLongW(item(form.cmd3), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongW(item(form.chk1), GWL_STYLE) & BS_TYPEMASK, BS_3STATE);

  LOGFONTW normal{}, small{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(form.cmd3), WM_GETFONT, 0, 0)),
             sizeof normal, &normal);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(form.cmd1), WM_GETFONT, 0, 0)), sizeof small,
             &small);
  EXPECT_EQ(std::wstring(normal.lfFaceName), L"ＭＳ ゴシック");
  EXPECT_EQ(normal.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(normal.lfHeight, -MulDiv(825, view.dpi(), 7200));
  EXPECT_EQ(small.lfHeight, -MulDiv(6, view.dpi(), 72));
}

TEST_F(FormViewTest, ModelChangesShowAtOnce) {
  // The one tooltip control, with a tool for each control that has a tip.
  const HWND tips = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  ASSERT_EQ(GetWindow(tips, GW_OWNER), view.hwnd());
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);

  form.txt1.set_text(L"C:\\work\\a.vbs");
  form.chk1.set_value(2);
  form.cmd1.set_enabled(false);
  form.cmd3.set_visible(false);
  form.cmd3.set_caption(L"閉じる");
  form.cmd1.set_tooltip(L"");
  form.Label1.set_tooltip(L"ラベル");
  form.cmb1.select(1);
  form.Dir1.show(L"c:\\work", {{L"c:\\", L"c:\\", 0, true},
                               {L"work", L"c:\\work", 1, true},
                               {L"site", L"c:\\work\\site", 2, false}});
  form.window.set_height(4830);

  EXPECT_EQ(text_of(item(form.txt1)), L"C:\\work\\a.vbs");
  EXPECT_EQ(SendMessageW(item(form.chk1), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_FALSE(IsWindowEnabled(item(form.cmd1)));
  EXPECT_FALSE(GetWindowLongW(item(form.cmd3), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(text_of(item(form.cmd3)), L"閉じる");
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(item(form.cmb1), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(text_of(item(form.cmb1)), L"vbs");
  EXPECT_EQ(SendMessageW(item(form.Dir1), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(item(form.Dir1), LB_GETCURSEL, 0, 0), 1);
  RECT outer{};
  GetWindowRect(view.hwnd(), &outer);
  EXPECT_EQ(outer.bottom - outer.top, pixels(4830));

  form.cmb1.type_text(L"xyz");
  EXPECT_EQ(SendMessageW(item(form.cmb1), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(text_of(item(form.cmb1)), L"xyz");
}

TEST_F(FormViewTest, UserActionsReachTheModelOnceAndTheModelHasTheLastWord) {
  form.txt1.set_text(L"from code");
  SendMessageW(item(form.txt1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
  EXPECT_EQ(form.txt1.text(), L"typed");

  form.chk1.on_click = [&] {
    if (form.chk1.value() == 1) form.chk1.set_value(0);
  };
  SendMessageW(item(form.chk1), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chk1.value(), 0);
  EXPECT_EQ(SendMessageW(item(form.chk1), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageW(item(form.cmb1), CB_SETCURSEL, 1, 0);
  notify(form.cmb1, CBN_SELCHANGE);
  EXPECT_EQ(form.cmb1.selected(), 1);

  form.Dir1.show(L"c:\\", {{L"c:\\", L"c:\\", 0, true}, {L"work", L"c:\\work", 1, false}});
  SendMessageW(item(form.Dir1), LB_SETCURSEL, 1, 0);
  notify(form.Dir1, LBN_SELCHANGE);
  EXPECT_EQ(form.Dir1.highlighted(), 1);
  notify(form.Dir1, LBN_DBLCLK);

  SendMessageW(view.hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
  SendMessageW(view.hwnd(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
  SendMessageW(view.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(view.hwnd()));

  EXPECT_EQ(form.events, (std::vector<std::wstring>{L"txt1 from code", L"txt1 typed", L"pick vbs",
                                                    L"open 1", L"mouse 2", L"mouse 4", L"close"}));
  // A label takes its own clicks; the window's surface only gets what lies on it.
  const RECT label = rect_of(item(form.Label1));
  POINT inside{label.left + 2, label.top + 2};
  ClientToScreen(view.hwnd(), &inside);
  EXPECT_NE(SendMessageW(item(form.Label1), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)),
            HTTRANSPARENT);
}

TEST_F(FormViewTest, KeyboardFollowsTheTabOrderAndEnterPressesTheDefaultButton) {
  view.show(SW_SHOWNORMAL);
  SetForegroundWindow(view.hwnd());
  SetFocus(view.hwnd());
  form.chk1.set_tab_stop(false);
  std::vector<std::wstring> walk{focused()};
  for (int i = 0; i < 5; ++i) {
    key(VK_TAB);
    walk.push_back(focused());
  }
  EXPECT_EQ(walk,
            (std::vector<std::wstring>{L"cmb1", L"txt1", L"cmd3", L"cmd1", L"Dir1", L"cmb1"}));

  form.Dir1.show(L"c:\\", {{L"c:\\", L"c:\\", 0, true}, {L"work", L"c:\\work", 1, false}});
  SetFocus(item(form.Dir1));
  SendMessageW(item(form.Dir1), LB_SETCURSEL, 1, 0);
  key(VK_RETURN);
  SetFocus(item(form.txt1));
  key(VK_RETURN);
  EXPECT_EQ(form.events, (std::vector<std::wstring>{L"open 1", L"cmd3"}));
}

TEST_F(FormViewTest, DroppedFilesReachTheModelByName) {
  const std::wstring names = std::wstring(L"C:\\a b.vbs") + L'\0' + L"D:\\日本.asp" + L'\0' + L'\0';
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                    sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(drop + 1));
  GlobalUnlock(block);
  SendMessageW(item(form.txt1), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  EXPECT_EQ(form.events, (std::vector<std::wstring>{L"drop C:\\a b.vbs", L"drop D:\\日本.asp"}));
}

TEST_F(FormViewTest, AFailureInAHandlerIsShownAndGoesNoFurther) {
  form.cmd3.on_click = [] { throw PlatformError("disk on fire"); };
  std::wstring shown;
  ModalAnswerer answerer(L"#32770", L"エラー", [&](HWND box) {
    shown = text_of(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  SendMessageW(item(form.cmd3), BM_CLICK, 0, 0);
  ASSERT_TRUE(answerer.answered());
  EXPECT_NE(shown.find(L"disk on fire"), std::wstring::npos) << testing::PrintToString(shown);
  EXPECT_TRUE(IsWindow(view.hwnd()));
}

}  // namespace
