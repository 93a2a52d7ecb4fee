// Several scripts at once: where they come from, the question, each file's run,
// the report and the log; and files a later start hands to the window.
#include "app_fixture.h"
#include "core/texts.h"
#include "settings/settings_file.h"

namespace mosa {

namespace {

const std::wstring kEncoded = L"#@~^CAAAAA==\\ko$K6,FoQIAAA==^#~@";
const std::wstring kLog = L"C:\\tools\\enc\\mosa-trevlin.log";

// The n-th quoted path of the batch line: 0 the encoder, 1 the input, 2 the output.
std::wstring batch_path(const std::wstring& line, int n) {
  size_t open = 0;
  for (int i = 0; i <= n; ++i) open = line.find(L'"', i ? line.find(L'"', open + 1) + 1 : 0);
  return line.substr(open + 1, line.find(L'"', open + 1) - open - 1);
}

}  // namespace

class Batch : public AppTest {
 protected:
  // A window with our encoder, over C:\w holding three scripts, a text file and
  // a subfolder; the encoder writes each output and says so in the log.
  MainWindow& ready() {
    MainWindow& f = fresh();
    f.get<encoder_box>().set_text(L"C:\\enc\\screnc.exe");
    platform.put_lines(L"C:\\enc\\screnc.exe", {});
    for (const wchar_t* name : {L"a.vbs", L"b.js", L"c.asp", L"x.txt", L"sub\\d.vbs"})
      platform.put_lines(std::wstring(L"C:\\w\\") + name, {L"x"});
    platform.folders[L"C:\\w"] = {L"sub"};
    platform.folders[L"C:\\w\\sub"] = {};
    platform.batch_runs = [this, &f] {
      const std::wstring line = platform.files.at(L"C:\\tools\\enc\\mosa-trevlin.bat").text;
      captions.push_back(f.window.caption());
      EXPECT_TRUE(f.window.busy());
      platform.clock += 5000;
      platform.put_lines(batch_path(line, 2), {kEncoded});
      platform.put_lines(kLog, {L"wrote " + batch_path(line, 2)});
      return 0;
    };
    platform.events.clear();
    return f;
  }
  std::vector<std::wstring> captions;
};

TEST_F(Batch, EachFileARunOfItsOwnThenOneReport) {
  const std::wstring all = L"C:\\w\\a.vbs|C:\\w\\b.js|C:\\w\\c.asp";
  struct Row {
    const char* what;
    std::function<void(MainWindow&)> act;
    std::vector<std::wstring> ran;      // the outputs of the files the encoder ran for, in order
    std::wstring report;                // the summary
    std::vector<std::wstring> reasons;  // the log's lines for the files not written
    size_t stop_at = 0;               // the run in which the user asks to stop, from 1; 0 for none
    const wchar_t* existing = nullptr;  // an output there before
  };
  auto drop = [](std::vector<std::wstring> paths) { return [=](MainWindow& f) { f.on_files_dropped(paths); }; };
  const Row rows[] = {
      {"three files", drop({L"C:\\w\\a.vbs", L"C:\\w\\b.js", L"C:\\w\\c.asp"}),
       {L"C:\\w\\a.vbe", L"C:\\w\\b.jse", L"C:\\w\\c_enc.asp"}, texts::all_encoded(3), {}},
      {"a folder: its scripts, not its subfolder's", drop({L"C:\\w"}),
       {L"C:\\w\\a.vbe", L"C:\\w\\b.jse", L"C:\\w\\c_enc.asp"}, texts::all_encoded(3), {}},
      {"the dialog's selection",
       [](MainWindow& f) { f.get<input_browse_button>().click(); },
       {L"C:\\w\\a.vbe", L"C:\\w\\b.jse"}, texts::all_encoded(2), {}},
      {"another extension and a missing file",
       drop({L"C:\\w\\x.txt", L"C:\\w\\a.vbs", L"C:\\w\\gone.vbs"}), {L"C:\\w\\a.vbe"},
       texts::some_encoded(3, 1),
       {texts::not_encoded_because(L"C:\\w\\x.txt", texts::kUnsupportedExtension),
        texts::not_encoded_because(L"C:\\w\\gone.vbs", texts::kNotThere)}},
      {"an existing output, overwrite off",
       [](MainWindow& f) { f.on_files_dropped({L"C:\\w\\a.vbs", L"C:\\w\\b.js"}); }, {L"C:\\w\\b.jse"},
       texts::some_encoded(2, 1),
       {texts::not_encoded_because(L"C:\\w\\a.vbs", texts::output_exists(L"C:\\w\\a.vbe"))}, 0, L"C:\\w\\a.vbe"},
      {"into the output folder, two inputs of one name",
       [](MainWindow& f) {
         f.get<same_folder_check>().set_value(0);
         f.get<output_folder_box>().set_text(L"C:\\out\\");
         f.on_files_dropped({L"C:\\w\\a.vbs", L"C:\\w\\sub\\d.vbs", L"C:\\w\\sub\\..\\a.vbs"});
       },
       {L"C:\\out\\a.vbe", L"C:\\out\\d.vbe"}, texts::some_encoded(3, 2),
       {texts::not_encoded_because(L"C:\\w\\sub\\..\\a.vbs", texts::output_overlaps(L"C:\\out\\a.vbe"))}},
      {"stopped during the second", drop({L"C:\\w\\a.vbs", L"C:\\w\\b.js", L"C:\\w\\c.asp"}),
       {L"C:\\w\\a.vbe", L"C:\\w\\b.jse"}, texts::some_encoded(3, 1),
       {texts::not_encoded_because(L"C:\\w\\b.js", texts::kStopped),
        texts::not_encoded_because(L"C:\\w\\c.asp", texts::kStoppedEarlier)}, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    MainWindow& f = ready();
    if (row.existing) platform.put_lines(row.existing, {});
    platform.on_open_dialog = [](FileDialog& d) {
      EXPECT_TRUE(d.multiple);
      d.chosen = {L"C:\\w\\a.vbs", L"C:\\w\\b.js"};
      d.file_name = d.chosen[0];
    };
    const auto encode = platform.batch_runs;
    platform.batch_runs = [&, encode] {
      if (captions.size() + 1 == row.stop_at) f.window.request_stop();
      return encode();
    };
    const Settings before = f.settings;
    platform.answers = {kYes, kYes};
    row.act(f);

    std::vector<std::wstring> log = split_lines(platform.files[kLog].text, 100);
    std::vector<std::wstring> runs, reasons;
    for (const std::wstring& line : log) {
      if (line.starts_with(L"「") && line.find(L" → ") != std::wstring::npos) runs.push_back(line);
      else if (line.starts_with(L"「")) reasons.push_back(line);
    }
    ASSERT_EQ(runs.size(), row.ran.size());
    for (size_t i = 0; i < runs.size(); ++i) {
      EXPECT_TRUE(runs[i].ends_with(texts::quoted(row.ran[i]))) << runs[i];
      EXPECT_EQ(log[std::find(log.begin(), log.end(), runs[i]) - log.begin() + 1], L"wrote " + row.ran[i])
          << "the encoder's messages follow its file's line";
    }
    EXPECT_EQ(reasons, row.reasons);
    EXPECT_EQ(platform.messages.front().title, texts::kConfirmTitle);
    EXPECT_EQ(platform.messages.back().text, row.report);
    EXPECT_EQ(platform.messages.back().style, row.reasons.empty() ? kInformation : kExclamation);
    if (row.what == std::string("three files")) {
      EXPECT_EQ(captions, (std::vector<std::wstring>{kAppCaption + std::wstring(L" - 1/3"),
                                                     kAppCaption + std::wstring(L" - 2/3"),
                                                     kAppCaption + std::wstring(L" - 3/3")}));
    }
    EXPECT_EQ(f.window.caption(), kAppCaption);
    EXPECT_FALSE(f.window.busy());
    Settings saved = before;
    saved.same_folder = f.settings.same_folder, saved.out_folder = f.settings.out_folder;
    EXPECT_EQ(record(f.settings), record(saved)) << "the fields stay";
    EXPECT_EQ(std::count(platform.events.begin(), platform.events.end(), L"write " + platform.settings_path()), 1);
    EXPECT_FALSE(platform.files.count(L"C:\\tools\\enc\\mosa-trevlin.bat"));
    captions.clear();
    platform = FakePlatform{};
  }
}

TEST_F(Batch, EachFileKeepsItsOldOutputAndIsRefusedAsOneFileWould) {
  const std::wstring old = L"C:\\w\\a.vbe", copy = old + L".mosa-trevlin.bak";
  struct Row {
    const char* what;
    std::function<void()> arrange;
    std::vector<std::wstring> program_lines;  // the log's lines from the program itself
    std::wstring reason;                      // the log's line for a.vbs, not written
  };
  // Beside it in every row, a name that is skipped with its character, which
  // the log names by its number.
  const std::wstring uncarried =
      texts::not_encoded_because(L"C:\\w\\<U+00E9>.vbs", texts::unusable_on_command_line(L"<U+00E9>"));
  const Row rows[] = {
      {"the encoder fails over an old output: it comes back",
       [&] {
         platform.batch_runs = [&] {
           platform.put_lines(old, {L"half"});
           return 1;
         };
       },
       {texts::kLogMark + texts::encoder_exit_code(1), texts::kLogMark + std::wstring(texts::kOutputRestored)},
       texts::not_encoded_because(L"C:\\w\\a.vbs", texts::kNotWrittenWell)},
      {"a copy an earlier run set aside", [&] { platform.put_lines(copy, {L"older"}); }, {},
       texts::not_encoded_because(L"C:\\w\\a.vbs", texts::copy_left_over(copy))},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    MainWindow& f = ready();
    f.settings.opt_overwrite = true;
    platform.put_lines(L"C:\\w\\é.vbs", {L"x"});
    platform.put_lines(old, {L"old"});
    row.arrange();
    platform.answers = {kYes};
    f.on_files_dropped({L"C:\\w\\a.vbs", L"C:\\w\\é.vbs"});
    std::vector<std::wstring> program_lines, reasons;
    for (const std::wstring& line : split_lines(platform.files[kLog].text, 100)) {
      if (line.starts_with(texts::kLogMark)) program_lines.push_back(line);
      else if (line.starts_with(L"「") && line.find(L" → ") == std::wstring::npos)
        reasons.push_back(line);
    }
    EXPECT_EQ(program_lines, row.program_lines);
    EXPECT_EQ(reasons, (std::vector{row.reason, uncarried}));
    EXPECT_EQ(platform.files[old].text, L"old\r\n") << "the old output as it was";
    EXPECT_EQ(platform.messages.back().text, texts::some_encoded(2, 0));
    platform = FakePlatform{};
  }
}

TEST_F(Batch, TheQuestionNamesTheFilesAndWhereTheyGo) {
  MainWindow& f = ready();
  f.get<same_folder_check>().set_value(0);
  f.get<output_folder_box>().set_text(L"D:\\出力\\");
  std::vector<std::wstring> twelve;
  for (int i = 1; i <= 12; ++i) twelve.push_back(L"C:\\w\\s" + std::to_wstring(i) + L".vbs");
  f.on_files_dropped(twelve);
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{texts::several_question(12, {L"s1.vbs", L"s2.vbs", L"s3.vbs", L"s4.vbs",
                                    L"s5.vbs", L"s6.vbs", L"s7.vbs", L"s8.vbs", L"s9.vbs", L"s10.vbs"}, L"D:\\出力\\", false),
                                   texts::kConfirmTitle, kYesNo}}));
  EXPECT_EQ(platform.events.size(), 1u) << "No: nothing run, nothing saved";

  // Asked first, the encoder is looked for once before the first file.
  platform.files.erase(L"C:\\enc\\screnc.exe");
  platform.answers = {kYes};
  f.on_files_dropped({L"C:\\w\\a.vbs", L"C:\\w\\b.js"});
  EXPECT_EQ(platform.messages.back(), (Message{texts::missing(L"C:\\enc\\screnc.exe"), texts::kReportTitle, kExclamation}));
  EXPECT_EQ(std::count_if(platform.events.begin(), platform.events.end(),
                          [](const std::wstring& e) { return !e.starts_with(L"message"); }), 0);

  // A folder without scripts, one that cannot be read, and one holding a single
  // script, which is taken as that file dropped alone.
  const std::vector<std::pair<std::wstring, std::wstring>> folders = {
      {L"C:\\w\\sub", L""}, {L"C:\\none", texts::kNoScripts}, {L"C:\\locked", texts::unreadable(L"C:\\locked")}};
  platform.folders[L"C:\\none"] = {};
  platform.folders[L"C:\\locked"] = {};
  platform.unreadable.insert(L"C:\\locked");
  for (const auto& [folder, said] : folders) {
    platform.messages.clear();
    f.on_files_dropped({folder});
    EXPECT_EQ(platform.messages.empty() ? L"" : platform.messages[0].text, said);
  }
  EXPECT_EQ(f.settings.in_file, L"C:\\w\\sub\\d.vbs");
}

TEST_F(Batch, ALaterStartHandsItsFilesToTheOpenWindow) {
  MainWindow& f = ready();
  f.window.set_busy(true);  // a run in progress
  f.on_files_sent({L"C:\\w\\b.js"});
  f.take_sent_files();
  EXPECT_TRUE(f.has_sent_files());
  f.window.set_busy(false);
  f.take_sent_files();
  EXPECT_FALSE(f.has_sent_files());
  EXPECT_EQ(f.settings.in_file, L"C:\\w\\b.js") << "taken as handed at the start";

  platform.other_instance = true;
  for (bool running : {true, false}) {
    platform.running_window = running;
    platform.messages.clear();
    EXPECT_TRUE(f.hand_over({L"C:\\w\\a.vbs"}));
    EXPECT_TRUE(f.hand_over({}));
    EXPECT_EQ(platform.messages.size(), running ? 0u : 1u) << "files not taken are not lost without a word";
  }
  EXPECT_EQ(platform.handed_over.size(), 4u);
  // The open window closed as the files came and let go: this start opens its own.
  platform.other_instance = false;
  platform.messages.clear();
  EXPECT_FALSE(f.hand_over({L"C:\\w\\a.vbs"}));
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace mosa
