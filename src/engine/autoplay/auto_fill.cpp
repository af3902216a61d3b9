#include "autoplay/auto_fill.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "autoplay/follow_up_step.h"
#include "game/rule_index.h"
#include "history/step_log.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/play_rules.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kAutoFillStyle = 23;                // rule: how empty piles are filled
constexpr int kGapPlacesFilled = 10;              // style 16 looks at each pile's first places
constexpr int kPauseBeforeSuitFill = 300;         // style 15, milliseconds
constexpr int kPauseAfterLastSuitFill = 1000;

// Tableau piles as a set of bits, pile 1 the lowest.
using PileSet = std::uint64_t;
constexpr PileSet kAllPiles = ~PileSet{0};
constexpr PileSet PileRange(int first, int last) {
  PileSet set = 0;
  for (int p = first; p <= last; ++p) set |= PileSet{1} << (p - 1);
  return set;
}
constexpr PileSet Piles(std::initializer_list<int> piles) {
  PileSet set = 0;
  for (int p : piles) set |= PileSet{1} << (p - 1);
  return set;
}
constexpr bool Holds(PileSet set, int index) { return (set >> index) & 1U; }

// Where a fill takes its cards from.
enum class Source { Reserve1, WasteOrStock, StockOrWaste, Waste, Stock };
// What must hold for the style to fill at all.
enum class Condition { None, NoFamilyTableauMove, ReservesEmpty };

struct FillStyle {
  int code = 0;
  Source source = Source::Stock;
  PileSet tableau = kAllPiles;  // the piles the style fills
  int cardsEach = 1;            // cards one empty pile gets
  bool skipsGrid = false;       // the grid's piles keep their gaps
  bool reservesToo = false;     // empty reserves are filled as well
  bool needsStockOrWaste = false;
  Condition condition = Condition::None;
};

// The styles that fill empty piles from one source. Styles 14 to 17 have
// procedures of their own below.
constexpr std::array kFillStyles{
    FillStyle{.code = 1, .source = Source::Reserve1},
    FillStyle{.code = 2, .source = Source::WasteOrStock, .skipsGrid = true, .needsStockOrWaste = true},
    FillStyle{.code = 3, .source = Source::StockOrWaste, .needsStockOrWaste = true},
    FillStyle{.code = 4, .source = Source::WasteOrStock, .skipsGrid = true, .condition = Condition::NoFamilyTableauMove},
    FillStyle{.code = 5, .source = Source::Waste, .cardsEach = 3},
    FillStyle{.code = 6, .source = Source::Waste, .tableau = Piles({1, 7, 8, 14, 15, 21, 22, 28})},
    FillStyle{.code = 7, .source = Source::Stock, .tableau = PileRange(11, 40)},
    FillStyle{.code = 8, .source = Source::WasteOrStock, .skipsGrid = true, .reservesToo = true, .needsStockOrWaste = true},
    FillStyle{.code = 9, .source = Source::Stock, .cardsEach = 4, .needsStockOrWaste = true},
    FillStyle{.code = 10, .source = Source::WasteOrStock, .skipsGrid = true, .condition = Condition::ReservesEmpty},
    FillStyle{.code = 11, .source = Source::WasteOrStock, .tableau = PileRange(25, 32), .needsStockOrWaste = true},
    FillStyle{.code = 12, .source = Source::WasteOrStock, .cardsEach = 4, .needsStockOrWaste = true},
    FillStyle{.code = 13, .source = Source::Stock, .tableau = 0, .reservesToo = true, .needsStockOrWaste = true},
};

int InUse(const TMainGame& game, PileGroup group) {
  const int rule = group == PileGroup::Tableau ? rule::TableauPiles : rule::Reserves;
  return std::clamp<int>(game.rules()[rule], 0, GroupSize(group));
}

const Pile& PileOf(const TMainGame& game, PileRef pile) { return game.piles().pile(pile); }
CardId TopOf(const TMainGame& game, PileRef pile) { return game.piles().topCard(pile); }

bool StockOrWasteHoldsCards(const TMainGame& game) {
  return !PileOf(game, kStock).empty() || !PileOf(game, kWaste).empty();
}

CardId SourceCard(const TMainGame& game, Source source) {
  const CardId stock = TopOf(game, kStock), waste = TopOf(game, kWaste);
  switch (source) {
    case Source::Reserve1: return InUse(game, PileGroup::Reserves) > 0 ? TopOf(game, {PileGroup::Reserves, 0}) : kNoCard;
    case Source::WasteOrStock: return waste != kNoCard ? waste : stock;
    case Source::StockOrWaste: return stock != kNoCard ? stock : waste;
    case Source::Waste: return waste;
    case Source::Stock: return stock;
  }
  return kNoCard;
}

bool CardsAnimate(const TMainGame& game) { return game.store().read(store::CardsAnimate) != "N"; }

// One card flies from its place to the pile and is moved there.
bool FillMove(TMainGame& game, CardId card, PileRef to) {
  const auto from = FindCard(game, card);
  if (!from) return false;
  if (CardsAnimate(game) && PileRect(game, from->pile) && PileRect(game, to)) {
    const TableRect start = CardRect(game, from->pile, from->index);
    const TableRect landing = CardRect(game, to, static_cast<int>(PileOf(game, to).size()));
    game.ui().flyCards({card}, {start.x, start.y}, {landing.x, landing.y});
  }
  return ExecuteMove(game, card, PileName(to));
}

bool ConditionHolds(const TMainGame& game, Condition condition) {
  switch (condition) {
    case Condition::None: return true;
    case Condition::NoFamilyTableauMove: return game.history().undoLog().countCode(step_tag::FamilyTableauMove) == 0;
    case Condition::ReservesEmpty:
      for (int j = 0; j < InUse(game, PileGroup::Reserves); ++j)
        if (!PileOf(game, {PileGroup::Reserves, j}).empty()) return false;
      return true;
  }
  return false;
}

// The grid's piles: those below rule 25 x rule 26.
int GridPiles(const TMainGame& game) {
  return std::max<int>(0, game.rules()[rule::GridRows]) * std::max<int>(0, game.rules()[rule::GridRowPiles]);
}

// Up to `cards` cards from the source onto the empty pile.
bool FillPile(TMainGame& game, PileRef pile, Source source, int cards) {
  bool moved = false;
  for (int n = 0; n < cards; ++n) {
    const CardId card = SourceCard(game, source);
    if (card == kNoCard || !FillMove(game, card, pile)) break;
    moved = true;
  }
  return moved;
}

bool FillFromSource(TMainGame& game, const FillStyle& style) {
  if (style.needsStockOrWaste && !StockOrWasteHoldsCards(game)) return false;
  if (!ConditionHolds(game, style.condition)) return false;
  const int grid = style.skipsGrid ? GridPiles(game) : 0;
  bool moved = false;
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (Holds(style.tableau, i) && i >= grid && PileOf(game, pile).empty())
      moved = FillPile(game, pile, style.source, style.cardsEach) || moved;
  }
  if (style.reservesToo)
    for (int j = 0; j < InUse(game, PileGroup::Reserves); ++j) {
      const PileRef reserve{PileGroup::Reserves, j};
      if (PileOf(game, reserve).empty()) moved = FillPile(game, reserve, style.source, 1) || moved;
    }
  return moved;
}

// Style 14: piles 1-8 and 17-24 are filled from their partner among 9-16
// (eight places on or back), or when that is empty from the nearest pile
// below it that holds cards, counting down round the eight.
bool FillFromPartners(TMainGame& game) {
  constexpr PileSet kFilled = PileRange(1, 8) | PileRange(17, 24);
  constexpr int kFirstPartner = 9, kPartners = 8;
  bool moved = false;
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (!Holds(kFilled, i) || !PileOf(game, pile).empty()) continue;
    const int partner = i + 1 <= 8 ? i + 1 + 8 : i + 1 - 8;  // 1-based, 9 to 16
    for (int step = 0; step < kPartners; ++step) {
      const int from = kFirstPartner + (partner - kFirstPartner - step + kPartners) % kPartners;
      const PileRef source{PileGroup::Tableau, from - 1};
      if (from > InUse(game, PileGroup::Tableau) || PileOf(game, source).empty()) continue;
      moved = FillMove(game, TopOf(game, source), pile) || moved;
      break;
    }
  }
  return moved;
}

// Style 15: once foundation 1 holds as many cards as there are piles among
// the first four showing its suit on top, and at least two, each of those
// piles gets the stock's top card and foundation 1's cards leave play.
bool FillAfterSuitMatch(TMainGame& game) {
  constexpr PileRef kFoundation1{PileGroup::Foundations, 0};
  const Pile& collected = PileOf(game, kFoundation1);
  if (collected.empty()) return false;
  const int suit = CardSuit(collected.back());
  std::array<bool, 4> matching{};
  int matches = 0;
  for (int i = 0; i < std::min(4, InUse(game, PileGroup::Tableau)); ++i) {
    const CardId top = TopOf(game, {PileGroup::Tableau, i});
    matching[static_cast<std::size_t>(i)] = top != kNoCard && CardSuit(top) == suit;
    matches += matching[static_cast<std::size_t>(i)] ? 1 : 0;
  }
  if (matches < 2 || static_cast<int>(collected.size()) != matches) return false;
  game.ui().pauseFor(kPauseBeforeSuitFill);
  for (int i = 0; i < 4; ++i)
    if (matching[static_cast<std::size_t>(i)] && TopOf(game, kStock) != kNoCard)
      FillMove(game, TopOf(game, kStock), {PileGroup::Tableau, i});
  RecordStep(game, HistorySide::Undo);
  Pile& gone = game.piles().pile(kThirdStockSlot);
  Pile& foundation = game.piles().pile(kFoundation1);
  gone.insert(gone.end(), foundation.begin(), foundation.end());
  foundation.clear();
  RecomputeScore(game);
  game.ui().showTable(GameUi::TableChange::Piles);
  if (PileOf(game, kStock).empty()) game.ui().pauseFor(kPauseAfterLastSuitFill);
  return true;
}

// Style 16: the gaps among the first places of each pile get the stock's
// top card, each in its own place.
bool FillGapsInPlace(TMainGame& game) {
  if (!StockOrWasteHoldsCards(game)) return false;
  bool moved = false;
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    const int places = std::min<int>(kGapPlacesFilled, static_cast<int>(PileOf(game, pile).size()));
    for (int place = 0; place < places; ++place) {
      const CardId card = TopOf(game, kStock);
      if (card == kNoCard) return moved;
      if (PileOf(game, pile)[static_cast<std::size_t>(place)] != kNoCard) continue;
      RecordStep(game, HistorySide::Undo);
      if (CardsAnimate(game) && PileRect(game, kStock) && PileRect(game, pile)) {
        const TableRect start = CardRect(game, kStock, static_cast<int>(PileOf(game, kStock).size()) - 1);
        const TableRect landing = CardRect(game, pile, place);
        game.ui().flyCards({card}, {start.x, start.y}, {landing.x, landing.y});
      }
      game.piles().pile(kStock).pop_back();
      game.piles().pile(pile)[static_cast<std::size_t>(place)] = card;
      game.cards().setFace(card, Face::Up);
      moved = true;
    }
  }
  if (moved) {
    RecomputeScore(game);
    game.ui().showTable(GameUi::TableChange::Piles);
  }
  return moved;
}

// Style 17: once two or more piles other than pile 6 are empty, each of them
// gets the stock's top card.
bool FillEmptiedPiles(TMainGame& game) {
  constexpr int kKeptEmpty = 5;  // pile 6
  if (!StockOrWasteHoldsCards(game)) return false;
  int empty = 0;
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i)
    if (i != kKeptEmpty && PileOf(game, {PileGroup::Tableau, i}).empty()) ++empty;
  if (empty < 2) return false;
  bool moved = false;
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (i != kKeptEmpty && PileOf(game, pile).empty()) moved = FillPile(game, pile, Source::Stock, 1) || moved;
  }
  return moved;
}

bool FillByStyle(TMainGame& game, int style) {
  switch (style) {
    case 14: return FillFromPartners(game);
    case 15: return FillAfterSuitMatch(game);
    case 16: return FillGapsInPlace(game);
    case 17: return FillEmptiedPiles(game);
    default: break;
  }
  const auto found = std::ranges::find(kFillStyles, style, &FillStyle::code);
  return found != kFillStyles.end() && FillFromSource(game, *found);
}

}  // namespace

bool AutoFill(TMainGame& game) {
  const int style = game.rules()[kAutoFillStyle];
  if (style == 0) return false;
  if (game.rules()[rule::OpeningPhase] == 1 && game.state().word(word::StartPhase) == 0) return false;
  const FollowUpStep step(game, FollowUpStep::Into::CausingStep);
  return FillByStyle(game, style);
}

}  // namespace velmora
