#pragma once
// Autoplay: the program sends to the foundations every card it can, by the
// same drops as the player's and by every rule of the moves, while the
// "Autoplay" switch is on and the game allows it. It runs after every
// release of the button on the table, after the deal and when switched on,
// each time with the automatic fill of empty piles between its passes.
namespace velmora {

class TMainGame;

// The switch is on and the game lets autoplay play (rule 19).
bool AutoplayOn(const TMainGame& game);

// One run: rounds over the reserves, the waste and the tableau, sending top
// cards to the foundations, until a round moves nothing or the end of the
// game is seen; a game this run won ends. In the player's own play only
// while autoplay is on; for the hint and the demonstration one move at most.
// True when it moved (or turned) a card.
bool AutoplayRun(TMainGame& game);

// What follows every release of the button on the table: the automatic fill,
// then autoplay and the fill in turn while autoplay moves cards - all of it
// part of the step the release (or the press before it) made.
void AutoplayAfterRelease(TMainGame& game);

// After a deal, with autoplay on: a short pause for the player to see the
// dealt table, then autoplay and the fill as part of the deal.
void AutoplayAfterDeal(TMainGame& game);

// The "Autoplay" command: the switch is stored for the game (when each game
// has its own) and, switched on during a game, autoplay plays at once as one
// undo step.
void SwitchAutoplay(TMainGame& game, bool on);

// Another game became current: its own switch applies when each game keeps
// one.
void ApplyGameAutoplaySwitch(TMainGame& game);

}  // namespace velmora
