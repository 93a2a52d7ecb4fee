#pragma once
// The files screnc reads and writes, through the system it runs on, and the
// pieces of a path it looks at. Paths are as the user wrote them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoder/file_kind.h"

namespace screnc {

class Files {
 public:
  virtual ~Files() = default;
  // Anything there, a folder or a link that leads nowhere included.
  virtual bool exists(std::u16string_view path) const = 0;
  virtual bool is_folder(std::u16string_view path) const = 0;
  // Something that no file may take the place of, links followed: a folder, a
  // device, a pipe.
  virtual bool is_special(std::u16string_view path) const = 0;
  // Both paths name one existing file, however each is spelled.
  virtual bool same_file(std::u16string_view a, std::u16string_view b) const = 0;
  // The whole of an ordinary file; nothing when it cannot be read.
  virtual std::optional<std::string> read_file(std::u16string_view path) const = 0;
  // The new content goes to a file of its own beside the target first and then
  // takes the target's place in one step, so a failure leaves the old one whole:
  // false then. A read-only target is not replaced: the user protected it. A
  // link is followed and the file it leads to written; the new file keeps the
  // old one's permissions. Stopped by the user halfway, the run leaves nothing
  // of its own behind.
  virtual bool replace_file(std::u16string_view path, std::string_view bytes) const = 0;
  // The names of the files in the folder (folders left out), "" being the
  // current one; nothing when it cannot be listed.
  virtual std::optional<std::vector<std::u16string>> file_names(
      std::u16string_view folder) const = 0;
  // The system's own separator, put between a folder and a name.
  virtual char16_t separator() const = 0;
  // A name as the file system compares it: on Windows in one case, so that
  // names that differ only in case match.
  virtual std::u16string compared_name(std::u16string_view name) const = 0;
};

// Plain string work, the same on every system: '\' and '/' both end a folder,
// as on Windows.
// From the last '.' of the file name, when that is not its first character.
std::u16string_view extension(std::u16string_view path);
// Up to and including the last separator; empty for a bare file name.
std::u16string_view folder_of(std::u16string_view path);
std::u16string_view name_of(std::u16string_view path);
bool is_pattern(std::u16string_view name);
// Whether the name matches the pattern, in which '*' stands for any run of
// characters and '?' for one.
bool matches_pattern(std::u16string_view name, std::u16string_view pattern);
// The name an encoded file takes: a plain script's extension becomes .vbe or
// .jse, by which the script host knows it is encoded; a page keeps its name.
std::u16string encoded_name(std::u16string_view name, std::optional<FileKind> kind);

}  // namespace screnc
