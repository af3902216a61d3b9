#pragma once
// "DATA\STAT_SCR.DAT": the 20 best results of every game, per scoring mode,
// as 85-character entries ending in " x" (characters, not bytes: the player
// field holds a name of 30 characters in any script). A new list starts with invented
// champions whose scores follow from the game's card count and top score.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/user_data.h"

namespace velmora {

class TMainGame;

inline constexpr std::string_view kHighScoreFile = "DATA\\STAT_SCR.DAT";
inline constexpr std::size_t kHighScoreWidth = 85;
inline constexpr int kHighScoreRanks = 20;

struct HighScoreEntry {
  std::int64_t score = 0;
  std::int64_t seconds = 0;
  std::string date;       // "yyyymmdd"
  std::string timeOfDay;  // "hh:mm:ss"
  std::string player;
  std::string dealNumber;
  bool won = false;
};

using HighScoreList = std::array<std::string, kHighScoreRanks>;  // the stored values, rank 1 first

std::string FormatHighScore(const HighScoreEntry& entry);
// No value for an unused rank (an empty or blank score field).
std::optional<HighScoreEntry> ParseHighScore(std::string_view value);
// A stored value cut or padded to its first 83 characters and given " x",
// in the layout it was written in (see FixedWidthField).
std::string FullWidthHighScore(std::string_view value);
// An unused rank once its list has been written: 83 blanks and " x".
std::string UnusedHighScore();

// The entry name of a rank: scoring mode, "-", rank in 2 digits ("01-01").
std::string HighScoreName(std::string_view scoringMode, int rank);

// The champions' scores for a game of `cards` cards whose top score is
// `maximum` (-1: four points a card).
std::array<std::int64_t, kHighScoreRanks> DefaultChampionScores(int cards, int maximum);
HighScoreList DefaultHighScores(int cards, int maximum, std::string_view date, std::string_view timeOfDay);

// The rank (1 to 20) the result takes in the list, or 0: above the first entry
// with a lower score, or the same score in more seconds.
int RankFor(const HighScoreList& list, std::int64_t score, std::int64_t seconds);

// The list of a game as stored (values right-trimmed; missing ranks empty).
HighScoreList FindHighScores(std::string_view fileText, int gameNumber, std::string_view scoringMode);

// Whether the player cleared every list ("[Clear scores]" "Cleared=Y").
bool HighScoresCleared(std::string_view fileText);

// The list of a game; an empty list gets its champions (and is written unless
// statistics are off) while the lists were never cleared.
HighScoreList ReadHighScores(TMainGame& game, int gameNumber, std::string_view scoringMode);

struct HighScoreInsertion {
  FileOutcome outcome;
  int rank = 0;  // 0 when not ranked
};

// Puts the current game's result into its list, then into the player's
// overall score.
HighScoreInsertion InsertHighScore(TMainGame& game, const HighScoreEntry& entry);

// Creates the lists' file header when it is missing.
FileOutcome EnsureRecordHeader(UserData& data, std::string_view fileName);

}  // namespace velmora
