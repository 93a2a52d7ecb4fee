#include "driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "app/frm1_layout.h"
#include "select/frm2.h"

namespace e2e {
namespace {

// The file name box of the Explorer-style open-file dialog.
constexpr int kFileNameBox = 0x47C;
// The message box text: Windows gives it 0xFFFF, Wine 100.
constexpr int kBoxTextIds[] = {0xFFFF, 100};
// IDI_EXCLAMATION and IDI_INFORMATION, in their wide form.
const wchar_t* const kExclamationIcon = MAKEINTRESOURCEW(32515);
const wchar_t* const kInformationIcon = MAKEINTRESOURCEW(32516);
// A point of the main window's surface that no control covers, in twips:
// between 詳細を開く and 初期化.
constexpr int kSurfaceX = 1800, kSurfaceY = 1800;
// How long a new message box may take to paint its icon.
constexpr int kPaintMs = 3000;

std::string hex(unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", value);
  return buffer;
}

// Sends and waits for the answer, but never for ever: a window stuck in a
// modal loop we did not expect must fail the test, not hang it.
LRESULT send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_NORMAL, kWaitMs, &result))
    throw DriverError("the program did not handle message " + hex(message) + " in time (is a modal window open?)");
  return static_cast<LRESULT>(result);
}

void post(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!PostMessageW(hwnd, message, wparam, lparam)) throw DriverError("could not post message " + hex(message));
}

std::wstring window_class(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring window_text(HWND hwnd) {
  const auto length = static_cast<int>(send(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<int>(send(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::clamp(copied, 0, length));
  return text;
}

std::wstring caption_of(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

DWORD process_of(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

BOOL CALLBACK collect(HWND hwnd, LPARAM found_address) {
  reinterpret_cast<std::vector<HWND>*>(found_address)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> top_level_windows() {
  std::vector<HWND> found;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> children_of(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> visible_windows_of(DWORD pid) {
  auto found = top_level_windows();
  std::erase_if(found, [&](HWND hwnd) { return process_of(hwnd) != pid || !IsWindowVisible(hwnd); });
  return found;
}

bool is_dialog(HWND hwnd) { return window_class(hwnd) == L"#32770"; }
bool is_file_dialog(HWND hwnd) { return is_dialog(hwnd) && GetDlgItem(hwnd, kFileNameBox) != nullptr; }

int pixels(int twips) {
  const ScreenDc screen;
  return MulDiv(twips, GetDeviceCaps(screen.get(), LOGPIXELSY), 1440);
}

std::vector<DWORD> pixels_of(HDC dc, HBITMAP bitmap, int width, int height) {
  std::vector<DWORD> bits(width * height);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(dc, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS);
  return bits;
}

// Which standard icon a message box shows: its icon area on the screen is
// compared with the two candidates drawn on the same background, until one of
// them matches (the box may not have painted itself yet). An icon handle of
// another process cannot be compared with one of ours.
Box::Icon icon_of(HWND box) {
  HWND icon = nullptr;
  for (HWND child : children_of(box))
    if (window_class(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child) && send(child, STM_GETICON, 0, 0))
      icon = child;
  if (!icon) return Box::Icon::None;
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  const ScreenDc screen;
  const MemoryDc memory(CreateCompatibleDC(screen.get()));
  auto recognise = [&] {
    RECT place;
    GetWindowRect(icon, &place);
    const Bitmap shown(CreateCompatibleBitmap(screen.get(), width, height));
    COLORREF background;
    {
      const Selection selected(memory.get(), shown.get());
      BitBlt(memory.get(), 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY);
      background = GetPixel(memory.get(), 0, 0);
    }
    const auto shown_pixels = pixels_of(memory.get(), shown.get(), width, height);
    auto differing_from = [&](const wchar_t* standard) {
      const Bitmap drawn(CreateCompatibleBitmap(screen.get(), width, height));
      {
        const Selection selected(memory.get(), drawn.get());
        const Brush brush(CreateSolidBrush(background));
        const RECT all{0, 0, width, height};
        FillRect(memory.get(), &all, brush.get());
        DrawIconEx(memory.get(), 0, 0, LoadIconW(nullptr, standard), width, height, 0, nullptr, DI_NORMAL);
      }
      const auto drawn_pixels = pixels_of(memory.get(), drawn.get(), width, height);
      int count = 0;
      for (size_t i = 0; i < drawn_pixels.size(); ++i)
        count += (drawn_pixels[i] & 0xFFFFFF) != (shown_pixels[i] & 0xFFFFFF);
      return count;
    };
    const int exclamation = differing_from(kExclamationIcon), information = differing_from(kInformationIcon);
    const int limit = width * height / 8;
    if (exclamation < information && exclamation <= limit) return Box::Icon::Exclamation;
    if (information < exclamation && information <= limit) return Box::Icon::Information;
    return Box::Icon::Other;
  };
  Box::Icon seen = Box::Icon::Other;
  wait_until([&] { return (seen = recognise()) != Box::Icon::Other; }, kPaintMs);
  return seen;
}

Box read_box(HWND hwnd) {
  Box box;
  box.hwnd = hwnd;
  box.title = caption_of(hwnd);
  for (int id : kBoxTextIds)
    if (HWND text = GetDlgItem(hwnd, id); text && window_class(text) == L"Static") {
      box.text = window_text(text);
      break;
    }
  for (HWND child : children_of(hwnd))
    if (window_class(child) == L"Button" && IsWindowVisible(child)) box.buttons.push_back(GetDlgCtrlID(child));
  std::sort(box.buttons.begin(), box.buttons.end());
  return box;
}

bool closes(HWND hwnd) {
  return wait_until([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); });
}

}  // namespace

std::vector<HWND> windows_of_class(const std::wstring& class_name) {
  auto found = top_level_windows();
  std::erase_if(found, [&](HWND hwnd) { return !IsWindowVisible(hwnd) || window_class(hwnd) != class_name; });
  return found;
}

void close_programs(const std::vector<HWND>& windows) {
  std::vector<KernelHandle> programs;
  for (HWND window : windows) {
    if (KernelHandle program(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process_of(window))); program)
      programs.push_back(std::move(program));
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  // They keep the application folder as their current folder while they run.
  for (const KernelHandle& program : programs)
    if (!wait_until([&] { return WaitForSingleObject(program.get(), 0) == WAIT_OBJECT_0; }))
      TerminateProcess(program.get(), 1);
}

std::vector<std::wstring> texts_of(HWND window, const std::wstring& class_name) {
  std::vector<std::wstring> texts;
  for (HWND child : children_of(window))
    if (window_class(child) == class_name) texts.push_back(window_text(child));
  return texts;
}

std::wstring Control::class_name() const { return window_class(hwnd_); }
LONG Control::style() const { return GetWindowLongW(hwnd_, GWL_STYLE); }
std::wstring Control::text() const { return window_text(hwnd_); }

RECT Control::rect() const {
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Control::visible() const { return (style() & WS_VISIBLE) != 0; }
bool Control::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
bool Control::tab_stop() const { return (style() & WS_TABSTOP) != 0; }
int Control::check() const { return static_cast<int>(send(hwnd_, BM_GETCHECK, 0, 0)); }

int Control::selected() const {
  return static_cast<int>(send(hwnd_, class_name() == L"ListBox" ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> Control::entries() const {
  const bool list = class_name() == L"ListBox";
  const auto count = static_cast<int>(send(hwnd_, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
  std::vector<std::wstring> result;
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<int>(send(hwnd_, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0));
    std::wstring entry(std::max(length, 0) + 1, L'\0');
    const auto copied =
        static_cast<int>(send(hwnd_, list ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data())));
    entry.resize(std::clamp(copied, 0, std::max(length, 0)));
    result.push_back(entry);
  }
  return result;
}

std::wstring Control::tooltip() const {
  const DWORD pid = process_of(hwnd_);
  const KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) throw DriverError("cannot open the program's process");
  // The tooltip control reads and fills the tool record in its own process.
  constexpr int kChars = 512;
  const RemoteMemory remote(process.get(), sizeof(TOOLINFOW) + kChars * sizeof(wchar_t));
  char* const remote_text = remote.get() + sizeof(TOOLINFOW);
  // Hidden tooltip windows count: they show only while the mouse rests.
  auto tips = top_level_windows();
  std::erase_if(tips, [&](HWND hwnd) { return process_of(hwnd) != pid || window_class(hwnd) != TOOLTIPS_CLASSW; });
  for (HWND tip : tips) {
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(hwnd_);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = reinterpret_cast<LPWSTR>(remote_text);
    const wchar_t nothing = 0;
    WriteProcessMemory(process.get(), remote_text, &nothing, sizeof nothing, nullptr);
    WriteProcessMemory(process.get(), remote.get(), &info, sizeof info, nullptr);
    if (!send(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(remote.get()))) continue;
    WriteProcessMemory(process.get(), remote.get(), &info, sizeof info, nullptr);
    send(tip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote.get()));
    std::vector<wchar_t> text(kChars, L'\0');
    ReadProcessMemory(process.get(), remote_text, text.data(), (kChars - 1) * sizeof(wchar_t), nullptr);
    return text.data();
  }
  return L"";
}

void Control::expect_usable(const char* action) const {
  if (!visible() || !enabled())
    throw DriverError(std::string("cannot ") + action + " " + u8(name_) + ": it is " +
                      (visible() ? "disabled" : "hidden"));
}

void Control::type(const std::wstring& text) const {
  expect_usable("type into");
  if (!send(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())))
    throw DriverError("could not type into " + u8(name_));
}

void Control::click() const {
  expect_usable("click");
  send(hwnd_, BM_CLICK, 0, 0);
}

void Control::post_click() const {
  expect_usable("click");
  post(hwnd_, BM_CLICK, 0, 0);
}

void Control::post_command() const {
  post(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
}

void Control::notify_parent(int code) const {
  send(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), code), reinterpret_cast<LPARAM>(hwnd_));
}

void Control::pick(int index) const {
  expect_usable("pick an entry of");
  send(hwnd_, CB_SETCURSEL, index, 0);
  notify_parent(CBN_SELCHANGE);
}

void Control::pick(const std::wstring& entry) const {
  const int index = find_entry(entry);
  if (index < 0) throw DriverError(u8(name_) + " has no entry " + u8(entry));
  pick(index);
}

void Control::list_click(int index) const {
  expect_usable("click into");
  send(hwnd_, LB_SETCURSEL, index, 0);
  notify_parent(LBN_SELCHANGE);
}

void Control::list_double_click(int index) const {
  expect_usable("double-click into");
  send(hwnd_, LB_SETCURSEL, index, 0);
  // The folder chooser may answer a folder it cannot read with a message box.
  post(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), LBN_DBLCLK), reinterpret_cast<LPARAM>(hwnd_));
}

int Control::find_entry(const std::wstring& entry) const {
  const auto all = entries();
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    // A folder list indents its entries by their depth.
    const size_t start = all[i].find_first_not_of(L' ');
    if (start != std::wstring::npos && all[i].compare(start, std::wstring::npos, entry) == 0) return i;
  }
  return -1;
}

void Box::answer(int id) const {
  HWND button = GetDlgItem(hwnd, id);
  if (!button || !IsWindowVisible(button))
    throw DriverError("the message box \"" + u8(text) + "\" has no button " + std::to_string(id));
  post(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  // Gone for good, not only hidden: a message sent to a dying box is never answered.
  if (!wait_until([&] { return !IsWindow(hwnd); }))
    throw DriverError("the message box \"" + u8(text) + "\" did not close");
}

void Box::close() const {
  post(hwnd, WM_CLOSE, 0, 0);
  if (!wait_until([&] { return !IsWindow(hwnd); }))
    throw DriverError("the message box \"" + u8(text) + "\" did not close by its close box");
}

Box::Icon Box::icon() const { return icon_of(hwnd); }

Control Form::operator[](const std::wstring& name) const {
  for (int i = 0; i < count_; ++i)
    if (name == table_[i].name) {
      HWND control = GetDlgItem(hwnd_, kFirstControlId + i);
      if (!control)
        throw DriverError("the window has no control " + u8(name) + " (ID " + std::to_string(kFirstControlId + i) + ")");
      return Control(control, name);
    }
  throw DriverError("no control named " + u8(name) + " in the table");
}

std::wstring Form::caption() const { return caption_of(hwnd_); }
bool Form::visible() const { return IsWindowVisible(hwnd_) != FALSE; }
bool Form::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

int Form::outer_height() const {
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

SIZE Form::client_size() const {
  RECT rect;
  GetClientRect(hwnd_, &rect);
  return {rect.right, rect.bottom};
}

std::wstring Form::focused() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info) || !info.hwndFocus) return L"";
  // The edit part of a combo box belongs to the combo box.
  HWND control = info.hwndFocus;
  while (control && GetParent(control) && GetParent(control) != hwnd_) control = GetParent(control);
  if (!control || GetParent(control) != hwnd_) return L"";
  const int row = GetDlgCtrlID(control) - kFirstControlId;
  return row >= 0 && row < count_ ? table_[row].name : L"";
}

void Form::close() const { post(hwnd_, WM_CLOSE, 0, 0); }

void FileDialog::choose(const std::wstring& path) const {
  HWND name_box = GetDlgItem(hwnd, kFileNameBox);
  send(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  if (window_text(name_box) != path) {
    // A combo box whose edit part does not take the text from its parent.
    for (HWND child : children_of(name_box))
      if (window_class(child) == L"Edit") send(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }
  post(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDOK)));
  if (!closes(hwnd)) throw DriverError("the open-file dialog did not close after OK with " + u8(path));
}

void FileDialog::cancel() const {
  post(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
  if (!closes(hwnd)) throw DriverError("the open-file dialog did not close after Cancel");
}

App::App(Options options) : folder_(options.folder_name), exe_(folder_ / L"mosa-trevlin.exe") {
  if (GetACP() != 932)
    throw DriverError("the system code page is " + std::to_string(GetACP()) +
                      ", not 932: run with LC_ALL=ja_JP.UTF-8");
  // Pixels as the program, which declares itself DPI-aware, sees them.
  SetProcessDPIAware();
  copy_file(app_exe(), exe_);
  if (options.settings) write(L"mosa-trevlin.ini", *options.settings);
}

App::~App() { close(); }

void App::start() {
  if (running()) throw DriverError("the program is running already");
  main_ = nullptr;
  // No engine download prompt when the help button reaches Internet Explorer.
  if (!GetEnvironmentVariableW(L"WINEDLLOVERRIDES", nullptr, 0))
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mshtml=d");
  std::wstring command = L"\"" + exe_ + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder().c_str(), &startup,
                      &started))
    throw DriverError("cannot start " + u8(exe_) + " (error " + std::to_string(GetLastError()) + ")");
  process_.reset(started.hProcess);
  CloseHandle(started.hThread);
  pid_ = started.dwProcessId;
  thread_id_ = started.dwThreadId;
  wait_until([&] {
    for (HWND hwnd : visible_windows_of(pid_))
      if (caption_of(hwnd) == kAppCaption && !is_dialog(hwnd)) main_ = hwnd;
    return main_ || !running();
  }, 30000);
  if (main_) return;
  std::string seen;
  for (HWND hwnd : visible_windows_of(pid_)) seen += " [" + u8(window_class(hwnd)) + " \"" + u8(caption_of(hwnd)) + "\"]";
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  throw DriverError("the main window did not show; " +
                    (running() ? "windows seen:" + (seen.empty() ? std::string(" none") : seen)
                               : "the program ended with exit code " + std::to_string(code) + " (is there a display?)"));
}

App::SecondRun App::run_second_instance() const {
  SecondRun run;
  std::wstring command = L"\"" + exe_ + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder().c_str(), &startup,
                      &started))
    throw DriverError("cannot start a second instance");
  const KernelHandle second(started.hProcess);
  CloseHandle(started.hThread);
  run.ended = wait_until([&] {
    if (!visible_windows_of(started.dwProcessId).empty()) run.showed_window = true;
    return WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0;
  }, 20000);
  if (run.ended)
    GetExitCodeProcess(second.get(), &run.exit_code);
  else
    TerminateProcess(second.get(), 1);
  return run;
}

bool App::running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool App::close() {
  if (!running()) return true;
  if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.get(), 5000) == WAIT_OBJECT_0) return true;
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), 5000);
  return false;
}

Form App::main() const {
  if (!main_) throw DriverError("the program has not been started");
  return Form(main_, kFrm1Controls, kFrm1ControlCount);
}

Form App::wait_frm2() const {
  HWND found = nullptr;
  wait_until([&] {
    for (HWND hwnd : visible_windows_of(pid_))
      if (hwnd != main_ && caption_of(hwnd) == kAppCaption && !is_dialog(hwnd)) found = hwnd;
    return found != nullptr;
  });
  if (!found) throw DriverError("the folder chooser did not show");
  return Form(found, kFrm2Controls, kFrm2ControlCount);
}

FileDialog App::wait_file_dialog() const {
  FileDialog dialog;
  wait_until([&] {
    for (HWND hwnd : visible_windows_of(pid_))
      if (is_file_dialog(hwnd)) dialog.hwnd = hwnd;
    return dialog.hwnd != nullptr;
  });
  if (!dialog.hwnd) throw DriverError("the open-file dialog did not show");
  dialog.title = caption_of(dialog.hwnd);
  return dialog;
}

std::optional<Box> App::open_box() const {
  for (HWND hwnd : visible_windows_of(pid_))
    if (is_dialog(hwnd) && !is_file_dialog(hwnd)) return read_box(hwnd);
  return std::nullopt;
}

Box App::wait_box(int timeout_ms) const {
  std::optional<Box> box;
  wait_until([&] {
    box = open_box();
    return box.has_value() || !running();
  }, timeout_ms);
  if (!box) throw DriverError(running() ? "no message box showed" : "the program ended instead of showing a message box");
  return *box;
}

void App::post_marker() const {
  // A posted message is handled after everything posted before it; the modify
  // flag of txt3, which the program never looks at, shows when that happened.
  HWND marker = main()[L"txt3"].hwnd();
  send(marker, EM_SETMODIFY, FALSE, 0);
  post(marker, EM_SETMODIFY, TRUE, 0);
  if (!wait_until([&] { return send(marker, EM_GETMODIFY, 0, 0) != 0; }))
    throw DriverError("the program did not get round to its posted messages");
  send(marker, EM_SETMODIFY, FALSE, 0);
}

void App::settle() const {
  post_marker();
  send(main_, WM_NULL, 0, 0);
}

void App::right_click_surface() const {
  const LPARAM point = MAKELPARAM(pixels(kSurfaceX), pixels(kSurfaceY));
  send(main_, WM_RBUTTONDOWN, MK_RBUTTON, point);
  send(main_, WM_RBUTTONUP, 0, point);
}

void App::left_click_surface() const {
  const LPARAM point = MAKELPARAM(pixels(kSurfaceX), pixels(kSurfaceY));
  send(main_, WM_LBUTTONDOWN, MK_LBUTTON, point);
  send(main_, WM_LBUTTONUP, 0, point);
}

void App::press(int virtual_key) const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread_id_, &info);
  HWND target = info.hwndFocus ? info.hwndFocus : main_;
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC)) << 16;
  post(target, WM_KEYDOWN, virtual_key, 1 | scan);
  post(target, WM_KEYUP, virtual_key, 1 | scan | (1 << 30) | (1u << 31));
  post_marker();
}

void App::drop(const std::vector<std::wstring>& files, const std::wstring& on) const {
  // The block the file manager hands over: DROPFILES, then the wide names, each
  // ended by NUL, and one more NUL. It must live in the program's memory.
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::vector<char> block(reinterpret_cast<const char*>(&header), reinterpret_cast<const char*>(&header + 1));
  for (const auto& file : files) {
    const auto* bytes = reinterpret_cast<const char*>(file.c_str());
    block.insert(block.end(), bytes, bytes + (file.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), '\0');
  const RemoteMemory remote(process_.get(), block.size());
  if (!remote.get() || !WriteProcessMemory(process_.get(), remote.get(), block.data(), block.size(), nullptr))
    throw DriverError("cannot write the dropped file list into the program");
  post(main()[on].hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(remote.get()), 0);
  // The program has read the list once its later messages come round.
  post_marker();
}

}  // namespace e2e
