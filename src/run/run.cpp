#include "run/run.h"

#include <algorithm>

#include "common/utf16.h"
#include "core/paths.h"
#include "core/texts.h"
#include "run/command_line.h"
#include "run/output_guard.h"
#include "encoder/find_blocks.h"
#include "encoder/unicode.h"
#include "types/script_types.h"

namespace mosa {

namespace {

// The batch file is read by the command interpreter in this code page.
const CodePage kBatchCodePage = CodePage::Oem;
// File systems such as FAT keep the time a file was written only to two seconds.
const FileTime kClockStepMs = 2000;
// An output marker the input already holds at this length, a length field's
// room included, is text the encoder copied, not a block it wrote.
const size_t kCopiedMarkerLength = 12;

// A platform failure as the reason for a refusal, with the system's own words.
template <typename Step>
auto refused_on_failure(const std::wstring& reason, Step&& step) {
  try {
    return step();
  } catch (const RunRefused&) {
    throw;
  } catch (const PlatformError& error) {
    const std::optional<std::u16string> detail = screnc::utf8_to_text(error.what());
    if (!detail) throw RunRefused(reason);
    throw RunRefused(texts::with_system_words(reason, common::wide(*detail)));
  }
}

}  // namespace

std::vector<std::wstring> EncodeOutcome::log_lines() const {
  // The program's own lines, told from the encoder's by their mark.
  std::vector<std::wstring> lines;
  for (const std::wstring& line : {fault, note})
    if (!line.empty()) lines.push_back(texts::kLogMark + line);
  return lines;
}

void report_missing(Dialogs& dialogs, const std::wstring& path) {
  dialogs.message_box(texts::missing(path), texts::kReportTitle, kExclamation);
}

std::wstring uncarried_by_command_line(Files& files, const std::wstring& path) {
  // What the batch file cannot name, the encoder would never get: said before
  // the run, by the character, rather than by a run that fails.
  if (exact_form(files, path, kBatchCodePage)) return L"";
  return texts::unusable_on_command_line(first_outside_code_page(files, path, kBatchCodePage));
}

void EncodeRun::run(const Settings& settings, Window& window,
                    const std::function<void()>& save_settings) {
  try {
    run_steps(settings, window, save_settings);
  } catch (const RunRefused& refusal) {
    write_log_reason(refusal.reason);
    report_failure(settings);
  } catch (const std::exception&) {
    report_failure(settings);
  }
}

void EncodeRun::report_failure(const Settings& settings, const std::wstring& note) {
  dialogs_.message_box(texts::not_encoded(settings.out_base, settings.script_ext, note),
                       texts::kErrorTitle, kExclamation);
}

void EncodeRun::append_log(const std::vector<std::wstring>& lines) {
  // Each line on its own, so that a path the code page cannot hold costs only
  // its line. The message still says what came of the run.
  for (const std::wstring& line : lines) {
    try {
      files_.append_text_file(files_.app_folder() + kLogFileName, {line},
                              CodePage::Ansi);
    } catch (const PlatformError&) {
    }
  }
}

void EncodeRun::write_log_reason(const std::wstring& reason) {
  const std::wstring log = files_.app_folder() + kLogFileName;
  const std::wstring heading = texts::kStoppedBeforeEncoder;
  // A reason naming a path the code page cannot hold names its characters by
  // their numbers; a log that cannot be written at all leaves the message to
  // say what it can.
  for (const std::vector<std::wstring>& lines :
       {std::vector<std::wstring>{heading, reason},
        std::vector<std::wstring>{heading, numbered_outside_code_page(files_, reason, CodePage::Ansi)}, std::vector<std::wstring>{heading}}) {
    try {
      files_.write_text_file(log, lines, CodePage::Ansi);
      return;
    } catch (const PlatformError&) {
    }
  }
}

void EncodeRun::run_steps(const Settings& s, Window& window,
                          const std::function<void()>& save_settings) {
  // The batch runs in the application folder, so a relative path is taken from
  // there, for the checks as for the encoder; the messages name it as typed.
  const std::wstring folder = files_.app_folder();
  const std::wstring input = resolve_against(folder, s.in_file);
  const std::wstring output = resolve_against(folder, s.out_path);
  const std::wstring encoder = resolve_against(folder, s.encoder_path);
  if (!exists(input)) {
    report_missing(dialogs_, s.in_file);
    return;
  }
  if (exists(output) && !s.opt_overwrite) {
    dialogs_.message_box(texts::already_exists(s.out_path), texts::kReportTitle, kExclamation);
    return;
  }
  if (!exists(encoder)) {
    report_missing(dialogs_, s.encoder_path);
    return;
  }
  const EncodeOutcome outcome =
      encode_file({encoder, input, output, switch_string(s), s.script_ext}, window);
  if (outcome.encoded == Encoded::Written) {
    dialogs_.message_box(texts::kRunFinished, texts::kReportTitle, kInformation);
  } else {
    append_log(outcome.log_lines());
    report_failure(s, outcome.note);
  }
  save_settings();
  files_.delete_file(folder + kBatchFileName);
}

EncodeOutcome EncodeRun::encode_file(const EncodeJob& job, Window& window) {
  const std::wstring folder = files_.app_folder();
  OutputGuard guard(files_, job.output);
  if (guard.copy_left_over())
    throw RunRefused(texts::copy_left_over(guard.copy()));
  refused_on_failure(texts::not_set_aside(job.output), [&] { guard.set_aside(); });
  const std::wstring batch = folder + kBatchFileName;
  const std::wstring line =
      command_line(batch_form(job.encoder), job.switches, batch_form(job.input),
                   batch_form(job.output), batch_form(folder + kLogFileName));
  refused_on_failure(texts::batch_unwritable(batch), [&] {
    files_.write_text_file(batch, {batch_line(line)}, kBatchCodePage);
  });

  const std::optional<FileStamp> before = files_.stamp(job.output);
  const std::optional<int> status = [&] {
    const BusyWindow busy(window);
    outwait_clock_step(before);
    const auto process = refused_on_failure(
        texts::batch_unstartable(batch),
        [&] { return processes_.start_batch(batch, ShowMode::Minimized); });
    return process->finish([&] {
      return window.take_stop_request() &&
             dialogs_.message_box(texts::kStopQuestion, texts::kConfirmTitle, kYesNo) == kYes;
    });
  }();
  const std::wstring fault = fault_of(status, before, job.output, job.input, job.script_ext);
  if (fault.empty()) {
    guard.drop();
    return {Encoded::Written, L"", L""};
  }
  const Restoration restoration = guard.restore();
  const std::wstring note =
      restoration == Restoration::Restored ? texts::kOutputRestored
      : restoration == Restoration::Failed ? texts::output_not_restored(guard.copy())
                                           : L"";
  return {status ? Encoded::Failed : Encoded::Stopped, fault, note};
}

std::wstring EncodeRun::fault_of(const std::optional<int>& status,
                                const std::optional<FileStamp>& before, const std::wstring& output,
                                const std::wstring& input, const std::wstring& script_ext) {
  if (!status) return texts::kEncodingStopped;
  if (*status != 0) return texts::encoder_exit_code(*status);
  // Only a file this run changed counts: an encoder that ends well without
  // writing leaves an existing output's stamp as it was.
  const std::optional<FileStamp> after = files_.stamp(output);
  if (!after) return texts::kNoOutputWritten;
  if (after == before) return texts::kOutputUnchanged;
  if (!encoded_well(output, input, script_ext))
    return texts::kNoValidBlock;
  return L"";
}

bool EncodeRun::exists(const std::wstring& path) {
  if (has_forbidden_character(path))
    throw RunRefused(texts::forbidden_character(path));
  return refused_on_failure(texts::rejected_by_system(path),
                            [&] { return !files_.find_file(path).empty(); });
}

std::wstring EncodeRun::batch_form(const std::wstring& path) {
  // A path that no form can carry would reach the encoder garbled.
  const std::optional<std::wstring> form = exact_form(files_, path, kBatchCodePage);
  if (!form)
    throw RunRefused(texts::no_batch_form(path));
  return *form;
}

void EncodeRun::outwait_clock_step(const std::optional<FileStamp>& before) {
  if (!before) return;
  // A share whose clock runs ahead of ours shows a time still to come: the wait
  // is bounded by one step, after which the share's clock has moved on by as much.
  const FileTime left = std::min(before->written + kClockStepMs - files_.now(), kClockStepMs);
  if (left > 0) files_.wait(left);
}

bool EncodeRun::encoded_well(const std::wstring& output, const std::wstring& input,
                             const std::wstring& script_ext) {
  std::u16string written, source;
  try {
    written = files_.read_script(output);
    source = files_.read_script(input);
  } catch (const PlatformError&) {
    return false;
  }
  const std::vector<screnc::FoundBlock> blocks = screnc::find_blocks(written);
  const bool all_whole = std::all_of(blocks.begin(), blocks.end(), [&](const screnc::FoundBlock& b) {
    return b.valid ||
           source.find(written.substr(b.begin, kCopiedMarkerLength)) != std::u16string::npos;
  });
  const int type = script_type_position(script_ext);
  const bool plain_script = type >= 0 && kScriptTypes[type].plain_script;
  const bool any_block =
      std::any_of(blocks.begin(), blocks.end(), [](const screnc::FoundBlock& b) { return b.valid; });
  return all_whole && (any_block || !plain_script);
}

}  // namespace mosa
