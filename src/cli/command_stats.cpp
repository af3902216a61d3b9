// velmora-cli stats [--player P] [--game G]: a player's records as the data
// folder holds them - per game won, lost, streaks and score total, the rank
// in the game's high scores - and the overall score. Reads only.
#include <iomanip>
#include <ostream>

#include "files/ini_document.h"
#include "files/user_data.h"
#include "game_catalogue.h"
#include "records/high_scores.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/statistics_record.h"
#include "shell/preference_file.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora::cli {
namespace {

std::string StoredText(const UserData& data, std::string_view name) {
  FileContents contents = data.read(name, kRecordFileMaxBytes);
  return contents.ok() ? std::move(contents.data) : std::string();
}

std::string CurrentPlayer(const UserData& data) {
  const IniDocument preferences = IniDocument::Parse(StoredText(data, PreferenceFile::kName));
  return preferences.readString(kPreferenceSection, "UserDefault", "Player 1");
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

int RunStats(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string player, gameWanted;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--player" || args[i] == "--game") && i + 1 < args.size()) {
      (args[i] == "--player" ? player : gameWanted) = args[i + 1];
      ++i;
    } else {
      err << "velmora-cli stats: unexpected '" << args[i] << "'\n";
      return 2;
    }
  }
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  FileSystem files;
  const UserData data(Folders(options.programFolder, options.dataFolder), files);
  if (player.empty()) player = CurrentPlayer(data);

  const std::string statistics = StoredText(data, kStatisticsFile);
  std::vector<int> games;
  if (!gameWanted.empty()) {
    const int game = FindGame(catalogue, gameWanted);
    if (game < 0) {
      err << "velmora-cli stats: no game \"" << gameWanted << "\" (see velmora-cli games)\n";
      return 1;
    }
    games.push_back(game);
  } else {
    games = RecordedGames(statistics, player);
  }

  out << "Player: " << player << "\n";
  const auto overall = ReadOverallScore(StoredText(data, kOverallScoreFile), player, 0);
  if (overall)
    out << "Overall score: " << overall->totals.score << " (time " << Duration(overall->totals.seconds) << ")\n";
  else
    out << "Overall score: the stored values are damaged\n";
  if (games.empty()) {
    out << "No games recorded.\n";
    return 0;
  }
  const std::string scores = StoredText(data, kHighScoreFile);
  out << "game    won   lost  winning     losing      score total rank  name   (streaks: longest/current)\n";
  for (int game : games)
    PrintGame(catalogue, game, FindStatistics(statistics, game, player), HighScoreRank(scores, game, player), out);
  return 0;
}

}  // namespace

extern const Command kStatsCommand{"stats", "[--player P] [--game G]",
                                   "show a player's statistics, high-score ranks and overall score", RunStats};

}  // namespace velmora::cli
