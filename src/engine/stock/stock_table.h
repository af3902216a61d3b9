#pragma once
// What the stock's commands read and do to the table: the stock rules of the
// game, the pass counter and the deal count, one card moved with its face,
// and the sounds and flights that go with it.
#include <algorithm>

#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora::stock {

inline int Rule(const TMainGame& game, int index) { return game.rules()[index]; }

inline int TableauInUse(const TMainGame& game) { return std::clamp<int>(Rule(game, rule::TableauPiles), 0, kTableauPiles); }
inline int ReservesInUse(const TMainGame& game) { return std::clamp<int>(Rule(game, rule::Reserves), 0, kReserves); }
inline int FoundationsInUse(const TMainGame& game) { return std::clamp<int>(Rule(game, rule::Foundations), 0, kFoundations); }

inline PileRef TableauPile(int i) { return {PileGroup::Tableau, i}; }
inline PileRef ReservePile(int j) { return {PileGroup::Reserves, j}; }

// What a press on the stock adds to tableau pile i or reserve j.
inline int TableauDealStyle(const TMainGame& game, int i) { return Rule(game, rule::TableauStockDeal + i); }
inline int ReserveDealStyle(const TMainGame& game, int j) { return Rule(game, rule::ReserveStockDeal + j); }
// The first and the last pile's styles both choose what a press does.
bool TableauStyleIs(const TMainGame& game, int style);
bool ReserveStyleIs(const TMainGame& game, int style);

inline const Pile& PileOf(const TMainGame& game, PileRef pile) { return game.piles().pile(pile); }
inline bool StockEmpty(const TMainGame& game) { return PileOf(game, kStock).empty(); }
int CardsIn(const TMainGame& game, PileRef pile);

// Passes through the stock: 1 after the deal, compared with rule 15 (-1
// unlimited).
int PassCounter(const TMainGame& game);
bool PassesRemain(const TMainGame& game);
void RaisePassCounter(TMainGame& game, int by = 1);

// The deal count that some stock styles raise; undo carries it by tag 002.
int DealCount(const TMainGame& game);
void RaiseDealCount(TMainGame& game);

// The player or the tutor deals; a hint or a demo playback only looks.
bool DealingMode(const TMainGame& game);

// The card goes on top of the pile with the face given; the pile it came
// from is the caller's business.
void PutCard(TMainGame& game, CardId card, PileRef pile, Face face);
// The top card of `from`, moved onto `to` with the face given; 0 when `from`
// is empty.
CardId MoveTopCard(TMainGame& game, PileRef from, PileRef to, Face face);

// A card flies from the top of one pile to the top of another (before the
// move) when the preference asks for flights and both piles are on the table.
void FlyCard(TMainGame& game, CardId card, PileRef from, PileRef to, StoreItem animation);

void PlaySoundIf(TMainGame& game, StoreItem enabled, std::string_view name);

// Program flag 8 follows the game-won test after every card dealt or turned.
void TestGameWon(TMainGame& game);

}  // namespace velmora::stock
