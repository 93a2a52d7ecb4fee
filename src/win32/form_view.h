#pragma once
// A window built from a form's control table. It shows what the model holds,
// follows every change of the model at once, and hands the user's actions to
// the model; it decides nothing itself.
#include <functional>
#include <string>
#include <vector>

#include "core/control.h"
#include "win32/taskbar_progress.h"
#include "win32_common/handles.h"
#include "win32_common/windows_api.h"

namespace mosa {

// What a window needs besides its control table: the few controls that look
// or behave differently, and the events of the window itself.
struct FormSetup {
  Window* window = nullptr;
  std::vector<Control*> controls;    // in the order of the control table
  Button* default_button = nullptr;  // Enter presses it
  TextBox* drop_target = nullptr;    // the only control that accepts dropped files
  ComboBox* fixed_list = nullptr;    // a list whose text cannot be typed
  Control* hint = nullptr;           // a label on the hint colour
  COLORREF hint_colour = 0;
  bool centred = false;  // opens in the middle of the screen instead of where the system puts it
  std::function<void(int button)>
      mouse_down;  // on the window's own surface: 1 left, 2 right, 4 middle
  std::function<void(const std::vector<std::wstring>& files)> dropped;
  std::function<void(int index)> open_folder;  // a folder list entry double-clicked or entered
  Handler close_box;  // when set, the close box asks the model instead of ending the program
  // Files a later start of the program hands over: kept at once, taken
  // (take_sent) when the window is free of its work and of boxes.
  std::function<void(const std::vector<std::wstring>& files)> files_sent;
  Handler take_sent;
};

class FormView {
 public:
  explicit FormView(FormSetup setup);
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;
  ~FormView();

  HWND hwnd() const { return hwnd_; }
  void show(int how);

 private:
  struct ControlView {
    Control* model;
    int id;
    HWND hwnd = nullptr;
    bool has_tip = false;
    std::vector<std::wstring> entries{};  // a combo box's list as shown
    std::vector<DirEntry> folders{};      // a folder list as shown
  };

  // How a control's window is made: its class, styles and height in pixels.
  struct ChildClass {
    const wchar_t* window_class;
    DWORD style;
    DWORD extended;
    int height;
  };

  static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                            UINT_PTR id, DWORD_PTR view);
  bool handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  bool close_asked();
  bool handle_focus(UINT message, WPARAM wparam);
  // Files a later start hands over, and taking them once the window is free.
  bool handle_sent_files(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  bool handle_control(ControlView& view, UINT message, WPARAM wparam, LPARAM lparam,
                      LRESULT& result);

  // The window of a control of the table, by the control's model.
  HWND control_hwnd(const Control& control) const;
  int control_id(const Control& control) const;
  void build();
  void tear_down() noexcept;
  int pixels(int twips) const;
  int outer_height(int fitting_client) const;
  void create_window();
  void create_control(ControlView& view);
  void make_tooltips();
  ChildClass child_class(const Control& model) const;
  void fit_combo_height(HWND combo, int twips) const;
  void sync(ControlView& view);
  void sync_combo(ControlView& view);
  void sync_folders(ControlView& view);
  void sync_tooltip(ControlView& view);
  void sync_window();
  void show_busy(bool busy);
  void show_progress();
  void command(int id, int code);
  void load_folder_icons();
  void measure_folder(MEASUREITEMSTRUCT& item) const;
  void draw_folder(const DRAWITEMSTRUCT& item) const;
  void keep_focus_usable(HWND control);
  HWND first_focusable() const;
  ControlView* view_of(HWND control);

  FormSetup setup_;
  std::vector<ControlView> views_;  // in table order: views_[i].id is kFirstControlId + i
  std::vector<ControlView*> by_tab_;  // the same in tab order, the order they are made in
  int dpi_ = 96;
  win32_common::FontHandle font_, small_font_;
  win32_common::BrushHandle hint_brush_;
  win32_common::IconHandle folder_icon_, open_folder_icon_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND saved_focus_ = nullptr;
  int default_id_ = 0;
  bool shown_busy_ = false;
  int shown_progress_ = 0, shown_progress_total_ = 0;
  TaskbarProgress taskbar_;
  // Notifications that arrive while the view itself updates a control are
  // echoes of the model, not the user's doing.
  int syncing_ = 0;
};

}  // namespace mosa
