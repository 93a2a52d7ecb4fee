#include "screnc/run.h"

#include <exception>
#include <new>
#include <variant>

#include "encoder/encode_text.h"
#include "screnc/arguments.h"
#include "screnc/messages.h"

namespace {

int encode_file(const Arguments& a, const System& system) {
  const auto fail = [&](Failure failure, std::u16string_view file,
                        TextForm form = TextForm::Legacy) {
    system.print(failure_message(failure, file, form));
    return kFileFailed;
  };
  const Files& files = system.files;
  if (!files.exists(a.input)) return fail(Failure::InputMissing, a.input);
  // /e is for what the extension does not tell.
  std::optional<FileKind> kind = file_kind_for_extension(extension(a.input));
  if (!kind) kind = a.assumed_kind;
  if (!kind) return fail(Failure::UnknownExtension, a.input);
  const std::u16string_view folder = folder_of(a.output);
  if (!folder.empty() && !files.is_folder(folder)) return fail(Failure::NoOutputFolder, a.output);
  if (files.is_special(a.output)) return fail(Failure::OutputNotFile, a.output);
  if (!a.force && files.same_file(a.input, a.output)) return fail(Failure::OutputIsInput, a.output);
  if (!a.force && files.exists(a.output)) return fail(Failure::OutputExists, a.output);

  const std::optional<std::string> bytes = files.read_file(a.input);
  if (!bytes) return fail(Failure::InputUnreadable, a.input);
  const TextForm form = text_form(*bytes);
  const LegacyCodec& legacy = system.legacy_codec(*bytes);
  const std::optional<std::u16string> text = file_text(*bytes, legacy);
  if (!text) return fail(Failure::NotText, a.input, form);

  EncodedText encoded;
  try {
    encoded = encode_text(*text, *kind, a.options);
  } catch (const EncodeError& e) {
    system.print(encode_error_message(e, a.input));
    return e.problem() == EncodeError::Problem::BlockMismatch ? kInternalError : kFileFailed;
  }
  const std::optional<std::string> written = file_bytes(encoded.text, form, legacy);
  if (!written) return fail(Failure::NotWritable, a.output, form);
  if (!files.replace_file(a.output, *written)) return fail(Failure::WriteFailed, a.output);
  if (!a.silent) system.print(success_message(a.input, a.output, encoded.blocks.size()));
  return kSuccess;
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
  try {
    return encode_file(arguments, system);
  } catch (const std::bad_alloc&) {
    system.print(failure_message(Failure::OutOfMemory, arguments.input));
    return kInternalError;
  } catch (const std::exception&) {
    // A name the system cannot take (a lone surrogate on Linux).
    system.print(failure_message(Failure::Unexpected, arguments.input));
    return kFileFailed;
  }
}
