// The run button with the stand-in encoder, through the real command
// interpreter, from folders whose names the interpreter would take apart.
#include "driver.h"

namespace e2e {
namespace {

TEST(Run, EncodesFromFoldersWithOddNamesAndRemovesTheBatchFileOnlyWhenDone) {
  const std::wstring odd = L"100%PATH% & a^b 日本";
  TempFolder tools(L"tools " + odd), work(L"in " + odd);
  const std::wstring encoder = install_encoder(tools.path);
  const std::wstring base = L"x 1%OS% & z^w 日本語";
  const std::wstring input = work / (base + L".vbs"), output = work / (base + L".vbe");
  const std::string script = "WScript.Echo \"hello\"\r\n", encoded = "encoded by stand-in\r\n" + script;
  write_bytes(input, script);
  App app(L"app " + odd);
  app.start();
  app[L"txt3"].type(encoder);
  app.drop({input});
  app[L"ochk2"].post_click();
  answer_box(app, output + L" を上書きします。", L"確認", kYesNo, IDYES);

  app[L"cmd3"].post_click();
  answer_box(app, L"エンコードが終了しました。", L"報告", kInformation, IDOK);
  ASSERT_TRUE(batch_removed(app));
  // The stand-in's name and command line, then what it received.
  const Names log = file_lines(app, kLogFile);
  ASSERT_EQ(log.size(), 8u);
  EXPECT_EQ(Names(log.begin() + 2, log.end()), (Names{L"argc=5", L"arg1=/f", L"arg2=/e", L"arg3=sct",
                                                       L"arg4=" + input, L"arg5=" + output}));
  EXPECT_EQ(read_bytes(output), encoded);
  EXPECT_EQ(file_lines(app, kSettingsFile),
            (Names{encoder, L"vbs", L"on", L"off", input, work.path, base, work.path + L"\\", base, output, L"off",
                   L"off", L"off", L"off", L"on", L"vb", L""}));

  // The save cleared the overwrite option.
  app[L"cmd3"].post_click();
  answer_box(app, output + L"  は既に存在します。", L"報告", kWarning, IDOK);

  // A slow encoder: the message does not wait for it, the removal of the batch
  // file must, or the interpreter loses the file it is running.
  const std::string slow_script = "' SLEEP=3000\r\n" + script;
  write_bytes(input, slow_script);
  app[L"ochk2"].post_click();
  answer_box(app, output + L" を上書きします。", L"確認", kYesNo, IDYES);
  app[L"cmd3"].post_click();
  const Dialog done = app.wait_box();
  EXPECT_EQ(read_bytes(output), encoded) << "the encoder was still at work when the message showed";
  done.press(IDOK);
  ASSERT_TRUE(batch_removed(app));
  EXPECT_EQ(read_bytes(output), "encoded by stand-in\r\n" + slow_script);
  EXPECT_EQ(file_lines(app, kLogFile).size(), log.size()) << "the log is overwritten";
}

}  // namespace
}  // namespace e2e
