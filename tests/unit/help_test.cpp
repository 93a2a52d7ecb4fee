// The help page and the readme: each way of opening them, and their failures.
#include "app_fixture.h"

class Help : public AppTest {};

TEST_F(Help, AutomationFirstThenTheDefaultBrowserThenTheMessage) {
  const std::wstring page = L"C:\\tools\\enc\\help\\index.html";
  frm1& f = fresh();
  f.cmd_h.click();
  EXPECT_EQ(platform.events, std::vector<std::wstring>{L"automation " + page});

  platform.events.clear();
  platform.automation_fails = true;
  f.cmd_h.click();
  EXPECT_EQ(platform.events,
            (std::vector<std::wstring>{L"automation " + page, L"default program " + page}));
  EXPECT_TRUE(platform.messages.empty());

  platform.default_program_fails = true;
  f.cmd_h.click();
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"C:\\tools\\enc\\help\\index.htmlがありません。", L"報告", 48}}));
}

TEST_F(Help, ReadmeOpensInNotepadOrSaysItIsMissing) {
  platform.folder = L"C:\\my tools\\enc";
  frm1& f = fresh();
  f.cmd_r.click();
  EXPECT_EQ(platform.events,
            std::vector<std::wstring>{L"start notepad.exe C:\\my tools\\enc\\readme.txt normal"});
  platform.start_fails = true;
  f.cmd_r.click();
  EXPECT_EQ(platform.messages,
            (std::vector<Message>{{L"C:\\my tools\\enc\\readme.txtがありません。", L"報告", 48}}));
}
