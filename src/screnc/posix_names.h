#pragma once
// File names and arguments on Linux are bytes, mostly UTF-8. A byte that is no
// part of a UTF-8 character (a name saved in code page 932, say) is kept as a
// lone surrogate U+DC80 to U+DCFF, so that the name goes back to the very same
// bytes; shown to the user it is written "\xNN".
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

std::u16string text_from_native(std::string_view bytes);
// Nothing for a lone surrogate that stands for no byte.
std::optional<std::string> native_from_text(std::u16string_view text);
// UTF-8 for the terminal: a byte kept as above as "\xNN", any other lone
// surrogate as U+FFFD.
std::string shown(std::u16string_view text);

}  // namespace screnc
