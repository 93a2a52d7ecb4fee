#pragma once
// The files screnc reads and writes, through the system it runs on, and the
// pieces of a path it looks at. Paths are as the user wrote them.
#include <optional>
#include <string>
#include <string_view>

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
};

// Plain string work, the same on every system: '\' and '/' both end a folder,
// as on Windows.
// From the last '.' of the file name, when that is not its first character.
std::u16string_view extension(std::u16string_view path);
// Up to and including the last separator; empty for a bare file name.
std::u16string_view folder_of(std::u16string_view path);
