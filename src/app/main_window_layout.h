#pragma once
// The main window as laid out: every control in the order the window holds it,
// under its role and its designer's name, by which the tests find it on screen.

#include "core/control_table.h"
#include "core/program.h"

namespace mosa {

// Client area and the outer heights of the two detail states, in twips.
inline constexpr Rect kMainWindowClient{0, 0, 4905, 4455};
inline constexpr int kDetailClosedHeight = 2520;
inline constexpr int kDetailOpenHeight = 4830;
// The outer height the window is laid out with: the client area and its frame.
inline constexpr int kMainWindowLaidOutHeight = 4905;

enum class MainControl {
  readme_button, help_button, initialise_button, option_reset_button, output_name_check,
  output_name_box, language_list, wsf_as_sct_check, set_language_check, no_language_check,
  overwrite_check, progress_check, detail_button, encoder_browse_button, encoder_box, type_list,
  run_button, output_browse_button, input_browse_button, same_folder_check, output_folder_box,
  input_box, suffix_label, options_label, encoder_label, detail_line, type_label, output_label,
  input_label, count
};

inline constexpr RoleRow<MainControl> kMainWindowTable[] = {
    {MainControl::readme_button, {L"cmd_r", Kind::Button, L"R", L"readme.txtを開く", {4560, 0, 255, 255}, 27}},
    {MainControl::help_button, {L"cmd_h", Kind::Button, L"H", L"ヘルプ", {4320, 0, 255, 255}, 26}},
    {MainControl::initialise_button, {L"cmd8", Kind::Button, L"初期化", L"全設定を初期化", {2160, 1680, 1095, 375}, 20}},
    {MainControl::option_reset_button, {L"cmd7", Kind::Button, L"オプションリセット", L"エンコードオプションのみを初期化", {3720, 3120, 1095, 495}, 19}},
    {MainControl::output_name_check, {L"chk2", Kind::CheckBox, L"出力ファイル名指定", L"", {840, 1320, 1935, 255}, 7}},
    {MainControl::output_name_box, {L"txt4", Kind::TextBox, L"Text4", L"", {2760, 1320, 1215, 255}, 8}},
    {MainControl::language_list, {L"cmb2", Kind::ComboBox, L"Combo1", L"", {3600, 3840, 1215, 285}, 17}},
    {MainControl::wsf_as_sct_check, {L"ochk5", Kind::CheckBox, L".wsfを .sctに割り当て", L"", {840, 4200, 3015, 165}, 18}},
    {MainControl::set_language_check, {L"ochk4", Kind::CheckBox, L"スクリプト形式を指定", L"", {840, 3960, 3015, 165}, 16}},
    {MainControl::no_language_check, {L"ochk3", Kind::CheckBox, L".aspで@Languageを非追加", L"", {840, 3720, 3015, 165}, 15}},
    {MainControl::overwrite_check, {L"ochk2", Kind::CheckBox, L"出力ファイルを上書き", L"", {840, 3480, 3015, 165}, 14}},
    {MainControl::progress_check, {L"ochk1", Kind::CheckBox, L"途中経過出力", L"", {840, 3240, 3015, 165}, 13}},
    {MainControl::detail_button, {L"cmd4", Kind::Button, L"詳細を開く", L"詳細設定域を開く", {120, 1680, 1455, 375}, 9}},
    {MainControl::encoder_browse_button, {L"cmd5", Kind::Button, L"...", L"screnc.exeへのフルパスを設定", {4320, 2640, 375, 255}, 12, true}},
    {MainControl::encoder_box, {L"txt3", Kind::TextBox, L"Text3", L"", {840, 2640, 3375, 255}, 11}},
    {MainControl::type_list, {L"cmb1", Kind::ComboBox, L"Combo1", L"", {1560, 120, 855, 285}, 1}},
    {MainControl::run_button, {L"cmd3", Kind::Button, L"実行", L"エンコードを実行", {3840, 1680, 975, 375}, 10}},
    {MainControl::output_browse_button, {L"cmd2", Kind::Button, L"...", L"出力先フォルダを指定", {4320, 1080, 375, 255}, 6, true}},
    {MainControl::input_browse_button, {L"cmd1", Kind::Button, L"...", L"エンコードするフクリプトファイルを指定", {4320, 480, 375, 255}, 3, true}},
    {MainControl::same_folder_check, {L"chk1", Kind::CheckBox, L"入出力同フォルダ", L"", {840, 840, 1935, 255}, 4}},
    {MainControl::output_folder_box, {L"txt2", Kind::TextBox, L"Text2", L"", {840, 1080, 3375, 255}, 5}},
    {MainControl::input_box, {L"txt1", Kind::TextBox, L"Text1", L"", {840, 480, 3375, 270}, 2}},
    {MainControl::suffix_label, {L"lbl6", Kind::Label, L"lbl6", L"", {4080, 1440, 855, 135}, 25}},
    {MainControl::options_label, {L"Label5", Kind::Label, L"エンコードオプション", L"", {120, 3000, 1935, 135}, 24}},
    {MainControl::encoder_label, {L"Label4", Kind::Label, L"screnc.exeフルパス指定", L"", {120, 2400, 2175, 135}, 23}},
    {MainControl::detail_line, {L"Line2", Kind::Line, L"", L"", {0, 2160, 4920, 0}, -1}},
    {MainControl::type_label, {L"Label3", Kind::Label, L"スクリプト形式", L"", {120, 120, 1335, 135}, 22}},
    {MainControl::output_label, {L"Label2", Kind::Label, L"出力", L"", {120, 1080, 615, 135}, 21}},
    {MainControl::input_label, {L"Label1", Kind::Label, L"入力", L"", {120, 480, 615, 135}, 0}},
};
inline constexpr auto kMainWindowControls = rows_in_role_order(kMainWindowTable);

// The detail area's controls that take the tab stop while it is open: those
// below its line, but for the labels.
constexpr bool in_detail_area(const ControlRow& row) {
  return row.rect.top > kMainWindowControls[static_cast<int>(MainControl::detail_line)].rect.top &&
         row.kind != Kind::Label && row.kind != Kind::Line;
}

}  // namespace mosa
