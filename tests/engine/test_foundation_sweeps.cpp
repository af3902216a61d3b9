// The deal steps that send dealt cards up to the foundations, on small tables
// laid out by hand: the sweep's scan order and targets, the place examined
// again after a move, the Aces and the piles they leave, the bottom cards of
// deal type 7; and the removal games' set-up.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "cards/deal_generator.h"
#include "game/deal_table.h"
#include "game/foundation_sweeps.h"
#include "game/rule_index.h"
#include "rules/deal_codes.h"

namespace velmora {
namespace {

constexpr std::string_view kDealDigits = "0000000012345";
constexpr int kUp = 1, kDown = 0;
constexpr int kInSuit = 0;

PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }

CardId H(int rank) { return MakeCard(Hearts, rank); }
CardId D(int rank) { return MakeCard(Diamonds, rank); }
CardId C(int rank) { return MakeCard(Clubs, rank); }
CardId S(int rank) { return MakeCard(Spades, rank); }

class FoundationSweepTest : public ::testing::Test {
 protected:
  FoundationSweepTest() {
    rules[rule::DeckCards] = 52;
    rules[rule::FoundationCapacity] = 13;
  }

  // Foundation k builds in suit from `base` in `direction`, holding `card` when it is one.
  void foundation(int k, int base, int direction, CardId card = kNoCard) {
    rules[rule::Foundations] = static_cast<std::int16_t>(std::max<int>(rules[rule::Foundations], k + 1));
    rules[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(base);
    rules[rule::FoundationDirection + k] = static_cast<std::int16_t>(direction);
    rules[rule::FoundationBuilding + k] = kInSuit;
    if (card != kNoCard) piles.addCard(Foundation(k), card, Face::Up, cards);
  }

  // Foundation k opened by the Ace of its suit, as pre-fill 93 and 94 open it.
  void aceFoundations(int count) {
    for (int k = 0; k < count; ++k) foundation(k, 1, kUp, MakeCard(k, 1));
  }

  void tableau(std::vector<Pile> layout) {
    rules[rule::TableauPiles] = static_cast<std::int16_t>(layout.size());
    for (std::size_t k = 0; k < layout.size(); ++k)
      for (CardId card : layout[k]) piles.addCard(Tableau(static_cast<int>(k)), card, Face::Up, cards);
  }

  DealContext context() { return DealContext{rules, cards, piles, state, kDealDigits}; }

  std::vector<Pile> tableauNow() const {
    std::vector<Pile> now;
    for (int k = 0; k < rules[rule::TableauPiles]; ++k) now.push_back(piles.pile(Tableau(k)));
    return now;
  }

  RuleRecord rules;
  CardTable cards;
  PileStore piles;
  ProgramState state;
};

// Position by position a later pile's low card goes up before an earlier
// pile's higher card is examined; pile by pile it comes too late for it. The
// place a card left is examined again for the card that slid into it.
TEST_F(FoundationSweepTest, ScanOrderAndThePlaceExaminedAgain) {
  struct Case {
    const char* name;
    int byPile;
    std::vector<Pile> layout;
    std::vector<Pile> left;
  } cases[] = {
      {"position by position", 0, {{H(5), H(3)}, {H(2)}}, {{H(5)}, {}}},
      {"pile by pile", 1, {{H(5), H(3)}, {H(2)}}, {{H(5), H(3)}, {}}},
      {"the card that slid down, by position", 0, {{H(2), H(3), S(9)}}, {{S(9)}}},
      {"the card that slid down, by pile", 1, {{H(2), H(3), S(9)}}, {{S(9)}}},
      {"a card under others goes up alone", 0, {{S(9), H(2)}, {D(2), C(8)}}, {{S(9)}, {C(8)}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rules = RuleRecord{};
    rules[rule::FoundationCapacity] = 13;
    piles.clear();
    rules[rule::FoundationPrefill] = prefill::SuitAceSweepAny;
    rules[rule::BaseSweepByPile] = static_cast<std::int16_t>(c.byPile);
    aceFoundations(4);
    tableau(c.layout);
    auto deal = context();
    SweepBaseCards(deal);
    EXPECT_EQ(tableauNow(), c.left);
  }
}

// Where a swept card may go, by the pre-fill code of the first foundation.
TEST_F(FoundationSweepTest, TargetsByThePrefillCode) {
  struct Case {
    const char* name;
    int code;
    int byPile;
    int pile;
    std::size_t position;
    CardId card;
    int foundation;  // where it goes, -1 when it stays
  } cases[] = {
      {"any foundation takes it", prefill::SuitAceSweepAny, 0, 3, 0, D(2), 1},
      {"own pile: the foundation of its number", prefill::SuitAceSweepOwnPile, 0, 1, 0, D(2), 1},
      {"own pile: no other foundation", prefill::SuitAceSweepOwnPile, 0, 0, 0, D(2), -1},
      {"Kings' group from piles 1 to 4", prefill::KingsAndAcesSweep, 0, 2, 0, C(12), 2},
      {"not the Aces' group from piles 1 to 4", prefill::KingsAndAcesSweep, 0, 0, 0, H(2), -1},
      {"Aces' group from piles 7 to 10", prefill::KingsAndAcesSweep, 0, 6, 0, D(2), 5},
      {"not the Kings' group from piles 7 to 10", prefill::KingsAndAcesSweep, 0, 7, 0, S(12), -1},
      {"both groups from pile 5", prefill::KingsAndAcesSweep, 0, 4, 0, S(2), 7},
      {"both groups from pile 6", prefill::KingsAndAcesSweep, 0, 5, 0, H(12), 0},
      {"pile by pile the card's place picks the group", prefill::KingsAndAcesSweep, 1, 6, 0, D(2), -1},
      {"pile by pile, place 7 picks the Aces", prefill::KingsAndAcesSweep, 1, 0, 6, D(2), 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rules = RuleRecord{};
    rules[rule::FoundationCapacity] = 13;
    piles.clear();
    rules[rule::FoundationPrefill] = static_cast<std::int16_t>(c.code);
    rules[rule::BaseSweepByPile] = static_cast<std::int16_t>(c.byPile);
    if (c.code == prefill::KingsAndAcesSweep) {
      for (int k = 0; k < 4; ++k) foundation(k, 13, kDown, MakeCard(k, 13));
      for (int k = 4; k < 8; ++k) foundation(k, 1, kUp, MakeCard(k - 4, 1));
    } else {
      aceFoundations(4);
    }
    // Ten piles; clubs of middle ranks, which fit nowhere, fill the card's pile up to its place.
    std::vector<Pile> layout(10);
    for (std::size_t i = 0; i < c.position; ++i)
      layout[static_cast<std::size_t>(c.pile)].push_back(C(5 + static_cast<int>(i)));
    layout[static_cast<std::size_t>(c.pile)].push_back(c.card);
    tableau(layout);
    auto deal = context();
    SweepBaseCards(deal);
    for (int k = 0; k < rules[rule::Foundations]; ++k)
      EXPECT_EQ(piles.topCard(Foundation(k)) == c.card, k == c.foundation) << "foundation " << k + 1;
  }
}

// The Aces go up; a pile left empty takes the waste's top card, or the
// stock's, and that card is looked at in turn.
TEST_F(FoundationSweepTest, AcesGoUpAndTheirPilesRefill) {
  struct Case {
    const char* name;
    std::vector<Pile> layout;
    Pile waste, stock;
    std::vector<Pile> left;
    Pile wasteLeft, stockLeft;
  } cases[] = {
      {"from the waste", {{H(1)}}, {C(5), D(7)}, {S(4)}, {{D(7)}}, {C(5)}, {S(4)}},
      {"from the stock when the waste is empty", {{H(1)}}, {}, {S(4), C(6)}, {{C(6)}}, {}, {S(4)}},
      {"an Ace brought in goes up too", {{H(1)}}, {D(7), S(1)}, {}, {{D(7)}}, {}, {}},
      {"an Ace under a card leaves no empty pile", {{C(1), H(9)}}, {D(7)}, {}, {{H(9)}}, {D(7)}, {}},
      {"nothing left to refill from", {{H(1)}, {D(5)}}, {}, {}, {{}, {D(5)}}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rules = RuleRecord{};
    rules[rule::FoundationCapacity] = 13;
    piles.clear();
    rules[rule::FoundationPrefill] = prefill::AcesFromTableau;
    for (int k = 0; k < 4; ++k) foundation(k, 1, kUp);
    tableau(c.layout);
    for (CardId card : c.waste) piles.addCard(kWaste, card, Face::Up, cards);
    for (CardId card : c.stock) piles.addCard(kStock, card, Face::Down, cards);
    auto deal = context();
    AcesToFoundations(deal);
    EXPECT_EQ(tableauNow(), c.left);
    EXPECT_EQ(piles.pile(kWaste), c.wasteLeft);
    EXPECT_EQ(piles.pile(kStock), c.stockLeft);
    for (const Pile& pile : tableauNow())
      for (CardId card : pile) EXPECT_TRUE(cards.isFaceUp(card)) << CardIdText(card);
  }
  int aces = 0;
  for (int k = 0; k < 4; ++k) aces += static_cast<int>(piles.pile(Foundation(k)).size());
  EXPECT_EQ(aces, 1) << "the last case's one Ace";
}

TEST_F(FoundationSweepTest, BottomCardsGoToTheFoundationOfTheirNumber) {
  aceFoundations(2);
  tableau({{H(2), S(9)}, {C(2)}, {D(2)}});
  auto deal = context();
  BottomCardsToFoundations(deal);
  EXPECT_EQ(tableauNow(), (std::vector<Pile>{{S(9)}, {C(2)}, {D(2)}}))
      << "the 2 of clubs does not fit the diamonds; pile 3 has no foundation";
  EXPECT_EQ(piles.topCard(Foundation(0)), H(2));
  EXPECT_TRUE(cards.isFaceUp(H(2)));
}

// Whole deals: the sweep after the deal, and the removal games' set-up.
class SweptDealTest : public FoundationSweepTest {
 protected:
  void deal() {
    auto deal = context();
    DealTable(deal);
  }

  std::multiset<CardId> allCards() const {
    std::multiset<CardId> all;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
      for (int i = 0; i < GroupSize(group); ++i)
        for (CardId id : piles.pile({group, i})) all.insert(id);
    return all;
  }
};

TEST_F(SweptDealTest, TheSweepFollowsTheAcesUpAndKeepsEveryCard) {
  rules[rule::Foundations] = 4;
  for (int k = 0; k < 4; ++k) {
    rules[rule::FoundationPrefill + k] = prefill::SuitAceSweepAny;
    rules[rule::FoundationBaseRank + k] = 1;
    rules[rule::FoundationDirection + k] = kUp;
  }
  rules[rule::TableauPiles] = 8;
  for (int k = 0; k < 8; ++k) rules[rule::TableauCards + k] = 6;
  deal();
  int up = 0;
  for (int k = 0; k < 4; ++k) {
    const Pile& foundation = piles.pile(Foundation(k));
    for (std::size_t i = 0; i < foundation.size(); ++i) {
      EXPECT_EQ(foundation[i], MakeCard(k, static_cast<int>(i) + 1)) << "foundation " << k + 1;
      EXPECT_TRUE(cards.isFaceUp(foundation[i]));
    }
    up += static_cast<int>(foundation.size());
  }
  EXPECT_GT(up, 4) << "this deal sends more than the Aces up";
  const auto all = allCards();
  EXPECT_EQ(std::set<CardId>(all.begin(), all.end()).size(), 52u);
  EXPECT_EQ(all.size(), 52u);
}

TEST_F(SweptDealTest, TheRemovalGamesSetUpFillsTheEmptyPilesFromTheStock) {
  constexpr int kRemovalFamily = 17;
  rules[rule::Family] = kRemovalFamily;
  rules[rule::RemovalTargetSum] = 11;
  rules[rule::TableauPiles] = 4;
  rules[rule::TableauCards] = 1;
  rules[rule::TableauCards + 2] = 1;
  rules[rule::StockCards] = 50;
  rules[rule::StockFaceDown] = 1;
  const std::vector<CardId> order = BuildDealList(kDealDigits, {52, 0, 0}).cards;

  deal();
  EXPECT_TRUE(piles.pile(Tableau(1)).empty()) << "without the set-up the dealt gaps stay";

  piles.clear();
  rules[rule::FamilySetup] = 1;
  deal();
  EXPECT_EQ(piles.pile(Tableau(1)), Pile{order[49]}) << "the stock's top card";
  EXPECT_EQ(piles.pile(Tableau(3)), Pile{order[48]});
  EXPECT_TRUE(cards.isFaceUp(order[48]));
  EXPECT_EQ(piles.pile(kStock).size(), 48u);
}

}  // namespace
}  // namespace velmora
