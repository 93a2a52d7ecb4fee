#pragma once
// Text into an 8-bit code page (the ANSI or the OEM one, which may be UTF-8),
// strictly: a character without an exact form there fails the whole text, where
// a best-fit look-alike or the default character would change what was written.
#include <optional>
#include <string>
#include <string_view>

#include "win32/windows_api.h"

std::optional<std::string> to_code_page(std::wstring_view text, UINT code_page);
