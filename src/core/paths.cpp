#include "core/paths.h"

#include <cstdint>
#include <cwchar>
#include <cwctype>

namespace mosa {

namespace {

bool is_separator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool has_drive(const std::wstring& path) {
  return path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0]);
}

// "C:" for "C:\tools", "\\srv\share" for "\\srv\share\tools".
std::wstring drive_or_share(const std::wstring& folder) {
  if (has_drive(folder)) return folder.substr(0, 2);
  size_t cut = folder.find_first_of(L"\\/", 2);
  if (cut != std::wstring::npos) cut = folder.find_first_of(L"\\/", cut + 1);
  return folder.substr(0, cut);
}

// The text's characters, one beyond the first 65536 being its two units.
std::vector<std::wstring> characters_of(const std::wstring& text) {
  std::vector<std::wstring> characters;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size();
    characters.push_back(text.substr(i, pair ? 2 : 1));
    i += pair;
  }
  return characters;
}

}  // namespace

// Unlike the shared extension, the input's rules cut the name at any last '.',
// its first character included.
InputParts split_path(const std::wstring& path) {
  const std::wstring_view name = kBackslashPaths.name_of(path);
  const size_t dot = name.rfind(L'.');
  return {std::wstring(kBackslashPaths.parent_of(path)),
          std::wstring(dot == std::wstring::npos ? L"" : name.substr(0, dot))};
}

std::wstring extension_of(const std::wstring& path) {
  const std::wstring_view name = kBackslashPaths.name_of(path);
  const size_t dot = name.rfind(L'.');
  return std::wstring(dot == std::wstring::npos ? name : name.substr(dot + 1));
}

bool has_forbidden_character(const std::wstring& path) {
  // The "?" of a long path's "\\?\" is no wildcard.
  const bool long_form = path.rfind(L"\\\\?\\", 0) == 0;
  for (wchar_t c : std::wstring_view(path).substr(long_form ? 4 : 0))
    if (c < 0x20 || std::wstring_view(L"\"<>|*?").find(c) != std::wstring_view::npos) return true;
  return false;
}

bool ordinary_file_at(Files& files, const std::wstring& path) {
  try {
    return !files.find_file(path).empty();
  } catch (const PlatformError&) {
    return false;
  }
}

std::wstring resolve_against(const std::wstring& folder, const std::wstring& path) {
  if (path.empty()) return path;
  const bool unc = path.size() >= 2 && is_separator(path[0]) && is_separator(path[1]);
  if (unc || (has_drive(path) && path.size() > 2 && is_separator(path[2]))) return path;
  if (is_separator(path[0])) return drive_or_share(folder) + path;
  if (!has_drive(path)) return kWindowsPaths.joined(folder, path);
  const bool same_drive =
      has_drive(folder) && std::towupper(folder[0]) == std::towupper(path[0]);
  return kWindowsPaths.joined(same_drive ? folder : path.substr(0, 2) + L"\\", path.substr(2));
}

std::wstring without_long_prefix(const std::wstring& path) {
  const bool prefixed = path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0;
  if (!prefixed || path.compare(4, 7, L"Volume{") == 0) return path;
  if (path.compare(4, 4, L"UNC\\") == 0) return L"\\" + path.substr(7);
  return path.substr(4);
}

std::optional<std::wstring> exact_form(Files& files, const std::wstring& path, CodePage code_page,
                                       const std::wstring& folder) {
  if (files.fits_code_page(path, code_page)) return path;
  // The short name of the file the run would use, not of one in whatever
  // folder is current: the file dialog moves that.
  const std::wstring short_form = files.short_path(resolve_against(folder, path));
  if (!short_form.empty() && files.fits_code_page(short_form, code_page)) return short_form;
  return std::nullopt;
}

std::wstring first_outside_code_page(Files& files, const std::wstring& text, CodePage code_page) {
  for (const std::wstring& character : characters_of(text))
    if (!files.fits_code_page(character, code_page)) return character;
  return L"";
}

std::wstring numbered_outside_code_page(Files& files, const std::wstring& text,
                                        CodePage code_page) {
  std::wstring result;
  for (const std::wstring& character : characters_of(text)) {
    if (files.fits_code_page(character, code_page)) {
      result += character;
      continue;
    }
    const char32_t number = character.size() == 2 ? 0x10000 + ((character[0] - 0xD800) << 10) +
                                                        (character[1] - 0xDC00)
                                                  : character[0];
    wchar_t code[12];
    std::swprintf(code, 12, L"<U+%04X>", static_cast<unsigned>(number));
    result += code;
  }
  return result;
}

std::wstring instance_name(const std::wstring& folder) {
  // A hash of the folder's name: a name may not hold its backslashes, and the
  // folder may be longer than a name may be.
  std::uint64_t hash = 14695981039346656037u;
  for (wchar_t c : folder) {
    hash ^= static_cast<std::uint64_t>(std::towupper(c == L'/' ? L'\\' : c));
    hash *= 1099511628211u;
  }
  wchar_t digits[17];
  for (int i = 15; i >= 0; --i, hash >>= 4) digits[i] = L"0123456789abcdef"[hash & 15];
  digits[16] = L'\0';
  return std::wstring(L"Global\\mosa-trevlin-") + digits;
}

}  // namespace mosa
