#pragma once
// The command line: screnc [/s] [/f] [/xl] [/l language] [/e kind] input output,
// or many inputs into a folder: screnc [switches] input... folder. Switches in any
// case, with '/' or '-'. In the Posix path style a word that starts with '/' and
// names no switch is a path; in the Windows style one is only when another '/'
// follows (a path from the drive's root).
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "encoder/encode_text.h"
#include "encoder/file_kind.h"
#include "screnc/files.h"

namespace screnc {

struct Arguments {
  bool silent = false;  // /s
  bool force = false;   // /f
  EncodeOptions options;
  std::optional<FileKind> assumed_kind;  // /e
  std::vector<std::u16string> inputs;
  // The output file, or with `into_folder` the existing folder every output goes into.
  std::u16string output;
  // More than two names, or a pattern ('*', '?') among the inputs.
  bool into_folder = false;
};

struct HelpRequest {};  // /?

struct ArgumentError {
  enum class Problem {
    UnknownSwitch,
    // A Posix word like "/x" that is no switch and no file either.
    UnknownSwitchOrInput,
    MissingValue,
    BadLanguage,
    BadKind,
    NoFolder,
    WrongCount
  };
  Problem problem;
  std::u16string argument;  // the switch, value or folder at fault
};

std::variant<Arguments, HelpRequest, ArgumentError> parse_arguments(
    const std::vector<std::u16string>& args, PathStyle style);

// Whether an input may be a mistyped switch: a Posix "/word" with no other '/'.
bool may_be_switch(std::u16string_view input, PathStyle style);

}  // namespace screnc
