#pragma once
// The won and lost marks of the game selection: whether a player has won a
// game at least once, played it without winning, or not played it.
#include <functional>
#include <string>

#include "catalogue/selection_tree.h"

namespace velmora {

class UserData;

// The marks of one player from one reading of DATA\STAT.DAT. A file or a
// record that cannot be read gives plain marks.
std::function<GameMark(int game)> PlayerGameMarks(const UserData& data, const std::string& player);

}  // namespace velmora
