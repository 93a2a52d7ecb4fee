// The two documentation buttons: the help page through Internet Explorer
// automation and the readme in Notepad. The programs they start are closed again.
#include <algorithm>

#include "checks.h"

namespace e2e {
namespace {

// Windows of a class that were not there before.
std::vector<HWND> new_windows(const std::wstring& class_name, const std::vector<HWND>& before) {
  auto now = windows_of_class(class_name);
  std::erase_if(now, [&](HWND hwnd) { return std::find(before.begin(), before.end(), hwnd) != before.end(); });
  return now;
}

bool ends_with(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Documents, HelpOpensThePageOrSaysItIsMissingAndTheWindowGoesOn) {
  App app;
  make_folder(app.path(L"help"));
  write_bytes(app.path(L"help\\index.html"), "<html><head><title>help</title></head></html>\r\n");
  app.start();
  const std::wstring page = app.path(L"help\\index.html");
  const auto before = windows_of_class(L"IEFrame");

  // Each click makes an instance of its own.
  for (int click = 1; click <= 2; ++click) {
    app[L"cmd_h"].post_click();
    std::vector<HWND> browsers;
    ASSERT_TRUE(wait_until([&] {
      browsers = new_windows(L"IEFrame", before);
      return static_cast<int>(browsers.size()) >= click || app.open_box().has_value();
    })) << "neither a browser window nor a message showed";
    if (app.open_box()) {
      answer_box(app, app.folder() + L"\\help\\index.htmlがありません。", L"報告", kWarning, IDOK);
      continue;
    }
    EXPECT_EQ(static_cast<int>(browsers.size()), click);
    for (HWND browser : browsers) {
      // The address box shows where the browser was sent.
      ASSERT_TRUE(wait_until([&] {
        const auto addresses = texts_of(browser, L"Edit");
        return std::any_of(addresses.begin(), addresses.end(), [&](const std::wstring& a) { return ends_with(a, page); });
      })) << "the browser was not sent to " << u8(page);
    }
  }
  close_programs(new_windows(L"IEFrame", before));
  expect_no_box(app);
  app[L"cmd4"].click();
  EXPECT_EQ(u8(app[L"cmd4"].text()), "詳細を閉じる") << "the window keeps working";
}

TEST(Documents, ReadmeOpensInNotepad) {
  App app({L"readme 日本", std::nullopt});
  const std::string marker = "mosa-trevlin readme for the end-to-end test";
  app.write(L"readme.txt", marker + "\r\n");
  app.start();
  const auto before = windows_of_class(L"Notepad");
  app[L"cmd_r"].post_click();
  std::vector<HWND> opened;
  ASSERT_TRUE(wait_until([&] {
    opened = new_windows(L"Notepad", before);
    return !opened.empty() || app.open_box().has_value();
  })) << "no Notepad window showed";
  expect_no_box(app);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(wait_until([&] {
    const auto texts = texts_of(opened.front(), L"Edit");
    return std::any_of(texts.begin(), texts.end(), [&](const std::wstring& t) { return t.find(wide(marker)) == 0; });
  })) << "Notepad does not show the program's readme.txt";
  close_programs(opened);
}

}  // namespace
}  // namespace e2e
