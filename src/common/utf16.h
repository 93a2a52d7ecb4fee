#pragma once
// The one place where the front end's wide strings and the encoder's UTF-16
// text meet. On Windows char16_t and wchar_t hold the same UTF-16 units, so the
// two convert unit for unit; the front end's model, built natively for its tests
// as well, converts the same way there.
#include <string>
#include <string_view>

namespace common {

inline std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

// The text in place, for a system function that only reads it: on Windows only,
// where the two units are one.
template <typename Wide = wchar_t>
const Wide* wide_data(const char16_t* text) {
  static_assert(sizeof(Wide) == sizeof(char16_t), "in place only where wchar_t is UTF-16");
  return reinterpret_cast<const Wide*>(text);
}

}  // namespace common
