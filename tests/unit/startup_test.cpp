// Start-up: starts from no settings file and from files of every kind, the
// window surface, the detail area and initialising all settings.
#include "app_fixture.h"
#include "select/encoder_location.h"

TEST_F(AppTest, SecondInstanceEndsWithoutReadingOrWriting) {
  platform.other_instance = true;
  frm1 f(platform);
  EXPECT_FALSE(f.Form_Load());
  EXPECT_TRUE(platform.files.empty() && platform.events.empty());
}

TEST_F(AppTest, StartsFromFilesOfEveryKind) {
  struct Case {
    const char* what;
    std::vector<std::wstring> lines;
    const wchar_t* screen;
    const wchar_t *suffix, *same_folder;
  };
  const Case cases[] = {
      {"saved by a run",
       {L"D:\\enc\\screnc.exe", L"asp", L"off", L"on", L"C:\\w\\a.asp", L"C:\\w", L"a", L"D:\\out\\",
        L"named", L"D:\\out\\named_enc.asp", L"on", L"off", L"on", L"on", L"off", L"js", L"on"},
       L"C:\\w\\a.asp|D:\\out\\|D:\\enc\\screnc.exe|named|asp|JScript|_enc.asp|0110110|1111101|4830+",
       L"_enc.asp", L"off"},
      {"the first type, every option", file_lines({{2, L"asa"}, {3, L"off"}, {11, L"on"}, {13, L"on"},
                                                   {14, L"on"}, {15, L"on"}, {16, L"vb"}}),
       L"||||asa|VBScript|_enc.asa|0010111|1100101|2520-", L"_enc.asa", L"off"},
      // Line 3 is set unless exactly "off", the other flags only when exactly
      // "on"; an unknown type selects nothing; a language other than "vb" is JScript.
      {"words not exactly as written",
       file_lines({{1, L"e"}, {2, L"VBS"}, {3, L"Off"}, {4, L"On"}, {11, L"ON"}, {13, L"on "},
                   {14, L"On"}, {15, L"ON"}, {16, L"VB"}, {17, L"On"}}),
       L"||e||Combo1|JScript|lbl6|1000000|0001111|2520-", L"", L"on"},
      // Line 14 off runs nothing, so the list keeps the state the type left; the
      // type comes before the language, so "wsf" gets the JScript suffix.
      {"type before language", file_lines({{2, L"wsf"}, {14, L"off"}, {16, L"vb"}}),
       L"||||wsf|VBScript|.jse|1000000|0000111|2520-", L".jse", L"on"},
      {"js disables the language list", file_lines({{2, L"js"}, {14, L"off"}}),
       L"||||js|JScript|.jse|1000000|0000000|2520-", L".jse", L"on"},
      {"empty file", {}, L"Text1|Text2|Text3|Text4|Combo1|Combo1|lbl6|0000000|1111111|4905+", L"", L""},
      {"five lines", {L"X:\\e.exe", L"js", L"off", L"off", L"C:\\a.js"},
       L"C:\\a.js|Text2|X:\\e.exe|Text4|js|Combo1|.jse|0000000|1100000|4905+", L".jse", L"off"},
      {"two lines", {L"X:\\screnc.exe", L"js"},
       L"|Text2|X:\\screnc.exe|Text4|js|Combo1|.jse|0000000|1110000|4905+", L".jse", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frm1& f = start_with(c.lines);
    Settings expected;
    for (size_t i = 0; i < c.lines.size(); ++i) expected.*kFileLines[i] = c.lines[i];
    expected.out_suffix = c.suffix;
    expected.same_folder = c.same_folder;  // anything but "off" ticks chk1, which sets "on"
    EXPECT_EQ(f.settings, expected);
    EXPECT_EQ(screen(f), c.screen);
    EXPECT_TRUE(platform.events.empty()) << "nothing asked or written";
    platform = FakePlatform{};
  }
}

TEST_F(AppTest, OnTheLaidOutWindowTheOptionResetDisablesTheLanguageList) {
  frm1& f = start_with({});
  f.cmb1.pick(1);
  EXPECT_TRUE(f.cmb2.enabled());
  f.cmd7.click();
  EXPECT_FALSE(f.cmb2.enabled());
}

TEST_F(AppTest, LinesMayEndInLfOrCrAndLinesAfterTheLastAreIgnored) {
  std::wstring text = L"A:\\e.exe\nhtm\roff\r\n";
  for (int i = 4; i <= 16; ++i) text += L"x\n";
  text += L"on\r\nline 18\r\nline 19";
  platform.files[platform.settings_path()] = {text};
  frm1& f = start();
  EXPECT_EQ(f.settings.encoder_path + L"|" + f.settings.script_ext + L"|" + f.settings.same_folder +
                L"|" + f.settings.script_lang + L"|" + f.settings.detail_open,
            L"A:\\e.exe|htm|off|x|on");
  EXPECT_EQ(split_lines(L"a\n\rb\r\r", 17), (std::vector<std::wstring>{L"a", L"", L"b", L""}));
  EXPECT_EQ(split_lines(L"1\r\n2\r\n3", 2), (std::vector<std::wstring>{L"1", L"2"}));
  // Only the first mebibyte is read: a file of any size costs nothing.
  platform.files[platform.settings_path()] = {L"A:\\e.exe\r\n" + std::wstring(1 << 20, L'x') + L"\r\nvbs"};
  EXPECT_EQ(start().settings.script_ext.size(), (1u << 20) - 10) << "the second line, cut";
}

TEST_F(AppTest, OverwriteOnInFileAsksBeforeTheWindowShows) {
  platform.answers = {kYes};
  frm1& f = start_with(file_lines({{2, L"vbs"}, {10, L"C:\\o\\a.vbe"}, {12, L"on"}}));
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"C:\\o\\a.vbe を上書きします。", L"確認", kYesNo}}));
  EXPECT_EQ(f.settings.opt_overwrite, L"on");
}

TEST_F(AppTest, AFileThatCannotBeReadOrWrittenIsNeverLost) {
  const Message error{L"C:\\tools\\enc\\mosa-trevlin.ini が存在しないか変更できません。", L"エラー",
                      kExclamation};
  // Found and refused; or not found by a search that had no network to look on.
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
  frm1& f = fresh();
  std::wstring seen;
  for (int button : {2, 2, 2, 4, 2, 1}) {
    f.Form_MouseDown(button);
    seen += f.cmd8.visible() ? L'v' : L'-';
  }
  EXPECT_EQ(seen, L"v-v-v-");
}

TEST_F(AppTest, DetailToggleFollowsTheHeightAlone) {
  frm1& f = fresh();
  std::wstring seen;
  for (int height : {kDetailClosedHeight, kDetailOpenHeight, 3000}) {
    f.window.set_height(height);
    f.cmd4.click();
    seen += std::to_wstring(f.window.height()) + (f.ochk3.tab_stop() ? L"+" : L"-") + f.cmd4.caption() +
            f.cmd4.tooltip() + f.settings.detail_open + L" ";
  }
  EXPECT_EQ(seen, L"4830+詳細を閉じる詳細設定域を閉じるon 2520-詳細を開く詳細設定域を開くoff "
                  L"2520-詳細を開く詳細設定域を開くoff ");
  EXPECT_TRUE(platform.events.empty()) << "the toggle writes nothing";
}

class InitialiseAll : public AppTest {
 protected:
  // A window far from its defaults: another type, an input, a typed output
  // folder and name, options ticked, the detail area open.
  frm1& prepared() {
    frm1& f = fresh();
    f.cmd4.click();
    f.txt1_OLEDragDrop({L"C:\\w\\page.htm"});
    f.chk1.set_value(0);
    f.txt2.set_text(L"D:\\x\\");
    f.chk2.set_value(1);
    f.txt4.set_text(L"mine");
    f.ochk1.set_value(1);
    f.cmb2.pick(1);
    f.Form_MouseDown(2);
    platform.events.clear();
    return f;
  }
};

TEST_F(InitialiseAll, YesRestoresSavesAndClosesTheDetailArea) {
  frm1& f = prepared();
  platform.answers = {kYes, kYes};
  f.ochk2.set_value(1);
  f.cmd8.click();
  ASSERT_EQ(platform.messages.size(), 3u) << "the overwrite question, then two";
  EXPECT_EQ(platform.messages[1],
            (Message{L"注意！\r\r全ての設定を初期化します。初期化しますか？", L"確認", 3}));
  EXPECT_EQ(platform.messages[2], (Message{L"初期化されました。", L"報告", 64}));
  Settings expected = first_start_record();
  expected.detail_open = L"off";
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(screen(f), L"||" + std::wstring(kMicrosoftEncoder) + L"||vbs|VBScript|.vbe|1000001|0000000|2520-");
  EXPECT_EQ(saved_lines().back(), L"on") << "saved before the area closed";
  EXPECT_FALSE(f.cmd8.visible());

  // With "vbs" already selected and the boxes as the defaults leave them, no
  // handling runs: both folders keep the encoder's folder, and the empty name
  // box composes no output path.
  platform.answers = {kYes};
  f.cmd8.click();
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
    frm1& f = start();
    EXPECT_EQ(f.txt3.text() + L"|" + saved_lines()[0], expected + L"|" + expected) << "first start";
    f.txt3.set_text(L"D:\\mine.exe");
    platform.answers = {kYes};
    f.cmd8.click();
    EXPECT_EQ(f.settings.encoder_path + L"|" + saved_lines()[0], expected + L"|" + expected) << "initialise all";
    EXPECT_EQ(start_with(file_lines({{1, L"D:\\mine.exe"}})).settings.encoder_path, L"D:\\mine.exe");
  }
}

TEST_F(InitialiseAll, NoAndCancelChangeNothingAndAFailedSaveStillInitialises) {
  const Message no{L"初期化しません。", L"報告", 64}, cancel{L"初期化を中止しました。", L"報告", 64},
      done{L"初期化されました。", L"報告", 64};
  for (auto [answer, said, changes] : {std::tuple{kNo, no, false}, {kCancel, cancel, false}, {kYes, done, true}}) {
    frm1& f = prepared();
    const Settings before = f.settings;
    platform.answers = {answer};
    platform.unwritable.insert(platform.settings_path());
    f.cmd8.click();
    EXPECT_EQ(platform.messages.back(), said);
    EXPECT_EQ(platform.messages.size(), changes ? 3u : 2u) << "the question, an error if saving, the report";
    EXPECT_EQ(f.settings == before, !changes);
    EXPECT_EQ(f.window.height(), changes ? kDetailClosedHeight : kDetailOpenHeight);
    EXPECT_FALSE(f.cmd8.visible());
  }
}

TEST_F(InitialiseAll, WithVbsAlreadyChosenTheStepsThemselvesClearTheInput) {
  frm1& f = start_with(file_lines({{2, L"vbs"}, {3, L"x"}, {4, L"on"}, {5, L"C:\\w\\a.vbs"}, {6, L"C:\\w"},
                                   {7, L"a"}, {9, L"n"}}));
  platform.answers = {kYes};
  f.cmd8.click();
  Settings expected = first_start_record();
  expected.detail_open = L"off";
  expected.in_folder = expected.out_folder = L"C:\\Program Files\\Windows Script Encoder\\";
  expected.out_path = expected.out_folder + L".vbe";
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(f.txt1.text() + f.txt4.text(), L"");
  f.cmb1.pick(1);
  EXPECT_EQ(f.settings.out_folder, L"") << "the folder box was empty already";
}
