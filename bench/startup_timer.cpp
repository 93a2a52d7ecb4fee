// Measures how long programs take from process creation to a visible main
// window, and to the first moments they take input: when the process first
// waits for input (WaitForInputIdle) and when the visible window answers a
// message sent to it. A window that shows but makes more of itself before its
// message loop runs is seen, yet a click on it waits. The timer runs inside
// Wine itself, so Wine's own start-up cost of the timer is not counted, only
// that of each program started.
//
//   startup_timer <runs> <program.exe> <caption> [<program.exe> <caption>]...
//
// Each program is started once to warm the file cache, then <runs> times, the
// programs taking turns so that a load that comes and goes on the machine falls
// on all of them alike; the medians of each measure are printed, and the ratio
// of each program's to each one's after it.
#include <windows.h>

#include "clock.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <thread>
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

// The moments of one start, in milliseconds from process creation.
struct StartTimes {
  double visible = 0;   // the main window shows
  double idle = 0;      // the process first waits for input
  double answered = 0;  // the shown window answers a message
};
// The last is the time the window shows but does not yet answer: what it does
// between showing and its message loop, less blurred by the process start.
const wchar_t* const kMeasures[] = {L"to visible", L"to idle", L"to answered",
                                    L"from visible to answered"};
constexpr int kMeasureCount = 4;
double measure(const StartTimes& times, int which) {
  const double values[] = {times.visible, times.idle, times.answered,
                           times.answered - times.visible};
  return values[which];
}

// One start: the window found, then asked to answer, after which the program is
// closed and awaited, so that the next start does not meet a running instance.
// The wait for idle runs beside the search, from the start on.
std::optional<StartTimes> time_one_start(const std::wstring& program, const wchar_t* caption) {
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
  StartTimes times;
  bool idle = false;
  std::thread idle_wait([&] {
    idle = WaitForInputIdle(process.get(), static_cast<DWORD>(kTimeLimitMs)) == 0;
    times.idle = now_ms() - start;
  });

  HWND window = nullptr;
  while (!(window = visible_window_of(info.dwProcessId, caption))) {
    if (now_ms() - start > kTimeLimitMs || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0)
      break;
    Sleep(1);
  }
  bool answered = false;
  if (window) {
    times.visible = now_ms() - start;
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                   static_cast<UINT>(kTimeLimitMs), &result) != 0;
    times.answered = now_ms() - start;
  }
  idle_wait.join();
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), 10000);
  }
  if (!window || !answered || !idle) {
    const wchar_t* what = !window     ? L"no visible window"
                          : !answered ? L"no answer from"
                                      : L"no wait for input in";
    std::fwprintf(stderr, L"%ls \"%ls\" of %ls\n", what, caption, program.c_str());
    return std::nullopt;
  }
  return times;
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
  std::vector<std::vector<StartTimes>> times(count);
  for (int run = 0; run < runs; ++run)
    for (int k = 0; k < count; ++k) {
      // Each round begins with another program: the one that starts right
      // after the last has closed may meet Wine still tidying up after it.
      const int i = (run + k) % count;
      const std::optional<StartTimes> start = time_one_start(program(i), caption(i));
      if (!start) return 1;
      times[i].push_back(*start);
    }
  for (int which = 0; which < kMeasureCount; ++which) {
    std::wprintf(L"%ls:\n", kMeasures[which]);
    std::vector<double> medians;
    for (int i = 0; i < count; ++i) {
      std::vector<double> values;
      for (const StartTimes& start : times[i]) values.push_back(measure(start, which));
      std::wprintf(L"  %ls:", program(i));
      for (const double value : values) std::wprintf(L" %.0f", value);
      medians.push_back(median(values));
      // The fastest start is the one the machine's other work disturbed least.
      std::wprintf(L" ms; median %.0f ms, fastest %.0f ms\n", medians.back(),
                   *std::min_element(values.begin(), values.end()));
    }
    for (int i = 0; i < count; ++i)
      for (int j = i + 1; j < count; ++j)
        std::wprintf(L"  ratio %ls / %ls: %.2f\n", program(i), program(j), medians[i] / medians[j]);
  }
  return 0;
}
