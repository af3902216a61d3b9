// Card ids and their questions, the card table's entries, and the deck types
// that thin the deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "cards/card.h"
#include "cards/card_table.h"
#include "cards/deal_generator.h"
#include "cards/deck_types.h"

namespace velmora {
namespace {

TEST(Card, Queries) {
  struct Case {
    CardId id;
    int rank, suit;
    bool red, face, joker;
    int image;
  } cases[] = {
      {0, 0, -1, false, false, false, -1},   {1, 1, Hearts, true, false, false, 0},
      {13, 13, Hearts, true, true, false, 12}, {14, 1, Diamonds, true, false, false, 13},
      {27, 1, Clubs, false, false, false, 26}, {52, 13, Spades, false, true, false, 51},
      {53, 1, Hearts, true, false, false, 0},  {78, 13, Diamonds, true, true, false, 25},
      {79, 1, Clubs, false, false, false, 26}, {104, 13, Spades, false, true, false, 51},
      {105, 100, -1, false, false, true, 52},  {108, 100, -1, false, false, true, 52},
      {109, -1, -1, false, false, false, 108},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(CardRank(c.id), c.rank);
    EXPECT_EQ(CardSuit(c.id), c.suit);
    EXPECT_EQ(IsRed(c.id), c.red);
    EXPECT_EQ(IsFaceCard(c.id), c.face);
    EXPECT_EQ(IsJoker(c.id), c.joker);
    if (c.id >= 1 && c.id <= 108) {
      EXPECT_EQ(CardImageIndex(c.id), c.image);
    }
  }
  EXPECT_EQ(RankBelow(1), 13);
  EXPECT_EQ(RankAbove(13), 1);
  EXPECT_EQ(RankBelow(7), 6);
  EXPECT_EQ(RankLabel(0), "");
  EXPECT_EQ(RankLabel(1), "A");
  EXPECT_EQ(RankLabel(10), "10");
  EXPECT_EQ(RankLabel(12), "Q");
  EXPECT_EQ(CardIdText(7), "007");
}

TEST(CardTable, EntriesAndFaces) {
  CardTable table;
  EXPECT_EQ(table.entry(1), "CUORI_A        10011");
  EXPECT_EQ(table.entry(49), "PICCH_10       40491");
  EXPECT_EQ(table.entry(15), "QUADR_02       20151");
  EXPECT_EQ(table.entry(105), "JOKER          41051");
  EXPECT_EQ(table.entry(65), "CUORI_K        10651");
  EXPECT_EQ(table.entry(0), "");
  table.setFace(49, Face::Down);
  EXPECT_EQ(table.entry(49).back(), '0');
  EXPECT_TRUE(table.isFaceDown(49));
  EXPECT_TRUE(table.isFaceDown(0));
  EXPECT_TRUE(table.isFaceDown(-3));
  EXPECT_FALSE(table.isFaceUp(0));
  table.reset();
  EXPECT_TRUE(table.isFaceUp(49));
}

std::vector<CardId> Deck(int size) {
  std::vector<CardId> deck(static_cast<std::size_t>(size));
  std::iota(deck.begin(), deck.end(), 1);
  return deck;
}

TEST(DeckTypes, ThinTheDeal) {
  struct Case {
    const char* name;
    int type, t;
    std::vector<CardId> deal;
    std::size_t expectedSize;
  } cases[] = {
      {"one suit up to 5", deck_type::OneSuitUpTo, 5, Deck(104), 5},
      {"hearts and clubs up to 20", deck_type::OneSuitUpTo, 20, Deck(108), 20},
      {"one of each rank", deck_type::OneOfEachRank, 13, Deck(108), 13},
      {"one of ranks 1 to 6", deck_type::OneOfEachRank, 6, Deck(52), 6},
      {"fixed selection of 3", deck_type::FixedSelection, 3, Deck(104), 12},
      {"fixed selection of 4", deck_type::FixedSelection, 4, Deck(104), 24},
      {"fixed selection otherwise", deck_type::FixedSelection, 7, Deck(104), 40},
      {"no queens or kings", deck_type::NoQueensOrKings, 0, Deck(52), 44},
      {"other types leave the deck whole", 3, 0, Deck(52), 52},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    PrepareDeck(c.deal, c.type, c.t);
    EXPECT_EQ(c.deal.size(), c.expectedSize);
  }
}

TEST(DeckTypes, OneOfEachRankKeepsTheFirstInDealOrder) {
  std::vector<CardId> deal{105, 40, 1, 2, 28, 13, 14, 27};
  PrepareDeck(deal, deck_type::OneOfEachRank, 13);
  EXPECT_EQ(deal, (std::vector<CardId>{40, 2, 13}));
}

TEST(DeckTypes, AceToNineOfTheFirstCardsSuit) {
  std::vector<CardId> deal = Deck(104);
  std::rotate(deal.begin(), deal.begin() + 30, deal.end());  // a club comes first
  PrepareDeck(deal, deck_type::OneSuitAceToNine, 0);
  ASSERT_EQ(deal.size(), 9u);
  for (CardId id : deal) EXPECT_EQ(CardSuit(id), Clubs) << id;
}

}  // namespace
}  // namespace velmora
