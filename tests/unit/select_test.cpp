// Choosing the input, the encoder and the output folder: the dialog, a drop and
// the folder chooser.
#include "app_fixture.h"
#include "select/frm2.h"
#include "select/input_path.h"

TEST(InputPath, SplitKeepsEveryPieceButTheLast) {
  const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\work\\site\\default.asp", L"C:\\work\\site", L"default"},
      {L"C:\\a.asp", L"C:", L"a"},
      {L"C:\\r\\my.page.asp", L"C:\\r", L"my.page"},
      {L"C:\\r\\vbs", L"C:\\r", L""},
      {L"\\\\srv\\share\\x.js", L"\\\\srv\\share", L"x"},
      {L"C:\\w\\\\a.js", L"C:\\w\\", L"a"},
      {L"plain.js", L"", L"plain"},
      {L"C:\\dir.d\\noext", L"C:\\dir.d", L""},
  };
  for (const auto& [path, folder, base] : cases)
    EXPECT_EQ(split_path(path), (InputParts{folder, base})) << path;
}

TEST(InputPath, ExtensionIsTheLastDotPieceOfTheName) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\w\\lib.min.js", L"js"}, {L"C:\\w\\vbs", L"vbs"},      {L"C:\\w\\a.", L""},
      {L"C:\\w\\DEFAULT.ASP", L"ASP"}, {L"C:\\dir.asp\\site", L"site"}};
  for (const auto& [path, ext] : cases) EXPECT_EQ(extension_of(path), ext) << path;
}

class ScriptDialog : public AppTest {
 protected:
  frm1& ready(int chk1, int chk2) {
    frm1& f = fresh();
    f.cmb1.pick(1);  // asp
    f.chk1.set_value(chk1);
    if (chk1 != 1) f.txt2.set_text(L"D:\\old\\");
    f.chk2.set_value(chk2);
    if (chk2 == 1) f.txt4.set_text(L"abc");
    platform.on_open_dialog = [](FileDialog& d) { d.file_name = L"C:\\work\\site\\default.asp"; };
    return f;
  }
};

TEST_F(ScriptDialog, AsksWithTheTypesTitleFilterAndFolder) {
  frm1& f = ready(1, 0);
  f.settings.in_folder = L"C:\\start";
  f.cmd1.click();
  ASSERT_EQ(platform.dialogs_shown.size(), 1u);
  const FileDialog& d = platform.dialogs_shown[0];
  EXPECT_EQ(d.title, L"Select, asp script file");
  EXPECT_EQ(d.filter, L"Active Server Page (*.asp)|*.asp");
  EXPECT_EQ(d.init_dir, L"C:\\start");
  EXPECT_EQ(d.file_name, L"");
}

TEST_F(ScriptDialog, ChoiceFollowsTheBoxes) {
  struct Case {
    int chk1, chk2;
    const wchar_t *out_folder, *out_base, *out_path;
  };
  const Case cases[] = {
      {1, 0, L"C:\\work\\site\\", L"default", L"C:\\work\\site\\default_enc.asp"},
      {0, 0, L"D:\\old\\", L"default", L"D:\\old\\default_enc.asp"},
      {1, 1, L"C:\\work\\site\\", L"abc", L"abc_enc.asp"},
      {0, 1, L"D:\\old\\", L"abc", L"D:\\old\\abc_enc.asp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "chk1=" << c.chk1 << " chk2=" << c.chk2);
    frm1& f = ready(c.chk1, c.chk2);
    f.cmd1.click();
    EXPECT_EQ(f.settings.in_file, L"C:\\work\\site\\default.asp");
    EXPECT_EQ(f.settings.in_folder, L"C:\\work\\site");
    EXPECT_EQ(f.settings.in_base, L"default");
    EXPECT_EQ(f.txt1.text(), f.settings.in_file);
    EXPECT_EQ(f.settings.out_folder, c.out_folder);
    EXPECT_EQ(f.txt2.text(), c.out_folder);
    EXPECT_EQ(f.settings.out_base, c.out_base);
    EXPECT_EQ(f.settings.out_path, c.out_path);
  }
}

TEST_F(ScriptDialog, CancelKeepsTheInputAndRefreshesTheOutput) {
  frm1& f = ready(1, 0);
  f.cmd1.click();
  f.txt4.set_enabled(true);
  f.settings.out_path = L"stale";
  platform.on_open_dialog = nullptr;
  f.cmd1.click();
  EXPECT_EQ(f.settings.in_file, L"C:\\work\\site\\default.asp");
  EXPECT_EQ(f.settings.out_path, L"C:\\work\\site\\default_enc.asp");
}

TEST_F(ScriptDialog, UnknownTypeKeepsThePreviousFilterAndTheTitleHasTwoBlanks) {
  frm1& f = fresh();
  platform.on_open_dialog = nullptr;
  f.cmd5.click();
  f.settings.script_ext.clear();
  f.cmd1.click();
  EXPECT_EQ(platform.dialogs_shown.back().title, L"Select,  script file");
  EXPECT_EQ(platform.dialogs_shown.back().filter, L"Windows Script Encoder (screnc.exe)|screnc.exe");
}

TEST_F(ScriptDialog, EncoderChoiceAndCancel) {
  frm1& f = fresh();
  platform.on_open_dialog = [](FileDialog& d) { d.file_name = L"C:\\tools\\other.exe"; };
  f.cmd5.click();
  EXPECT_EQ(f.settings.encoder_path, L"C:\\tools\\other.exe");
  EXPECT_EQ(f.txt3.text(), L"C:\\tools\\other.exe");
  EXPECT_TRUE(platform.messages.empty());
  platform.on_open_dialog = nullptr;
  f.cmd5.click();
  EXPECT_EQ(f.settings.encoder_path, L"");
  EXPECT_EQ(f.txt3.text(), L"");
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"screnc.exe が指定されていません。", L"報告", kExclamation}}));
}

class Drop : public AppTest {};

TEST_F(Drop, FileChoosesItsTypeAndBecomesTheInput) {
  frm1& f = fresh();
  f.Form_MouseDown(1);
  f.txt1_OLEDragDrop({L"C:\\work\\site\\default.asp", L"C:\\other.vbs"});
  EXPECT_EQ(f.cmb1.selected(), 1);
  Settings expected = f.settings;
  expected.script_ext = L"asp";
  expected.out_suffix = L"_enc.asp";
  expected.in_file = L"C:\\work\\site\\default.asp";
  expected.in_folder = L"C:\\work\\site";
  expected.in_base = L"default";
  expected.out_folder = L"C:\\work\\site\\";
  expected.out_base = L"default";
  expected.out_path = L"C:\\work\\site\\default_enc.asp";
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(f.txt4.text(), L"default");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Drop, RefusedExtensionsChangeNothing) {
  frm1& f = fresh();
  f.txt1_OLEDragDrop({L"C:\\w\\a.vbs"});
  const Settings before = f.settings;
  for (const wchar_t* path : {L"C:\\w\\DEFAULT.ASP", L"C:\\w\\a.", L"C:\\w\\site", L"C:\\w\\a.txt"}) {
    platform.messages.clear();
    f.txt1_OLEDragDrop({path});
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{L"未対応のファイル拡張子です。", L"報告", kExclamation}}))
        << path;
    EXPECT_EQ(f.settings, before);
  }
  platform.messages.clear();
  f.txt1_OLEDragDrop({});
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(f.settings, before);
}

TEST_F(Drop, OddNames) {
  frm1& f = fresh();
  f.txt1_OLEDragDrop({L"C:\\w\\lib.min.js"});
  EXPECT_EQ(f.settings.script_ext, L"js");
  EXPECT_EQ(f.settings.in_base, L"lib.min");
  f.txt1_OLEDragDrop({L"C:\\w\\vbs"});
  EXPECT_EQ(f.settings.script_ext, L"vbs");
  EXPECT_EQ(f.settings.in_base, L"");
  EXPECT_EQ(f.settings.out_path, L"C:\\w\\.vbe");
}

TEST_F(Drop, SameTypeRunsNoTypeSelection) {
  frm1& f = fresh();
  f.chk2.set_value(1);
  f.txt1_OLEDragDrop({L"C:\\a\\first.vbs"});
  f.txt4.set_text(L"mine");
  EXPECT_EQ(f.settings.out_path, L"C:\\a\\mine.vbe");
  f.txt1_OLEDragDrop({L"C:\\b\\second.vbs"});
  EXPECT_EQ(f.settings.out_folder, L"C:\\b\\");
  EXPECT_EQ(f.settings.out_path, L"C:\\a\\mine.vbe") << "both boxes ticked: the path stays";
}

TEST_F(Drop, AnotherTypeWithBothBoxesLeavesThePathEmpty) {
  frm1& f = fresh();
  f.chk2.set_value(1);
  f.txt4.set_text(L"mine");
  f.txt1_OLEDragDrop({L"C:\\a\\page.htm"});
  EXPECT_EQ(f.settings.out_folder, L"C:\\a\\");
  EXPECT_EQ(f.settings.out_base, L"mine");
  EXPECT_EQ(f.settings.out_path, L"");
}

class FolderChooser : public AppTest {
 protected:
  frm1& ready() {
    frm1& f = fresh();
    f.chk1.set_value(0);
    f.txt2.set_text(L"C:\\before\\");
    f.txt4.set_text(L"name");
    return f;
  }
};

TEST_F(FolderChooser, OpensOnTheCurrentFolderAndCloseKeepsTheFolder) {
  frm1& f = ready();
  platform.on_frm2 = [](frm2& c) {
    EXPECT_EQ(c.Drive1.text(), L"c:");
    EXPECT_EQ(c.Dir1.path(), L"C:\\work");
    EXPECT_TRUE(c.lbl1.visible());
    EXPECT_FALSE(c.cmd1.visible());
    c.close_box();
  };
  f.settings.out_path = L"stale";
  f.cmd2.click();
  EXPECT_EQ(platform.frm2_shown, 1);
  EXPECT_EQ(f.settings.out_folder, L"C:\\before\\");
  EXPECT_EQ(f.settings.out_path, L"C:\\before\\name.vbe");
}

TEST_F(FolderChooser, OpeningAFolderWritesItAtOnce) {
  frm1& f = ready();
  f.chk2.set_value(1);
  f.txt4.set_text(L"typed");
  platform.on_frm2 = [&](frm2& c) {
    c.Dir1_DblClick(0);  // the root
    EXPECT_EQ(f.settings.out_folder, L"C:\\\\");
    EXPECT_TRUE(c.cmd1.visible());
    EXPECT_FALSE(c.lbl1.visible());
    c.Dir1_DblClick(1);  // "out" under the root
    EXPECT_EQ(f.settings.out_folder, L"C:\\out\\");
    c.Dir1.click(0);
    EXPECT_TRUE(c.lbl1.visible());
    EXPECT_TRUE(c.cmd1.visible());
    EXPECT_EQ(f.settings.out_folder, L"C:\\out\\");
    c.cmd1.click();
  };
  f.cmd2.click();
  EXPECT_EQ(f.txt2.text(), L"C:\\out\\");
  EXPECT_EQ(f.settings.out_path, L"C:\\out\\typed.vbe");
}

TEST_F(FolderChooser, DrivesAndTheirFailures) {
  frm1& f = ready();
  platform.unreadable_drives.insert(L"e:");
  platform.on_frm2 = [&](frm2& c) {
    c.Drive1.pick(1);
    EXPECT_EQ(c.Dir1.path(), L"D:\\");
    EXPECT_EQ(f.settings.out_folder, L"D:\\\\");
    c.Drive1.pick(2);
    EXPECT_EQ(platform.messages.back(),
              (Message{L"ドライブ e: を読み取れません。", L"Navigation", kExclamation}));
    EXPECT_EQ(c.Drive1.text(), L"d:");
    EXPECT_EQ(c.Dir1.path(), L"D:\\");
    c.Dir1_DblClick(1);
    EXPECT_EQ(c.Dir1.path(), L"D:\\data");
    c.cmd1.click();
  };
  f.cmd2.click();
  EXPECT_EQ(f.settings.out_folder, L"D:\\data\\");
}

TEST_F(FolderChooser, OkWithoutAFolderSaysSoAndStaysOpen) {
  frm1& f = ready();
  f.txt2.set_text(L"");
  platform.on_frm2 = [&](frm2& c) {
    c.cmd1.click();
    EXPECT_FALSE(c.window.unloaded());
    EXPECT_EQ(platform.messages.back(),
              (Message{L"まだフォルダが選択されていません。", L"Navigation", kExclamation}));
    c.close_box();
  };
  f.cmd2.click();
  EXPECT_EQ(f.settings.out_folder, L"");
}

TEST(FolderList, AncestorsThenSubfolders) {
  EXPECT_EQ(folder_list(L"C:\\work\\site", {L"a"}),
            (std::vector<DirEntry>{{L"C:\\", L"C:\\", 0, true},
                                   {L"work", L"C:\\work", 1, true},
                                   {L"site", L"C:\\work\\site", 2, true},
                                   {L"a", L"C:\\work\\site\\a", 3, false}}));
  EXPECT_EQ(folder_list(L"C:\\", {L"x"}),
            (std::vector<DirEntry>{{L"C:\\", L"C:\\", 0, true}, {L"x", L"C:\\x", 1, false}}));
  EXPECT_EQ(folder_list(L"\\\\srv\\share\\d", {}),
            (std::vector<DirEntry>{{L"\\\\srv\\share\\", L"\\\\srv\\share\\", 0, true},
                                   {L"d", L"\\\\srv\\share\\d", 1, true}}));
  EXPECT_EQ(drive_of(L"C:\\work"), L"c:");
  EXPECT_EQ(drive_of(L"\\\\srv\\share\\d"), L"\\\\srv\\share");
}
