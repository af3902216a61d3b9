#pragma once
// When the table is a won game: one test per game family (rule 51), asked
// after every card that moves. The families with a procedure of their own
// bring their part of the test through `FamilyWonHooks`; until a family sets
// its hook, its games are never found won by it.
#include <cstdint>
#include <functional>

namespace velmora {

class TMainGame;

struct FamilyWonHooks {
  // Family 44: the sequence of the table adds up to 91.
  std::function<bool()> sequenceComplete;
  // Family 46: the family's own score.
  std::function<std::int64_t()> familyScore;
  // Families 57 and 58: the family's whole test.
  std::function<bool()> ownTest;
};

// True when the current table is a won game of the current family. In
// family 44 a won table also tells the player so.
bool GameWonTest(TMainGame& game);

}  // namespace velmora
