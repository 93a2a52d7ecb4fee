#pragma once
// Helpers for the Win32 tests: a scratch folder, raw file bytes, and a second
// thread that answers the modal windows the code under test opens.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "win32/windows_api.h"

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::wstring& name_part = L"");
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

std::string read_bytes(const std::wstring& path);
void write_bytes(const std::wstring& path, const std::string& bytes);
bool exists(const std::wstring& path);

// Polls a condition until it holds or the time is up.
bool wait_until(const std::function<bool()>& condition,
                std::chrono::milliseconds limit = std::chrono::seconds(10));

// A visible top-level window of this process with the given class and title,
// or null.
HWND find_own_window(const wchar_t* window_class, const std::wstring& title);
std::wstring text_of(HWND window);

// Runs `answer` on a second thread once a window of this process with the class
// and title appears, while the test thread sits in the modal loop that shows it.
class ModalAnswerer {
 public:
  ModalAnswerer(const wchar_t* window_class, std::wstring title, std::function<void(HWND)> answer);
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;
  ~ModalAnswerer();
  // Whether the window appeared and was answered; waits for the thread.
  bool answered();

 private:
  std::thread thread_;
  bool answered_ = false;
};
