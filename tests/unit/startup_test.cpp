// Start-up: starts from no settings file and from files of every kind, the
// window surface, the detail area and initialising all settings.
#include "app_fixture.h"
#include "core/texts.h"
#include "select/encoder_location.h"

namespace mosa {

TEST_F(AppTest, SecondInstanceEndsWithoutReadingOrWriting) {
  platform.other_instance = true;
  MainWindow f(platform);
  EXPECT_FALSE(f.on_load());
  EXPECT_TRUE(platform.files.empty() && platform.events.empty());
}

TEST_F(AppTest, StartsFromFilesOfEveryKind) {
  struct Case {
    const char* what;
    std::vector<std::wstring> lines;
    Screen screen;
    const wchar_t* record;
  };
  const Case cases[] = {
      {"saved by a run",
       {L"D:\\enc\\screnc.exe", L"asp", L"off", L"on", L"C:\\w\\a.asp", L"C:\\w", L"a", L"D:\\out\\",
        L"named", L"D:\\out\\named_enc.asp", L"on", L"off", L"on", L"on", L"off", L"js", L"on"},
       Screen{.input = L"C:\\w\\a.asp", .output_folder = L"D:\\out\\", .encoder = L"D:\\enc\\screnc.exe",
           .output_name = L"named", .type = L"asp", .language = L"JScript", .suffix = L"_enc.asp", .same_folder = 0,
           .output_name_check = 1, .progress = 1, .no_language = 1, .set_language = 1, .wsf_as_sct = 0,
           .output_folder_usable = true, .output_browse_usable = true, .output_name_usable = true,
           .no_language_usable = true, .set_language_usable = true, .language_usable = true, .height = 4830,
           .detail_tabs = '+'},
       L"D:\\enc\\screnc.exe|asp|off|on|C:\\w\\a.asp|C:\\w|a|D:\\out\\|named|D:\\out\\named_enc.asp|on|off|on|on|off|js|on|"
       L"_enc.asp"},
      {"the first type, every option", file_lines({{2, L"asa"}, {3, L"off"}, {11, L"on"}, {13, L"on"},
                                                   {14, L"on"}, {15, L"on"}, {16, L"vb"}}),
       Screen{.encoder = L"", .type = L"asa", .suffix = L"_enc.asa", .same_folder = 0, .progress = 1, .no_language = 1,
           .set_language = 1, .output_folder_usable = true, .output_browse_usable = true, .set_language_usable = true,
           .language_usable = true}, L"|asa|off|off|||||||on|off|on|on|on|vb||_enc.asa"},
      // Line 3 is set unless exactly "off", the other flags only when exactly
      // "on"; an unknown type selects nothing; a language other than "vb" is JScript.
      {"words not exactly as written",
       file_lines({{1, L"e"}, {2, L"VBS"}, {3, L"Off"}, {4, L"On"}, {11, L"ON"}, {13, L"on "},
                   {14, L"On"}, {15, L"ON"}, {16, L"VB"}, {17, L"On"}}),
       Screen{.type = L"Combo1", .language = L"JScript", .suffix = L"lbl6", .wsf_as_sct = 0, .no_language_usable = true,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|VBS|on|off|||||||off|off|off|off|off|js|off|"},
      // Line 14 off runs nothing, so the list keeps the state the type left; the
      // type comes before the language, so "wsf" gets the JScript suffix.
      {"type before language", file_lines({{2, L"wsf"}, {14, L"off"}, {16, L"vb"}}),
       Screen{.encoder = L"", .type = L"wsf", .suffix = L".jse", .wsf_as_sct = 0, .set_language_usable = true,
           .wsf_as_sct_usable = true, .language_usable = true}, L"|wsf|on|off|||||||off|off|off|off|off|vb||.jse"},
      {"js disables the language list", file_lines({{2, L"js"}, {14, L"off"}}),
       Screen{.encoder = L"", .type = L"js", .language = L"JScript", .suffix = L".jse", .wsf_as_sct = 0},
       L"|js|on|off|||||||off|off|off|off|off|js||.jse"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindow& f = start_with(c.lines);
    EXPECT_EQ(record(f.settings), c.record);
    EXPECT_EQ(screen(f), c.screen);
    EXPECT_TRUE(platform.events.empty()) << "nothing asked or written";
    platform = FakePlatform{};
  }
}

TEST_F(AppTest, AFileCutShortHoldsItsLinesOverTheDefaultsAndIsReported) {
  const std::wstring microsoft = kFirstStartFile[0];
  struct Case {
    const char* what;
    std::vector<std::wstring> lines;
    Screen screen;
  };
  const Case cases[] = {
      {"empty file", {}, Screen{.encoder = microsoft}},
      {"two lines", {L"X:\\screnc.exe", L"js"},
       Screen{.encoder = L"X:\\screnc.exe", .type = L"js", .suffix = L".jse"}},
      {"five lines", {L"X:\\e.exe", L"js", L"off", L"off", L"C:\\a.js"},
       Screen{.input = L"C:\\a.js", .encoder = L"X:\\e.exe", .type = L"js", .suffix = L".jse", .same_folder = 0,
           .output_folder_usable = true, .output_browse_usable = true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(screen(start_with(c.lines)), c.screen);
    EXPECT_EQ(platform.messages, (std::vector<Message>{{texts::settings_unwritable(platform.settings_path()),
                                                         texts::kErrorTitle, kExclamation}}));
    EXPECT_EQ(platform.events.size(), 1u) << "the file left as it is";
    platform = FakePlatform{};
  }
}

TEST_F(AppTest, LinesMayEndInLfOrCrAndLinesAfterTheLastAreIgnored) {
  std::wstring text = L"A:\\e.exe\nhtm\roff\r\n";
  for (int i = 4; i <= 16; ++i) text += L"x\n";
  text += L"on\r\nline 18\r\nline 19";
  platform.files[platform.settings_path()] = {text};
  MainWindow& f = start();
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.settings.script_ext + L"|" + line_of(f.settings, &Settings::same_folder) +
                L"|" + line_of(f.settings, &Settings::script_lang) + L"|" + line_of(f.settings, &Settings::detail_open),
            L"A:\\e.exe|htm|off|js|on");
  EXPECT_EQ(split_lines(L"a\n\rb\r\r", 17), (std::vector<std::wstring>{L"a", L"", L"b", L""}));
  EXPECT_EQ(split_lines(L"1\r\n2\r\n3", 2), (std::vector<std::wstring>{L"1", L"2"}));
}

TEST_F(AppTest, OverwriteOnInFileAsksBeforeTheWindowShows) {
  platform.answers = {kYes};
  MainWindow& f = start_with(file_lines({{2, L"vbs"}, {10, L"C:\\o\\a.vbe"}, {12, L"on"}}));
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{texts::will_overwrite(L"C:\\o\\a.vbe"), texts::kConfirmTitle, kYesNo}}));
  EXPECT_TRUE(f.settings.opt_overwrite);
}

TEST_F(AppTest, AFileThatCannotBeReadOrWrittenIsNeverLost) {
  const Message error{texts::settings_unwritable(L"C:\\tools\\enc\\mosa-trevlin.ini"), texts::kErrorTitle,
                      kExclamation};
  // Found and refused, or not text in any form; or not found by a search that
  // had no network to look on.
  for (bool found : {true, false}) {
    platform = FakePlatform{};
    if (found) platform.put_lines(platform.settings_path(), {L"mine"});
    platform.unreadable.insert(platform.settings_path());
    EXPECT_EQ(start().settings, first_start_record());
    EXPECT_EQ(platform.files.count(platform.settings_path()), found ? 1u : 0u) << "nothing written";
    EXPECT_EQ(platform.messages, std::vector<Message>{error});
  }

  platform = FakePlatform{};
  platform.unwritable.insert(platform.settings_path());
  EXPECT_EQ(start().settings, first_start_record());
  EXPECT_EQ(platform.messages, std::vector<Message>{error}) << "said once, and the program starts";
}

TEST_F(AppTest, RightClickTogglesInitialiseButtonOtherClicksHideIt) {
  MainWindow& f = fresh();
  std::wstring seen;
  for (int button : {2, 2, 2, 4, 2, 1}) {
    f.on_mouse_down(button);
    seen += f.get<initialise_button>().visible() ? L'v' : L'-';
  }
  EXPECT_EQ(seen, L"v-v-v-");
}

TEST_F(AppTest, DetailToggleFollowsTheHeightAlone) {
  MainWindow& f = fresh();
  std::wstring seen;
  for (int height : {kDetailClosedHeight, kDetailOpenHeight, 3000}) {
    f.window.set_height(height);
    f.get<detail_button>().click();
    seen += std::to_wstring(f.window.height()) + (f.get<no_language_check>().tab_stop() ? L"+" : L"-") +
            f.get<detail_button>().caption() + f.get<detail_button>().tooltip() + line_of(f.settings, &Settings::detail_open) + L" ";
  }
  EXPECT_EQ(seen, L"4830+" + std::wstring(texts::kCloseDetail) + texts::kCloseDetailTip +
                      L"on 2520-詳細を開く詳細設定域を開くoff 2520-詳細を開く詳細設定域を開くoff ");
  EXPECT_TRUE(platform.events.empty()) << "the toggle writes nothing";
}

class InitialiseAll : public AppTest {
 protected:
  // A window far from its defaults: another type, an input, a typed output
  // folder and name, options ticked, the detail area open.
  MainWindow& prepared() {
    MainWindow& f = fresh();
    f.get<detail_button>().click();
    f.on_files_dropped({L"C:\\w\\page.htm"});
    f.get<same_folder_check>().set_value(0);
    f.get<output_folder_box>().set_text(L"D:\\x\\");
    f.get<output_name_check>().set_value(1);
    f.get<output_name_box>().set_text(L"mine");
    f.get<progress_check>().set_value(1);
    f.get<language_list>().pick(1);
    f.on_mouse_down(2);
    platform.events.clear();
    return f;
  }
};

TEST_F(InitialiseAll, YesRestoresSavesAndClosesTheDetailArea) {
  MainWindow& f = prepared();
  platform.answers = {kYes, kYes};
  f.get<overwrite_check>().set_value(1);
  f.get<initialise_button>().click();
  ASSERT_EQ(platform.messages.size(), 3u) << "the overwrite question, then two";
  EXPECT_EQ(platform.messages[1],
            (Message{texts::kInitialiseQuestion, texts::kConfirmTitle, 3}));
  EXPECT_EQ(platform.messages[2], (Message{texts::kInitialised, texts::kReportTitle, 64}));
  Settings expected = first_start_record();
  expected.detail_open = DetailArea::Closed;
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(screen(f), (Screen{.encoder = kMicrosoftEncoder}));
  EXPECT_EQ(saved_lines().back(), L"on") << "saved before the area closed";
  EXPECT_FALSE(f.get<initialise_button>().visible());

  // With "vbs" already selected and the boxes as the defaults leave them, no
  // handling runs: both folders keep the encoder's folder, and the empty name
  // box composes no output path.
  platform.answers = {kYes};
  f.get<initialise_button>().click();
  expected.in_folder = expected.out_folder = L"C:\\Program Files\\Windows Script Encoder\\";
  expected.out_path = L"";
  EXPECT_EQ(f.settings, expected);
}

// The defaults take Microsoft's encoder, else ours, else Microsoft's location;
// a settings file's own choice stands.
TEST_F(AppTest, DefaultEncoderAtFirstStartAndInitialiseAll) {
  const std::wstring ours = L"C:\\tools\\enc\\encoder\\screnc.exe", microsofts = kMicrosoftEncoder;
  for (const auto& [present, expected] : {std::pair{std::vector{microsofts, ours}, microsofts},
                                          {std::vector{ours}, ours}, {std::vector<std::wstring>{}, microsofts}}) {
    platform = FakePlatform{};
    for (const std::wstring& path : present) platform.put_lines(path, {});
    MainWindow& f = start();
    EXPECT_EQ(f.get<encoder_box>().text() + L"|" + saved_lines()[0], expected + L"|" + expected) << "first start";
    f.get<encoder_box>().set_text(L"D:\\mine.exe");
    platform.answers = {kYes};
    f.get<initialise_button>().click();
    EXPECT_EQ(f.settings.encoder_path + L"|" + saved_lines()[0], expected + L"|" + expected) << "initialise all";
    EXPECT_EQ(start_with(file_lines({{1, L"D:\\mine.exe"}})).settings.encoder_path, L"D:\\mine.exe");
  }
}

TEST_F(InitialiseAll, NoAndCancelChangeNothingAndAFailedSaveStillInitialises) {
  const Message no{texts::kNotInitialised, texts::kReportTitle, 64},
      cancel{texts::kInitialiseCancelled, texts::kReportTitle, 64}, done{texts::kInitialised, texts::kReportTitle, 64};
  for (auto [answer, said, changes] : {std::tuple{kNo, no, false}, {kCancel, cancel, false}, {kYes, done, true}}) {
    MainWindow& f = prepared();
    const Settings before = f.settings;
    platform.answers = {answer};
    platform.unwritable.insert(platform.settings_path());
    f.get<initialise_button>().click();
    EXPECT_EQ(platform.messages.back(), said);
    EXPECT_EQ(platform.messages.size(), changes ? 3u : 2u) << "the question, an error if saving, the report";
    EXPECT_EQ(f.settings == before, !changes);
    EXPECT_EQ(f.window.height(), changes ? kDetailClosedHeight : kDetailOpenHeight);
    EXPECT_FALSE(f.get<initialise_button>().visible());
  }
}

TEST_F(InitialiseAll, WithVbsAlreadyChosenTheStepsThemselvesClearTheInput) {
  MainWindow& f = start_with(file_lines({{2, L"vbs"}, {3, L"x"}, {4, L"on"}, {5, L"C:\\w\\a.vbs"}, {6, L"C:\\w"},
                                   {7, L"a"}, {9, L"n"}}));
  platform.answers = {kYes};
  f.get<initialise_button>().click();
  Settings expected = first_start_record();
  expected.detail_open = DetailArea::Closed;
  expected.in_folder = expected.out_folder = L"C:\\Program Files\\Windows Script Encoder\\";
  expected.out_path = expected.out_folder + L".vbe";
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(f.get<input_box>().text() + f.get<output_name_box>().text(), L"");
  f.get<type_list>().pick(1);
  EXPECT_EQ(f.settings.out_folder, L"") << "the folder box was empty already";
}

}  // namespace mosa
