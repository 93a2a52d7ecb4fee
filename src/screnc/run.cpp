#include "screnc/run.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <variant>

#include "encoder/encode_text.h"
#include "screnc/arguments.h"
#include "screnc/file_io.h"
#include "screnc/messages.h"

namespace fs = std::filesystem;

namespace {

int encode_file(const Arguments& a, const System& system) {
  const auto fail = [&](Failure failure, std::u16string_view file,
                        TextForm form = TextForm::Legacy) {
    system.print(failure_message(failure, file, form));
    return kFileFailed;
  };
  const fs::path input(a.input);
  const fs::path output(a.output);
  std::error_code error;
  if (!fs::exists(input, error)) return fail(Failure::InputMissing, a.input);
  // /e is for what the extension does not tell.
  std::optional<FileKind> kind = file_kind_for_extension(input.extension().u16string());
  if (!kind) kind = a.assumed_kind;
  if (!kind) return fail(Failure::UnknownExtension, a.input);
  const fs::path folder = output.parent_path();
  if (!folder.empty() && !fs::is_directory(folder, error))
    return fail(Failure::NoOutputFolder, a.output);
  if (!a.force && fs::equivalent(input, output, error))
    return fail(Failure::OutputIsInput, a.output);
  if (!a.force && fs::exists(output, error)) return fail(Failure::OutputExists, a.output);

  const std::optional<std::string> bytes = read_file(input);
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
  if (!replace_file(output, *written)) return fail(Failure::WriteFailed, a.output);
  if (!a.silent) system.print(success_message(a.input, a.output, encoded.blocks.size()));
  return kSuccess;
}

}  // namespace

int run_screnc(const std::vector<std::u16string>& args, const System& system) {
  const std::variant<Arguments, HelpRequest, ArgumentError> parsed = parse_arguments(args);
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
  } catch (const std::exception&) {
    // A name the system cannot take (a lone surrogate), or no memory left.
    system.print(failure_message(Failure::Unexpected, arguments.input));
    return kFileFailed;
  }
}
