#pragma once
// The one executor of the table: every move of a card and every stock
// command goes through ExecuteMove, whoever makes it - a drop, a send, the
// command-line tool, autoplay or the demonstration.
#include <optional>
#include <string_view>

#include "cards/card.h"
#include "piles/pile_names.h"

namespace velmora {

class TMainGame;

// Where a card lies: its pile and its place there (0 the bottom card).
struct CardSpot {
  PileRef pile{PileGroup::Stock, 0};
  int index = 0;
};
std::optional<CardSpot> FindCard(const TMainGame& game, CardId card);

// A target that moves a card: "Dest" + n, "Dest_Autoplay" + n (the same,
// made by autoplay), "Fila" + n, "Appogg" + n, "Stock02" (the waste),
// "Waste" (the discard pile, where cards leave play). The number counts
// from 1 and must be a pile the game uses.
struct CardTarget {
  PileRef pile{PileGroup::Stock, 0};
  bool autoplay = false;
};
std::optional<CardTarget> ParseCardTarget(const TMainGame& game, std::string_view target);

// While the opening phase lasts (rule 40) only a card from the tableau may
// move, and only to a foundation.
bool OpeningPhaseRefuses(const TMainGame& game, PileRef from, PileRef to);

// Carries out a move of `card` (with the cards above it) to a card target,
// or a stock command; true when the table changed. The caller has asked the
// move rules; this only refuses what cannot be carried out at all. In order:
// an undo step, the cards moved face up, the piles redrawn, the won test
// (program flag 8), the sound, then the follow-ups of every move: the
// first-move flag, exposed tableau cards turned in the same step, the score
// recomputed, the redo side discarded, the opening phase advanced and the
// tableau filled once after the first move where the game says so.
bool ExecuteMove(TMainGame& game, CardId card, std::string_view target);

}  // namespace velmora
