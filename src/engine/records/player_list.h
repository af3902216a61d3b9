#pragma once
// The registered players: up to 20 names in the preference file's "Users"
// section (keys "User001" to "User020"), one of them the current player.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/player_names.h"  // kLongestPlayerName

namespace velmora {

class IniDocument;
class TMainGame;

inline constexpr int kMostPlayers = 20;

// The names of the keys, sorted; empty keys are skipped.
std::vector<std::string> ReadPlayers(const IniDocument& file);

// Writes the first 20 names to the keys in order, blanking the keys after them.
void WritePlayers(IniDocument& file, const std::vector<std::string>& players);

// Why a name typed for a player is refused (the message for the player):
// empty, too long, not fit for the records' files, or already taken by
// another player than `renaming` (trailing blanks ignored).
std::optional<std::string> PlayerNameRefusal(std::string_view name, const std::vector<std::string>& players,
                                             std::string_view renaming = {});

// Makes `player` current after the running game was left: the game is ended
// for the old player, the session counters restart and "UserDefault" is
// written. False when the player declined to leave the running game.
bool SwitchPlayer(TMainGame& game, const std::string& player);

}  // namespace velmora
