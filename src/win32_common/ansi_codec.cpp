#include "win32_common/ansi_codec.h"

#include <climits>

#include "common/utf16.h"
#include "encoder/code_page_runs.h"
#include "win32_common/code_page.h"
#include "win32_common/windows_api.h"

namespace win32_common {

namespace {

// Appends the text of whole characters; false when the bytes are no text.
bool append_system_text(std::u16string& text, std::string_view bytes) {
  if (bytes.empty()) return true;
  if (bytes.size() > INT_MAX) return false;
  const int length = static_cast<int>(bytes.size());
  const int size =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size == 0) return false;
  const std::size_t start = text.size();
  text.resize(start + size);
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), length,
                      reinterpret_cast<wchar_t*>(text.data() + start), size);
  return true;
}

// Appends the bytes of the text; false when a character has no exact form.
bool append_system_bytes(std::string& bytes, std::u16string_view text) {
  const std::optional<std::string> converted =
      to_code_page(std::wstring_view(common::wide_data(text.data()), text.size()), GetACP());
  // A converter that lets a look-alike through unflagged is caught by reading
  // the bytes back.
  std::u16string again;
  if (!converted || !append_system_text(again, *converted) || again != text) return false;
  bytes += *converted;
  return true;
}

}  // namespace

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
  if (max_char_size_ == 1 || max_char_size_ == 2)
    return screnc::text_by_runs(
        bytes, [this](unsigned char lead) { return char_size(lead); }, append_system_text);
  std::u16string text;
  if (!append_system_text(text, bytes)) return std::nullopt;
  return text;
}

std::optional<std::string> AnsiCodec::to_bytes(std::u16string_view text) const {
  if (max_char_size_ == 1 || max_char_size_ == 2) return screnc::bytes_by_runs(text, append_system_bytes);
  std::string bytes;
  if (!append_system_bytes(bytes, text)) return std::nullopt;
  return bytes;
}

}  // namespace win32_common
