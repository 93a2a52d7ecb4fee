// The screen follows the model: every change of a control or the window is
// shown at once, also while a modal box is open.
#include "win32/form_view.h"

#include <commctrl.h>

#include "win32/window_helpers.h"

namespace mosa {

namespace {

// Counts how deep the view is in updates of its own, so that the notifications
// they cause are told apart from the user's.
class Nesting {
 public:
  explicit Nesting(int& count) : count_(count) { ++count_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;
  ~Nesting() { --count_; }

 private:
  int& count_;
};

}  // namespace

void FormView::sync(ControlView& view) {
  const Nesting updating(syncing_);
  const Control& model = *view.model;
  const HWND hwnd = view.hwnd;
  switch (model.row().kind) {
    case Kind::Button:
    case Kind::Label:
    case Kind::TextBox:
      set_text_if_changed(hwnd, model.caption());
      break;
    case Kind::CheckBox: {
      set_text_if_changed(hwnd, model.caption());
      const int value = static_cast<const CheckBox&>(model).value();
      if (send(hwnd, BM_GETCHECK) != value) send(hwnd, BM_SETCHECK, value);
      break;
    }
    case Kind::ComboBox:
      sync_combo(view);
      break;
    case Kind::DirList:
      sync_folders(view);
      break;
    case Kind::Line:
      break;
  }
  if (!IsWindowEnabled(hwnd) != !model.enabled()) {
    if (!model.enabled()) keep_focus_usable(hwnd);
    EnableWindow(hwnd, model.enabled());
  }
  const bool shown = GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE;
  if (shown != model.visible()) {
    if (!model.visible()) keep_focus_usable(hwnd);
    ShowWindow(hwnd, model.visible() ? SW_SHOWNA : SW_HIDE);
  }
  set_style_bit(hwnd, WS_TABSTOP, model.tab_stop());
  sync_tooltip(view);
}

void FormView::sync_combo(ControlView& view) {
  const ComboBox& model = static_cast<const ComboBox&>(*view.model);
  const HWND hwnd = view.hwnd;
  if (view.entries != model.entries()) {
    send(hwnd, CB_RESETCONTENT);
    for (const std::wstring& entry : model.entries())
      send(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    view.entries = model.entries();
  }
  const bool typed = &model != setup_.fixed_list;
  const int selected = model.selected();
  if (send(hwnd, CB_GETCURSEL) != selected) {
    if (selected >= 0 || !typed) {
      send(hwnd, CB_SETCURSEL, static_cast<WPARAM>(selected));
    } else {
      // Clearing the selection also clears the text being typed; it is put
      // back with the caret where it was.
      DWORD start = 0, end = 0;
      send(hwnd, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      send(hwnd, CB_SETCURSEL, static_cast<WPARAM>(-1));
      set_text_if_changed(hwnd, model.text());
      send(hwnd, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    }
  }
  if (typed) set_text_if_changed(hwnd, model.text());
}

void FormView::sync_folders(ControlView& view) {
  const DirList& model = static_cast<const DirList&>(*view.model);
  const HWND hwnd = view.hwnd;
  if (view.folders != model.entries()) {
    send(hwnd, WM_SETREDRAW, FALSE);
    send(hwnd, LB_RESETCONTENT);
    for (const DirEntry& entry : model.entries())
      send(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
    view.folders = model.entries();
    send(hwnd, WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  if (send(hwnd, LB_GETCURSEL) != model.highlighted())
    send(hwnd, LB_SETCURSEL, static_cast<WPARAM>(model.highlighted()));
}

void FormView::sync_tooltip(ControlView& view) {
  if (!tooltip_) return;  // made when the mouse first comes, with every tip there is then
  const std::wstring& text = view.model->tooltip();
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(view.hwnd);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  if (text.empty()) {
    if (view.has_tip) send(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    view.has_tip = false;
  } else if (view.has_tip) {
    send(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    view.has_tip = send(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
  }
}

void FormView::sync_window() {
  const Window& window = *setup_.window;
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  const int height = outer_height(outer.bottom - outer.top);
  if (outer.bottom - outer.top != height)
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (shown_busy_ != window.busy()) show_busy(window.busy());
  set_text_if_changed(hwnd_, window.caption());
  if (shown_progress_ != window.progress_current() ||
      shown_progress_total_ != window.progress_total())
    show_progress();
  // The message loop that runs the window looks at unloaded() after each
  // message; this one makes sure it gets to look.
  if (window.unloaded()) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void FormView::show_busy(bool busy) {
  // The window stays enabled, so that its frame can ask to stop the work and the
  // boxes it owns can show; the wait drops the input meant for its controls.
  shown_busy_ = busy;
  POINT cursor{};
  GetCursorPos(&cursor);
  const HWND under = WindowFromPoint(cursor);
  if (under == hwnd_ || IsChild(hwnd_, under))
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void FormView::show_progress() {
  const Window& window = *setup_.window;
  shown_progress_ = window.progress_current();
  shown_progress_total_ = window.progress_total();
  taskbar_.show(hwnd_, shown_progress_, shown_progress_total_);
}

void FormView::keep_focus_usable(HWND control) {
  // A control that goes away while it has the focus would leave the keyboard
  // nowhere; the focus moves on as Tab would move it.
  if (GetFocus() != control) return;
  HWND next = GetNextDlgTabItem(hwnd_, control, FALSE);
  SetFocus(next && next != control ? next : hwnd_);
}

}  // namespace mosa
