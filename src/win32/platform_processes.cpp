// Processes: starting programs and batch files, and the one-instance test.
#include "win32/win32_platform.h"

#include "core/paths.h"
#include "win32/message_loop.h"
#include "win32/running_window.h"
#include "win32/win32_error.h"
#include "win32_common/handles.h"
#include "win32_common/system_folder.h"

namespace mosa {

using win32_common::KernelHandle;

namespace {

class Win32Process : public Process {
 public:
  Win32Process(HANDLE process, KernelHandle job) : process_(process), job_(std::move(job)) {}
  HANDLE job() const { return job_.get(); }
  std::optional<int> finish(const std::function<bool()>& stop_wanted) override {
    // A process that ended while the user was asked has its status: the answer
    // came too late to stop anything.
    if (!wait_answering(process_.get(), INFINITE, stop_wanted) &&
        WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
      if (!job_) throw PlatformError("a process without a job cannot be stopped");
      if (!TerminateJobObject(job_.get(), 1)) throw last_error("TerminateJobObject");
      // Gone before the caller touches the files they held.
      WaitForSingleObject(process_.get(), kStopWaitMs);
      return std::nullopt;
    }
    DWORD status = 0;
    if (!GetExitCodeProcess(process_.get(), &status)) throw last_error("GetExitCodeProcess");
    return static_cast<int>(status);
  }

 private:
  static constexpr DWORD kStopWaitMs = 10000;
  KernelHandle process_;
  // The process and every process it starts belong to the job; closing the
  // job's handle ends them all, also when the program itself is ended.
  KernelHandle job_;
};

KernelHandle job_ending_on_close() {
  KernelHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) throw last_error("CreateJobObjectW");
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                               sizeof limits))
    throw last_error("SetInformationJobObject");
  return job;
}

// Started suspended when it joins a job, so that nothing it starts escapes it.
std::unique_ptr<Process> create_process(const std::wstring& program,
                                        const std::wstring& command_line, ShowMode show,
                                        const std::wstring& folder = L"", bool in_job = false) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show == ShowMode::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
  KernelHandle job = in_job ? job_ending_on_close() : KernelHandle();
  PROCESS_INFORMATION started{};
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring writable = command_line;
  if (!CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE,
                      in_job ? CREATE_SUSPENDED : 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started))
    throw last_error("CreateProcessW", command_line);
  const KernelHandle thread(started.hThread);
  auto process = std::make_unique<Win32Process>(started.hProcess, std::move(job));
  if (in_job) {
    const bool joined = AssignProcessToJobObject(process->job(), started.hProcess);
    if (!joined || ResumeThread(thread.get()) == static_cast<DWORD>(-1)) {
      const PlatformError error =
          last_error(joined ? "ResumeThread" : "AssignProcessToJobObject", command_line);
      TerminateProcess(started.hProcess, 1);
      throw error;
    }
  }
  return process;
}

std::wstring system_folder() {
  const std::wstring folder = win32_common::system_folder();
  if (folder.empty()) throw last_error("GetSystemDirectoryW");
  return folder;
}

}  // namespace

Win32Platform::Win32Platform(std::wstring instance_name)
    : instance_name_(std::move(instance_name)) {}

std::unique_ptr<Process> Win32Platform::start_system_program(const std::wstring& program,
                                                             const std::wstring& arguments,
                                                             ShowMode show) {
  const std::wstring path = system_folder() + L"\\" + program;
  return create_process(path, L"\"" + path + L"\" " + arguments, show);
}

std::unique_ptr<Process> Win32Platform::start_batch(const std::wstring& batch_path, ShowMode show) {
  // The path reaches the command interpreter through a variable: Windows'
  // interpreter expands %NAME% once without looking at the result again, and
  // inside the quotes that /s leaves around it "&", "^" and spaces are plain
  // characters. Written into the command line itself, the path could split.
  // Wine's interpreter does look at the result again and would expand "%x%" in
  // the folder's name, so the folder is given as the current one and the
  // variable holds the name alone. A network folder cannot be the
  // interpreter's current one; it keeps the whole path.
  const bool network = batch_path.rfind(L"\\\\", 0) == 0;
  std::wstring folder, target = batch_path;
  if (!kBackslashPaths.folder_of(batch_path).empty() && !network) {
    folder = kBackslashPaths.parent_of(batch_path);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    target = kBackslashPaths.joined(L".", kBackslashPaths.name_of(batch_path));
  }
  if (!SetEnvironmentVariableW(kBatchPathVariable, target.c_str()))
    throw last_error("SetEnvironmentVariableW", batch_path);
  const std::wstring interpreter = system_folder() + L"\\cmd.exe";
  const std::wstring command_line =
      L"\"" + interpreter + L"\" /d /v:off /s /c \"\"%" + kBatchPathVariable + L"%\"\"";
  return create_process(interpreter, command_line, show, folder, true);
}

namespace {

// Long enough for a closing instance to let go of its mark, short enough that
// a start does not seem to hang.
constexpr DWORD kEndingWaitMs = 5000;

}  // namespace

bool Win32Platform::another_instance_running() {
  // Named after the folder, whose batch, log and settings files the instance
  // owns, in the namespace every logon session of the machine shares.
  const std::wstring name = instance_key();
  // The mark: a mutex the main thread owns while the window lives, and an
  // event set while the window closes.
  mark_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
  if (!mark_) return GetLastError() == ERROR_ACCESS_DENIED;
  mark_ending_.reset(CreateEventW(nullptr, TRUE, FALSE, (name + L"-ending").c_str()));
  const bool closing = mark_ending_ && WaitForSingleObject(mark_ending_.get(), 0) == WAIT_OBJECT_0;
  // An instance that ended without letting go leaves the mark abandoned: free.
  const DWORD got = WaitForSingleObject(mark_.get(), closing ? kEndingWaitMs : 0);
  if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) {
    release_instance();
    return true;
  }
  if (mark_ending_) ResetEvent(mark_ending_.get());
  return false;
}

void Win32Platform::instance_ending() {
  if (mark_ending_) SetEvent(mark_ending_.get());
}

void Win32Platform::release_instance() {
  if (mark_) ReleaseMutex(mark_.get());
  mark_.reset();
  mark_ending_.reset();
}

std::wstring Win32Platform::instance_key() {
  return instance_name_.empty() ? instance_name(final_folder()) : instance_name_;
}

bool Win32Platform::hand_to_running_window(const std::vector<std::wstring>& files) {
  // The first start may hold its lock a moment before its window shows.
  constexpr DWORD kWindowWaitMs = 5000;
  const HWND window = running_window(instance_key(), kWindowWaitMs);
  if (!window) return false;
  // This start is the user's doing, so it may bring the window to the front.
  if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
  SetForegroundWindow(window);
  return files.empty() || send_files(window, files);
}

}  // namespace mosa
