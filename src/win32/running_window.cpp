#include "win32/running_window.h"

#include <cstdint>
#include <cstring>

namespace mosa {

using win32_common::KernelHandle;

namespace {

// Tells our hand-over apart from any other program's WM_COPYDATA.
constexpr ULONG_PTR kFilesTag = 0x4D4F5341;
constexpr DWORD kPollMs = 100;
// The window answers at once: it keeps the files and takes them when it is free.
constexpr UINT kSendTimeoutMs = 10000;

// Windows belong to one session, so the mark does too: the lock's global name
// made local (a global mapping would need a privilege most users lack).
std::wstring mark_name(const std::wstring& instance_name) {
  const size_t cut = instance_name.find(L'\\');
  return L"Local\\" + instance_name.substr(cut == std::wstring::npos ? 0 : cut + 1) + L"-window";
}

class MappedView {
 public:
  MappedView(HANDLE mapping, DWORD access) : view_(MapViewOfFile(mapping, access, 0, 0, 0)) {}
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;
  ~MappedView() {
    if (view_) UnmapViewOfFile(view_);
  }
  void* get() const { return view_; }

 private:
  void* view_;
};

}  // namespace

RunningWindowMark::RunningWindowMark(const std::wstring& instance_name, HWND window)
    : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(std::uint64_t), mark_name(instance_name).c_str())) {
  // Without a mark later starts only find no window, and say so.
  if (!mapping_) return;
  const MappedView view(mapping_.get(), FILE_MAP_WRITE);
  if (!view.get()) return;
  const auto handle = static_cast<std::uint64_t>(reinterpret_cast<UINT_PTR>(window));
  std::memcpy(view.get(), &handle, sizeof handle);
}

HWND running_window(const std::wstring& instance_name, DWORD timeout_ms) {
  const std::wstring name = mark_name(instance_name);
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  for (;;) {
    const KernelHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, name.c_str()));
    if (mapping) {
      const MappedView view(mapping.get(), FILE_MAP_READ);
      std::uint64_t handle = 0;
      if (view.get()) std::memcpy(&handle, view.get(), sizeof handle);
      const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle));
      if (window && IsWindow(window)) return window;
    }
    if (GetTickCount64() >= end) return nullptr;
    Sleep(kPollMs);
  }
}

bool send_files(HWND window, const std::vector<std::wstring>& files) {
  std::wstring joined;
  for (const std::wstring& file : files) joined += file + L'\0';
  COPYDATASTRUCT data{};
  data.dwData = kFilesTag;
  data.cbData = static_cast<DWORD>(joined.size() * sizeof(wchar_t));
  data.lpData = joined.data();
  DWORD_PTR taken = FALSE;
  return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &taken) &&
         taken == TRUE;
}

std::vector<std::wstring> sent_files(const COPYDATASTRUCT& data) {
  std::vector<std::wstring> files;
  if (data.dwData != kFilesTag || !data.lpData) return files;
  const auto* text = static_cast<const wchar_t*>(data.lpData);
  const size_t length = data.cbData / sizeof(wchar_t);
  for (size_t start = 0; start < length;) {
    size_t end = start;
    while (end < length && text[end] != L'\0') ++end;
    if (end > start) files.emplace_back(text + start, end);
    start = end + 1;
  }
  return files;
}

}  // namespace mosa
