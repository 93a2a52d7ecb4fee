// Several scripts at once, and the files a later start hands to this window.
#include "app/main_window.h"
#include "core/texts.h"
#include "run/batch_run.h"
#include "select/handed_scripts.h"

namespace mosa {

void MainWindow::take_several(const std::vector<std::wstring>& paths) {
  std::wstring unreadable;
  const std::vector<std::wstring> scripts = handed_scripts(platform_, platform_, paths, unreadable);
  if (!unreadable.empty()) {
    platform_.message_box(texts::unreadable(unreadable), texts::kReportTitle, kExclamation);
    return;
  }
  if (scripts.empty()) {
    platform_.message_box(texts::kNoScripts, texts::kReportTitle, kExclamation);
    return;
  }
  // A folder that holds one script hands that one file.
  if (scripts.size() == 1) {
    drop_one(scripts.front());
    return;
  }
  BatchRun(platform_, platform_, platform_).run(settings, scripts, window, [this] { save_settings(); });
}

bool MainWindow::hand_over(const std::vector<std::wstring>& files) {
  if (platform_.hand_to_running_window(files)) return true;
  // The window went as its files came: once its instance has let go, this
  // start is the one that takes them.
  if (!platform_.another_instance_running()) {
    load_window();
    return false;
  }
  if (!files.empty())
    platform_.message_box(texts::kNotHandedOver, texts::kErrorTitle, kExclamation);
  return true;
}

void MainWindow::on_files_sent(const std::vector<std::wstring>& files) {
  sent_files_.insert(sent_files_.end(), files.begin(), files.end());
}

void MainWindow::take_sent_files() {
  // A run in progress takes them when it ends.
  if (window.busy() || sent_files_.empty()) return;
  const std::vector<std::wstring> files = std::exchange(sent_files_, {});
  take_handed_files(files);
}

}  // namespace mosa
