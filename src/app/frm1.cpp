#include "app/frm1.h"

#include <stdexcept>

#include "app/frm1_layout.h"
#include "types/script_types.h"

namespace {

const ControlRow& table_row(const wchar_t* name) {
  for (const ControlRow& row : kFrm1Controls)
    if (std::wstring(row.name) == name) return row;
  throw std::logic_error("control missing from the table");
}

std::vector<std::wstring> type_entries() {
  std::vector<std::wstring> entries;
  for (const ScriptType& type : kScriptTypes) entries.emplace_back(type.ext);
  return entries;
}

}  // namespace

frm1::frm1(Platform& platform)
    : window(kAppCaption, kFrm1Client, kFrm1LaidOutHeight),
      cmd_r(table_row(L"cmd_r")),
      cmd_h(table_row(L"cmd_h")),
      cmd8(table_row(L"cmd8")),
      cmd7(table_row(L"cmd7")),
      chk2(table_row(L"chk2")),
      txt4(table_row(L"txt4")),
      cmb2(table_row(L"cmb2"), {kLanguageEntries[0], kLanguageEntries[1]}),
      ochk5(table_row(L"ochk5")),
      ochk4(table_row(L"ochk4")),
      ochk3(table_row(L"ochk3")),
      ochk2(table_row(L"ochk2")),
      ochk1(table_row(L"ochk1")),
      cmd4(table_row(L"cmd4")),
      cmd5(table_row(L"cmd5")),
      txt3(table_row(L"txt3")),
      cmb1(table_row(L"cmb1"), type_entries()),
      cmd3(table_row(L"cmd3")),
      cmd2(table_row(L"cmd2")),
      cmd1(table_row(L"cmd1")),
      chk1(table_row(L"chk1")),
      txt2(table_row(L"txt2")),
      txt1(table_row(L"txt1")),
      lbl6(table_row(L"lbl6")),
      Label5(table_row(L"Label5")),
      Label4(table_row(L"Label4")),
      Line2(table_row(L"Line2")),
      Label3(table_row(L"Label3")),
      Label2(table_row(L"Label2")),
      Label1(table_row(L"Label1")),
      platform_(platform),
      settings_file_(platform),
      controls_{&cmd_r, &cmd_h, &cmd8,  &cmd7,  &chk2,   &txt4,   &cmb2,   &ochk5,
                &ochk4, &ochk3, &ochk2, &ochk1, &cmd4,   &cmd5,   &txt3,   &cmb1,
                &cmd3,  &cmd2,  &cmd1,  &chk1,  &txt2,   &txt1,   &lbl6,   &Label5,
                &Label4, &Line2, &Label3, &Label2, &Label1} {
  for (int i = 0; i < kFrm1ControlCount; ++i)
    if (std::wstring(controls_[i]->row().name) != kFrm1Controls[i].name)
      throw std::logic_error("controls out of the table's order");
  txt1.on_change = [this] { txt1_Change(); };
  txt2.on_change = [this] { txt2_Change(); };
  txt3.on_change = [this] { txt3_Change(); };
  txt4.on_change = [this] { txt4_Change(); };
  chk1.on_click = [this] { chk1_Click(); };
  chk2.on_click = [this] { chk2_Click(); };
  cmb1.on_click = [this] { cmb1_Click(); };
  cmb2.on_pick = [this] { cmb2_Pick(); };
  ochk1.on_click = [this] { ochk1_Click(); };
  ochk2.on_click = [this] { ochk2_Click(); };
  ochk3.on_click = [this] { ochk3_Click(); };
  ochk4.on_click = [this] { ochk4_Click(); };
  ochk5.on_click = [this] { ochk5_Click(); };
  cmd1.on_click = [this] { cmd1_Click(); };
  cmd2.on_click = [this] { cmd2_Click(); };
  cmd3.on_click = [this] { cmd3_Click(); };
  cmd4.on_click = [this] { cmd4_Click(); };
  cmd5.on_click = [this] { cmd5_Click(); };
  cmd7.on_click = [this] { cmd7_Click(); };
  cmd8.on_click = [this] { cmd8_Click(); };
  cmd_h.on_click = [this] { cmd_h_Click(); };
  cmd_r.on_click = [this] { cmd_r_Click(); };
}
