#pragma once
// What screnc tells the user, in Japanese. Each text names the file concerned;
// lines are separated by '\n'.
#include <cstddef>
#include <string>
#include <string_view>

#include "encoder/encode_error.h"
#include "encoder/text_form.h"
#include "screnc/arguments.h"

namespace screnc {

enum class Failure {
  InputMissing,
  NoMatch,          // a pattern that names no file
  InputUnreadable,
  UnknownExtension,
  NoOutputFolder,
  OutputIsInput,
  OutputExists,
  OutputNotFile,    // a folder, device or pipe: nothing replaces it
  OutputTaken,      // another input of the same run was written there
  NotText,          // the input is not text in its character set
  NotWritable,      // the output has a character its character set lacks
  WriteFailed,
  OutOfMemory,
  Unexpected,       // the system refused in a way not foreseen here
};

std::u16string usage_text();
// Says when the output's form differs from the input's.
std::u16string success_message(std::u16string_view input, std::u16string_view output,
                               std::size_t blocks, TextForm read, TextForm written);
// After many inputs.
std::u16string summary_message(std::size_t encoded, std::size_t failed);
std::u16string argument_error_message(const ArgumentError& error);
std::u16string argument_not_utf8_message();
// `form` is the character set of the file named, for NotText and NotWritable.
std::u16string failure_message(Failure failure, std::u16string_view file,
                               TextForm form = TextForm::Legacy);
std::u16string encode_error_message(const EncodeError& error, std::u16string_view file);

}  // namespace screnc
