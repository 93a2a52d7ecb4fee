#pragma once
// What the front end tells the user: its message boxes, their titles, the
// reasons it gives for a file it did not encode and its own lines in the log,
// each by its meaning. A text that names a path or a count is made by a
// function. The control tables keep the captions and tooltips the windows are
// laid out with.
#include <cstddef>
#include <string>
#include <vector>

namespace mosa::texts {

// Message box titles.
inline constexpr wchar_t kReportTitle[] = L"報告";
inline constexpr wchar_t kConfirmTitle[] = L"確認";
inline constexpr wchar_t kErrorTitle[] = L"エラー";
inline constexpr wchar_t kNavigationTitle[] = L"Navigation";  // the folder chooser's

// Choosing and handing over files.
inline constexpr wchar_t kEncoderFilter[] = L"Windows Script Encoder (screnc.exe)|screnc.exe";
inline constexpr wchar_t kNoEncoderChosen[] = L"screnc.exe が指定されていません。";
inline constexpr wchar_t kUnsupportedExtension[] = L"未対応のファイル拡張子です。";
inline constexpr wchar_t kNoScripts[] = L"エンコードできるスクリプトファイルがありません。";
inline constexpr wchar_t kNotHandedOver[] = L"起動中の mosa-trevlin にファイルを渡せませんでした。";
std::wstring script_dialog_title(const std::wstring& ext);
// A path the encoder's command line cannot carry, the reason above it.
std::wstring uncarried_path(const std::wstring& reason, const std::wstring& path);
std::wstring unusable_on_command_line(const std::wstring& character);
std::wstring unreadable(const std::wstring& path);

// The folder chooser.
inline constexpr wchar_t kNoFolderChosen[] = L"まだフォルダが選択されていません。";
std::wstring unreadable_drive(const std::wstring& drive);
std::wstring unopenable_folder(const std::wstring& folder);

// The detail area's button while the area is open; closed, it reads as laid out.
inline constexpr wchar_t kCloseDetail[] = L"詳細を閉じる";
inline constexpr wchar_t kCloseDetailTip[] = L"詳細設定域を閉じる";

// Settings, initialising all, and the documents.
inline constexpr wchar_t kInitialiseQuestion[] = L"注意！\r\r全ての設定を初期化します。初期化しますか？";
inline constexpr wchar_t kInitialised[] = L"初期化されました。";
inline constexpr wchar_t kNotInitialised[] = L"初期化しません。";
inline constexpr wchar_t kInitialiseCancelled[] = L"初期化を中止しました。";
std::wstring settings_unwritable(const std::wstring& path);
std::wstring document_missing(const std::wstring& path);
std::wstring will_overwrite(const std::wstring& path);

// The run of one file.
inline constexpr wchar_t kRunFinished[] = L"エンコードが終了しました。";
inline constexpr wchar_t kStopQuestion[] = L"エンコードを中止しますか？";
std::wstring missing(const std::wstring& path);
std::wstring already_exists(const std::wstring& path);
// The failure of a run, named by the output's base name and the type, with a note on the
// output set aside where there is one.
std::wstring not_encoded(const std::wstring& base, const std::wstring& ext,
                         const std::wstring& note);

// Why a run did not reach the encoder, as the log and a run of several say it.
std::wstring quoted(const std::wstring& path);
std::wstring with_system_words(const std::wstring& reason, const std::wstring& words);
std::wstring copy_left_over(const std::wstring& copy);
std::wstring not_set_aside(const std::wstring& output);
std::wstring batch_unwritable(const std::wstring& batch);
std::wstring batch_unstartable(const std::wstring& batch);
std::wstring forbidden_character(const std::wstring& path);
std::wstring rejected_by_system(const std::wstring& path);
std::wstring no_batch_form(const std::wstring& path);

// The program's own lines in the log.
inline constexpr wchar_t kLogMark[] = L"mosa-trevlin: ";
inline constexpr wchar_t kStoppedBeforeEncoder[] = L"エンコーダーを起動する前に中止しました。";
inline constexpr wchar_t kEncodingStopped[] = L"エンコードを中止しました。";
inline constexpr wchar_t kNoOutputWritten[] = L"エンコーダーは出力ファイルを書きませんでした。";
inline constexpr wchar_t kOutputUnchanged[] = L"出力ファイルは実行の前のままです。";
inline constexpr wchar_t kNoValidBlock[] = L"出力ファイルに正しくエンコードされたブロックがありません。";
inline constexpr wchar_t kOutputRestored[] = L"以前の出力ファイルを戻しました。";
std::wstring output_not_restored(const std::wstring& copy);
std::wstring encoder_exit_code(int status);

// Several files at once: the question, the reasons for a file not written, the
// log's lines and the summary.
std::wstring several_question(std::size_t count, const std::vector<std::wstring>& listed_names,
                              const std::wstring& out_folder, bool same_folder);
inline constexpr wchar_t kNotThere[] = L"存在しません。";
inline constexpr wchar_t kStopped[] = L"中止しました。";
inline constexpr wchar_t kStoppedEarlier[] = L"中止したためエンコードしていません。";
inline constexpr wchar_t kNotWrittenWell[] = L"エンコーダーが正しい出力を書きませんでした。";
inline constexpr wchar_t kOutputUncheckable[] = L"出力を確かめられませんでした。";
inline constexpr wchar_t kNotEncodedHeading[] = L"エンコードしなかったファイル:";
std::wstring output_exists(const std::wstring& output);
std::wstring output_overlaps(const std::wstring& output);
std::wstring encoded_into(const std::wstring& input, const std::wstring& output);
std::wstring not_encoded_because(const std::wstring& input, const std::wstring& reason);
std::wstring all_encoded(std::size_t count);
std::wstring some_encoded(std::size_t count, std::size_t written);

// What the program says when something it did not foresee went wrong.
inline constexpr wchar_t kUnexpectedError[] = L"予期しないエラーが発生しました。";
std::wstring unexpected_error(const std::wstring& what);

}  // namespace mosa::texts
