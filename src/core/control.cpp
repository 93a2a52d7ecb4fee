#include "core/control.h"

namespace mosa {

Control::Control(const ControlRow& row)
    : caption_(row.caption), row_(row), tooltip_(row.tooltip), tab_stop_(row.tab >= 0 && row.kind != Kind::Label && row.kind != Kind::Line) {}

void Control::set_caption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  changed();
}

void Control::set_tooltip(const std::wstring& tooltip) {
  if (tooltip == tooltip_) return;
  tooltip_ = tooltip;
  changed();
}

void Control::set_visible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void Control::set_enabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed();
}

void Control::set_tab_stop(bool tab_stop) {
  if (tab_stop == tab_stop_) return;
  tab_stop_ = tab_stop;
  changed();
}

void TextBox::set_text(const std::wstring& text) {
  if (text == caption_) return;
  caption_ = text;
  changed();
  if (on_change) on_change();
}

void CheckBox::set_value(int value) {
  if (value == value_) return;
  value_ = value;
  changed();
  if (on_click) on_click();
}

ComboBox::ComboBox(const ControlRow& row, std::vector<std::wstring> entries)
    : Control(row), entries_(std::move(entries)) {}

void ComboBox::select(int position) {
  if (position < -1 || position >= static_cast<int>(entries_.size())) return;
  if (position == selected_) return;
  selected_ = position;
  if (position >= 0) caption_ = entries_[position];
  changed();
  if (on_click) on_click();
}

void ComboBox::pick(int position) {
  if (position < 0 || position >= static_cast<int>(entries_.size())) return;
  select(position);
  if (on_pick) on_pick();
}

void ComboBox::type_text(const std::wstring& text) {
  if (text == caption_ && selected_ == -1) return;
  caption_ = text;
  selected_ = -1;
  changed();
}

void ComboBox::set_entries(std::vector<std::wstring> entries) {
  entries_ = std::move(entries);
  selected_ = -1;
  changed();
}

Window::Window(std::wstring caption, Rect client, int height)
    : caption_(std::move(caption)), client_(client), height_(height) {}

void Window::set_height(int twips) {
  if (twips == height_) return;
  height_ = twips;
  changed();
}

void Window::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  changed();
}

std::wstring Window::caption() const {
  if (progress_total_ == 0) return caption_;
  return caption_ + L" - " + std::to_wstring(progress_current_) + L"/" +
         std::to_wstring(progress_total_);
}

void Window::set_progress(int current, int total) {
  if (total == 0) current = 0;
  if (current == progress_current_ && total == progress_total_) return;
  progress_current_ = current;
  progress_total_ = total;
  changed();
}

void Window::set_busy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  // A request that came after the last wait has nothing left to stop.
  if (!busy) stop_requested_ = false;
  changed();
}

void DirList::show(const std::wstring& path, std::vector<DirEntry> entries) {
  entries_ = std::move(entries);
  highlighted_ = -1;
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
    if (entries_[i].path == path) highlighted_ = i;
  const bool moved = path != path_;
  path_ = path;
  changed();
  if (moved && on_change) on_change();
}

void DirList::click(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  highlighted_ = index;
  changed();
  if (on_click) on_click();
}

}  // namespace mosa
