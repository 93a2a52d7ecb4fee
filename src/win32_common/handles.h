#pragma once
// Owners for the system's handles: each closes what it holds exactly once.
#include <utility>

#include "win32_common/windows_api.h"

namespace win32_common {

// A handle closed by a given function; `Invalid` is the value that means "none"
// (NULL for most kernel objects, INVALID_HANDLE_VALUE for files and searches).
template <typename T, auto Close, auto Invalid>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T value) : value_(value) {}
  UniqueHandle(UniqueHandle&& other) noexcept : value_(std::exchange(other.value_, invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, invalid()));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != invalid(); }
  void reset(T value = invalid()) {
    if (value_ != invalid()) Close(value_);
    value_ = value;
  }

 private:
  static T invalid() { return reinterpret_cast<T>(Invalid); }
  T value_ = invalid();
};

inline constexpr INT_PTR kNullHandle = 0;
inline constexpr INT_PTR kInvalidHandleValue = -1;

using KernelHandle = UniqueHandle<HANDLE, CloseHandle, kNullHandle>;
using FileHandle = UniqueHandle<HANDLE, CloseHandle, kInvalidHandleValue>;
using FindHandle = UniqueHandle<HANDLE, FindClose, kInvalidHandleValue>;
using FontHandle = UniqueHandle<HFONT, DeleteObject, kNullHandle>;
using BrushHandle = UniqueHandle<HBRUSH, DeleteObject, kNullHandle>;
using IconHandle = UniqueHandle<HICON, DestroyIcon, kNullHandle>;

// A device context borrowed from a window (GetDC) and given back.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A COM interface pointer that releases its reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }
  // For functions that hand out a new reference through a void** argument.
  void** out() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
    return reinterpret_cast<void**>(&pointer_);
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace win32_common
