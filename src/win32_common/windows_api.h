#pragma once
// The Windows API for this program. The full <windows.h> brings in the common
// dialogs' template names, among them the macros frm1 and frm2 that would
// replace the names of our forms; the lean one leaves them out, and the few
// extra headers needed are included where they are used.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#undef frm1
#undef frm2
