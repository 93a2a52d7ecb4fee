// The output boxes, the run, the detail area, help and readme.
#include "app/help.h"
#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "core/texts.h"
#include "run/output.h"
#include "run/run.h"

namespace mosa {

void MainWindow::on_output_name_changed() {
  settings.out_base = get<output_name_box>().text();
  compose_out_path(settings);
}

void MainWindow::on_same_folder_clicked() {
  if (get<same_folder_check>().ticked()) {
    settings.same_folder = true;
    get<output_folder_box>().set_enabled(false);
    settings.out_folder = settings.in_folder + L"\\";
    get<output_folder_box>().set_text(settings.out_folder);
    get<output_browse_button>().set_enabled(false);
  } else {
    settings.same_folder = false;
    get<output_folder_box>().set_enabled(true);
    get<output_browse_button>().set_enabled(true);
  }
}

void MainWindow::on_output_name_check_clicked() {
  if (get<output_name_check>().ticked()) {
    settings.out_name_set = true;
    get<output_name_box>().set_enabled(true);
  } else {
    settings.out_name_set = false;
    get<output_name_box>().set_enabled(false);
    settings.out_base = settings.in_base;
    get<output_name_box>().set_text(settings.out_base);
    compose_out_path(settings);
  }
}

void MainWindow::on_run_clicked() {
  EncodeRun(platform_, platform_, platform_).run(settings, window, [this] { save_settings(); });
}

// The detail area below the line: opened and closed by the window's height alone.
void MainWindow::on_detail_clicked() {
  const bool open = window.height() == kDetailClosedHeight;
  show_detail_area(open);
  settings.detail_open = open ? DetailArea::Open : DetailArea::Closed;
}

void MainWindow::show_detail_area(bool open) {
  const ControlRow& laid_out = kMainWindowControls[static_cast<size_t>(detail_button)];
  get<detail_button>().set_caption(open ? texts::kCloseDetail : laid_out.caption);
  get<detail_button>().set_tooltip(open ? texts::kCloseDetailTip : laid_out.tooltip);
  window.set_height(open ? kDetailOpenHeight : kDetailClosedHeight);
  if (open)
    detail_tabstops_on();
  else
    detail_tabstops_off();
}

void MainWindow::set_detail_tabstops(bool on) {
  for (Control* control : controls())
    if (in_detail_area(control->row())) control->set_tab_stop(on);
}

void MainWindow::detail_tabstops_on() { set_detail_tabstops(true); }

void MainWindow::detail_tabstops_off() { set_detail_tabstops(false); }

void MainWindow::on_help_clicked() { open_help(platform_, platform_, platform_); }

void MainWindow::on_readme_clicked() { open_readme(platform_, platform_, platform_); }

}  // namespace mosa
