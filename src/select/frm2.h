#pragma once
// The output folder chooser: a drive list, a folder list, a hint and "OK". It
// hands its result back through out_folder, which every move of the folder list
// writes at once.
#include <string>
#include <vector>

#include "core/control.h"
#include "core/platform.h"
#include "settings/settings.h"

inline constexpr Rect kFrm2Client{0, 0, 4875, 1995};

inline constexpr ControlRow kFrm2Controls[] = {
    {L"Drive1", Kind::ComboBox, L"", L"", {120, 120, 3135, 285}, 0},
    {L"Dir1", Kind::DirList, L"", L"", {120, 480, 3135, 1455}, 1},
    {L"lbl1", Kind::Label, L"フォルダを選択して下さい。", L"", {3360, 600, 1335, 375}, 2},
    {L"cmd1", Kind::Button, L"OK", L"出力先フォルダを指定します", {4080, 1680, 735, 255}, 3},
};
inline constexpr int kFrm2ControlCount = sizeof(kFrm2Controls) / sizeof(kFrm2Controls[0]);
// The hint label's background: pale yellow.
inline constexpr unsigned char kHintRed = 255, kHintGreen = 255, kHintBlue = 192;

class frm2 {
 public:
  frm2(Settings& settings, Dialogs& dialogs, Folders& folders);
  frm2(const frm2&) = delete;
  frm2& operator=(const frm2&) = delete;

  Window window;
  ComboBox Drive1;
  DirList Dir1;
  Label lbl1;
  Button cmd1;

  const std::vector<Control*>& controls() const { return controls_; }

  // Events the view forwards besides the controls' own.
  void Form_Load();
  void Dir1_DblClick(int index);  // the user opens a folder of the list
  void close_box();

 private:
  void Drive1_Change();
  void Dir1_Change();
  void Dir1_Click();
  void cmd1_Click();
  // Moves the folder list to a folder; throws when the folder cannot be read.
  void move_to(const std::wstring& folder);
  void select_drive_of(const std::wstring& folder);

  Settings& settings_;
  Dialogs& dialogs_;
  Folders& folders_;
  std::vector<Control*> controls_;
};

// Shows the chooser modally until its window is unloaded.
class ChooserHost {
 public:
  virtual ~ChooserHost() = default;
  virtual void show_modal(frm2& form) = 0;
};

// The folder list of a path: the folders from its root down, then the given
// subfolders inside it.
std::vector<DirEntry> folder_list(const std::wstring& path, const std::vector<std::wstring>& subfolders);
// "c:" for "C:\work", "\\server\share" for a network path.
std::wstring drive_of(const std::wstring& path);
