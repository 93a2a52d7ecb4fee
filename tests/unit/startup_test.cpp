// Start-up: a first start, starts from settings files of every kind, the window
// surface and initialising all settings.
#include "app_fixture.h"

TEST_F(AppTest, FirstStartRestoresDefaultsAndWritesTheFile) {
  frm1& f = start();
  EXPECT_EQ(f.settings, first_start_record());
  EXPECT_EQ(saved_lines(), kFirstStartFile);
  EXPECT_TRUE(platform.messages.empty());

  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
  EXPECT_FALSE(f.cmd8.visible());
  EXPECT_EQ(f.cmb1.text() + f.lbl6.caption() + f.cmb2.text(), L"vbs.vbeVBScript");
  EXPECT_EQ(f.txt1.text() + f.txt2.text() + f.txt4.text(), L"");
  EXPECT_EQ(f.txt3.text(), first_start_record().encoder_path);
  EXPECT_TRUE(f.chk1.ticked());
  EXPECT_FALSE(f.txt2.enabled() || f.cmd2.enabled() || f.txt4.enabled());
  EXPECT_EQ(option_ticks(f), (std::vector<int>{0, 0, 0, 0, 1}));
  EXPECT_FALSE(f.ochk3.enabled() || f.ochk4.enabled() || f.ochk5.enabled() || f.cmb2.enabled());
  for (Control* c : std::vector<Control*>{&f.txt3, &f.cmd5, &f.ochk1, &f.ochk2, &f.ochk3,
                                          &f.ochk4, &f.ochk5, &f.cmd7, &f.cmb2})
    EXPECT_FALSE(c->tab_stop()) << c->row().name;
  EXPECT_TRUE(f.cmd3.tab_stop());
}

TEST_F(AppTest, SecondInstanceEndsWithoutReadingOrWriting) {
  platform.other_instance = true;
  frm1 f(platform);
  EXPECT_FALSE(f.Form_Load());
  EXPECT_TRUE(platform.files.empty() && platform.events.empty());
}

TEST_F(AppTest, StartFromSavedFileRestoresTheRecord) {
  const std::vector<std::wstring> lines = {
      L"D:\\enc\\screnc.exe", L"asp", L"off", L"on", L"C:\\w\\a.asp", L"C:\\w", L"a",
      L"D:\\out\\", L"named", L"D:\\out\\named_enc.asp", L"on", L"off", L"on", L"on", L"off",
      L"js", L"on"};
  frm1& f = start_with(lines);
  Settings expected;
  for (int i = 0; i < kFileLineCount; ++i) expected.*kFileLines[i] = lines[i];
  expected.out_suffix = L"_enc.asp";
  EXPECT_EQ(f.settings, expected);
  EXPECT_TRUE(platform.events.empty()) << "nothing asked or written";

  EXPECT_EQ(f.txt3.text() + L"|" + f.txt1.text() + L"|" + f.txt2.text() + L"|" + f.txt4.text(),
            L"D:\\enc\\screnc.exe|C:\\w\\a.asp|D:\\out\\|named");
  EXPECT_EQ(f.chk1.value() * 10 + f.chk2.value(), 1);
  EXPECT_TRUE(f.txt2.enabled() && f.cmd2.enabled() && f.txt4.enabled() && f.cmb2.enabled());
  EXPECT_EQ(option_ticks(f), (std::vector<int>{1, 0, 1, 1, 0}));
  EXPECT_EQ(f.cmb2.text(), L"JScript");
  EXPECT_EQ(f.window.height(), kDetailOpenHeight);
  EXPECT_EQ(f.cmd4.caption() + f.cmd4.tooltip(), L"詳細を閉じる詳細設定域を閉じる");
  EXPECT_TRUE(f.cmb2.tab_stop() && f.txt3.tab_stop());
}

TEST_F(AppTest, EmptyOrShortFileKeepsTheLaidOutStateBeyondItsLines) {
  frm1& f = start_with({});
  EXPECT_EQ(f.settings, Settings{});
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(f.txt1.text() + f.txt4.text() + f.cmb1.text() + f.cmb2.text() + f.lbl6.caption(),
            L"Text1Text4Combo1Combo1lbl6");
  EXPECT_EQ(f.window.height(), kFrm1LaidOutHeight);

  frm1& g = start_with({L"X:\\screnc.exe", L"js"});
  EXPECT_EQ(g.settings.encoder_path + g.settings.script_ext + g.settings.out_suffix,
            L"X:\\screnc.exejs.jse");
  EXPECT_EQ(g.txt2.text(), L"Text2");
  EXPECT_EQ(g.window.height(), kFrm1LaidOutHeight);
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
}

TEST_F(AppTest, LinesCountOnlyExactWords) {
  // An unknown type selects nothing; line 3 is set unless exactly "off", the
  // other flags only when exactly "on"; a language other than "vb" is JScript.
  frm1& f = start_with(file_lines({{1, L"e"}, {2, L"VBS"}, {4, L"On"}, {11, L"ON"},
                                   {13, L"on "}, {14, L"On"}, {16, L"VB"}, {17, L"On"}}));
  EXPECT_EQ(f.settings.script_ext, L"VBS");
  EXPECT_EQ(f.cmb1.selected(), -1);
  EXPECT_EQ(f.settings.out_suffix, L"");
  EXPECT_TRUE(f.chk1.ticked());
  EXPECT_EQ(f.settings.same_folder, L"on");
  EXPECT_EQ(f.chk2.value(), 0);
  EXPECT_EQ(option_ticks(f), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(f.cmb2.text(), L"JScript");
  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
}

TEST_F(AppTest, OverwriteOnInFileAsksBeforeTheWindowShows) {
  platform.answers = {kYes};
  frm1& f = start_with(file_lines({{2, L"vbs"}, {10, L"C:\\o\\a.vbe"}, {12, L"on"}}));
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"C:\\o\\a.vbe を上書きします。", L"確認", kYesNo}}));
  EXPECT_EQ(f.settings.opt_overwrite, L"on");
}

TEST_F(AppTest, TheOrderOfLinesDecidesTypeDependentState) {
  // Line 14 off runs nothing, so the list keeps the state the type left.
  EXPECT_TRUE(start_with(file_lines({{2, L"asp"}, {14, L"off"}})).cmb2.enabled());
  EXPECT_FALSE(start_with(file_lines({{2, L"js"}, {14, L"off"}})).cmb2.enabled());
  // The type comes before the language, so "wsf" gets the JScript suffix.
  frm1& f = start_with(file_lines({{2, L"wsf"}, {16, L"vb"}}));
  EXPECT_EQ(f.settings.out_suffix, L".jse");
  EXPECT_EQ(f.cmb2.text(), L"VBScript");
}

TEST_F(AppTest, UnreadableFileIsNeverOverwritten) {
  platform.put_lines(platform.settings_path(), {L"mine"});
  platform.unreadable.insert(platform.settings_path());
  frm1& f = start();
  EXPECT_EQ(f.settings, first_start_record());
  EXPECT_EQ(platform.files.at(platform.settings_path()).text, L"mine\r\n");
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"C:\\tools\\enc\\mosa-trevlin.ini が存在しないか変更できません。",
                                   L"エラー", kExclamation}}));
}

TEST_F(AppTest, UnwritableFolderReportsOnceAndStarts) {
  platform.unwritable.insert(platform.settings_path());
  frm1& f = start();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(f.settings, first_start_record());
  EXPECT_FALSE(platform.files.count(platform.settings_path()));
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
  f.cmd4.click();
  EXPECT_EQ(f.window.height(), kDetailOpenHeight);
  EXPECT_EQ(f.settings.detail_open, L"on");
  EXPECT_TRUE(f.ochk3.tab_stop());
  f.cmd4.click();
  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
  EXPECT_EQ(f.cmd4.caption() + f.cmd4.tooltip(), L"詳細を開く詳細設定域を開く");
  EXPECT_EQ(f.settings.detail_open, L"off");
  EXPECT_FALSE(f.ochk3.tab_stop());
  f.window.set_height(3000);
  f.cmd4.click();
  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
  EXPECT_TRUE(platform.events.empty()) << "the toggle writes nothing";
}

class InitialiseAll : public AppTest {
 protected:
  frm1& prepared() {
    frm1& f = fresh();
    f.cmd4.click();  // detail open
    f.chk1.set_value(0);
    f.txt2.set_text(L"D:\\x\\");
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
  // "vbs" was selected already, so selecting it runs no type selection: the input
  // folder keeps the encoder's folder and the output path stays as step 3 left it.
  Settings expected = first_start_record();
  expected.detail_open = L"off";
  expected.in_folder = L"C:\\Program Files\\Windows Script Encoder\\";
  expected.out_path = L"";
  EXPECT_EQ(f.settings, expected);
  EXPECT_EQ(saved_lines().back(), L"on") << "saved before the area closed";
  EXPECT_FALSE(f.ochk2.ticked() || f.cmd8.visible());
  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
}

TEST_F(InitialiseAll, YesFromAnotherTypeReachesTheFirstStartRecord) {
  frm1& f = prepared();
  f.cmb1.pick(1);
  platform.answers = {kYes};
  f.cmd8.click();
  // The name box was empty already, so no change of it composes the output path.
  Settings expected = first_start_record();
  expected.detail_open = L"off";
  expected.out_path = L"";
  EXPECT_EQ(f.settings, expected);
}

TEST_F(InitialiseAll, NoAndCancelChangeNothing) {
  for (auto [answer, text] : {std::pair{kNo, L"初期化しません。"},
                              std::pair{kCancel, L"初期化を中止しました。"}}) {
    frm1& f = prepared();
    const Settings before = f.settings;
    platform.answers = {answer};
    f.cmd8.click();
    EXPECT_EQ(platform.messages.back(), (Message{text, L"報告", 64}));
    EXPECT_EQ(f.settings, before);
    EXPECT_EQ(platform.events.size(), 2u) << "two messages, no write";
    EXPECT_FALSE(f.cmd8.visible());
  }
}

TEST_F(InitialiseAll, FailingSaveStillEndsInitialised) {
  frm1& f = prepared();
  platform.unwritable.insert(platform.settings_path());
  platform.answers = {kYes};
  f.cmd8.click();
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[1].title + platform.messages[2].text, L"エラー初期化されました。");
  EXPECT_EQ(f.window.height(), kDetailClosedHeight);
}
