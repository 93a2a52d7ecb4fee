#include "screnc/run.h"

#include <algorithm>
#include <exception>
#include <new>
#include <set>
#include <variant>

#include "encoder/encode_text.h"
#include "encoder/encoded_file.h"
#include "encoder/script_file.h"
#include "screnc/arguments.h"
#include "screnc/messages.h"

namespace screnc {

namespace {

// The encoded file's content, made as the file is written.
struct Encoded {
  Content content;
  std::size_t blocks = 0;
  // Why making the content failed, where it did.
  std::optional<Failure> failure;
  std::optional<EncodeError> error;
};

// A failure of one file, as its message names it.
struct FileFailure {
  Failure failure;
  std::u16string_view file;
  TextForm form = TextForm::Legacy;
  std::uint64_t size = 0;
};

int report(const System& system, const FileFailure& failed) {
  system.print(failure_message(failed.failure, failed.file, failed.form, failed.size),
               Stream::Error);
  return kFileFailed;
}

int report(const System& system, const EncodeError& error, std::u16string_view input) {
  system.print(encode_error_message(error, input), Stream::Error);
  return error.problem() == EncodeError::Problem::BlockMismatch ? kInternalError : kFileFailed;
}

// What the paths allow before anything is read.
struct Plan {
  FileKind kind;
  bool output_there = false;
};

std::variant<Plan, FileFailure> plan(const Arguments& a, std::u16string_view input,
                                     std::u16string_view output, const Files& files) {
  const PathStyle style = files.path_style();
  if (!files.exists(input)) return FileFailure{Failure::InputMissing, input};
  // /e is for what the extension does not tell.
  std::optional<FileKind> kind = file_kind_for_extension(extension(input, style));
  if (!kind) kind = a.assumed_kind;
  if (!kind) return FileFailure{Failure::UnknownExtension, input};
  const std::u16string_view folder = folder_of(output, style);
  if (!folder.empty() && !files.is_folder(folder))
    return FileFailure{Failure::NoOutputFolder, output};
  if (files.is_special(output)) return FileFailure{Failure::OutputNotFile, output};
  if (!a.force && files.same_file(input, output))
    return FileFailure{Failure::OutputIsInput, output};
  const bool output_there = files.exists(output);
  if (!a.force && output_there) return FileFailure{Failure::OutputExists, output};
  return Plan{*kind, output_there};
}

// The input as read, when it was read whole in a form the script host can read.
std::optional<FileFailure> read_failure(const InputFile& file, std::u16string_view input) {
  switch (file.problem) {
    case InputFile::Problem::None:
      break;
    case InputFile::Problem::TooLarge:
      return FileFailure{Failure::InputTooLarge, input, TextForm::Legacy, file.size};
    case InputFile::Problem::ShortRead:
      return FileFailure{Failure::ShortRead, input, TextForm::Legacy, file.size};
    case InputFile::Problem::Unreadable:
      return FileFailure{Failure::InputUnreadable, input};
  }
  if (const ForeignForm foreign = foreign_form(file.bytes()); foreign != ForeignForm::None)
    return FileFailure{
        foreign == ForeignForm::Utf16Be ? Failure::Utf16BigEndian : Failure::Utf16Unmarked, input};
  return std::nullopt;
}

// A plain script, read as text piece by piece: a file of any size the input may
// have is encoded in little more memory than its bytes.
std::optional<FileFailure> script_content(Encoded& encoded, ScriptFile& script,
                                          std::u16string_view input, TextForm form,
                                          TextForm written_form, std::size_t size) {
  switch (script.measure()) {
    case ScriptFile::Problem::None:
      break;
    case ScriptFile::Problem::TooLong:
      return FileFailure{Failure::InputTooLarge, input, form, size};
    default:
      return FileFailure{Failure::NotText, input, form};
  }
  encoded.blocks = 1;
  encoded.content = [&encoded, &script,
                     written_form](const std::function<bool(std::string_view)>& write) {
    switch (script.write(written_form, write)) {
      case ScriptFile::Problem::None:
        return true;
      case ScriptFile::Problem::NotWritable:
        encoded.failure = Failure::NotWritable;
        break;
      case ScriptFile::Problem::NotText:
        encoded.failure = Failure::NotText;
        break;
      case ScriptFile::Problem::BlockMismatch:
        encoded.error.emplace(EncodeError::Problem::BlockMismatch, script.block_line());
        break;
      default:
        break;
    }
    return false;
  };
  return std::nullopt;
}

// A page, encoded as it is written: a page that is not closed leaves nothing.
void page_content(Encoded& encoded, const std::u16string& text, std::string_view bytes,
                  TextForm written_form, FileKind kind, const Arguments& a,
                  const LegacyCodec& legacy) {
  encoded.content = [&encoded, &text, bytes, written_form, kind, &a,
                     &legacy](const std::function<bool(std::string_view)>& write) {
    EncodedFile page(text, bytes, written_form, legacy, write);
    try {
      encoded.blocks = encode_text(text, kind, a.options, page);
    } catch (const EncodeError& e) {
      encoded.error = e;
      return false;
    }
    if (page.take()) return true;
    if (!page.write_failed()) encoded.failure = Failure::NotWritable;
    return false;
  };
}

int encode_file(const Arguments& a, std::u16string_view input, std::u16string_view output,
                const System& system) {
  const std::variant<Plan, FileFailure> planned = plan(a, input, output, system.files);
  if (const FileFailure* refused = std::get_if<FileFailure>(&planned))
    return report(system, *refused);
  const auto [kind, output_there] = std::get<Plan>(planned);
  const InputFile file = system.files.read_file(input);
  if (const std::optional<FileFailure> unread = read_failure(file, input))
    return report(system, *unread);
  const std::string_view bytes = file.bytes();
  const TextForm form = text_form(bytes);
  const TextForm written_form = output_form(form, kind);

  // Both ways keep the source's text alive until the file is written.
  ScriptFile script(bytes, system.legacy);
  std::optional<std::u16string> text;
  Encoded encoded;
  if (is_plain_script(kind)) {
    if (const std::optional<FileFailure> refused =
            script_content(encoded, script, input, form, written_form, bytes.size()))
      return report(system, *refused);
  } else {
    text = file_text(bytes, system.legacy);
    if (!text) return report(system, {Failure::NotText, input, form});
    page_content(encoded, *text, bytes, written_form, kind, a, system.legacy);
  }
  switch (system.files.replace_file(output, encoded.content, a.force)) {
    case WriteResult::Written:
      break;
    case WriteResult::Exists:
      return report(system, {Failure::OutputExists, output});
    case WriteResult::Failed:
      if (encoded.error) return report(system, *encoded.error, input);
      // The input's fault, found as it was written.
      if (encoded.failure == Failure::NotText)
        return report(system, {Failure::NotText, input, form});
      if (encoded.failure) return report(system, {*encoded.failure, output, written_form});
      return report(system,
                    {output_there ? Failure::WriteFailed : Failure::NewWriteFailed, output});
  }
  if (!a.silent)
    system.print(success_message(input, output, encoded.blocks, form, written_form),
                 Stream::Output);
  return kSuccess;
}

// One input on its own: whatever goes wrong is this file's failure.
int encode_guarded(const Arguments& a, std::u16string_view input, std::u16string_view output,
                   const System& system) {
  try {
    return encode_file(a, input, output, system);
  } catch (const std::bad_alloc&) {
    system.print(failure_message(Failure::OutOfMemory, input), Stream::Error);
    return kInternalError;
  } catch (const std::exception&) {
    // A name the system cannot take (a lone surrogate on Linux).
    system.print(failure_message(Failure::Unexpected, input), Stream::Error);
    return kFileFailed;
  }
}

// The files an input names: itself, or the files a pattern in its name matches
// in the pattern's folder, in the order of their names.
std::vector<std::u16string> expanded(std::u16string_view input, const Files& files) {
  const PathStyle style = files.path_style();
  if (!is_pattern(name_of(input, style))) return {std::u16string(input)};
  const std::u16string pattern = files.compared_name(name_of(input, style));
  const std::u16string_view folder = folder_of(input, style);
  std::vector<std::u16string> found;
  for (const std::u16string& name : files.file_names(folder).value_or(std::vector<std::u16string>{}))
    if (matches_pattern(files.compared_name(name), pattern))
      found.push_back(std::u16string(folder) + name);
  std::sort(found.begin(), found.end());
  return found;
}

int encode_into_folder(const Arguments& a, const System& system) {
  const Files& files = system.files;
  const PathStyle style = files.path_style();
  if (!files.is_folder(a.output)) {
    system.print(argument_error_message({ArgumentError::Problem::NoFolder, a.output}),
                 Stream::Error);
    return kBadCommandLine;
  }
  std::set<std::u16string> written;
  std::size_t encoded = 0, failed = 0;
  int status = kSuccess;
  const auto count = [&](int result) {
    (result == kSuccess ? encoded : failed) += 1;
    status = std::max(status, result);
  };
  for (const std::u16string& input : a.inputs) {
    const std::vector<std::u16string> names = expanded(input, files);
    if (names.empty()) {
      system.print(failure_message(Failure::NoMatch, input), Stream::Error);
      count(kFileFailed);
    }
    for (const std::u16string& name : names) {
      std::optional<FileKind> kind = file_kind_for_extension(extension(name, style));
      if (!kind) kind = a.assumed_kind;
      const std::u16string output_name = encoded_name(name_of(name, style), kind);
      const std::u16string output = path_steps(style).joined(a.output, output_name);
      if (written.contains(files.compared_name(output_name))) {
        system.print(failure_message(Failure::OutputTaken, output), Stream::Error);
        count(kFileFailed);
        continue;
      }
      const int result = encode_guarded(a, name, output, system);
      if (result == kSuccess) written.insert(files.compared_name(output_name));
      count(result);
    }
  }
  if (!a.silent) system.print(summary_message(encoded, failed), failed ? Stream::Error : Stream::Output);
  return status;
}

}  // namespace

int run_screnc(const std::vector<std::u16string>& args, const System& system) {
  const PathStyle style = system.files.path_style();
  const std::variant<Arguments, HelpRequest, ArgumentError> parsed = parse_arguments(args, style);
  if (const ArgumentError* error = std::get_if<ArgumentError>(&parsed)) {
    system.print(argument_error_message(*error), Stream::Error);
    return kBadCommandLine;
  }
  if (std::holds_alternative<HelpRequest>(parsed)) {
    system.print(usage_text(), Stream::Output);
    return kSuccess;
  }
  const Arguments& arguments = std::get<Arguments>(parsed);
  // "/x a.vbs b.vbe": a switch mistyped, or a file at the root that is not there.
  for (const std::u16string& input : arguments.inputs) {
    if (may_be_switch(input, style) && !system.files.exists(input)) {
      system.print(argument_error_message({ArgumentError::Problem::UnknownSwitchOrInput, input}),
                   Stream::Error);
      return kBadCommandLine;
    }
  }
  if (arguments.into_folder) return encode_into_folder(arguments, system);
  return encode_guarded(arguments, arguments.inputs[0], arguments.output, system);
}

}  // namespace screnc
