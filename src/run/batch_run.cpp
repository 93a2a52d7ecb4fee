#include "run/batch_run.h"

#include <algorithm>
#include <cwctype>
#include <set>

#include "core/paths.h"
#include "core/texts.h"
#include "run/command_line.h"
#include "run/run.h"
#include "settings/settings_file.h"
#include "types/script_types.h"

namespace mosa {

namespace {

// What the log keeps of one file's encoder messages.
constexpr size_t kEncoderMessageBytes = 64 * 1024;
constexpr size_t kEncoderMessageLines = 1000;

// Two spellings of one path on a file system that ignores case.
std::wstring folded(std::wstring path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return path;
}

}  // namespace

std::wstring batch_output(const Settings& settings, const std::wstring& input) {
  const int type = script_type_position(extension_of(input));
  if (type < 0) return L"";
  const InputParts parts = split_path(input);
  const std::wstring folder = settings.same_folder ? parts.folder + L"\\" : settings.out_folder;
  return folder + parts.base + output_suffix(kScriptTypes[type], settings.script_lang);
}

void BatchRun::run(const Settings& s, const std::vector<std::wstring>& inputs, Window& window,
                   const std::function<void()>& save_settings) {
  if (!confirmed(s, inputs)) return;
  EncodeRun single(dialogs_, files_, processes_);
  try {
    if (!single.exists(resolve_against(files_.app_folder(), s.encoder_path))) {
      report_missing(dialogs_, s.encoder_path);
      return;
    }
  } catch (const RunRefused& refused) {
    dialogs_.message_box(refused.reason, texts::kErrorTitle, kExclamation);
    return;
  }

  std::vector<NotWritten> not_written;
  std::set<std::wstring> outputs;
  bool stopped = false;
  {
    const BusyWindow busy(window);
    for (size_t i = 0; i < inputs.size(); ++i) {
      window.set_progress(static_cast<int>(i + 1), static_cast<int>(inputs.size()));
      std::wstring reason;
      const std::wstring output = resolve_against(files_.app_folder(), batch_output(s, inputs[i]));
      if (stopped)
        reason = texts::kStoppedEarlier;
      else if (!output.empty() && !outputs.insert(folded(output)).second)
        reason = texts::output_overlaps(output);
      else
        reason = encode(s, inputs[i], window, stopped);
      if (!reason.empty()) not_written.push_back({inputs[i], reason});
    }
    window.set_progress(0, 0);
  }
  write_log(not_written);
  if (not_written.empty())
    dialogs_.message_box(texts::all_encoded(inputs.size()), texts::kReportTitle, kInformation);
  else
    dialogs_.message_box(texts::some_encoded(inputs.size(), inputs.size() - not_written.size()),
                         texts::kReportTitle, kExclamation);
  save_settings();
  // A batch file that nothing wrote is not there to remove, nor is one when
  // every file that came this far was refused before its batch was written.
  if (reached_encoder_) {
    try {
      files_.delete_file(files_.app_folder() + kBatchFileName);
    } catch (const PlatformError&) {
    }
  }
}

bool BatchRun::confirmed(const Settings& s, const std::vector<std::wstring>& inputs) {
  std::vector<std::wstring> listed;
  for (size_t i = 0; i < std::min(inputs.size(), kListedNames); ++i)
    listed.push_back(std::wstring(kBackslashPaths.name_of(inputs[i])));
  const std::wstring question =
      texts::several_question(inputs.size(), listed, s.out_folder, s.same_folder);
  return dialogs_.message_box(question, texts::kConfirmTitle, kYesNo) == kYes;
}

std::wstring BatchRun::encode(const Settings& s, const std::wstring& input_as_given,
                              Window& window, bool& stopped) {
  const std::wstring folder = files_.app_folder();
  const int type = script_type_position(extension_of(input_as_given));
  if (type < 0) return texts::kUnsupportedExtension;
  const std::wstring input = resolve_against(folder, input_as_given);
  const std::wstring output = resolve_against(folder, batch_output(s, input_as_given));
  EncodeRun single(dialogs_, files_, processes_);
  try {
    if (!single.exists(input)) return texts::kNotThere;
    if (single.exists(output) && !s.opt_overwrite)
      return texts::output_exists(output);
    for (const std::wstring& path : {input, output})
      if (const std::wstring reason = uncarried_by_command_line(files_, path); !reason.empty())
        return reason;
    const std::wstring encoder = resolve_against(folder, s.encoder_path);
    log_.push_back(texts::encoded_into(input, output));
    reached_encoder_ = true;
    const EncodeOutcome outcome =
        single.encode_file({encoder, input, output, switch_string(s), kScriptTypes[type].ext}, window);
    keep_encoder_messages();
    const std::vector<std::wstring> program_lines = outcome.log_lines();
    log_.insert(log_.end(), program_lines.begin(), program_lines.end());
    if (outcome.encoded == Encoded::Stopped) {
      stopped = true;
      return texts::kStopped;
    }
    return outcome.encoded == Encoded::Written ? L"" : texts::kNotWrittenWell;
  } catch (const RunRefused& refused) {
    return refused.reason;
  } catch (const PlatformError&) {
    return texts::kOutputUncheckable;
  }
}

void BatchRun::keep_encoder_messages() {
  try {
    const std::wstring text =
        files_.read_text_file(files_.app_folder() + kLogFileName, kEncoderMessageBytes);
    for (const std::wstring& line : split_lines(text, kEncoderMessageLines)) log_.push_back(line);
  } catch (const PlatformError&) {
    // An encoder that said nothing, or a log another program holds: its line
    // in the log stands alone.
  }
}

void BatchRun::write_log(const std::vector<NotWritten>& not_written) {
  if (!not_written.empty()) log_.push_back(texts::kNotEncodedHeading);
  for (const NotWritten& file : not_written)
    log_.push_back(texts::not_encoded_because(file.input, file.reason));
  // A character the log's code page cannot hold is named by its number.
  for (std::wstring& line : log_) line = numbered_outside_code_page(files_, line, CodePage::Ansi);
  try {
    files_.write_text_file(files_.app_folder() + kLogFileName, log_, CodePage::Ansi);
  } catch (const PlatformError&) {
    // The report still says how many were written; the log is what it can be.
  }
}

}  // namespace mosa
