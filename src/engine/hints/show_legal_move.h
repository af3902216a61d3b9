#pragma once
// "Show a legal move" and the demonstration's moves: one search of the hint
// engine, whose move is shown with an arrow (play mode 1) or, while the
// demonstration plays (play mode 3), described, waited for and made as an
// ordinary step of the game. A shown hint lasts three ticks of the main
// window's one-second timer, or until a press or a key.
#include <optional>

#include "hints/hint_search.h"
#include "piles/pile_geometry.h"

namespace velmora {

class TMainGame;

namespace word {
inline constexpr int HintTicks = 111;  // timer ticks while a hint is shown
inline constexpr int DemoMoves = 114;  // the moves the demonstration made in this deal
}  // namespace word

namespace play_mode {
inline constexpr int Player = 0;
inline constexpr int HintShown = 1;
inline constexpr int Playback = 2;
inline constexpr int Demo = 3;
}  // namespace play_mode

enum class HintRequest { Command, Demo };

// One hint search. From the command a demonstration or hint on display ends
// first, the move found is shown and "No other moves." is told when there is
// none. For the demonstration the move is described, made after a wait of
// 500 ms, and "End of Demo" is shown when there is none. The move shown or
// made, or none (also when the demonstration was interrupted during its wait).
std::optional<Hint> ShowLegalMove(TMainGame& game, HintRequest request);

// Makes a move the search found, as the player's action of that kind would;
// true when the table changed. A game it ends is ended.
bool MakeHintMove(TMainGame& game, const Hint& hint);

// The main window's one-second timer: the third tick ends a shown hint.
void HintTimerTick(TMainGame& game);

// A press or a key ends a shown hint: the arrow goes.
void EndHint(TMainGame& game);

// Where the hint arrow runs, in window coordinates: from the centre of the
// card (of its visible part inside a fan) to the centre of the target; both
// the same point for a card to turn or the stock to press. None for piles
// the layout leaves unplaced.
struct HintArrow {
  TablePoint from;
  TablePoint to;
};
std::optional<HintArrow> ArrowOf(const TMainGame& game, const Hint& hint);

}  // namespace velmora
