// Whole-file reads and writes. A write goes to a new file beside the old one
// and is renamed over it, so readers see the old bytes or the new, never a part.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"

namespace platform {
namespace {

bool ReadFd(int fd, std::string& bytes, size_t limit) {
  bytes.clear();
  char chunk[65536];
  while (bytes.size() < limit) {
    size_t want = limit - bytes.size() < sizeof chunk ? limit - bytes.size() : sizeof chunk;
    ssize_t n = read(fd, chunk, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    bytes.append(chunk, static_cast<size_t>(n));
  }
  return true;
}

bool ReadLimited(const std::string& path, std::string& bytes, size_t limit) {
  bytes.clear();
  int fd = open(posix::HostPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadFd(fd, bytes, limit);
  close(fd);
  if (!ok) bytes.clear();
  return ok;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return ReadLimited(path, bytes, static_cast<size_t>(-1));
}

bool ReadFileHead(const std::string& path, int maxBytes, std::string& bytes) {
  return ReadLimited(path, bytes, maxBytes < 0 ? 0 : static_cast<size_t>(maxBytes));
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(posix::HostPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::string target = posix::HostPath(path);
  struct stat old;
  mode_t mode = 0644;
  if (stat(target.c_str(), &old) == 0) {
    // Windows refuses to replace a read-only file or a folder; so do we, even as root.
    if (!S_ISREG(old.st_mode) || (old.st_mode & S_IWUSR) == 0) return false;
    mode = old.st_mode & 07777;
  }
  std::string temporary = target + ".XXXXXX";
  int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

}  // namespace platform
