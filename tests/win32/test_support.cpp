#include "test_support.h"

#include <atomic>
#include <filesystem>
#include <fstream>

ScratchFolder::ScratchFolder(const std::wstring& name_part) {
  static std::atomic<int> counter{0};
  const std::wstring name = L"mosa-trevlin-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++counter) + name_part;
  path_ = (std::filesystem::temp_directory_path() / name).wstring();
  std::filesystem::create_directory(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string read_bytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void write_bytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

bool exists(const std::wstring& path) { return std::filesystem::exists(path); }

bool wait_until(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::wstring text_of(HWND window) {
  wchar_t text[1024] = L"";
  SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

namespace {

// The caption as stored, without a message to a thread that may be busy.
std::wstring caption_of(HWND window) {
  wchar_t text[512] = L"";
  InternalGetWindowText(window, text, 512);
  return text;
}

}  // namespace

namespace {

struct WindowSearch {
  const wchar_t* window_class;
  const std::wstring& title;
  HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
      lstrcmpW(name, search.window_class) != 0 || caption_of(window) != search.title)
    return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

HWND find_own_window(const wchar_t* window_class, const std::wstring& title) {
  WindowSearch search{window_class, title, nullptr};
  EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ModalAnswerer::ModalAnswerer(const wchar_t* window_class, std::wstring title,
                             std::function<void(HWND)> answer)
    : thread_([this, window_class, title = std::move(title), answer = std::move(answer)] {
        HWND window = nullptr;
        if (!wait_until([&] { return (window = find_own_window(window_class, title)) != nullptr; }))
          return;
        answer(window);
        answered_ = true;
      }) {}

ModalAnswerer::~ModalAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool ModalAnswerer::answered() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}
