#include "report/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

namespace horavela {
namespace {

namespace fs = std::filesystem;

// As the kernel allows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

// What the targets that are never replaced are called in messages.
struct FileKind {
  mode_t type;
  const char* name;
};
constexpr FileKind kNotRegularFiles[] = {
    {S_IFDIR, "a folder"},       {S_IFCHR, "a character device"},
    {S_IFBLK, "a block device"}, {S_IFIFO, "a FIFO (named pipe)"},
    {S_IFSOCK, "a socket"},
};

const char* KindName(mode_t mode) {
  for (const FileKind& kind : kNotRegularFiles) {
    if ((mode & S_IFMT) == kind.type) return kind.name;
  }
  return "not a file";
}

std::string Refusal(const std::string& path, const std::string& reason) {
  return "cannot write \"" + path + "\": " + reason;
}

std::string Failure(std::string_view what, const std::string& path, int error) {
  std::string message = "cannot ";
  message += what;
  message += " \"" + path + "\": ";
  message += std::strerror(error);
  return message;
}

// Where a write to `path` lands: symbolic links followed to the end. A
// dangling link leads to the name it points at, which is then created.
struct Destination {
  std::string target;
  bool exists = false;
  struct stat status {};
  std::string error;
};

Destination Unreachable(std::string error) {
  Destination nowhere;
  nowhere.error = std::move(error);
  return nowhere;
}

Destination FollowLinks(const std::string& path) {
  fs::path current(path);
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    Destination found;
    found.target = current.string();
    if (::lstat(current.c_str(), &found.status) != 0) {
      if (errno != ENOENT) found.error = Failure("write", path, errno);
      return found;
    }
    found.exists = true;
    if (!S_ISLNK(found.status.st_mode)) return found;
    std::error_code error;
    const fs::path next = fs::read_symlink(current, error);
    if (error) return Unreachable(Failure("write", path, error.value()));
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return Unreachable(Failure("write", path, ELOOP));
}

// Why an existing `found.target` may not be replaced, or "" if it may. A mode
// without any write bit says "read-only" plainly enough to stop even the
// super-user, whom the access check lets write anything.
std::string CheckExisting(const std::string& path, const Destination& found) {
  const std::string subject =
      found.target == path ? "it" : "its link target \"" + found.target + "\"";
  const mode_t mode = found.status.st_mode;
  if (!S_ISREG(mode))
    return Refusal(path, subject + " is " + KindName(mode) + ", not a regular file");
  if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Refusal(path, subject + " is read-only");
  if (::faccessat(AT_FDCWD, found.target.c_str(), W_OK, AT_EACCESS) != 0)
    return Failure("write", path, errno);
  return {};
}

// Writes everything, retrying after interruptions and short writes.
bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string TemporaryName(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  const std::string unique = std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                             std::to_string(random() % 1000000);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string name = ".";
  name += target.filename().string();
  name += ".tmp-";
  name += unique;
  return (folder / name).string();
}

// Whether a temporary name ("." + file + ".tmp-" + pid + "-...") belongs to a
// process that has ended. A process of another user answers EPERM: alive.
bool LeftByEndedProcess(std::string_view name, std::string_view lead) {
  if (name.substr(0, lead.size()) != lead) return false;
  const std::string_view rest = name.substr(lead.size());
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash > 9 || rest.find_first_not_of("0123456789") != dash) return false;
  pid_t pid = 0;
  for (char digit : rest.substr(0, dash)) pid = pid * 10 + (digit - '0');
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A write cut short by a crash, a kill or a power cut leaves its hidden
// temporary behind; the next write to the same file removes it.
void RemoveStaleTemporaries(const fs::path& target) {
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string lead = ".";
  lead += target.filename().string();
  lead += ".tmp-";
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (LeftByEndedProcess(name, lead)) ::unlink(it->path().c_str());
  }
}

// A fresh file beside `target`, so the rename stays on one file system; hidden
// and unique, so it never meets a file of the user's. Returns -1 with errno.
int OpenTemporary(const fs::path& target, mode_t mode, std::string& temporary) {
  for (int attempt = 0;; ++attempt) {
    temporary = TemporaryName(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
  }
}

// The replacement takes the old file's owner, group and mode. Only the
// super-user may give a file away, so a refused chown is no error: the file
// then belongs to whoever saves it. Owner first, as a chown clears set-id bits.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    // Keeping the saver's own group is as good as a user can do.
  }
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the renames themselves survive a crash. Failing that the file is still
// whole, so errors are not reported.
void SyncFolder(const fs::path& target) {
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicWriteSet::~AtomicWriteSet() {
  Abandon();
}

Result<void> AtomicWriteSet::Prepare(const std::string& path, std::string_view contents) {
  if (path.empty()) return StorageFailure("cannot write a file without a name");
  const Destination found = FollowLinks(path);
  if (!found.error.empty()) return StorageFailure(found.error);
  if (found.exists) {
    if (std::string refusal = CheckExisting(path, found); !refusal.empty())
      return StorageFailure(std::move(refusal));
  }
  // A new file is created under the usual permissions (the umask decides), so
  // a document is as readable as any file the user creates. A replacement
  // starts private and takes the old file's mode before any text is in it.
  RemoveStaleTemporaries(found.target);
  std::string temporary;
  const int fd = OpenTemporary(found.target, found.exists ? 0600 : 0666, temporary);
  if (fd < 0) return StorageFailure(Failure("write", path, errno));

  int error = 0;
  if (found.exists && !KeepOwnerAndMode(fd, found.status)) error = errno;
  if (error == 0 && !(WriteAll(fd, contents) && ::fsync(fd) == 0)) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return StorageFailure(Failure("write", path, error));
  }
  pending_.push_back({path, found.target, temporary});
  return {};
}

Result<void> AtomicWriteSet::Commit() {
  std::string replaced;
  std::string error;
  for (const Pending& file : pending_) {
    if (error.empty() && std::rename(file.temporary.c_str(), file.target.c_str()) == 0) {
      SyncFolder(file.target);
      replaced += (replaced.empty() ? "\"" : ", \"") + file.path + "\"";
      continue;
    }
    if (error.empty()) error = Failure("replace", file.path, errno);
    ::unlink(file.temporary.c_str());
  }
  pending_.clear();
  if (error.empty()) return {};
  if (!replaced.empty()) error += " (already replaced: " + replaced + ")";
  return StorageFailure(std::move(error));
}

void AtomicWriteSet::Abandon() {
  for (const Pending& file : pending_) ::unlink(file.temporary.c_str());
  pending_.clear();
}

Result<void> WriteFileAtomically(const std::string& path, std::string_view contents) {
  AtomicWriteSet file;
  if (Result<void> prepared = file.Prepare(path, contents); !prepared) return prepared;
  return file.Commit();
}

}  // namespace horavela
