// The building codes of single games: for each code a card onto a pile that
// accepts it, one that refuses it, the empty pile, and the wrap or special
// condition the code names. Cards are placed through `canPlace`, the way the
// player's moves ask.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "moves/move_rules.h"
#include "rules/building_codes.h"

namespace velmora {
namespace {

constexpr int A = 1, J = 11, Q = 12, K = 13;
constexpr CardId H(int rank) { return MakeCard(Hearts, rank); }
constexpr CardId D(int rank) { return MakeCard(Diamonds, rank); }
constexpr CardId C(int rank) { return MakeCard(Clubs, rank); }
constexpr CardId S(int rank) { return MakeCard(Spades, rank); }
constexpr CardId S2(int rank) { return MakeCard(Spades, rank) + kCardsPerDeck; }  // the second deck
constexpr CardId kJoker = kFirstJoker;

constexpr PileRef Found(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Tab(int i) { return {PileGroup::Tableau, i}; }
constexpr PileRef Res(int j) { return {PileGroup::Reserves, j}; }

constexpr int kFoundations = 10, kTableau = 10, kReserves = 4;
constexpr int kGridRowLengthRule = 28;

// Foundations build up from the Ace and hold a whole deck; tableau piles
// build down and take any card when empty; reserves are free cells. Each
// case sets the building code of the one pile it places on.
struct Table {
  Table() {
    rules[rule::Foundations] = kFoundations;
    rules[rule::TableauPiles] = kTableau;
    rules[rule::Reserves] = kReserves;
    rules[rule::FoundationCapacity] = 2 * kCardsPerDeck;
    rules[rule::TableauUnitSize] = -1;
    for (int k = 0; k < kFoundations; ++k) {
      rules[rule::FoundationBaseRank + k] = A;
      rules[rule::FoundationDirection + k] = 1;
    }
    for (int i = 0; i < kTableau; ++i) {
      rules[rule::TableauFill + i] = -1;
      rules[rule::TableauDirection + i] = 0;
    }
  }

  void put(PileRef pile, std::initializer_list<CardId> ids) {
    for (CardId id : ids) piles.addCard(pile, id, Face::Up, cards);
  }
  void setCode(PileRef pile, int code) {
    const int first = pile.group == PileGroup::Foundations ? rule::FoundationBuilding : rule::TableauBuilding;
    rules[first + pile.index] = static_cast<std::int16_t>(code);
  }
  MoveRules moves(const GameFamily* family = nullptr) const {
    return MoveRules(rules, piles, cards, family, nullptr, counts);
  }

  RuleRecord rules;
  PileStore piles;
  CardTable cards;
  PlayCounts counts;
};

// One placement: `setUp` lays out the table, then `to`, with `code`, takes
// `onPile` (bottom first) and `card` is laid on top of `from`.
struct Case {
  const char* what;
  int code;
  PileRef to;
  std::initializer_list<CardId> onPile;
  CardId card;
  PileRef from;
  bool accepted;
  std::function<void(Table&)> setUp = {};
};

void Check(const Case& c, const GameFamily* family = nullptr) {
  Table t;
  t.setCode(c.to, c.code);
  if (c.setUp) c.setUp(t);
  t.put(c.to, c.onPile);
  t.put(c.from, {c.card});
  EXPECT_EQ(t.moves(family).canPlace(c.card, c.to), c.accepted) << c.what;
}

void StockHolds(Table& t) { t.put(kStock, {D(9)}); }
void WasteHolds(Table& t) { t.put(kWaste, {D(9)}); }

// Ranks and suits of the two cards alone.
TEST(BuildingCodes, RankAndSuitRules) {
  using namespace building_code;
  const Case cases[] = {
      {"61: in suit by two", InSuitByTwoKingAce, Found(0), {S(5)}, S(7), kWaste, true},
      {"61: a 2 on a King", InSuitByTwoKingAce, Found(0), {S(K)}, S(2), kWaste, true},
      {"61: an Ace on a Queen", InSuitByTwoKingAce, Found(0), {S(Q)}, S(A), kWaste, true},
      {"61: not another suit", InSuitByTwoKingAce, Found(0), {S(5)}, H(7), kWaste, false},
      {"86: the empty pile takes an Ace", UpSuitCycle, Found(0), {}, H(A), kWaste, true},
      {"86: hearts are followed by clubs", UpSuitCycle, Found(0), {H(A)}, C(2), kWaste, true},
      {"86: not by diamonds", UpSuitCycle, Found(0), {H(A)}, D(2), kWaste, false},
      {"86: clubs by diamonds", UpSuitCycle, Found(0), {C(2)}, D(3), kWaste, true},
      {"86: spades by hearts, round the cycle", UpSuitCycle, Found(0), {S(4)}, H(5), kWaste, true},
      {"87: any card on the empty pile", DownSuitCycle, Tab(0), {}, S(9), kWaste, true},
      {"87: down, the next suit", DownSuitCycle, Tab(0), {H(5)}, C(4), kWaste, true},
      {"87: not a suit out of turn", DownSuitCycle, Tab(0), {H(5)}, S(4), kWaste, false},
      {"59: up or down in suit", InSuitUpOrDownWrapping, Found(0), {S(5)}, S(4), kWaste, true},
      {"59: an Ace on a King", InSuitUpOrDownWrapping, Found(0), {S(K)}, S(A), kWaste, true},
      {"59: not another suit", InSuitUpOrDownWrapping, Found(0), {S(5)}, H(4), kWaste, false},
      {"72: a joker on any card", InSuitJokersWild, Tab(0), {S(5)}, kJoker, kWaste, true},
      {"72: any card on a joker", InSuitJokersWild, Tab(0), {kJoker}, H(9), kWaste, true},
      {"72: otherwise down in suit", InSuitJokersWild, Tab(0), {S(5)}, S(4), kWaste, true},
      {"72: not another suit", InSuitJokersWild, Tab(0), {S(5)}, H(4), kWaste, false},
      {"75: alternating colours", AlternateJokersWild, Tab(0), {S(5)}, H(4), kWaste, true},
      {"75: not the same colour", AlternateJokersWild, Tab(0), {S(5)}, C(4), kWaste, false},
      {"75: a joker on any card", AlternateJokersWild, Tab(0), {S(5)}, kJoker, kWaste, true},
      {"117: regardless of suit", AnySuitJokersWild, Tab(0), {S(5)}, C(4), kWaste, true},
      {"117: only one rank down", AnySuitJokersWild, Tab(0), {S(5)}, C(3), kWaste, false},
      {"93: the empty pile takes a 6", DownSixOnAce, Found(0), {}, H(6), kWaste, true},
      {"93: not a 7", DownSixOnAce, Found(0), {}, H(7), kWaste, false},
      {"93: down regardless of suit", DownSixOnAce, Found(0), {S(3)}, H(2), kWaste, true},
      {"93: a 6 on an Ace", DownSixOnAce, Found(0), {S(A)}, H(6), kWaste, true},
      {"97: up in colour", UpOrDownInColourWrapping, Tab(0), {S(5)}, C(6), kWaste, true},
      {"97: a King on an Ace", UpOrDownInColourWrapping, Tab(0), {S(A)}, C(K), kWaste, true},
      {"97: not the other colour", UpOrDownInColourWrapping, Tab(0), {S(5)}, H(6), kWaste, false},
      {"98: the empty pile takes the base rank", UpSevenOnAce, Found(0), {}, H(7), kWaste, true,
       [](Table& t) { t.rules[rule::FoundationBaseRank] = 7; }},
      {"98: a 7 on an Ace", UpSevenOnAce, Found(0), {S(A)}, S(7), kWaste, true},
      {"98: up in suit", UpSevenOnAce, Found(0), {S(5)}, S(6), kWaste, true},
      {"98: not another suit", UpSevenOnAce, Found(0), {S(5)}, H(6), kWaste, false},
      {"100: a King on an Ace", DownAnySuitWrapping, Tab(0), {S(A)}, H(K), kWaste, true},
      {"100: down regardless of suit", DownAnySuitWrapping, Tab(0), {S(5)}, H(4), kWaste, true},
      {"100: not up", DownAnySuitWrapping, Tab(0), {S(5)}, H(6), kWaste, false},
      {"101: an Ace on a King", UpAnySuitWrapping, Tab(0), {S(K)}, H(A), kWaste, true},
      {"101: not down", UpAnySuitWrapping, Tab(0), {S(K)}, H(Q), kWaste, false},
      {"102: a King on an Ace of the other colour", DownAlternateWrapping, Tab(0), {S(A)}, H(K), kWaste, true},
      {"102: not of the same colour", DownAlternateWrapping, Tab(0), {S(A)}, C(K), kWaste, false},
      {"104: the same rank", SameRank, Tab(0), {S(5)}, H(5), kWaste, true},
      {"104: not another rank", SameRank, Tab(0), {S(5)}, H(4), kWaste, false},
      {"109: down by two", DownByTwoWrapping, Tab(0), {S(5)}, H(3), kWaste, true},
      {"109: a King on a 2", DownByTwoWrapping, Tab(0), {S(2)}, H(K), kWaste, true},
      {"109: a Queen on an Ace", DownByTwoWrapping, Tab(0), {S(A)}, H(Q), kWaste, true},
      {"109: not by one", DownByTwoWrapping, Tab(0), {S(5)}, H(4), kWaste, false},
      {"110: up in alternating colours", UpOrDownAlternateWrapping, Tab(0), {S(5)}, H(6), kWaste, true},
      {"110: a King on an Ace", UpOrDownAlternateWrapping, Tab(0), {S(A)}, H(K), kWaste, true},
      {"110: not the same colour", UpOrDownAlternateWrapping, Tab(0), {S(5)}, C(6), kWaste, false},
      {"111: only a King on the empty pile", DownInSuitKingsOnEmpty, Tab(0), {}, H(Q), kWaste, false},
      {"111: a King on the empty pile", DownInSuitKingsOnEmpty, Tab(0), {}, H(K), kWaste, true},
      {"111: down in suit", DownInSuitKingsOnEmpty, Tab(0), {S(5)}, S(4), kWaste, true},
      {"111: not another suit", DownInSuitKingsOnEmpty, Tab(0), {S(5)}, C(4), kWaste, false},
      {"112: down in alternating colours", DownAlternateKingsOnEmpty, Tab(0), {S(5)}, H(4), kWaste, true},
      {"112: only a King on the empty pile", DownAlternateKingsOnEmpty, Tab(0), {}, H(4), kWaste, false},
      {"114: down regardless of suit", DownAnySuitKingsOnEmpty, Tab(0), {S(5)}, C(4), kWaste, true},
      {"114: a King on the empty pile", DownAnySuitKingsOnEmpty, Tab(0), {}, C(K), kWaste, true},
      {"115: down in colour", DownInColourOtherSuit, Tab(0), {S(5)}, C(4), kWaste, true},
      {"115: never in suit", DownInColourOtherSuit, Tab(0), {S(5)}, S(4), kWaste, false},
      {"115: never the other colour", DownInColourOtherSuit, Tab(0), {S(5)}, H(4), kWaste, false},
  };
  for (const Case& c : cases) Check(c);
}

// Where the card comes from, and what the stock, the waste and the other piles hold.
TEST(BuildingCodes, TableRules) {
  using namespace building_code;
  const Case cases[] = {
      {"23: up in suit while the waste is empty", UpWhileWasteEmpty, Found(0), {H(4)}, H(5), Tab(1), true},
      {"23: nothing while the waste holds cards", UpWhileWasteEmpty, Found(0), {H(4)}, H(5), Tab(1), false, WasteHolds},
      {"23: nothing on the empty pile", UpWhileWasteEmpty, Found(0), {}, H(A), Tab(1), false},
      {"23: not another suit", UpWhileWasteEmpty, Found(0), {H(4)}, D(5), Tab(1), false},
      {"38: a King on the empty pile", KingThenAny, Tab(0), {}, H(K), Tab(3), true},
      {"38: nothing else on the empty pile", KingThenAny, Tab(0), {}, H(Q), Tab(3), false},
      {"38: any card on the one King", KingThenAny, Tab(0), {S(K)}, H(7), Tab(3), true},
      {"38: but a Queen", KingThenAny, Tab(0), {S(K)}, H(Q), Tab(3), false},
      {"38: nothing on a longer pile", KingThenAny, Tab(0), {S(K), S(7)}, H(6), Tab(3), false},
      {"38: while the waste holds cards the plain family refuses", KingThenAny, Tab(0), {S(K)}, H(7), Tab(3), false,
       WasteHolds},
      {"48: a Queen on the empty pile", QueenThenAny, Tab(0), {}, H(Q), Tab(3), true},
      {"48: a King on the one Queen", QueenThenAny, Tab(0), {S(Q)}, H(K), Tab(3), true},
      {"48: never a Queen on it", QueenThenAny, Tab(0), {S(Q)}, H(Q), Tab(3), false},
      {"45: any card but a King on the one King", KingThenDown, Tab(0), {S(K)}, H(5), Tab(3), true},
      {"45: not a second King", KingThenDown, Tab(0), {S(K)}, H(K), Tab(3), false},
      {"45: then down", KingThenDown, Tab(0), {S(K), S(5)}, H(4), Tab(3), true},
      {"45: not up", KingThenDown, Tab(0), {S(K), S(5)}, H(6), Tab(3), false},
      {"40: the rank of the deal count", DealCountRank, Found(0), {S(9)}, H(3), Tab(1), true,
       [](Table& t) { t.counts.deals = 3; }},
      {"40: not another rank", DealCountRank, Found(0), {S(9)}, H(4), Tab(1), false,
       [](Table& t) { t.counts.deals = 3; }},
      {"40: a King when the count is a multiple of 13", DealCountRank, Found(0), {}, H(K), Tab(1), true,
       [](Table& t) { t.counts.deals = 26; }},
      {"40: any card while one card is left to deal", DealCountRank, Found(0), {}, H(8), Tab(1), true, StockHolds},
      {"41: in suit by two, round the King", InSuitByTwoRound, Found(0), {S(Q)}, S(A), kWaste, true},
      {"41: by two", InSuitByTwoRound, Found(0), {S(5)}, S(7), kWaste, true},
      {"41: not by one", InSuitByTwoRound, Found(0), {S(5)}, S(6), kWaste, false},
      {"54: down", DownFromFillRank, Tab(0), {S(5)}, H(4), kWaste, true},
      {"54: no King on an Ace without wrap", DownFromFillRank, Tab(0), {S(A)}, H(K), kWaste, false},
      {"54: a King on an Ace with wrap 1", DownFromFillRank, Tab(0), {S(A)}, H(K), kWaste, true,
       [](Table& t) { t.rules[rule::TableauWrap] = 1; }},
      {"54: the fill rank from the waste", DownFromFillRank, Tab(0), {}, H(K), kWaste, true,
       [](Table& t) { t.rules[rule::TableauFill] = K; }},
      {"54: not another rank", DownFromFillRank, Tab(0), {}, H(Q), kWaste, false,
       [](Table& t) { t.rules[rule::TableauFill] = K; }},
      {"54: not from a reserve", DownFromFillRank, Tab(0), {}, H(K), Res(0), false,
       [](Table& t) { t.rules[rule::TableauFill] = K; }},
      {"55: up in colour", UpInColourWasteEmpty, Tab(0), {S(5)}, C(6), Tab(3), true},
      {"55: not the other colour", UpInColourWasteEmpty, Tab(0), {S(5)}, H(6), Tab(3), false},
      {"55: the waste's one card", UpInColourWasteEmpty, Tab(0), {S(5)}, C(6), kWaste, true},
      {"55: nothing while the waste holds more", UpInColourWasteEmpty, Tab(0), {S(5)}, C(6), kWaste, false,
       WasteHolds},
      {"56: the same rank from a later pile", SameRankFromRight, Tab(2), {S(5)}, H(5), Tab(4), true},
      {"56: not from an earlier pile", SameRankFromRight, Tab(2), {S(5)}, H(5), Tab(1), false},
      {"56: not from the waste", SameRankFromRight, Tab(2), {S(5)}, H(5), kWaste, false},
      {"56: nothing on the empty pile", SameRankFromRight, Tab(2), {}, H(5), Tab(4), false},
      {"58: pile 5 feeds foundation 1", FourBefore, Found(0), {H(3)}, H(4), Tab(4), true, StockHolds},
      {"58: pile 5 feeds no other foundation", FourBefore, Found(1), {H(3)}, H(4), Tab(4), false, StockHolds},
      {"58: any foundation once the stock is out", FourBefore, Found(1), {H(3)}, H(4), Tab(4), true},
      {"58: in suit", FourBefore, Found(0), {H(3)}, D(4), Tab(4), false},
      {"63: in the first pass the right piles do not feed foundation 1", FirstPassSides, Found(0), {H(3)}, H(4), Tab(7),
       false, [](Table& t) { t.counts.passes = 1; }},
      {"63: in the first pass the left piles do not feed foundation 6", FirstPassSides, Found(5), {H(3)}, H(4), Tab(1),
       false, [](Table& t) { t.counts.passes = 1; }},
      {"63: in the first pass a pile feeds its own side", FirstPassSides, Found(0), {H(3)}, H(4), Tab(1), true,
       [](Table& t) { t.counts.passes = 1; }},
      {"63: later, any pile", FirstPassSides, Found(0), {H(3)}, H(4), Tab(7), true,
       [](Table& t) { t.counts.passes = 2; }},
      {"63: in suit", FirstPassSides, Found(0), {H(3)}, D(4), Tab(7), false, [](Table& t) { t.counts.passes = 2; }},
      {"70: from the place beside it", GridNeighbour, Tab(6), {}, H(4), Tab(5), true,
       [](Table& t) { t.rules[kGridRowLengthRule] = 5; }},
      {"70: from the place above it", GridNeighbour, Tab(6), {}, H(4), Tab(1), true,
       [](Table& t) { t.rules[kGridRowLengthRule] = 5; }},
      {"70: not from a corner", GridNeighbour, Tab(6), {}, H(4), Tab(0), false,
       [](Table& t) { t.rules[kGridRowLengthRule] = 5; }},
      {"70: not from the end of the row before", GridNeighbour, Tab(5), {}, H(4), Tab(4), false,
       [](Table& t) { t.rules[kGridRowLengthRule] = 5; }},
      {"70: never onto a card", GridNeighbour, Tab(6), {S(9)}, H(4), Tab(5), false,
       [](Table& t) { t.rules[kGridRowLengthRule] = 5; }},
      {"80: up or down in suit, wrapping", NotFromTableauWrapping, Found(0), {S(K)}, S(A), kWaste, true},
      {"80: any card on the empty pile", NotFromTableauWrapping, Found(0), {}, S(9), kWaste, true},
      {"80: nothing from the tableau", NotFromTableauWrapping, Found(0), {S(5)}, S(6), Tab(1), false},
      {"80: not another suit", NotFromTableauWrapping, Found(0), {S(5)}, H(6), kWaste, false},
      {"81: beside a reserve with cards, one rank either way in suit", EmptyReserveOrBesideReserve, Found(0), {S(5)},
       S(4), kWaste, true, [](Table& t) { t.put(Res(0), {C(9)}); }},
      {"81: beside a reserve with cards, not another suit", EmptyReserveOrBesideReserve, Found(0), {S(5)}, H(4), kWaste,
       false, [](Table& t) { t.put(Res(0), {C(9)}); }},
      {"81: beside an empty reserve, any card", EmptyReserveOrBesideReserve, Found(0), {S(5)}, H(9), kWaste, true},
      {"81: nothing from the tableau", EmptyReserveOrBesideReserve, Found(0), {S(5)}, H(9), Tab(1), false},
      {"82: in suit once the stock and the waste are out", GroupOnceStockOut, Found(0), {H(3)}, H(4), Tab(1), true},
      {"82: nothing while the stock holds cards", GroupOnceStockOut, Found(0), {H(3)}, H(4), Tab(1), false, StockHolds},
      {"82: not another suit", GroupOnceStockOut, Found(0), {H(3)}, D(4), Tab(1), false},
      {"94: down in alternating colours", DownAlternateReserveConsent, Tab(0), {S(8)}, H(7), kWaste, true},
      {"94: not the same colour", DownAlternateReserveConsent, Tab(0), {S(8)}, C(7), kWaste, false},
      {"94: the empty pile takes the waste card while the reserves are empty", DownAlternateReserveConsent, Tab(0), {},
       H(7), kWaste, true},
      {"94: but not while a reserve holds cards", DownAlternateReserveConsent, Tab(0), {}, H(7), kWaste, false,
       [](Table& t) { t.put(Res(2), {C(9)}); }},
      {"94: the empty pile takes nothing from the tableau", DownAlternateReserveConsent, Tab(0), {}, H(7), Tab(3), false},
      {"95: up in suit", UpInSuitReserveConsent, Found(0), {S(5)}, S(6), kWaste, true},
      {"95: an Ace on the empty pile", UpInSuitReserveConsent, Found(0), {}, S(A), kWaste, true},
      {"95: not another suit", UpInSuitReserveConsent, Found(0), {S(5)}, H(6), kWaste, false},
      {"108: up or down in suit while the stock holds cards", WhileStockHolds, Found(0), {S(5)}, S(4), kWaste, true,
       StockHolds},
      {"108: not another suit", WhileStockHolds, Found(0), {S(5)}, H(4), kWaste, false, StockHolds},
      {"108: any card on the empty pile", WhileStockHolds, Found(0), {}, H(9), kWaste, true, StockHolds},
      {"108: nothing once the stock is out", WhileStockHolds, Found(0), {S(5)}, S(4), kWaste, false},
      {"116: in suit", InSuitEmptyAfterReserves, Tab(0), {S(5)}, S(4), kWaste, true},
      {"116: not another suit", InSuitEmptyAfterReserves, Tab(0), {S(5)}, C(4), kWaste, false},
      {"116: the empty pile once the reserves are empty", InSuitEmptyAfterReserves, Tab(0), {}, C(4), kWaste, true},
      {"116: not while a reserve holds cards", InSuitEmptyAfterReserves, Tab(0), {}, C(4), kWaste, false,
       [](Table& t) { t.put(Res(1), {D(9)}); }},
  };
  for (const Case& c : cases) Check(c);
}

// How many cards the destination, or a partner pile, holds.
TEST(BuildingCodes, CountedRules) {
  using namespace building_code;
  const auto hearts = [](int from, int to) {
    return [from, to](Table& t) {
      for (int r = from; r <= to; ++r) t.put(Found(0), {H(r)});
    };
  };
  const auto sixKings = [](Table& t) { t.put(Found(6), {C(K)}); };
  const Case cases[] = {
      {"26: up by one on a short pile", UpOrDownToThree, Tab(0), {S(8)}, H(9), kWaste, true},
      {"26: down by one on a short pile", UpOrDownToThree, Tab(0), {S(8)}, H(7), kWaste, true},
      {"26: nothing on three cards", UpOrDownToThree, Tab(0), {S(10), S(9), S(8)}, H(7), kWaste, false},
      {"26: the empty pile by its fill rule", UpOrDownToThree, Tab(0), {}, H(K), kWaste, true,
       [](Table& t) { t.rules[rule::TableauFill] = K; }},
      {"26: not another rank", UpOrDownToThree, Tab(0), {}, H(Q), kWaste, false,
       [](Table& t) { t.rules[rule::TableauFill] = K; }},
      {"29: up to the King", UpToKingThenDown, Found(0), {}, H(K), kWaste, true, hearts(A, Q)},
      {"29: a second King on the thirteenth card", UpToKingThenDown, Found(0), {}, H(K) + kCardsPerDeck, kWaste, true,
       hearts(A, K)},
      {"29: nothing else on the thirteenth card", UpToKingThenDown, Found(0), {}, H(Q) + kCardsPerDeck, kWaste, false,
       hearts(A, K)},
      {"29: then down", UpToKingThenDown, Found(0), {}, H(Q) + kCardsPerDeck, kWaste, true,
       [](Table& t) {
         for (int r = A; r <= K; ++r) t.put(Found(0), {H(r)});
         t.put(Found(0), {H(K) + kCardsPerDeck});
       }},
      {"29: the empty pile by its base rank", UpToKingThenDown, Found(0), {}, H(A), kWaste, true},
      {"30: up or down on one card", InSuitKeepsDirection, Found(0), {S(7)}, S(6), kWaste, true},
      {"30: keeps going down", InSuitKeepsDirection, Found(0), {S(7), S(6)}, S(5), kWaste, true},
      {"30: does not turn", InSuitKeepsDirection, Found(0), {S(7), S(6)}, S2(7), kWaste, false},
      {"30: keeps going up", InSuitKeepsDirection, Found(0), {S(6), S(7)}, S(8), kWaste, true},
      {"30: never a King on an Ace", InSuitKeepsDirection, Found(0), {S(A)}, S(K), kWaste, false},
      {"30: nothing on the empty pile", InSuitKeepsDirection, Found(0), {}, S(A), kWaste, false},
      {"36: the first foundation starts freely", DownAfterPreviousFoundation, Found(0), {}, H(A), kWaste, true},
      {"36: the next waits for the one before", DownAfterPreviousFoundation, Found(1), {}, H(A), kWaste, false},
      {"36: and starts once it holds cards", DownAfterPreviousFoundation, Found(1), {}, H(A), kWaste, true,
       [](Table& t) { t.put(Found(0), {C(A)}); }},
      {"36: a King on an Ace", DownAfterPreviousFoundation, Found(0), {S(A)}, H(K), kWaste, true},
      {"36: not up", DownAfterPreviousFoundation, Found(0), {S(5)}, H(6), kWaste, false},
      {"37: doubling", Doubling, Found(0), {S(4)}, H(8), kWaste, true},
      {"37: doubling counted round 13", Doubling, Found(0), {S(7)}, H(A), kWaste, true},
      {"37: not one up", Doubling, Found(0), {S(7)}, H(8), kWaste, false},
      {"42: up in suit", KingBesidePartner, Found(0), {S(5)}, S(6), kWaste, true},
      {"42: a King waits for the foundation six on", KingBesidePartner, Found(0), {S(Q)}, S(K), kWaste, false},
      {"42: a King once it shows a King", KingBesidePartner, Found(0), {S(Q)}, S(K), kWaste, true, sixKings},
      {"42: nothing on the empty pile", KingBesidePartner, Found(0), {}, S(A), kWaste, false},
      {"46: up regardless of suit", UpFromBase, Found(0), {S(10)}, H(J), kWaste, true},
      {"46: never a Queen", UpFromBase, Found(0), {S(J)}, H(Q), kWaste, false},
      {"46: the empty pile takes the base rank", UpFromBase, Found(0), {}, H(A), kWaste, true},
      {"46: only the base rank", UpFromBase, Found(0), {}, H(2), kWaste, false},
      {"47: a King on an Ace", DownFromBase, Found(0), {S(A)}, H(K), kWaste, true},
      {"47: never a Queen", DownFromBase, Found(0), {S(K)}, H(Q), kWaste, false},
      {"49: starts while the tableau pile of its number holds cards", UpBesideTableau, Found(1), {}, H(A), kWaste, true,
       [](Table& t) { t.put(Tab(1), {C(9)}); }},
      {"49: not while it is empty", UpBesideTableau, Found(1), {}, H(A), kWaste, false},
      {"50: starts while the tableau pile eight back holds cards", DownBesideTableau, Found(8), {}, H(A), kWaste, true,
       [](Table& t) { t.put(Tab(0), {C(9)}); }},
      {"51: starts in the suit of that pile's bottom card", UpTableauSuit, Found(1), {}, S(A), kWaste, true,
       [](Table& t) { t.put(Tab(1), {S(9), H(3)}); }},
      {"51: not in another suit", UpTableauSuit, Found(1), {}, H(A), kWaste, false,
       [](Table& t) { t.put(Tab(1), {S(9), H(3)}); }},
      {"52: the suit of the bottom card eight back", DownTableauSuit, Found(8), {}, C(A), kWaste, true,
       [](Table& t) { t.put(Tab(0), {C(3)}); }},
      {"53: the first foundation builds up, an Ace on a King", FirstFoundationFirst, Found(0), {S(K)}, S2(A), kWaste, true},
      {"53: the others wait for it to hold 13", FirstFoundationFirst, Found(1), {}, H(A), kWaste, false},
      {"53: then start", FirstFoundationFirst, Found(1), {}, C(A), kWaste, true, hearts(A, K)},
      {"77: an Ace on the empty pile", FourOfEachRank, Found(0), {}, H(A), kWaste, true},
      {"77: a 2 after four Aces", FourOfEachRank, Found(0), {H(A), D(A), C(A), S(A)}, H(2), kWaste, true},
      {"77: not after three", FourOfEachRank, Found(0), {H(A), D(A), C(A)}, H(2), kWaste, false},
      {"79: up regardless of suit", UpReserveThirteenth, Found(0), {S(5)}, H(6), kWaste, true},
      {"79: the reserve of its number gives the thirteenth card", UpReserveThirteenth, Found(0), {}, H(K), Res(0), true,
       hearts(A, Q)},
      {"79: another reserve does not", UpReserveThirteenth, Found(0), {}, S(K), Res(1), false, hearts(A, Q)},
      {"79: nor does the waste", UpReserveThirteenth, Found(0), {}, S(K), kWaste, false, hearts(A, Q)},
      {"79: the reserve gives nothing earlier", UpReserveThirteenth, Found(0), {S(5)}, H(6), Res(0), false},
      {"83: down", DownToPileNumber, Found(2), {S(5)}, H(4), kWaste, true},
      {"83: stops at its number", DownToPileNumber, Found(2), {S(3)}, H(2), kWaste, false},
      {"83: foundation 7 goes past 7", DownToPileNumber, Found(6), {S(7)}, H(6), kWaste, true},
      {"91: the first foundation takes its suit in any order", RankInFoundationBefore, Found(0), {H(5)}, H(9), kWaste, true},
      {"91: not another suit", RankInFoundationBefore, Found(0), {H(5)}, S(9), kWaste, false},
      {"91: a rank the foundation before holds", RankInFoundationBefore, Found(1), {S(5)}, S(9), kWaste, true,
       [](Table& t) { t.put(Found(0), {H(5), H(9)}); }},
      {"91: not a rank it lacks", RankInFoundationBefore, Found(1), {S(5)}, S(8), kWaste, false,
       [](Table& t) { t.put(Found(0), {H(5), H(9)}); }},
      {"91: the empty pile takes the first foundation's rank", RankInFoundationBefore, Found(1), {}, S(5), kWaste, true,
       [](Table& t) { t.put(Found(0), {H(5)}); }},
      {"91: and no other", RankInFoundationBefore, Found(1), {}, S(9), kWaste, false,
       [](Table& t) { t.put(Found(0), {H(5), H(9)}); }},
  };
  for (const Case& c : cases) Check(c);
}

// A family that allows what the move rules hand it.
class AllowingFamily : public GameFamily {
 public:
  bool mayBuild(int, CardId, CardId, int, bool) const override { return true; }
};

// The codes that ask the game's family: the plain game refuses, a family that
// allows lets the rest of the code decide.
TEST(BuildingCodes, FamilyConsent) {
  using namespace building_code;
  const Case cases[] = {
      {"5: the family decides", FamilyDecides, Tab(0), {S(9)}, H(2), kWaste, true},
      {"62: the family decides", FamilyDecidesB, Tab(0), {S(9)}, H(2), kWaste, true},
      {"67: the family decides", FamilyDecidesC, Tab(0), {S(9)}, H(2), kWaste, true},
      {"113: the family decides", FamilyDecidesD, Tab(0), {S(9)}, H(2), kWaste, true},
      {"38: while the waste holds cards", KingThenAny, Tab(0), {S(K)}, H(Q), Tab(3), true, WasteHolds},
      {"41: the empty pile by the group's suit test", InSuitByTwoRound, Found(0), {}, H(A), kWaste, true},
      {"58: an Ace on the empty foundation", FourBefore, Found(0), {}, H(A), kWaste, true},
      {"71: into an empty tableau place", EmptyFamilyPlace, Tab(0), {}, H(4), Tab(3), true},
      {"82: the empty foundation by the group test", GroupOnceStockOut, Found(0), {}, H(A), Tab(1), true},
      {"94: a card from a reserve", DownAlternateReserveConsent, Tab(0), {S(8)}, H(7), Res(0), true},
      {"95: a card from a reserve", UpInSuitReserveConsent, Found(0), {S(5)}, S(6), Res(0), true},
      {"96: in suit by the group test", FamilyGroupInSuit, Found(0), {S(5)}, S(6), kWaste, true},
      {"99: from the first eight piles by the table test", FirstEightPilesFamily, Found(0), {S(5)}, S(6), Tab(7), true},
  };
  const AllowingFamily allowing;
  for (const Case& c : cases) {
    Check(c, &allowing);
    Case refused = c;
    refused.accepted = false;
    Check(refused);
  }
}

TEST(BuildingCodes, FamilyConsentIsNotEnough) {
  using namespace building_code;
  const Case cases[] = {
      {"41: the empty pile still needs the base rank", InSuitByTwoRound, Found(0), {}, H(2), kWaste, false},
      {"58: a 5 never starts a foundation", FourBefore, Found(0), {}, H(5), kWaste, false},
      {"71: never onto a card", EmptyFamilyPlace, Tab(0), {S(9)}, H(4), Tab(3), false},
      {"99: not from the ninth pile", FirstEightPilesFamily, Found(0), {S(5)}, S(6), Tab(8), false},
      {"99: not another suit", FirstEightPilesFamily, Found(0), {S(5)}, H(6), Tab(1), false},
  };
  const AllowingFamily allowing;
  for (const Case& c : cases) Check(c, &allowing);
}

// A special code on a reserve counts the reserve's cards, not those of the
// foundation with the same index.
TEST(BuildingCodes, OnAReserveTheReserveIsCounted) {
  Table t;
  t.rules[rule::ReserveAccepts] = building_code::NotFromTableauTwoAtMost;
  t.put(Found(0), {H(A), H(2)});
  t.put(kWaste, {S(9)});
  EXPECT_TRUE(t.moves().canPlace(S(9), Res(0)));
}

// Every code has one name, and no two codes share one.
TEST(BuildingCodes, NamesAreUniqueAndPlain) {
  for (const ValueName& a : kBuildingCodeNames) {
    for (char ch : a.name) EXPECT_TRUE((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_') << a.name;
    for (const ValueName& b : kBuildingCodeNames)
      if (&a != &b) {
        EXPECT_NE(a.value, b.value) << a.name << " and " << b.name;
        EXPECT_NE(a.name, b.name) << a.value << " and " << b.value;
      }
  }
  EXPECT_TRUE(IsBuildingCode(building_code::AnySuitJokersWild));
  EXPECT_FALSE(IsBuildingCode(200));
  EXPECT_FALSE(IsBuildingCode(65));
}

}  // namespace
}  // namespace velmora
