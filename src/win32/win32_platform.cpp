// Dialogs: message boxes, the open-file dialog and the folder chooser shown modally.
#include "win32/win32_platform.h"

#include <commdlg.h>

#include <algorithm>

#include "select/folder_chooser.h"
#include "win32/dialog_owner.h"
#include "win32/form_setups.h"
#include "win32/form_view.h"
#include "win32/late_bound.h"
#include "win32/message_loop.h"
#include "win32/win32_error.h"

namespace mosa {

namespace {

// The characters the open-file dialog's buffer holds, terminator included.
constexpr size_t kFileNameCharacters = 32768;

// "desc|pattern" as the dialog wants it: pieces ended by NUL, the list by a second NUL.
std::wstring dialog_filter(const std::wstring& filter) {
  std::wstring pieces = filter;
  std::replace(pieces.begin(), pieces.end(), L'|', L'\0');
  pieces.push_back(L'\0');
  pieces.push_back(L'\0');
  return pieces;
}

// Disables our other top-level windows while a window is shown modally, and
// gives them back their input afterwards.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
    EnumThreadWindows(GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_)
      if (IsWindow(window)) EnableWindow(window, TRUE);
  }

 private:
  static BOOL CALLBACK disable(HWND window, LPARAM self) {
    auto* disabler = reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != disabler->modal_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabler->disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND modal_;
  std::vector<HWND> disabled_;
};

}  // namespace

// The models' styles and answers are the system's own numbers.
static_assert(kYesNoCancel == MB_YESNOCANCEL && kYesNo == MB_YESNO &&
              kExclamation == MB_ICONEXCLAMATION && kInformation == MB_ICONINFORMATION);
static_assert(kOk == IDOK && kCancel == IDCANCEL && kYes == IDYES && kNo == IDNO);

int Win32Platform::message_box(const std::wstring& text, const std::wstring& title, int style) {
  // Brought to the front: a file dropped from another program's window leaves
  // that program in front of ours.
  const int answer = MessageBoxW(dialog_owner(), text.c_str(), title.c_str(),
                                 static_cast<UINT>(style) | MB_SETFOREGROUND);
  if (answer == 0) throw last_error("MessageBoxW", text);
  return answer;
}

void Win32Platform::show_open_dialog(FileDialog& dialog) {
  std::wstring file(kFileNameCharacters, L'\0');
  std::copy_n(dialog.file_name.begin(), std::min(dialog.file_name.size(), file.size() - 1),
              file.begin());
  const std::wstring filter = dialog_filter(dialog.filter);

  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = dialog_owner();
  open.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
  open.lpstrFile = file.data();
  open.nMaxFile = static_cast<DWORD>(file.size());
  open.lpstrInitialDir = dialog.init_dir.empty() ? nullptr : dialog.init_dir.c_str();
  open.lpstrTitle = dialog.title.empty() ? nullptr : dialog.title.c_str();
  open.Flags = OFN_EXPLORER | (dialog.multiple ? OFN_ALLOWMULTISELECT : 0);
  late::join_com_apartment();
  if (!late::GetOpenFileNameW(&open)) {
    // A dialog that could not do its work is no choice of the user's.
    const DWORD error = late::CommDlgExtendedError();
    if (error != 0) throw win32_error("GetOpenFileNameW", error, dialog.title);
    return;
  }
  dialog.file_name = file.c_str();
  dialog.chosen.clear();
  // Several files come as their folder and then each name, each ended by NUL.
  for (const wchar_t* name = file.c_str() + dialog.file_name.size() + 1;
       dialog.multiple && *name; name += wcslen(name) + 1)
    dialog.chosen.push_back(dialog.file_name + (dialog.file_name.ends_with(L'\\') ? L"" : L"\\") + name);
  if (!dialog.chosen.empty()) dialog.file_name = dialog.chosen.front();
}

void Win32Platform::show_modal(FolderChooser& form) {
  const HWND previous = GetActiveWindow();
  {
    FormView view(folder_chooser_setup(form));
    form.on_load();
    // Declared after the view, so the other windows take input again before the
    // view goes and the system can hand the activation back to one of ours.
    const OtherWindowsDisabled others(view.hwnd());
    view.show(SW_SHOWNORMAL);
    run_messages(view.hwnd(), [&form] { return form.window.unloaded(); });
  }
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
}

}  // namespace mosa
