#pragma once
// The thread's message loops: for the main window, for a window shown modally,
// and for waiting on another process while the windows keep painting.
#include <functional>

#include "win32_common/windows_api.h"

namespace mosa {

// Runs messages until done() holds, giving `form` the keyboard handling of a
// dialog (Tab, Shift+Tab, Enter for the default button). When the program is
// asked to quit, the request is passed on to any outer loop and its exit code
// returned; otherwise 0.
int run_messages(HWND form, const std::function<bool()>& done);

// Waits until the object is signalled (none: until the time is up), handling the
// thread's messages meanwhile so that its windows paint and answer, but dropping
// the user's keys and clicks inside them: the windows that would take them are
// busy. Their frames still work, so the close box, Alt+F4 and Esc ask a busy
// window to stop; after each message stop_wanted decides, and the wait ends
// false when it says so. A request to quit is passed on once the wait is over.
bool wait_answering(HANDLE object, DWORD timeout_ms,
                    const std::function<bool()>& stop_wanted = {});

}  // namespace mosa
