// Building a form's window and its controls from the control table. The view
// follows the model in form_view_sync.cpp, hands the user's actions to it in
// form_view_events.cpp and draws folder lists in folder_list_drawing.cpp.
#include "win32/form_view.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/dialog_owner.h"
#include "win32/resource.h"
#include "win32/win32_error.h"
#include "win32/window_helpers.h"

namespace mosa {

using win32_common::FontHandle;
using win32_common::WindowDc;

namespace {

const wchar_t kFormClass[] = L"mosa-trevlin.form";
const wchar_t kFontFace[] = L"ＭＳ ゴシック";
constexpr int kFontHundredthsOfPoint = 825;
constexpr int kSmallFontHundredthsOfPoint = 600;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A drop-down list opens this much below its box (96 dpi pixels), enough for the type list.
constexpr int kDropDownHeight = 200;

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

void register_form_class(WNDPROC procedure) {
  static const bool registered = [procedure] {
    // The controls come from the common controls the manifest names, tooltips included.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
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
    if (view.model->row().kind == Kind::DirList) load_folder_icons();

  create_window();
  // Children are made in tab order, which is the order Tab walks them in.
  for (ControlView& view : views_) by_tab_.push_back(&view);
  std::stable_sort(by_tab_.begin(), by_tab_.end(), [](const ControlView* a, const ControlView* b) {
    const int tab_a = a->model->row().tab, tab_b = b->model->row().tab;
    if ((tab_a < 0) != (tab_b < 0)) return tab_b < 0;
    return tab_a < tab_b;
  });
  // Those wholly below the window's bottom edge cannot be seen before it grows:
  // they are made once it shows, which it then does sooner.
  const int bottom = setup_.window->height();
  for (ControlView* view : by_tab_)
    if (bottom <= 0 || view->model->row().rect.top < bottom) create_control(*view);

  for (ControlView& view : views_) {
    if (view.hwnd) sync(view);
    view.model->set_view_listener([this, &view] {
      if (view.hwnd) sync(view);
    });
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
  // The controls left out of the first sight, each in its place in the tab order.
  HWND previous = HWND_TOP;
  for (ControlView* view : by_tab_) {
    if (!view->hwnd) {
      create_control(*view);
      SetWindowPos(view->hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      sync(*view);
    }
    previous = view->hwnd;
  }
}

void FormView::make_tooltips() {
  if (tooltip_) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!tooltip_) throw last_error("CreateWindowExW(tooltips)");
  send(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()));
  for (ControlView& view : views_)
    if (view.hwnd) sync_tooltip(view);
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

}

FormView::ChildClass FormView::child_class(const Control& model) const {
  const ControlRow& row = model.row();
  const DWORD style = WS_CHILD | (model.visible() ? WS_VISIBLE : 0) |
                      (model.enabled() ? 0 : WS_DISABLED) | (model.tab_stop() ? WS_TABSTOP : 0);
  ChildClass child{.window_class = L"STATIC",
                 .style = style,
                 .extended = 0,
                 .height = pixels(row.rect.height)};
  switch (row.kind) {
    case Kind::Button:
      child.window_class = L"BUTTON";
      // A caption wider than its button wraps, as it does on the forms of old.
      child.style |= BS_MULTILINE |
                    (&model == setup_.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case Kind::CheckBox:
      child.window_class = L"BUTTON";
      child.style |= BS_3STATE;  // the model decides what a click does
      break;
    case Kind::TextBox:
      child.window_class = L"EDIT";
      child.style |= ES_AUTOHSCROLL;
      child.extended = WS_EX_CLIENTEDGE;
      break;
    case Kind::ComboBox:
      child.window_class = L"COMBOBOX";
      child.style |= WS_VSCROLL | (&model == setup_.fixed_list ? CBS_DROPDOWNLIST
                                                                : CBS_DROPDOWN | CBS_AUTOHSCROLL);
      child.height += MulDiv(kDropDownHeight, dpi_, 96);
      break;
    case Kind::Label:
      // SS_NOTIFY makes a label take its own clicks: a click on it is not one on the window.
      child.style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
      // The table's labels are a little lower than a line of the font; grown
      // downwards, they keep their place and show their text uncut.
      child.height = std::max(child.height, line_height(row.small_font ? small_font_ : font_));
      break;
    case Kind::Line:
      child.style |= SS_ETCHEDHORZ;
      child.height = 2;
      break;
    case Kind::DirList:
      child.window_class = L"LISTBOX";
      child.style |=
          LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL;
      child.extended = WS_EX_CLIENTEDGE;
      break;
  }
  // What DragAcceptFiles would set, without loading the shell to set it.
  if (&model == setup_.drop_target) child.extended |= WS_EX_ACCEPTFILES;
  return child;
}

void FormView::fit_combo_height(HWND combo, int twips) const {
  // The box's own height follows the font; the table's height is the one to
  // keep. Systems differ in what they add around the field height asked
  // for (Wine two pixels more than Windows), so a second request corrects
  // the first by what it gave.
  int field = send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
  for (int attempt = 0; attempt < 2; ++attempt) {
    RECT box{};
    GetWindowRect(combo, &box);
    const int error = pixels(twips) - (box.bottom - box.top);
    if (error == 0 || field + error <= 0) break;
    field += error;
    send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

void FormView::create_control(ControlView& view) {
  const Control& model = *view.model;
  const ControlRow& row = model.row();
  const ChildClass child = child_class(model);
  const std::wstring text = row.kind == Kind::ComboBox ? L"" : model.caption();
  view.hwnd = CreateWindowExW(child.extended, child.window_class, text.c_str(), child.style,
                              pixels(row.rect.left), pixels(row.rect.top), pixels(row.rect.width),
                              child.height, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(view.id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!view.hwnd) throw last_error("CreateWindowExW", row.name);
  send(view.hwnd, WM_SETFONT,
       reinterpret_cast<WPARAM>(row.small_font ? small_font_.get() : font_.get()));
  if (row.kind == Kind::ComboBox) fit_combo_height(view.hwnd, row.rect.height);
  const bool subclassed = &model == setup_.drop_target || row.kind == Kind::DirList;
  if (subclassed)
    SetWindowSubclass(view.hwnd, control_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

}  // namespace mosa
