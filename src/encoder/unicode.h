#pragma once
// Strict conversions between UTF-16 text and the Unicode forms a file may be in:
// a byte sequence that is not well-formed (overlong, truncated, a surrogate in
// UTF-8, an odd byte count) or a lone surrogate in the text makes them fail.
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

std::optional<std::u16string> utf8_to_text(std::string_view bytes);
bool is_utf8(std::string_view bytes);
std::optional<std::string> text_to_utf8(std::u16string_view text);
std::optional<std::u16string> utf16le_to_text(std::string_view bytes);
std::optional<std::string> text_to_utf16le(std::u16string_view text);

// Append the text's bytes; false, with nothing appended, for a lone surrogate.
bool append_utf8(std::string& bytes, std::u16string_view text);
bool append_utf16le(std::string& bytes, std::u16string_view text);

// Appends one character, as a surrogate pair beyond the Basic Multilingual Plane.
void append_code_point(std::u16string& text, char32_t c);

}  // namespace screnc
