// The run: checks, the command line, the batch file, the outcome and every way
// it can fail.
#include <array>
#include <tuple>

#include "app_fixture.h"
#include "core/paths.h"
#include "core/texts.h"
#include "run/command_line.h"

namespace mosa {

TEST(CommandLine, SwitchesFollowTheFlags) {
  using enum ScriptLanguage;
  // progress, overwrite, no language, set language, wsf as sct; the language
  const std::tuple<std::array<bool, 5>, ScriptLanguage, const wchar_t*> cases[] = {
      {{false, false, false, false, true}, VBScript, L"/e sct "},
      {{true, true, true, true, true}, VBScript, L"/s /f /xl /l VBScript /e sct "},
      {{false, false, false, true, false}, JScript, L"/l JScript "},
      {{false, false, false, false, false}, VBScript, L""},
  };
  for (const auto& [flags, language, expected] : cases) {
    const Settings s{.script_lang = language, .opt_progress = flags[0], .opt_overwrite = flags[1],
                     .opt_no_language = flags[2], .opt_set_lang = flags[3], .opt_wsf_as_sct = flags[4]};
    EXPECT_EQ(switch_string(s), expected);
  }
}

TEST(Paths, TheInputIsCutAtBackslashesAndItsNameAtTheLastDot) {
  // The path, then its folder, base name and extension.
  const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\w\\site\\my.page.asp", L"C:\\w\\site", L"my.page", L"asp"}, {L"C:\\a.asp", L"C:", L"a", L"asp"},
      {L"\\\\srv\\s\\vbs", L"\\\\srv\\s", L"", L"vbs"}, {L"C:\\w/x.y\\.js", L"C:\\w/x.y", L"", L"js"},
      {L"w/a.b/c", L"", L"w/a", L"b/c"},  {L"C:\\w\\a.", L"C:\\w", L"a", L""},
  };
  for (const auto& [path, folder, base, ext] : cases)
    EXPECT_EQ(std::tuple(split_path(path).folder, split_path(path).base, extension_of(path)),
              std::tuple(folder, base, ext)) << path;
}

TEST(Paths, RelativePathsAreTakenFromTheFolder) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"a.vbs", L"C:\\app\\a.vbs"},         {L"..\\a.vbs", L"C:\\app\\..\\a.vbs"},
      {L"\\w\\a.vbs", L"C:\\w\\a.vbs"},      {L"c:a.vbs", L"C:\\app\\a.vbs"},
      {L"D:a.vbs", L"D:\\a.vbs"},            {L"D:\\w\\a.vbs", L"D:\\w\\a.vbs"},
      {L"d:/w/a.vbs", L"d:/w/a.vbs"},        {L"\\\\srv\\s\\a.vbs", L"\\\\srv\\s\\a.vbs"},
      {L"w\\a.vbs", L"C:\\app\\w\\a.vbs"},   {L"D:", L"D:\\"},
      {L"D:\\", L"D:\\"},                  {L"\\\\", L"\\\\"},
      {L"", L""},
  };
  for (const auto& [path, full] : cases) EXPECT_EQ(resolve_against(L"C:\\app", path), full) << path;
  EXPECT_EQ(resolve_against(L"\\\\srv\\s\\app", L"\\a.vbs"), L"\\\\srv\\s\\a.vbs");
  EXPECT_EQ(resolve_against(L"C:", L"a.vbs"), L"C:\\a.vbs");
  for (const wchar_t* path : {L"C:\\a\"b", L"a<b", L"a>b", L"a|b", L"a*", L"a?", L"a\tb", L"a\x1f"})
    EXPECT_TRUE(has_forbidden_character(path)) << path;
  EXPECT_FALSE(has_forbidden_character(L"C:\\100% & a^b (日本)\\x.vbs"));
  EXPECT_FALSE(has_forbidden_character(L"\\\\?\\C:\\x.vbs")) << "a long path's mark";
  EXPECT_TRUE(has_forbidden_character(L"\\\\?\\C:\\x?.vbs"));
  const std::pair<const wchar_t*, const wchar_t*> long_forms[] = {
      {L"\\\\?\\C:\\app", L"C:\\app"}, {L"\\\\?\\UNC\\srv\\s\\app", L"\\\\srv\\s\\app"}, {L"C:\\a?", L"C:\\a?"},
      {L"\\\\.\\C:\\app", L"C:\\app"}, {L"\\\\.\\UNC\\srv\\s", L"\\\\srv\\s"},
      {L"\\\\?\\Volume{1}\\app", L"\\\\?\\Volume{1}\\app"}};
  for (const auto& [path, plain] : long_forms) EXPECT_EQ(without_long_prefix(path), plain) << path;
  // One mark per folder, however its letters are written, named for every session.
  EXPECT_EQ(instance_name(L"C:\\App"), instance_name(L"c:/app"));
  EXPECT_NE(instance_name(L"C:\\app"), instance_name(L"C:\\app2"));
  EXPECT_EQ(instance_name(std::wstring(40000, L'a')).find(L"Global\\mosa-trevlin-"), 0u);
  EXPECT_EQ(instance_name(L"C:\\app").find(L'\\', 7), std::wstring::npos);
}

class Run : public AppTest {
 protected:
  // A window ready to run: input, output and encoder chosen, the encoder present,
  // and one that writes the output when it runs.
  MainWindow& ready() {
    MainWindow& f = fresh();
    f.get<encoder_box>().set_text(L"C:\\enc\\screnc.exe");
    f.on_files_dropped({L"C:\\work\\a.vbs"});  // the output follows: C:\work\a.vbe
    platform.put_lines(L"C:\\work\\a.vbs", {L"x"});
    platform.put_lines(L"C:\\enc\\screnc.exe", {});
    platform.batch_runs = [this] { return encoder_writes(L"C:\\work\\a.vbe"); };
    platform.events.clear();
    return f;
  }
  int encoder_writes(const std::wstring& output) {
    platform.clock += 5000;
    platform.put_lines(output, {encoded});
    return 0;
  }
  // What an encoder writes for "MsgBox 1".
  const std::wstring encoded = L"#@~^CAAAAA==\\ko$K6,FoQIAAA==^#~@";
  const std::wstring batch = L"C:\\tools\\enc\\mosa-trevlin.bat";
  const std::wstring log = L"C:\\tools\\enc\\mosa-trevlin.log";
  static std::wstring failure(const std::wstring& ext = L"vbs", const std::wstring& note = L"") {
    return texts::not_encoded(L"a", ext, note);
  }
};

TEST_F(Run, WritesStartsWaitsReportsSavesAndRemovesTheBatchInThatOrder) {
  MainWindow& f = ready();
  EXPECT_EQ(f.settings.out_path, L"C:\\work\\a.vbe");
  platform.batch_runs = [&] {
    EXPECT_TRUE(f.window.busy()) << "no input while the encoder works";
    EXPECT_EQ(platform.files.at(batch).text,
              L"\"C:\\enc\\screnc.exe\" /e sct  \"C:\\work\\a.vbs\" \"C:\\work\\a.vbe\" > \"" + log +
                  L"\"\r\n");
    EXPECT_EQ(platform.files.at(batch).code_page, CodePage::Oem);
    return encoder_writes(L"C:\\work\\a.vbe");
  };
  f.get<run_button>().click();
  EXPECT_EQ(platform.events,
            (std::vector<std::wstring>{L"write " + batch, L"start batch " + batch + L" minimized",
                                       L"finish", platform.message_event(texts::kReportTitle, texts::kRunFinished),
                                       L"write " + platform.settings_path(), L"delete " + batch}));
  EXPECT_FALSE(f.window.busy());
  EXPECT_EQ(saved_lines()[4], L"C:\\work\\a.vbs");
}

TEST_F(Run, SuccessOnlyWhenTheEncoderEndedWellAndThisRunWroteEncodedText) {
  const FileTime start = FakePlatform{}.clock;
  const std::wstring broken = encoded.substr(0, 20) + L"x" + encoded.substr(21);
  const std::wstring mention = L"<p>#@~^ starts a block</p>";
  const std::wstring old = L"the old output";
  const wchar_t *stopped = texts::kEncodingStopped, *unwritten = texts::kNoOutputWritten,
                *stale = texts::kOutputUnchanged, *invalid = texts::kNoValidBlock;
  const std::wstring exit_3 = texts::encoder_exit_code(3), exit_1 = texts::encoder_exit_code(1);
  struct Case {
    const char* what;
    std::optional<FileTime> before;  // the output's time before the run, if it existed
    std::optional<FileTime> after;   // and after it
    int status;
    std::wstring type, output;
    const wchar_t* fault;  // the program's line in the log; none for a success
    FileTime waited = 0;   // before the start, for the clock's step
    std::wstring input = L"x";
    int stop = 0;  // the answer when the user asks to stop the encoder while it works
  };
  const Case cases[] = {
      {"new output", std::nullopt, start + 10, 0, L"vbs", L"a " + encoded + L" b " + encoded, nullptr},
      {"failing encoder", std::nullopt, start + 10, 3, L"vbs", encoded, exit_3.c_str()},
      {"nothing written", std::nullopt, std::nullopt, 0, L"vbs", encoded, unwritten},
      {"rewritten on a slow clock", start - 60000, start - 90000, 0, L"vbs", encoded, nullptr},
      {"rewritten in the same step, longer", start - 60000, start - 60000, 0, L"vbs", encoded + encoded, nullptr},
      {"stale output inside the step", start - 500, start - 500, 0, L"vbs", old, stale, 1500},
      {"rewritten after that step", start - 500, start + 1500, 0, L"vbs", encoded, nullptr, 1500},
      {"stale output outside the step", start - 2000, start - 2000, 0, L"vbs", old, stale},
      {"stale output on a clock ahead", start + 60000, start + 60000, 0, L"vbs", old, stale, 2000},
      {"an old output gone", start - 60000, std::nullopt, 0, L"vbs", L"", unwritten},
      {"an old output half written over", start - 60000, start, 1, L"vbs", encoded.substr(0, 9), exit_1.c_str()},
      {"a page without script", std::nullopt, start, 0, L"htm", L"<p>1</p>", nullptr},
      {"the marker in the input", std::nullopt, start, 0, L"htm", mention + encoded, nullptr, 0, mention},
      {"and a block that does not check", std::nullopt, start, 0, L"htm", mention + broken, invalid, 0, mention},
      {"a script whose marker is text", std::nullopt, start, 0, L"js", L"//#@~^", invalid, 0, L"//#@~^"},
      {"stopped by the user", std::nullopt, start, 0, L"vbs", encoded, stopped, 0, L"x", kYes},
      {"stopped halfway over an old output", start - 60000, start, 0, L"vbs", encoded.substr(0, 9), stopped, 0, L"x", kYes},
      {"the user let it go on", std::nullopt, start, 0, L"vbs", encoded, nullptr, 0, L"x", kNo},
  };
  const std::wstring output = L"C:\\work\\a.vbe", copy = output + L".mosa-trevlin.bak";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MainWindow& f = ready();
    f.settings.opt_overwrite = true;
    f.settings.script_ext = c.type;
    platform.put_lines(L"C:\\work\\a.vbs", {c.input});
    if (c.before) platform.files[output] = {c.output == old ? old : encoded, CodePage::Ansi, *c.before};
    const std::optional<FakeFile> kept = c.before ? std::optional(platform.files[output]) : std::nullopt;
    platform.put_lines(log, {L"the encoder's word"});
    f.window.request_stop();  // not at work: nothing to stop
    platform.answers = {c.stop};
    platform.batch_runs = [&] {
      EXPECT_EQ(platform.files.count(copy), kept.has_value()) << "set aside while the encoder works";
      if (c.stop) f.window.request_stop();  // the close box or Esc
      platform.files.erase(output);
      if (c.after) platform.files[output] = {c.output, CodePage::Ansi, *c.after};
      return c.status;
    };
    f.get<run_button>().click();
    const bool restored = kept && c.fault;
    std::vector<Message> said = {
        !c.fault ? Message{texts::kRunFinished, texts::kReportTitle, kInformation}
                 : Message{failure(c.type, restored ? texts::kOutputRestored : L""), texts::kErrorTitle,
                           kExclamation}};
    if (c.stop) said.insert(said.begin(), {texts::kStopQuestion, texts::kConfirmTitle, kYesNo});
    EXPECT_EQ(platform.messages, said);
    EXPECT_EQ(platform.files.at(log).text,
              L"the encoder's word\r\n" +
                  (c.fault ? texts::kLogMark + std::wstring(c.fault) + L"\r\n" : L"") +
                  (restored ? texts::kLogMark + std::wstring(texts::kOutputRestored) + L"\r\n" : L""));
    if (restored) {
      EXPECT_EQ(platform.files.at(output).text, kept->text) << "the old output back";
    }
    EXPECT_FALSE(platform.files.count(copy)) << "no copy left";
    EXPECT_EQ(platform.clock - start, c.waited);
    EXPECT_TRUE(platform.files.count(platform.settings_path())) << "saved either way";
    EXPECT_FALSE(platform.files.count(batch)) << "removed either way";
    platform = FakePlatform{};
  }
  MainWindow& f = ready();
  platform.unreadable.insert(L"C:\\work\\a.vbe");  // an output that cannot be checked
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().title, texts::kErrorTitle);
}

TEST_F(Run, AnOldOutputThatCannotBePutBackIsNamed) {
  const std::wstring output = L"C:\\work\\a.vbe", copy = output + L".mosa-trevlin.bak";
  MainWindow& f = ready();
  f.settings.opt_overwrite = true;
  platform.put_lines(output, {L"old"});
  platform.unwritable = {output};
  platform.batch_runs = [] { return 1; };
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, failure(L"vbs", texts::output_not_restored(copy)));
  EXPECT_TRUE(platform.files.at(copy).hidden);
}

TEST_F(Run, ChecksInOrderAndStopsAtTheFirst) {
  MainWindow& f = ready();
  platform.files.erase(L"C:\\work\\a.vbs");
  platform.put_lines(L"C:\\work\\a.vbe", {});
  platform.files.erase(L"C:\\enc\\screnc.exe");
  const std::vector<std::pair<std::function<void()>, std::wstring>> steps = {
      {[&] { platform.put_lines(L"C:\\work\\a.vbs", {}); }, texts::missing(L"C:\\work\\a.vbs")},
      {[&] { platform.files.erase(L"C:\\work\\a.vbe"); }, texts::already_exists(L"C:\\work\\a.vbe")},
      {[&] { platform.put_lines(L"C:\\enc\\screnc.exe", {}); }, texts::missing(L"C:\\enc\\screnc.exe")}};
  for (const auto& [mend, text] : steps) {
    platform.messages.clear();
    f.get<run_button>().click();
    EXPECT_EQ(platform.messages, (std::vector<Message>{{text, texts::kReportTitle, kExclamation}}));
    EXPECT_EQ(platform.events.size(), 1u) << "nothing written, started or saved";
    mend();
    platform.events.clear();
  }
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::kRunFinished);

  f.settings.out_path = L"C:\\b";  // a name found of one character counts
  platform.put_lines(L"C:\\b", {});
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::already_exists(L"C:\\b"));
}

TEST_F(Run, RelativePathsAreCheckedAndPassedAsTheBatchSeesThem) {
  MainWindow& f = ready();
  f.settings.in_file = L"in\\a.vbs";
  f.settings.encoder_path = L"\\enc\\screnc.exe";
  f.settings.out_path = L".vbe";  // a first start's output path
  platform.put_lines(L"C:\\tools\\enc\\in\\a.vbs", {});
  platform.put_lines(L"C:\\tools\\enc\\.vbe", {});
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::already_exists(L".vbe")) << "named as typed";

  platform.files.erase(L"C:\\tools\\enc\\.vbe");
  platform.undeletable.insert(batch);
  platform.batch_runs = [this] { return encoder_writes(L"C:\\tools\\enc\\.vbe"); };
  f.get<run_button>().click();
  EXPECT_EQ(platform.files.at(batch).text,
            L"\"C:\\enc\\screnc.exe\" /e sct  \"C:\\tools\\enc\\in\\a.vbs\" \"C:\\tools\\enc\\.vbe\" > \"" +
                log + L"\"\r\n");
  EXPECT_EQ(platform.messages.end()[-2].text, texts::kRunFinished);
}

TEST_F(Run, APathNoFileCanHaveIsRejectedBeforeAnythingHappens) {
  for (std::wstring Settings::*field : {&Settings::in_file, &Settings::out_path, &Settings::encoder_path}) {
    for (const wchar_t* bad : {L"\" & calc & \"", L"\" > \"C:\\keep", L"<", L"|", L"*", L"?", L"\x01"}) {
      MainWindow& f = ready();
      f.settings.*field += bad;
      platform.put_lines(f.settings.*field, {});  // even where a file of that name would be found
      f.get<run_button>().click();
      EXPECT_EQ(platform.events,
                (std::vector<std::wstring>{L"write " + log, platform.message_event(texts::kErrorTitle, failure())}))
          << "nothing but the reason written, nothing started or saved";
      EXPECT_EQ(platform.files.at(log).text, texts::kStoppedBeforeEncoder + (L"\r\n" +
                texts::forbidden_character(resolve_against(platform.folder, f.settings.*field))) + L"\r\n");
      platform = FakePlatform{};
    }
  }
  // So is a name the existence test itself finds invalid, an old output that
  // cannot be set aside or whose copy an earlier run left (the output may be
  // the broken one), a batch file that cannot be written or started; the log
  // tells which.
  const std::wstring output = L"C:\\work\\a.vbe", copy = output + L".mosa-trevlin.bak";
  const auto overwriting = [&] { form->settings.opt_overwrite = true, platform.put_lines(output, {}); };
  const std::vector<std::pair<std::function<void()>, std::wstring>> refusals = {
      {[&] { overwriting(), platform.put_lines(copy, {}); }, texts::copy_left_over(copy)},
      {[&] { overwriting(), platform.unwritable.insert(copy); },
       texts::with_system_words(texts::not_set_aside(output), L"cannot copy")},
      {[&] { platform.rejected.insert(L"C:\\work\\a.vbe"); },
       texts::with_system_words(texts::rejected_by_system(L"C:\\work\\a.vbe"), L"rejected path")},
      {[&] { platform.unwritable.insert(batch); },
       texts::with_system_words(texts::batch_unwritable(batch), L"cannot write")},
      {[&] { platform.start_fails = true; }, texts::with_system_words(texts::batch_unstartable(batch), L"cannot start")},
  };
  for (const auto& [refuse, reason] : refusals) {
    MainWindow& f = ready();
    platform.put_lines(log, {L"an earlier run's success"});
    refuse();
    f.get<run_button>().click();
    EXPECT_EQ(platform.files.at(log).text, texts::kStoppedBeforeEncoder + (L"\r\n" + reason) + L"\r\n");
    EXPECT_EQ(platform.messages, (std::vector<Message>{{failure(), texts::kErrorTitle, kExclamation}}));
    platform = FakePlatform{};
  }
}

TEST_F(Run, OverwriteOnSkipsTheOutputCheckAndTheSaveClearsIt) {
  MainWindow& f = ready();
  platform.put_lines(L"C:\\work\\a.vbe", {});
  platform.answers = {kYes};
  f.get<overwrite_check>().set_value(1);
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::kRunFinished);
  EXPECT_FALSE(f.get<overwrite_check>().ticked());
  EXPECT_EQ(saved_lines()[11], L"off");
  f.settings.opt_overwrite = true;  // the record decides, not the box: no check
  f.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::kRunFinished);
  EXPECT_FALSE(f.settings.opt_overwrite) << "whatever it held";
}

TEST_F(Run, SavesPathsTheCodePageCannotHoldInTheirShortForm) {
  MainWindow& f = ready();
  platform.short_paths = {{L"C:\\café\\a.vbs", L"C:\\CAFE~1\\a.vbs"}, {L"C:\\café", L"C:\\CAFE~1"},
                          {L"C:\\café\\", L"C:\\CAFE~1\\"}, {L"C:\\café\\a.vbe", L"C:\\CAFE~1\\a.vbe"}};
  platform.put_lines(L"C:\\café\\a.vbs", {});
  platform.put_lines(L"C:\\café\\e.exe", {});
  platform.short_paths[L"C:\\café\\e.exe"] = L"C:\\CAFE~1\\e.exe";
  f.get<encoder_box>().set_text(L"C:\\café\\e.exe");
  f.on_files_dropped({L"C:\\café\\a.vbs"});
  platform.batch_runs = [this] { return encoder_writes(L"C:\\café\\a.vbe"); };
  platform.undeletable.insert(batch);
  f.get<run_button>().click();
  EXPECT_NE(platform.files.at(batch).text.find(L"\"C:\\CAFE~1\\a.vbs\" \"C:\\CAFE~1\\a.vbe\""), std::wstring::npos)
      << "the batch names them by their short form too";
  const std::vector<std::wstring> lines = saved_lines();
  EXPECT_EQ((std::vector<std::wstring>{lines[0], lines[4], lines[5], lines[7], lines[9]}),
            (std::vector<std::wstring>{L"C:\\CAFE~1\\e.exe", L"C:\\CAFE~1\\a.vbs", L"C:\\CAFE~1",
                                       L"C:\\CAFE~1\\", L"C:\\CAFE~1\\a.vbe"}));
  EXPECT_EQ(start().get<input_box>().text(), L"C:\\CAFE~1\\a.vbs") << "the next start names the same file";

  // A name has no short form of its own: the save fails and the old file stays.
  MainWindow& g = ready();
  platform.undeletable.clear();
  const std::wstring before = platform.files.at(platform.settings_path()).text;
  platform.put_lines(L"C:\\work\\café.vbs", {});
  platform.short_paths[L"C:\\work\\café.vbs"] = L"C:\\work\\CAFE~1.VBS";
  platform.short_paths[L"C:\\work\\café.vbe"] = L"C:\\work\\CAFE~1.VBE";
  g.on_files_dropped({L"C:\\work\\café.vbs"});
  platform.batch_runs = [this] { return encoder_writes(L"C:\\work\\café.vbe"); };
  g.get<run_button>().click();
  EXPECT_EQ(platform.messages.back().text, texts::settings_unwritable(platform.settings_path()));
  EXPECT_EQ(platform.files.at(platform.settings_path()).text, before);

  // A path without a short form cannot go into the batch: nothing is written or started.
  g.settings.out_path = L"C:\\café\\b.vbe";
  platform.events.clear();
  g.get<run_button>().click();
  EXPECT_EQ(platform.files.at(log).text,
            texts::kStoppedBeforeEncoder + (L"\r\n" + texts::no_batch_form(L"C:\\caf<U+00E9>\\b.vbe")) + L"\r\n")
      << "nothing started; a character the log cannot hold named by its number";
  EXPECT_EQ(platform.messages.back().title, texts::kErrorTitle);

  // A relative path is shortened as the run takes it, from the program's folder.
  MainWindow& h = ready();
  platform.put_lines(L"C:\\tools\\enc\\café\\e.exe", {});
  platform.short_paths[L"C:\\tools\\enc\\café\\e.exe"] = L"C:\\tools\\enc\\CAFE~1\\e.exe";
  h.get<encoder_box>().set_text(L"café\\e.exe");
  h.get<run_button>().click();
  EXPECT_EQ(saved_lines()[0], L"C:\\tools\\enc\\CAFE~1\\e.exe");
}

}  // namespace mosa
