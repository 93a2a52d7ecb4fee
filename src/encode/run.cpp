// The run: check, compose the command line, write and start the batch file, report,
// save, and remove the batch file again.
#include "app/frm1.h"
#include "encode/command_line.h"

namespace {

// The batch file is read by the command interpreter in this code page.
const CodePage kBatchCodePage = CodePage::Oem;
// How long the removal of the batch file waits for the command interpreter to be
// done with it; the user has already seen the completion message by then.
const int kBatchWaitMs = 10000;

// A path as the batch file can carry it exactly: the path itself, or its short
// form where the code page cannot hold the long one. A path that neither form can
// carry would reach the encoder garbled, so the run stops instead.
std::wstring exact_form(Platform& platform, const std::wstring& path) {
  if (platform.fits_code_page(path, kBatchCodePage)) return path;
  const std::wstring short_form = platform.short_path(path);
  if (!short_form.empty() && platform.fits_code_page(short_form, kBatchCodePage))
    return short_form;
  throw PlatformError("the path has no form in the batch file's code page");
}

}  // namespace

void frm1::cmd3_Click() {
  try {
    run_encoder();
  } catch (const std::exception&) {
    platform_.message_box(L"\"" + settings.out_base + L"." + settings.script_ext +
                              L"\"\r はエンコードできません。\"mosa-trevlin.log\" "
                              L"を見て原因を確認することができるかもしれません。",
                          L"エラー", kExclamation);
  }
}

void frm1::run_encoder() {
  const Settings& s = settings;
  if (platform_.find_file(s.in_file).empty()) {
    platform_.message_box(s.in_file + L"  は存在しません。", L"報告", kExclamation);
    return;
  }
  if (!platform_.find_file(s.out_path).empty() && s.opt_overwrite == kOff) {
    platform_.message_box(s.out_path + L"  は既に存在します。", L"報告", kExclamation);
    return;
  }
  if (platform_.find_file(s.encoder_path).empty()) {
    platform_.message_box(s.encoder_path + L"  は存在しません。", L"報告", kExclamation);
    return;
  }
  const std::wstring folder = platform_.app_folder();
  const std::wstring batch = folder + kBatchFileName;
  const std::wstring line = command_line(
      exact_form(platform_, s.encoder_path), switch_string(s), exact_form(platform_, s.in_file),
      exact_form(platform_, s.out_path), exact_form(platform_, folder + kLogFileName));
  platform_.write_text_file(batch, {batch_line(line)}, kBatchCodePage);
  const auto process = platform_.start_batch(batch, ShowMode::Minimized);
  platform_.message_box(L"エンコードが終了しました。", L"報告", kInformation);
  save_settings();
  process->wait(kBatchWaitMs);
  platform_.delete_file(batch);
}
