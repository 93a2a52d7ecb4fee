#include "screnc/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "encoder/unicode.h"

namespace screnc {

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

// The temporary file being written, for a signal handler to remove: a handler
// may only touch plain memory, so its name is kept in a fixed buffer.
char pending_name[PATH_MAX];
volatile std::sig_atomic_t pending = 0;

extern "C" void remove_pending_and_stop(int signal_number) {
  if (pending) ::unlink(pending_name);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

// A signal the caller ignores (nohup, a background job) stays ignored.
void remove_pending_on_signals() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction action {}, before{};
      if (sigaction(signal_number, nullptr, &before) != 0 || before.sa_handler == SIG_IGN)
        continue;
      action.sa_handler = remove_pending_and_stop;
      sigemptyset(&action.sa_mask);
      sigaction(signal_number, &action, nullptr);
    }
  });
}

// Where a chain of links ends, whether anything is there or not; nothing for a
// chain that loops. A relative link is read from its own folder.
std::optional<std::string> link_target(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat found;
    if (lstat(path.c_str(), &found) != 0 || !S_ISLNK(found.st_mode)) return path;
    char to[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), to, sizeof to);
    if (length <= 0 || length == sizeof to) return std::nullopt;
    const std::string next(to, static_cast<std::size_t>(length));
    path = next[0] == '/' ? next : path.substr(0, path.rfind('/') + 1) + next;
  }
  return std::nullopt;
}

// A short name of its own in the target's folder, so that a target whose name
// is as long as the system allows still has room beside it.
int create_temporary(const std::string& folder, std::string& name) {
  for (int n = 0;; ++n) {
    name = folder + ".screnc-" + std::to_string(n);
    // Another run's temporary file, or anything else there, stays.
    const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, DEFFILEMODE);
    if (file != -1 || errno != EEXIST) return file;
  }
}

}  // namespace

bool PosixFiles::exists(std::u16string_view path) const {
  struct stat found;
  return lstat(native(path).c_str(), &found) == 0;
}

bool PosixFiles::is_folder(std::u16string_view path) const {
  const std::optional<struct stat> found = status(path);
  return found && S_ISDIR(found->st_mode);
}

bool PosixFiles::is_special(std::u16string_view path) const {
  const std::optional<struct stat> found = status(path);
  return found && !S_ISREG(found->st_mode);
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
  const std::optional<std::string> target = link_target(native(path));
  if (!target) return false;
  struct stat found;
  const bool existed = stat(target->c_str(), &found) == 0;
  if (existed && (!S_ISREG(found.st_mode) || !(found.st_mode & S_IWUSR))) return false;

  remove_pending_on_signals();
  std::string fresh;
  const int file = create_temporary(target->substr(0, target->rfind('/') + 1), fresh);
  if (file == -1) return false;
  // The system takes no longer path, so it fits.
  std::memcpy(pending_name, fresh.c_str(), fresh.size() + 1);
  pending = 1;
  // Only root may give a file away: elsewhere the new file stays the user's.
  // The owner first, since a change of owner clears the set-user-ID bit.
  [[maybe_unused]] const bool owner_kept =
      !existed || ::fchown(file, found.st_uid, found.st_gid) == 0;
  // A regular file takes the whole write unless the disk is full.
  const bool written =
      (!existed || ::fchmod(file, found.st_mode & 07777) == 0) &&
      ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
      ::fsync(file) == 0;
  const bool replaced =
      ::close(file) == 0 && written && std::rename(fresh.c_str(), target->c_str()) == 0;
  if (!replaced) ::unlink(fresh.c_str());
  pending = 0;
  return replaced;
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

}  // namespace screnc
