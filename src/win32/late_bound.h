#pragma once
// Functions of the system libraries that the main window does not need in order
// to show: the file dialog's, the shell's and COM's. They are bound the first
// time they are called, so a start does not pay for loading those libraries.
// Each stands in for the function of the same name.
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include "win32_common/windows_api.h"

#include <commdlg.h>

namespace mosa {

namespace late {

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog);
DWORD CommDlgExtendedError();

wchar_t** CommandLineToArgvW(const wchar_t* command_line, int* count);
UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* name, UINT size);
void DragFinish(HDROP drop);
HRESULT SHGetStockIconInfo(SHSTOCKICONID icon, UINT flags, SHSTOCKICONINFO* info);
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* folder, int show);

HRESULT CLSIDFromProgID(const wchar_t* name, CLSID* id);
HRESULT CoCreateInstance(REFCLSID id, IUnknown* outer, DWORD context, REFIID interface_id,
                         void** object);
BSTR SysAllocStringLen(const wchar_t* text, UINT length);
void VariantInit(VARIANT* value);
HRESULT VariantClear(VARIANT* value);

// Joins the thread to a single-threaded COM apartment the first time it is
// asked to, for automation and for the shell's part of the file dialog.
void join_com_apartment();

}  // namespace late

}  // namespace mosa
