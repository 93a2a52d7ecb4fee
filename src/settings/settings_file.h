#pragma once
// The settings file: seventeen lines, one field each, in the application folder.
#include <cstddef>
#include <string>
#include <vector>

inline const wchar_t kSettingsFileName[] = L"\\mosa-trevlin.ini";
// Only the start of a file is read: seventeen lines of paths fit in it many times over.
inline constexpr size_t kSettingsReadLimit = 1 << 20;

// Cuts text into at most max_lines lines. A line ends at CR LF, at a lone LF or at a
// lone CR; a last line without an end counts, an end at the very end adds no line.
std::vector<std::wstring> split_lines(const std::wstring& text, size_t max_lines);
