#pragma once
// What screnc tells the user, in Japanese. Each text names the file concerned;
// lines are separated by '\n'.
#include <cstddef>
#include <cstdint>
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
  InputTooLarge,    // with its size
  ShortRead,        // with the size the file claimed
  Utf16BigEndian,
  Utf16Unmarked,    // looks like UTF-16 LE without a byte order mark
  UnknownExtension,
  NoOutputFolder,
  OutputIsInput,
  OutputExists,     // also one made by someone else while the run went on
  OutputNotFile,    // a folder, device or pipe: nothing replaces it
  OutputTaken,      // another input of the same run was written there
  NotText,          // the input is not text in its character set
  NotWritable,      // the output has a character its character set lacks
  WriteFailed,      // the file there before is as it was
  NewWriteFailed,   // no file was there before
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
// `form` is the character set of the file named, for NotText and NotWritable;
// `size` its size in bytes, for InputTooLarge and ShortRead.
std::u16string failure_message(Failure failure, std::u16string_view file,
                               TextForm form = TextForm::Legacy, std::uint64_t size = 0);
std::u16string encode_error_message(const EncodeError& error, std::u16string_view file);

}  // namespace screnc
