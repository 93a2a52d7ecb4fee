#pragma once
// Owners for the system handles the driver opens: each is released once, when
// its owner goes, also when a wait throws half-way.
// Lean: the full header defines frm1 and frm2 as dialog template IDs.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <type_traits>

namespace e2e {

template <auto release>
struct Releaser {
  template <typename T>
  void operator()(T handle) const {
    release(handle);
  }
};

template <typename Handle, auto release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<release>>;

using KernelHandle = Owned<HANDLE, CloseHandle>;
using SearchHandle = Owned<HANDLE, FindClose>;
using MemoryDc = Owned<HDC, DeleteDC>;
using Bitmap = Owned<HBITMAP, DeleteObject>;
using Brush = Owned<HBRUSH, DeleteObject>;

// CreateFileW and FindFirstFileW fail with INVALID_HANDLE_VALUE, not null.
inline HANDLE or_null(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A bitmap selected into a device context for as long as the selection lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Memory in another process, for the messages whose data must live there.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  char* get() const { return static_cast<char*>(address_); }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace e2e
