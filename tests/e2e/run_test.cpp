// The run button with the stand-in encoder: what the encoder receives, the log,
// the output file, the life of the batch file and the checks that stop a run.
#include <algorithm>

#include "checks.h"

namespace e2e {
namespace {

const std::string kScript = "WScript.Echo \"hello\"\r\n";
const std::wstring kDone = L"エンコードが終了しました。";

TEST(Run, EncodesTheDroppedFileAndSavesTheSettings) {
  EncoderFolder tools;
  TempFolder work(L"work");
  const std::wstring input = work / L"a.vbs", output = work / L"a.vbe";
  write_bytes(input, kScript);
  App app({L"run", std::nullopt});
  app.start();
  const auto first_file = app.read(kSettingsFile);
  app[L"txt3"].type(tools.encoder);

  const std::wstring missing = work / L"missing.vbs";
  app[L"txt1"].type(missing);
  app[L"cmd3"].post_click();
  answer_box(app, missing + L"  は存在しません。", L"報告", kWarning, IDOK);
  EXPECT_FALSE(file_exists(app.path(kBatchFile)));
  EXPECT_FALSE(file_exists(app.path(kLogFile)));
  EXPECT_EQ(app.read(kSettingsFile), first_file) << "a stopped run saves nothing";

  app.drop({input});
  EXPECT_EQ(u8(app[L"txt1"].text()), u8(input));
  EXPECT_EQ(u8(app[L"txt2"].text()), u8(work.path() + L"\\"));
  EXPECT_EQ(u8(app[L"txt4"].text()), "a");
  app[L"ochk2"].post_click();
  answer_box(app, output + L" を上書きします。", L"確認", kYesNo, IDYES);

  app[L"cmd3"].post_click();
  // Answered at once: the command interpreter may not have read the batch
  // file yet, and the program must not take it away before it has.
  const Box done = app.wait_box();
  const auto batch = app.read(kBatchFile);
  done.answer(IDOK);
  EXPECT_EQ(u8(done.text), u8(kDone));
  EXPECT_EQ(batch, cp932(L"\"" + tools.encoder + L"\" /f /e sct  \"" + input + L"\" \"" + output + L"\" > \"" +
                         app.path(kLogFile) + L"\"") + "\r\n");
  ASSERT_TRUE(batch_removed(app));
  const auto log = log_lines(app);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(u8(log.front()), "stand-in encoder");
  EXPECT_EQ(encoder_arguments(log), (std::vector<std::wstring>{L"/f", L"/e", L"sct", input, output}));
  EXPECT_EQ(read_bytes(output), "encoded by stand-in\r\n" + kScript);
  EXPECT_EQ(saved_lines(app),
            (std::vector<std::wstring>{tools.encoder, L"vbs", L"on", L"off", input, work.path(), L"a",
                                       work.path() + L"\\", L"a", output, L"off", L"off", L"off", L"off", L"on",
                                       L"vb", L""}));
  EXPECT_EQ(app[L"ochk2"].check(), 0) << "the save clears the overwrite option";

  const auto first_log = app.read(kLogFile);
  app[L"cmd3"].post_click();
  answer_box(app, output + L"  は既に存在します。", L"報告", kWarning, IDOK);
  EXPECT_EQ(app.read(kLogFile), first_log);

  delete_file(output);
  const std::wstring no_encoder = tools.folder / L"none.exe";
  app[L"txt3"].type(no_encoder);
  app[L"cmd3"].post_click();
  answer_box(app, no_encoder + L"  は存在しません。", L"報告", kWarning, IDOK);
  EXPECT_FALSE(file_exists(app.path(kBatchFile)));

  // A slow encoder: the message does not wait for it, the batch file's removal does.
  write_bytes(input, "' SLEEP=3000\r\n" + kScript);
  app[L"txt3"].type(tools.encoder);
  app[L"ochk1"].click();
  app[L"cmd3"].post_click();
  const Box second_done = expect_box(app, kDone, L"報告", kInformation);
  EXPECT_FALSE(file_exists(output)) << "the message came before the encoder finished";
  second_done.answer(IDOK);
  ASSERT_TRUE(batch_removed(app));
  EXPECT_TRUE(file_exists(output)) << "the batch file goes only after the encoder has finished";
  const auto second_log = log_lines(app);
  EXPECT_EQ(encoder_arguments(second_log), (std::vector<std::wstring>{L"/s", L"/e", L"sct", input, output}));
  EXPECT_EQ(std::count(second_log.begin(), second_log.end(), L"stand-in encoder"), 1) << "the log is overwritten";
}

TEST(Run, PathsWithSpacesPercentAmpersandCaretAndJapaneseReachTheEncoderExactly) {
  const std::wstring odd = L"100%PATH% & a^b 日本";
  EncoderFolder tools(L"tools " + odd);
  TempFolder work(L"in " + odd);
  const std::wstring base = L"x 1%OS% & z^w 日本語";
  const std::wstring input = work / (base + L".vbs"), output = work / (base + L".vbe");
  const std::wstring one_letter = work / L"b";
  write_bytes(input, kScript);
  write_bytes(one_letter, "");
  App app({L"app " + odd,
           settings_bytes({tools.encoder, L"vbs", L"on", L"off", input, work.path(), base, work.path() + L"\\", L"b",
                           one_letter, L"off", L"off", L"off", L"off", L"on", L"vb", L"off"})});
  app.start();

  app[L"cmd3"].post_click();
  answer_box(app, one_letter + L"  は既に存在します。", L"報告", kWarning, IDOK);

  app.drop({input});
  app[L"cmd3"].post_click();
  answer_box(app, kDone, L"報告", kInformation, IDOK);
  ASSERT_TRUE(batch_removed(app));
  const auto log = log_lines(app);
  EXPECT_EQ(encoder_arguments(log), (std::vector<std::wstring>{L"/e", L"sct", input, output}));
  EXPECT_EQ(read_bytes(output), "encoded by stand-in\r\n" + kScript);
  EXPECT_EQ(saved_lines(app).at(9), output);
}

}  // namespace
}  // namespace e2e
