#pragma once
// The verdicts of `check` and `stats` on the files of the data folder that
// the records' own check does not cover.
#include "files/user_data.h"
#include "records/record_check.h"

namespace velmora::cli {

// The preference file as the program opens it: readable, within its size
// limit, text without binary data.
FileVerdict CheckPreferenceFile(const UserData& data);

// The name a file is shown by: "STAT.DAT" for "DATA\STAT.DAT".
std::string_view ShownName(std::string_view name);

}  // namespace velmora::cli
