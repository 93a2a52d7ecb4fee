// The script type list, the encoder option boxes, the option reset and the
// initialisation of all settings, worked on the real window.
#include "checks.h"

namespace e2e {
namespace {

struct TypeRow {
  const wchar_t* type;
  const wchar_t* suffix;
  bool ochk3, ochk4, ochk5;  // usable after the choice
};

const TypeRow kTypes[] = {
    {L"asa", L"_enc.asa", false, true, false}, {L"asp", L"_enc.asp", true, true, false},
    {L"cdx", L"_enc.cdx", false, true, false}, {L"htm", L"_enc.htm", false, true, false},
    {L"html", L"_enc.html", false, true, false}, {L"js", L".jse", false, false, false},
    {L"sct", L"_enc.sct", false, true, false}, {L"vbs", L".vbe", false, false, false},
    {L"wsf", L".vbe", false, true, true},
};

TEST(Types, EachTypeSetsItsSuffixAndUsableOptionsAndForgetsTheInput) {
  App app;
  app.start();
  for (const TypeRow& row : kTypes) {
    SCOPED_TRACE(u8(row.type));
    // An input of another type, so that the choice changes the selection.
    const std::wstring input = row.type == std::wstring(L"vbs") ? L"C:\\w\\in.js" : L"C:\\w\\in.vbs";
    app.drop({input});
    ASSERT_EQ(u8(app[L"txt1"].text()), u8(input));
    app[L"cmb1"].pick(row.type);
    EXPECT_EQ(u8(app[L"cmb1"].text()), u8(row.type));
    EXPECT_EQ(u8(app[L"lbl6"].text()), u8(row.suffix));
    EXPECT_EQ(app[L"ochk3"].enabled(), row.ochk3);
    EXPECT_EQ(app[L"ochk4"].enabled(), row.ochk4);
    EXPECT_EQ(app[L"ochk5"].enabled(), row.ochk5);
    EXPECT_TRUE(app[L"ochk1"].enabled() && app[L"ochk2"].enabled());
    EXPECT_EQ(u8(app[L"txt1"].text()), "");
    EXPECT_EQ(u8(app[L"txt2"].text()), "") << "the output follows the forgotten input";
    EXPECT_EQ(u8(app[L"txt4"].text()), "");
  }
  EXPECT_EQ(app[L"ochk5"].check(), 1) << "a choice of type changes no tick";

  // A name of the user's own stays; a folder of the user's own stays too.
  app.drop({L"C:\\w\\in.vbs"});
  app[L"chk2"].click();
  app[L"txt4"].type(L"mine");
  app[L"cmb1"].pick(L"asp");
  EXPECT_EQ(u8(app[L"txt2"].text()), "");
  EXPECT_EQ(u8(app[L"txt4"].text()), "mine");
  EXPECT_EQ(u8(asked_output_path(app)), "") << "the output path goes with the folder";
  app[L"chk1"].click();
  app[L"txt2"].type(L"D:\\out\\");
  app[L"cmb1"].pick(L"html");
  EXPECT_EQ(u8(app[L"txt2"].text()), "D:\\out\\");
  EXPECT_EQ(u8(app[L"txt4"].text()), "mine");
}

TEST(Types, LanguageListIsUsableThroughItsBoxOnly) {
  App app;
  app.start();
  const Control cmb2 = app[L"cmb2"], ochk4 = app[L"ochk4"];
  app[L"cmb1"].pick(L"asp");
  EXPECT_FALSE(cmb2.enabled()) << "another type leaves the list as it was";
  ochk4.click();
  EXPECT_TRUE(cmb2.enabled());
  ochk4.click();
  EXPECT_FALSE(cmb2.enabled());
  ochk4.click();
  app[L"cmb1"].pick(L"html");
  EXPECT_TRUE(cmb2.enabled());
  app[L"cmb1"].pick(L"js");
  EXPECT_FALSE(cmb2.enabled());
  EXPECT_FALSE(ochk4.enabled());
  EXPECT_EQ(ochk4.check(), 1) << "greyed but still ticked";
  app[L"cmb1"].pick(L"asp");
  EXPECT_TRUE(ochk4.enabled());
  EXPECT_EQ(ochk4.check(), 1);
  EXPECT_FALSE(cmb2.enabled()) << "until the tick of ochk4 next changes";
}

TEST(Options, OverwriteAsksAboutTheOutputPath) {
  App app;
  app.start();
  app[L"chk1"].click();
  app[L"txt2"].type(L"C:\\w\\");
  app[L"chk2"].click();
  app[L"txt4"].type(L"a");
  const Control ochk2 = app[L"ochk2"];

  ochk2.post_click();
  answer_box(app, L"C:\\w\\a.vbe を上書きします。", L"確認", kYesNo, IDNO);
  EXPECT_EQ(ochk2.check(), 0);
  expect_no_box(app);

  ochk2.post_click();
  answer_box(app, L"C:\\w\\a.vbe を上書きします。", L"確認", kYesNo, IDYES);
  EXPECT_EQ(ochk2.check(), 1);
  ochk2.click();
  EXPECT_EQ(ochk2.check(), 0) << "unticking asks nothing";
  expect_no_box(app);

  // A folder typed alone leaves the path; the next name rebuilds it.
  app[L"txt2"].type(L"C:\\out");
  EXPECT_EQ(u8(asked_output_path(app)), "C:\\w\\a.vbe");
  app[L"txt4"].type(L"b");
  EXPECT_EQ(u8(asked_output_path(app)), "C:\\outb.vbe");
  app[L"chk2"].click();
  EXPECT_EQ(u8(app[L"txt4"].text()), "") << "the name follows the input again";
  EXPECT_EQ(u8(asked_output_path(app)), "C:\\out.vbe");
}

TEST(Options, ResetReturnsTheOptionsOfTheShownType) {
  App app;
  app.start();
  app[L"cmb1"].pick(L"asp");
  for (const wchar_t* name : {L"ochk1", L"ochk3", L"ochk4"}) app[name].click();
  app[L"cmb2"].pick(L"JScript");
  app[L"ochk2"].post_click();
  answer_box(app, L" を上書きします。", L"確認", kYesNo, IDYES);

  app[L"cmd7"].click();
  expect_no_box(app);
  for (const wchar_t* name : {L"ochk1", L"ochk2", L"ochk3", L"ochk4"}) {
    EXPECT_TRUE(app[name].enabled()) << u8(name);
    EXPECT_EQ(app[name].check(), 0) << u8(name);
  }
  EXPECT_FALSE(app[L"ochk5"].enabled());
  EXPECT_EQ(app[L"ochk5"].check(), 1);
  EXPECT_FALSE(app[L"cmb2"].enabled());
  EXPECT_EQ(app[L"cmb2"].selected(), 0);
  EXPECT_EQ(u8(app[L"cmb2"].text()), "VBScript");
  EXPECT_EQ(u8(app[L"cmb1"].text()), "asp");
  EXPECT_EQ(u8(app[L"lbl6"].text()), "_enc.asp");

  app[L"cmb1"].pick(L"wsf");
  app[L"ochk5"].click();
  EXPECT_EQ(app[L"ochk5"].check(), 0);
  app[L"cmd7"].click();
  EXPECT_TRUE(app[L"ochk5"].enabled());
  EXPECT_EQ(app[L"ochk5"].check(), 1);
  EXPECT_FALSE(app[L"ochk3"].enabled());
  EXPECT_TRUE(app[L"ochk4"].enabled());

  app[L"cmb1"].pick(L"js");
  app[L"cmd7"].click();
  EXPECT_FALSE(app[L"ochk4"].enabled());
  EXPECT_EQ(app[L"ochk4"].check(), 0);
}

TEST(InitialiseAll, AsksAndDoesWhatTheAnswerSays) {
  App app;
  app.start();
  const auto first_file = app.read(kSettingsFile);
  const std::wstring question = L"注意！\r\r全ての設定を初期化します。初期化しますか？";
  const Control cmd8 = app[L"cmd8"];

  app.right_click_surface();
  cmd8.post_click();
  answer_box(app, question, L"確認", kYesNoCancel, IDNO);
  answer_box(app, L"初期化しません。", L"報告", kInformation, IDOK);
  EXPECT_FALSE(cmd8.visible());

  app.right_click_surface();
  cmd8.post_click();
  answer_box(app, question, L"確認", kYesNoCancel, IDCANCEL);
  answer_box(app, L"初期化を中止しました。", L"報告", kInformation, IDOK);
  EXPECT_FALSE(cmd8.visible());

  app.right_click_surface();
  cmd8.post_click();
  expect_box(app, question, L"確認", kYesNoCancel).close();
  answer_box(app, L"初期化を中止しました。", L"報告", kInformation, IDOK);
  EXPECT_EQ(app.read(kSettingsFile), first_file) << "No and Cancel write nothing";

  app[L"cmd4"].click();
  app[L"cmb1"].pick(L"asp");
  app[L"chk1"].click();
  app[L"txt2"].type(L"C:\\out\\");
  app[L"chk2"].click();
  app[L"txt4"].type(L"name");
  app[L"ochk1"].click();
  app[L"ochk2"].post_click();
  answer_box(app, L"C:\\out\\name_enc.asp を上書きします。", L"確認", kYesNo, IDYES);

  app.right_click_surface();
  cmd8.post_click();
  answer_box(app, question, L"確認", kYesNoCancel, IDYES);
  answer_box(app, L"初期化されました。", L"報告", kInformation, IDOK);
  expect_no_box(app);
  EXPECT_FALSE(cmd8.visible());
  for (const wchar_t* box : {L"txt1", L"txt2", L"txt4"}) EXPECT_EQ(u8(app[box].text()), "") << u8(box);
  EXPECT_EQ(u8(app[L"txt3"].text()), u8(kDefaultEncoder));
  EXPECT_EQ(u8(app[L"cmb1"].text()), "vbs");
  EXPECT_EQ(u8(app[L"lbl6"].text()), ".vbe");
  EXPECT_EQ(app[L"chk1"].check(), 1);
  EXPECT_EQ(app[L"chk2"].check(), 0);
  for (const wchar_t* name : {L"txt2", L"cmd2", L"txt4"}) EXPECT_FALSE(app[name].enabled()) << u8(name);
  for (const wchar_t* name : {L"ochk1", L"ochk2", L"ochk3", L"ochk4"}) EXPECT_EQ(app[name].check(), 0) << u8(name);
  EXPECT_EQ(app[L"ochk5"].check(), 1);
  EXPECT_NEAR(app.main().outer_height(), pixels(2520), 1);
  EXPECT_EQ(u8(app[L"cmd4"].text()), "詳細を開く");
  EXPECT_EQ(u8(app[L"cmd4"].tooltip()), "詳細設定域を開く");
  EXPECT_FALSE(app[L"txt3"].tab_stop());
  auto expected = first_start_lines();
  expected[16] = L"on";  // saved before the detail area closed
  EXPECT_EQ(saved_lines(app), expected);
}

}  // namespace
}  // namespace e2e
