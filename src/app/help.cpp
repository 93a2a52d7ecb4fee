#include "app/help.h"

#include "core/texts.h"

namespace mosa {

void open_help(Files& files, Documents& documents, Dialogs& dialogs) {
  const std::wstring page = files.app_folder() + L"\\help\\index.html";
  try {
    documents.open_with_automation(page);
    return;
  } catch (const std::exception&) {
    // Internet Explorer is retired on current systems; the page itself may well be
    // there, so the system's own browser gets the next try.
  }
  try {
    documents.open_with_default_program(page);
  } catch (const std::exception&) {
    dialogs.message_box(texts::document_missing(page), texts::kReportTitle, kExclamation);
  }
}

void open_readme(Files& files, Processes& processes, Dialogs& dialogs) {
  const std::wstring readme = files.app_folder() + L"\\readme.txt";
  try {
    processes.start_system_program(L"notepad.exe", readme, ShowMode::Normal);
  } catch (const std::exception&) {
    dialogs.message_box(texts::document_missing(readme), texts::kReportTitle, kExclamation);
  }
}

}  // namespace mosa
