// The run: checks, the command line, the batch file and every way it can fail.
#include "app_fixture.h"
#include "encode/command_line.h"

TEST(CommandLine, SwitchesFollowTheFlags) {
  struct Case {
    const wchar_t *progress, *overwrite, *no_language, *set_lang, *lang, *wsf, *expected;
  };
  const Case cases[] = {
      {L"off", L"off", L"off", L"off", L"vb", L"off", L""},
      {L"off", L"off", L"off", L"off", L"vb", L"on", L"/e sct "},
      {L"on", L"on", L"on", L"on", L"vb", L"on", L"/s /f /xl /l VBScript /e sct "},
      {L"off", L"off", L"off", L"on", L"js", L"off", L"/l JScript "},
      {L"off", L"off", L"off", L"on", L"", L"off", L"/l JScript "},
      {L"off", L"off", L"off", L"on", L"VB", L"off", L"/l JScript "},
      {L"On", L"yes", L"ON", L"", L"vb", L"on ", L""},
  };
  for (const Case& c : cases) {
    Settings s;
    s.opt_progress = c.progress;
    s.opt_overwrite = c.overwrite;
    s.opt_no_language = c.no_language;
    s.opt_set_lang = c.set_lang;
    s.script_lang = c.lang;
    s.opt_wsf_as_sct = c.wsf;
    EXPECT_EQ(switch_string(s), c.expected);
  }
}

TEST(CommandLine, QuotesPathsAndKeepsTheTwoSpaces) {
  EXPECT_EQ(command_line(L"C:\\Program Files\\Windows Script Encoder\\screnc.exe", L"/e sct ",
                         L"C:\\work\\a.vbs", L"C:\\work\\a.vbe", L"C:\\tools\\enc\\mosa-trevlin.log"),
            L"\"C:\\Program Files\\Windows Script Encoder\\screnc.exe\" /e sct  \"C:\\work\\a.vbs\" "
            L"\"C:\\work\\a.vbe\" > \"C:\\tools\\enc\\mosa-trevlin.log\"");
  EXPECT_EQ(command_line(L"e", L"", L"i", L"o", L"l"), L"\"e\"  \"i\" \"o\" > \"l\"");
  EXPECT_EQ(batch_line(L"\"C:\\100%done%x\\a.vbs\" %%"), L"\"C:\\100%%done%%x\\a.vbs\" %%%%");
}

class Run : public AppTest {
 protected:
  // A window ready to run: input, output and encoder chosen, the encoder present.
  frm1& ready() {
    frm1& f = fresh();
    f.txt3.set_text(L"C:\\enc\\screnc.exe");
    f.settings.in_folder = L"C:\\work";
    f.settings.in_base = L"a";
    f.txt1.set_text(L"C:\\work\\a.vbs");
    f.chk1.set_value(0);
    f.chk1.set_value(1);  // the output folder follows the input
    f.chk2.set_value(1);
    f.chk2.set_value(0);  // the output name follows, and the path is composed
    platform.put_lines(L"C:\\work\\a.vbs", {L"x"});
    platform.put_lines(L"C:\\enc\\screnc.exe", {});
    platform.events.clear();
    return f;
  }
  const std::wstring batch = L"C:\\tools\\enc\\mosa-trevlin.bat";
  const std::wstring log = L"C:\\tools\\enc\\mosa-trevlin.log";
  const std::wstring failure =
      L"\"a.vbs\"\r はエンコードできません。\"mosa-trevlin.log\" "
      L"を見て原因を確認することができるかもしれません。";
};

TEST_F(Run, WritesStartsReportsSavesAndRemovesTheBatchInThatOrder) {
  frm1& f = ready();
  EXPECT_EQ(f.settings.out_path, L"C:\\work\\a.vbe");
  f.cmd3.click();
  const std::wstring line = L"\"C:\\enc\\screnc.exe\" /e sct  \"C:\\work\\a.vbs\" "
                            L"\"C:\\work\\a.vbe\" > \"" + log + L"\"";
  EXPECT_EQ(platform.events,
            (std::vector<std::wstring>{L"write " + batch, L"start batch " + batch + L" minimized",
                                       L"message 報告: エンコードが終了しました。",
                                       L"write " + platform.settings_path(), L"wait 10000",
                                       L"delete " + batch}));
  EXPECT_EQ(platform.messages.back().style, kInformation);
  EXPECT_FALSE(platform.files.count(batch));
  EXPECT_EQ(saved_lines()[4], L"C:\\work\\a.vbs");
}

TEST_F(Run, BatchHoldsTheOneLineInTheInterpretersCodePage) {
  frm1& f = ready();
  platform.undeletable.insert(batch);
  f.settings.in_file = L"C:\\100%done%x\\a.vbs";
  platform.put_lines(f.settings.in_file, {});
  f.cmd3.click();
  EXPECT_EQ(platform.files.at(batch).text,
            L"\"C:\\enc\\screnc.exe\" /e sct  \"C:\\100%%done%%x\\a.vbs\" \"C:\\work\\a.vbe\" > \"" +
                log + L"\"\r\n");
  EXPECT_EQ(platform.files.at(batch).code_page, CodePage::Oem);
}

TEST_F(Run, ChecksInOrderAndStopsAtTheFirst) {
  frm1& f = ready();
  platform.files.erase(L"C:\\work\\a.vbs");
  platform.put_lines(L"C:\\work\\a.vbe", {});
  platform.files.erase(L"C:\\enc\\screnc.exe");
  const std::vector<std::pair<std::function<void()>, std::wstring>> steps = {
      {[&] { platform.put_lines(L"C:\\work\\a.vbs", {}); }, L"C:\\work\\a.vbs  は存在しません。"},
      {[&] { platform.files.erase(L"C:\\work\\a.vbe"); }, L"C:\\work\\a.vbe  は既に存在します。"},
      {[&] { platform.put_lines(L"C:\\enc\\screnc.exe", {}); },
       L"C:\\enc\\screnc.exe  は存在しません。"}};
  for (const auto& [mend, text] : steps) {
    platform.messages.clear();
    f.cmd3.click();
    EXPECT_EQ(platform.messages, (std::vector<Message>{{text, L"報告", kExclamation}}));
    EXPECT_EQ(platform.events.size(), 1u) << "nothing written, started or saved";
    EXPECT_FALSE(platform.files.count(batch));
    mend();
    platform.events.clear();
  }
  f.cmd3.click();
  EXPECT_EQ(platform.messages.back().text, L"エンコードが終了しました。");
}

TEST_F(Run, OverwriteOnSkipsTheOutputCheckAndPassesTheSwitch) {
  frm1& f = ready();
  platform.put_lines(L"C:\\work\\a.vbe", {});
  platform.answers = {kYes};
  f.ochk2.set_value(1);
  platform.undeletable.insert(batch);
  f.cmd3.click();
  EXPECT_NE(platform.files.at(batch).text.find(L"/f /e sct  "), std::wstring::npos);
  EXPECT_EQ(f.settings.opt_overwrite, L"off") << "the save clears it";
  EXPECT_FALSE(f.ochk2.ticked());
  EXPECT_EQ(saved_lines()[11], L"off");

  f.settings.opt_overwrite = L"maybe";  // neither word: no check, no switch
  platform.messages.clear();
  f.cmd3.click();
  EXPECT_EQ(platform.messages.front().text, L"エンコードが終了しました。");
  EXPECT_EQ(platform.files.at(batch).text.find(L"/f "), std::wstring::npos);
}

TEST_F(Run, AnExistingOutputWithAOneCharacterNameCountsAsExisting) {
  frm1& f = ready();
  f.settings.out_path = L"b";
  platform.put_lines(L"b", {});
  f.cmd3.click();
  EXPECT_EQ(platform.messages.back().text, L"b  は既に存在します。");
}

TEST_F(Run, PathsTheCodePageCannotHoldGoInShortFormOrNotAtAll) {
  frm1& f = ready();
  f.settings.in_file = L"C:\\café\\a.vbs";
  platform.put_lines(f.settings.in_file, {});
  platform.short_paths[f.settings.in_file] = L"C:\\CAF~1\\a.vbs";
  platform.undeletable.insert(batch);
  f.cmd3.click();
  EXPECT_NE(platform.files.at(batch).text.find(L"\"C:\\CAF~1\\a.vbs\""), std::wstring::npos);

  f.settings.out_path = L"C:\\café\\a.vbe";  // no short form
  platform.messages.clear();
  platform.events.clear();
  f.cmd3.click();
  EXPECT_EQ(platform.messages, (std::vector<Message>{{failure, L"エラー", kExclamation}}));
  EXPECT_TRUE(platform.events.size() == 1u) << "nothing written or started";
}

TEST_F(Run, EveryFailingStepEndsWithTheFailureMessage) {
  struct Case {
    const char* what;
    std::function<void(FakePlatform&)> breaks;
    std::vector<std::wstring> titles;  // the messages shown, by title
    bool saved;
  };
  const Case cases[] = {
      {"rejected path", [](FakePlatform& p) { p.rejected.insert(L"C:\\work\\a.vbs"); },
       {L"エラー"}, false},
      {"batch write", [this](FakePlatform& p) { p.unwritable.insert(batch); }, {L"エラー"}, false},
      {"start", [](FakePlatform& p) { p.start_fails = true; }, {L"エラー"}, false},
      {"delete", [this](FakePlatform& p) { p.undeletable.insert(batch); },
       {L"報告", L"エラー"}, true},
      {"save", [](FakePlatform& p) { p.unwritable.insert(p.settings_path()); },
       {L"報告", L"エラー"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frm1& f = ready();
    platform.files.erase(platform.settings_path());
    c.breaks(platform);
    f.cmd3.click();
    std::vector<std::wstring> titles;
    for (const Message& m : platform.messages) titles.push_back(m.title);
    EXPECT_EQ(titles, c.titles);
    if (c.titles.back() == L"エラー" && std::string(c.what) != "save") {
      EXPECT_EQ(platform.messages.back().text, failure);
    }
    EXPECT_EQ(platform.files.count(platform.settings_path()), c.saved ? 1u : 0u);
    platform = FakePlatform{};
  }
}

TEST_F(Run, SaveFailureIsReportedBySaveAndTheBatchStillGoes) {
  frm1& f = ready();
  platform.unwritable.insert(platform.settings_path());
  f.cmd3.click();
  EXPECT_EQ(platform.messages.back().text,
            L"C:\\tools\\enc\\mosa-trevlin.ini が存在しないか変更できません。");
  EXPECT_EQ(platform.events.back(), L"delete " + batch);
}
