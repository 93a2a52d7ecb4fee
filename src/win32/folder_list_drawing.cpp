// Folder lists drawn in the manner of a classic directory list box: each folder
// indented by its depth behind an open or closed folder icon.
#include "win32/form_view.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "win32/late_bound.h"
#include "win32/window_helpers.h"

namespace mosa {

using win32_common::IconHandle;

namespace {

// How far a folder list indents each level (96 dpi pixels).
constexpr int kFolderIndent = 8;

// The system's small folder icon; where the stock icon is missing (Wine), the
// same picture from its classic resource in shell32.
IconHandle folder_icon(bool open) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof info;
  if (SUCCEEDED(late::SHGetStockIconInfo(open ? SIID_FOLDEROPEN : SIID_FOLDER,
                                   SHGSI_ICON | SHGSI_SMALLICON, &info)) &&
      info.hIcon)
    return IconHandle(info.hIcon);
  const int size = GetSystemMetrics(SM_CXSMICON);
  return IconHandle(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(L"shell32.dll"),
                                    MAKEINTRESOURCEW(open ? 5 : 4), IMAGE_ICON, size, size, 0)));
}

}  // namespace

void FormView::load_folder_icons() {
  folder_icon_ = folder_icon(false);
  open_folder_icon_ = folder_icon(true);
}

void FormView::measure_folder(MEASUREITEMSTRUCT& item) const {
  item.itemHeight = std::max(line_height(font_), GetSystemMetrics(SM_CYSMICON)) + 2;
}

void FormView::draw_folder(const DRAWITEMSTRUCT& item) const {
  const ControlView* view = nullptr;
  for (const ControlView& candidate : views_)
    if (candidate.hwnd == item.hwndItem) view = &candidate;
  const HDC dc = item.hDC;
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (!view || item.itemID >= view->folders.size()) return;
  const DirEntry& entry = view->folders[item.itemID];

  const int icon_size = GetSystemMetrics(SM_CXSMICON);
  int x = item.rcItem.left + 2 + entry.depth * MulDiv(kFolderIndent, dpi_, 96);
  const HICON icon = entry.open ? open_folder_icon_.get() : folder_icon_.get();
  if (icon) {
    const int y = (item.rcItem.top + item.rcItem.bottom - icon_size) / 2;
    DrawIconEx(dc, x, y, icon, icon_size, icon_size, 0, nullptr, DI_NORMAL);
  }
  x += icon_size + 3;

  RECT text = item.rcItem;
  text.left = x;
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, entry.name.c_str(), static_cast<int>(entry.name.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace mosa
