#include "stock/stock_table.h"

#include "layout/card_place.h"

namespace velmora::stock {

bool TableauStyleIs(const TMainGame& game, int style) {
  const int piles = TableauInUse(game);
  return TableauDealStyle(game, 0) == style || (piles > 0 && TableauDealStyle(game, piles - 1) == style);
}

bool ReserveStyleIs(const TMainGame& game, int style) {
  const int reserves = ReservesInUse(game);
  return ReserveDealStyle(game, 0) == style || (reserves > 0 && ReserveDealStyle(game, reserves - 1) == style);
}

int CardsIn(const TMainGame& game, PileRef pile) { return static_cast<int>(PileOf(game, pile).size()); }

int PassCounter(const TMainGame& game) { return game.state().word(word::PassCounter); }

bool PassesRemain(const TMainGame& game) {
  const int deals = Rule(game, rule::DealsInAll);
  return deals == -1 || PassCounter(game) < deals;
}

void RaisePassCounter(TMainGame& game, int by) { game.state().setWord(word::PassCounter, PassCounter(game) + by); }

int DealCount(const TMainGame& game) { return game.state().counters[counter::DealCount]; }

void RaiseDealCount(TMainGame& game) { ++game.state().counters[counter::DealCount]; }

bool DealingMode(const TMainGame& game) {
  const int mode = game.state().word(word::PlayMode);
  return mode == 0 || mode == 3;
}

void PutCard(TMainGame& game, CardId card, PileRef pile, Face face) { game.piles().addCard(pile, card, face, game.cards()); }

CardId MoveTopCard(TMainGame& game, PileRef from, PileRef to, Face face) {
  Pile& source = game.piles().pile(from);
  if (source.empty()) return kNoCard;
  const CardId card = source.back();
  source.pop_back();
  PutCard(game, card, to, face);
  return card;
}

void FlyCard(TMainGame& game, CardId card, PileRef from, PileRef to, StoreItem animation) {
  if (game.store().read(animation) == "N") return;
  const TableLayout& layout = game.layout();
  if (!layout.placed(from) || !layout.placed(to)) return;
  const IrregularPiles* irregular = game.store().isOn(store::IrregularPiles) ? &game.irregularPiles() : nullptr;
  const auto place = [&](PileRef pile, int index) {
    return CardPlace(layout, game.rules(), game.piles(), game.cards(), pile, index, irregular);
  };
  const TablePoint start = place(from, std::max(CardsIn(game, from) - 1, 0));
  const TablePoint end = place(to, CardsIn(game, to));
  game.ui().flyCards({card}, start, end);
}

void PlaySoundIf(TMainGame& game, StoreItem enabled, std::string_view name) {
  if (game.store().isOn(enabled)) game.ui().playSound(name);
}

void TestGameWon(TMainGame& game) {
  const auto& test = game.playSeams().gameWonTest;
  game.state().set(flag::GameWon, test && test());
}

}  // namespace velmora::stock
