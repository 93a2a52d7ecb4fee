#pragma once
// Which window owns the message boxes and dialogs the program shows, so that
// they stand in front of the window they belong to and block it, whichever
// program the user last worked in.
#include "win32_common/windows_api.h"

namespace mosa {

// A form's window counts from when it is made until it goes.
void add_form_window(HWND window);
void remove_form_window(HWND window);

// The most recently made form window that is shown and takes input: the folder
// chooser while it is open, else the main window. None before the main window
// shows.
HWND dialog_owner();

}  // namespace mosa
