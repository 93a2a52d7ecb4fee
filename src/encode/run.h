#pragma once
// The run: check, compose the command line, write and start the batch file, wait
// for the encoder, report what came of it, save, and remove the batch file again.
#include <functional>

#include "core/control.h"
#include "core/platform.h"
#include "settings/settings.h"

class EncodeRun {
 public:
  EncodeRun(Dialogs& dialogs, Files& files, Processes& processes)
      : dialogs_(dialogs), files_(files), processes_(processes) {}

  // One run over the record under one error trap. `window` takes no input while
  // the encoder works; `save_settings` runs once the outcome has been reported.
  void run(const Settings& settings, Window& window, const std::function<void()>& save_settings);

 private:
  void run_steps(const Settings& settings, Window& window,
                 const std::function<void()>& save_settings);
  // The failure message, which points the user to the log.
  void report_failure(const Settings& settings);
  // The existence test of a path the run is about to hand on.
  bool exists(const std::wstring& path);
  // Whether the output holds a file written since the encoder was started.
  bool written_since(const std::wstring& path, std::optional<FileTime> before, FileTime started);
  // Whether the output holds what an encoder writes: every block whole and valid,
  // and a plain script's text in at least one.
  bool encoded_well(const std::wstring& path, const std::wstring& script_ext);

  Dialogs& dialogs_;
  Files& files_;
  Processes& processes_;
};
