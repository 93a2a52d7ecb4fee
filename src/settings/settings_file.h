#pragma once
// The settings file: a line for each row of kSettingsLines, in the application folder.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "settings/settings_lines.h"

namespace mosa {

// Cuts text into at most max_lines lines. A line ends at CR LF, at a lone LF or at a
// lone CR; a last line without an end counts, an end at the very end adds no line.
std::vector<std::wstring> split_lines(const std::wstring& text, size_t max_lines);

class SettingsFile {
 public:
  explicit SettingsFile(Files& files) : files_(files) {}

  // The application folder followed by "\mosa-trevlin.ini".
  std::wstring path() const;
  // The file's lines, at most one a row; none when there is no file. A file that
  // may be there but cannot be read (access refused, a network failure, another
  // program holding it) or is not text throws, and from then on is never written
  // over, so that the user's settings are not lost.
  std::optional<std::vector<std::wstring>> read();
  // Writes the record's fields, a line each. A path the code page cannot hold is
  // written in the 8.3 form of the file the run would use. Throws when the file
  // cannot be written, a field has no form in the code page, or the file was
  // found unreadable.
  void write(const Settings& settings);

 private:
  Files& files_;
  bool unreadable_ = false;
};

}  // namespace mosa
