#pragma once
// The main window's model: its controls by role, the settings record and the
// handlers, which apply the rules of the subsystems to the controls. The
// handlers are defined by subsystem: main_window_settings.cpp (start-up and the
// settings file), main_window_encode.cpp, main_window_types.cpp and
// main_window_select.cpp.
#include <string>
#include <vector>

#include "app/main_window_fields.h"
#include "app/main_window_layout.h"
#include "app/platform.h"
#include "core/control.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

namespace mosa {

class MainWindow {
 public:
  using enum MainControl;

  explicit MainWindow(Platform& platform);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  Window window;
  FileDialog file_dialog;
  Settings settings;

  // A control by its role, as the class of its kind.
  template <MainControl role>
  auto& get() {
    return controls_.template get<role>();
  }
  template <MainControl role>
  const auto& get() const {
    return controls_.template get<role>();
  }
  // Every control in the order of the window's control table.
  const std::vector<Control*>& controls() const { return controls_.all(); }

  // Events the view forwards besides the controls' own.
  bool on_load();  // false when another instance runs: the program ends
  void on_mouse_down(int button);
  void on_files_dropped(const std::vector<std::wstring>& files);
  // Files handed to the program as it starts: taken as if dropped on the input box.
  void take_handed_files(const std::vector<std::wstring>& files);
  // A start while another instance runs hands its files to that one's window;
  // false when that window was closing and let go: this start then opens its own.
  bool hand_over(const std::vector<std::wstring>& files);
  // Files a later start handed to this window: kept until take_sent_files finds
  // the window free, then taken as handed to the program.
  void on_files_sent(const std::vector<std::wstring>& files);
  void take_sent_files();
  bool has_sent_files() const { return !sent_files_.empty(); }

 private:
  // settings and start-up
  void load_window();
  void restore_defaults();
  void on_initialise_clicked();
  void load_settings(const std::vector<std::wstring>& lines);
  void apply_line(const SettingsLine& line, const std::wstring& text);
  // Puts the field into its control, as the user would.
  void show_field(const FieldControl& row);
  // A control by a role known only as the program runs.
  Control& control(MainControl role) const { return *controls()[static_cast<size_t>(role)]; }
  void save_settings();
  void report_settings_failure();
  // A check box or text box with no handling of its own stores its value into its field.
  void store_on_change(const FieldControl& row);
  // encode
  void on_output_name_changed();
  void on_same_folder_clicked();
  void on_output_name_check_clicked();
  void on_run_clicked();
  void on_detail_clicked();
  void show_detail_area(bool open);
  void detail_tabstops_on();
  void detail_tabstops_off();
  void set_detail_tabstops(bool on);
  void on_help_clicked();
  void on_readme_clicked();
  // types
  void on_type_changed();
  void on_language_picked();
  void on_overwrite_clicked();
  void on_set_language_clicked();
  void on_option_reset_clicked();
  // Each switch's box usable as the type at this position allows.
  void enable_switches(int type);
  // select
  void on_input_browse_clicked();
  // Says so when the encoder's command line cannot carry the path.
  bool passable(const std::wstring& path);
  void split_input_path(const std::wstring& path);
  void refresh_output_from_input();
  void on_output_browse_clicked();
  void on_encoder_browse_clicked();
  void drop_one(const std::wstring& path);
  // several
  void take_several(const std::vector<std::wstring>& paths);

  ControlSet<MainControl, kMainWindowControls> controls_;
  Platform& platform_;
  SettingsFile settings_file_;
  std::vector<std::wstring> sent_files_;
};

}  // namespace mosa
