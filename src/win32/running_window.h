#pragma once
// How a later start of the program in the same folder finds the first one's
// window and hands it its files: a mark named after the one-instance lock holds
// the window's handle, and WM_COPYDATA carries the paths.
#include <string>
#include <vector>

#include "win32_common/handles.h"
#include "win32_common/windows_api.h"

namespace mosa {

// Marks the window as the one later starts hand their files to, for as long as
// the mark lives.
class RunningWindowMark {
 public:
  RunningWindowMark(const std::wstring& instance_name, HWND window);

 private:
  win32_common::KernelHandle mapping_;
};

// The marked window of the instance, waiting up to the time given for a first
// start that has its lock but not yet its window; none when there is none.
HWND running_window(const std::wstring& instance_name, DWORD timeout_ms);

// Hands the paths over; false when the window did not take them.
bool send_files(HWND window, const std::vector<std::wstring>& files);

// The paths a WM_COPYDATA carries; none when it is not a hand-over of files.
std::vector<std::wstring> sent_files(const COPYDATASTRUCT& data);

}  // namespace mosa
