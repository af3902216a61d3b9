#pragma once
// A game as a player names it on a command line: by number or by name.
#include <string_view>

namespace velmora {

class Catalogue;

// A game by number, or by name in any letter case; -1 when there is none.
int FindGame(const Catalogue& catalogue, std::string_view wanted);

}  // namespace velmora
