#pragma once
// The progress of a long work on the window's taskbar button.
#include <shobjidl.h>

#include "win32_common/handles.h"
#include "win32_common/windows_api.h"

namespace mosa {

class TaskbarProgress {
 public:
  // Shows current of total on the button; a total of 0 takes the bar away.
  // A system without the taskbar's interface shows nothing, which is no failure.
  void show(HWND window, int current, int total);

 private:
  win32_common::ComPtr<ITaskbarList3> taskbar_;
  bool tried_ = false;
};

}  // namespace mosa
