#include "settings/settings_file.h"

#include <algorithm>

#include "common/utf16.h"
#include "core/paths.h"

namespace mosa {

namespace {

const wchar_t kSettingsFileName[] = L"\\mosa-trevlin.ini";

}  // namespace

std::vector<std::wstring> split_lines(const std::wstring& text, size_t max_lines) {
  std::vector<std::wstring> lines;
  for (size_t start = 0; start < text.size() && lines.size() < max_lines;) {
    const size_t end = std::min(text.find_first_of(L"\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    // Past CR LF, a lone CR or LF, or the end.
    start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::wstring SettingsFile::path() const { return files_.app_folder() + kSettingsFileName; }

std::optional<std::vector<std::wstring>> SettingsFile::read() {
  const std::wstring file = path();
  try {
    // The search finds no hidden file, which counts as missing; a search that
    // finds nothing for want of a network says no more than that, so only a
    // read that is told there is nothing there makes the file missing.
    // Read in the form it is in, as a script is: an editor may have saved it in
    // UTF-8; a file that is text in no form throws, as an unreadable one does.
    if (!files_.find_file(file).empty()) {
      const std::u16string text = files_.read_script(file);
      return split_lines(common::wide(text), kSettingsLineCount);
    }
    files_.read_text_file(file, 0);
    return std::nullopt;
  } catch (const FileNotFound&) {
    return std::nullopt;
  } catch (const PlatformError&) {
    unreadable_ = true;
    throw;
  }
}

void SettingsFile::write(const Settings& settings) {
  if (unreadable_) throw PlatformError("the settings file could not be read");
  std::vector<std::wstring> lines;
  for (const SettingsLine& line : kSettingsLines) {
    // A path has another name where the code page cannot hold its own.
    const std::wstring text = line_text(settings, line);
    const std::optional<std::wstring> form =
        line.kind == LineKind::Path ? exact_form(files_, text, CodePage::Ansi, files_.app_folder()) : text;
    if (!form) throw PlatformError("a path has no form in the code page");
    lines.push_back(*form);
  }
  files_.write_text_file(path(), lines, CodePage::Ansi);
}

}  // namespace mosa
