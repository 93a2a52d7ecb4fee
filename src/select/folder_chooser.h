#pragma once
// The output folder chooser: a drive list, a folder list, a hint and "OK". It
// hands its result back through out_folder, which every move of the folder list
// writes at once.
#include <string>
#include <vector>

#include "core/control.h"
#include "core/control_table.h"
#include "core/platform.h"
#include "settings/settings.h"

namespace mosa {

inline constexpr Rect kFolderChooserClient{0, 0, 4875, 1995};

enum class ChooserControl { drive_list, folder_box, hint_label, ok_button, count };

inline constexpr RoleRow<ChooserControl> kFolderChooserTable[] = {
    {ChooserControl::drive_list, {L"Drive1", Kind::ComboBox, L"", L"", {120, 120, 3135, 285}, 0}},
    {ChooserControl::folder_box, {L"Dir1", Kind::DirList, L"", L"", {120, 480, 3135, 1455}, 1}},
    {ChooserControl::hint_label, {L"lbl1", Kind::Label, L"フォルダを選択して下さい。", L"", {3360, 600, 1335, 375}, 2}},
    {ChooserControl::ok_button, {L"cmd1", Kind::Button, L"OK", L"出力先フォルダを指定します", {4080, 1680, 735, 255}, 3}},
};
inline constexpr auto kFolderChooserControls = rows_in_role_order(kFolderChooserTable);
// The hint label's background: pale yellow.
inline constexpr unsigned char kHintRed = 255, kHintGreen = 255, kHintBlue = 192;

class FolderChooser {
 public:
  using enum ChooserControl;

  FolderChooser(Settings& settings, Dialogs& dialogs, Folders& folders);
  FolderChooser(const FolderChooser&) = delete;
  FolderChooser& operator=(const FolderChooser&) = delete;

  Window window;

  // A control by its role, as the class of its kind.
  template <ChooserControl role>
  auto& get() const {
    return controls_.template get<role>();
  }
  const std::vector<Control*>& controls() const { return controls_.all(); }

  // Events the view forwards besides the controls' own.
  void on_load();
  void on_folder_opened(int index);  // the user opens a folder of the list
  void close_box();

 private:
  void on_drive_changed();
  void on_folder_changed();
  void on_folder_clicked();
  void on_ok_clicked();
  // Moves the folder list to a folder; throws when the folder cannot be read.
  void move_to(const std::wstring& folder);
  void select_drive_of(const std::wstring& folder);

  ControlSet<ChooserControl, kFolderChooserControls> controls_;
  Settings& settings_;
  Dialogs& dialogs_;
  Folders& folders_;
};

// Shows the chooser modally until its window is unloaded.
class ChooserHost {
 public:
  virtual ~ChooserHost() = default;
  virtual void show_modal(FolderChooser& chooser) = 0;
};

// The folder list of a path: the folders from its root down, then the given
// subfolders inside it.
std::vector<DirEntry> folder_list(const std::wstring& path, const std::vector<std::wstring>& subfolders);
// "c:" for "C:\work", "\\server\share" for a network path.
std::wstring drive_of(const std::wstring& path);

}  // namespace mosa
