#pragma once
// char16_t and wchar_t hold the same UTF-16 units on Windows: the encoder's text
// and the system's wide strings convert unit for unit.
#include <string>
#include <string_view>

namespace win32_common {

inline std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
// The text in place, for a system function that only reads it.
inline const wchar_t* wide_data(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace win32_common
