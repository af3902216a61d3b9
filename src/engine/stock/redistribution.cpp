#include "stock/redistribution.h"

#include <algorithm>
#include <array>

#include "stock/stock_table.h"

namespace velmora {
namespace {

using namespace stock;
using CardList = std::vector<CardId>;

namespace style {
constexpr int BottomCardToTop = 7;
constexpr int SpreadOnePile = 13;
constexpr int GatherOnly = 4, GatherOnlyToo = 5;
constexpr int RowsFromTwo = 8;
constexpr int NineteenPiles = 9;
constexpr int PilesReversedShown = 11, PilesReversed = 12;
constexpr int RowsReversed = 14;
constexpr int ThirteenPlaces = 15;
constexpr int WithWaste = 6;
constexpr int IntoTarget = 10;
}  // namespace style

// The piles of the style-9 layout that keep their cards through a redeal.
constexpr std::array<int, 8> kKeptPiles{0, 6, 7, 13, 14, 20, 21, 27};
constexpr int kGapRowPlaces = 13;
constexpr std::size_t kAceSearch = 55;
constexpr std::size_t kCardsKeptWithWaste = 54;

bool IsKeptPile(int i) { return std::find(kKeptPiles.begin(), kKeptPiles.end(), i) != kKeptPiles.end(); }

// A stock shown as the waste alone turns its cards face up.
bool WasteStandsForStock(const TMainGame& game) {
  return Rule(game, rule::StockPilesShown) == 1 && Rule(game, rule::StockShown) == 0 && Rule(game, rule::WasteShown) == 1;
}

PileRef TargetOf(const TMainGame& game, int redealStyle) {
  const bool toWaste = redealStyle == style::WithWaste || redealStyle == style::NineteenPiles || WasteStandsForStock(game);
  return toWaste ? kWaste : kStock;
}

class Redeal {
 public:
  Redeal(TMainGame& game, int redealStyle) : game_(game), style_(redealStyle), target_(TargetOf(game, redealStyle)) {}

  void run() {
    if (style_ == style::BottomCardToTop) return bottomCardsToTop();
    if (style_ == style::SpreadOnePile) return spreadOnePile();
    if (!gather()) return;
    if (!order()) return;
    deal();
  }

 private:
  Pile& pile(PileRef ref) { return game_.piles().pile(ref); }
  Face targetFace() const { return target_ == kWaste && WasteStandsForStock(game_) ? Face::Up : Face::Down; }

  CardId liftTop(PileRef from) {
    Pile& cards = pile(from);
    const CardId card = cards.back();
    cards.pop_back();
    return card;
  }
  void put(CardId card, PileRef to, Face face) { PutCard(game_, card, to, face); }
  // The card goes on top of the pile as it lies.
  void putAsItLies(CardId card, PileRef to) { game_.piles().addCard(to, card, std::nullopt, game_.cards()); }

  void bottomCardsToTop() {
    for (int i = 0; i < TableauInUse(game_); ++i) {
      Pile& cards = pile(TableauPile(i));
      if (cards.size() < 2) continue;
      const CardId bottom = cards.front();
      cards.erase(cards.begin());
      put(bottom, TableauPile(i), Face::Up);
    }
  }

  // Each redeal opens the next non-empty pile, counted by the passes: it
  // keeps its top card and hands the others round the tableau from pile 1.
  void spreadOnePile() {
    const int piles = TableauInUse(game_);
    int i = std::max(PassCounter(game_) - 2, 0);
    for (; i < piles && pile(TableauPile(i)).empty(); ++i) RaisePassCounter(game_);
    if (i >= piles) return RaisePassCounter(game_);
    Pile& source = pile(TableauPile(i));
    const CardList others(source.begin(), source.end() - 1);
    source.erase(source.begin(), source.end() - 1);
    int next = 0;
    for (CardId card : others) {
      putAsItLies(card, TableauPile(next));
      next = (next + 1) % piles;
    }
  }

  // Phase 1; false when the redeal ends with it.
  bool gather() {
    const int piles = TableauInUse(game_);
    switch (style_) {
      case style::GatherOnly:
      case style::GatherOnlyToo:
        for (int i = piles - 1; i >= 0; --i)
          while (!pile(TableauPile(i)).empty()) put(liftTop(TableauPile(i)), target_, targetFace());
        return false;
      case style::RowsFromTwo:
        for (int i = 0; i < piles; ++i) gatherAboveRun(TableauPile(i));
        return true;
      case style::NineteenPiles:
        for (int i = 0; i < piles; ++i) {
          Pile& cards = pile(TableauPile(i));
          if (IsKeptPile(i) || cards.empty()) continue;
          gathered_.push_back(cards.front());
          cards.erase(cards.begin());
        }
        return true;
      case style::PilesReversedShown:
      case style::PilesReversed:
      case style::RowsReversed:
        return true;
      default:
        for (int i = 0; i < piles; ++i) gatherWhole(TableauPile(i));
        if (style_ == style::IntoTarget)
          for (int j = 0; j < ReservesInUse(game_); ++j) gatherWhole(ReservePile(j));
        return true;
    }
  }

  void gatherWhole(PileRef from) {
    while (!pile(from).empty()) {
      const CardId card = liftTop(from);
      gathered_.push_back(card);
      if (style_ == style::IntoTarget) put(card, target_, Face::Down);
    }
  }

  // A row of the gap games keeps the run it has built from a 2 and a gap
  // after it; the cards above go to the stock to be dealt again. Gaps are
  // places, not cards: they are not gathered, and each row gets its one new
  // gap, so the cards gathered fill the places left exactly.
  void gatherAboveRun(PileRef row) {
    Pile& cards = pile(row);
    std::size_t run = 0;
    if (!cards.empty() && CardRank(cards.front()) == 2) {
      run = 1;
      while (run < cards.size() && CardSuit(cards[run]) == CardSuit(cards.front()) &&
             CardRank(cards[run]) == CardRank(cards[run - 1]) + 1)
        ++run;
    }
    while (cards.size() > run) {
      const CardId card = liftTop(row);
      if (card == kNoCard) continue;
      putAsItLies(card, kStock);
      gathered_.push_back(card);
    }
    cards.push_back(kNoCard);
  }

  // Phase 2; false when the redeal ends with it.
  bool order() {
    switch (style_) {
      case style::PilesReversedShown:
      case style::PilesReversed:
        for (int i = TableauInUse(game_) - 1; i >= 0; --i)
          while (!pile(TableauPile(i)).empty()) takeForDealing(TableauPile(i), style_ == style::PilesReversedShown);
        reverseStock();
        return style_ == style::PilesReversed;
      case style::RowsReversed:
        takeRowsFromTheTop();
        reverseStock();
        return false;
      case style::ThirteenPlaces:
        while (!pile(ReservePile(0)).empty()) {
          const CardId card = liftTop(ReservePile(0));
          putAsItLies(card, target_);
          gathered_.push_back(card);
        }
        dealing_ = std::move(gathered_);
        return true;
      default:
        break;
    }
    if (style_ == style::WithWaste) mixInTheWaste();
    dealing_ = FixedShuffle(std::move(gathered_));
    if (style_ == style::WithWaste) acesToFoundations();
    if (style_ == style::IntoTarget) {
      removeFromTarget(dealing_);
      for (CardId card : dealing_) put(card, target_, Face::Down);
      return false;
    }
    return true;
  }

  void takeForDealing(PileRef from, bool showOnTarget) {
    const CardId card = liftTop(from);
    dealing_.push_back(card);
    if (showOnTarget) put(card, target_, Face::Up);
  }

  void takeRowsFromTheTop() {
    const int piles = TableauInUse(game_);
    std::size_t rows = 0;
    for (int i = 0; i < piles; ++i) rows = std::max(rows, pile(TableauPile(i)).size());
    for (std::size_t row = rows; row >= 1; --row)
      for (int i = piles - 1; i >= 0; --i)
        if (pile(TableauPile(i)).size() >= row) takeForDealing(TableauPile(i), true);
  }

  // The gathered cards leave the target they were shown on; whatever else
  // it holds stays.
  void removeFromTarget(const CardList& cards) {
    Pile& shown = pile(target_);
    for (CardId card : cards) {
      const auto at = std::find(shown.begin(), shown.end(), card);
      if (at != shown.end()) shown.erase(at);
    }
  }

  void reverseStock() { std::reverse(pile(kStock).begin(), pile(kStock).end()); }

  // The waste's cards join the gathered ones at every third place.
  void mixInTheWaste() {
    std::size_t at = 0;
    for (CardId card : pile(kWaste)) {
      if (at > gathered_.size()) at = 0;
      gathered_.insert(gathered_.begin() + static_cast<std::ptrdiff_t>(at), card);
      at += 3;
    }
    pile(kWaste).clear();
  }

  // Aces near the front of the new order start the empty foundations; the
  // cards past the 54th wait on the waste.
  void acesToFoundations() {
    const auto isAce = [](CardId card) { return CardRank(card) == 1; };
    const auto searched = dealing_.begin() + static_cast<std::ptrdiff_t>(std::min(kAceSearch, dealing_.size()));
    std::stable_partition(dealing_.begin(), searched, isAce);
    while (!dealing_.empty() && isAce(dealing_.front())) {
      const auto empty = firstEmptyFoundation();
      if (!empty) break;
      put(dealing_.front(), *empty, Face::Up);
      dealing_.erase(dealing_.begin());
    }
    while (dealing_.size() > kCardsKeptWithWaste) {
      put(dealing_.back(), kWaste, Face::Up);
      dealing_.pop_back();
    }
  }

  std::optional<PileRef> firstEmptyFoundation() {
    for (int k = 0; k < FoundationsInUse(game_); ++k)
      if (pile({PileGroup::Foundations, k}).empty()) return PileRef{PileGroup::Foundations, k};
    return std::nullopt;
  }

  // Phase 3.
  void deal() {
    switch (style_) {
      case style::RowsFromTwo: return fillGapRows();
      case style::NineteenPiles: return dealFromWaste();
      case style::ThirteenPlaces: return dealRoundThirteenPlaces();
      default: return dealRoundTheTableau();
    }
  }

  Face dealtFace() const {
    return Rule(game_, rule::TableauCards) != Rule(game_, rule::TableauFaceUp) ? Face::Down : Face::Up;
  }

  void dealRoundTheTableau() {
    const int piles = TableauInUse(game_);
    const bool fillEachPile = style_ == 1 || style_ == style::WithWaste || style_ == style::PilesReversed;
    const std::size_t cap = static_cast<std::size_t>(std::max<int>(Rule(game_, rule::TableauCards), 0));
    std::size_t next = 0;
    bool dealtInPass = true;
    while (next < dealing_.size() && dealtInPass) {
      dealtInPass = false;
      for (int i = 0; i < piles && next < dealing_.size(); ++i) {
        Pile& cards = pile(TableauPile(i));
        const std::size_t room = fillEachPile ? (cards.size() < cap ? cap - cards.size() : 0) : 1;
        for (std::size_t n = 0; n < room && next < dealing_.size(); ++n, dealtInPass = true)
          put(dealing_[next++], TableauPile(i), dealtFace());
      }
      if (style_ == style::WithWaste) break;
    }
    // Cards the piles had no room for wait on the target rather than leave the game.
    for (; next < dealing_.size(); ++next) put(dealing_[next], target_, Face::Down);
    const int faceCode = Rule(game_, rule::TableauFaceUp);
    if (faceCode == 1 && faceCode != Rule(game_, rule::TableauCards))
      for (int i = 0; i < piles; ++i)
        if (!pile(TableauPile(i)).empty()) game_.cards().setFace(pile(TableauPile(i)).back(), Face::Up);
  }

  void fillGapRows() {
    std::size_t next = 0;
    for (int i = 0; i < TableauInUse(game_); ++i) {
      while (pile(TableauPile(i)).size() < kGapRowPlaces && next < dealing_.size()) {
        const CardId card = dealing_[next++];
        Pile& stock = pile(kStock);
        stock.erase(std::find(stock.begin(), stock.end(), card));
        put(card, TableauPile(i), Face::Up);
      }
    }
  }

  void dealFromWaste() {
    for (CardId card : dealing_) put(card, kWaste, Face::Up);
    for (int i = 0; i < TableauInUse(game_); ++i) {
      if (IsKeptPile(i)) continue;
      // Cards still on an emptied pile wait on the waste rather than leave the game.
      Pile& cards = pile(TableauPile(i));
      for (CardId card : cards) put(card, kWaste, Face::Up);
      cards.clear();
      if (Rule(game_, rule::TableauCards + i) != 0 && !pile(kWaste).empty())
        MoveTopCard(game_, kWaste, TableauPile(i), Face::Up);
    }
  }

  // Counting one to thirteen round twelve piles and reserve 1: a card of the
  // rank counted goes to the stock and the count waits; any other card goes
  // to the place of the count and the count moves on.
  void dealRoundThirteenPlaces() {
    for (int i = 0; i < kRanks - 1; ++i) pile(TableauPile(i)).clear();
    pile(ReservePile(0)).clear();
    removeFromTarget(dealing_);
    int count = 1;
    for (CardId card : dealing_) {
      if (CardRank(card) == count) {
        put(card, kStock, Face::Down);
        continue;
      }
      put(card, count == kRanks ? ReservePile(0) : TableauPile(count - 1), Face::Up);
      count = count % kRanks + 1;
    }
  }

  TMainGame& game_;
  int style_;
  PileRef target_;
  CardList gathered_;
  CardList dealing_;
};

}  // namespace

std::vector<CardId> FixedShuffle(std::vector<CardId> gathered) {
  std::vector<CardId> dealing;
  dealing.reserve(gathered.size());
  const std::size_t half = gathered.size() / 2;
  // Half the length, a half rounded to the even neighbour.
  std::size_t at = gathered.size() % 2 == 1 && half % 2 == 1 ? half + 1 : half;
  while (!gathered.empty()) {
    if (at >= gathered.size()) at = 0;
    dealing.push_back(gathered[at]);
    gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(at));
    at += dealing.size() % 2 == 0 ? 5 : 2;
  }
  return dealing;
}

void Redistribute(TMainGame& game) {
  PlaySoundIf(game, store::SoundsShuffle, "Shuffle");
  Redeal(game, Rule(game, rule::RedealStyle)).run();
}

}  // namespace velmora
