// The user's actions reach the model: the window procedures decode messages and
// forward them, and decide nothing themselves.
#include "win32/form_view.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win32/late_bound.h"
#include "win32/running_window.h"
#include "win32/win32_error.h"
#include "win32/window_helpers.h"

namespace mosa {

namespace {

// Handed files wait for the window to be free: asked for by this message, and
// asked again by the timer while it is not.
constexpr UINT kTakeSentMessage = WM_APP + 1;
constexpr UINT_PTR kTakeSentTimer = 1;
constexpr UINT kTakeSentRetryMs = 250;

}  // namespace

HWND FormView::first_focusable() const {
  HWND child = GetWindow(hwnd_, GW_CHILD);
  for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
    const DWORD style = GetWindowLongW(child, GWL_STYLE);
    if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE))
      return child;
  }
  return nullptr;
}

FormView::ControlView* FormView::view_of(HWND control) {
  for (ControlView& view : views_)
    if (view.hwnd == control) return &view;
  return nullptr;
}

void FormView::command(int id, int code) {
  if (syncing_ || setup_.window->busy()) return;
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(views_.size()) || !views_[index].hwnd) return;
  ControlView& view = views_[index];
  Control& model = *view.model;
  const Kind kind = model.row().kind;
  if ((kind == Kind::Button || kind == Kind::CheckBox) && code == BN_CLICKED) {
    if (kind == Kind::Button)
      static_cast<Button&>(model).click();
    else
      static_cast<CheckBox&>(model).toggle();
  } else if (kind == Kind::TextBox && code == EN_CHANGE) {
    static_cast<TextBox&>(model).set_text(window_text(view.hwnd));
  } else if (kind == Kind::ComboBox && code == CBN_SELCHANGE) {
    static_cast<ComboBox&>(model).pick(send(view.hwnd, CB_GETCURSEL));
  } else if (kind == Kind::ComboBox && code == CBN_EDITCHANGE) {
    static_cast<ComboBox&>(model).type_text(window_text(view.hwnd));
  } else if (kind == Kind::DirList && code == LBN_SELCHANGE) {
    static_cast<DirList&>(model).click(send(view.hwnd, LB_GETCURSEL));
  } else if (kind == Kind::DirList && code == LBN_DBLCLK && setup_.open_folder) {
    setup_.open_folder(send(view.hwnd, LB_GETCURSEL));
  } else {
    return;
  }
  // Whatever the model made of the action is what the control shows: a check
  // box it refused to tick stays clear.
  if (IsWindow(view.hwnd)) sync(view);
}

LRESULT CALLBACK FormView::window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* view = static_cast<FormView*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    view->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
  }
  auto* view = reinterpret_cast<FormView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!view) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    view->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  LRESULT result = 0;
  bool handled = false;
  guarded([&] { handled = view->handle(message, wparam, lparam, result); });
  return handled ? result : DefWindowProcW(hwnd, message, wparam, lparam);
}

bool FormView::handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (lparam) command(LOWORD(wparam), HIWORD(wparam));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!setup_.mouse_down || setup_.window->busy()) return false;
      setup_.mouse_down(message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4);
      return true;
    case WM_CLOSE:
      return close_asked();
    case WM_SETCURSOR:
      // Tips show only once the mouse rests on a control: they are made when it
      // first comes over the window, not on the way to the window's first answer.
      make_tooltips();
      if (!setup_.window->busy()) return false;
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_DESTROY:
      if (!setup_.close_box) PostQuitMessage(0);
      return true;
    case WM_ACTIVATE:
    case WM_SETFOCUS:
      return handle_focus(message, wparam);
    case WM_CTLCOLORSTATIC:
      if (!setup_.hint || reinterpret_cast<HWND>(lparam) != control_hwnd(*setup_.hint))
        return false;
      SetBkColor(reinterpret_cast<HDC>(wparam), setup_.hint_colour);
      result = reinterpret_cast<LRESULT>(hint_brush_.get());
      return true;
    case WM_COPYDATA:
    case kTakeSentMessage:
    case WM_TIMER:
      return handle_sent_files(message, wparam, lparam, result);
    case DM_GETDEFID:
      result = default_id_ ? MAKELRESULT(default_id_, DC_HASDEFID) : 0;
      return true;
    case DM_SETDEFID:
      default_id_ = static_cast<int>(wparam);
      result = TRUE;
      return true;
    case WM_MEASUREITEM:
      measure_folder(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam));
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      draw_folder(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

bool FormView::close_asked() {
  // A window behind a box stays; one at work is asked to stop it.
  if (!IsWindowEnabled(hwnd_)) return true;
  if (setup_.window->busy()) {
    setup_.window->request_stop();
    return true;
  }
  if (!setup_.close_box) return false;
  setup_.close_box();
  return true;
}

bool FormView::handle_focus(UINT message, WPARAM wparam) {
  if (message == WM_ACTIVATE) {
    if (LOWORD(wparam) == WA_INACTIVE) {
      const HWND focus = GetFocus();
      if (focus && IsChild(hwnd_, focus)) saved_focus_ = focus;
    }
    return false;
  }
  // The window itself takes no keys; its focus goes to the control that last
  // had it, or to the first in the tab order.
  HWND target = saved_focus_;
  if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = first_focusable();
  if (target) SetFocus(target);
  return true;
}

bool FormView::handle_sent_files(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_COPYDATA) {
    if (!setup_.files_sent) return false;
    const std::vector<std::wstring> files =
        sent_files(*reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    if (files.empty()) return false;
    setup_.files_sent(files);
    // Taken from the message loop, not inside the sender's call.
    PostMessageW(hwnd_, kTakeSentMessage, 0, 0);
    result = TRUE;
    return true;
  }
  if (message == WM_TIMER) {
    if (wparam != kTakeSentTimer) return false;
    KillTimer(hwnd_, kTakeSentTimer);
    PostMessageW(hwnd_, kTakeSentMessage, 0, 0);
    return true;
  }
  // A run or a box keeps them until it is over.
  if (!IsWindowEnabled(hwnd_) || setup_.window->busy())
    SetTimer(hwnd_, kTakeSentTimer, kTakeSentRetryMs, nullptr);
  else if (setup_.take_sent)
    setup_.take_sent();
  return true;
}

LRESULT CALLBACK FormView::control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR, DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, control_procedure, 0);
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  auto* form = reinterpret_cast<FormView*>(data);
  LRESULT result = 0;
  bool handled = false;
  guarded([&] {
    if (ControlView* view = form->view_of(hwnd))
      handled = form->handle_control(*view, message, wparam, lparam, result);
  });
  return handled ? result : DefSubclassProc(hwnd, message, wparam, lparam);
}

bool FormView::handle_control(ControlView& view, UINT message, WPARAM wparam, LPARAM lparam,
                              LRESULT& result) {
  const bool folder_list = view.model->row().kind == Kind::DirList;
  if (message == WM_DROPFILES && setup_.dropped) {
    const HDROP drop = reinterpret_cast<HDROP>(wparam);
    if (setup_.window->busy()) {
      late::DragFinish(drop);
      return true;
    }
    std::vector<std::wstring> files;
    const UINT count = late::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring name(late::DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      name.resize(late::DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
      files.push_back(name);
    }
    late::DragFinish(drop);
    setup_.dropped(files);
    return true;
  }
  // Enter in the folder list opens the highlighted folder, as a double click does.
  if (folder_list && message == WM_GETDLGCODE && wparam == VK_RETURN) {
    result = DLGC_WANTMESSAGE | DefSubclassProc(view.hwnd, message, wparam, lparam);
    return true;
  }
  if (folder_list && message == WM_KEYDOWN && wparam == VK_RETURN) {
    if (setup_.open_folder) setup_.open_folder(send(view.hwnd, LB_GETCURSEL));
    return true;
  }
  if (folder_list && message == WM_CHAR && wparam == L'\r') return true;
  return false;
}

}  // namespace mosa
