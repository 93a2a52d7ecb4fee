#pragma once
// A platform for tests: files in memory, scripted answers to message boxes and
// dialogs, and a record of everything the program asked of it.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/platform.h"
#include "settings/settings.h"

namespace mosa {

struct Message {
  std::wstring text, title;
  int style;
  bool operator==(const Message&) const = default;
};

inline void PrintTo(const Message& m, std::ostream* os) {
  *os << ::testing::PrintToString(m.text) << " / " << ::testing::PrintToString(m.title) << " / "
      << m.style;
}

struct FakeFile {
  std::wstring text;
  CodePage code_page = CodePage::Ansi;
  FileTime modified = 0;
  bool hidden = false;
};

class FakePlatform : public Platform {
 public:
  // --- scripted world
  std::wstring folder = L"C:\\tools\\enc";
  std::map<std::wstring, FakeFile> files;
  std::set<std::wstring> unreadable, unwritable, undeletable, rejected;
  std::wstring no_form_chars = L"é";             // characters no code page here can hold
  std::map<std::wstring, std::wstring> short_paths;
  std::deque<int> answers;                        // next message box answers
  std::function<void(FileDialog&)> on_open_dialog;
  std::function<void(FolderChooser&)> on_chooser;
  bool other_instance = false, start_fails = false, running_window = true;
  FileTime clock = 1'000'000;
  // What the started batch file does before it ends; gives its exit status.
  std::function<int()> batch_runs = [] { return 0; };
  bool automation_fails = false, default_program_fails = false;
  std::wstring current = L"C:\\work";
  std::map<std::wstring, std::vector<std::wstring>> folders{
      {L"C:\\", {L"out", L"work"}}, {L"C:\\work", {L"site"}}, {L"C:\\work\\site", {}},
      {L"C:\\out", {}},            {L"D:\\", {L"data"}},     {L"D:\\data", {}}};
  std::set<std::wstring> unreadable_drives;

  // --- what the program did
  std::vector<Message> messages;
  std::vector<FileDialog> dialogs_shown;
  std::vector<std::vector<std::wstring>> handed_over;
  std::vector<std::wstring> events;  // writes, starts, waits, deletes and messages in order
  int chooser_shown = 0;

  // Writes a file as the program would find it: lines joined with CR LF.
  void put_lines(const std::wstring& path, const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const auto& line : lines) text += line + L"\r\n";
    files[path] = {text, CodePage::Ansi, clock};
  }
  std::wstring settings_path() const { return folder + L"\\mosa-trevlin.ini"; }
  static std::wstring message_event(const std::wstring& title, const std::wstring& text) {
    return L"message " + title + L": " + text;
  }

  int message_box(const std::wstring& text, const std::wstring& title, int style) override {
    messages.push_back({text, title, style});
    events.push_back(message_event(title, text));
    if (!answers.empty()) {
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return style == kYesNoCancel ? kCancel : style == kYesNo ? kNo : kOk;
  }
  void show_open_dialog(FileDialog& dialog) override {
    dialogs_shown.push_back(dialog);
    if (on_open_dialog) on_open_dialog(dialog);
  }
  void show_modal(FolderChooser& form) override {
    ++chooser_shown;
    form.on_load();
    if (on_chooser) on_chooser(form);
    if (!form.window.unloaded()) throw std::logic_error("the chooser was left open");
  }
  std::wstring app_folder() override { return folder; }
  std::wstring find_file(const std::wstring& path) override {
    if (rejected.count(path)) throw PlatformError("rejected path");
    if (!files.count(path) || files[path].hidden) return L"";
    const size_t cut = path.rfind(L'\\');
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
  }
  bool is_folder(const std::wstring& path) override { return folders.count(path) > 0; }
  std::optional<FileStamp> stamp(const std::wstring& path) override {
    if (!files.count(path)) return std::nullopt;
    return FileStamp{files[path].modified, files[path].text.size(), 0, 0};
  }
  FileTime now() override { return clock; }
  void wait(FileTime milliseconds) override { clock += milliseconds; }
  void write_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                       CodePage code_page) override {
    events.push_back(L"write " + path);
    if (unwritable.count(path)) throw PlatformError("cannot write");
    std::wstring text;
    for (const auto& line : lines) {
      if (!fits_code_page(line, code_page)) throw PlatformError("no form in the code page");
      text += line + L"\r\n";
    }
    files[path] = {text, code_page, clock};
  }
  std::wstring read_text_file(const std::wstring& path, size_t max_bytes) override {
    if (unreadable.count(path)) throw PlatformError("cannot read");
    if (!files.count(path)) throw FileNotFound("no file");
    return files[path].text.substr(0, max_bytes);
  }
  std::u16string read_script(const std::wstring& path) override {
    const std::wstring text = read_text_file(path, std::wstring::npos);
    return std::u16string(text.begin(), text.end());
  }
  void append_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                        CodePage code_page) override {
    const std::wstring before = files.count(path) ? files[path].text : L"";
    write_text_file(path, lines, code_page);
    files[path].text = before + files[path].text;
  }
  void copy_hidden(const std::wstring& path, const std::wstring& copy) override {
    if (files.count(copy) || unwritable.count(copy)) throw PlatformError("cannot copy");
    files[copy] = files.at(path);
    files[copy].hidden = true;
  }
  void move_over(const std::wstring& from, const std::wstring& to) override {
    if (unwritable.count(to)) throw PlatformError("cannot move");
    files[to] = files.at(from);
    files[to].hidden = false;
    files.erase(from);
  }
  void delete_file(const std::wstring& path) override {
    events.push_back(L"delete " + path);
    if (undeletable.count(path) || !files.erase(path)) throw PlatformError("cannot delete");
  }
  bool fits_code_page(const std::wstring& text, CodePage) override {
    return text.find_first_of(no_form_chars) == std::wstring::npos;
  }
  std::wstring short_path(const std::wstring& path) override {
    const auto found = short_paths.find(path);
    return found == short_paths.end() ? L"" : found->second;
  }

  struct FakeProcess : Process {
    explicit FakeProcess(FakePlatform& platform) : platform(platform) {}
    std::optional<int> finish(const std::function<bool()>& stop_wanted) override {
      platform.events.push_back(L"finish");
      const int status = platform.batch_runs();
      return stop_wanted() ? std::nullopt : std::optional(status);
    }
    FakePlatform& platform;
  };
  std::unique_ptr<Process> start_system_program(const std::wstring& program,
                                                const std::wstring& arguments,
                                                ShowMode show) override {
    return start(program + L" " + arguments, show);
  }
  std::unique_ptr<Process> start_batch(const std::wstring& batch_path, ShowMode show) override {
    return start(L"batch " + batch_path, show);
  }
  bool another_instance_running() override { return other_instance; }
  bool hand_to_running_window(const std::vector<std::wstring>& files) override {
    handed_over.push_back(files);
    return running_window;
  }
  void open_with_automation(const std::wstring& path) override {
    events.push_back(L"automation " + path);
    if (automation_fails) throw PlatformError("no automation");
  }
  void open_with_default_program(const std::wstring& path) override {
    events.push_back(L"default program " + path);
    if (default_program_fails) throw PlatformError("no program");
  }
  std::vector<std::wstring> drives() override { return {L"c:", L"d:", L"e:"}; }
  std::wstring current_folder() override { return current; }
  std::wstring drive_folder(const std::wstring& drive) override {
    if (unreadable_drives.count(drive)) throw PlatformError("drive not ready");
    std::wstring root = drive + L"\\";
    root[0] = static_cast<wchar_t>(towupper(root[0]));
    return root;
  }
  std::vector<std::wstring> subfolders(const std::wstring& path) override {
    const auto found = folders.find(path);
    if (found == folders.end()) throw PlatformError("cannot read folder");
    return found->second;
  }
  std::vector<std::wstring> files_in(const std::wstring& folder) override {
    if (unreadable.count(folder)) throw PlatformError("cannot read folder");
    std::vector<std::wstring> names;
    for (const auto& [path, file] : files)
      if (path.starts_with(folder + L"\\") && path.find(L'\\', folder.size() + 1) == std::wstring::npos)
        names.push_back(path.substr(folder.size() + 1));
    return names;
  }

 private:
  std::unique_ptr<Process> start(const std::wstring& what, ShowMode show) {
    events.push_back(L"start " + what + (show == ShowMode::Minimized ? L" minimized" : L" normal"));
    if (start_fails) throw PlatformError("cannot start");
    return std::make_unique<FakeProcess>(*this);
  }
};

}  // namespace mosa
