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

// Where a message goes: what was done, or what went wrong.
enum class Stream { Output, Error };

struct System {
  // The code page of files in no Unicode form.
  const LegacyCodec& legacy;
  // Shows a message; lines are separated by '\n'.
  std::function<void(std::u16string_view message, Stream stream)> print;
  const Files& files;
};

int run_screnc(const std::vector<std::u16string>& args, const System& system);

}  // namespace screnc
