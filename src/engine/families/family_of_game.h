#pragma once
// The family of the game a rule record describes.
#include "families/game_family.h"

namespace velmora {

// The family of the game's number (rule 51), or the sum family when the game
// has a target sum (rule 39) and its number no removal rule of its own.
const GameFamily& FamilyOfGame(const RuleRecord& rules);

}  // namespace velmora
