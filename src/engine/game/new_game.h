#pragma once
// Starting a game afresh: a deal number chosen or kept, the table cleared and
// dealt, the clock and score reset, the game in progress.
#include <functional>
#include <random>
#include <string>

#include "game/deal_table.h"

namespace velmora {

class TMainGame;

// The parts of starting a game that belong to the records, the catalogue and
// autoplay. Each runs in its place when it is set.
struct NewGameSeams {
  DealFollowUps deal;
  std::function<void()> applyCardSettings;   // a game without a deck size of its own
  std::function<void()> rememberDealNumber;  // the deal number among the recent ones
  std::function<void()> recordLastPlayed;    // the game among the last played ones
  std::function<void()> afterDeal;           // autoplay and the filling of gaps
  std::function<void()> familyWonTest;       // games that can be won as dealt
};

enum class DealMode { KeepDealNumber = 1, NewDealNumber = 2 };

struct NewGameRequest {
  bool deal = true;     // false only resets, for a saved game that fills the piles itself
  bool animate = true;  // the deal may be animated
  DealMode mode = DealMode::NewDealNumber;
  bool quiet = false;  // no drawing and no random change of appearance
  // Puts the table in place of a deal (a saved game, a restart): run after the
  // reset, with the clock stopped; it may set the clock running itself.
  std::function<void()> fill = nullptr;
};

// A random deal number of 13 digits, never all zeros.
std::string NewDealNumber(std::mt19937& random);

// Starts the current game of the rule record as the request says. False
// when the rules' deck cannot be dealt (the player has been told).
bool StartNewGame(TMainGame& game, const NewGameRequest& request);

}  // namespace velmora
