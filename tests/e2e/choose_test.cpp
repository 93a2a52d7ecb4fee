// Choosing the input, the output folder and the encoder: the open-file dialog,
// the folder chooser window and files dropped on the input box.
#include <algorithm>
#include <cwctype>

#include "app/frm1_layout.h"
#include "checks.h"
#include "select/frm2.h"

namespace e2e {
namespace {

std::wstring lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

std::wstring last_piece(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

TEST(Choose, FileDialogTakesTheChosenScriptAndCancelKeepsIt) {
  EncoderFolder tools;
  TempFolder work(L"dialog");
  make_folder(work / L"site");
  const std::wstring script = work / L"site\\default.asp";
  write_bytes(script, "<% Response.Write 1 %>\r\n");
  App app;
  app.start();

  app[L"cmb1"].pick(L"asp");
  app[L"cmd1"].post_click();
  const FileDialog dialog = app.wait_file_dialog();
  EXPECT_EQ(u8(dialog.title), "Select, asp script file");
  dialog.choose(script);
  app.settle();
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(script));
  EXPECT_EQ(u8(app[L"txt2"].text()), u8(work / L"site\\"));
  EXPECT_EQ(u8(app[L"txt4"].text()), "default");
  EXPECT_EQ(u8(asked_output_path(app)), u8(work / L"site\\default_enc.asp"));
  EXPECT_EQ(u8(app[L"cmb1"].text()), "asp");

  app[L"cmd1"].post_click();
  app.wait_file_dialog().cancel();
  app.settle();
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(script)) << "a cancel keeps the input";
  EXPECT_EQ(u8(app[L"txt2"].text()), u8(work / L"site\\"));
  expect_no_box(app);

  app[L"cmd4"].click();
  app[L"cmd5"].post_click();
  app.wait_file_dialog().cancel();
  answer_box(app, L"screnc.exe が指定されていません。", L"報告", kWarning, IDOK);
  EXPECT_EQ(u8(app[L"txt3"].text()), "") << "a cancel forgets the encoder";
  app[L"cmd5"].post_click();
  app.wait_file_dialog().choose(tools.encoder);
  app.settle();
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(tools.encoder));
  expect_no_box(app);
}

TEST(Choose, FolderChooserWritesTheFolderItOpens) {
  App app;
  make_folder(app.path(L"out"));
  make_folder(app.path(L"other"));
  app.start();
  app.drop({L"C:\\w\\a.vbs"});
  EXPECT_FALSE(app[L"cmd2"].enabled()) << "while the output goes beside the input";
  app[L"chk1"].click();

  app[L"cmd2"].post_click();
  Form frm2 = app.wait_frm2();
  EXPECT_EQ(u8(frm2.caption()), u8(kAppCaption));
  EXPECT_FALSE(app.main().enabled()) << "the chooser is modal";
  EXPECT_NEAR(frm2.client_size().cx, pixels(kFrm2Client.width), 2);
  EXPECT_NEAR(frm2.client_size().cy, pixels(kFrm2Client.height), 2);
  for (const ControlSpec& row : kFrm2Controls) {
    const RECT rect = frm2[row.name].rect();
    EXPECT_NEAR(rect.left, pixels(row.rect.left), 2) << u8(row.name);
    EXPECT_NEAR(rect.top, pixels(row.rect.top), 2) << u8(row.name);
    EXPECT_NEAR(rect.right - rect.left, pixels(row.rect.width), 2) << u8(row.name);
  }
  const Control dir = frm2[L"Dir1"], ok = frm2[L"cmd1"], hint = frm2[L"lbl1"];
  EXPECT_EQ(u8(hint.text()), "フォルダを選択して下さい。");
  EXPECT_TRUE(hint.visible());
  EXPECT_EQ(u8(ok.text()), "OK");
  EXPECT_FALSE(ok.visible()) << "OK shows once the folder list has moved";
  EXPECT_EQ(u8(ok.tooltip()), "出力先フォルダを指定します");
  ASSERT_GE(dir.selected(), 0);
  EXPECT_EQ(dir.find_entry(last_piece(app.folder())), dir.selected()) << "the list opens on the current folder";
  EXPECT_GE(dir.find_entry(L"out"), 0);
  EXPECT_GE(dir.find_entry(L"other"), 0);
  EXPECT_GE(frm2[L"Drive1"].find_entry(lower(app.folder().substr(0, 2))), 0) << "the drives as c:, d:, ...";

  dir.list_double_click(dir.find_entry(L"out"));
  app.settle();
  EXPECT_TRUE(ok.visible());
  EXPECT_FALSE(hint.visible());
  EXPECT_EQ(dir.find_entry(L"out"), dir.selected());
  dir.list_click(0);
  app.settle();
  EXPECT_TRUE(hint.visible()) << "a single click shows the hint again";
  EXPECT_TRUE(ok.visible());
  ok.post_click();
  ASSERT_TRUE(wait_until([&] { return !frm2.exists(); }));
  app.settle();
  EXPECT_TRUE(app.main().enabled());
  EXPECT_EQ(u8(app[L"txt2"].text()), u8(app.path(L"out\\")));
  EXPECT_EQ(u8(asked_output_path(app)), u8(app.path(L"out\\a.vbe")));

  // The close box keeps the folder; the output path is built again from it.
  app[L"chk2"].click();
  app[L"txt4"].type(L"b");
  app[L"txt2"].type(L"D:\\typed\\");
  app[L"cmd2"].post_click();
  frm2 = app.wait_frm2();
  frm2.close();
  ASSERT_TRUE(wait_until([&] { return !frm2.exists(); }));
  app.settle();
  EXPECT_EQ(u8(app[L"txt2"].text()), "D:\\typed\\");
  EXPECT_EQ(u8(asked_output_path(app)), "D:\\typed\\b.vbe");

  // Another drive moves the list at once: to that drive's current folder, here its root.
  app[L"cmd2"].post_click();
  frm2 = app.wait_frm2();
  const Control drives = frm2[L"Drive1"];
  ASSERT_NE(drives.find_entry(L"z:"), -1) << "Wine maps the Unix root to z:";
  drives.pick(L"z:");
  EXPECT_TRUE(frm2[L"cmd1"].visible()) << "the list moved at once";
  frm2[L"cmd1"].post_click();
  ASSERT_TRUE(wait_until([&] { return !frm2.exists(); }));
  app.settle();
  EXPECT_EQ(u8(lower(app[L"txt2"].text())), "z:\\\\") << "a root and the chooser's own backslash";

  // OK is hidden while no folder has been chosen; a click reaching it all the same is refused.
  app[L"txt2"].type(L"");
  app[L"cmd2"].post_click();
  frm2 = app.wait_frm2();
  EXPECT_FALSE(frm2[L"cmd1"].visible());
  frm2[L"cmd1"].post_command();
  answer_box(app, L"まだフォルダが選択されていません。", L"Navigation", kWarning, IDOK);
  EXPECT_TRUE(frm2.exists() && frm2.visible()) << "the chooser stays open";
  frm2.close();
  ASSERT_TRUE(wait_until([&] { return !frm2.exists(); }));
  app.settle();
  EXPECT_EQ(u8(app[L"txt2"].text()), "");
}

TEST(Choose, DropSelectsTheTypeAndRefusesUnknownExtensions) {
  App app;
  app.start();
  app.drop({L"C:\\work\\site\\default.asp"});
  EXPECT_EQ(u8(app[L"cmb1"].text()), "asp");
  EXPECT_EQ(app[L"cmb1"].selected(), 1);
  EXPECT_EQ(u8(app[L"lbl6"].text()), "_enc.asp");
  EXPECT_TRUE(app[L"ochk3"].enabled());
  EXPECT_EQ(u8(app[L"txt1"].text()), "C:\\work\\site\\default.asp");
  EXPECT_EQ(u8(app[L"txt2"].text()), "C:\\work\\site\\");
  EXPECT_EQ(u8(app[L"txt4"].text()), "default");
  EXPECT_EQ(u8(asked_output_path(app)), "C:\\work\\site\\default_enc.asp");

  app.drop({L"C:\\work\\DEFAULT.ASP"});
  answer_box(app, L"未対応のファイル拡張子です。", L"報告", kWarning, IDOK);
  EXPECT_EQ(u8(app[L"txt1"].text()), "C:\\work\\site\\default.asp") << "a refused file changes nothing";
  EXPECT_EQ(u8(app[L"cmb1"].text()), "asp");

  app.drop({L"C:\\lib\\lib.min.js", L"C:\\lib\\b.vbs", L"C:\\lib\\c.asp"});
  EXPECT_EQ(u8(app[L"txt1"].text()), "C:\\lib\\lib.min.js") << "only the first file counts";
  EXPECT_EQ(u8(app[L"cmb1"].text()), "js");
  EXPECT_EQ(u8(app[L"txt4"].text()), "lib.min");
  EXPECT_EQ(u8(asked_output_path(app)), "C:\\lib\\lib.min.jse");

  app[L"cmd4"].click();
  const std::wstring encoder = app[L"txt3"].text();
  app.drop({L"C:\\other\\x.vbs"}, L"txt3");
  expect_no_box(app);
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(encoder)) << "the encoder box takes no drops";
  EXPECT_EQ(u8(app[L"cmb1"].text()), "js");
  EXPECT_EQ(u8(app[L"txt1"].text()), "C:\\lib\\lib.min.js");
}

}  // namespace
}  // namespace e2e
