#include "screnc/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "encoder/unicode.h"

namespace {

std::string native(std::u16string_view path) {
  std::optional<std::string> name = text_to_utf8(path);
  if (!name) throw std::invalid_argument("a file name with a lone surrogate");
  return std::move(*name);
}

std::optional<struct stat> status(std::u16string_view path) {
  struct stat found;
  if (stat(native(path).c_str(), &found) != 0) return std::nullopt;
  return found;
}

}  // namespace

bool PosixFiles::exists(std::u16string_view path) const { return status(path).has_value(); }

bool PosixFiles::is_folder(std::u16string_view path) const {
  const std::optional<struct stat> found = status(path);
  return found && S_ISDIR(found->st_mode);
}

bool PosixFiles::same_file(std::u16string_view a, std::u16string_view b) const {
  const std::optional<struct stat> first = status(a), second = status(b);
  return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

std::optional<std::string> PosixFiles::read_file(std::u16string_view path) const {
  // Without O_NONBLOCK a pipe would wait for a writer before it is refused.
  const int file = ::open(native(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat found;
  std::optional<std::string> bytes;
  if (fstat(file, &found) == 0 && S_ISREG(found.st_mode)) {
    // A file cut short while it is read is refused like one that cannot be read.
    bytes.emplace(static_cast<std::size_t>(found.st_size), '\0');
    if (::read(file, bytes->data(), bytes->size()) != static_cast<ssize_t>(bytes->size()))
      bytes.reset();
  }
  ::close(file);
  return bytes;
}

bool PosixFiles::replace_file(std::u16string_view path, std::string_view bytes) const {
  const std::string target = native(path);
  struct stat found;
  if (stat(target.c_str(), &found) == 0 && !(found.st_mode & S_IWUSR)) return false;

  // The first free name: another run's temporary file, or anything else there, stays.
  std::string fresh;
  int file = -1;
  for (int n = 0; file == -1; ++n) {
    fresh = target + ".screnc-" + std::to_string(n);
    file = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, DEFFILEMODE);
    if (file == -1 && errno != EEXIST) return false;
  }
  // A regular file takes the whole write unless the disk is full.
  const bool written =
      ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
      ::fsync(file) == 0;
  if (::close(file) == 0 && written && std::rename(fresh.c_str(), target.c_str()) == 0)
    return true;
  ::unlink(fresh.c_str());
  return false;
}

std::optional<std::vector<std::u16string>> PosixFiles::file_names(std::u16string_view folder) const {
  const std::string path = folder.empty() ? "." : native(folder);
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(path.c_str()), closedir);
  if (!listing) return std::nullopt;
  std::vector<std::u16string> names;
  while (const dirent* entry = readdir(listing.get())) {
    // A link to a file counts as the file; a name that is not UTF-8 cannot be
    // given back in a message, so it is passed over.
    struct stat found;
    std::optional<std::u16string> name = utf8_to_text(entry->d_name);
    if (name && fstatat(dirfd(listing.get()), entry->d_name, &found, 0) == 0 &&
        S_ISREG(found.st_mode))
      names.push_back(std::move(*name));
  }
  return names;
}
