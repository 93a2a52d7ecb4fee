// Choosing the input script and the encoder through the open-file dialog, the two
// path steps that the dialog and a dropped file share, the drop, and the folder chooser.
#include "app/main_window.h"
#include "core/paths.h"
#include "core/texts.h"
#include "run/output.h"
#include "run/run.h"
#include "types/script_types.h"

namespace mosa {

void MainWindow::on_input_browse_clicked() {
  file_dialog.title = texts::script_dialog_title(settings.script_ext);
  file_dialog.init_dir = settings.in_folder;
  file_dialog.file_name.clear();
  file_dialog.multiple = true;
  file_dialog.chosen.clear();
  const int position = script_type_position(settings.script_ext);
  if (position >= 0) file_dialog.filter = kScriptTypes[position].filter;
  platform_.show_open_dialog(file_dialog);
  if (file_dialog.chosen.size() > 1) {
    take_several(file_dialog.chosen);
    return;
  }
  if (!file_dialog.file_name.empty() && passable(file_dialog.file_name)) {
    settings.in_file = file_dialog.file_name;
    split_input_path(file_dialog.file_name);
  }
  get<input_box>().set_text(settings.in_file);
  refresh_output_from_input();
}

void MainWindow::split_input_path(const std::wstring& path) {
  const InputParts parts = split_path(path);
  settings.in_folder = parts.folder;
  settings.in_base = parts.base;
}

void MainWindow::refresh_output_from_input() {
  if (get<same_folder_check>().ticked()) {
    settings.out_folder = settings.in_folder + L"\\";
    get<output_folder_box>().set_text(settings.out_folder);
  }
  if (get<output_name_check>().value() == 0) {
    settings.out_base = settings.in_base;
    get<output_name_box>().set_text(settings.out_base);
    compose_out_path(settings);
  }
}

void MainWindow::on_encoder_browse_clicked() {
  file_dialog.file_name.clear();
  file_dialog.multiple = false;
  file_dialog.filter = texts::kEncoderFilter;
  platform_.show_open_dialog(file_dialog);
  if (!file_dialog.file_name.empty()) {
    settings.encoder_path = file_dialog.file_name;
    get<encoder_box>().set_text(settings.encoder_path);
    return;
  }
  get<encoder_box>().set_text(L"");
  platform_.message_box(texts::kNoEncoderChosen, texts::kReportTitle, kExclamation);
}

bool MainWindow::passable(const std::wstring& path) {
  const std::wstring uncarried = uncarried_by_command_line(platform_, path);
  if (uncarried.empty()) return true;
  platform_.message_box(texts::uncarried_path(uncarried, path), texts::kReportTitle, kExclamation);
  return false;
}

void MainWindow::on_files_dropped(const std::vector<std::wstring>& files) {
  // Dragged data without a file (text, say) changes nothing.
  if (files.empty()) return;
  if (files.size() == 1 && !platform_.is_folder(files.front()))
    drop_one(files.front());
  else
    take_several(files);
}

void MainWindow::drop_one(const std::wstring& path) {
  const std::wstring ext = extension_of(path);
  const int position = script_type_position(ext);
  if (position < 0) {
    platform_.message_box(texts::kUnsupportedExtension, texts::kReportTitle, kExclamation);
    return;
  }
  if (!passable(path)) return;
  get<type_list>().select(position);
  get<input_box>().set_text(path);
  split_input_path(path);
  refresh_output_from_input();
}

void MainWindow::take_handed_files(const std::vector<std::wstring>& handed) {
  // An empty argument (a script's "" for a name it did not have) names nothing.
  std::vector<std::wstring> files;
  for (const std::wstring& file : handed)
    if (!file.empty()) files.push_back(file);
  if (files.empty()) return;
  // What the file manager drops is there; a shortcut or a typed command line
  // may name a file that has gone, which the run would only report later (of
  // several, the run's summary names it).
  if (files.size() == 1 && !platform_.is_folder(files.front()) &&
      !ordinary_file_at(platform_, files.front())) {
    report_missing(platform_, files.front());
    return;
  }
  on_files_dropped(files);
}

void MainWindow::on_output_browse_clicked() {
  FolderChooser chooser(settings, platform_, platform_);
  platform_.show_modal(chooser);
  get<output_folder_box>().set_text(settings.out_folder);
  compose_out_path(settings);
}

}  // namespace mosa
