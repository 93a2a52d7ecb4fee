#pragma once
// The Windows API for this program: the lean <windows.h>, with the few extra
// headers needed included where they are used.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
