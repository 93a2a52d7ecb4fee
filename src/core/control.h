#pragma once
// The control model: what a form's controls hold, independent of any screen.
// One rule lives here: a change made from code runs the same handling as the
// user's change, and setting a control to the value it already has runs nothing.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mosa {

using Handler = std::function<void()>;

// Position and size in twips (1/1440 inch), relative to the client area.
struct Rect {
  int left, top, width, height;
};

enum class Kind { Button, CheckBox, TextBox, ComboBox, Label, Line, DirList };

// What a control looks like before the program touches it: one row of a
// window's control table.
struct ControlRow {
  const wchar_t* name;
  Kind kind;
  const wchar_t* caption;  // caption or initial text
  const wchar_t* tooltip;  // empty for none
  Rect rect;
  int tab;                 // position in the tab order, -1 for none
  bool small_font = false;
};

// A control's window identifier is kFirstControlId + its row in the table, for
// the view and the test driver alike.
inline constexpr int kFirstControlId = 1000;

class Control {
 public:
  explicit Control(const ControlRow& row);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const ControlRow& row() const { return row_; }
  const std::wstring& caption() const { return caption_; }
  const std::wstring& tooltip() const { return tooltip_; }
  bool visible() const { return visible_; }
  bool enabled() const { return enabled_; }
  bool tab_stop() const { return tab_stop_; }

  void set_caption(const std::wstring& caption);
  void set_tooltip(const std::wstring& tooltip);
  void set_visible(bool visible);
  void set_enabled(bool enabled);
  void set_tab_stop(bool tab_stop);

  // The view registers here to follow every change of the model at once.
  void set_view_listener(Handler listener) { view_listener_ = std::move(listener); }

 protected:
  void changed() const {
    if (view_listener_) view_listener_();
  }
  std::wstring caption_;

 private:
  ControlRow row_;
  std::wstring tooltip_;
  bool visible_ = true;
  bool enabled_ = true;
  bool tab_stop_;
  Handler view_listener_;
};

class Button : public Control {
 public:
  using Control::Control;
  Handler on_click;
  void click() const {
    if (on_click) on_click();
  }
};

using Label = Control;

class TextBox : public Control {
 public:
  using Control::Control;
  Handler on_change;
  const std::wstring& text() const { return caption_; }
  // Stores a different text and runs the change handling; the same text runs nothing.
  void set_text(const std::wstring& text);
};

class CheckBox : public Control {
 public:
  using Control::Control;
  Handler on_click;
  int value() const { return value_; }  // 0 clear, 1 ticked, 2 greyed
  bool ticked() const { return value_ == 1; }
  void set_value(int value);
  // A click of the user: a ticked box clears, any other state ticks.
  void toggle() { set_value(value_ == 1 ? 0 : 1); }

 private:
  int value_ = 0;
};

// A drop-down combo box with editable text.
class ComboBox : public Control {
 public:
  explicit ComboBox(const ControlRow& row, std::vector<std::wstring> entries = {});
  Handler on_click;  // the selected entry changed, by code or by the user
  Handler on_pick;   // the user picked an entry from the list, changed or not

  const std::vector<std::wstring>& entries() const { return entries_; }
  int selected() const { return selected_; }
  const std::wstring& text() const { return caption_; }

  // Selecting a different position shows that entry and runs on_click.
  void select(int position);
  // The user chose an entry from the list.
  void pick(int position);
  // The user typed into the edit part: the text changes, the list no longer has a selection.
  void type_text(const std::wstring& text);
  void set_entries(std::vector<std::wstring> entries);

 private:
  std::vector<std::wstring> entries_;
  int selected_ = -1;
};

// A window: caption, client area and outer height in twips. The model's height is
// the truth; the view converts it to pixels. A height of 0 lets the frame fit the
// client area.
class Window {
 public:
  Window(std::wstring caption, Rect client, int height);
  // The caption, with the progress of a long work after it while there is one.
  std::wstring caption() const;
  const Rect& client() const { return client_; }
  int height() const { return height_; }
  void set_height(int twips);
  bool unloaded() const { return unloaded_; }
  void unload();
  // A busy window paints but takes no input, and shows the wait cursor.
  bool busy() const { return busy_; }
  void set_busy(bool busy);
  // The user asked a busy window to stop its work (its close box, Esc); the
  // work takes the request once.
  void request_stop() { stop_requested_ = busy_; }
  bool take_stop_request() { return std::exchange(stop_requested_, false); }
  // Which of how many items a long work is at (shown in the caption and on the
  // taskbar button); a total of 0 ends the showing.
  void set_progress(int current, int total);
  int progress_current() const { return progress_current_; }
  int progress_total() const { return progress_total_; }
  void set_view_listener(Handler listener) { view_listener_ = std::move(listener); }

 private:
  void changed() const {
    if (view_listener_) view_listener_();
  }

  std::wstring caption_;
  Rect client_;
  int height_;
  bool unloaded_ = false;
  bool busy_ = false;
  bool stop_requested_ = false;
  int progress_current_ = 0, progress_total_ = 0;
  Handler view_listener_;
};

// A folder list in the manner of a classic directory list box: the folders of
// the current path from its root down, then the folders inside it.
struct DirEntry {
  std::wstring name;
  std::wstring path;
  int depth;
  bool open;  // the current path or one of its ancestors
  bool operator==(const DirEntry&) const = default;
};

class DirList : public Control {
 public:
  using Control::Control;
  Handler on_change;  // the current path changed
  Handler on_click;   // the user highlighted an entry

  const std::wstring& path() const { return path_; }
  const std::vector<DirEntry>& entries() const { return entries_; }
  int highlighted() const { return highlighted_; }

  // Shows a folder and its listing; a different path runs on_change.
  void show(const std::wstring& path, std::vector<DirEntry> entries);
  void click(int index);

 private:
  std::wstring path_;
  std::vector<DirEntry> entries_;
  int highlighted_ = -1;
};

}  // namespace mosa
