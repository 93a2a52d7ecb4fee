#include "win32/taskbar_progress.h"

#include "win32/late_bound.h"

namespace mosa {

namespace {

// {56FDF344-FD6D-11d0-958A-006097C9A090}
const CLSID kTaskbarList = {0x56FDF344, 0xFD6D, 0x11d0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
// {EA1AFB91-9E28-4B86-90E9-9E9F8A5EEFAF}
const IID kTaskbarList3 = {0xEA1AFB91, 0x9E28, 0x4B86, {0x90, 0xE9, 0x9E, 0x9F, 0x8A, 0x5E, 0xEF, 0xAF}};

}  // namespace

void TaskbarProgress::show(HWND window, int current, int total) {
  if (!tried_) {
    tried_ = true;
    late::join_com_apartment();
    if (FAILED(late::CoCreateInstance(kTaskbarList, nullptr, CLSCTX_INPROC_SERVER, kTaskbarList3,
                                      taskbar_.out())) ||
        FAILED(taskbar_->HrInit()))
      taskbar_.out();  // none: nothing is shown
  }
  if (!taskbar_.get()) return;
  if (total <= 0) {
    taskbar_->SetProgressState(window, TBPF_NOPROGRESS);
    return;
  }
  taskbar_->SetProgressState(window, TBPF_NORMAL);
  taskbar_->SetProgressValue(window, static_cast<ULONGLONG>(current), static_cast<ULONGLONG>(total));
}

}  // namespace mosa
