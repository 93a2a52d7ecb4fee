#pragma once
// One run of screnc over the arguments it was given, apart from how the system
// hands them over and shows its messages.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "encoder/text_form.h"
#include "screnc/files.h"

namespace screnc {

// Exit status: 0 only when every output was written (or usage was asked for);
// with many inputs the worst of theirs.
enum ExitStatus { kSuccess = 0, kFileFailed = 1, kBadCommandLine = 2, kInternalError = 3 };

struct System {
  // The code page of files in no Unicode form.
  const LegacyCodec& legacy;
  // Shows a message; lines are separated by '\n'.
  std::function<void(std::u16string_view message)> print;
  const Files& files;
  // Where an absolute path starts with '/', a name that starts with it and is
  // no switch is a path.
  bool slash_starts_paths = false;
};

int run_screnc(const std::vector<std::u16string>& args, const System& system);

}  // namespace screnc
