// The run button through the real command interpreter: our encoder from folders
// whose names the interpreter would take apart, then each way a run can end,
// with a stand-in encoder where the fault is the encoder's.
#include "driver.h"
#include "encoder/block.h"

namespace mosa {

namespace e2e {
namespace {

TEST(Run, EncodesFromFoldersWithOddNamesAndTellsHowEachRunEnded) {
  const std::wstring odd = L"100%PATH% & a^b 日本";
  TempFolder tools(L"tools " + odd), work(L"in " + odd);
  const std::wstring encoder = install_encoder(tools.path);
  const std::wstring base = L"x 1%OS% & z^w 日本語";
  const std::wstring input = work / (base + L".vbs"), output = work / (base + L".vbe");
  // In UTF-8 without a mark, as editors save it: the encoder writes UTF-16, which
  // the run's check must read as such.
  write_bytes(input, "WScript.Echo \"こんにちは\"\r\n");
  App app(L"app " + odd);
  app.start();
  app[encoder_box].type(encoder);
  app.drop({input});
  app[overwrite_check].post_click();
  answer_box(app, texts::will_overwrite(output), texts::kConfirmTitle, IDYES);
  app[run_button].post_click();
  answer_box(app, texts::kRunFinished, texts::kReportTitle, IDOK);
  ASSERT_TRUE(app.batch_removed());
  EXPECT_EQ(decoded(output), L"WScript.Echo \"こんにちは\"\r\n");
  EXPECT_NE(cp932_text(app.read(kLogFile).value_or("")).find(output), std::wstring::npos)
      << "the encoder's line in the log names the output";
  const Names saved = {encoder, L"vbs", L"on", L"off", input, work.path, base, work.path + L"\\", base, output,
                       L"off", L"off", L"off", L"off", L"on", L"vb", L""};
  EXPECT_EQ(app.read(kSettingsFile), cp932_file(saved));

  // The stand-in copies its input, which here is already encoded text.
  install_encoder(tools.path, L"STAND_IN_ENCODER");
  const std::u16string block = screnc::encode_block(u"WScript.Echo 2");
  const std::string encoded(block.begin(), block.end());
  const std::wstring failure = texts::not_encoded(base, L"vbs", L"");
  const std::wstring injected = work / L"injected.txt";
  // The slow encoder's good output, which each failure after it puts back.
  const std::wstring restored = texts::not_encoded(base, L"vbs", texts::kOutputRestored);
  struct Row {
    const char* what;
    std::string script;  // what the input holds: the stand-in sleeps or fails on request
    std::wstring typed;  // typed into the input box, if anything
    std::wstring box;
  };
  const Row rows[] = {
      {"slow encoder", encoded + "\r\n' SLEEP=3000\r\n", L"", texts::kRunFinished},
      {"failing encoder", encoded + "\r\n' FAIL\r\n", L"", restored},
      {"output without a block", "' no block\r\n", L"", restored},
      {"quote in the input", encoded, input + L"\" & echo x> \"" + injected + L"\" & \"", failure},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    write_bytes(input, row.script);
    const auto settings_before = app.read(kSettingsFile);
    if (!row.typed.empty()) app[input_box].type(row.typed);
    app[overwrite_check].post_click();
    answer_box(app, texts::will_overwrite(output), texts::kConfirmTitle, IDYES);
    app[run_button].post_click();
    if (row.script.find("SLEEP") != std::string::npos) {
      // The window answers while the encoder works, but takes no input.
      app.settle();
      EXPECT_FALSE(app.open_box()) << "a message before the encoder ended";
    }
    const Dialog box = app.wait_box();
    EXPECT_EQ(u8(box.text), u8(row.box));
    EXPECT_EQ(read_bytes(output), row.box == rows[0].box ? row.script : rows[0].script)
        << "written, or put back or left, before the message";
    box.press(IDOK);
    app.settle();
    EXPECT_TRUE(app.main().enabled());
    if (row.typed.empty()) {
      ASSERT_TRUE(app.batch_removed());
      EXPECT_EQ(app.read(kSettingsFile), cp932_file(saved)) << "saved after either outcome";
    } else {
      EXPECT_FALSE(file_exists(injected)) << "a second command ran";
      EXPECT_FALSE(file_exists(app.path(L"mosa-trevlin.bat")));
      EXPECT_EQ(app.read(kSettingsFile), settings_before) << "a rejected run saves nothing";
    }
  }

  // A relative output is the one beside the program, where the batch runs.
  write_bytes(app.path(L"rel.vbe"), "keep");
  app[input_box].type(input);
  app[overwrite_check].click();  // still ticked: the rejected run saved nothing
  app[same_folder_check].click();
  app[output_folder_box].type(L"");
  app[output_name_check].click();
  app[output_name_box].type(L"rel");
  app[run_button].post_click();
  answer_box(app, texts::already_exists(L"rel.vbe"), texts::kReportTitle, IDOK);
  EXPECT_EQ(app.read(L"rel.vbe"), "keep");
}

TEST(Run, APageMentioningTheMarkerEncodesAndAnEncoderThatNeverEndsStops) {
  TempFolder tools(L"tools"), work(L"in");
  const std::wstring page = work / L"page.htm", script = work / L"a.vbs";
  write_bytes(page, cp932_file({L"<p>暗号は #@~^ で始まります。</p><script language=\"VBScript\">MsgBox \"#@~^\"</script>"}));
  write_bytes(script, "' SLEEP=600000\r\n");
  App app;
  app.start();
  app[encoder_box].type(install_encoder(tools.path));
  app.drop({page});
  app[run_button].post_click();
  answer_box(app, texts::kRunFinished, texts::kReportTitle, IDOK);
  const std::wstring written = cp932_text(read_bytes(work / L"page_enc.htm").value_or(""));
  EXPECT_NE(written.find(L"<p>暗号は #@~^ で始まります。</p>"), std::wstring::npos) << u8(written);

  install_encoder(tools.path, L"STAND_IN_ENCODER");
  app.drop({script});
  const int shells = processes_named(L"cmd.exe");
  app[run_button].post_click();
  ASSERT_TRUE(wait_until([] { return processes_named(L"screnc.exe") == 1; })) << "the encoder did not start";
  app.press(VK_ESCAPE);
  answer_box(app, texts::kStopQuestion, texts::kConfirmTitle, IDNO);
  EXPECT_FALSE(app.open_box(500)) << "still waiting for the encoder";
  post(app.main().hwnd, WM_SYSCOMMAND, SC_CLOSE);  // what the close box sends
  answer_box(app, texts::kStopQuestion, texts::kConfirmTitle, IDYES);
  answer_box(app, texts::not_encoded(L"a", L"vbs", L""), texts::kErrorTitle, IDOK);
  EXPECT_TRUE(wait_until([&] { return processes_named(L"screnc.exe") + processes_named(L"cmd.exe") == shells; }, 5000))
      << "a process of the run left";
}

TEST(Run, AStoppedRunLeavesTheOldOutputAndAStopAnsweredAfterTheEndCountsTheRun) {
  TempFolder tools(L"tools"), work(L"keep");
  const std::wstring script = work / L"a.vbs", output = work / L"a.vbe", page = work / L"p.htm";
  write_bytes(script, "' HANG: the stand-in writes half of this and never ends\r\nMsgBox 1\r\n");
  write_bytes(page, "<p>SLEEP=3000</p>\r\n");
  App app;
  app.start();
  app[encoder_box].type(install_encoder(tools.path));
  app.drop({script});
  app[run_button].post_click();
  answer_box(app, texts::kRunFinished, texts::kReportTitle, IDOK);
  const std::optional<std::string> good = read_bytes(output);
  ASSERT_TRUE(good && decoded(output));

  install_encoder(tools.path, L"STAND_IN_ENCODER");
  app[overwrite_check].post_click();
  answer_box(app, texts::will_overwrite(output), texts::kConfirmTitle, IDYES);
  app[run_button].post_click();
  ASSERT_TRUE(wait_until([&] { return read_bytes(output) != good; })) << "the stand-in wrote nothing";
  app.press(VK_ESCAPE);
  answer_box(app, texts::kStopQuestion, texts::kConfirmTitle, IDYES);
  answer_box(app, texts::not_encoded(L"a", L"vbs", texts::kOutputRestored), texts::kErrorTitle, IDOK);
  EXPECT_EQ(read_bytes(output), good) << "the old output, byte for byte";
  EXPECT_FALSE(std::filesystem::exists(output + L".mosa-trevlin.bak"));
  EXPECT_EQ(u8(cp932_text(app.read(kLogFile).value_or(""))),
            u8(L"stand-in: hanging\r\n" + (texts::kLogMark + std::wstring(texts::kEncodingStopped)) + L"\r\n" +
               texts::kLogMark + texts::kOutputRestored + L"\r\n"));

  // The encoder ends while the user is asked: its run stands.
  app.drop({page});
  const int shells = processes_named(L"cmd.exe");
  app[run_button].post_click();
  ASSERT_TRUE(wait_until([] { return processes_named(L"screnc.exe") == 1; })) << "the encoder did not start";
  app.press(VK_ESCAPE);
  const Dialog question = app.wait_box();
  ASSERT_TRUE(wait_until([&] { return processes_named(L"screnc.exe") + processes_named(L"cmd.exe") == shells; }));
  question.press(IDYES);
  answer_box(app, texts::kRunFinished, texts::kReportTitle, IDOK);
}

}  // namespace
}  // namespace e2e

}  // namespace mosa
