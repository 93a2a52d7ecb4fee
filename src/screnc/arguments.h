#pragma once
// The command line: screnc [/s] [/f] [/xl] [/l language] [/e kind] input output.
// Switches in any case, with '/' or '-'. Where `slash_starts_paths`, a word that
// starts with '/' and names no switch is a path; elsewhere one is only when
// another '/' follows (a path from the drive's root).
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "encoder/encode_text.h"
#include "encoder/file_kind.h"

struct Arguments {
  bool silent = false;  // /s
  bool force = false;   // /f
  EncodeOptions options;
  std::optional<FileKind> assumed_kind;  // /e
  std::u16string input, output;
};

struct HelpRequest {};  // /?

struct ArgumentError {
  enum class Problem { UnknownSwitch, MissingValue, BadLanguage, BadKind, WrongCount };
  Problem problem;
  std::u16string argument;  // the switch or value at fault
};

std::variant<Arguments, HelpRequest, ArgumentError> parse_arguments(
    const std::vector<std::u16string>& args, bool slash_starts_paths);
