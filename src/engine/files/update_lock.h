#pragma once
// One writer at a time per data folder. Every change of a user file - from
// reading the old contents to the atomic replacement - happens while this
// advisory lock is held, so two programs recording games into one folder
// (the window and the command-line tool, or several of either) never lose
// each other's results. The system releases the lock when a process ends,
// even by a crash.
#include <chrono>

#include "files/file_system.h"

namespace velmora {

class UpdateLock {
 public:
  enum class Result { Acquired, TimedOut, Unavailable };

  UpdateLock() = default;
  UpdateLock(const UpdateLock&) = delete;
  UpdateLock& operator=(const UpdateLock&) = delete;
  ~UpdateLock();

  // Waits up to `wait` for the folder's lock. Unavailable when no lock file
  // can be opened (a folder that cannot be written, where nothing is saved).
  Result acquire(const fs::path& dataFolder, std::chrono::milliseconds wait);
  void release();

  static constexpr const char* kFileName = "velmora.update.lock";

 private:
  int fd_ = -1;
};

}  // namespace velmora
