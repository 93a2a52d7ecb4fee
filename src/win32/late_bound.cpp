#include "win32/late_bound.h"

#include <string>
#include <type_traits>

#include "win32/win32_error.h"
#include "win32_common/system_folder.h"

namespace mosa {

namespace {

// A library of the system folder, loaded when a function of it is first asked
// for and kept until the program ends.
class Library {
 public:
  explicit Library(const wchar_t* name) : name_(name) {}

  void* address(const char* function) {
    if (!module_) {
      const std::wstring folder = win32_common::system_folder();
      if (folder.empty()) throw last_error("GetSystemDirectoryW");
      const std::wstring path = folder + L"\\" + name_;
      module_ = LoadLibraryW(path.c_str());
      if (!module_) throw last_error("LoadLibraryW", path);
    }
    const FARPROC found = GetProcAddress(module_, function);
    if (!found) throw last_error("GetProcAddress", from_utf8(function));
    return reinterpret_cast<void*>(found);
  }

 private:
  const wchar_t* name_;
  HMODULE module_ = nullptr;
};

Library comdlg32(L"comdlg32.dll"), shell32(L"shell32.dll"), ole32(L"ole32.dll"),
    oleaut32(L"oleaut32.dll");

// Calls the function of that name in the library, as the declaration of the
// system's header types it.
template <auto& Declared, typename... Arguments>
auto call(Library& library, const char* name, Arguments... arguments) {
  using Function = std::remove_reference_t<decltype(Declared)>;
  return reinterpret_cast<Function*>(library.address(name))(arguments...);
}

}  // namespace

namespace late {

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog) {
  return call<::GetOpenFileNameW>(comdlg32, "GetOpenFileNameW", dialog);
}

DWORD CommDlgExtendedError() { return call<::CommDlgExtendedError>(comdlg32, "CommDlgExtendedError"); }

wchar_t** CommandLineToArgvW(const wchar_t* command_line, int* count) {
  return call<::CommandLineToArgvW>(shell32, "CommandLineToArgvW", command_line, count);
}

UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* name, UINT size) {
  return call<::DragQueryFileW>(shell32, "DragQueryFileW", drop, index, name, size);
}

void DragFinish(HDROP drop) { call<::DragFinish>(shell32, "DragFinish", drop); }

HRESULT SHGetStockIconInfo(SHSTOCKICONID icon, UINT flags, SHSTOCKICONINFO* info) {
  return call<::SHGetStockIconInfo>(shell32, "SHGetStockIconInfo", icon, flags, info);
}

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* folder, int show) {
  return call<::ShellExecuteW>(shell32, "ShellExecuteW", owner, verb, file, parameters, folder,
                               show);
}

HRESULT CLSIDFromProgID(const wchar_t* name, CLSID* id) {
  return call<::CLSIDFromProgID>(ole32, "CLSIDFromProgID", name, id);
}

HRESULT CoCreateInstance(REFCLSID id, IUnknown* outer, DWORD context, REFIID interface_id,
                         void** object) {
  return call<::CoCreateInstance>(ole32, "CoCreateInstance", id, outer, context, interface_id,
                                  object);
}

BSTR SysAllocStringLen(const wchar_t* text, UINT length) {
  return call<::SysAllocStringLen>(oleaut32, "SysAllocStringLen", text, length);
}

void VariantInit(VARIANT* value) { call<::VariantInit>(oleaut32, "VariantInit", value); }

HRESULT VariantClear(VARIANT* value) { return call<::VariantClear>(oleaut32, "VariantClear", value); }

void join_com_apartment() {
  // Joined once and kept: the thread is the program's only one, and leaving
  // the apartment at the end is the system's work.
  static const bool joined = [] {
    call<::CoInitializeEx>(ole32, "CoInitializeEx", nullptr,
                           static_cast<DWORD>(COINIT_APARTMENTTHREADED));
    return true;
  }();
  (void)joined;
}

}  // namespace late

}  // namespace mosa
