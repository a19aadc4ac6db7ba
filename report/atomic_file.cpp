#include "report/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace horavela {
namespace {

std::string Failure(std::string_view what, const std::string& path, int error) {
  std::string message = "cannot ";
  message += what;
  message += " \"" + path + "\": ";
  message += std::strerror(error);
  return message;
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

std::string TemporaryName(const std::filesystem::path& folder, const std::string& file) {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  const std::string unique = std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                             std::to_string(random() % 1000000);
  return (folder / ("." + file + ".tmp-" + unique)).string();
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
  if (path.empty()) return "cannot write a file without a name";
  const std::filesystem::path target(path);
  // Beside the target, so the rename stays on one file system; hidden and
  // unique, so it never meets a file of the user's.
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // Created with O_EXCL under the usual permissions (the umask decides), so a
  // document is as readable as any file the user creates.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = TemporaryName(folder, target.filename().string());
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) return Failure("write", path, errno);
  }

  const auto giveUp = [&](std::string_view what, int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return Failure(what, path, error);
  };
  if (!WriteAll(fd, contents)) return giveUp("write", errno);
  if (::fsync(fd) != 0) return giveUp("write", errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure("write", path, error);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure("replace", path, error);
  }
  return {};
}

}  // namespace horavela
