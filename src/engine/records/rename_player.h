#pragma once
// Renaming a player in the files that hold the name: the statistics records
// ("name=value" entries of DATA\STAT.DAT), the results log (characters 82 to
// 111 of DATA\STAT_LOG.DAT) and the high-score entries (characters 39 to 68
// after the entry name of DATA\STAT_SCR.DAT). The overall score and the
// internet counts keep the old name.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class UserData;

std::string RenameInStatistics(std::string_view text, std::string_view from, std::string_view to);
std::string RenameInResultsLog(std::string_view text, std::string_view from, std::string_view to);
std::string RenameInHighScores(std::string_view text, std::string_view from, std::string_view to);

// Every file is changed in memory first, then written; when a write fails the
// files already written get their old text back. The message for the player
// when the rename did not happen.
std::optional<std::string> RenamePlayerRecords(UserData& data, std::string_view from, std::string_view to);

}  // namespace velmora
