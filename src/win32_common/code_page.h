#pragma once
// Text to and from the 8-bit code pages (the ANSI or the OEM one, which may be
// UTF-8, and UTF-8 itself).
#include <optional>
#include <string>
#include <string_view>

#include "win32_common/windows_api.h"

namespace win32_common {

// Strictly: a character without an exact form there fails the whole text, where
// a best-fit look-alike or the default character would change what was written.
std::optional<std::string> to_code_page(std::wstring_view text, UINT code_page);
// For text only read by people: a character without a form becomes a look-alike
// or the default character.
std::string to_code_page_lenient(std::wstring_view text, UINT code_page);
// A stray byte becomes a replacement character instead of failing the whole text.
std::wstring from_code_page(std::string_view bytes, UINT code_page);

inline std::string to_utf8(std::wstring_view text) { return to_code_page_lenient(text, CP_UTF8); }
inline std::wstring from_utf8(std::string_view text) { return from_code_page(text, CP_UTF8); }

}  // namespace win32_common
