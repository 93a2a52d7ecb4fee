// What the type list, the output boxes and the option switches set off, whoever
// changes them. Each journey starts from a first start with the encoder "e";
// the expected screen and record are those of screen() and record().
#include "app_fixture.h"
#include "core/texts.h"
#include "types/script_types.h"

namespace mosa {

class Cascades : public AppTest {
 protected:
  MainWindow& begin() {
    MainWindow& f = fresh();
    f.get<encoder_box>().set_text(L"e");
    return f;
  }
};

TEST_F(Cascades, EachTypeGivesItsSuffixAndUsableOptions) {
  const Screen screens[] = {
      Screen{.type = L"asa", .suffix = L"_enc.asa", .set_language_usable = true, .language_usable = true},
      Screen{.type = L"asp", .suffix = L"_enc.asp", .no_language_usable = true, .set_language_usable = true,
          .language_usable = true},
      Screen{.type = L"cdx", .suffix = L"_enc.cdx", .set_language_usable = true, .language_usable = true},
      Screen{.type = L"htm", .suffix = L"_enc.htm", .set_language_usable = true, .language_usable = true},
      Screen{.type = L"html", .suffix = L"_enc.html", .set_language_usable = true, .language_usable = true},
      Screen{.type = L"js", .suffix = L".jse"},
      Screen{.type = L"sct", .suffix = L"_enc.sct", .set_language_usable = true, .language_usable = true},
      Screen{},
      Screen{.type = L"wsf", .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
  };
  // The list stays usable unless the type disables it.
  for (int position = 0; position < kScriptTypeCount; ++position) {
    MainWindow& f = begin();
    f.get<type_list>().pick(position == kVbsPosition ? 0 : kVbsPosition);
    f.get<language_list>().set_enabled(true);
    f.get<type_list>().pick(position);
    EXPECT_EQ(screen(f), screens[position]);
    EXPECT_EQ(f.settings.script_ext + f.settings.out_suffix,
              std::wstring(kScriptTypes[position].ext) + f.get<suffix_label>().caption());
  }
}

TEST_F(Cascades, TypesForgetTheInputAndByTheBoxesTheOutput) {
  walk(begin(), {
      {"a dropped file", [](MainWindow& f) { f.on_files_dropped({L"C:\\w\\a.asa"}); },
       Screen{.input = L"C:\\w\\a.asa", .output_folder = L"C:\\w\\", .output_name = L"a", .type = L"asa",
           .suffix = L"_enc.asa", .set_language_usable = true},
       L"e|asa|on|off|C:\\w\\a.asa|C:\\w|a|C:\\w\\|a|C:\\w\\a_enc.asa|off|off|off|off|on|vb||_enc.asa"},
      {"another type, both boxes ticked", [](MainWindow& f) {
         f.get<output_name_check>().set_value(1), f.get<type_list>().pick(1);
       },
       Screen{.output_name = L"a", .type = L"asp", .suffix = L"_enc.asp", .output_name_check = 1,
           .output_name_usable = true, .no_language_usable = true, .set_language_usable = true},
       L"e|asp|on|on|||||a||off|off|off|off|on|vb||_enc.asp"},
      {"a typed name composes", [](MainWindow& f) { f.get<output_name_box>().set_text(L"n"); },
       Screen{.output_name = L"n", .type = L"asp", .suffix = L"_enc.asp", .output_name_check = 1,
           .output_name_usable = true, .no_language_usable = true, .set_language_usable = true},
       L"e|asp|on|on|||||n|n_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"an own folder, typed without its backslash", [](MainWindow& f) {
         f.get<same_folder_check>().set_value(0), f.get<output_folder_box>().set_text(L"D:\\o");
       },
       Screen{.output_folder = L"D:\\o", .output_name = L"n", .type = L"asp", .suffix = L"_enc.asp", .same_folder = 0,
           .output_name_check = 1, .output_folder_usable = true, .output_browse_usable = true,
           .output_name_usable = true, .no_language_usable = true, .set_language_usable = true},
       L"e|asp|off|on||||D:\\o|n|n_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"the name again", [](MainWindow& f) { f.get<output_name_box>().set_text(L"m"); },
       Screen{.output_folder = L"D:\\o", .output_name = L"m", .type = L"asp", .suffix = L"_enc.asp", .same_folder = 0,
           .output_name_check = 1, .output_folder_usable = true, .output_browse_usable = true,
           .output_name_usable = true, .no_language_usable = true, .set_language_usable = true},
       L"e|asp|off|on||||D:\\o|m|D:\\om_enc.asp|off|off|off|off|on|vb||_enc.asp"},
      {"another type keeps an own folder", [](MainWindow& f) { f.get<type_list>().pick(7); },
       Screen{.output_folder = L"D:\\o", .output_name = L"m", .same_folder = 0, .output_name_check = 1,
           .output_folder_usable = true, .output_browse_usable = true, .output_name_usable = true},
       L"e|vbs|off|on||||D:\\o|m|D:\\om_enc.asp|off|off|off|off|on|vb||.vbe"},
      {"unticking the name takes the input's, and composes", [](MainWindow& f) {
         f.settings.in_base = L"m", f.get<output_folder_box>().set_text(L"D:\\p\\"),
         f.get<output_name_check>().set_value(2), f.get<output_name_check>().set_value(0);
       },
       Screen{.output_folder = L"D:\\p\\", .output_name = L"m", .same_folder = 0, .output_folder_usable = true,
           .output_browse_usable = true},
       L"e|vbs|off|off|||m|D:\\p\\|m|D:\\p\\m.vbe|off|off|off|off|on|vb||.vbe"},
      {"and with another input name", [](MainWindow& f) {
         f.settings.in_base = L"b", f.get<output_folder_box>().set_text(L"D:\\o"),
         f.get<output_name_check>().set_value(1), f.get<output_name_check>().set_value(0);
       },
       Screen{.output_folder = L"D:\\o", .output_name = L"b", .same_folder = 0, .output_folder_usable = true,
           .output_browse_usable = true},
       L"e|vbs|off|off|||b|D:\\o|b|D:\\ob.vbe|off|off|off|off|on|vb||.vbe"},
      {"ticking the same folder", [](MainWindow& f) {
         f.settings.in_folder = L"C:\\w\\", f.get<same_folder_check>().set_value(1);
       },
       Screen{.output_folder = L"C:\\w\\\\", .output_name = L"b"},
       L"e|vbs|on|off||C:\\w\\|b|C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.vbe"},
      {"a greyed same-folder box counts as clear", [](MainWindow& f) {
         f.get<same_folder_check>().set_value(2), f.get<type_list>().pick(5);
       },
       Screen{.output_folder = L"C:\\w\\\\", .output_name = L"b", .type = L"js", .suffix = L".jse", .same_folder = 2,
           .output_folder_usable = true, .output_browse_usable = true},
       L"e|js|off|off||||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
      {"typed text runs nothing", [](MainWindow& f) {
         f.get<input_box>().set_text(L"x.js"), f.get<type_list>().type_text(L"asp");
       },
       Screen{.input = L"x.js", .output_folder = L"C:\\w\\\\", .output_name = L"b", .type = L"asp", .suffix = L".jse",
           .same_folder = 2, .output_folder_usable = true, .output_browse_usable = true},
       L"e|js|off|off|x.js|||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
      {"but picking the same entry again does", [](MainWindow& f) { f.get<type_list>().pick(5); },
       Screen{.output_folder = L"C:\\w\\\\", .output_name = L"b", .type = L"js", .suffix = L".jse", .same_folder = 2,
           .output_folder_usable = true, .output_browse_usable = true},
       L"e|js|off|off||||C:\\w\\\\|b|D:\\ob.vbe|off|off|off|off|on|vb||.jse"},
  });
}

TEST_F(Cascades, OptionSwitchesAndTheirReset) {
  platform.answers = {kNo, kYes, kYes};
  walk(begin(), {
      {"every option usable", [](MainWindow& f) {
         f.get<type_list>().pick(8), f.get<output_name_box>().set_text(L"o");
       },
       Screen{.output_name = L"o", .type = L"wsf", .set_language_usable = true, .wsf_as_sct_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|off|off|off|off|on|vb||.vbe"},
      {"each box sets its flag", [](MainWindow& f) {
         f.get<progress_check>().set_value(1), f.get<no_language_check>().set_value(1),
         f.get<set_language_check>().set_value(1), f.get<wsf_as_sct_check>().set_value(0);
       },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .no_language = 1, .set_language = 1, .wsf_as_sct = 0,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|off|vb||.vbe"},
      {"greyed counts as clear", [](MainWindow& f) {
         f.get<progress_check>().set_value(2), f.get<no_language_check>().set_value(2),
         f.get<set_language_check>().set_value(2), f.get<wsf_as_sct_check>().set_value(2);
       },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 2, .no_language = 2, .set_language = 2, .wsf_as_sct = 2,
           .set_language_usable = true, .wsf_as_sct_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|off|off|off|off|off|vb||.vbe"},
      {"a click on greyed ticks", [](MainWindow& f) {
         f.get<progress_check>().toggle(), f.get<no_language_check>().toggle(), f.get<set_language_check>().toggle(),
         f.get<wsf_as_sct_check>().toggle();
       },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .no_language = 1, .set_language = 1,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"overwrite answered No unticks", [](MainWindow& f) { f.get<overwrite_check>().set_value(1); },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .no_language = 1, .set_language = 1,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"overwrite answered Yes", [](MainWindow& f) { f.get<overwrite_check>().set_value(1); },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .overwrite = 1, .no_language = 1, .set_language = 1,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|vb||.vbe"},
      {"unticked, without a question", [](MainWindow& f) { f.get<overwrite_check>().set_value(0); },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .no_language = 1, .set_language = 1,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|off|on|on|on|vb||.vbe"},
      {"and ticked again", [](MainWindow& f) { f.get<overwrite_check>().set_value(1); },
       Screen{.output_name = L"o", .type = L"wsf", .progress = 1, .overwrite = 1, .no_language = 1, .set_language = 1,
           .set_language_usable = true, .wsf_as_sct_usable = true, .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|vb||.vbe"},
      {"a language picked", [](MainWindow& f) { f.get<language_list>().pick(1); },
       Screen{.output_name = L"o", .type = L"wsf", .language = L"JScript", .progress = 1, .overwrite = 1,
           .no_language = 1, .set_language = 1, .set_language_usable = true, .wsf_as_sct_usable = true,
           .language_usable = true},
       L"e|wsf|on|off|||||o|o.vbe|on|on|on|on|on|js||.vbe"},
      {"a type that cannot use them keeps them", [](MainWindow& f) { f.get<type_list>().pick(7); },
       Screen{.language = L"JScript", .progress = 1, .overwrite = 1, .no_language = 1, .set_language = 1},
       L"e|vbs|on|off|||||||on|on|on|on|on|js||.vbe"},
      {"a type that can does not enable the list", [](MainWindow& f) { f.get<type_list>().pick(0); },
       Screen{.type = L"asa", .language = L"JScript", .suffix = L"_enc.asa", .progress = 1, .overwrite = 1,
           .no_language = 1, .set_language = 1, .set_language_usable = true},
       L"e|asa|on|off|||||||on|on|on|on|on|js||_enc.asa"},
      {"until the language box changes", [](MainWindow& f) {
         f.get<set_language_check>().set_value(0), f.get<set_language_check>().set_value(1);
       },
       Screen{.type = L"asa", .language = L"JScript", .suffix = L"_enc.asa", .progress = 1, .overwrite = 1,
           .no_language = 1, .set_language = 1, .set_language_usable = true, .language_usable = true},
       L"e|asa|on|off|||||||on|on|on|on|on|js||_enc.asa"},
      {"the reset shows VBScript but keeps the language",
       [](MainWindow& f) {
         f.get<progress_check>().set_enabled(false), f.get<overwrite_check>().set_enabled(false),
         f.get<no_language_check>().set_enabled(true);
         f.get<set_language_check>().set_enabled(false), f.get<wsf_as_sct_check>().set_enabled(true),
         f.get<wsf_as_sct_check>().set_value(0), f.get<option_reset_button>().click();
       },
       Screen{.type = L"asa", .suffix = L"_enc.asa", .set_language_usable = true},
       L"e|asa|on|off|||||||off|off|off|off|on|js||_enc.asa"},
      {"picking the entry shown sets it", [](MainWindow& f) {
         f.get<language_list>().pick(0), f.get<progress_check>().set_value(1), f.get<wsf_as_sct_check>().set_value(0);
       },
       Screen{.type = L"asa", .suffix = L"_enc.asa", .progress = 1, .wsf_as_sct = 0, .set_language_usable = true},
       L"e|asa|on|off|||||||on|off|off|off|off|vb||_enc.asa"},
      {"a reset with an unknown type resets the flags only",
       [](MainWindow& f) {
         f.settings.opt_overwrite = true, f.get<type_list>().type_text(L"VBS"), f.get<option_reset_button>().click();
       },
       Screen{.type = L"VBS", .suffix = L"_enc.asa", .progress = 1, .wsf_as_sct = 0, .set_language_usable = true},
       L"e|asa|on|off|||||||off|off|off|off|on|vb||_enc.asa"},
  });
  EXPECT_EQ(platform.messages, (std::vector<Message>(3, {texts::will_overwrite(L"o.vbe"), texts::kConfirmTitle, kYesNo})))
      << "asked once each time, and unticking asks nothing";
  EXPECT_TRUE(form->get<progress_check>().enabled() && form->get<overwrite_check>().enabled())
      << "the reset enables them";
}

}  // namespace mosa
