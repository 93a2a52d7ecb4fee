#include "core/texts.h"

namespace mosa::texts {

std::wstring script_dialog_title(const std::wstring& ext) {
  return L"Select, " + ext + L" script file";
}

std::wstring uncarried_path(const std::wstring& reason, const std::wstring& path) {
  return reason + L"\r" + path;
}

std::wstring unusable_on_command_line(const std::wstring& character) {
  return L"「" + character + L"」はエンコーダーのコマンドラインで使えない文字です。";
}

std::wstring unreadable(const std::wstring& path) { return path + L"  は読み取れません。"; }

std::wstring unreadable_drive(const std::wstring& drive) {
  return L"ドライブ " + drive + L" を読み取れません。";
}

std::wstring unopenable_folder(const std::wstring& folder) { return folder + L" を開けません。"; }

std::wstring settings_unwritable(const std::wstring& path) {
  return path + L" が存在しないか変更できません。";
}

std::wstring document_missing(const std::wstring& path) { return path + L"がありません。"; }

std::wstring will_overwrite(const std::wstring& path) { return path + L" を上書きします。"; }

std::wstring missing(const std::wstring& path) { return path + L"  は存在しません。"; }

std::wstring already_exists(const std::wstring& path) { return path + L"  は既に存在します。"; }

std::wstring not_encoded(const std::wstring& base, const std::wstring& ext,
                         const std::wstring& note) {
  return L"\"" + base + L"." + ext +
         L"\"\r はエンコードできません。\"mosa-trevlin.log\" "
         L"を見て原因を確認することができるかもしれません。" +
         (note.empty() ? L"" : L"\r" + note);
}

std::wstring quoted(const std::wstring& path) { return L"「" + path + L"」"; }

std::wstring with_system_words(const std::wstring& reason, const std::wstring& words) {
  return reason + L"（" + words + L"）";
}

std::wstring copy_left_over(const std::wstring& copy) {
  return quoted(copy) + L"が残っています。前の実行が退避した出力ファイルです。"
                        L"中身を確かめてから移すか削除してください。";
}

std::wstring not_set_aside(const std::wstring& output) {
  return quoted(output) + L"を退避できません。";
}

std::wstring batch_unwritable(const std::wstring& batch) {
  return L"バッチファイル" + quoted(batch) + L"を書けません。";
}

std::wstring batch_unstartable(const std::wstring& batch) {
  return L"バッチファイル" + quoted(batch) + L"を起動できません。";
}

std::wstring forbidden_character(const std::wstring& path) {
  return quoted(path) + L"にはファイル名に使えない文字があります。";
}

std::wstring rejected_by_system(const std::wstring& path) {
  return quoted(path) + L"をシステムが受け付けません。";
}

std::wstring no_batch_form(const std::wstring& path) {
  return quoted(path) + L"はバッチファイルの文字コードで書けず、短い名前もありません。";
}

std::wstring output_not_restored(const std::wstring& copy) {
  return L"以前の出力ファイルを戻せませんでした。" + quoted(copy) + L"に残っています。";
}

std::wstring encoder_exit_code(int status) {
  return L"エンコーダーが終了コード " + std::to_wstring(status) + L" で終わりました。";
}

std::wstring several_question(std::size_t count, const std::vector<std::wstring>& listed_names,
                              const std::wstring& out_folder, bool same_folder) {
  std::wstring text = std::to_wstring(count) + L" 個のファイルをエンコードします。\r";
  for (const std::wstring& name : listed_names) text += L"\r" + name;
  if (count > listed_names.size())
    text += L"\rほか " + std::to_wstring(count - listed_names.size()) + L" 個";
  text += same_folder ? L"\r\r出力先: 各入力ファイルと同じフォルダ" : L"\r\r出力先: " + out_folder;
  return text + L"\r\rよろしいですか？";
}

std::wstring output_exists(const std::wstring& output) {
  return L"出力" + quoted(output) + L"が既に存在します。";
}

std::wstring output_overlaps(const std::wstring& output) {
  return L"出力" + quoted(output) + L"が先のファイルの出力と重なります。";
}

std::wstring encoded_into(const std::wstring& input, const std::wstring& output) {
  return quoted(input) + L" → " + quoted(output);
}

std::wstring not_encoded_because(const std::wstring& input, const std::wstring& reason) {
  return quoted(input) + L" " + reason;
}

std::wstring all_encoded(std::size_t count) {
  return std::to_wstring(count) + L" 個のファイルをエンコードしました。";
}

std::wstring some_encoded(std::size_t count, std::size_t written) {
  return std::to_wstring(count) + L" 個のうち " + std::to_wstring(written) +
         L" 個のファイルをエンコードしました。\r残りの理由は \"mosa-trevlin.log\" "
         L"にあります。";
}

std::wstring unexpected_error(const std::wstring& what) {
  return kUnexpectedError + (L"\r\n" + what);
}

}  // namespace mosa::texts
