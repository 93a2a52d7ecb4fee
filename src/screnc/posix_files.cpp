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
#include <stdexcept>

#include "common/path_steps.h"
#include "screnc/posix_memory.h"
#include "screnc/posix_names.h"

namespace screnc {

namespace {

// The system's names, in its bytes.
constexpr common::PathSteps<char> kPosixPaths("/");

std::string native(std::u16string_view path) {
  std::optional<std::string> name = native_from_text(path);
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
  static const bool installed = [] {
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
      struct sigaction action {}, before{};
      if (sigaction(signal_number, nullptr, &before) != 0 || before.sa_handler == SIG_IGN)
        continue;
      action.sa_handler = remove_pending_and_stop;
      sigemptyset(&action.sa_mask);
      sigaction(signal_number, &action, nullptr);
    }
    return true;
  }();
  (void)installed;
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
    path = next[0] == '/' ? next : std::string(kPosixPaths.folder_of(path)) + next;
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

InputFile PosixFiles::read_file(std::u16string_view path) const {
  InputFile input;
  input.problem = InputFile::Problem::Unreadable;
  // Without O_NONBLOCK a pipe would wait for a writer before it is refused.
  const int file = ::open(native(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat found;
  if (fstat(file, &found) == 0 && S_ISREG(found.st_mode)) {
    input.size = static_cast<std::uint64_t>(found.st_size);
    if (input.size > kMostInputBytes) {
      input.problem = InputFile::Problem::TooLarge;
    } else {
      input.data = large_memory(input.size);
      // A read gives at most about 2 GB, and less when interrupted.
      std::size_t done = 0;
      ssize_t got = 1;
      while (done < input.size && got > 0)
        if ((got = ::read(file, input.data.get() + done, input.size - done)) > 0) done += got;
      char more;
      if (got < 0 && errno != EINTR)
        input.problem = InputFile::Problem::Unreadable;
      else if (done < input.size || ::read(file, &more, 1) != 0)
        input.problem = InputFile::Problem::ShortRead;
      else
        input.problem = InputFile::Problem::None;
    }
  }
  if (file != -1) ::close(file);
  if (input.problem != InputFile::Problem::None) input.data.reset();
  return input;
}

namespace {

// The new file takes the target's name; without `replace` only where nothing
// is there by then, in one step where the file system offers it, else by a
// second name that fails where the name is taken.
WriteResult put_in_place(const std::string& fresh, const std::string& target, bool replace) {
  if (replace) return std::rename(fresh.c_str(), target.c_str()) == 0 ? WriteResult::Written
                                                                        : WriteResult::Failed;
  if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
    return WriteResult::Written;
  if (errno == EINVAL || errno == ENOSYS) {
    if (::link(fresh.c_str(), target.c_str()) == 0) {
      ::unlink(fresh.c_str());
      return WriteResult::Written;
    }
  }
  return errno == EEXIST ? WriteResult::Exists : WriteResult::Failed;
}

}  // namespace

WriteResult PosixFiles::replace_file(std::u16string_view path, const Content& content,
                                     bool replace) const {
  const std::optional<std::string> target = link_target(native(path));
  if (!target) return WriteResult::Failed;
  struct stat found;
  const bool existed = stat(target->c_str(), &found) == 0;
  if (existed && !replace) return WriteResult::Exists;
  if (existed && (!S_ISREG(found.st_mode) || !(found.st_mode & S_IWUSR))) return WriteResult::Failed;

  remove_pending_on_signals();
  std::string fresh;
  const int file = create_temporary(std::string(kPosixPaths.folder_of(*target)), fresh);
  if (file == -1) return WriteResult::Failed;
  // The system takes no longer path, so it fits.
  std::memcpy(pending_name, fresh.c_str(), fresh.size() + 1);
  pending = 1;
  // Only root may give a file away: elsewhere the new file stays the user's.
  [[maybe_unused]] const bool owner_kept =
      !existed || ::fchown(file, found.st_uid, found.st_gid) == 0;
  // A regular file takes the whole write unless the disk is full. The mode
  // comes last: a change of owner and a write by another user than root both
  // clear the set-user-ID bit.
  const bool written =
      content([&](std::string_view bytes) {
        while (!bytes.empty()) {
          const ssize_t done = ::write(file, bytes.data(), bytes.size());
          if (done < 0 && errno == EINTR) continue;
          if (done <= 0) return false;
          bytes.remove_prefix(static_cast<std::size_t>(done));
        }
        return true;
      }) &&
      (!existed || ::fchmod(file, found.st_mode & 07777) == 0) && ::fsync(file) == 0;
  WriteResult result = ::close(file) == 0 && written ? put_in_place(fresh, *target, replace)
                                                     : WriteResult::Failed;
  if (result != WriteResult::Written) ::unlink(fresh.c_str());
  pending = 0;
  return result;
}

std::optional<std::vector<std::u16string>> PosixFiles::file_names(std::u16string_view folder) const {
  const std::string path = folder.empty() ? "." : native(folder);
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(path.c_str()), closedir);
  if (!listing) return std::nullopt;
  std::vector<std::u16string> names;
  while (const dirent* entry = readdir(listing.get())) {
    // A link to a file counts as the file.
    struct stat found;
    if (fstatat(dirfd(listing.get()), entry->d_name, &found, 0) == 0 && S_ISREG(found.st_mode))
      names.push_back(text_from_native(entry->d_name));
  }
  return names;
}

}  // namespace screnc
