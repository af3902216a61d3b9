#include "files/update_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace velmora {
namespace {

// Holders keep the lock for one update, a few milliseconds: a short poll
// keeps waiters close behind without spinning.
constexpr auto kPollInterval = std::chrono::milliseconds(2);

}  // namespace

UpdateLock::~UpdateLock() {
  if (fd_ >= 0) ::close(fd_);
}

UpdateLock::Result UpdateLock::acquire(const fs::path& dataFolder, std::chrono::milliseconds wait) {
  if (fd_ < 0) {
    fd_ = ::open((dataFolder / kFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return Result::Unavailable;
  }
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return Result::Unavailable;
    if (std::chrono::steady_clock::now() >= deadline) return Result::TimedOut;
    std::this_thread::sleep_for(kPollInterval);
  }
  return Result::Acquired;
}

void UpdateLock::release() {
  if (fd_ >= 0) ::flock(fd_, LOCK_UN);
}

}  // namespace velmora
