#pragma once
// Switching to a game: the one way a chosen game (from the selection tree, a
// deal number or a random choice) becomes the current game and is dealt, and
// the list of recently dealt deal numbers.
#include <string>
#include <string_view>
#include <vector>

#include "game/new_game.h"
#include "table/card_size.h"

namespace velmora {

class TMainGame;
class IniDocument;

struct PlayRequest {
  int number = -1;
  std::string name;
  std::string player;
  DealMode mode = DealMode::NewDealNumber;
  bool remember = true;  // the game becomes the one the selection opens at
};

// Deals the requested game for the requested player. The running game is left
// (the player confirms, and it is recorded as lost) unless it is the same
// game for the same player and still in progress, which changes nothing.
// True when a new game was dealt.
bool PlayGame(TMainGame& game, const PlayRequest& request, const DisplayFacts& display);

inline constexpr int kRememberedDealNumbers = 20;

// The remembered deal numbers, most recent first.
std::vector<std::string> RememberedDealNumbers(const IniDocument& file);
// Puts the deal number first among the remembered ones, once.
void RememberDealNumber(IniDocument& file, std::string_view dealNumber);
// The same on the preference file of the game.
void RememberDealNumber(TMainGame& game, std::string_view dealNumber);

}  // namespace velmora
