// The help page and the readme: each way of opening them, and their failures.
#include "app_fixture.h"
#include "core/texts.h"

namespace mosa {

TEST_F(AppTest, HelpAndReadmeOpenByTheFirstWayThatWorksOrAreSaidToBeMissing) {
  platform.folder = L"C:\\my tools\\enc";
  const std::wstring page = platform.folder + L"\\help\\index.html", readme = platform.folder + L"\\readme.txt";
  MainWindow& f = fresh();
  f.get<help_button>().click();
  f.get<readme_button>().click();
  platform.automation_fails = true;
  f.get<help_button>().click();  // the default browser instead
  platform.default_program_fails = platform.start_fails = true;
  f.get<help_button>().click();
  f.get<readme_button>().click();
  EXPECT_EQ(platform.events,
            (std::vector<std::wstring>{L"automation " + page, L"start notepad.exe " + readme + L" normal",
                                       L"automation " + page, L"default program " + page, L"automation " + page,
                                       L"default program " + page,
                                       platform.message_event(texts::kReportTitle, texts::document_missing(page)),
                                       L"start notepad.exe " + readme + L" normal",
                                       platform.message_event(texts::kReportTitle, texts::document_missing(readme))}));
  EXPECT_EQ(platform.messages.front().style, kExclamation);
}

}  // namespace mosa
