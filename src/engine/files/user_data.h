#pragma once
// The user's data folder as the rest of the program sees it: files named as
// the program names them ("DATA\STAT.DAT"), every rewrite atomic, and a folder
// that cannot be written turned into one warning and honest failures instead
// of pretended saves.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_system.h"
#include "files/folders.h"
#include "files/update_lock.h"

namespace velmora {

class UserData {
 public:
  using Warn = std::function<void(const std::string&)>;

  // How long an update waits for another program's update of the folder.
  static constexpr std::chrono::milliseconds kUpdateWait{10'000};

  // The folder's update lock, held while alive. Holds nest: the lock is
  // released when the outermost one ends. A hold that could not get the lock
  // is false and says why; nothing may then be written.
  class UpdateHold {
   public:
    UpdateHold(UpdateHold&& other) noexcept;
    UpdateHold& operator=(UpdateHold&&) = delete;
    ~UpdateHold();
    explicit operator bool() const { return outcome_.ok; }
    const FileOutcome& outcome() const { return outcome_; }

   private:
    friend class UserData;
    UpdateHold(UserData* owner, FileOutcome outcome) : owner_(owner), outcome_(std::move(outcome)) {}
    UserData* owner_;  // set while this hold counts towards the lock
    FileOutcome outcome_;
  };

  UserData(Folders folders, FileSystem& files);

  // Where warnings for the player go (damaged files, a folder that cannot be
  // written). Without one they are dropped.
  void setWarningSink(Warn warn) { warn_ = std::move(warn); }
  void warn(const std::string& message) const;

  // Creates the folder when it is missing and checks that it can be written.
  // When it cannot, warns once and the session goes on without saving.
  // Otherwise removes the temporary files that an update cut short by a crash
  // left behind.
  void prepare();
  bool writable() const { return writable_; }

  // Read, change and replace user files only while holding this: another
  // program's update of the same folder waits until it ends.
  [[nodiscard]] UpdateHold holdForUpdate();
  void setUpdateWait(std::chrono::milliseconds wait) { updateWait_ = wait; }

  // A file that exists but could not be read is left as it is for the rest of
  // the session: writing it would replace contents nobody has seen.
  void keepAsItIs(std::string_view name);
  void readAgain(std::string_view name);
  bool keptAsItIs(std::string_view name) const;

  const Folders& folders() const { return folders_; }
  FileSystem& files() { return files_; }
  std::optional<fs::path> path(std::string_view name) const { return folders_.userFile(name); }
  bool exists(std::string_view name) const;

  FileContents read(std::string_view name, std::uintmax_t maxBytes) const;
  FileOutcome replace(std::string_view name, std::string_view contents);
  FileOutcome createExclusive(std::string_view name, std::string_view contents);
  FileOutcome appendLine(std::string_view name, std::string_view line);
  RemoveStatus remove(std::string_view name);
  // Keeps a damaged file beside the fresh one; the new name, when it moved.
  std::optional<fs::path> moveAside(std::string_view name);

 private:
  FileOutcome refusal(std::string_view name) const;
  void removeLeftoverTemporaryFiles();
  std::vector<fs::path> findLeftoverTemporaryFiles() const;
  void releaseHold();
  // Checks the name and the folder, makes the file's folder, then writes.
  template <typename Write>
  FileOutcome writeFile(std::string_view name, Write write);

  Folders folders_;
  FileSystem& files_;
  Warn warn_;
  bool writable_ = false;
  UpdateLock updateLock_;
  std::chrono::milliseconds updateWait_ = kUpdateWait;
  int holdDepth_ = 0;
  std::vector<fs::path> keptAsTheyAre_;
};

}  // namespace velmora
