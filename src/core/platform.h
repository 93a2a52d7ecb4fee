#pragma once
// The services the models need from the outside world, in narrow interfaces so
// that each part of the program names exactly what it uses. The Win32 program and
// the tests each provide one implementation. Failures are thrown as PlatformError;
// the handlers that have an error trap catch them, no other handler does.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mosa {

struct PlatformError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// There is no file or folder at the path: the one failure of a read that means
// "absent" rather than "unreachable" or "refused".
struct FileNotFound : PlatformError {
  using PlatformError::PlatformError;
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
  // Whether the user may choose several files; after OK with more than one,
  // file_name holds the first and chosen all of them, else chosen is empty.
  bool multiple = false;
  std::vector<std::wstring> chosen;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int message_box(const std::wstring& text, const std::wstring& title, int style) = 0;
  // Shows the dialog modally; on OK its file_name holds the chosen path, on cancel
  // every property keeps its value. Throws when the dialog fails.
  virtual void show_open_dialog(FileDialog& dialog) = 0;
};

// Which 8-bit code page a text file is written in: the system's ANSI one, or the
// OEM one that the command interpreter reads batch files in.
enum class CodePage { Ansi, Oem };

// A point in time of the file system's clock, in milliseconds.
using FileTime = std::int64_t;

// What tells one state of a file from another: a writer that leaves all of
// these as they were has not written it.
struct FileStamp {
  FileTime written;
  std::uint64_t size;
  std::uint64_t volume, index;  // the file's identity, which a replacement changes
  bool operator==(const FileStamp&) const = default;
};

class Files {
 public:
  virtual ~Files() = default;
  // The folder that holds the program, without a trailing backslash.
  virtual std::wstring app_folder() = 0;
  // Searches the directory for an ordinary file at exactly this path and returns
  // the name found, or the empty text when there is none. Directories, hidden and
  // system files count as missing. Throws for a path the system rejects.
  virtual std::wstring find_file(const std::wstring& path) = 0;
  // Whether a folder is at this path; false also when the system cannot tell.
  virtual bool is_folder(const std::wstring& path) = 0;
  // The stamp of the file at this path; none when there is no file.
  virtual std::optional<FileStamp> stamp(const std::wstring& path) = 0;
  virtual FileTime now() = 0;
  // Lets the time pass, the windows of the program painting meanwhile.
  virtual void wait(FileTime milliseconds) = 0;
  // Writes the lines, each ended by CR LF, converted to the code page. The file is
  // replaced whole or not at all; a read-only, hidden or system file is refused.
  // Throws when a character has no form in the code page or the file cannot be written.
  virtual void write_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                               CodePage code_page) = 0;
  // Reads at most max_bytes of the file, converted from the ANSI code page. Throws
  // FileNotFound when there is nothing at the path, PlatformError when the file
  // cannot be opened or read.
  virtual std::wstring read_text_file(const std::wstring& path, size_t max_bytes) = 0;
  // Reads a script file whole, in the character set it is written in (a UTF-8 or
  // UTF-16 byte order mark, else the ANSI code page), as UTF-16 text. Throws when
  // it cannot be read or is not text in its character set.
  virtual std::u16string read_script(const std::wstring& path) = 0;
  // Adds the lines, each ended by CR LF, converted to the code page, to the end of
  // the file, which is made where there is none. Throws as write_text_file does.
  virtual void append_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                                CodePage code_page) = 0;
  virtual void delete_file(const std::wstring& path) = 0;
  // Copies the file, attributes included, to a new file marked hidden in the same
  // folder. Throws when a file is at `copy` already or the copy cannot be made whole.
  virtual void copy_hidden(const std::wstring& path, const std::wstring& copy) = 0;
  // Puts the file at `from` in the place of the one at `to` in one step, with the
  // hidden mark taken off. Throws when it cannot, leaving both as they were.
  virtual void move_over(const std::wstring& from, const std::wstring& to) = 0;
  // Whether every character of the text has an exact form in the code page.
  virtual bool fits_code_page(const std::wstring& text, CodePage code_page) = 0;
  // The 8.3 form of a path; for a file that does not exist yet, the 8.3 form of its
  // folder followed by its name. Empty when there is none.
  virtual std::wstring short_path(const std::wstring& path) = 0;
};

enum class ShowMode { Normal, Minimized };

class Process {
 public:
  virtual ~Process() = default;
  // Waits for the process to end and returns its exit status. The windows of
  // the program keep painting meanwhile; each time the user asks to stop,
  // stop_wanted decides, and when it says so every process started with this
  // one is ended and there is no status, unless the process had ended by then.
  // Throws when it cannot be waited for.
  virtual std::optional<int> finish(const std::function<bool()>& stop_wanted) = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts a program of the system's own folder (notepad.exe, say) with the
  // arguments, without waiting; throws when it cannot be started.
  virtual std::unique_ptr<Process> start_system_program(const std::wstring& program,
                                                        const std::wstring& arguments,
                                                        ShowMode show) = 0;
  // Starts a batch file through the command interpreter without waiting, so that
  // no character of its path is interpreted on the way. The processes it starts
  // end at the latest with the returned object, or with the program.
  virtual std::unique_ptr<Process> start_batch(const std::wstring& batch_path, ShowMode show) = 0;
  virtual bool another_instance_running() = 0;
  // Hands the files to the window of the instance that runs, which takes them
  // as dropped, or with none brings that window to the front. False when there
  // was no window to take them.
  virtual bool hand_to_running_window(const std::vector<std::wstring>& files) = 0;
};

class Documents {
 public:
  virtual ~Documents() = default;
  // Opens a page through the "InternetExplorer.Application" automation object.
  virtual void open_with_automation(const std::wstring& path) = 0;
  // Opens a document with the program the system associates with it.
  virtual void open_with_default_program(const std::wstring& path) = 0;
};

// Drives and folders, for the folder chooser.
class Folders {
 public:
  virtual ~Folders() = default;
  virtual std::vector<std::wstring> drives() = 0;  // "c:", "d:", ...
  virtual std::wstring current_folder() = 0;       // the process's current folder
  // The current folder of a drive; throws when the drive cannot be read.
  virtual std::wstring drive_folder(const std::wstring& drive) = 0;
  // The names of the folders in a folder, sorted; throws when it cannot be read.
  virtual std::vector<std::wstring> subfolders(const std::wstring& folder) = 0;
  // The names of the ordinary files in a folder (no hidden or system ones, as
  // the existence test counts them); throws when it cannot be read.
  virtual std::vector<std::wstring> files_in(const std::wstring& folder) = 0;
};

}  // namespace mosa
