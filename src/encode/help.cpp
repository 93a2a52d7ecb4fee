// The help page and the readme, both in the application folder.
#include "app/frm1.h"

void frm1::cmd_h_Click() {
  const std::wstring path = platform_.app_folder() + L"\\help\\index.html";
  try {
    platform_.open_with_automation(path);
    return;
  } catch (const std::exception&) {
    // Internet Explorer is retired on current systems; the page itself may well be
    // there, so the system's own browser gets the next try.
  }
  try {
    platform_.open_with_default_program(path);
  } catch (const std::exception&) {
    platform_.message_box(platform_.app_folder() + L"\\help\\index.htmlがありません。", L"報告",
                          kExclamation);
  }
}

void frm1::cmd_r_Click() {
  try {
    platform_.start_process(L"notepad " + platform_.app_folder() + L"\\readme.txt",
                            ShowMode::Normal);
  } catch (const std::exception&) {
    platform_.message_box(platform_.app_folder() + L"\\readme.txtがありません。", L"報告",
                          kExclamation);
  }
}
