// The help page through browser automation and the readme in Notepad (the
// programs they start are closed again); choosing the output folder, the type,
// the input and the encoder (the folder chooser window, the type list, the
// open-file dialog); then an option the program refuses to tick.
#include "driver.h"

namespace mosa {

namespace e2e {
namespace {

TEST(Choose, DocumentsDialogsChooserAndOptions) {
  TempFolder work(L"choose");
  const std::wstring script = work / L"default.asp";
  write_bytes(script, "<% Response.Write 1 %>\r\n");
  App app(L"app 日本");
  make_folder(app.path(L"out"));
  make_folder(app.path(L"help"));
  write_bytes(app.path(L"help\\index.html"), "<html><head><title>help</title></head></html>\r\n");
  write_bytes(app.path(L"readme.txt"), "readme of the end-to-end test\r\n");
  app.start();

  app[help_button].post_click();
  EXPECT_TRUE(close_program_showing(L"IEFrame", app.path(L"help\\index.html"))) << "no browser shows the help page";
  app[readme_button].post_click();
  EXPECT_TRUE(close_program_showing(L"Notepad", L"readme of the end-to-end test\r\n")) << "no Notepad shows the readme";
  EXPECT_FALSE(app.open_box());

  // The chooser opens on the program's current folder, its application folder.
  app[same_folder_check].click();
  app[output_browse_button].post_click();
  const ChooserForm chooser = app.wait_folder_chooser();
  EXPECT_FALSE(app.main().enabled()) << "the chooser is modal";
  chooser[ChooserControl::folder_box].pick(L"out");
  app.settle();
  chooser[ChooserControl::ok_button].post_click();
  app.settle();
  EXPECT_TRUE(app.main().enabled());
  EXPECT_EQ(u8(app[output_folder_box].text()), u8(app.path(L"out\\")));
  app[output_folder_box].type(L"D:\\typed\\");
  app[output_browse_button].post_click();
  app.wait_folder_chooser().close();
  app.settle();
  EXPECT_EQ(u8(app[output_folder_box].text()), "D:\\typed\\") << "the close box keeps the folder";

  app[type_list].pick(L"asp");
  app[input_browse_button].post_click();
  const Dialog dialog = app.wait_file_dialog();
  EXPECT_EQ(u8(dialog.title), "Select, asp script file");
  dialog.choose(script);
  app.settle();
  EXPECT_EQ(u8(app[input_box].text()), u8(script));


  // A click the program takes back shows as taken back.
  app[detail_button].click();
  const Control overwrite = app[overwrite_check];
  const std::wstring question = texts::will_overwrite(L"D:\\typed\\default_enc.asp");
  overwrite.post_click();
  answer_box(app, question, texts::kConfirmTitle, IDNO);
  EXPECT_EQ(overwrite.check(), BST_UNCHECKED);
  overwrite.post_click();
  answer_box(app, question, texts::kConfirmTitle, IDYES);
  EXPECT_EQ(overwrite.check(), BST_CHECKED);
}

}  // namespace
}  // namespace e2e

}  // namespace mosa
