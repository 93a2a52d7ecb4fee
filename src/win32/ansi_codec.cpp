#include "win32/ansi_codec.h"

#include <climits>

#include "win32/code_page.h"
#include "win32/windows_api.h"

AnsiCodec::AnsiCodec() {
  CPINFO info;
  max_char_size_ = GetCPInfo(CP_ACP, &info) ? info.MaxCharSize : 0;
}

std::size_t AnsiCodec::char_size(unsigned char lead) const {
  // UTF-8 and GB18030 have characters of more than one UTF-16 unit.
  if (max_char_size_ == 1) return 1;
  if (max_char_size_ == 2) return IsDBCSLeadByteEx(CP_ACP, lead) ? 2 : 1;
  return 0;
}

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
  std::optional<std::string> bytes =
      to_code_page(std::wstring(text.begin(), text.end()), GetACP());
  // A converter that lets a look-alike through unflagged is caught by reading
  // the bytes back.
  if (bytes && to_text(*bytes) != text) return std::nullopt;
  return bytes;
}
