#include "select/folder_chooser.h"

#include <algorithm>
#include <cwctype>

#include "core/paths.h"
#include "core/program.h"
#include "core/texts.h"

namespace mosa {

namespace {

// The root of a path with its trailing "\": "C:\" or "\\server\share\".
std::wstring root_folder_of(const std::wstring& path) {
  if (path.rfind(L"\\\\", 0) == 0) {
    size_t cut = path.find(L'\\', 2);
    if (cut != std::wstring::npos) cut = path.find(L'\\', cut + 1);
    return cut == std::wstring::npos ? path + L"\\" : path.substr(0, cut + 1);
  }
  return path.substr(0, std::min<size_t>(path.size(), 2)) + L"\\";
}

}  // namespace

std::wstring drive_of(const std::wstring& path) {
  std::wstring root = root_folder_of(path);
  root.pop_back();
  if (root.size() == 2 && root[1] == L':') root[0] = static_cast<wchar_t>(std::towlower(root[0]));
  return root;
}

std::vector<DirEntry> folder_list(const std::wstring& path,
                                  const std::vector<std::wstring>& subfolders) {
  const std::wstring root = root_folder_of(path);
  std::vector<DirEntry> entries{{root, root, 0, true}};
  std::wstring walked = root;
  size_t start = root.size();
  while (start < path.size()) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    if (end > start) {
      const std::wstring name = path.substr(start, end - start);
      walked = kBackslashPaths.joined(walked, name);
      entries.push_back({name, walked, static_cast<int>(entries.size()), true});
    }
    start = end + 1;
  }
  const int depth = static_cast<int>(entries.size());
  for (const std::wstring& name : subfolders)
    entries.push_back({name, kBackslashPaths.joined(walked, name), depth, false});
  return entries;
}

FolderChooser::FolderChooser(Settings& settings, Dialogs& dialogs, Folders& folders)
    : window(kAppCaption, kFolderChooserClient, 0),
      settings_(settings),
      dialogs_(dialogs),
      folders_(folders) {
  get<ok_button>().set_visible(false);
  // The lists open on the process's current drive and folder; that is no move.
  try {
    get<drive_list>().set_entries(folders_.drives());
    const std::wstring folder = folders_.current_folder();
    select_drive_of(folder);
    move_to(folder);
  } catch (const PlatformError&) {
    // An unreadable current folder leaves the list empty; a drive can still be chosen.
  }
  get<drive_list>().on_click = [this] { on_drive_changed(); };
  get<folder_box>().on_change = [this] { on_folder_changed(); };
  get<folder_box>().on_click = [this] { on_folder_clicked(); };
  get<ok_button>().on_click = [this] { on_ok_clicked(); };
}

void FolderChooser::on_load() { get<hint_label>().set_visible(true); }

void FolderChooser::select_drive_of(const std::wstring& folder) {
  const std::wstring drive = drive_of(folder);
  const auto& entries = get<drive_list>().entries();
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == drive) get<drive_list>().select(static_cast<int>(i));
}

void FolderChooser::move_to(const std::wstring& folder) {
  get<folder_box>().show(folder, folder_list(folder, folders_.subfolders(folder)));
}

void FolderChooser::on_drive_changed() {
  const std::wstring drive = get<drive_list>().text();
  // Choosing the drive the folder list is already on keeps its folder.
  if (!get<folder_box>().path().empty() && drive_of(get<folder_box>().path()) == drive) return;
  try {
    move_to(folders_.drive_folder(drive));
  } catch (const PlatformError&) {
    dialogs_.message_box(texts::unreadable_drive(drive), texts::kNavigationTitle, kExclamation);
    select_drive_of(get<folder_box>().path());
  }
}

void FolderChooser::on_folder_opened(int index) {
  const auto& entries = get<folder_box>().entries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  const std::wstring folder = entries[index].path;
  try {
    move_to(folder);
  } catch (const PlatformError&) {
    dialogs_.message_box(texts::unopenable_folder(folder), texts::kNavigationTitle, kExclamation);
  }
}

void FolderChooser::on_folder_changed() {
  settings_.out_folder = get<folder_box>().path() + L"\\";
  get<ok_button>().set_visible(true);
  get<hint_label>().set_visible(false);
}

void FolderChooser::on_folder_clicked() { get<hint_label>().set_visible(true); }

void FolderChooser::on_ok_clicked() {
  if (settings_.out_folder.empty()) {
    dialogs_.message_box(texts::kNoFolderChosen, texts::kNavigationTitle, kExclamation);
    return;
  }
  window.unload();
}

void FolderChooser::close_box() { window.unload(); }

}  // namespace mosa
