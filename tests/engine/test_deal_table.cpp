// Laying out a new table from the rules: the order of the steps, faces, base
// ranks and the deal types.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cards/deal_generator.h"
#include "game/deal_table.h"
#include "game/rule_index.h"

namespace velmora {
namespace {

constexpr std::string_view kDealDigits = "0000000012345";

PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }

class DealTableTest : public ::testing::Test {
 protected:
  DealTableTest() { rules[rule::DeckCards] = 52; }

  // Klondike: 24 in the stock, seven piles of 1 to 7 with the top card up.
  void klondike() {
    rules[rule::StockCards] = 24;
    rules[rule::StockFaceDown] = 1;
    rules[rule::Foundations] = 4;
    rules[rule::TableauPiles] = 7;
    for (int k = 0; k < 7; ++k) {
      rules[rule::TableauCards + k] = static_cast<std::int16_t>(k + 1);
      rules[rule::TableauFaceUp + k] = 1;
    }
  }

  bool deal(std::string_view digits = kDealDigits, const DealFollowUps& followUps = {}) {
    DealContext context{rules, cards, piles, state, digits};
    return DealTable(context, followUps);
  }

  std::multiset<CardId> allCards() const {
    std::multiset<CardId> all;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
      for (int i = 0; i < GroupSize(group); ++i)
        for (CardId id : piles.pile({group, i})) all.insert(id);
    return all;
  }

  std::vector<CardId> order(std::string_view digits = kDealDigits) const {
    return BuildDealList(digits, {rules[rule::DeckCards], 0, 0}).cards;
  }

  RuleRecord rules;
  CardTable cards;
  PileStore piles;
  ProgramState state;
};

TEST_F(DealTableTest, KlondikeDealsTheStockFirstThenSevenPiles) {
  klondike();
  ASSERT_TRUE(deal());
  const auto deck = order();
  EXPECT_EQ(piles.pile(kStock), std::vector<CardId>(deck.begin(), deck.begin() + 24));
  EXPECT_EQ(piles.pile(Tableau(0)), std::vector<CardId>{deck[24]});
  EXPECT_EQ(piles.pile(Tableau(1)), (std::vector<CardId>{deck[25], deck[26]}));
  for (int k = 0; k < 7; ++k) {
    const Pile& pile = piles.pile(Tableau(k));
    ASSERT_EQ(pile.size(), static_cast<std::size_t>(k + 1));
    for (std::size_t i = 0; i < pile.size(); ++i) EXPECT_EQ(cards.isFaceUp(pile[i]), i + 1 == pile.size());
  }
  for (CardId id : piles.pile(kStock)) EXPECT_TRUE(cards.isFaceDown(id));
  const auto all = allCards();
  EXPECT_EQ(all.size(), 52u);
  EXPECT_EQ(std::set<CardId>(all.begin(), all.end()).size(), 52u);
}

TEST_F(DealTableTest, AStockOfFaceUpCards) {
  klondike();
  rules[rule::StockFaceDown] = 0;
  deal();
  for (CardId id : piles.pile(kStock)) EXPECT_TRUE(cards.isFaceUp(id));
}

TEST_F(DealTableTest, TheSameDealNumberGivesTheSameTable) {
  klondike();
  deal();
  const std::string first = piles.pileString(Tableau(6)) + piles.pileString(kStock);
  piles.clear();
  deal();
  EXPECT_EQ(piles.pileString(Tableau(6)) + piles.pileString(kStock), first);
  piles.clear();
  deal("0000000054321");
  EXPECT_NE(piles.pileString(Tableau(6)) + piles.pileString(kStock), first);
}

TEST_F(DealTableTest, AcesPrefilledBeforeTheDeal) {
  klondike();
  for (int k = 0; k < 4; ++k) rules[rule::FoundationPrefill + k] = 93;
  rules[rule::FoundationCapacity] = 1;  // the Aces alone: the sweep sends nothing after them
  deal();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(piles.pileString(Foundation(k)), CardIdText(13 * k + 1));
    EXPECT_EQ(rules[rule::FoundationBaseRank + k], 1);
  }
  EXPECT_EQ(piles.pile(kStock).size(), 24u);
  auto deck = order();
  std::erase_if(deck, [](CardId id) { return CardRank(id) == 1; });
  EXPECT_EQ(piles.pile(kStock), std::vector<CardId>(deck.begin(), deck.begin() + 24)) << "the deal runs on 48 cards";
}

TEST_F(DealTableTest, PrefillCodes) {
  const auto deck = order();
  struct Case {
    int code;
    int foundation;
    CardId expected;
  } cases[] = {
      {5, 2, 13 * 2 + 5},          // rank 5 of the foundation's suit
      {152, 0, 52},                // a card by its id plus 100
      {20, 0, deck[0]},            // the first card of the deck
      {91, 3, deck[0]},            // thirteen on per foundation, wrapping within the deck
      {91, 0, (deck[0] - 1 + 13) % 52 + 1},
      {95, 1, 26},                 // Kings on the first four
      {95, 5, 14},                 // Aces beyond them
      {63, 0, *std::find_if(deck.begin(), deck.end(), [](CardId c) { return CardRank(c) == 13; })},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    RuleRecord fresh;
    rules = fresh;
    rules[rule::DeckCards] = 52;
    rules[rule::Foundations] = 8;
    rules[rule::FoundationPrefill + c.foundation] = static_cast<std::int16_t>(c.code);
    piles.clear();
    deal();
    EXPECT_EQ(piles.topCard(Foundation(c.foundation)), c.expected);
    EXPECT_EQ(rules[rule::FoundationBaseRank + c.foundation], CardRank(c.expected));
  }
}

TEST_F(DealTableTest, DifferentSuitsAndRanksOnTheFoundations) {
  rules[rule::Foundations] = 4;
  for (int k = 0; k < 4; ++k) rules[rule::FoundationPrefill + k] = 21;
  deal();
  std::set<int> suits;
  for (int k = 0; k < 4; ++k) suits.insert(CardSuit(piles.topCard(Foundation(k))));
  EXPECT_EQ(suits.size(), 4u);

  piles.clear();
  for (int k = 0; k < 4; ++k) rules[rule::FoundationPrefill + k] = 22;
  deal();
  std::set<int> ranks;
  for (int k = 0; k < 4; ++k) ranks.insert(CardRank(piles.topCard(Foundation(k))));
  EXPECT_EQ(ranks.size(), 4u);
  EXPECT_FALSE(ranks.contains(13));
}

TEST_F(DealTableTest, OneBaseCardSetsEveryFoundation) {
  klondike();
  rules[rule::StockCards] = 23;  // leaves the last card for the base
  rules[rule::FoundationBaseCardRule] = 1;
  rules[rule::TableauFill] = 91;
  deal();
  const CardId base = piles.topCard(Foundation(0));
  EXPECT_EQ(base, order()[51]);
  for (int k = 0; k < kFoundations; ++k) EXPECT_EQ(rules[rule::FoundationBaseRank + k], CardRank(base));
  EXPECT_EQ(rules[rule::TableauFill], RankBelow(CardRank(base)));
}

TEST_F(DealTableTest, ReservesAndTheThirdSlot) {
  rules[rule::Reserves] = 2;
  rules[rule::ReserveCards] = 13;
  rules[rule::ReserveFaceUp] = 1;
  rules[rule::ReserveCards + 1] = 4;
  rules[rule::ReserveFaceUp + 1] = -3;
  rules[rule::ThirdSlotCards] = 3;
  rules[rule::WasteCards] = 2;
  deal();
  const auto deck = order();
  EXPECT_EQ(piles.pile(kWaste), (std::vector<CardId>{deck[0], deck[1]}));
  EXPECT_EQ(piles.pile(kThirdStockSlot), (std::vector<CardId>{deck[2], deck[3], deck[4]}));
  EXPECT_EQ(piles.pile({PileGroup::Reserves, 0}).size(), 13u);
  EXPECT_TRUE(cards.isFaceUp(piles.topCard({PileGroup::Reserves, 0})));
  const Pile& second = piles.pile({PileGroup::Reserves, 1});
  ASSERT_EQ(second.size(), 4u);
  EXPECT_TRUE(cards.isFaceUp(second[0]));
  EXPECT_TRUE(cards.isFaceDown(second[3]));
}

// Families 11, 22 and 50 deal part of the table their own way; every card
// still lies on the table once.
TEST_F(DealTableTest, FamiliesWithAPartOfTheDealOfTheirOwn) {
  constexpr CardId kQueenOfHearts = MakeCard(Hearts, 12), kKingOfHearts = MakeCard(Hearts, 13);
  klondike();
  rules[rule::Family] = 22;
  deal();
  EXPECT_EQ(piles.topCard(Tableau(0)), kQueenOfHearts) << "the Queen of hearts starts the first pile";
  EXPECT_EQ(piles.pile(kStock).front(), kKingOfHearts) << "the King of hearts lies at the bottom of the stock";
  const std::vector<CardId> deck = order();
  EXPECT_EQ(allCards(), std::multiset<CardId>(deck.begin(), deck.end()));
}

TEST_F(DealTableTest, FamilyFiftyCountsTheSecondHalfOfTheFoundationsByTwos) {
  rules[rule::Foundations] = 8;
  rules[rule::Family] = 50;
  const int firstHalf[] = {1, 7, 13, 4};
  for (int k = 0; k < 4; ++k) rules[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(firstHalf[k]);
  deal();
  const int secondHalf[] = {2, 1, 13, 8};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(rules[rule::FoundationBaseRank + 4 + k], secondHalf[k]) << k;
}

TEST_F(DealTableTest, FamilyElevenOpensTheFoundationsWithTheAcesOfTheReserveAndTheWaste) {
  rules[rule::Foundations] = 8;
  rules[rule::Family] = 11;
  rules[rule::Reserves] = 1;
  rules[rule::ReserveCards] = 26;
  rules[rule::WasteCards] = 26;
  deal();
  const Pile& reserve = piles.pile({PileGroup::Reserves, 0});
  EXPECT_EQ(reserve.size(), 26u) << "waste cards refill the reserve";
  EXPECT_TRUE(std::none_of(reserve.begin(), reserve.end(), [](CardId c) { return CardRank(c) == 1; }));
  EXPECT_TRUE(std::all_of(reserve.begin(), reserve.end(), [&](CardId c) { return cards.isFaceUp(c); }));
  int aces = 0;
  for (int k = 0; k < 8; ++k)
    for (CardId card : piles.pile(Foundation(k))) {
      EXPECT_EQ(CardRank(card), 1) << k;
      ++aces;
    }
  EXPECT_GE(aces, 1);
  const std::vector<CardId> deck = order();
  EXPECT_EQ(allCards(), std::multiset<CardId>(deck.begin(), deck.end()));
}

TEST_F(DealTableTest, SpecialPilesComeFirst) {
  rules[rule::TableauPiles] = 3;
  rules[rule::TableauCards] = 1013;      // a King, dealt before everything
  rules[rule::TableauFaceUp] = 1;
  rules[rule::TableauCards + 1] = 1501;  // the first joker
  rules[rule::TableauCards + 2] = 5;
  rules[rule::JokersInDeck] = 1;
  rules[rule::Jokers] = 1;
  deal();
  EXPECT_EQ(CardRank(piles.topCard(Tableau(0))), 13);
  EXPECT_TRUE(cards.isFaceUp(piles.topCard(Tableau(0))));
  EXPECT_EQ(piles.pile(Tableau(1)), std::vector<CardId>{105});
  EXPECT_EQ(allCards().count(105), 1u) << "the joker is not dealt twice";
}

struct DealTypeCase {
  const char* name;
  int type;
  std::function<void(RuleRecord&)> rules;
  std::function<void(const PileStore&, const CardTable&, const ProgramState&)> check;
};

TEST_F(DealTableTest, DealTypes) {
  const DealTypeCase cases[] = {
      {"gaps where the Aces were", 8,
       [](RuleRecord& r) {
         r[rule::TableauPiles] = 4;
         for (int k = 0; k < 4; ++k) r[rule::TableauCards + k] = 13;
       },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         int gaps = 0;
         for (int k = 0; k < 4; ++k)
           for (CardId id : p.pile(Tableau(k))) {
             EXPECT_NE(CardRank(id), 1);
             gaps += id == kNoCard;
           }
         EXPECT_EQ(gaps, 4);
       }},
      {"sorted by rank onto thirteen piles", 6,
       [](RuleRecord& r) { r[rule::TableauPiles] = 13; },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         for (int k = 0; k < 13; ++k) {
           ASSERT_EQ(p.pile(Tableau(k)).size(), 4u);
           for (CardId id : p.pile(Tableau(k))) EXPECT_EQ(CardRank(id), k + 1);
         }
       }},
      {"no rank twice in a pile", 3,
       [](RuleRecord& r) {
         r[rule::TableauPiles] = 4;
         for (int k = 0; k < 4; ++k) r[rule::TableauCards + k] = 13;
       },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         std::size_t total = 0;
         for (int k = 0; k < 4; ++k) {
           std::set<int> ranks;
           for (CardId id : p.pile(Tableau(k))) ranks.insert(CardRank(id));
           EXPECT_EQ(ranks.size(), 13u);
           total += p.pile(Tableau(k)).size();
         }
         EXPECT_EQ(total, 52u);
       }},
      {"Kings start the runs", 2, [](RuleRecord& r) { r[rule::TableauPiles] = 4; },
       [](const PileStore& p, const CardTable& c, const ProgramState&) {
         std::size_t total = 0;
         for (int k = 0; k < 4; ++k) {
           const Pile& pile = p.pile(Tableau(k));
           ASSERT_FALSE(pile.empty());
           EXPECT_EQ(CardRank(pile.front()), 13);
           for (CardId id : pile) EXPECT_TRUE(c.isFaceUp(id));
           total += pile.size();
         }
         EXPECT_EQ(total, 52u);
       }},
      {"counted lay-out keeps every card", 17, [](RuleRecord& r) { r[rule::TableauPiles] = 12; },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         std::size_t total = p.pile(kStock).size() + p.pile({PileGroup::Reserves, 0}).size();
         for (int k = 0; k < 12; ++k) total += p.pile(Tableau(k)).size();
         EXPECT_EQ(total, 52u);
       }},
      {"sixteen number cards and their sums", 18, [](RuleRecord& r) { r[rule::TableauPiles] = 16; },
       [](const PileStore& p, const CardTable&, const ProgramState& s) {
         int sum = 0;
         for (int k = 0; k < 4; ++k) sum += CardRank(p.topCard(Tableau(k)));
         EXPECT_EQ(s.word(118), sum);
         for (int k = 0; k < 16; ++k) EXPECT_EQ(p.pile(Tableau(k)).size(), 1u);
       }},
      {"no rank twice: a last pile that cannot be kept free of pairs still keeps every card", 3,
       [](RuleRecord& r) {
         r[rule::TableauPiles] = 9;
         for (int k = 0; k < 8; ++k) r[rule::TableauCards + k] = 6;
         r[rule::TableauCards + 8] = 4;
       },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         std::multiset<CardId> all;
         bool rankTwice = false;
         for (int k = 0; k < 9; ++k) {
           const Pile& pile = p.pile(Tableau(k));
           EXPECT_EQ(pile.size(), k < 8 ? 6u : 4u) << k;
           all.insert(pile.begin(), pile.end());
           std::set<int> ranks;
           for (CardId id : pile) ranks.insert(CardRank(id));
           rankTwice = rankTwice || ranks.size() < pile.size();
         }
         EXPECT_TRUE(rankTwice) << "this deal leaves the last pile no choice";
         EXPECT_EQ(std::set<CardId>(all.begin(), all.end()).size(), 52u);
         EXPECT_FALSE(all.contains(kNoCard));
       }},
      {"ten keyed cards stop when the deck runs out", 19,
       [](RuleRecord& r) {
         r[rule::TableauPiles] = 10;
         r[rule::StockCards] = 48;
       },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         std::size_t placed = 0;
         for (int k = 0; k < 10; ++k) placed += p.pile(Tableau(k)).size();
         EXPECT_LE(placed, 4u);
         EXPECT_TRUE(p.pile(Tableau(9)).empty());
       }},
      {"ten keyed number cards", 19, [](RuleRecord& r) { r[rule::TableauPiles] = 10; },
       [](const PileStore& p, const CardTable&, const ProgramState&) {
         for (int k = 0; k < 10; ++k) {
           ASSERT_EQ(p.pile(Tableau(k)).size(), 1u);
           EXPECT_LE(CardRank(p.topCard(Tableau(k))), 10);
         }
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rules = RuleRecord{};
    rules[rule::DeckCards] = 52;
    rules[rule::DealType] = static_cast<std::int16_t>(c.type);
    c.rules(rules);
    piles.clear();
    cards.reset();
    deal();
    c.check(piles, cards, state);
  }
}

TEST_F(DealTableTest, EmptyingARandomPileFollowsTheDealNumber) {
  rules[rule::DealType] = 10;
  rules[rule::TableauPiles] = 8;
  for (int k = 0; k < 8; ++k) rules[rule::TableauCards + k] = 6;
  deal();
  const std::string first = piles.pileString(Tableau(0)) + "|" + piles.pileString(Tableau(1));
  int empty = 0;
  for (int k = 0; k < 8; ++k) empty += piles.pile(Tableau(k)).empty();
  EXPECT_EQ(empty, 1);
  EXPECT_TRUE(piles.pile(Tableau(7)).size() == 6u) << "only the first piles are chosen from";
  piles.clear();
  deal();
  EXPECT_EQ(piles.pileString(Tableau(0)) + "|" + piles.pileString(Tableau(1)), first);
}

TEST_F(DealTableTest, AWrongDeckSizeIsReported) {
  rules[rule::DeckCards] = 60;
  EXPECT_FALSE(deal());
}

}  // namespace
}  // namespace velmora
