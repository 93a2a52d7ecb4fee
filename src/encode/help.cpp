// The help page and the readme, both in the application folder.
#include "app/frm1.h"

void frm1::cmd_h_Click() {
  const std::wstring page = platform_.app_folder() + L"\\help\\index.html";
  try {
    platform_.open_with_automation(page);
    return;
  } catch (const std::exception&) {
    // Internet Explorer is retired on current systems; the page itself may well be
    // there, so the system's own browser gets the next try.
  }
  try {
    platform_.open_with_default_program(page);
  } catch (const std::exception&) {
    platform_.message_box(page + L"がありません。", L"報告", kExclamation);
  }
}

void frm1::cmd_r_Click() {
  const std::wstring readme = platform_.app_folder() + L"\\readme.txt";
  try {
    platform_.start_process(L"notepad " + readme, ShowMode::Normal);
  } catch (const std::exception&) {
    platform_.message_box(readme + L"がありません。", L"報告", kExclamation);
  }
}
