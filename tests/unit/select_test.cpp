// Choosing the input, the encoder and the output folder: the dialog, a drop and
// the folder chooser.
#include "app_fixture.h"
#include "select/folder_chooser.h"
#include "core/paths.h"
#include "core/texts.h"

namespace mosa {

using ChooserControl::drive_list, ChooserControl::folder_box, ChooserControl::hint_label,
    ChooserControl::ok_button;

class Select : public AppTest {
 protected:
  MainWindow& begin() {
    MainWindow& f = fresh();
    f.get<encoder_box>().set_text(L"e");
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
       [this](MainWindow& f) {
         f.get<type_list>().pick(0), f.settings.in_folder = L"C:\\start", answer(L"C:\\w\\a.asa"),
         f.get<input_browse_button>().click();
       },
       Screen{.input = L"C:\\w\\a.asa", .output_folder = L"C:\\w\\", .output_name = L"a", .type = L"asa",
           .suffix = L"_enc.asa", .set_language_usable = true},
       L"e|asa|on|off|C:\\w\\a.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"a cancel keeps the typed input and refreshes the output",
       [this](MainWindow& f) {
         f.get<input_box>().set_text(L"C:\\t.asa"), f.settings.out_path = L"x", answer(L""),
         f.get<input_browse_button>().click();
       },
       Screen{.input = L"C:\\t.asa", .output_folder = L"C:\\w\\", .output_name = L"a", .type = L"asa",
           .suffix = L"_enc.asa", .set_language_usable = true},
       L"e|asa|on|off|C:\\t.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"an own folder and name stay",
       [this](MainWindow& f) {
         f.get<same_folder_check>().set_value(0), f.get<output_folder_box>().set_text(L"D:\\o\\"),
         f.get<output_name_check>().set_value(1), f.get<output_name_box>().set_text(L"n");
         answer(L"C:\\x\\b.asa"), f.get<input_browse_button>().click();
       },
       Screen{.input = L"C:\\x\\b.asa", .output_folder = L"D:\\o\\", .output_name = L"n", .type = L"asa",
           .suffix = L"_enc.asa", .same_folder = 0, .output_name_check = 1, .output_folder_usable = true,
           .output_browse_usable = true, .output_name_usable = true, .set_language_usable = true},
       L"e|asa|off|on|C:\\x\\b.asa|C:\\x|b|D:\\o\\|n|D:\\o\\n_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"the same folder follows, the own name stays",
       [this](MainWindow& f) {
         f.get<same_folder_check>().set_value(1), answer(L"C:\\y\\c.asa"), f.get<input_browse_button>().click();
       },
       Screen{.input = L"C:\\y\\c.asa", .output_folder = L"C:\\y\\", .output_name = L"n", .type = L"asa",
           .suffix = L"_enc.asa", .output_name_check = 1, .output_name_usable = true, .set_language_usable = true},
       L"e|asa|on|on|C:\\y\\c.asa|C:\\y|c|C:\\y\\|n|D:\\o\\n_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"the own folder stays, the name follows",
       [this](MainWindow& f) {
         f.get<same_folder_check>().set_value(0), f.get<output_name_check>().set_value(0), answer(L"C:\\z\\d.asa"),
         f.get<input_browse_button>().click();
       },
       Screen{.input = L"C:\\z\\d.asa", .output_folder = L"C:\\y\\", .output_name = L"d", .type = L"asa",
           .suffix = L"_enc.asa", .same_folder = 0, .output_folder_usable = true, .output_browse_usable = true,
           .set_language_usable = true},
       L"e|asa|off|off|C:\\z\\d.asa|C:\\z|d|C:\\y\\|d|C:\\y\\d_enc.asa|off|off|off|off|on|vb||_enc.asa"},
  });
  EXPECT_EQ(platform.dialogs_shown.size(), 5u);
  EXPECT_EQ(platform.dialogs_shown[0].title + L"|" + platform.dialogs_shown[0].filter + L"|" +
                platform.dialogs_shown[0].init_dir,
            texts::script_dialog_title(L"asa") + L"|Active Server Application (*.asa)|*.asa|C:\\start");
  EXPECT_EQ(shown(), texts::script_dialog_title(L"asa") + L"|Active Server Application (*.asa)|*.asa|C:\\y|")
      << "the file name of the last choice is not offered again";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Select, EncoderDialogChoiceAndCancel) {
  MainWindow& f = begin();
  answer(L"C:\\tools\\other.exe");
  f.file_dialog.multiple = true;  // as the script dialog leaves it
  f.get<encoder_browse_button>().click();
  EXPECT_FALSE(platform.dialogs_shown.back().multiple) << "one encoder only";
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.get<encoder_box>().text(), L"C:\\tools\\other.exe|C:\\tools\\other.exe");
  EXPECT_EQ(shown(), L"|" + std::wstring(texts::kEncoderFilter) + L"||") << "title and folder as they were";
  answer(L"");
  f.get<encoder_browse_button>().click();
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.get<encoder_box>().text(), L"|");
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{texts::kNoEncoderChosen, texts::kReportTitle, kExclamation}}));
  // A type that is none of the table's keeps the encoder's filter.
  f.get<type_list>().type_text(L"x");
  f.settings.script_ext.clear();
  f.get<input_browse_button>().click();
  EXPECT_EQ(shown(), texts::script_dialog_title(L"") + L"|" + texts::kEncoderFilter + L"||");
}

TEST_F(Select, FilesHandedAtTheStartAreTakenAsDropped) {
  const std::wstring first_start = record(first_start_record());
  struct Row { const char* what; std::vector<std::wstring> files; std::vector<Message> said; std::wstring record; };
  const Row rows[] = {
      {"handled type", {L"C:\\w\\a.js"}, {},
       L"C:\\Program Files\\Windows Script Encoder\\screnc.exe|js|on|off|C:\\w\\a.js|C:\\w|a|C:\\w\\|a|C:\\w\\a.jse|off|off|off|off|on|vb||.jse"},
      {"refused type", {L"C:\\w\\a.txt"}, {{texts::kUnsupportedExtension, texts::kReportTitle, kExclamation}}, first_start},
      {"missing file", {L"C:\\w\\gone.js"}, {{texts::missing(L"C:\\w\\gone.js"), texts::kReportTitle, kExclamation}}, first_start},
      {"empty arguments ignored", {L"", L"C:\\w\\a.js", L""}, {}, L""},
      {"only an empty argument", {L""}, {}, first_start},
      {"a name the command line cannot carry", {L"C:\\w\\aé.js"},
       {{texts::uncarried_path(texts::unusable_on_command_line(L"é"), L"C:\\w\\aé.js"), texts::kReportTitle,
         kExclamation}}, first_start}};
  for (const wchar_t* path : {L"C:\\w\\a.js", L"C:\\w\\a.txt", L"C:\\w\\aé.js"})
    platform.put_lines(path, {});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    MainWindow& f = fresh();
    f.take_handed_files(row.files);
    EXPECT_EQ(platform.messages, row.said);
    EXPECT_EQ(record(f.settings), row.record.empty() ? rows[0].record : row.record);
  }
}

TEST_F(Select, FolderChooserWritesEachFolderOpenedAtOnce) {
  MainWindow& f = begin();
  f.get<same_folder_check>().set_value(0);
  f.get<output_folder_box>().set_text(L"C:\\before\\");
  f.get<output_name_box>().set_text(L"n");
  platform.unreadable_drives.insert(L"e:");
  platform.folders.erase(L"C:\\work\\site");
  const Message not_chosen{texts::kNoFolderChosen, texts::kNavigationTitle, kExclamation};
  platform.on_chooser = [&](FolderChooser& c) {
    EXPECT_EQ(c.get<drive_list>().text() + L"|" + c.get<folder_box>().path(), L"c:|C:\\work") << "the current folder";
    EXPECT_TRUE(c.get<hint_label>().visible() && !c.get<ok_button>().visible());
    c.close_box();
  };
  f.get<output_browse_button>().click();
  EXPECT_EQ(f.settings.out_folder + L"|" + f.settings.out_path, L"C:\\before\\|C:\\before\\n.vbe")
      << "the close box keeps the folder";

  f.get<output_folder_box>().set_text(L"");
  platform.on_chooser = [&](FolderChooser& c) {
    c.get<ok_button>().click();
    EXPECT_FALSE(c.window.unloaded());
    EXPECT_EQ(platform.messages.back(), not_chosen);
    c.on_folder_opened(-1);
    c.on_folder_opened(static_cast<int>(c.get<folder_box>().entries().size()));
    c.on_folder_opened(2);  // "site", which cannot be read
    EXPECT_EQ(platform.messages.back(), (Message{texts::unopenable_folder(L"C:\\work\\site"), texts::kNavigationTitle, kExclamation}));
    EXPECT_EQ(f.settings.out_folder, L"") << "nothing opened yet";
    c.on_folder_opened(0);  // the root
    EXPECT_EQ(f.settings.out_folder, L"C:\\\\");
    EXPECT_TRUE(c.get<ok_button>().visible() && !c.get<hint_label>().visible());
    c.get<drive_list>().pick(1);
    EXPECT_EQ(c.get<folder_box>().path() + L"|" + f.settings.out_folder, L"D:\\|D:\\\\");
    c.get<drive_list>().pick(2);
    EXPECT_EQ(platform.messages.back(), (Message{texts::unreadable_drive(L"e:"), texts::kNavigationTitle, kExclamation}));
    EXPECT_EQ(c.get<drive_list>().text() + L"|" + c.get<folder_box>().path(), L"d:|D:\\");
    c.get<drive_list>().pick(1);  // the drive already shown keeps its folder
    c.on_folder_opened(1);
    c.get<folder_box>().click(0);
    EXPECT_TRUE(c.get<hint_label>().visible() && c.get<ok_button>().visible());
    c.get<ok_button>().click();
  };
  f.get<output_browse_button>().click();
  EXPECT_EQ(f.get<output_folder_box>().text() + L"|" + f.settings.out_path, L"D:\\data\\|D:\\data\\n.vbe");
  EXPECT_EQ(platform.chooser_shown, 2);
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

}  // namespace mosa
