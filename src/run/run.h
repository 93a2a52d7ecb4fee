#pragma once
// The run: check, compose the command line, write and start the batch file, wait
// for the encoder, report what came of it, save, and remove the batch file again.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/control.h"
#include "core/platform.h"
#include "settings/settings.h"

namespace mosa {

// The word on a file that is not there: the run's, and a handed file's before it
// is taken as dropped.
void report_missing(Dialogs& dialogs, const std::wstring& path);

// The word on a path the encoder's command line cannot carry, naming the first
// character it cannot; empty where it can carry the path.
std::wstring uncarried_by_command_line(Files& files, const std::wstring& path);

// A run that ends before the encoder starts, for a reason the user can read.
struct RunRefused : PlatformError {
  explicit RunRefused(std::wstring why) : PlatformError("run refused"), reason(std::move(why)) {}
  std::wstring reason;
};

// Takes input from the window for as long as it lives, and leaves it as it found it.
class BusyWindow {
 public:
  explicit BusyWindow(Window& window) : window_(window), was_busy_(window.busy()) {
    window_.set_busy(true);
  }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;
  ~BusyWindow() { window_.set_busy(was_busy_); }

 private:
  Window& window_;
  bool was_busy_;
};

// One file for the encoder, its paths as the batch runs it (taken from the
// application folder).
struct EncodeJob {
  std::wstring encoder, input, output, switches, script_ext;
};

enum class Encoded { Written, Failed, Stopped };

// What came of one file: for a file not written well, the program's word on
// what it found and on what became of the output the run had set aside.
struct EncodeOutcome {
  Encoded encoded;
  std::wstring fault, note;
  // Those words as the log's lines, each only where there is one.
  std::vector<std::wstring> log_lines() const;
};

class EncodeRun {
 public:
  EncodeRun(Dialogs& dialogs, Files& files, Processes& processes)
      : dialogs_(dialogs), files_(files), processes_(processes) {}

  // One run over the record under one error trap. `window` takes no input while
  // the encoder works, but may be asked to stop it; `save_settings` runs once the
  // outcome has been reported.
  void run(const Settings& settings, Window& window, const std::function<void()>& save_settings);

  // The job through the batch file and the encoder, waited for, its output
  // checked; an existing output is set aside for the length of it and put back
  // unless the run wrote a good one. Throws RunRefused when the encoder could
  // not be started, or a copy an earlier run set aside is still there.
  EncodeOutcome encode_file(const EncodeJob& job, Window& window);
  // The existence test of a path the run is about to hand on; throws RunRefused
  // for a path no file can have or the system rejects.
  bool exists(const std::wstring& path);

 private:
  void run_steps(const Settings& settings, Window& window,
                 const std::function<void()>& save_settings);
  // The failure message, which points the user to the log; the note says what
  // became of an output the run had set aside.
  void report_failure(const Settings& settings, const std::wstring& note = L"");
  // Ends the log with the program's own word on the run.
  void append_log(const std::vector<std::wstring>& lines);
  // What was wrong with the run that ended, in a line of the log; empty when
  // it wrote a good output.
  std::wstring fault_of(const std::optional<int>& status, const std::optional<FileStamp>& before,
                        const std::wstring& output, const std::wstring& input,
                        const std::wstring& script_ext);
  // A run that ends before the encoder starts leaves its reason in the log, so
  // the log the failure message names is about this run.
  void write_log_reason(const std::wstring& reason);
  // The path as the batch file can carry it exactly.
  std::wstring batch_form(const std::wstring& path);
  // Lets the clock step of an output written moments ago pass, so that a write
  // by this run cannot leave the same time behind.
  void outwait_clock_step(const std::optional<FileStamp>& before);
  // Whether the output holds what an encoder writes: every block it wrote whole
  // and valid, and a plain script's text in at least one.
  bool encoded_well(const std::wstring& output, const std::wstring& input,
                    const std::wstring& script_ext);

  Dialogs& dialogs_;
  Files& files_;
  Processes& processes_;
};

}  // namespace mosa
