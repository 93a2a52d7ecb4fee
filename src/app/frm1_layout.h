#pragma once
// The main window as laid out: every control in the order the window holds it.

#include "core/control.h"
#include "core/program.h"

// Client area and the outer heights of the two detail states, in twips.
inline constexpr Rect kFrm1Client{0, 0, 4905, 4455};
inline constexpr int kDetailClosedHeight = 2520;
inline constexpr int kDetailOpenHeight = 4830;
// The outer height the window is laid out with: the client area and its frame.
inline constexpr int kFrm1LaidOutHeight = 4905;

inline constexpr ControlRow kFrm1Controls[] = {
    {L"cmd_r", Kind::Button, L"R", L"readme.txtを開く", {4560, 0, 255, 255}, 27},
    {L"cmd_h", Kind::Button, L"H", L"ヘルプ", {4320, 0, 255, 255}, 26},
    {L"cmd8", Kind::Button, L"初期化", L"全設定を初期化", {2160, 1680, 1095, 375}, 20},
    {L"cmd7", Kind::Button, L"オプションリセット", L"エンコードオプションのみを初期化", {3720, 3120, 1095, 495}, 19},
    {L"chk2", Kind::CheckBox, L"出力ファイル名指定", L"", {840, 1320, 1935, 255}, 7},
    {L"txt4", Kind::TextBox, L"Text4", L"", {2760, 1320, 1215, 255}, 8},
    {L"cmb2", Kind::ComboBox, L"Combo1", L"", {3600, 3840, 1215, 285}, 17},
    {L"ochk5", Kind::CheckBox, L".wsfを .sctに割り当て", L"", {840, 4200, 3015, 165}, 18},
    {L"ochk4", Kind::CheckBox, L"スクリプト形式を指定", L"", {840, 3960, 3015, 165}, 16},
    {L"ochk3", Kind::CheckBox, L".aspで@Languageを非追加", L"", {840, 3720, 3015, 165}, 15},
    {L"ochk2", Kind::CheckBox, L"出力ファイルを上書き", L"", {840, 3480, 3015, 165}, 14},
    {L"ochk1", Kind::CheckBox, L"途中経過出力", L"", {840, 3240, 3015, 165}, 13},
    {L"cmd4", Kind::Button, L"詳細を開く", L"詳細設定域を開く", {120, 1680, 1455, 375}, 9},
    {L"cmd5", Kind::Button, L"...", L"screnc.exeへのフルパスを設定", {4320, 2640, 375, 255}, 12, true},
    {L"txt3", Kind::TextBox, L"Text3", L"", {840, 2640, 3375, 255}, 11},
    {L"cmb1", Kind::ComboBox, L"Combo1", L"", {1560, 120, 855, 285}, 1},
    {L"cmd3", Kind::Button, L"実行", L"エンコードを実行", {3840, 1680, 975, 375}, 10},
    {L"cmd2", Kind::Button, L"...", L"出力先フォルダを指定", {4320, 1080, 375, 255}, 6, true},
    {L"cmd1", Kind::Button, L"...", L"エンコードするフクリプトファイルを指定", {4320, 480, 375, 255}, 3, true},
    {L"chk1", Kind::CheckBox, L"入出力同フォルダ", L"", {840, 840, 1935, 255}, 4},
    {L"txt2", Kind::TextBox, L"Text2", L"", {840, 1080, 3375, 255}, 5},
    {L"txt1", Kind::TextBox, L"Text1", L"", {840, 480, 3375, 270}, 2},
    {L"lbl6", Kind::Label, L"lbl6", L"", {4080, 1440, 855, 135}, 25},
    {L"Label5", Kind::Label, L"エンコードオプション", L"", {120, 3000, 1935, 135}, 24},
    {L"Label4", Kind::Label, L"screnc.exeフルパス指定", L"", {120, 2400, 2175, 135}, 23},
    {L"Line2", Kind::Line, L"", L"", {0, 2160, 4920, 0}, -1},
    {L"Label3", Kind::Label, L"スクリプト形式", L"", {120, 120, 1335, 135}, 22},
    {L"Label2", Kind::Label, L"出力", L"", {120, 1080, 615, 135}, 21},
    {L"Label1", Kind::Label, L"入力", L"", {120, 480, 615, 135}, 0},
};
inline constexpr int kFrm1ControlCount = sizeof(kFrm1Controls) / sizeof(kFrm1Controls[0]);

inline const wchar_t* const kLanguageEntries[] = {L"VBScript", L"JScript"};
