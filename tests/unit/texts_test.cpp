// The front end's texts, character for character, as the user reads them: the
// other tests name them, this one holds each to its exact wording, spaces and
// full-width characters included.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/texts.h"

namespace mosa {

TEST(Texts, EachReadsExactlyAsWritten) {
  using namespace texts;
  const std::wstring cannot_encode =
      L"\"a.vbs\"\r はエンコードできません。\"mosa-trevlin.log\" を見て原因を確認することができるかもしれません。";
  const std::pair<std::wstring, std::wstring> pinned[] = {
      {kReportTitle, L"報告"}, {kConfirmTitle, L"確認"}, {kErrorTitle, L"エラー"}, {kNavigationTitle, L"Navigation"},
      {kEncoderFilter, L"Windows Script Encoder (screnc.exe)|screnc.exe"},
      {kNoEncoderChosen, L"screnc.exe が指定されていません。"},
      {kUnsupportedExtension, L"未対応のファイル拡張子です。"},
      {kNoScripts, L"エンコードできるスクリプトファイルがありません。"},
      {kNotHandedOver, L"起動中の mosa-trevlin にファイルを渡せませんでした。"},
      {script_dialog_title(L"asp"), L"Select, asp script file"},
      {uncarried_path(unusable_on_command_line(L"é"), L"C:\\aé.js"),
       L"「é」はエンコーダーのコマンドラインで使えない文字です。\rC:\\aé.js"},
      {unreadable(L"C:\\w"), L"C:\\w  は読み取れません。"}, {kNoFolderChosen, L"まだフォルダが選択されていません。"},
      {unreadable_drive(L"e:"), L"ドライブ e: を読み取れません。"},
      {unopenable_folder(L"C:\\w"), L"C:\\w を開けません。"}, {kCloseDetail, L"詳細を閉じる"},
      {kCloseDetailTip, L"詳細設定域を閉じる"},
      {kInitialiseQuestion, L"注意！\r\r全ての設定を初期化します。初期化しますか？"},
      {kInitialised, L"初期化されました。"}, {kNotInitialised, L"初期化しません。"},
      {kInitialiseCancelled, L"初期化を中止しました。"},
      {settings_unwritable(L"C:\\m.ini"), L"C:\\m.ini が存在しないか変更できません。"},
      {document_missing(L"C:\\readme.txt"), L"C:\\readme.txtがありません。"},
      {will_overwrite(L"C:\\a.vbe"), L"C:\\a.vbe を上書きします。"}, {kRunFinished, L"エンコードが終了しました。"},
      {kStopQuestion, L"エンコードを中止しますか？"}, {missing(L"C:\\a.vbs"), L"C:\\a.vbs  は存在しません。"},
      {already_exists(L"C:\\a.vbe"), L"C:\\a.vbe  は既に存在します。"},
      {not_encoded(L"a", L"vbs", L""), cannot_encode},
      {not_encoded(L"a", L"vbs", L"note"), cannot_encode + L"\rnote"},
      {with_system_words(L"reason", L"words"), L"reason（words）"},
      {copy_left_over(L"C:\\a.bak"),
       L"「C:\\a.bak」が残っています。前の実行が退避した出力ファイルです。中身を確かめてから移すか削除してください。"},
      {not_set_aside(L"C:\\a.vbe"), L"「C:\\a.vbe」を退避できません。"},
      {batch_unwritable(L"C:\\m.bat"), L"バッチファイル「C:\\m.bat」を書けません。"},
      {batch_unstartable(L"C:\\m.bat"), L"バッチファイル「C:\\m.bat」を起動できません。"},
      {forbidden_character(L"C:\\a?"), L"「C:\\a?」にはファイル名に使えない文字があります。"},
      {rejected_by_system(L"C:\\a"), L"「C:\\a」をシステムが受け付けません。"},
      {no_batch_form(L"C:\\a"), L"「C:\\a」はバッチファイルの文字コードで書けず、短い名前もありません。"},
      {kLogMark, L"mosa-trevlin: "}, {kStoppedBeforeEncoder, L"エンコーダーを起動する前に中止しました。"},
      {kEncodingStopped, L"エンコードを中止しました。"},
      {kNoOutputWritten, L"エンコーダーは出力ファイルを書きませんでした。"},
      {kOutputUnchanged, L"出力ファイルは実行の前のままです。"},
      {kNoValidBlock, L"出力ファイルに正しくエンコードされたブロックがありません。"},
      {kOutputRestored, L"以前の出力ファイルを戻しました。"},
      {output_not_restored(L"C:\\a.bak"), L"以前の出力ファイルを戻せませんでした。「C:\\a.bak」に残っています。"},
      {encoder_exit_code(3), L"エンコーダーが終了コード 3 で終わりました。"},
      {several_question(12, {L"a.vbs", L"b.js"}, L"D:\\出力\\", false),
       L"12 個のファイルをエンコードします。\r\ra.vbs\rb.js\rほか 10 個\r\r出力先: D:\\出力\\\r\rよろしいですか？"},
      {several_question(2, {L"a.vbs", L"b.js"}, L"D:\\", true),
       L"2 個のファイルをエンコードします。\r\ra.vbs\rb.js\r\r出力先: 各入力ファイルと同じフォルダ\r\rよろしいですか？"},
      {kNotThere, L"存在しません。"}, {kStopped, L"中止しました。"},
      {kStoppedEarlier, L"中止したためエンコードしていません。"},
      {kNotWrittenWell, L"エンコーダーが正しい出力を書きませんでした。"},
      {kOutputUncheckable, L"出力を確かめられませんでした。"}, {kNotEncodedHeading, L"エンコードしなかったファイル:"},
      {output_exists(L"C:\\a.vbe"), L"出力「C:\\a.vbe」が既に存在します。"},
      {output_overlaps(L"C:\\a.vbe"), L"出力「C:\\a.vbe」が先のファイルの出力と重なります。"},
      {encoded_into(L"C:\\a.vbs", L"C:\\a.vbe"), L"「C:\\a.vbs」 → 「C:\\a.vbe」"},
      {not_encoded_because(L"C:\\a.vbs", L"reason"), L"「C:\\a.vbs」 reason"},
      {all_encoded(3), L"3 個のファイルをエンコードしました。"},
      {some_encoded(3, 1),
       L"3 個のうち 1 個のファイルをエンコードしました。\r残りの理由は \"mosa-trevlin.log\" にあります。"},
      {kUnexpectedError, L"予期しないエラーが発生しました。"},
      {unexpected_error(L"what"), L"予期しないエラーが発生しました。\r\nwhat"},
  };
  for (const auto& [text, exactly] : pinned) EXPECT_EQ(text, exactly);
}

}  // namespace mosa
