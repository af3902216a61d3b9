#include "records/rename_player.h"

#include <array>
#include <functional>

#include "files/user_data.h"
#include "records/file_batch.h"
#include "records/high_scores.h"
#include "records/player_names.h"
#include "records/results_log.h"
#include "text/utf8.h"

namespace velmora {
namespace {

constexpr std::uintmax_t kLargestRecordFile = std::uintmax_t{256} << 20;
constexpr std::size_t kLogNameStart = 81;        // 0-based: characters 82 to 111
constexpr std::size_t kHighScoreNameStart = 38;  // 0-based: characters 39 to 68
constexpr std::size_t kHighScoreKeyEnd = 5;      // "01-01=": the "=" is character 6
constexpr std::size_t kHighScoreLineWidth = kHighScoreKeyEnd + 1 + kHighScoreWidth;

// Calls `change` on every line (without its line end) and joins them again.
std::string EachLine(std::string_view text, const std::function<void(std::string&)>& change) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    std::string_view ending = end == std::string_view::npos ? "" : "\n";
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
      ending = end == std::string_view::npos ? "\r" : "\r\n";
    }
    std::string changed(line);
    change(changed);
    out += changed;
    out += ending;
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return out;
}

// The name field of a line `lineWidth` characters wide starts at character
// `start` and holds 30 characters, in whatever bytes its name takes.
void ReplaceField(std::string& line, std::size_t lineWidth, std::size_t start, std::string_view from,
                  std::string_view to) {
  const FieldSpan field = FixedWidthSpan(line, lineWidth, start, kLongestPlayerName);
  if (std::string_view(line).substr(field.begin, field.length) == PadOrCutCharacters(from, kLongestPlayerName))
    line.replace(field.begin, field.length, PadOrCutCharacters(to, kLongestPlayerName));
}

struct RecordFile {
  std::string_view name;
  std::string (*rename)(std::string_view, std::string_view, std::string_view);
};

constexpr std::array kRecordFiles{
    RecordFile{"DATA\\STAT.DAT", RenameInStatistics},
    RecordFile{"DATA\\STAT_LOG.DAT", RenameInResultsLog},
    RecordFile{"DATA\\STAT_SCR.DAT", RenameInHighScores},
};

}  // namespace

std::string RenameInStatistics(std::string_view text, std::string_view from, std::string_view to) {
  const std::string entry = std::string(from) + "=";
  return EachLine(text, [&](std::string& line) {
    if (line.starts_with(entry)) line.replace(0, from.size(), to);
  });
}

std::string RenameInResultsLog(std::string_view text, std::string_view from, std::string_view to) {
  return EachLine(text, [&](std::string& line) { ReplaceField(line, kLogLineWidth, kLogNameStart, from, to); });
}

std::string RenameInHighScores(std::string_view text, std::string_view from, std::string_view to) {
  return EachLine(text, [&](std::string& line) {
    if (line.size() > kHighScoreKeyEnd && line[kHighScoreKeyEnd] == '=' && !line.starts_with('['))
      ReplaceField(line, kHighScoreLineWidth, kHighScoreNameStart, from, to);
  });
}

std::optional<std::string> RenamePlayerRecords(UserData& data, std::string_view from, std::string_view to) {
  if (const auto problem = PlayerNameProblem(to)) return *problem;
  FileBatch batch(data);
  for (const RecordFile& file : kRecordFiles) {
    const FileOutcome read = batch.change(file.name, kLargestRecordFile,
                                          [&](std::string_view text) { return file.rename(text, from, to); });
    if (!read) return read.message + "\rThe player was not renamed.";
  }
  if (const FileOutcome written = batch.commit(); !written) return written.message;
  return std::nullopt;
}

}  // namespace velmora
