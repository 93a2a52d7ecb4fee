// Choosing the input, the encoder and the output folder: the dialog, a drop and
// the folder chooser.
#include "app_fixture.h"
#include "select/frm2.h"
#include "select/input_path.h"

class Select : public AppTest {
 protected:
  frm1& begin() {
    frm1& f = fresh();
    f.txt3.set_text(L"e");
    return f;
  }
  // The next open-file dialog is answered with this path; an empty one cancels.
  void answer(const std::wstring& path) {
    platform.on_open_dialog = [path](FileDialog& d) {
      if (!path.empty()) d.file_name = path;
    };
  }
  // The dialog as it was shown last: title, filter, folder and file name.
  std::wstring shown() const {
    const FileDialog& d = platform.dialogs_shown.back();
    return d.title + L"|" + d.filter + L"|" + d.init_dir + L"|" + d.file_name;
  }
};

TEST_F(Select, ScriptDialogTakesTheChoiceAsTheBoxesSay) {
  walk(begin(), {
      {"the first type, from its folder",
       [this](frm1& f) { f.cmb1.pick(0), f.settings.in_folder = L"C:\\start", answer(L"C:\\w\\a.asa"), f.cmd1.click(); },
       L"C:\\w\\a.asa|C:\\w\\|e|a|asa|VBScript|_enc.asa|1000001|0000100|2520-",
       L"e|asa|on|off|C:\\w\\a.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"a cancel keeps the typed input and refreshes the output",
       [this](frm1& f) { f.txt1.set_text(L"C:\\t.asa"), f.settings.out_path = L"x", answer(L""), f.cmd1.click(); },
       L"C:\\t.asa|C:\\w\\|e|a|asa|VBScript|_enc.asa|1000001|0000100|2520-",
       L"e|asa|on|off|C:\\t.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"an own folder and name stay",
       [this](frm1& f) {
         f.chk1.set_value(0), f.txt2.set_text(L"D:\\o\\"), f.chk2.set_value(1), f.txt4.set_text(L"n");
         answer(L"C:\\x\\b.asa"), f.cmd1.click();
       },
       L"C:\\x\\b.asa|D:\\o\\|e|n|asa|VBScript|_enc.asa|0100001|1110100|2520-",
       L"e|asa|off|on|C:\\x\\b.asa|C:\\x|b|D:\\o\\|n|D:\\o\\n_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"the same folder follows, the own name stays",
       [this](frm1& f) { f.chk1.set_value(1), answer(L"C:\\y\\c.asa"), f.cmd1.click(); },
       L"C:\\y\\c.asa|C:\\y\\|e|n|asa|VBScript|_enc.asa|1100001|0010100|2520-",
       L"e|asa|on|on|C:\\y\\c.asa|C:\\y|c|C:\\y\\|n|D:\\o\\n_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"the own folder stays, the name follows",
       [this](frm1& f) { f.chk1.set_value(0), f.chk2.set_value(0), answer(L"C:\\z\\d.asa"), f.cmd1.click(); },
       L"C:\\z\\d.asa|C:\\y\\|e|d|asa|VBScript|_enc.asa|0000001|1100100|2520-",
       L"e|asa|off|off|C:\\z\\d.asa|C:\\z|d|C:\\y\\|d|C:\\y\\d_enc.asa|off|off|off|off|on|vb||_enc.asa"},
  });
  EXPECT_EQ(platform.dialogs_shown.size(), 5u);
  EXPECT_EQ(platform.dialogs_shown[0].title + L"|" + platform.dialogs_shown[0].filter + L"|" +
                platform.dialogs_shown[0].init_dir,
            L"Select, asa script file|Active Server Application (*.asa)|*.asa|C:\\start");
  EXPECT_EQ(shown(), L"Select, asa script file|Active Server Application (*.asa)|*.asa|C:\\y|")
      << "the file name of the last choice is not offered again";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Select, EncoderDialogChoiceAndCancel) {
  frm1& f = begin();
  answer(L"C:\\tools\\other.exe");
  f.cmd5.click();
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.txt3.text(), L"C:\\tools\\other.exe|C:\\tools\\other.exe");
  EXPECT_EQ(shown(), L"|Windows Script Encoder (screnc.exe)|screnc.exe||") << "title and folder as they were";
  answer(L"");
  f.cmd5.click();
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.txt3.text(), L"|");
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"screnc.exe が指定されていません。", L"報告", kExclamation}}));
  // A type that is none of the nine keeps the encoder's filter.
  f.cmb1.type_text(L"x");
  f.settings.script_ext.clear();
  f.cmd1.click();
  EXPECT_EQ(shown(), L"Select,  script file|Windows Script Encoder (screnc.exe)|screnc.exe||");
}

TEST_F(Select, FilesHandedAtTheStartAreTakenAsDropped) {
  const std::wstring first_start = record(first_start_record());
  struct Row { const char* what; std::vector<std::wstring> files; std::vector<Message> said; std::wstring record; };
  const Row rows[] = {
      {"handled type", {L"C:\\w\\a.js"}, {},
       L"C:\\Program Files\\Windows Script Encoder\\screnc.exe|js|on|off|C:\\w\\a.js|C:\\w|a|C:\\w\\|a|C:\\w\\a.jse|off|off|off|off|on|vb||.jse"},
      {"refused type", {L"C:\\w\\a.txt"}, {{L"未対応のファイル拡張子です。", L"報告", kExclamation}}, first_start},
      {"missing file", {L"C:\\w\\gone.js"}, {{L"C:\\w\\gone.js  は存在しません。", L"報告", kExclamation}}, first_start},
      {"two paths: the first", {L"C:\\w\\a.js", L"C:\\w\\b.vbs"}, {}, L""}};
  for (const wchar_t* path : {L"C:\\w\\a.js", L"C:\\w\\a.txt", L"C:\\w\\b.vbs"}) platform.put_lines(path, {});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    frm1& f = fresh();
    f.take_handed_files(row.files);
    EXPECT_EQ(platform.messages, row.said);
    EXPECT_EQ(record(f.settings), row.record.empty() ? rows[0].record : row.record);
  }
}

TEST_F(Select, FolderChooserWritesEachFolderOpenedAtOnce) {
  frm1& f = begin();
  f.chk1.set_value(0);
  f.txt2.set_text(L"C:\\before\\");
  f.txt4.set_text(L"n");
  platform.unreadable_drives.insert(L"e:");
  platform.folders.erase(L"C:\\work\\site");
  const Message not_chosen{L"まだフォルダが選択されていません。", L"Navigation", kExclamation};
  platform.on_frm2 = [&](frm2& c) {
    EXPECT_EQ(c.Drive1.text() + L"|" + c.Dir1.path(), L"c:|C:\\work") << "the current folder";
    EXPECT_TRUE(c.lbl1.visible() && !c.cmd1.visible());
    c.close_box();
  };
  f.cmd2.click();
  EXPECT_EQ(f.settings.out_folder + L"|" + f.settings.out_path, L"C:\\before\\|C:\\before\\n.vbe")
      << "the close box keeps the folder";

  f.txt2.set_text(L"");
  platform.on_frm2 = [&](frm2& c) {
    c.cmd1.click();
    EXPECT_FALSE(c.window.unloaded());
    EXPECT_EQ(platform.messages.back(), not_chosen);
    c.Dir1_DblClick(-1);
    c.Dir1_DblClick(static_cast<int>(c.Dir1.entries().size()));
    c.Dir1_DblClick(2);  // "site", which cannot be read
    EXPECT_EQ(platform.messages.back(), (Message{L"C:\\work\\site を開けません。", L"Navigation", kExclamation}));
    EXPECT_EQ(f.settings.out_folder, L"") << "nothing opened yet";
    c.Dir1_DblClick(0);  // the root
    EXPECT_EQ(f.settings.out_folder, L"C:\\\\");
    EXPECT_TRUE(c.cmd1.visible() && !c.lbl1.visible());
    c.Drive1.pick(1);
    EXPECT_EQ(c.Dir1.path() + L"|" + f.settings.out_folder, L"D:\\|D:\\\\");
    c.Drive1.pick(2);
    EXPECT_EQ(platform.messages.back(), (Message{L"ドライブ e: を読み取れません。", L"Navigation", kExclamation}));
    EXPECT_EQ(c.Drive1.text() + L"|" + c.Dir1.path(), L"d:|D:\\");
    c.Drive1.pick(1);  // the drive already shown keeps its folder
    c.Dir1_DblClick(1);
    c.Dir1.click(0);
    EXPECT_TRUE(c.lbl1.visible() && c.cmd1.visible());
    c.cmd1.click();
  };
  f.cmd2.click();
  EXPECT_EQ(f.txt2.text() + L"|" + f.settings.out_path, L"D:\\data\\|D:\\data\\n.vbe");
  EXPECT_EQ(platform.frm2_shown, 2);
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
