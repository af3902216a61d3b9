#include "files/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace velmora {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

InstanceLock::Result InstanceLock::acquire(const fs::path& dataFolder) {
  const fs::path file = dataFolder / kFileName;
  int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Result::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Result::HeldByAnother : Result::Unavailable;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  return Result::Acquired;
}

}  // namespace velmora
