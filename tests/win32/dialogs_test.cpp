// The modal windows: message boxes, the open-file dialog and the folder chooser,
// each answered from a second thread as a user would.
#include "app/frm1_layout.h"
#include "select/frm2.h"
#include "test_support.h"
#include "win32/win32_platform.h"

namespace {

class Dialogs : public ::testing::Test {
 protected:
  Win32Platform platform{L"mosa-trevlin.test.dialogs"};
  ScratchFolder folder;
};

TEST_F(Dialogs, OpenDialogHandsBackTheChosenPathAndLeavesEverythingOnCancel) {
  FileDialog dialog{L"Select, vbs script file", folder.path(), L"", L"VBScript (*.vbs)|*.vbs"};
  const std::wstring chosen = folder / L"a b.vbs";
  write_bytes(chosen, "x");
  std::wstring filter_shown;
  ModalAnswerer choose(L"#32770", dialog.title, [&](HWND box) {
    wchar_t entry[256] = L"";
    SendMessageW(GetDlgItem(box, 0x470), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
    filter_shown = entry;
    SendMessageW(GetDlgItem(box, 0x47C), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  platform.show_open_dialog(dialog);
  ASSERT_TRUE(choose.answered());
  EXPECT_EQ(filter_shown, L"VBScript (*.vbs)");
  EXPECT_EQ(dialog.file_name, chosen);

  const FileDialog before = dialog;
  ModalAnswerer cancel(L"#32770", dialog.title,
                       [](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); });
  platform.show_open_dialog(dialog);
  ASSERT_TRUE(cancel.answered());
  EXPECT_EQ(std::tie(dialog.title, dialog.init_dir, dialog.file_name, dialog.filter),
            std::tie(before.title, before.init_dir, before.file_name, before.filter));
}

TEST_F(Dialogs, FolderChooserHoldsTheOtherWindowsUntilItsModelUnloads) {
  const HWND main_window = CreateWindowW(L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                         200, 100, nullptr, nullptr, nullptr, nullptr);
  Settings settings;
  settings.out_folder = L"C:\\before\\";
  frm2 form(settings, platform);

  struct Seen {
    bool main_enabled = true, ok_visible = true;
    int drives = 0, folders = 0;
    COLORREF hint = 0;
  } seen;
  ModalAnswerer answerer(L"mosa-trevlin.form", kAppCaption, [&](HWND chooser) {
    const auto control = [&](int row) { return GetDlgItem(chooser, kFirstControlId + row); };
    seen.main_enabled = IsWindowEnabled(main_window);
    seen.drives = static_cast<int>(SendMessageW(control(0), CB_GETCOUNT, 0, 0));
    seen.folders = static_cast<int>(SendMessageW(control(1), LB_GETCOUNT, 0, 0));
    seen.ok_visible = GetWindowLongW(control(3), GWL_STYLE) & WS_VISIBLE;
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(chooser, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control(2)));
    seen.hint = GetBkColor(dc);
    DeleteDC(dc);
    PostMessageW(chooser, WM_CLOSE, 0, 0);
  });
  platform.show_modal(form);
  ASSERT_TRUE(answerer.answered());

  EXPECT_FALSE(seen.main_enabled);
  EXPECT_EQ(seen.drives, static_cast<int>(platform.drives().size()));
  EXPECT_GT(seen.folders, 0);
  EXPECT_FALSE(seen.ok_visible);
  EXPECT_EQ(seen.hint, RGB(kHintRed, kHintGreen, kHintBlue));
  EXPECT_TRUE(IsWindowEnabled(main_window));
  EXPECT_TRUE(form.window.unloaded());
  EXPECT_FALSE(find_own_window(L"mosa-trevlin.form", kAppCaption));
  EXPECT_EQ(settings.out_folder, L"C:\\before\\");
  DestroyWindow(main_window);
}

}  // namespace
