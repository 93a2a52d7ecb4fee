// What the type list, the output boxes and the option switches set off, whoever
// changes them.
#include "app_fixture.h"
#include "types/script_types.h"

namespace {

// A window with an input chosen and a typed output name, under the given boxes.
struct Boxes {
  int chk1, chk2;
};

}  // namespace

class TypeSelection : public AppTest {
 protected:
  frm1& with_input(Boxes boxes) {
    frm1& f = fresh();
    f.settings.in_folder = L"C:\\w";
    f.settings.in_base = L"a";
    f.txt1.set_text(L"C:\\w\\a.vbs");
    f.chk1.set_value(boxes.chk1);
    f.chk2.set_value(boxes.chk2);
    if (boxes.chk1 != 1) f.txt2.set_text(L"D:\\out\\");
    f.txt4.set_text(L"name");
    return f;
  }
};

TEST_F(TypeSelection, SuffixAndUsableOptionsPerType) {
  struct Row {
    int position;
    const wchar_t* suffix;
    bool ochk3, ochk4, ochk5, cmb2_disabled;
  };
  const Row rows[] = {{0, L"_enc.asa", false, true, false, false},
                      {1, L"_enc.asp", true, true, false, false},
                      {2, L"_enc.cdx", false, true, false, false},
                      {3, L"_enc.htm", false, true, false, false},
                      {4, L"_enc.html", false, true, false, false},
                      {5, L".jse", false, false, false, true},
                      {6, L"_enc.sct", false, true, false, false},
                      {7, L".vbe", false, false, false, true},
                      {8, L".vbe", false, true, true, false}};
  for (const Row& row : rows) {
    frm1& f = fresh();
    f.cmb1.pick(row.position == 0 ? 1 : 0);
    f.cmb2.set_enabled(true);
    f.cmb1.pick(row.position);
    SCOPED_TRACE(kScriptTypes[row.position].ext);
    EXPECT_EQ(f.settings.script_ext, kScriptTypes[row.position].ext);
    EXPECT_EQ(f.settings.out_suffix, row.suffix);
    EXPECT_EQ(f.lbl6.caption(), row.suffix);
    EXPECT_EQ(f.ochk3.enabled(), row.ochk3);
    EXPECT_EQ(f.ochk4.enabled(), row.ochk4);
    EXPECT_EQ(f.ochk5.enabled(), row.ochk5);
    EXPECT_EQ(f.cmb2.enabled(), !row.cmb2_disabled);
  }
}

TEST_F(TypeSelection, WsfSuffixReadsTheLanguageAtTheMomentOfSelection) {
  frm1& f = fresh();
  for (auto [lang, suffix] : {std::pair{L"vb", L".vbe"}, std::pair{L"", L".jse"},
                              std::pair{L"VB", L".jse"}, std::pair{L"js", L".jse"}}) {
    f.settings.script_lang = lang;
    f.cmb1.pick(0);
    f.cmb1.pick(8);
    EXPECT_EQ(f.settings.out_suffix, suffix) << lang;
  }
}

TEST_F(TypeSelection, ForgetsTheInputAndByTheBoxesTheOutput) {
  struct Case {
    Boxes boxes;
    const wchar_t *txt2, *txt4, *out_folder, *out_base, *out_path;
  };
  const Case cases[] = {
      {{1, 0}, L"", L"", L"", L"", L""},
      {{1, 1}, L"", L"name", L"", L"name", L""},
      {{0, 0}, L"D:\\out\\", L"name", L"D:\\out\\", L"name", L"D:\\out\\name.vbe"},
      {{0, 1}, L"D:\\out\\", L"name", L"D:\\out\\", L"name", L"D:\\out\\name.vbe"},
      {{2, 2}, L"D:\\out\\", L"name", L"D:\\out\\", L"name", L"D:\\out\\name.vbe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "chk1=" << c.boxes.chk1 << " chk2=" << c.boxes.chk2);
    frm1& f = with_input(c.boxes);
    f.cmb1.pick(1);
    EXPECT_EQ(f.txt1.text(), L"");
    EXPECT_EQ(f.settings.in_file + f.settings.in_folder + f.settings.in_base, L"");
    EXPECT_EQ(f.txt2.text(), c.txt2);
    EXPECT_EQ(f.txt4.text(), c.txt4);
    EXPECT_EQ(f.settings.out_folder, c.out_folder);
    EXPECT_EQ(f.settings.out_base, c.out_base);
    EXPECT_EQ(f.settings.out_path, c.out_path) << "the old suffix stays until the next compose";
  }
}

TEST_F(TypeSelection, KeepsTicksAndFlags) {
  frm1& f = fresh();
  f.cmb1.pick(1);
  f.ochk4.set_value(1);
  f.cmb1.pick(7);
  EXPECT_TRUE(f.ochk4.ticked());
  EXPECT_FALSE(f.ochk4.enabled());
  EXPECT_EQ(f.settings.opt_set_lang, L"on");
  f.cmb1.pick(1);
  EXPECT_TRUE(f.ochk4.enabled());
  EXPECT_FALSE(f.cmb2.enabled()) << "until the tick of ochk4 next changes";
}

TEST_F(TypeSelection, TypedTextRunsNothingButAPickOfTheSameEntryDoes) {
  frm1& f = fresh();
  f.txt1.set_text(L"C:\\x.vbs");
  f.cmb1.type_text(L"asp");
  EXPECT_EQ(f.settings.script_ext, L"vbs");
  EXPECT_EQ(f.settings.in_file, L"C:\\x.vbs");
  f.cmb1.pick(7);
  EXPECT_EQ(f.cmb1.text(), L"vbs");
  EXPECT_EQ(f.settings.in_file, L"");
}

class OutputRules : public AppTest {};

TEST_F(OutputRules, TextBoxesCopyIntoTheirFields) {
  frm1& f = fresh();
  f.chk1.set_value(0);
  f.txt2.set_text(L"C:\\out");
  EXPECT_EQ(f.settings.out_folder, L"C:\\out");
  EXPECT_EQ(f.settings.out_path, L".vbe") << "a folder alone does not compose";
  f.chk2.set_value(1);
  f.txt4.set_text(L"a");
  EXPECT_EQ(f.settings.out_path, L"C:\\outa.vbe");
  f.txt4.set_text(L"");
  EXPECT_EQ(f.settings.out_path, L"C:\\out.vbe");
  f.txt3.set_text(L"E:\\screnc.exe");
  EXPECT_EQ(f.settings.encoder_path, L"E:\\screnc.exe");
  f.txt1.set_text(L"C:\\in\\typed.vbs");
  EXPECT_EQ(f.settings.in_file, L"C:\\in\\typed.vbs");
  EXPECT_EQ(f.settings.in_folder, L"") << "typing derives nothing";
}

TEST_F(OutputRules, SameFolderBoxFollowsTheInputFolder) {
  frm1& f = fresh();
  f.chk1.set_value(0);
  EXPECT_EQ(f.settings.same_folder, L"off");
  EXPECT_TRUE(f.txt2.enabled() && f.cmd2.enabled());
  for (auto [in_folder, out_folder] : {std::pair{L"C:\\work", L"C:\\work\\"},
                                       std::pair{L"C:", L"C:\\"},
                                       std::pair{L"C:\\w\\", L"C:\\w\\\\"}}) {
    f.chk1.set_value(0);
    f.settings.in_folder = in_folder;
    f.settings.out_path = L"kept";
    f.chk1.set_value(1);
    EXPECT_EQ(f.settings.out_folder, out_folder);
    EXPECT_EQ(f.txt2.text(), out_folder);
    EXPECT_EQ(f.settings.out_path, L"kept");
  }
  EXPECT_FALSE(f.txt2.enabled() || f.cmd2.enabled());
  f.chk1.set_value(2);
  EXPECT_EQ(f.settings.same_folder, L"off") << "greyed counts as clear";
}

TEST_F(OutputRules, ClearingTheNameBoxTakesTheInputName) {
  frm1& f = fresh();
  f.settings.in_base = L"base";
  f.settings.out_folder = L"C:\\o\\";
  f.chk2.set_value(1);
  EXPECT_TRUE(f.txt4.enabled());
  f.txt4.set_text(L"typed");
  f.chk2.set_value(1);
  EXPECT_EQ(f.settings.out_base, L"typed");
  f.chk2.set_value(0);
  EXPECT_EQ(f.settings.out_name_set, L"off");
  EXPECT_FALSE(f.txt4.enabled());
  EXPECT_EQ(f.txt4.text(), L"base");
  EXPECT_EQ(f.settings.out_path, L"C:\\o\\base.vbe");
}

class OptionSwitches : public AppTest {};

TEST_F(OptionSwitches, EachBoxSetsItsFlag) {
  frm1& f = fresh();
  f.cmb1.pick(8);  // every option usable
  struct Box {
    CheckBox* box;
    std::wstring Settings::*flag;
  };
  for (auto [box, flag] : {Box{&f.ochk1, &Settings::opt_progress},
                           Box{&f.ochk3, &Settings::opt_no_language},
                           Box{&f.ochk4, &Settings::opt_set_lang},
                           Box{&f.ochk5, &Settings::opt_wsf_as_sct}}) {
    box->set_value(1);
    EXPECT_EQ(f.settings.*flag, L"on") << box->row().name;
    box->set_value(2);
    EXPECT_EQ(f.settings.*flag, L"off") << box->row().name;
    box->toggle();  // the user's click on a greyed box ticks it
    EXPECT_EQ(f.settings.*flag, L"on") << box->row().name;
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OptionSwitches, OverwriteAsksAndNoUnticksWithOneQuestion) {
  frm1& f = fresh();
  f.settings.out_path = L"C:\\w\\a.vbe";
  platform.answers = {kNo};
  f.ochk2.set_value(1);
  EXPECT_EQ(platform.messages, (std::vector<Message>{{L"C:\\w\\a.vbe を上書きします。", L"確認", 4}}));
  EXPECT_FALSE(f.ochk2.ticked());
  EXPECT_EQ(f.settings.opt_overwrite, L"off");

  platform.answers = {kYes};
  f.ochk2.set_value(1);
  EXPECT_EQ(f.settings.opt_overwrite, L"on");
  f.ochk2.set_value(0);
  EXPECT_EQ(f.settings.opt_overwrite, L"off");
  EXPECT_EQ(platform.messages.size(), 2u) << "unticking asks nothing";

  f.settings.out_path.clear();
  platform.answers = {kYes};
  f.ochk2.set_value(1);
  EXPECT_EQ(platform.messages.back().text, L" を上書きします。");
}

TEST_F(OptionSwitches, LanguageBoxMakesTheListUsable) {
  frm1& f = fresh();
  f.cmb1.pick(1);
  f.ochk4.set_value(1);
  EXPECT_TRUE(f.cmb2.enabled()) << "even after vbs disabled it";
  f.ochk4.set_value(2);
  EXPECT_FALSE(f.cmb2.enabled());
  EXPECT_EQ(f.settings.opt_set_lang, L"off");
}

TEST_F(OptionSwitches, PickingALanguageSetsTheCodeShowingOneDoesNot) {
  frm1& f = fresh();
  f.cmb2.pick(1);
  EXPECT_EQ(f.settings.script_lang, L"js");
  f.cmb2.pick(0);
  EXPECT_EQ(f.settings.script_lang, L"vb");
  f.cmb2.pick(1);
  f.cmd7.click();  // shows "VBScript" again
  EXPECT_EQ(f.cmb2.text(), L"VBScript");
  EXPECT_EQ(f.settings.script_lang, L"js");
  f.cmb2.pick(0);  // the entry already shown, picked again
  EXPECT_EQ(f.settings.script_lang, L"vb");
}

TEST_F(OptionSwitches, ResetPerType) {
  struct Row {
    int position;
    bool ochk3, ochk4, ochk5;
  };
  for (const Row& row : {Row{0, false, true, false}, Row{1, true, true, false},
                         Row{5, false, false, false}, Row{8, false, true, true}}) {
    frm1& f = fresh();
    f.cmb1.pick(row.position);
    f.ochk1.set_enabled(false);
    f.ochk1.set_value(1);
    f.ochk3.set_value(1);
    f.ochk4.set_value(1);
    f.ochk5.set_value(0);
    platform.answers = {kYes};
    f.ochk2.set_value(1);
    f.cmb2.pick(1);
    const Settings before = f.settings;
    platform.messages.clear();
    f.cmd7.click();
    SCOPED_TRACE(kScriptTypes[row.position].ext);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(f.ochk1.enabled() && f.ochk2.enabled());
    EXPECT_EQ(f.ochk3.enabled(), row.ochk3);
    EXPECT_EQ(f.ochk4.enabled(), row.ochk4);
    EXPECT_EQ(f.ochk5.enabled(), row.ochk5);
    EXPECT_EQ((std::vector<int>{f.ochk1.value(), f.ochk2.value(), f.ochk3.value(),
                                f.ochk4.value(), f.ochk5.value()}),
              (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(f.cmb2.enabled());
    EXPECT_EQ(f.cmb2.text(), L"VBScript");
    Settings expected = before;
    expected.opt_progress = expected.opt_overwrite = expected.opt_no_language =
        expected.opt_set_lang = L"off";
    expected.opt_wsf_as_sct = L"on";
    EXPECT_EQ(f.settings, expected) << "nothing else changes, script_lang included";
  }
}

TEST_F(OptionSwitches, ResetWithUnknownTypeResetsOnlyTheFlags) {
  frm1& f = fresh();
  f.ochk1.set_value(1);
  f.cmb1.type_text(L"VBS");
  f.cmd7.click();
  EXPECT_TRUE(f.ochk1.ticked());
  EXPECT_EQ(f.settings.opt_progress, L"off");
  EXPECT_EQ(f.settings.opt_wsf_as_sct, L"on");
}
