// Measures how long programs take from process creation to a visible main
// window. It runs inside Wine itself, so Wine's own start-up cost of the timer
// is not counted, only that of each program started.
//
//   startup_timer <runs> <program.exe> <caption> [<program.exe> <caption>]...
//
// Each program is started once to warm the file cache, then <runs> times, the
// programs taking turns so that a load that comes and goes on the machine falls
// on all of them alike; the medians are printed, and the ratio of each to each
// one after it.
#include <windows.h>

#include "clock.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

const double kTimeLimitMs = 30000;

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (handle_) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

HWND visible_window_of(DWORD process_id, const wchar_t* caption) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, caption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// One start: the time to the visible window, after which the program is closed
// and awaited, so that the next start does not meet a running instance.
std::optional<double> time_one_start(const std::wstring& program, const wchar_t* caption) {
  std::wstring command_line = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const double start = now_ms();
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return std::nullopt;
  }
  const Handle process(info.hProcess);
  const Handle thread(info.hThread);

  HWND window = nullptr;
  double elapsed = 0;
  while (!(window = visible_window_of(info.dwProcessId, caption))) {
    elapsed = now_ms() - start;
    if (elapsed > kTimeLimitMs || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  if (window) {
    elapsed = now_ms() - start;
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), 10000);
  }
  if (!window) {
    std::fwprintf(stderr, L"no visible window \"%ls\" from %ls\n", caption, program.c_str());
    return std::nullopt;
  }
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc >= 4 ? _wtoi(argv[1]) : 0;
  if (runs < 1 || argc % 2 != 0) {
    std::fwprintf(stderr, L"usage: startup_timer <runs> <program.exe> <caption> ...\n");
    return 2;
  }
  const int count = (argc - 2) / 2;
  auto program = [argv](int i) { return argv[2 + 2 * i]; };
  auto caption = [argv](int i) { return argv[3 + 2 * i]; };
  for (int i = 0; i < count; ++i)
    if (!time_one_start(program(i), caption(i))) return 1;
  std::vector<std::vector<double>> times(count);
  for (int run = 0; run < runs; ++run)
    for (int k = 0; k < count; ++k) {
      // Each round begins with another program: the one that starts right
      // after the last has closed may meet Wine still tidying up after it.
      const int i = (run + k) % count;
      const std::optional<double> time = time_one_start(program(i), caption(i));
      if (!time) return 1;
      times[i].push_back(*time);
    }
  std::vector<double> medians;
  for (int i = 0; i < count; ++i) {
    std::wprintf(L"%ls:", program(i));
    for (const double time : times[i]) std::wprintf(L" %.0f", time);
    medians.push_back(median(times[i]));
    // The fastest start is the one the machine's other work disturbed least.
    std::wprintf(L" ms; median %.0f ms, fastest %.0f ms\n", medians.back(),
                 *std::min_element(times[i].begin(), times[i].end()));
  }
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j)
      std::wprintf(L"ratio %ls / %ls: %.2f\n", program(i), program(j), medians[i] / medians[j]);
  return 0;
}
