#pragma once
// Drives the real mosa-trevlin.exe from another process, the way a user would:
// it starts the program in a fresh application folder, finds its windows and
// controls by their table names, reads them, types, clicks, picks, drops files
// and answers its message boxes and dialogs. Every wait polls with a time limit;
// a wait that runs out throws DriverError with what was expected.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/control.h"
#include "handles.h"

namespace e2e {

struct DriverError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr int kWaitMs = 15000;

// Polls the condition until it holds or the time runs out; true when it held.
bool wait_until(const std::function<bool()>& condition, int timeout_ms = kWaitMs);

// Text forms: UTF-8 for readable test output, code page 932 for file bytes.
std::string u8(const std::wstring& text);
std::wstring wide(const std::string& utf8_text);
std::string cp932(const std::wstring& text);
std::wstring from_cp932(const std::string& bytes);

// The settings file as the program writes it: every line in code page 932, each
// ended by CR LF.
std::string settings_bytes(const std::vector<std::wstring>& lines);
// The lines of a CR LF text; a last line without CR LF counts as a line too.
std::vector<std::wstring> cp932_lines(const std::string& bytes);

// Files, by Windows path.
std::optional<std::string> read_bytes(const std::wstring& path);
void write_bytes(const std::wstring& path, const std::string& bytes);
bool file_exists(const std::wstring& path);
void make_folder(const std::wstring& path);
void copy_file(const std::wstring& from, const std::wstring& to);
void delete_file(const std::wstring& path);

// A path given by an environment variable or, failing that, by a compile
// definition; a Unix path is turned into the Windows path Wine gives it.
std::wstring program_path(const char* variable, const char* built_in);
std::wstring app_exe();           // MOSA_TREVLIN_EXE
std::wstring stand_in_encoder();  // STAND_IN_ENCODER

// A new folder under the temporary folder, removed with all it holds at the end
// (kept when MOSA_E2E_KEEP is set, to look at after a failure).
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name_part);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Visible top-level windows of every process, by window class: the windows of
// the programs the program starts.
std::vector<HWND> windows_of_class(const std::wstring& class_name);
// Closes windows of programs that the program started and waits until those
// programs have ended, ending them when they do not.
void close_programs(const std::vector<HWND>& windows);
// The texts of the descendants of a window that have this window class.
std::vector<std::wstring> texts_of(HWND window, const std::wstring& class_name);

// One control of one of the program's windows.
class Control {
 public:
  Control(HWND hwnd, std::wstring name) : hwnd_(hwnd), name_(std::move(name)) {}
  HWND hwnd() const { return hwnd_; }
  const std::wstring& name() const { return name_; }

  std::wstring class_name() const;
  LONG style() const;
  std::wstring text() const;
  RECT rect() const;  // in the client coordinates of its window
  bool visible() const;
  bool enabled() const;
  bool tab_stop() const;
  int check() const;     // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
  int selected() const;  // combo box or list box selection, -1 for none
  std::vector<std::wstring> entries() const;  // combo box or list box
  // The tooltip shown for this control, read from the window's tooltip control.
  std::wstring tooltip() const;

  // A user reaches only enabled, visible controls: the actions below refuse
  // the others with DriverError.
  // Types a whole new text, as pasting over the old one does.
  void type(const std::wstring& text) const;
  // Clicks and waits until the click has been handled. For a click that opens
  // a modal window use post_click and wait for that window instead.
  void click() const;
  void post_click() const;
  // Delivers the button's click notification to its window whatever the
  // button's state: what a click reaching a hidden button would do.
  void post_command() const;
  // Picks an entry of a combo box from its list.
  void pick(int index) const;
  void pick(const std::wstring& entry) const;
  // Highlights or opens (double-clicks) an entry of a list box.
  void list_click(int index) const;
  void list_double_click(int index) const;
  int find_entry(const std::wstring& entry) const;  // -1 when absent

 private:
  void notify_parent(int code) const;
  void expect_usable(const char* action) const;
  HWND hwnd_;
  std::wstring name_;
};

// A message box of the program.
struct Box {
  HWND hwnd = nullptr;
  std::wstring title;
  std::wstring text;
  std::vector<int> buttons;  // IDs of the visible buttons: IDOK, IDCANCEL, IDYES, IDNO

  enum class Icon { None, Exclamation, Information, Other };
  // Which standard icon the box shows, read from the screen.
  Icon icon() const;

  // Presses the button and waits until the box has gone.
  void answer(int id) const;
  // Closes the box with its close box and waits until it has gone.
  void close() const;
};

// A top-level window of the program with its control table.
class Form {
 public:
  Form(HWND hwnd, const ControlSpec* table, int count) : hwnd_(hwnd), table_(table), count_(count) {}
  HWND hwnd() const { return hwnd_; }
  Control operator[](const std::wstring& name) const;
  std::wstring caption() const;
  bool exists() const { return IsWindow(hwnd_) != FALSE; }
  bool visible() const;
  bool enabled() const;
  int outer_height() const;
  SIZE client_size() const;
  // The control holding the keyboard focus, by its table name ("" for none or
  // a window outside the table).
  std::wstring focused() const;
  void close() const;  // the close box

 private:
  HWND hwnd_;
  const ControlSpec* table_;
  int count_;
};

// The open-file dialog.
struct FileDialog {
  HWND hwnd = nullptr;
  std::wstring title;
  void choose(const std::wstring& path) const;  // types the name and presses OK
  void cancel() const;
};

// The program running in an application folder of its own.
class App {
 public:
  struct Options {
    std::wstring folder_name = L"app";
    std::optional<std::string> settings;  // bytes of mosa-trevlin.ini written before the start
  };
  App() : App(Options{}) {}
  explicit App(Options options);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  const std::wstring& folder() const { return folder_.path(); }
  std::wstring path(const std::wstring& name) const { return folder_ / name; }
  std::optional<std::string> read(const std::wstring& name) const { return read_bytes(path(name)); }
  void write(const std::wstring& name, const std::string& bytes) const { write_bytes(path(name), bytes); }

  // Starts the program and waits until its main window shows.
  void start();
  // Starts another instance from the same folder and waits for it to end.
  struct SecondRun {
    bool ended = false;
    DWORD exit_code = 0;
    bool showed_window = false;
  };
  SecondRun run_second_instance() const;
  // Closes the main window and waits for the program to end; true when it ended.
  bool close();
  bool running() const;
  DWORD pid() const { return pid_; }

  Form main() const;
  Control operator[](const std::wstring& name) const { return main()[name]; }
  // The folder chooser, once it shows.
  Form wait_frm2() const;
  FileDialog wait_file_dialog() const;

  // The next message box; throws when none shows in time.
  Box wait_box(int timeout_ms = kWaitMs) const;
  std::optional<Box> open_box() const;

  // Waits until the program has handled everything sent or posted so far.
  void settle() const;
  // Mouse buttons on the window's own surface, away from every control.
  void right_click_surface() const;
  void left_click_surface() const;
  // A key pressed and released on the window that holds the focus. Returns
  // once the program has handled it or opened a modal window from it.
  void press(int virtual_key) const;
  // Drops files on a control of the main window, as the file manager does;
  // returns as press does.
  void drop(const std::vector<std::wstring>& files, const std::wstring& on = L"txt1") const;

 private:
  void post_marker() const;
  TempFolder folder_;
  std::wstring exe_;
  KernelHandle process_;
  DWORD pid_ = 0;
  DWORD thread_id_ = 0;
  HWND main_ = nullptr;
};

}  // namespace e2e
