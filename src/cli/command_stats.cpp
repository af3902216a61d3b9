// velmora-cli stats [--player P] [--game G]: a player's records as the data
// folder holds them - per game won, lost, streaks and score total, the rank
// in the game's high scores - and the overall score. Reads only. A file that
// cannot be read stops it with the file named; damage in a file it reads is
// told with the file named, after what could be shown, and fails the run.
#include <iomanip>
#include <ostream>

#include "command_options.h"
#include "data_files.h"
#include "files/ini_document.h"
#include "files/user_data.h"
#include "game_catalogue.h"
#include "records/high_scores.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/record_check.h"
#include "records/statistics_record.h"
#include "shell/preference_file.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora::cli {
namespace {

// The files a command reads, each checked first: their damage is told on
// `err` as it is found.
class CheckedFiles {
 public:
  CheckedFiles(const UserData& data, std::ostream& err) : data_(data), err_(err) {}

  // The file's text (empty when it does not exist); no value when it cannot
  // be read.
  std::optional<std::string> read(const FileVerdict& verdict, std::uintmax_t maxBytes) {
    const std::string shown = data_.path(verdict.name).value_or(fs::path(verdict.name)).string();
    PrintFaults("velmora-cli stats: " + shown + ": ", verdict.faults, err_);
    sound_ = sound_ && verdict.sound();
    if (!verdict.readable()) return std::nullopt;
    FileContents contents = data_.read(verdict.name, maxBytes);
    if (contents.status == ReadStatus::Missing) return std::string();
    if (contents.ok()) return std::move(contents.data);
    err_ << "velmora-cli stats: " << shown << ": the file cannot be read\n";  // it changed meanwhile
    sound_ = false;
    return std::nullopt;
  }
  std::optional<std::string> records(std::string_view name) {
    return read(CheckRecordFile(data_, name), kRecordFileMaxBytes);
  }
  bool sound() const { return sound_; }

 private:
  const UserData& data_;
  std::ostream& err_;
  bool sound_ = true;
};

std::optional<std::string> CurrentPlayer(CheckedFiles& files, const UserData& data) {
  const auto text = files.read(CheckPreferenceFile(data), PreferenceFile::kMaxBytes);
  if (!text) return std::nullopt;
  return IniDocument::Parse(*text).readString(kPreferenceSection, "UserDefault", "Player 1");
}

std::string Duration(std::int64_t seconds) {
  return std::to_string(seconds / 3600) + ":" + FormatNumber(seconds / 60 % 60, 2) + ":" + FormatNumber(seconds % 60, 2);
}

int HighScoreRank(std::string_view scores, int game, std::string_view player) {
  const HighScoreList list = FindHighScores(scores, game, "01");
  for (std::size_t rank = 0; rank < list.size(); ++rank) {
    const auto entry = ParseHighScore(list[rank]);
    if (entry && entry->player == player) return static_cast<int>(rank) + 1;
  }
  return 0;
}

// The games with a record of the player, in file order.
std::vector<int> RecordedGames(std::string_view statistics, std::string_view player) {
  std::vector<int> games;
  for (const std::string& section : keyed::Sections(statistics)) {
    const auto number = ParseInteger(section);
    if (number && section.size() == 4 && keyed::Find(statistics, section, player)) games.push_back(static_cast<int>(*number));
  }
  return games;
}

void PrintGame(const Catalogue& catalogue, int game, const StatisticsLookup& found, int rank, std::ostream& out) {
  out << std::setw(4) << game << " ";
  if (found.status == RecordRead::Unreadable) {
    out << "  (record cannot be read)";
  } else {
    const StatisticsRecord& r = found.record;
    out << std::setw(6) << r.won << " " << std::setw(6) << r.lost << " " << std::setw(5) << r.longestWinning << "/"
        << std::left << std::setw(5) << r.currentWinning << std::right << " " << std::setw(5) << r.longestLosing << "/"
        << std::left << std::setw(5) << r.currentLosing << std::right << " " << std::setw(11) << r.scoreTotal << " "
        << std::setw(4) << (rank > 0 ? std::to_string(rank) : "-");
  }
  out << "  " << catalogue.GameName(game) << "\n";
}

struct StatsRequest {
  std::string player, game;
};

int RunStats(const Options& options, const StatsRequest& request, std::ostream& out, std::ostream& err) {
  std::string player = request.player;
  const std::string& gameWanted = request.game;
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  FileSystem files;
  const UserData data(Folders(options.programFolder, options.dataFolder), files);
  CheckedFiles checked(data, err);
  if (player.empty()) {
    const auto current = CurrentPlayer(checked, data);
    if (!current) return 1;
    player = *current;
  }
  const auto statistics = checked.records(kStatisticsFile);
  const auto overallScores = checked.records(kOverallScoreFile);
  const auto scores = checked.records(kHighScoreFile);
  if (!statistics || !overallScores || !scores) return 1;

  std::vector<int> games;
  if (!gameWanted.empty()) {
    const int game = FindGame(catalogue, gameWanted);
    if (game < 0) {
      err << "velmora-cli stats: no game \"" << gameWanted << "\" (see velmora-cli games)\n";
      return 1;
    }
    games.push_back(game);
  } else {
    games = RecordedGames(*statistics, player);
  }

  out << "Player: " << player << "\n";
  const auto overall = ReadOverallScore(*overallScores, player, 0);
  if (overall)
    out << "Overall score: " << overall->totals.score << " (time " << Duration(overall->totals.seconds) << ")\n";
  else
    out << "Overall score: the stored values are damaged\n";
  if (games.empty()) {
    out << "No games recorded.\n";
  } else {
    out << "game    won   lost  winning     losing      score total rank  name   (streaks: longest/current)\n";
    for (int game : games)
      PrintGame(catalogue, game, FindStatistics(*statistics, game, player), HighScoreRank(*scores, game, player), out);
  }
  return checked.sound() ? 0 : 1;
}

Runner DefineStats(CLI::App& command) {
  auto request = std::make_shared<StatsRequest>();
  command.add_option("--player", request->player, "the player (default: the current player)")
      ->type_name("P")
      ->check(kNotEmpty);
  AddGameOption(command, request->game, Need::Optional)->type_name("G");
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunStats(options, *request, out, err);
  };
}

}  // namespace

extern const Command kStatsCommand{"stats", "show a player's statistics, high-score ranks and overall score",
                                   DefineStats};

}  // namespace velmora::cli
