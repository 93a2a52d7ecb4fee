#pragma once
// The forms' services on Win32. The member functions are defined by concern:
// dialogs (win32_platform.cpp), files (platform_files.cpp), folders
// (platform_folders.cpp), processes (platform_processes.cpp) and documents
// (platform_documents.cpp).
#include <memory>
#include <string>
#include <vector>

#include "app/platform.h"
#include "win32_common/handles.h"
#include "win32_common/windows_api.h"

namespace mosa {

// The environment variable that carries a batch file's path to the command interpreter.
inline const wchar_t kBatchPathVariable[] = L"MOSA_TREVLIN_BATCH";

class Win32Platform : public Platform {
 public:
  // The name that marks a running instance; by default one derived from the
  // application folder.
  explicit Win32Platform(std::wstring instance_name = L"");

  int message_box(const std::wstring& text, const std::wstring& title, int style) override;
  void show_open_dialog(FileDialog& dialog) override;
  void show_modal(FolderChooser& form) override;

  std::wstring app_folder() override;
  std::wstring find_file(const std::wstring& path) override;
  bool is_folder(const std::wstring& path) override;
  std::optional<FileStamp> stamp(const std::wstring& path) override;
  FileTime now() override;
  void wait(FileTime milliseconds) override;
  void write_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                       CodePage code_page) override;
  std::wstring read_text_file(const std::wstring& path, size_t max_bytes) override;
  std::u16string read_script(const std::wstring& path) override;
  void append_text_file(const std::wstring& path, const std::vector<std::wstring>& lines,
                        CodePage code_page) override;
  void delete_file(const std::wstring& path) override;
  void copy_hidden(const std::wstring& path, const std::wstring& copy) override;
  void move_over(const std::wstring& from, const std::wstring& to) override;
  bool fits_code_page(const std::wstring& text, CodePage code_page) override;
  std::wstring short_path(const std::wstring& path) override;

  std::unique_ptr<Process> start_system_program(const std::wstring& program,
                                                const std::wstring& arguments,
                                                ShowMode show) override;
  std::unique_ptr<Process> start_batch(const std::wstring& batch_path, ShowMode show) override;
  // Takes the one-instance mark of the application folder when no other
  // instance holds it. One whose window is closing is waited for a few seconds.
  bool another_instance_running() override;
  bool hand_to_running_window(const std::vector<std::wstring>& files) override;
  // The name that marks the instance of this folder.
  std::wstring instance_key();
  // The window is closing: a start from now on waits for the mark.
  void instance_ending();
  // The window is gone: the mark goes at once, not when the process has ended.
  void release_instance();

  void open_with_automation(const std::wstring& path) override;
  void open_with_default_program(const std::wstring& path) override;

  std::vector<std::wstring> drives() override;
  std::wstring current_folder() override;
  std::wstring drive_folder(const std::wstring& drive) override;
  std::vector<std::wstring> subfolders(const std::wstring& folder) override;
  std::vector<std::wstring> files_in(const std::wstring& folder) override;

 private:
  // The folder's subfolders, or its other entries.
  std::vector<std::wstring> folder_entries(const std::wstring& folder, bool folders);
  // The application folder as the file system names it, links followed, so
  // that one folder reached by two paths has one mark.
  std::wstring final_folder();

  std::wstring instance_name_;
  win32_common::KernelHandle mark_, mark_ending_;
};

}  // namespace mosa
