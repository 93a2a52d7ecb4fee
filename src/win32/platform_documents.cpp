// Documents: the help page through Internet Explorer automation, other files
// through the program the system associates with them.
#include "win32/win32_platform.h"

#include <oleauto.h>
#include <shellapi.h>

#include "win32/dialog_owner.h"
#include "win32/late_bound.h"
#include "win32/win32_error.h"
#include "win32_common/handles.h"

namespace mosa {

using win32_common::ComPtr;

namespace {

// A VARIANT that clears what it holds (a BSTR here).
class Variant {
 public:
  Variant() { late::VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { late::VariantClear(&value_); }
  VARIANT* get() { return &value_; }

 private:
  VARIANT value_;
};

void check(HRESULT result, const char* what, const std::wstring& subject) {
  if (FAILED(result)) throw com_error(what, result, subject);
}

// Calls a member with one argument passed by name, as late binding does.
void invoke_named(IDispatch* object, DISPID member, WORD flags, DISPID argument_name,
                  VARIANT* argument, const char* what, const std::wstring& subject) {
  DISPPARAMS parameters{};
  parameters.rgvarg = argument;
  parameters.cArgs = 1;
  parameters.rgdispidNamedArgs = &argument_name;
  parameters.cNamedArgs = 1;
  check(object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, nullptr, nullptr,
                       nullptr),
        what, subject);
}

}  // namespace

void Win32Platform::open_with_automation(const std::wstring& path) {
  CLSID browser_class{};
  late::join_com_apartment();
  check(late::CLSIDFromProgID(L"InternetExplorer.Application", &browser_class), "CLSIDFromProgID", path);
  ComPtr<IDispatch> browser;
  check(late::CoCreateInstance(browser_class, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, browser.out()),
        "CoCreateInstance", path);

  LPOLESTR visible_name[] = {const_cast<LPOLESTR>(L"Visible")};
  DISPID visible = DISPID_UNKNOWN;
  check(browser->GetIDsOfNames(IID_NULL, visible_name, 1, LOCALE_USER_DEFAULT, &visible),
        "GetIDsOfNames(Visible)", path);
  Variant shown;
  shown.get()->vt = VT_BOOL;
  shown.get()->boolVal = VARIANT_TRUE;
  invoke_named(browser.get(), visible, DISPATCH_PROPERTYPUT, DISPID_PROPERTYPUT, shown.get(),
               "Invoke(Visible)", path);

  // The method and its argument are resolved together, so the argument's id is
  // the one this method gives "URL".
  LPOLESTR navigate_names[] = {const_cast<LPOLESTR>(L"Navigate"), const_cast<LPOLESTR>(L"URL")};
  DISPID navigate[2] = {DISPID_UNKNOWN, DISPID_UNKNOWN};
  check(browser->GetIDsOfNames(IID_NULL, navigate_names, 2, LOCALE_USER_DEFAULT, navigate),
        "GetIDsOfNames(Navigate, URL)", path);
  Variant url;
  url.get()->vt = VT_BSTR;
  url.get()->bstrVal = late::SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
  if (!url.get()->bstrVal) throw com_error("SysAllocStringLen", E_OUTOFMEMORY, path);
  invoke_named(browser.get(), navigate[0], DISPATCH_METHOD, navigate[1], url.get(),
               "Invoke(Navigate)", path);
}

void Win32Platform::open_with_default_program(const std::wstring& path) {
  const HINSTANCE result =
      late::ShellExecuteW(dialog_owner(), L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  const INT_PTR code = reinterpret_cast<INT_PTR>(result);
  if (code <= 32) throw win32_error("ShellExecuteW", static_cast<DWORD>(code), path);
}

}  // namespace mosa
