#pragma once
// The statistics files at start-up: their headers, and the high-score file
// of older versions brought up to the current entry layout.
#include <string_view>

namespace velmora {

class IniDocument;
class UserData;

inline constexpr std::string_view kSeriesHighScoreFile = "Data\\Series_scr.dat";
inline constexpr std::string_view kRecordFileVersion = "0300";

// "[Version]" / "Version=0300" in the keyed files that carry it; the
// scrambled files are created empty. Files that exist are left alone.
void EnsureRecordFiles(UserData& data);

// Rewrites a high-score file older than version 0300 in the current layout:
// the header first, then every other line, entry lines widened to end in
// " x". True when the file was rewritten.
bool UpgradeHighScoreFile(UserData& data);

// The preference values older versions stored as "S" become "Y" once a
// high-score file exists.
void UpgradeRecordPreferences(const UserData& data, IniDocument& preferences);

// All of the above, in order, for start-up. Failures are told through the
// data folder's warnings and leave the files as they were.
void PrepareRecordFiles(UserData& data, IniDocument& preferences);

}  // namespace velmora
