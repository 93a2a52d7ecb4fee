// What the type list, the output boxes and the option switches set off, whoever
// changes them. Each journey starts from a first start with the encoder "e";
// the expected screen and record are those of screen() and record().
#include "app_fixture.h"
#include "types/script_types.h"

class Cascades : public AppTest {
 protected:
  frm1& begin() {
    frm1& f = fresh();
    f.txt3.set_text(L"e");
    return f;
  }
};

TEST_F(Cascades, EachTypeGivesItsSuffixAndUsableOptions) {
  const wchar_t* const screens[] = {
      L"||e||asa|VBScript|_enc.asa|1000001|0000101|2520-",
      L"||e||asp|VBScript|_enc.asp|1000001|0001101|2520-",
      L"||e||cdx|VBScript|_enc.cdx|1000001|0000101|2520-",
      L"||e||htm|VBScript|_enc.htm|1000001|0000101|2520-",
      L"||e||html|VBScript|_enc.html|1000001|0000101|2520-",
      L"||e||js|VBScript|.jse|1000001|0000000|2520-",
      L"||e||sct|VBScript|_enc.sct|1000001|0000101|2520-",
      L"||e||vbs|VBScript|.vbe|1000001|0000000|2520-",
      L"||e||wsf|VBScript|.vbe|1000001|0000111|2520-",
  };
  // The list stays usable unless the type disables it.
  for (int position = 0; position < kScriptTypeCount; ++position) {
    frm1& f = begin();
    f.cmb1.pick(position == 7 ? 0 : 7);
    f.cmb2.set_enabled(true);
    f.cmb1.pick(position);
    EXPECT_EQ(screen(f), screens[position]);
    EXPECT_EQ(f.settings.script_ext + f.settings.out_suffix,
              std::wstring(kScriptTypes[position].ext) + f.lbl6.caption());
  }
}

TEST_F(Cascades, TypesForgetTheInputAndByTheBoxesTheOutput) {
  walk(begin(), {
      {"a dropped file", [](frm1& f) { f.txt1_OLEDragDrop({L"C:\\w\\a.asa"}); },
       L"C:\\w\\a.asa|C:\\w\\|e|a|asa|VBScript|_enc.asa|1000001|0000100|2520-",
       L"e|asa|on|off|C:\\w\\a.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"another type, both boxes ticked", [](frm1& f) { f.chk2.set_value(1), f.cmb1.pick(1); },
       L"||e|a|asp|VBScript|_enc.asp|1100001|0011100|2520-",
       L"e|asp|on|on|||||a||off|off|off|off|on|vb||_enc.asp"},
      {"a typed name composes", [](frm1& f) { f.txt4.set_text(L"n"); },
       L"||e|n|asp|VBScript|_enc.asp|1100001|0011100|2520-",
       L"e|asp|on|on|||||n|n_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"an own folder, typed without its backslash", [](frm1& f) { f.chk1.set_value(0), f.txt2.set_text(L"D:\\o"); },
       L"|D:\\o|e|n|asp|VBScript|_enc.asp|0100001|1111100|2520-",
       L"e|asp|off|on||||D:\\o|n|n_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"the name again", [](frm1& f) { f.txt4.set_text(L"m"); },
       L"|D:\\o|e|m|asp|VBScript|_enc.asp|0100001|1111100|2520-",
       L"e|asp|off|on||||D:\\o|m|D:\\om_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"another type keeps an own folder", [](frm1& f) { f.cmb1.pick(7); },
       L"|D:\\o|e|m|vbs|VBScript|.vbe|0100001|1110000|2520-",
       L"e|vbs|off|on||||D:\\o|m|D:\\om_enc.asp|off|off|off|off|on|vb||.vbe"},
      {"unticking the name takes the input's, and composes", [](frm1& f) {
         f.settings.in_base = L"m", f.txt2.set_text(L"D:\\p\\"), f.chk2.set_value(2), f.chk2.set_value(0);
       },
       L"|D:\\p\\|e|m|vbs|VBScript|.vbe|0000001|1100000|2520-",
       L"e|vbs|off|off|||m|D:\\p\\|m|D:\\p\\m.vbe|off|off|off|off|on|vb||.vbe"},
      {"and with another input name", [](frm1& f) { f.settings.in_base = L"b", f.txt2.set_text(L"D:\\o"), f.chk2.set_value(1), f.chk2.set_value(0); },
       L"|D:\\o|e|b|vbs|VBScript|.vbe|0000001|1100000|2520-",
       L"e|vbs|off|off|||b|D:\\o|b|D:\\ob.vbe|off|off|off|off|on|vb||.vbe"},
      {"ticking the same folder", [](frm1& f) { f.settings.in_folder = L"C:\\w\\", f.chk1.set_value(1); },
       L"|C:\\w\\\\|e|b|vbs|VBScript|.vbe|1000001|0000000|2520-",
       L"e|vbs|on|off||C:\\w\\|b|C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.vbe"},
      {"a greyed same-folder box counts as clear", [](frm1& f) { f.chk1.set_value(2), f.cmb1.pick(5); },
       L"|C:\\w\\\\|e|b|js|VBScript|.jse|2000001|1100000|2520-",
       L"e|js|off|off||||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
      {"typed text runs nothing", [](frm1& f) { f.txt1.set_text(L"x.js"), f.cmb1.type_text(L"asp"); },
       L"x.js|C:\\w\\\\|e|b|asp|VBScript|.jse|2000001|1100000|2520-",
       L"e|js|off|off|x.js|||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
      {"but picking the same entry again does", [](frm1& f) { f.cmb1.pick(5); },
       L"|C:\\w\\\\|e|b|js|VBScript|.jse|2000001|1100000|2520-",
       L"e|js|off|off||||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
  });
}

TEST_F(Cascades, OptionSwitchesAndTheirReset) {
  platform.answers = {kNo, kYes, kYes};
  walk(begin(), {
      {"every option usable", [](frm1& f) { f.cmb1.pick(8), f.txt4.set_text(L"o"); },
       L"||e|o|wsf|VBScript|.vbe|1000001|0000110|2520-",
       L"e|wsf|on|off|||||o|o.vbe|off|off|off|off|on|vb||.vbe"},
      {"each box sets its flag", [](frm1& f) { f.ochk1.set_value(1), f.ochk3.set_value(1), f.ochk4.set_value(1), f.ochk5.set_value(0); },
       L"||e|o|wsf|VBScript|.vbe|1010110|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|off|vb||.vbe"},
      {"greyed counts as clear", [](frm1& f) { f.ochk1.set_value(2), f.ochk3.set_value(2), f.ochk4.set_value(2), f.ochk5.set_value(2); },
       L"||e|o|wsf|VBScript|.vbe|1020222|0000110|2520-",
       L"e|wsf|on|off|||||o|o.vbe|off|off|off|off|off|vb||.vbe"},
      {"a click on greyed ticks", [](frm1& f) { f.ochk1.toggle(), f.ochk3.toggle(), f.ochk4.toggle(), f.ochk5.toggle(); },
       L"||e|o|wsf|VBScript|.vbe|1010111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"overwrite answered No unticks", [](frm1& f) { f.ochk2.set_value(1); },
       L"||e|o|wsf|VBScript|.vbe|1010111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"overwrite answered Yes", [](frm1& f) { f.ochk2.set_value(1); },
       L"||e|o|wsf|VBScript|.vbe|1011111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|vb||.vbe"},
      {"unticked, without a question", [](frm1& f) { f.ochk2.set_value(0); },
       L"||e|o|wsf|VBScript|.vbe|1010111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"and ticked again", [](frm1& f) { f.ochk2.set_value(1); },
       L"||e|o|wsf|VBScript|.vbe|1011111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|vb||.vbe"},
      {"a language picked", [](frm1& f) { f.cmb2.pick(1); },
       L"||e|o|wsf|JScript|.vbe|1011111|0000111|2520-",
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|js||.vbe"},
      {"a type that cannot use them keeps them", [](frm1& f) { f.cmb1.pick(7); },
       L"||e||vbs|JScript|.vbe|1011111|0000000|2520-",
       L"e|vbs|on|off|||||||on|on|on|on|on|js||.vbe"},
      {"a type that can does not enable the list", [](frm1& f) { f.cmb1.pick(0); },
       L"||e||asa|JScript|_enc.asa|1011111|0000100|2520-",
       L"e|asa|on|off|||||||on|on|on|on|on|js||_enc.asa"},
      {"until the language box changes", [](frm1& f) { f.ochk4.set_value(0), f.ochk4.set_value(1); },
       L"||e||asa|JScript|_enc.asa|1011111|0000101|2520-",
       L"e|asa|on|off|||||||on|on|on|on|on|js||_enc.asa"},
      {"the reset shows VBScript but keeps the language",
       [](frm1& f) {
         f.ochk1.set_enabled(false), f.ochk2.set_enabled(false), f.ochk3.set_enabled(true);
         f.ochk4.set_enabled(false), f.ochk5.set_enabled(true), f.ochk5.set_value(0), f.cmd7.click();
       },
       L"||e||asa|VBScript|_enc.asa|1000001|0000100|2520-",
       L"e|asa|on|off|||||||off|off|off|off|on|js||_enc.asa"},
      {"picking the entry shown sets it", [](frm1& f) { f.cmb2.pick(0), f.ochk1.set_value(1), f.ochk5.set_value(0); },
       L"||e||asa|VBScript|_enc.asa|1010000|0000100|2520-",
       L"e|asa|on|off|||||||on|off|off|off|off|vb||_enc.asa"},
      {"a reset with an unknown type resets the flags only",
       [](frm1& f) { f.settings.opt_overwrite = L"on", f.cmb1.type_text(L"VBS"), f.cmd7.click(); },
       L"||e||VBS|VBScript|_enc.asa|1010000|0000100|2520-",
       L"e|asa|on|off|||||||off|off|off|off|on|vb||_enc.asa"},
  });
  EXPECT_EQ(platform.messages, (std::vector<Message>(3, {L"o.vbe を上書きします。", L"確認", kYesNo})))
      << "asked once each time, and unticking asks nothing";
  EXPECT_TRUE(form->ochk1.enabled() && form->ochk2.enabled()) << "the reset enables them";
}
