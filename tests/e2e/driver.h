#pragma once
// Drives the real mosa-trevlin.exe from another process, as a user would: it
// starts the program in a folder of its own, finds its windows and controls by
// their table names, reads and works them, answers its message boxes and
// dialogs and drops files on it. Every wait has a time limit.
// Lean: the full header defines frm1 and frm2 as dialog template IDs.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/control.h"

namespace e2e {

using Names = std::vector<std::wstring>;

bool wait_until(const std::function<bool()>& condition, int timeout_ms = 15000);
// Sends, but a window stuck in a modal loop fails the test instead of hanging it.
LRESULT send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
void post(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
std::wstring class_of(HWND hwnd);
std::wstring text_of(HWND hwnd);
int pixels(int twips);

// Text as UTF-8 for readable failures, and as the code page 932 bytes of files.
std::string u8(const std::wstring& text);
std::string cp932_file(const Names& lines);  // each line ended by CR LF
Names cp932_lines(const std::string& bytes);
std::wstring cp932_text(const std::string& bytes);

std::optional<std::string> read_bytes(const std::wstring& path);
void write_bytes(const std::wstring& path, const std::string& bytes);
inline bool file_exists(const std::wstring& path) { return std::filesystem::is_regular_file(path); }
inline void make_folder(const std::wstring& path) { std::filesystem::create_directory(path); }
// A copy of our encoder, or of the program the variable names (the stand-in that
// fails or is slow on request), as folder\screnc.exe.
std::wstring install_encoder(const std::wstring& folder, const wchar_t* variable = L"SCRENC_EXE");
// The text of a file in code page 932 with every block replaced by what it
// encodes; none when a block does not decode.
std::optional<std::wstring> decoded(const std::wstring& path);

// A new folder under the temporary folder, removed with all it holds.
struct TempFolder {
  explicit TempFolder(const std::wstring& name_part);
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
  std::wstring path;
};

// Waits for a window of another program, of this class, with a text box whose
// text ends so, and closes that program again; false when none showed.
bool close_program_showing(const std::wstring& window_class, const std::wstring& text_end);

struct Control {
  HWND hwnd;
  std::wstring name;
  LONG style() const { return GetWindowLongW(hwnd, GWL_STYLE); }
  std::wstring text() const { return text_of(hwnd); }
  RECT rect() const;  // in its window's client coordinates
  bool visible() const { return style() & WS_VISIBLE; }
  bool enabled() const { return IsWindowEnabled(hwnd); }
  bool tab_stop() const { return style() & WS_TABSTOP; }
  int check() const { return static_cast<int>(send(hwnd, BM_GETCHECK)); }

  // A user reaches only visible, enabled controls: these refuse the others.
  void type(const std::wstring& text) const;  // a whole new text, as pasting over the old one
  void click() const { usable(); send(hwnd, BM_CLICK); }       // returns once it is handled
  void post_click() const { usable(); post(hwnd, BM_CLICK); }  // for one that opens a modal window
  // Picks an entry of a combo box, or opens one of a list box by a double click.
  void pick(const std::wstring& entry) const;
  void usable() const;
};

struct Form {
  HWND hwnd;
  const ControlRow* table;
  int count;
  Control operator[](const std::wstring& name) const;
  bool enabled() const { return IsWindowEnabled(hwnd); }
  void close() const;  // by the close box; returns once the window has gone
  int outer_height() const;
};

// A message box or the open-file dialog.
struct Dialog {
  HWND hwnd;
  std::wstring title, text;
  std::vector<int> buttons;  // IDs of the visible buttons, in ascending order
  bool icon = false;
  void press(int id) const;  // returns once the dialog has gone
  void choose(const std::wstring& path) const;  // types the file name and presses OK
};

// The program in an application folder of its own.
class App {
 public:
  explicit App(const std::wstring& folder_name = L"app");
  ~App() { close(); }
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  std::wstring path(const std::wstring& name) const { return folder_ / name; }
  std::optional<std::string> read(const std::wstring& name) const { return read_bytes(path(name)); }

  // Returns once the main window shows; a launcher may ask for a window state.
  void start(int show = SW_SHOWDEFAULT);
  bool second_instance_ends_silently() const;
  bool close();  // the close box; true when the program ended by itself

  Form main() const;
  Control operator[](const std::wstring& name) const { return main()[name]; }
  Form wait_frm2() const;
  Dialog wait_file_dialog() const;
  Dialog wait_box() const;
  std::optional<Dialog> open_box(int timeout_ms = 0) const;

  // Returns once the program has handled everything sent or posted so far.
  void settle() const;
  void click_surface(bool right) const;  // a spot of the window no control covers
  // Keys and drops return once handled or once they opened a modal window.
  void press(int virtual_key) const;
  void drop(const Names& files) const;  // on txt1, as the file manager does

 private:
  PROCESS_INFORMATION launch(int show = SW_SHOWDEFAULT) const;
  bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // A visible top-level window of the program that passes the test, or null.
  HWND find_window(const std::function<bool(HWND)>& wanted, int timeout_ms = 15000) const;
  TempFolder folder_;
  std::wstring exe_;
  std::shared_ptr<void> process_;
  DWORD thread_id_ = 0;
  HWND main_ = nullptr;
};

// Message boxes by the style the program gives them.
enum Style { kYesNoCancel = 3, kYesNo = 4, kWarning = 48, kInformation = 64 };
// The next box must show this text, title, buttons and icon; it is answered.
void answer_box(const App& app, const std::wstring& text, const std::wstring& title, int style, int answer);
void expect_no_box(const App& app);

inline const wchar_t kSettingsFile[] = L"mosa-trevlin.ini";
inline const wchar_t kLogFile[] = L"mosa-trevlin.log";
inline bool batch_removed(const App& app) {
  return wait_until([&] { return !file_exists(app.path(L"mosa-trevlin.bat")); });
}
inline Names file_lines(const App& app, const std::wstring& name) { return cp932_lines(app.read(name).value_or("")); }

}  // namespace e2e
