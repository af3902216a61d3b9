#pragma once
// Several files of the data folder changed as one: every new text is made
// before the first file is written, and when a write fails the files already
// written get their old text back, so the change reaches all of them or none.
// The data folder's update lock is held from the first read to the last
// write: no other program's update falls in between.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/user_data.h"

namespace velmora {

class FileBatch {
 public:
  using Edit = std::function<std::string(std::string_view text)>;

  explicit FileBatch(UserData& data) : data_(data), hold_(data.holdForUpdate()) {}

  // Reads the file and keeps the text `edit` makes of it. A missing file has
  // nothing to change and is left alone, and so is a text `edit` returns as
  // it was. Fails, naming the file, when it cannot be read.
  FileOutcome change(std::string_view name, std::uintmax_t maxBytes, const Edit& edit);

  // Writes the changed files in the order they were changed. When one fails,
  // the ones written before it are put back and the answer says why (and
  // which file, if any, could not be put back).
  FileOutcome commit();

 private:
  struct Change {
    std::string name;
    std::string before;
    std::string after;
  };

  UserData& data_;
  UserData::UpdateHold hold_;
  std::vector<Change> changes_;
};

}  // namespace velmora
