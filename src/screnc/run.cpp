#include "screnc/run.h"

#include <algorithm>
#include <exception>
#include <new>
#include <set>
#include <variant>

#include "encoder/encode_text.h"
#include "encoder/encoded_file.h"
#include "screnc/arguments.h"
#include "screnc/messages.h"

namespace screnc {

namespace {

int encode_file(const Arguments& a, std::u16string_view input, std::u16string_view output,
                const System& system) {
  const auto fail = [&](Failure failure, std::u16string_view file,
                        TextForm form = TextForm::Legacy) {
    system.print(failure_message(failure, file, form));
    return kFileFailed;
  };
  const Files& files = system.files;
  if (!files.exists(input)) return fail(Failure::InputMissing, input);
  // /e is for what the extension does not tell.
  std::optional<FileKind> kind = file_kind_for_extension(extension(input));
  if (!kind) kind = a.assumed_kind;
  if (!kind) return fail(Failure::UnknownExtension, input);
  const std::u16string_view folder = folder_of(output);
  if (!folder.empty() && !files.is_folder(folder)) return fail(Failure::NoOutputFolder, output);
  if (files.is_special(output)) return fail(Failure::OutputNotFile, output);
  if (!a.force && files.same_file(input, output)) return fail(Failure::OutputIsInput, output);
  if (!a.force && files.exists(output)) return fail(Failure::OutputExists, output);

  const std::optional<std::string> bytes = files.read_file(input);
  if (!bytes) return fail(Failure::InputUnreadable, input);
  const TextForm form = text_form(*bytes);
  const std::optional<std::u16string> text = file_text(*bytes, system.legacy);
  if (!text) return fail(Failure::NotText, input, form);

  const TextForm written_form = output_form(form, *kind);
  EncodedFile file(*text, *bytes, written_form, system.legacy);
  std::size_t blocks = 0;
  try {
    blocks = encode_text(*text, *kind, a.options, file);
  } catch (const EncodeError& e) {
    system.print(encode_error_message(e, input));
    return e.problem() == EncodeError::Problem::BlockMismatch ? kInternalError : kFileFailed;
  }
  const std::optional<std::string> written = file.take();
  if (!written) return fail(Failure::NotWritable, output, written_form);
  if (!files.replace_file(output, *written)) return fail(Failure::WriteFailed, output);
  if (!a.silent)
    system.print(success_message(input, output, blocks, form, written_form));
  return kSuccess;
}

// One input on its own: whatever goes wrong is this file's failure.
int encode_guarded(const Arguments& a, std::u16string_view input, std::u16string_view output,
                   const System& system) {
  try {
    return encode_file(a, input, output, system);
  } catch (const std::bad_alloc&) {
    system.print(failure_message(Failure::OutOfMemory, input));
    return kInternalError;
  } catch (const std::exception&) {
    // A name the system cannot take (a lone surrogate on Linux).
    system.print(failure_message(Failure::Unexpected, input));
    return kFileFailed;
  }
}

// The files an input names: itself, or the files a pattern in its name matches
// in the pattern's folder, in the order of their names.
std::vector<std::u16string> expanded(std::u16string_view input, const Files& files) {
  if (!is_pattern(name_of(input))) return {std::u16string(input)};
  const std::u16string pattern = files.compared_name(name_of(input));
  const std::u16string_view folder = folder_of(input);
  std::vector<std::u16string> found;
  for (const std::u16string& name : files.file_names(folder).value_or(std::vector<std::u16string>{}))
    if (matches_pattern(files.compared_name(name), pattern))
      found.push_back(std::u16string(folder) + name);
  std::sort(found.begin(), found.end());
  return found;
}

int encode_into_folder(const Arguments& a, const System& system) {
  const Files& files = system.files;
  if (!files.is_folder(a.output)) {
    system.print(argument_error_message({ArgumentError::Problem::NoFolder, a.output}));
    return kBadCommandLine;
  }
  std::u16string folder = a.output;
  if (!folder.ends_with(u'\\') && !folder.ends_with(u'/')) folder += files.separator();
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
      system.print(failure_message(Failure::NoMatch, input));
      count(kFileFailed);
    }
    for (const std::u16string& name : names) {
      std::optional<FileKind> kind = file_kind_for_extension(extension(name));
      if (!kind) kind = a.assumed_kind;
      const std::u16string output_name = encoded_name(name_of(name), kind);
      const std::u16string output = folder + output_name;
      if (written.contains(files.compared_name(output_name))) {
        system.print(failure_message(Failure::OutputTaken, output));
        count(kFileFailed);
        continue;
      }
      const int result = encode_guarded(a, name, output, system);
      if (result == kSuccess) written.insert(files.compared_name(output_name));
      count(result);
    }
  }
  if (!a.silent) system.print(summary_message(encoded, failed));
  return status;
}

}  // namespace

int run_screnc(const std::vector<std::u16string>& args, const System& system) {
  const std::variant<Arguments, HelpRequest, ArgumentError> parsed =
      parse_arguments(args, system.slash_starts_paths);
  if (const ArgumentError* error = std::get_if<ArgumentError>(&parsed)) {
    system.print(argument_error_message(*error));
    return kBadCommandLine;
  }
  if (std::holds_alternative<HelpRequest>(parsed)) {
    system.print(usage_text());
    return kSuccess;
  }
  const Arguments& arguments = std::get<Arguments>(parsed);
  if (arguments.into_folder) return encode_into_folder(arguments, system);
  return encode_guarded(arguments, arguments.inputs[0], arguments.output, system);
}

}  // namespace screnc
