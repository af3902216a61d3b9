// The deal generator: the order of the deck for a deal number must never
// change, so beside its invariants a few deals are pinned card by card.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cards/deal_generator.h"

namespace velmora {
namespace {

std::vector<CardId> Deal(std::string_view number, DeckMakeup deck = {}) {
  return BuildDealList(*ParseDealNumber(number), deck).cards;
}

TEST(DealNumber, IsOneToThirteenDigitsAndNotZero) {
  EXPECT_EQ(ParseDealNumber("1"), "0000000000001");
  EXPECT_EQ(ParseDealNumber("0042"), "0000000000042");
  EXPECT_EQ(ParseDealNumber(" 9999999999999 "), "9999999999999");
  for (const char* bad : {"", " ", "12345678901234", "12a", "-1", "+1", "1 2", "1.5", "0", " 000 ", "0000000000000"})
    EXPECT_FALSE(ParseDealNumber(bad).has_value()) << bad;
}

// Deal 1 worked through by hand: rank 2 falls first, at positions 25, 43, 4
// and 26 (hearts, clubs, diamonds, spades); then the Aces at 51, 17, 30, 0.
TEST(DealGenerator, DealOneFollowsTheStepsByHand) {
  const auto deal = Deal("1");
  const std::map<int, CardId> expected{{25, 2}, {43, 28}, {4, 15}, {26, 41}, {51, 1}, {17, 27}, {30, 14}, {0, 40}};
  for (auto [position, card] : expected) EXPECT_EQ(deal[static_cast<std::size_t>(position)], card) << position;
}

TEST(DealGenerator, EveryCardOnceInEveryDeck) {
  for (const char* number : {"1", "9999999999999", "1234567890123", "5080000000042", "7"}) {
    for (int size : {52, 104}) {
      SCOPED_TRACE(std::string(number) + " with " + std::to_string(size));
      auto deal = Deal(number, {size, 0, 0});
      ASSERT_EQ(deal.size(), static_cast<std::size_t>(size));
      std::sort(deal.begin(), deal.end());
      for (int i = 0; i < size; ++i) ASSERT_EQ(deal[static_cast<std::size_t>(i)], i + 1);
    }
  }
}

TEST(DealGenerator, JokersArePlacedFirst) {
  const auto deal = Deal("4711", {52, 2, 0});
  ASSERT_EQ(deal.size(), 54u);
  EXPECT_EQ(std::count(deal.begin(), deal.end(), 105), 1);
  EXPECT_EQ(std::count(deal.begin(), deal.end(), 106), 1);
  EXPECT_EQ(std::count(deal.begin(), deal.end(), kNoCard), 0);
  // Deal 4711 starts at 1 (its 2nd, 6th and 12th digits) and reads step row 0
  // (its first digit): jokers at 1 + 25 and 1 + 25 + 18.
  EXPECT_EQ(deal[26], 105);
  EXPECT_EQ(deal[44], 106);
}

TEST(DealGenerator, StrippedDecks) {
  const auto thirtyTwo = Deal("123", {52, 0, 1});
  const auto twentyEight = Deal("123", {52, 0, 2});
  EXPECT_EQ(thirtyTwo.size(), 32u);
  EXPECT_EQ(twentyEight.size(), 28u);
  for (CardId id : twentyEight) EXPECT_TRUE(CardRank(id) == 1 || (CardRank(id) >= 7 && CardRank(id) <= 12)) << id;
  // The stripped deck keeps the order of the whole one.
  auto whole = Deal("123");
  std::erase_if(whole, [](CardId id) { return CardRank(id) >= 2 && CardRank(id) <= 6; });
  EXPECT_EQ(whole, thirtyTwo);
}

TEST(DealGenerator, AFirstDigitOfZeroSearchesForwardAndOthersBackward) {
  // Same digits but the first: the collisions of the first stage resolve differently.
  EXPECT_NE(Deal("0000000000055"), Deal("1000000000055"));
}

TEST(DealGenerator, AWrongDeckSizePlacesNoCards) {
  const DealList deal = BuildDealList("0000000000001", {60, 1, 0});
  EXPECT_FALSE(deal.deckSizeValid);
  ASSERT_EQ(deal.cards.size(), 61u);
  EXPECT_EQ(std::count(deal.cards.begin(), deal.cards.end(), kNoCard), 60);
  EXPECT_EQ(std::count(deal.cards.begin(), deal.cards.end(), 105), 1);
}

TEST(DealGenerator, NoDeckIsNoCrash) {
  EXPECT_TRUE(BuildDealList("0000000000001", {0, 0, 0}).cards.empty());
  EXPECT_TRUE(BuildDealList("not a number", {52, 0, 0}).cards == std::vector<CardId>(52, kNoCard));
}

// The order of these deals is fixed forever: saved games, statistics and
// players' shared deal numbers depend on it.
TEST(DealGenerator, PinnedDeals) {
  struct Case {
    const char* number;
    DeckMakeup deck;
    const char* expected;
  } cases[] = {
#include "pinned_deals.inc"
  };
  for (const auto& c : cases) EXPECT_EQ(DealListText(Deal(c.number, c.deck)), c.expected) << c.number;
}

}  // namespace
}  // namespace velmora
