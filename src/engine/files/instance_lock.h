#pragma once
// One running program per data folder: two copies writing the same statistics
// would lose each other's results. The lock is an advisory lock on a file in
// the folder, released by the system when the process ends, even by a crash.
#include "files/file_system.h"

namespace velmora {

class InstanceLock {
 public:
  enum class Result { Acquired, HeldByAnother, Unavailable };

  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  // Unavailable when the folder has no lock file and none can be made (a
  // read-only folder): such a session saves nothing, so it cannot collide.
  Result acquire(const fs::path& dataFolder);

  static constexpr const char* kFileName = "velmora.lock";

 private:
  int fd_ = -1;
};

}  // namespace velmora
