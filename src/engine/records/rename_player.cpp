#include "records/rename_player.h"

#include <array>
#include <functional>
#include <vector>

#include "files/user_data.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::uintmax_t kLargestRecordFile = std::uintmax_t{256} << 20;
constexpr std::size_t kNameWidth = 30;
constexpr std::size_t kLogNameStart = 81;        // 0-based: characters 82 to 111
constexpr std::size_t kHighScoreNameStart = 38;  // 0-based: characters 39 to 68
constexpr std::size_t kHighScoreKeyEnd = 5;      // "01-01=": the "=" is character 6

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

void ReplaceField(std::string& line, std::size_t start, std::string_view from, std::string_view to) {
  if (line.size() < start + kNameWidth) return;
  if (line.compare(start, kNameWidth, PadOrCut(from, kNameWidth)) == 0)
    line.replace(start, kNameWidth, PadOrCut(to, kNameWidth));
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
  return EachLine(text, [&](std::string& line) { ReplaceField(line, kLogNameStart, from, to); });
}

std::string RenameInHighScores(std::string_view text, std::string_view from, std::string_view to) {
  return EachLine(text, [&](std::string& line) {
    if (line.size() > kHighScoreKeyEnd && line[kHighScoreKeyEnd] == '=' && !line.starts_with('['))
      ReplaceField(line, kHighScoreNameStart, from, to);
  });
}

std::optional<std::string> RenamePlayerRecords(UserData& data, std::string_view from, std::string_view to) {
  struct Change {
    std::string_view name;
    std::string before, after;
  };
  std::vector<Change> changes;
  for (const RecordFile& file : kRecordFiles) {
    FileContents contents = data.read(file.name, kLargestRecordFile);
    if (contents.status == ReadStatus::Missing) continue;
    if (!contents.ok()) return "The file " + std::string(file.name) + " cannot be read; the player was not renamed.";
    std::string after = file.rename(contents.data, from, to);
    if (after != contents.data) changes.push_back({file.name, std::move(contents.data), std::move(after)});
  }
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (const FileOutcome written = data.replace(changes[i].name, changes[i].after); !written) {
      for (std::size_t back = 0; back < i; ++back) data.replace(changes[back].name, changes[back].before);
      return written.message;
    }
  }
  return std::nullopt;
}

}  // namespace velmora
