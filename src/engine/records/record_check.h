#pragma once
// Read-only verdicts on the statistics files of the data folder: whether each
// can be read, stays within its reader's size limit and passes the checks its
// readers apply. Nothing is moved aside, mended or written - unlike recording
// a game, which sets a damaged overall score or internet count file aside.
#include <string>
#include <string_view>
#include <vector>

#include "files/user_data.h"

namespace velmora {

// What a check found in one file the program keeps.
struct FileVerdict {
  std::string_view name;  // as the program names it: "DATA\\STAT.DAT"
  ReadStatus status = ReadStatus::Missing;
  std::vector<std::string> faults;  // one sentence each; a file that cannot be read has one
  bool readable() const { return status == ReadStatus::Ok || status == ReadStatus::Missing; }
  bool sound() const { return faults.empty(); }
};

// What the readers of the statistics file `name` would refuse in `text`.
std::vector<std::string> RecordFileFaults(std::string_view name, std::string_view text);

// One of the statistics files; a missing one is sound (a new player has none).
FileVerdict CheckRecordFile(const UserData& data, std::string_view name);

// Every statistics file, in the order a finished game is recorded in them.
std::vector<FileVerdict> CheckRecordFiles(const UserData& data);

}  // namespace velmora
