#include "records/player_list.h"

#include <algorithm>

#include "catalogue/play_game.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kUsers = "Users";

std::string PlayerKey(int index) { return "User" + FormatNumber(index, 3); }

}  // namespace

std::vector<std::string> ReadPlayers(const IniDocument& file) {
  std::vector<std::string> players;
  for (int index = 1; index <= kMostPlayers; ++index) {
    std::string name(TrimRight(file.readString(kUsers, PlayerKey(index), "")));
    if (!name.empty()) players.push_back(std::move(name));
  }
  std::sort(players.begin(), players.end(), [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
  return players;
}

void WritePlayers(IniDocument& file, const std::vector<std::string>& players) {
  for (int index = 1; index <= kMostPlayers; ++index) {
    const auto i = static_cast<std::size_t>(index - 1);
    file.write(kUsers, PlayerKey(index), i < players.size() ? players[i] : std::string());
  }
}

std::optional<std::string> PlayerNameRefusal(std::string_view name, const std::vector<std::string>& players,
                                             std::string_view renaming) {
  const std::string_view trimmed = TrimRight(name);
  if (trimmed.empty()) return "Please enter at least 1 character.";
  if (trimmed.size() > kLongestPlayerName) return "A player name has at most 30 characters.";
  if (!IsAcceptablePlayerName(trimmed)) return "A player name cannot start with \"[\" or hold \"=\" or control characters.";
  for (const std::string& player : players)
    if (player == trimmed && player != TrimRight(renaming)) return "This player name already exists.";
  return std::nullopt;
}

bool SwitchPlayer(TMainGame& game, const std::string& player) {
  ConfigStore& store = game.store();
  if (player == store.playerName()) return true;
  if (!ConfirmQuitRunningGame(game, "Start a new game for player " + player + "?")) return false;
  if (game.state().on(flag::GameInProgress) && game.playSeams().endGame) game.playSeams().endGame();
  store.resetSessionCounters();
  store.write(store::UserDefault, player);
  game.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, "UserDefault", player); });
  return true;
}

}  // namespace velmora
