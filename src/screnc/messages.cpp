#include "screnc/messages.h"

#include <optional>

#include "screnc/files.h"

namespace screnc {

namespace {

constexpr std::u16string_view kSeeUsage = u"使い方は screnc /? で表示できます。";

std::u16string quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

// As Notepad names them when it saves a file.
std::u16string form_name(TextForm form) {
  switch (form) {
    case TextForm::Utf8:
      return u"UTF-8";
    case TextForm::Utf8Bom:
      return u"UTF-8 (BOM 付き)";
    case TextForm::Utf16LeBom:
      return u"UTF-16 LE";
    case TextForm::Legacy:
      break;
  }
  return u"ANSI";
}

std::u16string number(std::uint64_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

bool any_kind(const FileKindRow&) { return true; }
bool plain_script(const FileKindRow& row) { return is_plain_script(row.kind); }
bool page(const FileKindRow& row) { return !is_plain_script(row.kind); }

// ".vbs は .vbe に、.js は .jse に": what the encoded names of plain scripts become.
std::u16string renamings() {
  std::u16string text;
  for (const FileKindRow& row : kFileKinds) {
    if (row.encoded_extension.empty()) continue;
    if (!text.empty()) text += u"、";
    text += u"." + std::u16string(row.extension) + u" は ." + std::u16string(row.encoded_extension) + u" に";
  }
  return text;
}

}  // namespace

std::u16string usage_text() {
  const std::u16string all = extension_list(any_kind);
  return u"使い方: screnc [/s] [/f] [/xl] [/l 言語] [/e 種類] 入力ファイル 出力ファイル\n"
         u"        screnc [/s] [/f] [/xl] [/l 言語] [/e 種類] 入力ファイル... 出力フォルダー\n"
         u"  /s   成功したときは何も表示しません (エラーは表示します)。\n"
         u"  /f   出力ファイルがあれば置き換えます。入力ファイルと同じでもかまいません。\n"
         u"       リンクはたどった先のファイルを置き換えます。ハード リンクのほかの名前には"
         u"元の内容が残ります。\n"
         u"  /xl  .asp ファイルの先頭に @LANGUAGE ディレクティブを加えません。\n"
         u"  /l   言語を指定していないスクリプトの言語: VBScript または JScript。\n"
         u"  /e   拡張子が次のどれでもない入力ファイルの種類: " +
         all + u"\nスクリプト ファイル (" + extension_list(plain_script, u".") +
         u") は全体を、ページ (" + extension_list(page, u".") +
         u") はスクリプトの部分をエンコードします。**Start Encode** までは元のまま残します。\n"
         u"入力ファイルが 2 つ以上あるか、名前に * か ? があるときは、最後の名前は既にある"
         u"フォルダーで、出力はそこに入力と同じ名前で書きます (" + renamings() +
         u"なります)。失敗したファイルがあっても、ほかのファイルはエンコードします。\n"
         u"BOM 付きの UTF-8 と UTF-16 LE のファイルはその形で、BOM なしでも UTF-8 として正しく"
         u"日本語などを含むファイルは UTF-8 で (UTF-8 としても読める半角カタカナだけで、"
         u"そのどれも英字と隣り合わなければ ANSI で)、ほかのファイルは ANSI (システムの文字コード) で読みます。"
         u"UTF-16 BE と BOM のない UTF-16 LE は読みません。ページは読んだ形のまま書きます。スクリプト ファイルは ANSI のものは ANSI で、"
         u"ほかは UTF-16 LE (スクリプト ホストが読める形) で書きます。";
}

std::u16string success_message(std::u16string_view input, std::u16string_view output,
                               std::size_t blocks, TextForm read, TextForm written) {
  std::u16string text = quoted(input) + u" をエンコードして " + quoted(output) +
                        u" に書きました (ブロック " + number(blocks) + u" 個)。";
  if (read != written)
    text += u"文字コードは " + form_name(read) + u" から、スクリプト ホストが読める " +
            form_name(written) + u" に変えました。";
  return text;
}

std::u16string summary_message(std::size_t encoded, std::size_t failed) {
  const std::u16string all = number(encoded + failed);
  if (failed == 0) return all + u" 個の入力ファイルをすべてエンコードしました。";
  return all + u" 個の入力ファイルのうち " + number(encoded) + u" 個をエンコードしました。" +
         number(failed) + u" 個は失敗しました。";
}

std::u16string argument_error_message(const ArgumentError& error) {
  using Problem = ArgumentError::Problem;
  std::u16string text = u"エラー: ";
  switch (error.problem) {
    case Problem::UnknownSwitch:
      text += u"スイッチ " + quoted(error.argument) + u" はありません。";
      break;
    case Problem::UnknownSwitchOrInput:
      text += u"スイッチ " + quoted(error.argument) +
              u" はありません。入力ファイルの名前なら、そのファイルがありません。";
      break;
    case Problem::MissingValue:
      text += u"スイッチ " + quoted(error.argument) + u" の後に値がありません。";
      break;
    case Problem::BadLanguage:
      text += u"/l の言語 " + quoted(error.argument) +
              u" は使えません。VBScript か JScript を指定してください。";
      break;
    case Problem::BadKind:
      text += u"/e の種類 " + quoted(error.argument) +
              u" は使えません。" + extension_list(any_kind) + u" のどれかを指定してください。";
      break;
    case Problem::NoFolder:
      text += u"出力フォルダー " + quoted(error.argument) +
              u" がありません。入力ファイルが 2 つ以上あるか、名前に * か ? があるときは、"
              u"最後に既にあるフォルダーを指定してください。何も書いていません。";
      break;
    case Problem::WrongCount:
      text += u"入力ファイルと出力ファイル (または出力フォルダー) を指定してください。";
      break;
  }
  return text + std::u16string(kSeeUsage);
}

namespace {

// What a failure says of the input it names, after its name; none for the rest.
std::optional<std::u16string> about_input(Failure failure, TextForm form, std::uint64_t size) {
  switch (failure) {
    case Failure::InputMissing:
      return u" が見つかりません。";
    case Failure::InputUnreadable:
      return u" を読み込めません。";
    case Failure::InputTooLarge:
      return u" は " + number(size) + u" バイトあり、大きすぎます。エンコードできるのは " +
             number(kMostInputBytes) + u" バイトまでです。";
    case Failure::ShortRead:
      return u" を読み込めません。読めた量が、ファイルの大きさ (" + number(size) +
             u" バイト) と合いません (読み込み中に変わったファイルや、"
             u"大きさのわからない特殊なファイルです)。";
    case Failure::Utf16BigEndian:
      return u" は UTF-16 BE (ビッグ エンディアン) で、スクリプト ホストが読めない形です。"
             u"UTF-16 LE か UTF-8 で保存してください。";
    case Failure::Utf16Unmarked:
      return u" は BOM のない UTF-16 LE のようです (1 バイトおきに NUL があります)。"
             u"BOM 付きの UTF-16 LE か UTF-8 で保存してください。";
    case Failure::UnknownExtension:
      return u" は拡張子から種類がわかりません。/e で種類を指定してください。";
    case Failure::NotText:
      return u" は、文字コード (" + form_name(form) + u") のテキストではありません。";
    default:
      return std::nullopt;
  }
}

// What a failure says of the output it names, after its name; none for the rest.
std::optional<std::u16string> about_output(Failure failure, TextForm form) {
  switch (failure) {
    case Failure::OutputTaken:
      return u" には、ほかの入力ファイルをエンコードしたものを書いたところです。"
             u"名前の同じ入力ファイルを同じフォルダーに出力することはできません。";
    case Failure::NoOutputFolder:
      return u" のフォルダーがありません。";
    case Failure::OutputIsInput:
      return u" は入力ファイルと同じです。置き換えるには /f を指定してください。";
    case Failure::OutputExists:
      return u" は既にあります。置き換えるには /f を指定してください。";
    case Failure::OutputNotFile:
      return u" は通常のファイルではありません (フォルダー、デバイスなど)。置き換えません。";
    case Failure::NotWritable:
      return u" に書く文字の一部が、文字コード (" + form_name(form) + u") で表せません。";
    case Failure::WriteFailed:
      return u" に書き込めません。元の内容はそのままです。";
    case Failure::NewWriteFailed:
      return u" に書き込めません。何も書いていません。";
    default:
      return std::nullopt;
  }
}

}  // namespace

std::u16string failure_message(Failure failure, std::u16string_view file, TextForm form,
                               std::uint64_t size) {
  const std::u16string name = quoted(file);
  if (const std::optional<std::u16string> said = about_input(failure, form, size))
    return u"エラー: 入力ファイル " + name + *said;
  if (const std::optional<std::u16string> said = about_output(failure, form))
    return u"エラー: 出力ファイル " + name + *said;
  switch (failure) {
    case Failure::NoMatch:
      return u"エラー: " + name + u" に合うファイルがありません。";
    case Failure::OutOfMemory:
      return u"エラー: " + name +
             u" は大きすぎて、メモリに収まりません。出力ファイルは書いていません。";
    default:
      break;
  }
  return u"エラー: " + name + u" の処理中に予期しないエラーが起きました。出力ファイルは書いていません。";
}

std::u16string encode_error_message(const EncodeError& error, std::u16string_view file) {
  using Problem = EncodeError::Problem;
  const std::u16string where = quoted(file) + u" の " + number(error.line()) + u" 行目";
  switch (error.problem()) {
    case Problem::UnclosedSection:
      return u"エラー: 入力ファイル " + where + u" の <% が %> で閉じられていません。";
    case Problem::UnclosedScript:
      return u"エラー: 入力ファイル " + where +
             u" の <SCRIPT> が </SCRIPT> で閉じられていません。";
    case Problem::UnclosedCdata:
      return u"エラー: 入力ファイル " + where + u" の <![CDATA[ が ]]> で閉じられていません。";
    case Problem::BlockMismatch:
      break;
  }
  return u"内部エラー: " + where + u" のスクリプトをエンコードしたブロックが元に戻りません。"
         u"screnc の不具合です。"
         u"出力ファイルは書いていません。";
}

}  // namespace screnc
