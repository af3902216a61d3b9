#pragma once
// The demonstration: the program plays the current deal by itself, one move
// of the hint search at a time, at a pace a watcher can follow. Its moves are
// ordinary moves of the game, each a step undo takes back, and the player
// takes over at any moment: a press on the table, Pause, Stop or a hint ends
// it. The waits between moves are the window's (GameUi::pauseFor), which keeps
// the program live; every check is made again after each wait, because the
// player's commands run inside it.
#include <functional>

#include "hints/hint_search.h"

namespace velmora {

class TMainGame;

struct DemoWatcher {
  std::function<void(const Hint&)> moveMade{};  // after each move the demonstration made
  int maxMoves = -1;                          // -1: until it finds no move or the game ends
};

// "Demo": nothing while the demonstration's window is shown; without a game
// in progress a new deal of the current game first; then the window and the
// moves until none is found, the game ends or the player interrupts.
void StartDemo(TMainGame& game, const DemoWatcher& watcher = {});

// Plays from the current position with the window already shown: what
// "Demo" does after showing it, and what the window's Play button resumes.
void PlayDemo(TMainGame& game, const DemoWatcher& watcher = {});

// Ends a demonstration or a shown hint (with `force` false only a hint or a
// playback): the window hidden, the player plays, nothing carried.
void StopDemo(TMainGame& game, bool force);

// Pause: the loop stops after its current wait; the window stays.
void PauseDemo(TMainGame& game);

}  // namespace velmora
