#include "records/player_list.h"

#include <algorithm>
#include <array>

#include "play/leave_game.h"
#include "files/ini_document.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kUsers = "Users";
constexpr std::array<std::string_view, 3> kFirstStartPlayers{"Player 1", "Player 2", "Player 3"};

std::string PlayerKey(int index) { return "User" + FormatNumber(index, 3); }

std::string StoredPlayer(const IniDocument& file, int index) {
  return std::string(TrimRight(file.readString(kUsers, PlayerKey(index), "")));
}

void Choose(ConfigStore& store, IniDocument& file, const std::string& player) {
  file.write(kPreferenceSection, "UserDefault", player);
  store.write(store::UserDefault, player);
}

}  // namespace

std::vector<std::string> ReadPlayers(const IniDocument& file) {
  std::vector<std::string> players;
  for (int index = 1; index <= kMostPlayers; ++index) {
    std::string name = StoredPlayer(file, index);
    if (IsAcceptablePlayerName(name)) players.push_back(std::move(name));
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
  if (auto problem = PlayerNameProblem(trimmed)) return problem;
  for (const std::string& player : players)
    if (player == trimmed && player != TrimRight(renaming)) return "This player name already exists.";
  return std::nullopt;
}

void EnsureCurrentPlayer(UserData& data, ConfigStore& store, IniDocument& file) {
  for (int index = 1; index <= kMostPlayers; ++index) {
    const std::string stored = StoredPlayer(file, index);
    if (const auto problem = PlayerNameProblem(stored); problem && !stored.empty())
      data.warn("The player \"" + stored + "\" of the preference file is left out of the players:\r" + *problem);
  }
  const std::string current(Trim(file.readString(kPreferenceSection, "UserDefault", "")));
  const std::string firstPlayer(kFirstStartPlayers.front());
  if (current.empty()) {
    for (std::size_t i = 0; i < kFirstStartPlayers.size(); ++i)
      file.write(kUsers, PlayerKey(static_cast<int>(i) + 1), kFirstStartPlayers[i]);
    Choose(store, file, firstPlayer);
    return;
  }
  if (const auto problem = PlayerNameProblem(current)) {
    const std::vector<std::string> players = ReadPlayers(file);
    const std::string instead = players.empty() ? firstPlayer : players.front();
    data.warn("The current player \"" + current + "\" cannot keep records:\r" + *problem + "\r" + instead +
              " plays instead.");
    Choose(store, file, instead);
  }
}

bool SwitchPlayer(TMainGame& game, const std::string& player) {
  ConfigStore& store = game.store();
  if (player == store.playerName()) return true;
  if (!ConfirmQuitGame(game, "Start a new game for player " + player + "?")) return false;
  if (game.state().on(flag::GameInProgress) && game.playSeams().endGame) game.playSeams().endGame();
  store.resetSessionCounters();
  game.preferences().update([&](IniDocument& file) { Choose(store, file, player); });
  return true;
}

}  // namespace velmora
