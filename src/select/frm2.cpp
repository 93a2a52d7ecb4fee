#include "select/frm2.h"

#include <algorithm>
#include <cwctype>

#include "core/program.h"

namespace {

const wchar_t kNavigation[] = L"Navigation";

// The root of a path with its trailing "\": "C:\" or "\\server\share\".
std::wstring root_folder_of(const std::wstring& path) {
  if (path.rfind(L"\\\\", 0) == 0) {
    size_t cut = path.find(L'\\', 2);
    if (cut != std::wstring::npos) cut = path.find(L'\\', cut + 1);
    return cut == std::wstring::npos ? path + L"\\" : path.substr(0, cut + 1);
  }
  return path.substr(0, std::min<size_t>(path.size(), 2)) + L"\\";
}

std::wstring join(const std::wstring& folder, const std::wstring& name) {
  return folder.ends_with(L'\\') ? folder + name : folder + L"\\" + name;
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
      walked = join(walked, name);
      entries.push_back({name, walked, static_cast<int>(entries.size()), true});
    }
    start = end + 1;
  }
  const int depth = static_cast<int>(entries.size());
  for (const std::wstring& name : subfolders) entries.push_back({name, join(walked, name), depth, false});
  return entries;
}

frm2::frm2(Settings& settings, Dialogs& dialogs, Folders& folders)
    : window(kAppCaption, kFrm2Client, 0),
      Drive1(kFrm2Controls[0], {}),
      Dir1(kFrm2Controls[1]),
      lbl1(kFrm2Controls[2]),
      cmd1(kFrm2Controls[3]),
      settings_(settings),
      dialogs_(dialogs),
      folders_(folders),
      controls_{&Drive1, &Dir1, &lbl1, &cmd1} {
  cmd1.set_visible(false);
  // The lists open on the process's current drive and folder; that is no move.
  try {
    Drive1.set_entries(folders_.drives());
    const std::wstring folder = folders_.current_folder();
    select_drive_of(folder);
    move_to(folder);
  } catch (const PlatformError&) {
    // An unreadable current folder leaves the list empty; a drive can still be chosen.
  }
  Drive1.on_click = [this] { Drive1_Change(); };
  Dir1.on_change = [this] { Dir1_Change(); };
  Dir1.on_click = [this] { Dir1_Click(); };
  cmd1.on_click = [this] { cmd1_Click(); };
}

void frm2::Form_Load() { lbl1.set_visible(true); }

void frm2::select_drive_of(const std::wstring& folder) {
  const std::wstring drive = drive_of(folder);
  const auto& entries = Drive1.entries();
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == drive) Drive1.select(static_cast<int>(i));
}

void frm2::move_to(const std::wstring& folder) {
  Dir1.show(folder, folder_list(folder, folders_.subfolders(folder)));
}

void frm2::Drive1_Change() {
  const std::wstring drive = Drive1.text();
  // Choosing the drive the folder list is already on keeps its folder.
  if (!Dir1.path().empty() && drive_of(Dir1.path()) == drive) return;
  try {
    move_to(folders_.drive_folder(drive));
  } catch (const PlatformError&) {
    dialogs_.message_box(L"ドライブ " + drive + L" を読み取れません。", kNavigation, kExclamation);
    select_drive_of(Dir1.path());
  }
}

void frm2::Dir1_DblClick(int index) {
  const auto& entries = Dir1.entries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  const std::wstring folder = entries[index].path;
  try {
    move_to(folder);
  } catch (const PlatformError&) {
    dialogs_.message_box(folder + L" を開けません。", kNavigation, kExclamation);
  }
}

void frm2::Dir1_Change() {
  settings_.out_folder = Dir1.path() + L"\\";
  cmd1.set_visible(true);
  lbl1.set_visible(false);
}

void frm2::Dir1_Click() { lbl1.set_visible(true); }

void frm2::cmd1_Click() {
  if (settings_.out_folder.empty()) {
    dialogs_.message_box(L"まだフォルダが選択されていません。", kNavigation, kExclamation);
    return;
  }
  window.unload();
}

void frm2::close_box() { window.unload(); }
