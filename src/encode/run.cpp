#include "encode/run.h"

#include <algorithm>

#include "core/paths.h"
#include "encode/command_line.h"
#include "encoder/find_blocks.h"

namespace {

// The batch file is read by the command interpreter in this code page.
const CodePage kBatchCodePage = CodePage::Oem;
// File systems such as FAT keep the time a file was written only to two seconds.
const FileTime kClockMarginMs = 2000;

// A path as the batch file can carry it exactly; a path that no form can carry
// would reach the encoder garbled, so the run stops instead.
std::wstring batch_form(Files& files, const std::wstring& path) {
  const std::optional<std::wstring> form = exact_form(files, path, kBatchCodePage);
  if (!form) throw PlatformError("the path has no form in the batch file's code page");
  return *form;
}

// Takes input from the window for as long as it lives.
class BusyWindow {
 public:
  explicit BusyWindow(Window& window) : window_(window) { window_.set_busy(true); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;
  ~BusyWindow() { window_.set_busy(false); }

 private:
  Window& window_;
};

}  // namespace

void EncodeRun::run(const Settings& settings, Window& window,
                    const std::function<void()>& save_settings) {
  try {
    run_steps(settings, window, save_settings);
  } catch (const std::exception&) {
    report_failure(settings);
  }
}

void EncodeRun::report_failure(const Settings& settings) {
  dialogs_.message_box(L"\"" + settings.out_base + L"." + settings.script_ext +
                           L"\"\r はエンコードできません。\"mosa-trevlin.log\" "
                           L"を見て原因を確認することができるかもしれません。",
                       L"エラー", kExclamation);
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
    dialogs_.message_box(s.in_file + L"  は存在しません。", L"報告", kExclamation);
    return;
  }
  if (exists(output) && s.opt_overwrite == kOff) {
    dialogs_.message_box(s.out_path + L"  は既に存在します。", L"報告", kExclamation);
    return;
  }
  if (!exists(encoder)) {
    dialogs_.message_box(s.encoder_path + L"  は存在しません。", L"報告", kExclamation);
    return;
  }
  const std::wstring batch = folder + kBatchFileName;
  const std::wstring line = command_line(
      batch_form(files_, encoder), switch_string(s), batch_form(files_, input),
      batch_form(files_, output), batch_form(files_, folder + kLogFileName));
  files_.write_text_file(batch, {batch_line(line)}, kBatchCodePage);

  const std::optional<FileTime> before = files_.modified(output);
  const FileTime started = files_.now();
  const auto process = processes_.start_batch(batch, ShowMode::Minimized);
  const int status = [&] {
    const BusyWindow busy(window);
    return process->finish();
  }();
  if (status == 0 && written_since(output, before, started) && encoded_well(output, s.script_ext))
    dialogs_.message_box(L"エンコードが終了しました。", L"報告", kInformation);
  else
    report_failure(s);
  save_settings();
  files_.delete_file(batch);
}

bool EncodeRun::exists(const std::wstring& path) {
  if (has_forbidden_character(path)) throw PlatformError("no file name holds this character");
  return !files_.find_file(path).empty();
}

bool EncodeRun::encoded_well(const std::wstring& path, const std::wstring& script_ext) {
  std::vector<FoundBlock> blocks;
  try {
    blocks = find_blocks(files_.read_script(path));
  } catch (const PlatformError&) {
    return false;
  }
  const bool plain_script = script_ext == L"vbs" || script_ext == L"js";
  return std::all_of(blocks.begin(), blocks.end(), [](const FoundBlock& b) { return b.valid; }) &&
         !(plain_script && blocks.empty());
}

bool EncodeRun::written_since(const std::wstring& path, std::optional<FileTime> before,
                              FileTime started) {
  const std::optional<FileTime> after = files_.modified(path);
  if (!after) return false;
  return !before || *after != *before || *after + kClockMarginMs >= started;
}
