#pragma once
// The game catalogue: the built-in games of the rule file GAMES.DAT - their
// numbers, types, names and rule columns - and the custom games of the user's
// DATA\GAM_CUST.DAT, derived from them. Held by the game object for the whole
// run; the rule file is read and checked once, at start-up.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/custom_games.h"
#include "rules/rule_file.h"

namespace velmora {

class GameUi;

inline constexpr int kCustomGameType = 800;

// What deleting a custom game must also do in the parts of the program that
// keep records of it; each part fills in its own.
struct CustomGameHooks {
  std::function<void()> endRunningGame;  // records it as lost, clears the table, disables the game commands
  std::function<void(int)> deleteSeriesResults;
  std::function<void(int)> forgetLastPlayed;
  std::function<void()> refreshGameLists;        // fast search, selection tree, favourites menu
};

struct CustomGameRef {
  int base = -1;  // -1 when the record is missing
  std::string override;
};

class Catalogue {
 public:
  Catalogue() = default;
  Catalogue(const Catalogue&) = delete;  // the game list points into the rule file's contents
  Catalogue& operator=(const Catalogue&) = delete;

  // Reads and checks the rule file. On a fault the catalogue stays as it was
  // and the answer names the fault ("line 12: ...").
  std::optional<std::string> loadRuleFile(const std::filesystem::path& file);
  std::optional<std::string> loadRuleText(std::string_view text);
  void loadCustomGames(UserData& data);

  // Built-in games in catalogue order; the position is the rule column.
  const std::vector<const GameEntry*>& games() const { return catalogued_; }
  const RuleFileContents& contents() const { return contents_; }

  int GameColumn(int number) const;  // -1 when not catalogued
  const RuleValues* ColumnRules(int column) const;
  std::string GameName(int number) const;
  int GameNumberByName(std::string_view name) const;  // -1 when none
  int GameType(int number) const;                     // -1 when none
  bool IsBuiltIn(int number) const { return number >= 0 && number < kFirstCustomGame && GameColumn(number) >= 0; }
  // Whether a stored game number can be played: a catalogued built-in game or
  // a custom game with its record.
  bool Knows(int number) const;
  std::vector<std::string> AllGameNames() const;

  CustomGameRef CustomGame(int number) const;
  // Sorted by name; no value when the file does not exist.
  std::optional<std::vector<CustomGameRecord>> CustomGameList() const;
  std::optional<int> NextCustomGameNumber() const { return custom_.nextNumber(); }
  const CustomGames& customGames() const { return custom_; }

  // A new custom game; the refusal says why. Names are unique among all games.
  CustomGames::Added AppendCustomGame(UserData& data, std::string_view name, int base, std::string_view override);
  // Why custom games may not be created or deleted now (a damaged file).
  std::optional<std::string> CustomGamesLocked(UserData& data) { return custom_.refuseChange(data, builtInTest()); }

  // False, after telling the player, when the screen is too narrow for it.
  bool CheckScreenForGame(int number, int screenWidth, GameUi& ui) const;

  CustomGameHooks& hooks() { return hooks_; }

 private:
  std::function<bool(int)> builtInTest() const {
    return [this](int number) { return IsBuiltIn(number); };
  }

  RuleFileContents contents_;
  std::vector<const GameEntry*> catalogued_;
  std::unordered_map<int, int> columns_;
  CustomGames custom_;
  CustomGameHooks hooks_;
};

}  // namespace velmora
