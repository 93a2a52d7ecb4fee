#include "win32/ansi_codec.h"

#include <climits>

#include "win32/windows_api.h"

std::optional<std::u16string> AnsiCodec::to_text(std::string_view bytes) const {
  if (bytes.empty()) return std::u16string();
  if (bytes.size() > INT_MAX) return std::nullopt;
  const int length = static_cast<int>(bytes.size());
  const int size =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring text(size, L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), size);
  return std::u16string(text.begin(), text.end());
}

std::optional<std::string> AnsiCodec::to_bytes(std::u16string_view text) const {
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  const std::wstring wide(text.begin(), text.end());
  const int length = static_cast<int>(wide.size());
  // UTF-8 has a form for every character but refuses the two flags below.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = utf8 ? nullptr : &used_default;
  const int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr,
                                       used_default_out);
  if (size == 0 || used_default) return std::nullopt;
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), length, bytes.data(), size, nullptr, nullptr);
  // A converter that lets a look-alike through unflagged is caught by reading
  // the bytes back.
  if (to_text(bytes) != text) return std::nullopt;
  return bytes;
}
