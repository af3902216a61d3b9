#pragma once
// When the table is a won game: one test per game family (rule 51), asked
// after every card that moves. The families with a procedure of their own
// bring their part of the test through their `GameFamily`; until a family
// has that procedure, its games are never found won by it.

namespace velmora {

class TMainGame;

// True when the current table is a won game of the current family. In
// family 44 a won table also tells the player so.
bool GameWonTest(TMainGame& game);

}  // namespace velmora
