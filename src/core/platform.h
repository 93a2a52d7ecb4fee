#pragma once
// Every service the forms need from the outside world. The Win32 program and the
// tests each provide one implementation. Failures are thrown as PlatformError; the
// handlers that have an error trap catch them, no other handler does.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class frm2;

struct PlatformError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Message box styles and answers.
enum MessageStyle { kYesNoCancel = 3, kYesNo = 4, kExclamation = 48, kInformation = 64 };
enum Answer { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

// The open-file dialog object: its properties persist from one opening to the next.
struct FileDialog {
  std::wstring title;
  std::wstring init_dir;
  std::wstring file_name;  // set before showing; holds the chosen path after OK
  std::wstring filter;     // "description|pattern"
};

enum class ShowMode { Normal, Minimized };

// Which 8-bit code page a text file is written in: the system's ANSI one, or the
// OEM one that the command interpreter reads batch files in.
enum class CodePage { Ansi, Oem };

class Process {
 public:
  virtual ~Process() = default;
  // Waits at most timeout_ms for the process to end; true when it has ended.
  virtual bool wait(int timeout_ms) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual int message_box(const std::wstring& text, const std::wstring& title, int style) = 0;
  // Shows the dialog modally; on OK its file_name holds the chosen path, on cancel
  // every property keeps its value.
  virtual void show_open_dialog(FileDialog& dialog) = 0;
  // Shows the folder chooser modally until its window is unloaded.
  virtual void show_modal(frm2& form) = 0;

  // The folder that holds the program, without a trailing backslash.
  virtual std::wstring app_folder() = 0;
  // Searches the directory for an ordinary file at exactly this path and returns
  // the name found, or the empty text. Directories, hidden and system files count
  // as missing. Throws for a path the system rejects.
  virtual std::wstring find_file(const std::wstring& path) = 0;
  // Writes the lines, each ended by CR LF, converted to the code page. The file is
  // replaced whole or not at all. Throws when a character has no form in the code
  // page or the file cannot be written.
  virtual void write_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                               CodePage code_page) = 0;
  // Reads at most max_bytes of the file, converted from the ANSI code page. Throws
  // when the file cannot be opened or read.
  virtual std::wstring read_text_file(const std::wstring& path, size_t max_bytes) = 0;
  virtual void delete_file(const std::wstring& path) = 0;
  // Whether every character of the text has an exact form in the code page.
  virtual bool fits_code_page(const std::wstring& text, CodePage code_page) = 0;
  // The 8.3 form of a path; for a file that does not exist yet, the 8.3 form of its
  // folder followed by its name. Empty when there is none.
  virtual std::wstring short_path(const std::wstring& path) = 0;

  // Starts a command line without waiting; throws when it cannot be started.
  virtual std::unique_ptr<Process> start_process(const std::wstring& command_line,
                                                 ShowMode show) = 0;
  // Starts a batch file through the command interpreter without waiting, so that
  // no character of its path is interpreted on the way.
  virtual std::unique_ptr<Process> start_batch(const std::wstring& batch_path, ShowMode show) = 0;
  virtual bool another_instance_running() = 0;

  // Opens a page through the "InternetExplorer.Application" automation object.
  virtual void open_with_automation(const std::wstring& path) = 0;
  // Opens a document with the program the system associates with it.
  virtual void open_with_default_program(const std::wstring& path) = 0;

  // Drives and folders, for the folder chooser.
  virtual std::vector<std::wstring> drives() = 0;  // "c:", "d:", ...
  virtual std::wstring current_folder() = 0;       // the process's current folder
  // The current folder of a drive; throws when the drive cannot be read.
  virtual std::wstring drive_folder(const std::wstring& drive) = 0;
  // The names of the folders in a folder, sorted; throws when it cannot be read.
  virtual std::vector<std::wstring> subfolders(const std::wstring& folder) = 0;
};
