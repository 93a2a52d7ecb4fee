#pragma once
// The files screnc reads and writes, through the system it runs on, and the
// pieces of a path it looks at. Paths are as the user wrote them.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/path_steps.h"
#include "encoder/file_kind.h"

namespace screnc {

// The most bytes an input may have. Each byte of a file becomes at most two
// characters of a block, so every block of a smaller file fits the format's
// 32-bit length field; and the file is read whole, which a 32-bit program could
// not do for much more.
inline constexpr std::uint64_t kMostInputBytes = 0x7FFFFFFF;

// How a system spells paths. On Windows '\' and '/' both end a folder; on
// Linux only '/' does ('\' is a character of a name there), and a word that
// starts with '/' and names no switch is a path.
enum class PathStyle { Windows, Posix };

// The path steps in a style's spelling; the system's own separator, first, is
// the one put between a folder and a name.
constexpr common::PathSteps<char16_t> path_steps(PathStyle style) {
  return common::PathSteps<char16_t>(style == PathStyle::Posix ? u"/" : u"\\/");
}

// A file read whole, in memory that is not cleared before it is read into.
struct InputFile {
  enum class Problem { None, Unreadable, TooLarge, ShortRead };
  Problem problem = Problem::None;
  // As the system gives it: for TooLarge the file's, for ShortRead what the
  // file claimed to hold.
  std::uint64_t size = 0;
  // Shared only for the system's own way of giving the memory back.
  std::shared_ptr<char[]> data;
  std::string_view bytes() const { return {data.get(), static_cast<std::size_t>(size)}; }
};

// Hands the new content to `write` piece by piece; false when it cannot be made
// or `write` failed, which stops it.
using Content = std::function<bool(const std::function<bool(std::string_view)>& write)>;

enum class WriteResult { Written, Exists, Failed };

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
  // The whole of an ordinary file of at most kMostInputBytes; a larger one is
  // refused before it is read, and a file that gives fewer or more bytes than
  // its size (one that changes meanwhile, or a /proc file of size 0) is a
  // ShortRead, not a shorter text.
  virtual InputFile read_file(std::u16string_view path) const = 0;
  // The new content goes to a file of its own beside the target first and then
  // takes the target's place in one step, so a failure leaves the old one whole.
  // Without `replace`, a target there by then, made meanwhile by someone else,
  // is not replaced: Exists. A read-only target is not replaced: the user
  // protected it. A link is followed and the file it leads to written; the new
  // file keeps the old one's permissions. Stopped by the user halfway, the run
  // leaves nothing of its own behind.
  virtual WriteResult replace_file(std::u16string_view path, const Content& content,
                                   bool replace) const = 0;
  // The names of the files in the folder (folders left out), "" being the
  // current one; nothing when it cannot be listed.
  virtual std::optional<std::vector<std::u16string>> file_names(
      std::u16string_view folder) const = 0;
  virtual PathStyle path_style() const = 0;
  // A name as the file system compares it: on Windows in one case, so that
  // names that differ only in case match.
  virtual std::u16string compared_name(std::u16string_view name) const = 0;
};

// The shared path steps in the style's spelling.
inline std::u16string_view extension(std::u16string_view path, PathStyle style) {
  return path_steps(style).extension_of(path);
}
inline std::u16string_view folder_of(std::u16string_view path, PathStyle style) {
  return path_steps(style).folder_of(path);
}
inline std::u16string_view name_of(std::u16string_view path, PathStyle style) {
  return path_steps(style).name_of(path);
}
bool is_pattern(std::u16string_view name);
// Whether the name matches the pattern, in which '*' stands for any run of
// characters and '?' for one.
bool matches_pattern(std::u16string_view name, std::u16string_view pattern);
// The name an encoded file takes: a plain script's extension becomes .vbe or
// .jse, by which the script host knows it is encoded; a page keeps its name.
std::u16string encoded_name(std::u16string_view name, std::optional<FileKind> kind);

}  // namespace screnc
