#pragma once
// The thread's message loop, for the main window and for a window shown modally.
#include <functional>

#include "win32/windows_api.h"

// Runs messages until done() holds, giving `form` the keyboard handling of a
// dialog (Tab, Shift+Tab, Enter for the default button). When the program is
// asked to quit, the request is passed on to any outer loop and its exit code
// returned; otherwise 0.
int run_messages(HWND form, const std::function<bool()>& done);
