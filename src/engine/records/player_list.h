#pragma once
// The registered players: up to 20 names in the preference file's "Users"
// section (keys "User001" to "User020"), one of them the current player.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/player_names.h"  // kLongestPlayerName

namespace velmora {

class ConfigStore;
class IniDocument;
class TMainGame;
class UserData;

inline constexpr int kMostPlayers = 20;

// The names of the keys, sorted. Empty keys are skipped, and so are names
// the records cannot hold (written by hand into the file): they are never
// cut to fit.
std::vector<std::string> ReadPlayers(const IniDocument& file);

// Writes the first 20 names to the keys in order, blanking the keys after them.
void WritePlayers(IniDocument& file, const std::vector<std::string>& players);

// Why a name typed for a player is refused (the message for the player):
// empty, too long, not fit for the records' files, or already taken by
// another player than `renaming` (trailing blanks ignored).
std::optional<std::string> PlayerNameRefusal(std::string_view name, const std::vector<std::string>& players,
                                             std::string_view renaming = {});

// Start-up: a first start (no current player) registers "Player 1" to
// "Player 3" and makes the first current. A registered or current name the
// records cannot hold is told to the player through the data folder's
// warnings; such a current player gives way to the first registered one.
void EnsureCurrentPlayer(UserData& data, ConfigStore& store, IniDocument& file);

// Makes `player` current after the running game was left: the game is ended
// for the old player, the session counters restart and "UserDefault" is
// written. False when the player declined to leave the running game.
bool SwitchPlayer(TMainGame& game, const std::string& player);

}  // namespace velmora
