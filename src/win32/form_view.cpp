#include "win32/form_view.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "app/frm1_layout.h"
#include "win32/dialog_owner.h"
#include "win32/resource.h"
#include "win32/win32_error.h"

namespace {

const wchar_t kFormClass[] = L"mosa-trevlin.form";
const wchar_t kFontFace[] = L"ＭＳ ゴシック";
constexpr int kFontHundredthsOfPoint = 825;
constexpr int kSmallFontHundredthsOfPoint = 600;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A drop-down list opens this much below its box (96 dpi pixels), enough for the type list.
constexpr int kDropDownHeight = 200;
// How far a folder list indents each level (96 dpi pixels).
constexpr int kFolderIndent = 8;

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

std::wstring window_text(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
  return text;
}

void set_text_if_changed(HWND hwnd, const std::wstring& text) {
  if (window_text(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

int send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return static_cast<int>(SendMessageW(hwnd, message, wparam, lparam));
}

void set_style_bit(HWND hwnd, DWORD bit, bool on) {
  const DWORD style = GetWindowLongW(hwnd, GWL_STYLE);
  const DWORD wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongW(hwnd, GWL_STYLE, wanted);
}

int screen_dpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

FontHandle make_font(int hundredths_of_point, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(hundredths_of_point, dpi, 7200);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  lstrcpynW(font.lfFaceName, kFontFace, LF_FACESIZE);
  FontHandle handle(CreateFontIndirectW(&font));
  if (!handle) throw last_error("CreateFontIndirectW");
  return handle;
}

int line_height(const FontHandle& font) {
  const WindowDc screen(nullptr);
  const HGDIOBJ old = SelectObject(screen.get(), font.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  SelectObject(screen.get(), old);
  return metrics.tmHeight;
}

// The system's small folder icon; where the stock icon is missing (Wine), the
// same picture from its classic resource in shell32.
IconHandle folder_icon(bool open) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof info;
  if (SUCCEEDED(SHGetStockIconInfo(open ? SIID_FOLDEROPEN : SIID_FOLDER,
                                   SHGSI_ICON | SHGSI_SMALLICON, &info)) &&
      info.hIcon)
    return IconHandle(info.hIcon);
  const int size = GetSystemMetrics(SM_CXSMICON);
  return IconHandle(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(L"shell32.dll"),
                                    MAKEINTRESOURCEW(open ? 5 : 4), IMAGE_ICON, size, size, 0)));
}

void register_form_class(WNDPROC procedure) {
  static const bool registered = [procedure] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = procedure;
    form.hInstance = instance;
    // Shared icons are the system's to free. A test program has no icon and gets the default.
    form.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_SHARED));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    return RegisterClassExW(&form) != 0;
  }();
  if (!registered) throw last_error("RegisterClassExW");
}

}  // namespace

FormView::FormView(FormSetup setup) : setup_(std::move(setup)), dpi_(screen_dpi()) {
  // A half-built window must not outlive the constructor that failed: it points back here.
  try {
    build();
  } catch (...) {
    tear_down();
    throw;
  }
}

FormView::~FormView() { tear_down(); }

void FormView::tear_down() noexcept {
  for (ControlView& view : views_) view.model->set_view_listener(nullptr);
  setup_.window->set_view_listener(nullptr);
  if (!hwnd_) return;
  remove_form_window(hwnd_);
  DestroyWindow(hwnd_);
}

void FormView::build() {
  font_ = make_font(kFontHundredthsOfPoint, dpi_);
  small_font_ = make_font(kSmallFontHundredthsOfPoint, dpi_);
  if (setup_.hint) hint_brush_.reset(CreateSolidBrush(setup_.hint_colour));
  for (size_t i = 0; i < setup_.controls.size(); ++i)
    views_.push_back({setup_.controls[i], kFirstControlId + static_cast<int>(i)});
  for (const ControlView& view : views_)
    if (view.model->row().kind == Kind::DirList) {
      folder_icon_ = folder_icon(false);
      open_folder_icon_ = folder_icon(true);
    }

  create_window();
  // Children are made in tab order, which is the order Tab walks them in.
  std::vector<ControlView*> by_tab;
  for (ControlView& view : views_) by_tab.push_back(&view);
  std::stable_sort(by_tab.begin(), by_tab.end(), [](const ControlView* a, const ControlView* b) {
    const int tab_a = a->model->row().tab, tab_b = b->model->row().tab;
    if ((tab_a < 0) != (tab_b < 0)) return tab_b < 0;
    return tab_a < tab_b;
  });
  for (ControlView* view : by_tab) create_control(*view);

  for (ControlView& view : views_) {
    sync(view);
    view.model->set_view_listener([this, &view] { sync(view); });
  }
  setup_.window->set_view_listener([this] { sync_window(); });
  if (setup_.default_button)
    SendMessageW(hwnd_, DM_SETDEFID, control_id(*setup_.default_button), 0);
}

HWND FormView::control_hwnd(const Control& control) const {
  for (const ControlView& view : views_)
    if (view.model == &control) return view.hwnd;
  return nullptr;
}

int FormView::control_id(const Control& control) const {
  for (const ControlView& view : views_)
    if (view.model == &control) return view.id;
  return 0;
}

void FormView::show(int how) {
  // The window has a fixed size, so a start asked to be maximized opens it as
  // laid out; the first ShowWindow may take the start's own request instead.
  ShowWindow(hwnd_, how == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : how);
  if (IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  UpdateWindow(hwnd_);
}

int FormView::pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }

int FormView::outer_height(int fitting_client) const {
  // A window whose model gives no height is as tall as its client area needs.
  const int twips = setup_.window->height();
  return twips > 0 ? pixels(twips) : fitting_client;
}

void FormView::create_window() {
  register_form_class(window_procedure);
  const Window& window = *setup_.window;
  RECT outer{0, 0, pixels(window.client().width), pixels(window.client().height)};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
  const int width = outer.right - outer.left;
  const int height = outer_height(outer.bottom - outer.top);
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (setup_.centred) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    x = work.left + (work.right - work.left - width) / 2;
    y = work.top + (work.bottom - work.top - height) / 2;
  }
  if (!CreateWindowExW(0, kFormClass, window.caption().c_str(), kFormStyle, x, y, width, height,
                       nullptr, nullptr, GetModuleHandleW(nullptr), this))
    throw last_error("CreateWindowExW");
  add_form_window(hwnd_);

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!tooltip_) throw last_error("CreateWindowExW(tooltips)");
  send(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()));
}

void FormView::create_control(ControlView& view) {
  const Control& model = *view.model;
  const ControlRow& row = model.row();
  const wchar_t* window_class = L"STATIC";
  DWORD style = WS_CHILD | (model.visible() ? WS_VISIBLE : 0) |
                (model.enabled() ? 0 : WS_DISABLED) | (model.tab_stop() ? WS_TABSTOP : 0);
  DWORD extended = 0;
  int height = pixels(row.rect.height);
  switch (row.kind) {
    case Kind::Button:
      window_class = L"BUTTON";
      // A caption wider than its button wraps, as it does on the forms of old.
      style |= BS_MULTILINE | (&model == setup_.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case Kind::CheckBox:
      window_class = L"BUTTON";
      style |= BS_3STATE;  // the model decides what a click does
      break;
    case Kind::TextBox:
      window_class = L"EDIT";
      style |= ES_AUTOHSCROLL;
      extended = WS_EX_CLIENTEDGE;
      break;
    case Kind::ComboBox:
      window_class = L"COMBOBOX";
      style |= WS_VSCROLL |
               (&model == setup_.fixed_list ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
      height += MulDiv(kDropDownHeight, dpi_, 96);
      break;
    case Kind::Label:
      // SS_NOTIFY makes a label take its own clicks: a click on it is not one on the window.
      style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
      // The table's labels are a little lower than a line of the font; grown
      // downwards, they keep their place and show their text uncut.
      height = std::max(height, line_height(row.small_font ? small_font_ : font_));
      break;
    case Kind::Line:
      style |= SS_ETCHEDHORZ;
      height = 2;
      break;
    case Kind::DirList:
      window_class = L"LISTBOX";
      style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL;
      extended = WS_EX_CLIENTEDGE;
      break;
  }
  const std::wstring text = row.kind == Kind::ComboBox ? L"" : model.caption();
  view.hwnd = CreateWindowExW(extended, window_class, text.c_str(), style, pixels(row.rect.left),
                              pixels(row.rect.top), pixels(row.rect.width), height, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(view.id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!view.hwnd) throw last_error("CreateWindowExW", row.name);
  send(view.hwnd, WM_SETFONT,
       reinterpret_cast<WPARAM>(row.small_font ? small_font_.get() : font_.get()));

  if (row.kind == Kind::ComboBox) {
    // The box's own height follows the font; the table's height is the one to
    // keep. Systems differ in what they add around the field height asked
    // for (Wine two pixels more than Windows), so a second request corrects
    // the first by what it gave.
    int field = send(view.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
    for (int attempt = 0; attempt < 2; ++attempt) {
      RECT box{};
      GetWindowRect(view.hwnd, &box);
      const int error = pixels(row.rect.height) - (box.bottom - box.top);
      if (error == 0 || field + error <= 0) break;
      field += error;
      send(view.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
  }
  const bool subclassed = &model == setup_.drop_target || row.kind == Kind::DirList;
  if (subclassed)
    SetWindowSubclass(view.hwnd, control_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  if (&model == setup_.drop_target) DragAcceptFiles(view.hwnd, TRUE);
}

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
  if (IsWindowEnabled(hwnd_) == window.busy()) show_busy(window.busy());
  // The message loop that runs the window looks at unloaded() after each
  // message; this one makes sure it gets to look.
  if (window.unloaded()) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void FormView::show_busy(bool busy) {
  // Disabling the window takes the focus from its control; it comes back after.
  const HWND focus = GetFocus();
  if (busy && focus && IsChild(hwnd_, focus)) saved_focus_ = focus;
  EnableWindow(hwnd_, !busy);
  if (!busy && GetActiveWindow() == hwnd_ && saved_focus_ && IsWindow(saved_focus_))
    SetFocus(saved_focus_);
  POINT cursor{};
  GetCursorPos(&cursor);
  const HWND under = WindowFromPoint(cursor);
  if (under == hwnd_ || IsChild(hwnd_, under))
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void FormView::keep_focus_usable(HWND control) {
  // A control that goes away while it has the focus would leave the keyboard
  // nowhere; the focus moves on as Tab would move it.
  if (GetFocus() != control) return;
  HWND next = GetNextDlgTabItem(hwnd_, control, FALSE);
  SetFocus(next && next != control ? next : hwnd_);
}

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

void FormView::measure_folder(MEASUREITEMSTRUCT& item) const {
  item.itemHeight = std::max(line_height(font_), GetSystemMetrics(SM_CYSMICON)) + 2;
}

void FormView::draw_folder(const DRAWITEMSTRUCT& item) const {
  const ControlView* view = nullptr;
  for (const ControlView& candidate : views_)
    if (candidate.hwnd == item.hwndItem) view = &candidate;
  const HDC dc = item.hDC;
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (!view || item.itemID >= view->folders.size()) return;
  const DirEntry& entry = view->folders[item.itemID];

  const int icon_size = GetSystemMetrics(SM_CXSMICON);
  int x = item.rcItem.left + 2 + entry.depth * MulDiv(kFolderIndent, dpi_, 96);
  const HICON icon = entry.open ? open_folder_icon_.get() : folder_icon_.get();
  if (icon) {
    const int y = (item.rcItem.top + item.rcItem.bottom - icon_size) / 2;
    DrawIconEx(dc, x, y, icon, icon_size, icon_size, 0, nullptr, DI_NORMAL);
  }
  x += icon_size + 3;

  RECT text = item.rcItem;
  text.left = x;
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, entry.name.c_str(), static_cast<int>(entry.name.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
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
      // A window that takes no input, behind a box or while the encoder works, stays.
      if (!IsWindowEnabled(hwnd_)) return true;
      if (!setup_.close_box) return false;
      setup_.close_box();
      return true;
    case WM_SETCURSOR:
      if (!setup_.window->busy()) return false;
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_DESTROY:
      if (!setup_.close_box) PostQuitMessage(0);
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) saved_focus_ = focus;
      }
      return false;
    case WM_SETFOCUS: {
      // The window itself takes no keys; its focus goes to the control that last
      // had it, or to the first in the tab order.
      HWND target = saved_focus_;
      if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = first_focusable();
      if (target) SetFocus(target);
      return true;
    }
    case WM_CTLCOLORSTATIC:
      if (!setup_.hint || reinterpret_cast<HWND>(lparam) != control_hwnd(*setup_.hint))
        return false;
      SetBkColor(reinterpret_cast<HDC>(wparam), setup_.hint_colour);
      result = reinterpret_cast<LRESULT>(hint_brush_.get());
      return true;
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
      DragFinish(drop);
      return true;
    }
    std::vector<std::wstring> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
      files.push_back(name);
    }
    DragFinish(drop);
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
