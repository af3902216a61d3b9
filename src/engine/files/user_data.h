#pragma once
// The user's data folder as the rest of the program sees it: files named as
// the program names them ("DATA\STAT.DAT"), every rewrite atomic, and a folder
// that cannot be written turned into one warning and honest failures instead
// of pretended saves.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_system.h"
#include "files/folders.h"

namespace velmora {

class UserData {
 public:
  using Warn = std::function<void(const std::string&)>;

  UserData(Folders folders, FileSystem& files);

  // Where warnings for the player go (damaged files, a folder that cannot be
  // written). Without one they are dropped.
  void setWarningSink(Warn warn) { warn_ = std::move(warn); }
  void warn(const std::string& message) const;

  // Creates the folder when it is missing and checks that it can be written.
  // When it cannot, warns once and the session goes on without saving.
  void prepare();
  bool writable() const { return writable_; }

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
  // Checks the name and the folder, makes the file's folder, then writes.
  template <typename Write>
  FileOutcome writeFile(std::string_view name, Write write);

  Folders folders_;
  FileSystem& files_;
  Warn warn_;
  bool writable_ = false;
};

}  // namespace velmora
