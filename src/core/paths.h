#pragma once
// Rules for the paths the user gives the program: how one is taken apart, which
// ones the system would reject, where a relative one points, and how a file in an
// 8-bit code page can carry one exactly.
#include <optional>
#include <string>

#include "common/path_steps.h"
#include "core/platform.h"

namespace mosa {

// How Windows reads a path: '\' and '/' both end a folder.
inline constexpr common::PathSteps<wchar_t> kWindowsPaths(L"\\/");
// The program's own rules cut a path at '\' alone: the input path's splitting
// rule says so, and the paths the system hands over (dropped, listed, chosen)
// spell their folders that way.
inline constexpr common::PathSteps<wchar_t> kBackslashPaths(L"\\");

// A path taken apart, with "\" as the only separator and nothing trimmed.
struct InputParts {
  std::wstring folder;  // every piece but the last, without a trailing "\"
  std::wstring base;    // the file name up to its last "."; empty without a "."
};

InputParts split_path(const std::wstring& path);

// The last piece of the file name cut at "."; a name without "." is its own extension.
std::wstring extension_of(const std::wstring& path);

// Whether a path holds a character that no file name can hold: '"', '<', '>',
// '|', '*', '?' or a control character. Such a path names no file; inside a
// command line a quote would end the quoting around it.
bool has_forbidden_character(const std::wstring& path);

// Whether an ordinary file is at the path, for the questions asked outside an
// error trap: a path the system refuses names no file.
bool ordinary_file_at(Files& files, const std::wstring& path);

// A path made full against a folder: an absolute path stays as it is, a path from
// the root takes the folder's drive, a path on another drive starts at that
// drive's root, and anything else is taken inside the folder. The empty path
// stays empty.
std::wstring resolve_against(const std::wstring& folder, const std::wstring& path);

// A path without the "\\?\" or "\\.\" (with "UNC\" after it: a network path)
// that hands it to the system as it stands. A volume's name ("\\?\Volume{...}")
// has no plain form and stays.
std::wstring without_long_prefix(const std::wstring& path);

// The path itself where the code page holds it, else the 8.3 form of the file
// it names, a relative path taken from the folder, where that exists and the code
// page holds it; none where neither does.
std::optional<std::wstring> exact_form(Files& files, const std::wstring& path, CodePage code_page,
                                       const std::wstring& folder = L"");

// The first character of the text that has no form in the code page; empty when
// every one has.
std::wstring first_outside_code_page(Files& files, const std::wstring& text, CodePage code_page);
// The text with each character that has no form in the code page as "<U+XXXX>".
std::wstring numbered_outside_code_page(Files& files, const std::wstring& text, CodePage code_page);

// The name of the one-instance mark of the program in this folder: the same for
// every spelling of the folder's letters and for every logon session of the
// machine, and short enough for any folder.
std::wstring instance_name(const std::wstring& folder);

}  // namespace mosa
