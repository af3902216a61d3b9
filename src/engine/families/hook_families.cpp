// The families that change the play engine at one point each: the stock
// press, the stock's turn, a card dealt, or a move just made. Where only the
// hook and its effect are given, the routine here is a reading of its own,
// written down in the description of the game that uses it.
#include <algorithm>
#include <vector>

#include "families/family_kinds.h"
#include "history/step_log.h"
#include "history/undo.h"
#include "moves/move_rules.h"
#include "play/first_move.h"
#include "play/hit_test.h"
#include "scoring/score.h"
#include "stock/stock_table.h"

namespace velmora {
namespace {

using namespace stock;

constexpr char kCaption[] = "Velmora 2001";
constexpr char kFillTheTableauFirst[] = "You must fill any space on the tableau before dealing.";
constexpr char kFillTheSecondRow[] = "Fill all the vacancies in the 2nd row.";

constexpr int kJack = 11, kSeven = 7;
constexpr PileRef kFirstRow{PileGroup::Tableau, 0};

bool AnyTableauPileEmpty(const TMainGame& game) {
  for (int i = 0; i < TableauInUse(game); ++i)
    if (PileOf(game, TableauPile(i)).empty()) return true;
  return false;
}

void Inform(TMainGame& game, const char* text) { game.ui().showMessage(kCaption, text, GameUi::Icon::Information); }

// A family's own step is done: the table redrawn, the score read off it,
// the hint forgotten, the game marked as played, and - when the player or
// the demonstration made it - what was undone no longer redoable.
void FinishFamilyStep(TMainGame& game) {
  game.ui().showTable(GameUi::TableChange::Piles);
  RecomputeScore(game);
  game.state().setWord(word::HintShown, 0);
  NoteFirstMove(game.state());
  if (DealingMode(game)) RecordStep(game, HistorySide::Redo, true);
}

// Family 51: no deal while a tableau pile is empty; once the stock is used
// up, only while the waste still has cards to turn over.
class FillTableauBeforeDealing : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool pressStock(TMainGame& game) const override {
    if (!Refuses(game)) return false;
    Inform(game, kFillTheTableauFirst);
    return true;
  }

  std::optional<bool> stockPressMayChange(const TMainGame& game) const override {
    if (Refuses(game)) return false;
    return std::nullopt;
  }

 private:
  static bool Refuses(const TMainGame& game) {
    return AnyTableauPileEmpty(game) && !(StockEmpty(game) && PileOf(game, kWaste).empty());
  }
};

// Family 60: the stock turns no card while a pile of the tableau's second
// row (rule 361 rows of equal length) is empty. A single row has no second
// row, so nothing is refused.
class SecondRowFilledBeforeTurning : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool mayTurn(TMainGame& game) const override {
    if (!SecondRowHasVacancy(game)) return true;
    if (DealingMode(game)) Inform(game, kFillTheSecondRow);
    return false;
  }

  std::optional<bool> stockPressMayChange(const TMainGame& game) const override {
    if (SecondRowHasVacancy(game)) return false;
    return std::nullopt;
  }

 private:
  static bool SecondRowHasVacancy(const TMainGame& game) {
    const int rows = Rule(game, rule::TableauRows);
    if (rows < 2) return false;
    const int piles = TableauInUse(game);
    const int perRow = (piles + rows - 1) / rows;
    for (int i = perRow; i < std::min(2 * perRow, piles); ++i)
      if (PileOf(game, TableauPile(i)).empty()) return true;
    return false;
  }
};

// Family 56: a press deals one card face up to each tableau pile in order,
// one step, and counts as a pass through the stock, so that rule 15 limits
// the deals; once the passes are used up, or the stock is, the press does
// nothing. The step's tag takes the pass back on undo.
class DealsCountedAsPasses : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool pressStock(TMainGame& game) const override {
    if (!Deals(game) || !DealingMode(game)) return true;
    RecordStep(game, HistorySide::Undo);
    for (int i = 0; i < TableauInUse(game) && !StockEmpty(game); ++i) {
      FlyCard(game, PileOf(game, kStock).back(), kStock, TableauPile(i), store::CardsAnimate);
      MoveTopCard(game, kStock, TableauPile(i), Face::Up);
    }
    PlaySoundIf(game, store::SoundsShuffle, "Shuffle");
    RaisePassCounter(game);
    TagStep(game, step_tag::PassRaised);
    TestGameWon(game);
    FinishFamilyStep(game);
    return true;
  }

  std::optional<bool> stockPressMayChange(const TMainGame& game) const override { return Deals(game); }

 private:
  static bool Deals(const TMainGame& game) { return !StockEmpty(game) && PassesRemain(game) && TableauInUse(game) > 0; }
};

// Family 29: a card dealt onto a pile that a foundation takes goes up at
// once, in the same step, to the first foundation that takes it.
class DealtCardsGoUp : public GameFamily {
 public:
  using GameFamily::GameFamily;

  void dealtTo(TMainGame& game, PileRef pile) const override {
    const CardId card = game.piles().topCard(pile);
    if (card == kNoCard) return;
    const MoveRules rules(game.rules(), game.piles(), game.cards(), this, nullptr, CountsOf(game.state()));
    for (int k = 0; k < FoundationsInUse(game); ++k) {
      const PileRef foundation{PileGroup::Foundations, k};
      if (!rules.canPlace(card, foundation)) continue;
      MoveTopCard(game, pile, foundation, Face::Up);
      return;
    }
  }
};

// Family 30: a Jack or a King that completes a foundation's run (a card of
// every rank) sends the run to the discard pile; the foundation is open again.
class CompletedRunsLeave : public GameFamily {
 public:
  using GameFamily::GameFamily;

  void afterMove(TMainGame& game, CardId card, PileRef /*from*/, PileRef to) const override {
    if (to.group != PileGroup::Foundations || (CardRank(card) != kJack && CardRank(card) != kRanks)) return;
    if (PileOf(game, to).size() < static_cast<std::size_t>(kRanks)) return;
    while (!PileOf(game, to).empty()) MoveTopCard(game, to, kThirdStockSlot, Face::Up);
  }
};

// Family 23: only a Seven goes from the tableau to a foundation; a move onto
// a tableau pile tags its step (so fill style 4 no longer fills); after every
// move the first row closes up over the gaps its removals left.
class SevensAndClosingRow : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool mayGoFromTableauToFoundation(int /*k*/, CardId card) const override { return CardRank(card) == kSeven; }

  void afterMove(TMainGame& game, CardId /*card*/, PileRef /*from*/, PileRef to) const override {
    if (to.group == PileGroup::Tableau) TagStep(game, step_tag::FamilyTableauMove);
    std::erase(game.piles().pile(kFirstRow), kNoCard);
  }
};

// Family 19, the accordion: the cards of the first tableau pile form one
// row. A card may go onto the card right before it or three places before
// it when that card has its rank or its suit; the covered card goes to the
// discard pile and the row closes up. Where both places take the card, the
// one the dropped card overlaps more receives it, the nearer one on a tie.
class Accordion : public GameFamily {
 public:
  using GameFamily::GameFamily;

  std::optional<bool> dropOn(TMainGame& game, CardId card, const TableRect& carried, PileRef pile) const override {
    const auto from = PlaceInRow(game, card);
    if (!(pile == kFirstRow) || !from) return std::nullopt;
    long widest = 0;
    std::optional<int> onto;
    for (int place : PlacesTaking(game, *from)) {
      const long area = OverlapArea(CardRect(game, kFirstRow, place), carried);
      if (area > widest) {
        widest = area;
        onto = place;
      }
    }
    if (!onto) return false;
    CoverCard(game, *from, *onto);
    return true;
  }

  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    std::vector<FamilyAction> moves;
    const Pile& row = PileOf(game, kFirstRow);
    for (int place = 0; place < static_cast<int>(row.size()); ++place)
      if (!PlacesTaking(game, place).empty()) moves.push_back({.presses = {row[place]}, .to = kFirstRow});
    return moves;
  }

 private:
  static constexpr int kNext = 1, kThreeBefore = 3;

  static std::optional<int> PlaceInRow(const TMainGame& game, CardId card) {
    const Pile& row = PileOf(game, kFirstRow);
    const auto at = std::find(row.begin(), row.end(), card);
    if (card == kNoCard || at == row.end()) return std::nullopt;
    return static_cast<int>(at - row.begin());
  }

  // The places before `from` whose card takes the card at `from`, nearer first.
  static std::vector<int> PlacesTaking(const TMainGame& game, int from) {
    const Pile& row = PileOf(game, kFirstRow);
    const CardId card = row[static_cast<std::size_t>(from)];
    std::vector<int> places;
    for (int distance : {kNext, kThreeBefore}) {
      const int place = from - distance;
      if (place < 0) continue;
      const CardId covered = row[static_cast<std::size_t>(place)];
      if (CardRank(covered) == CardRank(card) || CardSuit(covered) == CardSuit(card)) places.push_back(place);
    }
    return places;
  }

  static void CoverCard(TMainGame& game, int from, int onto) {
    RecordStep(game, HistorySide::Undo);
    Pile& row = game.piles().pile(kFirstRow);
    const CardId card = row[static_cast<std::size_t>(from)];
    const CardId covered = row[static_cast<std::size_t>(onto)];
    row.erase(row.begin() + from);
    row[static_cast<std::size_t>(onto)] = card;
    PutCard(game, covered, kThirdStockSlot, Face::Up);
    PlaySoundIf(game, store::SoundsTableau, "Tableau");
    TestGameWon(game);
    FinishFamilyStep(game);
  }
};

// Family 44: won when the top cards of the tableau piles, taken in order up
// to the first empty pile, add up to 91 (an Ace counts 1, a King 13).
class NinetyOne : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool sequenceComplete(const TMainGame& game) const override {
    int sum = 0;
    for (int i = 0; i < TableauInUse(game); ++i) {
      const CardId top = game.piles().topCard(TableauPile(i));
      if (top == kNoCard) break;
      sum += CardRank(top);
    }
    return sum == kSequenceSum;
  }

 private:
  static constexpr int kSequenceSum = 91;
};

}  // namespace

std::unique_ptr<GameFamily> MakeNinetyOneFamily(const FamilyFacts& facts) { return std::make_unique<NinetyOne>(facts); }

std::unique_ptr<GameFamily> MakeAccordionFamily(const FamilyFacts& facts) { return std::make_unique<Accordion>(facts); }

std::unique_ptr<GameFamily> MakeFillTableauBeforeDealingFamily(const FamilyFacts& facts) {
  return std::make_unique<FillTableauBeforeDealing>(facts);
}

std::unique_ptr<GameFamily> MakeSecondRowFilledBeforeTurningFamily(const FamilyFacts& facts) {
  return std::make_unique<SecondRowFilledBeforeTurning>(facts);
}

std::unique_ptr<GameFamily> MakeDealsCountedAsPassesFamily(const FamilyFacts& facts) {
  return std::make_unique<DealsCountedAsPasses>(facts);
}

std::unique_ptr<GameFamily> MakeDealtCardsGoUpFamily(const FamilyFacts& facts) {
  return std::make_unique<DealtCardsGoUp>(facts);
}

std::unique_ptr<GameFamily> MakeCompletedRunsLeaveFamily(const FamilyFacts& facts) {
  return std::make_unique<CompletedRunsLeave>(facts);
}

std::unique_ptr<GameFamily> MakeSevensAndClosingRowFamily(const FamilyFacts& facts) {
  return std::make_unique<SevensAndClosingRow>(facts);
}

}  // namespace velmora
