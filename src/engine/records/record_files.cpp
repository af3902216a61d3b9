#include "records/record_files.h"

#include "files/ini_document.h"
#include "files/user_data.h"
#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/statistics_record.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kOldEntryLineWidth = 89;  // "01-01=" and the 83 characters of an entry

void Warn(UserData& data, const FileOutcome& outcome) {
  if (!outcome) data.warn(outcome.message);
}

void CreateEmptyWhenMissing(UserData& data, std::string_view name) {
  if (data.exists(name)) return;
  FileOutcome outcome = data.replace(name, "");
  if (!outcome) outcome.message = WriteErrorMessage(name, outcome);
  Warn(data, outcome);
}

std::string UpgradedHighScores(std::string_view text) {
  std::string out = "[Version]\r\nVersion=0300\r\n\r\n";
  for (std::size_t at = 0; at < text.size();) {
    std::size_t newline = text.find('\n', at);
    if (newline == std::string_view::npos) newline = text.size();
    std::string_view line = text.substr(at, newline - at);
    at = newline + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "[Version]" || line.starts_with("Version=")) continue;
    if (line.starts_with("0"))
      out.append(PadOrCut(line, kOldEntryLineWidth)).append(" x");
    else
      out.append(line);
    out.append(kLineEnd);
  }
  return out;
}

}  // namespace

void EnsureRecordFiles(UserData& data) {
  if (!data.writable()) return;
  for (std::string_view name : {kStatisticsFile, kHighScoreFile, kSeriesHighScoreFile})
    Warn(data, EnsureRecordHeader(data, name));
  CreateEmptyWhenMissing(data, kOverallScoreFile);
  CreateEmptyWhenMissing(data, kInternetCountsFile);
}

bool UpgradeHighScoreFile(UserData& data) {
  KeyedFile file(data, std::string(kHighScoreFile));
  if (!data.exists(kHighScoreFile)) return false;
  const auto text = file.load();
  if (!text) return false;
  const auto version = keyed::Find(*text, kVersionSection, "Version");
  if (version.value_or("0000") >= kRecordFileVersion) return false;
  const FileOutcome outcome = file.store(UpgradedHighScores(*text));
  Warn(data, outcome);
  return outcome.ok;
}

void UpgradeRecordPreferences(const UserData& data, IniDocument& preferences) {
  if (!data.exists(kHighScoreFile)) return;
  for (std::string_view key : {"Cards_Animate", "ConfirmQuit"})
    if (preferences.readString(kPreferenceSection, key, "") == "S") preferences.write(kPreferenceSection, key, "Y");
}

void PrepareRecordFiles(UserData& data, IniDocument& preferences) {
  const UserData::UpdateHold hold = data.holdForUpdate();
  if (!hold) return Warn(data, hold.outcome());
  UpgradeHighScoreFile(data);
  UpgradeRecordPreferences(data, preferences);
  EnsureRecordFiles(data);
}

}  // namespace velmora
