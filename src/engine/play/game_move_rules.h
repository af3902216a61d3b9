#pragma once
// The move rules of the running game: its rules, piles and faces, its family
// and the counts of its stock, as every question about a move needs them.
#include "moves/move_rules.h"
#include "shell/main_game.h"

namespace velmora {

// `reportTo` receives the refusals the player must be told of; leave it out to ask quietly.
inline MoveRules MoveRulesOf(const TMainGame& game, GameUi* reportTo = nullptr) {
  return MoveRules(game.rules(), game.piles(), game.cards(), &game.family(), reportTo, CountsOf(game.state()));
}

}  // namespace velmora
