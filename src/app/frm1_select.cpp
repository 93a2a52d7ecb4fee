// Choosing the input script and the encoder through the open-file dialog, the two
// path steps that the dialog and a dropped file share, the drop, and the folder chooser.
#include "app/frm1.h"
#include "core/paths.h"
#include "encode/output.h"
#include "select/input_path.h"
#include "types/script_types.h"

void frm1::cmd1_Click() {
  cdg1.title = L"Select, " + settings.script_ext + L" script file";
  cdg1.init_dir = settings.in_folder;
  cdg1.file_name.clear();
  const int position = script_type_position(settings.script_ext);
  if (position >= 0) cdg1.filter = kScriptTypes[position].filter;
  platform_.show_open_dialog(cdg1);
  if (!cdg1.file_name.empty()) {
    settings.in_file = cdg1.file_name;
    split_input_path(cdg1.file_name);
  }
  txt1.set_text(settings.in_file);
  refresh_output_from_input();
}

void frm1::split_input_path(const std::wstring& path) {
  const InputParts parts = split_path(path);
  settings.in_folder = parts.folder;
  settings.in_base = parts.base;
}

void frm1::refresh_output_from_input() {
  if (chk1.ticked()) {
    settings.out_folder = settings.in_folder + L"\\";
    txt2.set_text(settings.out_folder);
  }
  if (chk2.value() == 0) {
    settings.out_base = settings.in_base;
    txt4.set_text(settings.out_base);
    compose_out_path(settings);
  }
}

void frm1::cmd5_Click() {
  cdg1.file_name.clear();
  cdg1.filter = L"Windows Script Encoder (screnc.exe)|screnc.exe";
  platform_.show_open_dialog(cdg1);
  if (!cdg1.file_name.empty()) {
    settings.encoder_path = cdg1.file_name;
    txt3.set_text(settings.encoder_path);
    return;
  }
  txt3.set_text(L"");
  platform_.message_box(L"screnc.exe が指定されていません。", L"報告", kExclamation);
}

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
  split_input_path(path);
  refresh_output_from_input();
}

void frm1::take_handed_files(const std::vector<std::wstring>& files) {
  if (files.empty()) return;
  // What the file manager drops is there; a shortcut or a typed command line
  // may name a file that has gone, which the run would only report later.
  if (!ordinary_file_at(platform_, files.front())) {
    platform_.message_box(files.front() + L"  は存在しません。", L"報告", kExclamation);
    return;
  }
  txt1_OLEDragDrop(files);
}

void frm1::cmd2_Click() {
  frm2 chooser(settings, platform_, platform_);
  platform_.show_modal(chooser);
  txt2.set_text(settings.out_folder);
  compose_out_path(settings);
}
