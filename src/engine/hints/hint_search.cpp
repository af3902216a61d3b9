#include "hints/hint_search.h"

#include <algorithm>
#include <array>

// The move rules' card places come before the layout's function of that name.
#include "play/game_move_rules.h"

#include "families/game_family.h"
#include "game/rule_index.h"
#include "play/execute_move.h"
#include "rules/building_codes.h"
#include "shell/main_game.h"
#include "stock/stock_table.h"

namespace velmora {
namespace {

constexpr int kOnlyTopInReach = 3;                        // fan style of tableau and reserves: only the top card is taken
// Building codes whose stock cards go to one preferred pile.
constexpr std::array kPreferredPileCodes = {building_code::NotFromTableau, building_code::TableauCardsOnEmpty,
                                            building_code::NotFromTableauOrReserve};
constexpr int kDealsWhenNoGap = 2;                        // tableau deal style: a press deals only onto a full tableau

// Which piles a send offers a card to.
struct Targets {
  bool foundations = true;
  bool tableau = true;
  bool reserves = false;
};

class HintSearch {
 public:
  HintSearch(const TMainGame& game, const HintMemory& memory)
      : game_(game), memory_(memory), rules_(MoveRulesOf(game)) {}

  std::optional<Hint> run() {
    if (autoplayMove() || wasteMove() || reserveMoves({.reserves = false}) || tableauMoves({.reserves = false}) ||
        reserveMoves({.foundations = false, .tableau = false, .reserves = true}) ||
        tableauMoves({.foundations = false, .tableau = false, .reserves = true}) || discardPress() ||
        familyMove() || stockPress())
      return found_;
    return std::nullopt;
  }

 private:
  int rule(int index) const { return game_.rules()[index]; }
  const Pile& pile(PileRef ref) const { return game_.piles().pile(ref); }

  // --- The search, step by step -------------------------------------------

  // A card autoplay would send: a reserve's top card, the waste's, a tableau
  // pile's; a face-down top card of the tableau is turned first.
  bool autoplayMove() {
    for (int j = 0; j < rules_.reservesInUse(); ++j)
      if (topToFoundation({PileGroup::Reserves, j})) return true;
    if (rule(rule::WasteTopFixed) == 0 && topToFoundation(kWaste)) return true;
    for (int i = 0; i < rules_.tableauInUse(); ++i) {
      const PileRef from{PileGroup::Tableau, i};
      const CardId top = game_.piles().topCard(from);
      if (top == kNoCard) continue;
      if (game_.cards().isFaceDown(top)) {
        if (rules_.canTake(top, from) == TakeAnswer::TurnFaceUp &&
            offer({.kind = HintKind::TurnUp, .card = top, .from = from, .to = from}))
          return true;
        continue;
      }
      if (topToFoundation(from)) return true;
    }
    return false;
  }

  bool topToFoundation(PileRef from) {
    const CardId top = game_.piles().topCard(from);
    if (top == kNoCard || !game_.cards().isFaceUp(top) || rules_.canTake(top, from) != TakeAnswer::Take) return false;
    const MovingUnit unit = rules_.unitOf(top);
    for (int k = 0; k < rules_.foundationsInUse(); ++k) {
      const PileRef to{PileGroup::Foundations, k};
      if (rules_.canPlace(unit, to) && offer({.card = top, .from = from, .to = to, .autoplay = true})) return true;
    }
    return false;
  }

  bool wasteMove() {
    const CardId top = game_.piles().topCard(kWaste);
    if (top == kNoCard || rule(rule::WasteTopFixed) != 0 || !game_.cards().isFaceUp(top)) return false;
    return send(top, kWaste, {.reserves = true});
  }

  bool reserveMoves(Targets targets) {
    const bool onlyTop = rule(rule::ReserveDisplay) == kOnlyTopInReach;
    for (int j = 0; j < rules_.reservesInUse(); ++j)
      if (pileMoves({PileGroup::Reserves, j}, onlyTop, targets)) return true;
    return false;
  }

  bool tableauMoves(Targets targets) {
    const bool onlyTop = rule(rule::TableauDisplay) == kOnlyTopInReach;
    for (int i = 0; i < rules_.tableauInUse(); ++i)
      if (pileMoves({PileGroup::Tableau, i}, onlyTop, targets)) return true;
    return false;
  }

  // Each card of the pile from the bottom up, with the cards above it.
  bool pileMoves(PileRef from, bool onlyTop, Targets targets) {
    const Pile& cards = pile(from);
    for (std::size_t at = onlyTop && !cards.empty() ? cards.size() - 1 : 0; at < cards.size(); ++at) {
      const CardId card = cards[at];
      if (card != kNoCard && game_.cards().isFaceUp(card) && send(card, from, targets)) return true;
    }
    return false;
  }

  // The piles of a send, in its order: the foundations, the tableau piles
  // that hold cards and then the empty ones, the reserves.
  bool send(CardId card, PileRef from, Targets targets) {
    if (rules_.canTake(card, from) != TakeAnswer::Take) return false;
    const MovingUnit unit = rules_.unitOf(card);
    const auto tryTo = [&](PileRef to) {
      return !(to == from) && !OpeningPhaseRefuses(game_, from, to) && rules_.canPlace(unit, to) &&
             offer({.card = card, .from = from, .to = to, .cards = unit.size()});
    };
    if (targets.foundations && unit.size() == 1)
      for (int k = 0; k < rules_.foundationsInUse(); ++k)
        if (tryTo({PileGroup::Foundations, k})) return true;
    if (targets.tableau)
      for (bool empty : {false, true})
        for (int i = 0; i < rules_.tableauInUse(); ++i)
          if (pile({PileGroup::Tableau, i}).empty() == empty && tryTo({PileGroup::Tableau, i})) return true;
    if (targets.reserves)
      for (int j = 0; j < rules_.reservesInUse(); ++j)
        if (tryTo({PileGroup::Reserves, j})) return true;
    return false;
  }

  bool discardPress() {
    const GameFamily& family = game_.family();
    if (!family.facts().discardsTakenCard) return false;
    for (int i = 0; i < rules_.tableauInUse(); ++i) {
      const PileRef from{PileGroup::Tableau, i};
      const CardId top = game_.piles().topCard(from);
      if (top != kNoCard && rules_.canTake(top, from) == TakeAnswer::Take && family.discardTakes(game_, top) &&
          offer({.kind = HintKind::Discard, .card = top, .from = from, .to = kThirdStockSlot}))
        return true;
    }
    return false;
  }

  // The first of the family's moves: a card moved, or the first card still
  // to press of a group (the family lists only the cards not yet selected).
  bool familyMove() {
    for (const FamilyAction& action : game_.family().actions(game_)) {
      if (action.presses.empty()) continue;
      const CardId card = action.presses.front();
      const auto from = FindCard(game_, card);
      if (!from) continue;
      const Hint hint = action.to ? Hint{.card = card, .from = from->pile, .to = *action.to}
                                  : Hint{.kind = HintKind::Press, .card = card, .from = from->pile, .to = from->pile};
      if (offer(hint, true)) return true;
    }
    return false;
  }

  bool stockPress() {
    if (!StockPressMayChange(game_)) return false;
    found_ = Hint{.kind = HintKind::Stock, .from = kStock, .to = kStock};
    return true;
  }

  // --- What is not shown ----------------------------------------------------

  // A family's own move is never judged pointless: the rules' tests of that
  // do not know its moves.
  bool offer(const Hint& hint, bool familyMove = false) {
    if (memory_.holds({hint.card, hint.to}) || otherTargetForLastHint(hint) || (!familyMove && pointless(hint)))
      return false;
    found_ = hint;
    return true;
  }

  // While the last hint is still shown, its card is shown going nowhere else.
  bool otherTargetForLastHint(const Hint& hint) const {
    const ShownMove* last = memory_.last();
    return game_.state().word(word::HintShown) != 0 && last && last->card == hint.card && !(last->to == hint.to);
  }

  bool pointless(const Hint& hint) {
    if (hint.kind != HintKind::Card || hint.to.group == PileGroup::Foundations) return false;
    if (hint.from.group == PileGroup::Tableau) {
      const CardSpot spot = *FindCard(game_, hint.card);
      if (spot.index == 0) return hint.to.group == PileGroup::Tableau && pile(hint.to).empty();
      const CardId below = pile(hint.from)[static_cast<std::size_t>(spot.index - 1)];
      return standsOn(hint.card, below, hint.from.index) && !everyPileInOrder();
    }
    if (hint.from.group == PileGroup::Stock && hint.to.group == PileGroup::Tableau) {
      const int code = rule(rule::TableauBuilding + hint.to.index);
      return std::ranges::find(kPreferredPileCodes, code) != kPreferredPileCodes.end() &&
             !(hint.to == preferredPileFor(hint.card));
    }
    return false;
  }

  // The card lies face up on a card its pile's building rules accept it on.
  bool standsOn(CardId card, CardId below, int i) const {
    if (below == kNoCard || !game_.cards().isFaceUp(below)) return false;
    return rules_.buildTest(BuildCase{.top = below,
                                      .card = card,
                                      .emptyRule = rule(rule::TableauFill + i),
                                      .placing = true,
                                      .pile = i,
                                      .wrapAllowed = rule(rule::TableauWrap + i) > 0,
                                      .toFoundation = false,
                                      .code = rule(rule::TableauBuilding + i),
                                      .direction = rule(rule::TableauDirection + i),
                                      .baseRank = rule(rule::FoundationBaseRank)});
  }

  // Every tableau pile of two or more cards has its top card standing on the
  // card below it: then moving such a card may be the only way on.
  bool everyPileInOrder() {
    if (!inOrder_) {
      inOrder_ = true;
      for (int i = 0; i < rules_.tableauInUse() && *inOrder_; ++i) {
        const Pile& cards = pile({PileGroup::Tableau, i});
        if (cards.size() >= 2 && !standsOn(cards.back(), cards[cards.size() - 2], i)) inOrder_ = false;
      }
    }
    return *inOrder_;
  }

  // Where a stock or waste card belongs: the first pile whose top card is one
  // rank above it, else the first whose top card is higher, else the pile
  // with the fewest cards.
  PileRef preferredPileFor(CardId card) const {
    const int rank = CardRank(card);
    const int piles = rules_.tableauInUse();
    const auto firstWhere = [&](auto test) -> std::optional<PileRef> {
      for (int i = 0; i < piles; ++i) {
        const CardId top = game_.piles().topCard({PileGroup::Tableau, i});
        if (top != kNoCard && test(CardRank(top))) return PileRef{PileGroup::Tableau, i};
      }
      return std::nullopt;
    };
    if (const auto above = firstWhere([&](int r) { return r == rank + 1; })) return *above;
    if (const auto higher = firstWhere([&](int r) { return r > rank; })) return *higher;
    PileRef fewest{PileGroup::Tableau, 0};
    for (int i = 1; i < piles; ++i)
      if (pile({PileGroup::Tableau, i}).size() < pile(fewest).size()) fewest = {PileGroup::Tableau, i};
    return fewest;
  }

  const TMainGame& game_;
  const HintMemory& memory_;
  const MoveRules rules_;
  std::optional<Hint> found_;
  std::optional<bool> inOrder_;
};

}  // namespace

std::optional<Hint> FindHint(const TMainGame& game, const HintMemory& memory) {
  if (!game.state().on(flag::GameInProgress)) return std::nullopt;
  return HintSearch(game, memory).run();
}

bool StockPressMayChange(const TMainGame& game) {
  using namespace stock;
  if (const auto familyAnswer = game.family().stockPressMayChange(game)) return *familyAnswer;
  if (!StockEmpty(game)) {
    if (Rule(game, rule::WasteShown) != 1 && TableauStyleIs(game, kDealsWhenNoGap))
      for (int i = 0; i < TableauInUse(game); ++i)
        if (PileOf(game, TableauPile(i)).empty()) return false;
    const bool wasteMustBeEmpty = Rule(game, rule::WasteShown) == 1 && Rule(game, rule::StockNeedsEmptyWaste) == 1;
    return !wasteMustBeEmpty || PileOf(game, kWaste).empty();
  }
  if (!PassesRemain(game)) return false;
  return CardsIn(game, kWaste) > 1 || Rule(game, rule::RedealStyle) >= 1;
}

}  // namespace velmora
