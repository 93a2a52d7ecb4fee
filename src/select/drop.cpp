// A file dropped on the input box: its extension chooses the type, the file
// becomes the input.
#include "app/frm1.h"
#include "select/input_path.h"
#include "types/script_types.h"

void frm1::txt1_OLEDragDrop(const std::vector<std::wstring>& files) {
  // Dragged data without a file (text, say) changes nothing.
  if (files.empty()) return;
  const std::wstring& path = files.front();
  const std::wstring ext = extension_of(path);
  const int position = script_type_position(ext);
  if (position < 0) {
    platform_.message_box(L"未対応のファイル拡張子です。", L"報告", kExclamation);
    return;
  }
  cmb1.select(position);
  txt1.set_text(path);
  settings.in_file = txt1.text();
  settings.script_ext = ext;
  split_input_path(path);
  refresh_output_from_input();
}
