#pragma once
// Several scripts at once: asked once, then each file a run of its own through
// the run's steps, one after the other, and one report at the end.
#include <functional>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/platform.h"
#include "settings/settings.h"

namespace mosa {

// How many file names the question lists before it counts the rest.
inline constexpr size_t kListedNames = 10;

// Where a file of the batch goes: the output's path as the settings name it, or
// empty for a file whose extension is none of the script types.
std::wstring batch_output(const Settings& settings, const std::wstring& input);

class BatchRun {
 public:
  BatchRun(Dialogs& dialogs, Files& files, Processes& processes)
      : dialogs_(dialogs), files_(files), processes_(processes) {}

  // Asks whether to encode the inputs and, on Yes, encodes them with the
  // record's switches; the window's fields stay as they are. `save_settings`
  // runs once the outcome has been reported.
  void run(const Settings& settings, const std::vector<std::wstring>& inputs, Window& window,
           const std::function<void()>& save_settings);

 private:
  struct NotWritten {
    std::wstring input, reason;
  };

  bool confirmed(const Settings& settings, const std::vector<std::wstring>& inputs);
  // Runs one input; its reason when it was not written, empty when it was.
  std::wstring encode(const Settings& settings, const std::wstring& input, Window& window,
                      bool& stopped);
  // The encoder's messages of the file just run, from the log its batch wrote.
  void keep_encoder_messages();
  void write_log(const std::vector<NotWritten>& not_written);

  Dialogs& dialogs_;
  Files& files_;
  Processes& processes_;
  std::vector<std::wstring> log_;
  bool reached_encoder_ = false;
};

}  // namespace mosa
