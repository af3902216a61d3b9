// Move legality: the building test, empty piles and letter codes, the unit
// rules, what may be taken from each pile, and whole positions.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/rule_index.h"
#include "moves/legal_moves.h"
#include "moves/move_rules.h"
#include "test_support.h"

namespace velmora {
namespace {

constexpr int A = 1, J = 11, Q = 12, K = 13;
constexpr CardId H(int rank) { return MakeCard(Hearts, rank); }
constexpr CardId D(int rank) { return MakeCard(Diamonds, rank); }
constexpr CardId C(int rank) { return MakeCard(Clubs, rank); }
constexpr CardId S(int rank) { return MakeCard(Spades, rank); }
constexpr CardId kJoker = kFirstJoker;

constexpr PileRef Found(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Tab(int i) { return {PileGroup::Tableau, i}; }
constexpr PileRef Res(int j) { return {PileGroup::Reserves, j}; }

// A small table with the rules of a four-foundation, eight-pile, four-cell
// game (building down in alternating colours, foundations up in suit from
// the Ace), which each test changes where it needs to.
struct Table {
  Table() {
    rules[rule::Foundations] = 4;
    rules[rule::TableauPiles] = 8;
    rules[rule::Reserves] = 4;
    rules[rule::FoundationCapacity] = 13;
    rules[rule::TableauUnitSize] = -1;
    for (int k = 0; k < 4; ++k) {
      rules[rule::FoundationBaseRank + k] = A;
      rules[rule::FoundationDirection + k] = 1;
      rules[rule::FoundationBuilding + k] = 0;
    }
    for (int i = 0; i < 8; ++i) {
      rules[rule::TableauFill + i] = -1;
      rules[rule::TableauDirection + i] = 0;
      rules[rule::TableauBuilding + i] = 3;
    }
  }

  // Lays cards face up (or as told) on a pile, bottom first.
  void put(PileRef pile, std::initializer_list<CardId> ids, Face face = Face::Up) {
    for (CardId id : ids) piles.addCard(pile, id, face, cards);
  }
  void setAllTableau(int index, int value) {
    for (int i = 0; i < 8; ++i) rules[index + i] = static_cast<std::int16_t>(value);
  }
  MoveRules moves(GameUi* ui = nullptr) const { return MoveRules(rules, piles, cards, nullptr, ui); }

  RuleRecord rules;
  PileStore piles;
  CardTable cards;
};

// --- The building test --------------------------------------------------------

TEST(BuildTest, SuitConditionsAndDirections) {
  struct Case {
    const char* what;
    int code;
    int direction;
    int baseRank;
    int wrap;  // the tableau pile's wrap flag
    bool toFoundation;
    CardId top, card;
    bool accepted;
  } cases[] = {
      {"alternating colours, down", 3, 0, A, 0, false, S(7), H(6), true},
      {"alternating colours refuse the same colour", 3, 0, A, 0, false, S(7), C(6), false},
      {"alternating colours refuse building up", 3, 0, A, 0, false, S(7), H(8), false},
      {"in suit", 0, 0, A, 0, false, S(7), S(6), true},
      {"in suit refuses another suit", 0, 0, A, 0, false, S(7), C(6), false},
      {"in colour", 1, 0, A, 0, false, S(7), C(6), true},
      {"in colour refuses red on black", 1, 0, A, 0, false, S(7), D(6), false},
      {"regardless of suit", 2, 0, A, 0, false, S(7), D(6), true},
      {"any suit but its own", 21, 0, A, 0, false, S(7), C(6), true},
      {"any suit but its own refuses its own", 21, 0, A, 0, false, S(7), S(6), false},
      {"no building", 4, 0, A, 0, false, S(7), H(6), false},
      {"anything", 12, 0, A, 0, false, S(7), S(2), true},
      {"code 6 refuses every card", 6, 0, A, 0, false, S(7), H(6), false},
      {"a joker matches no rank", 2, 0, A, 0, false, S(7), kJoker, false},
      // Up on a tableau pile whose base rank is 5 and which does not wrap.
      {"base rank 5: a 5 takes nothing", 2, 1, 5, 0, false, S(5), H(6), false},
      {"base rank 5: a 4 takes a 5", 2, 1, 5, 0, false, S(4), H(5), true},
      {"base rank 5: a King takes an Ace", 2, 1, 5, 0, false, S(K), H(A), true},
      {"wrapping continues past the base rank", 2, 1, 5, 1, false, S(5), H(6), true},
      {"up or down stops at the base rank both ways", 2, 2, 5, 0, false, S(5), H(4), false},
      {"up or down: down", 2, 2, A, 0, false, S(5), H(4), true},
      {"up or down: up", 2, 2, A, 0, false, S(5), H(6), true},
      {"down onto the base rank Ace refused", 3, 0, A, 0, false, S(A), H(K), false},
      {"down: an Ace takes a King when the base rank allows", 3, 0, 5, 0, false, S(A), H(K), true},
      {"down: an Ace on a letter base stops", 3, 0, 81, 0, false, S(A), H(K), false},
      {"down: an Ace takes only a King", 3, 0, 5, 0, false, S(A), H(2), false},
      {"Ace and King rule: a 2 on an Ace", 2, 2, A, 2, false, S(A), H(2), true},
      {"Ace and King rule: a Queen on a King", 2, 2, A, 2, false, S(K), H(Q), true},
      {"Ace and King rule: other cards refused", 2, 2, A, 2, false, S(7), H(6), false},
      {"Ace and King rule: an Ace takes a 2 only building up", 2, 0, A, 2, false, S(A), H(2), false},
      // Foundations.
      {"foundation up from the Ace: a King takes nothing", 0, 1, A, 0, true, S(K), S(A), false},
      {"foundation up from 7: a King takes the Ace", 0, 1, 7, 0, true, S(K), S(A), true},
      {"foundation up", 0, 1, A, 0, true, S(4), S(5), true},
      {"foundation down from the King: an Ace takes nothing", 0, 0, K, 0, true, S(A), S(K), false},
      {"foundation down from 7: an Ace takes the King", 0, 0, 7, 0, true, S(A), S(K), true},
      {"foundation up or down past the King: down still counts", 0, 2, A, 0, true, S(K), S(Q), true},
      // Building by intervals.
      {"by 2", 14, 1, A, 0, true, S(5), H(7), true},
      {"by 2 turns the corner", 14, 1, A, 0, true, S(Q), H(A), true},
      {"by 2 refuses a step of 1", 14, 1, A, 0, true, S(5), H(6), false},
      {"by 3 turns the corner", 15, 1, A, 0, true, S(J), H(A), true},
      {"by 4", 16, 1, A, 0, true, S(9), H(K), true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::TableauWrap] = static_cast<std::int16_t>(c.wrap);
    t.rules[rule::TableauDirection] = static_cast<std::int16_t>(c.direction);
    const MoveRules moves = t.moves();
    const BuildCase test{.top = c.top,
                         .card = c.card,
                         .emptyRule = -1,
                         .placing = true,
                         .pile = 0,
                         .wrapAllowed = c.wrap > 0,
                         .toFoundation = c.toFoundation,
                         .code = c.code,
                         .direction = c.direction,
                         .baseRank = c.baseRank};
    EXPECT_EQ(moves.buildTest(test), c.accepted) << c.what;
  }
}

TEST(BuildTest, TheSameCardIsNeverPlacedOnItself) {
  Table t;
  EXPECT_FALSE(t.moves().buildTest(BuildCase{.top = S(7), .card = S(7), .code = 12}));
}

TEST(BuildTest, SpecialCodes) {
  struct Case {
    const char* what;
    int code;
    PileRef from;  // where the card lies
    CardId top;    // on the destination; 0 empty
    CardId card;
    bool accepted;
  } cases[] = {
      {"17: any card from the waste", 17, kWaste, S(4), H(9), true},
      {"17: nothing from the tableau", 17, Tab(1), S(4), H(9), false},
      {"18: a tableau card only on an empty pile", 18, Tab(1), S(4), H(9), false},
      {"18: a tableau card on an empty pile", 18, Tab(1), kNoCard, H(9), true},
      {"19: nothing from a reserve", 19, Res(0), kNoCard, H(9), false},
      {"20: an Ace on the empty pile", 20, kWaste, kNoCard, H(A), true},
      {"20: up regardless of suit", 20, kWaste, S(4), H(5), true},
      {"20: an Ace on a King", 20, kWaste, S(K), H(A), true},
      {"11: a Queen never on a King", 11, kWaste, S(K), S(Q), false},
      {"24: a King never on a Queen", 24, kWaste, S(Q), S(K), false},
      {"24: otherwise in suit", 24, kWaste, S(8), S(7), true},
      {"27: nothing from a reserve", 27, Res(0), S(8), H(7), false},
      {"27: otherwise alternating colours", 27, kWaste, S(8), H(7), true},
      {"27: alternating colours only", 27, kWaste, S(8), C(7), false},
      {"31: nothing on an Ace", 31, kWaste, S(A), S(K), false},
      {"34: down regardless of suit", 34, kWaste, S(8), S(7), true},
      {"43: in suit by two", 43, kWaste, S(5), S(7), true},
      {"68: up or down, King and Ace adjoining", 68, kWaste, S(K), H(A), true},
      {"68: refuses the empty pile", 68, kWaste, kNoCard, H(A), false},
      {"76: any lower card", 76, kWaste, S(9), H(3), true},
      {"76: not a higher one", 76, kWaste, S(9), H(10), false},
      {"92: only an Ace", 92, kWaste, S(9), H(A), true},
      {"5: the family decides, and no family allows", 5, kWaste, S(9), H(8), false},
      {"an unknown code builds down without a suit condition", 200, kWaste, S(9), S(8), true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::Reserves] = 1;
    t.put(c.from, {c.card});
    const MoveRules moves = t.moves();
    const BuildCase test{.top = c.top, .card = c.card, .emptyRule = -1, .placing = true, .pile = 2, .code = c.code, .direction = 0, .baseRank = A};
    EXPECT_EQ(moves.buildTest(test), c.accepted) << c.what;
  }
}

// --- Empty piles ---------------------------------------------------------------

TEST(EmptyPiles, FillRulesAndLetterCodes) {
  struct Case {
    const char* what;
    int fill;
    int baseRank;  // rule 52
    PileRef from;
    CardId card;
    bool accepted;
  } cases[] = {
      {"fill 0 takes nothing", 0, A, Tab(1), S(K), false},
      {"fill -1 takes any card", -1, A, Tab(1), H(4), true},
      {"fill 13 takes a King", 13, A, Tab(1), S(K), true},
      {"fill 13 takes only a King", 13, A, Tab(1), S(Q), false},
      {"with base rank -1 any card whatever the fill", 0, -1, Tab(1), H(4), true},
      {"82 never", 82, A, kWaste, H(4), false},
      {"83 never, even with base rank -1", 83, -1, kWaste, H(4), false},
      {"87 not from the waste", 87, A, kWaste, H(4), false},
      {"87 from a tableau pile", 87, A, Tab(1), H(4), true},
      {"88 not from a tableau pile", 88, A, Tab(1), H(4), false},
      {"88 from the waste", 88, A, kWaste, H(4), true},
      {"96 from the waste while no reserve holds cards", 96, A, kWaste, H(4), true},
      {"96 not from a tableau pile", 96, A, Tab(1), H(4), false},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::TableauFill + 0] = static_cast<std::int16_t>(c.fill);
    t.rules[rule::FoundationBaseRank] = static_cast<std::int16_t>(c.baseRank);
    t.put(c.from, {c.card});
    EXPECT_EQ(t.moves().canPlace(c.card, "Fila1"), c.accepted) << c.what;
  }
}

TEST(EmptyPiles, SingleCardCodeRefusesAUnit) {
  Table t;
  t.rules[rule::TableauFill] = 86;
  t.put(Tab(1), {S(9), H(8)});
  EXPECT_FALSE(t.moves().canPlace(S(9), Tab(0)));
  EXPECT_TRUE(t.moves().canPlace(H(8), Tab(0)));
}

TEST(EmptyPiles, RankOfTheFoundationsBottomCards) {
  Table t;
  t.rules[rule::TableauFill] = 92;
  t.put(Found(0), {S(5), S(6)});
  t.put(Tab(1), {H(5)});
  t.put(Tab(2), {H(6)});
  EXPECT_TRUE(t.moves().canPlace(H(5), Tab(0)));
  EXPECT_FALSE(t.moves().canPlace(H(6), Tab(0)));

  Table none;  // 93: while no foundation holds a card, only from a reserve
  none.rules[rule::TableauFill] = 93;
  none.put(Tab(1), {H(5)});
  none.put(Res(0), {H(6)});
  EXPECT_FALSE(none.moves().canPlace(H(5), Tab(0)));
  EXPECT_TRUE(none.moves().canPlace(H(6), Tab(0)));
}

TEST(EmptyPiles, ReserveThenWaste) {
  Table t;
  t.rules[rule::TableauFill] = 96;
  t.put(Res(0), {H(6)});
  t.put(kWaste, {H(9)});
  EXPECT_TRUE(t.moves().canPlace(H(6), Tab(0)));
  EXPECT_FALSE(t.moves().canPlace(H(9), Tab(0))) << "a reserve holds cards";
}

// Foundations sharing a letter code start balanced by colour: no colour may
// start more than half of them, rounded down.
TEST(EmptyPiles, ColourBalanceAcrossFoundations) {
  struct Case {
    const char* what;
    int sharing;  // foundations with the code, from foundation 1
    int code;
    std::vector<CardId> started;  // bottom cards of foundations 2, 3, ...
    CardId card;                  // offered to foundation 1
    bool accepted;
  } cases[] = {
      {"four foundations: a second red Ace", 4, 81, {H(A)}, D(A), true},
      {"four foundations: a third red Ace", 4, 81, {H(A), D(A)}, H(A) + 52, false},
      {"four foundations: a black Ace after two red", 4, 81, {H(A), D(A)}, S(A), true},
      {"three foundations: the odd one out is never started", 3, 81, {H(A), S(A)}, D(A), false},
      {"three foundations: one of each colour", 3, 81, {H(A)}, S(A), true},
      {"only an Ace", 4, 81, {}, H(2), false},
      {"84 takes a King", 4, 84, {H(K)}, S(K), true},
      {"84: each suit once", 4, 84, {H(K)}, H(K) + 52, false},
      {"85: each suit once", 4, 85, {S(A)}, S(A) + 52, false},
      {"90 takes a 2", 4, 90, {}, C(2), true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::Foundations] = 6;
    for (int k = 0; k < c.sharing; ++k) t.rules[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(c.code);
    for (std::size_t s = 0; s < c.started.size(); ++s) t.put(Found(static_cast<int>(s) + 1), {c.started[s]});
    t.put(kWaste, {c.card});
    EXPECT_EQ(t.moves().canPlace(c.card, Found(0)), c.accepted) << c.what;
  }
}

TEST(EmptyPiles, AJokerOfferedToASuitCodeIsReported) {
  Table t;
  for (int k = 0; k < 4; ++k) t.rules[rule::FoundationBaseRank + k] = 81;
  t.put(kWaste, {kJoker});
  testing::RecordingUi ui;
  EXPECT_FALSE(t.moves().canPlace(kJoker, Found(0))) << "asked quietly";
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(t.moves(&ui).canPlace(kJoker, Found(0)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error suit - 1");
}

// --- Foundations, tableau and reserves -------------------------------------------

TEST(Foundations, SingleCardsUpToTheCapacity) {
  Table t;
  t.rules[rule::FoundationCapacity] = 3;
  t.put(Found(0), {S(A), S(2), S(3)});
  t.put(Found(1), {H(A), H(2)});
  t.put(Tab(0), {H(4), H(3)});
  t.put(Tab(1), {S(4)});
  const MoveRules moves = t.moves();
  EXPECT_FALSE(moves.canPlace(S(4), "Dest1")) << "full";
  EXPECT_TRUE(moves.canPlace(H(3), "Dest2"));
  EXPECT_FALSE(moves.canPlace(H(4), "Dest2")) << "a unit of two cards";
  EXPECT_FALSE(moves.canPlace(H(3), "Dest5")) << "foundation not in use";
  t.rules[rule::FoundationCapacityEach] = 4;  // foundation 1's own capacity
  EXPECT_TRUE(t.moves().canPlace(S(4), "Dest1"));
}

TEST(Foundations, FullDeckCodeGrowsPastTheCapacity) {
  Table t;
  t.rules[rule::FoundationCapacity] = 13;
  t.rules[rule::FoundationBuilding] = 20;
  for (int r = A; r <= K; ++r) t.put(Found(0), {MakeCard(r % 4, r)});
  t.put(kWaste, {S(A)});
  EXPECT_TRUE(t.moves().canPlace(S(A), Found(0)));
  t.piles.pile(Found(0)).resize(52, D(9));
  EXPECT_FALSE(t.moves().canPlace(S(A), Found(0))) << "52 cards at most";
}

TEST(Foundations, QueensOnlyAndBelowTableauTopCodes) {
  Table t;
  t.rules[rule::FoundationBuilding] = 10;
  t.rules[rule::FoundationBuilding + 1] = 22;
  t.put(kWaste, {S(Q)});
  t.put(Tab(0), {H(9)});
  t.put(Tab(1), {H(J), S(5)});
  t.put(Tab(2), {S(8)});
  const MoveRules moves = t.moves();
  EXPECT_TRUE(moves.canPlace(S(Q), Found(0)));
  EXPECT_FALSE(moves.canPlace(S(5), Found(0))) << "Queens only";
  EXPECT_TRUE(moves.canPlace(S(5), Found(1))) << "a higher spade tops a pile";
  EXPECT_FALSE(moves.canPlace(H(9), Found(1))) << "no higher heart tops a pile";
  EXPECT_FALSE(moves.canPlace(S(Q), Found(1))) << "no spade above the Queen";
}

TEST(Tableau, FaceDownTopsCapacityAndOwnPile) {
  Table t;
  t.put(Tab(0), {S(9)}, Face::Down);
  t.put(Tab(1), {C(9)});
  t.put(Tab(2), {H(8)});
  t.put(Tab(3), {S(K), D(Q)});
  MoveRules moves = t.moves();
  EXPECT_FALSE(moves.canPlace(H(8), "Fila1")) << "its top card is face down";
  EXPECT_TRUE(moves.canPlace(H(8), "Fila2"));
  EXPECT_FALSE(moves.canPlace(D(Q), "Fila4")) << "never back onto its own pile";
  t.rules[rule::TableauCapacity] = 1;
  EXPECT_FALSE(t.moves().canPlace(H(8), "Fila2"));
  t.rules[rule::Family] = 40;
  t.rules[rule::TableauCapacity] = -1;
  t.rules[rule::TableauBuilding] = 2;
  EXPECT_TRUE(t.moves().canPlace(H(8), "Fila1")) << "family 40 builds on face-down cards";
}

TEST(Tableau, UnitSequenceCheck) {
  struct Case {
    const char* what;
    int check;  // rule 2
    int code;
    std::initializer_list<CardId> unit;
    bool accepted;
  } cases[] = {
      {"an ordered run", 1, 3, {H(8), S(7), D(6)}, true},
      {"a broken run", 1, 3, {H(8), S(7), C(6)}, false},
      {"no check", 0, 3, {H(8), S(7), C(6)}, true},
      {"in suit when asked: mixed suits", 10, 2, {H(8), S(7), D(6)}, false},
      {"in suit when asked", 10, 2, {H(8), H(7), H(6)}, true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::UnitSequenceCheck] = static_cast<std::int16_t>(c.check);
    t.setAllTableau(rule::TableauBuilding, c.code);
    t.put(Tab(0), {C(9)});
    t.put(Tab(1), c.unit);
    EXPECT_EQ(t.moves().canPlace(H(8), Tab(0)), c.accepted) << c.what;
  }
}

TEST(Tableau, SingleCardsOnlyOnABuiltPileWithCode34) {
  Table t;
  t.setAllTableau(rule::TableauBuilding, 34);
  t.put(Tab(0), {C(9)});
  t.put(Tab(1), {H(8), S(7)});
  t.put(Tab(2), {D(8)});
  EXPECT_FALSE(t.moves().canPlace(H(8), Tab(0)));
  EXPECT_TRUE(t.moves().canPlace(D(8), Tab(0)));
  EXPECT_TRUE(t.moves().canPlace(H(8), Tab(3))) << "the empty pile";
}

TEST(Tableau, WastePriority) {
  struct Case {
    const char* what;
    int priority;
    PileRef destination;
    bool stockHolds;
    bool accepted;
  } cases[] = {
      {"1: a tableau card waits for the foundations", 1, Found(0), true, false},
      {"1: tableau to tableau is free", 1, Tab(0), true, true},
      {"1: once stock and waste are empty", 1, Found(0), false, true},
      {"2: tableau to tableau waits too", 2, Tab(0), true, false},
      {"0: no priority", 0, Found(0), true, true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::WastePriority] = static_cast<std::int16_t>(c.priority);
    t.put(Found(0), {S(A)});
    t.put(Tab(0), {H(3)});
    t.put(Tab(1), {S(2)});
    if (c.stockHolds) t.put(kStock, {D(9)}, Face::Down);
    EXPECT_EQ(t.moves().canPlace(S(2), c.destination), c.accepted) << c.what;
  }
}

TEST(Reserves, AcceptanceCodes) {
  struct Case {
    const char* what;
    int code;
    std::initializer_list<CardId> onReserve;  // reserve 1
    PileRef from;
    std::initializer_list<CardId> fromPile;  // the offered card first
    bool accepted;
  } cases[] = {
      {"a free cell takes a card", 0, {}, Tab(0), {H(5)}, true},
      {"a free cell holds one card", 0, {S(9)}, Tab(0), {H(5)}, false},
      {"a free cell takes no unit", 0, {}, Tab(0), {H(5), S(4)}, false},
      {"4 nothing", 4, {}, Tab(0), {H(5)}, false},
      {"12 anything, units too", 12, {S(9)}, Tab(0), {H(5), S(4)}, true},
      {"8 a King", 8, {S(K)}, Tab(0), {H(K)}, true},
      {"8 only while it holds fewer than 3", 8, {S(K), C(K), D(K)}, Tab(0), {H(K)}, false},
      {"8 only Kings", 8, {}, Tab(0), {H(Q)}, false},
      {"85 the waste card", 85, {}, kWaste, {H(5)}, true},
      {"85 nothing else", 85, {}, Tab(0), {H(5)}, false},
      {"13 while it holds fewer than 5", 13, {S(2), S(3), S(4), S(5)}, Tab(0), {H(5)}, true},
      {"107 any Ace on the empty reserve", 107, {}, Tab(0), {H(A)}, true},
      {"107 an Ace of the other colour", 107, {S(A)}, Tab(0), {H(A)}, true},
      {"107 not of the same colour", 107, {S(A)}, Tab(0), {C(A)}, false},
      {"88 a Jack", 88, {}, Tab(0), {H(J)}, true},
      {"89 a Queen only", 89, {}, Tab(0), {H(J)}, false},
      {"9 a face card", 9, {}, Tab(0), {H(K)}, true},
      {"9 not a 10", 9, {}, Tab(0), {H(10)}, false},
      {"81 any single card", 81, {}, Tab(0), {H(2)}, true},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::ReserveAccepts] = static_cast<std::int16_t>(c.code);
    t.put(Res(0), c.onReserve);
    t.put(c.from, c.fromPile);
    EXPECT_EQ(t.moves().canPlace(*c.fromPile.begin(), "Appogg1"), c.accepted) << c.what;
  }
}

// --- Units and taking -----------------------------------------------------------

// Rule 13 limits the cards moved together, counting free cells (f) and
// empty tableau piles (e).
TEST(UnitSize, CountingCodes) {
  struct Case {
    const char* what;
    int rule13;
    int unit;  // cards in the unit
    int freeCells;
    int emptyPiles;
    bool toEmptyPile;
    bool allowed;
  } cases[] = {
      {"n: at most n", 3, 3, 0, 0, false, true},
      {"n: not more", 3, 4, 0, 0, false, false},
      {"-1: any", -1, 12, 0, 0, false, true},
      {"-6: four cards, two cells, no empty pile", -6, 4, 2, 0, false, false},
      {"-6: three cards, two cells", -6, 3, 2, 0, false, true},
      {"-6: with an empty pile, cells plus piles", -6, 3, 2, 1, false, true},
      {"-6: no more than cells plus piles", -6, 4, 2, 1, false, false},
      {"-5: onto a built pile, cells plus piles plus one", -5, 4, 2, 1, false, true},
      {"-5: onto an empty pile, cells plus piles", -5, 4, 2, 1, true, false},
      {"-5: no empty pile, cells plus one", -5, 3, 2, 0, false, true},
      {"-5: no empty pile, not more", -5, 4, 2, 0, false, false},
      {"-7: no free place, one card", -7, 1, 0, 0, false, true},
      {"-7: no free place, not two", -7, 2, 0, 0, false, false},
      {"-7: cells plus one", -7, 4, 3, 0, false, true},
      {"-7: not more than cells plus one", -7, 5, 3, 0, false, false},
      {"-7: doubled by an empty pile", -7, 2, 0, 1, false, true},
      {"-7: the empty target is not counted", -7, 2, 0, 1, true, false},
      {"-7: (cells + 1) x 2^piles", -7, 12, 2, 2, false, true},
      {"-7: not more", -7, 13, 2, 2, false, false},
      {"-7: to an empty pile, 2^(piles - 1)", -7, 6, 2, 2, true, true},
      {"-7: to an empty pile, not more", -7, 7, 2, 2, true, false},
      {"-7: many empty piles do not overflow", -7, 13, 0, 39, false, true},
      {"other negative: at most the empty piles", -3, 2, 0, 2, false, true},
      {"other negative: counting at least one", -3, 1, 0, 0, false, true},
      {"other negative: more than the empty piles", -3, 3, 4, 2, false, false},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::TableauUnitSize] = static_cast<std::int16_t>(c.rule13);
    t.rules[rule::TableauPiles] = static_cast<std::int16_t>(1 + c.emptyPiles);
    t.rules[rule::Reserves] = static_cast<std::int16_t>(c.freeCells);
    for (int n = 0; n < c.unit; ++n) t.put(Tab(0), {MakeCard(n % 4, K - n)});
    EXPECT_EQ(t.moves().unitSizeAllowed(MakeCard(0, K), c.toEmptyPile), c.allowed) << c.what;
  }
}

// The free-cell count as the table asks it: a unit going to an empty pile
// does not count that pile among the free places, one going to a built pile does.
TEST(UnitSize, FreeCellsDoubledLeavesOutTheEmptyTarget) {
  Table t;
  t.rules[rule::TableauUnitSize] = -7;
  t.rules[rule::TableauPiles] = 3;
  t.rules[rule::Reserves] = 0;
  t.put(Tab(0), {S(9), H(8), S(7)});
  t.put(Tab(1), {C(9)});
  const MoveRules moves = t.moves();
  EXPECT_TRUE(moves.canPlace(H(8), Tab(1))) << "a unit of 2 with one empty pile goes to a built pile";
  EXPECT_FALSE(moves.canPlace(H(8), Tab(2))) << "but not to the empty pile itself";
  EXPECT_TRUE(moves.canPlace(S(7), Tab(2))) << "a single card goes to the empty pile";
}

TEST(UnitSize, KingRunsWholePilesAndGaps) {
  Table t;
  t.put(Tab(0), {H(9), S(K), H(Q), S(J)});
  t.rules[rule::TableauUnitSize] = -12;
  EXPECT_TRUE(t.moves().unitSizeAllowed(S(K), false));
  EXPECT_FALSE(t.moves().unitSizeAllowed(H(Q), false));
  EXPECT_TRUE(t.moves().unitSizeAllowed(S(J), false));
  t.rules[rule::TableauUnitSize] = -13;
  EXPECT_TRUE(t.moves().unitSizeAllowed(H(9), false)) << "the whole pile";
  EXPECT_FALSE(t.moves().unitSizeAllowed(S(K), false));
  t.rules[rule::TableauUnitSize] = -16;
  t.piles.pile(Tab(1)) = {kNoCard, kNoCard, H(5), D(5)};
  EXPECT_TRUE(t.moves().unitSizeAllowed(H(5), false)) << "only gaps before it";
  EXPECT_FALSE(t.moves().unitSizeAllowed(H(Q), false));
}

TEST(UnitSize, GroupTestOfTableauAndReserves) {
  Table t;
  t.rules[rule::TableauPiles] = 20;
  t.rules[rule::Reserves] = 10;
  t.rules[rule::TableauUnitSize] = -15;
  t.put(Tab(12), {H(5)});  // first half of the second group: piles 11 and 12 must be empty
  t.put(Tab(17), {S(5)});  // second half: piles 19 and 20 must be empty
  EXPECT_TRUE(t.moves().groupTestAllows(H(5)));
  EXPECT_TRUE(t.moves().groupTestAllows(S(5)));
  t.put(Tab(10), {D(2)});
  t.put(Tab(19), {C(2)});
  EXPECT_FALSE(t.moves().groupTestAllows(H(5)));
  EXPECT_FALSE(t.moves().groupTestAllows(S(5)));
  t.put(Res(2), {H(7)});
  t.put(Res(6), {S(7)});
  EXPECT_TRUE(t.moves().groupTestAllows(H(7)));
  t.put(Res(0), {D(7)});
  t.put(Res(9), {C(7)});
  EXPECT_FALSE(t.moves().groupTestAllows(H(7))) << "reserve 1 is before reserve 3";
  EXPECT_FALSE(t.moves().groupTestAllows(S(7))) << "reserve 10 is after reserve 7";
  EXPECT_TRUE(t.moves().groupTestAllows(D(7))) << "reserve 1 has no condition";
}

TEST(Taking, ByPileKind) {
  struct Case {
    const char* what;
    int ruleIndex;
    int value;
    CardId card;
    std::string_view pile;
    TakeAnswer answer;
  } cases[] = {
      {"the waste's top card", rule::WasteTopFixed, 0, D(9), "Mazzo_Vis", TakeAnswer::Take},
      {"the waste's top card when fixed", rule::WasteTopFixed, 1, D(9), "Mazzo_Vis", TakeAnswer::Refused},
      {"not below the waste's top", rule::WasteTopFixed, 0, D(8), "Mazzo_Vis", TakeAnswer::Refused},
      {"never from the stock", rule::WasteTopFixed, 0, C(4), "Mazzo", TakeAnswer::Refused},
      {"foundation: take-back on", rule::FoundationTakeBack, 1, S(2), "Dest1", TakeAnswer::Take},
      {"foundation: take-back off", rule::FoundationTakeBack, 0, S(2), "Dest1", TakeAnswer::Refused},
      {"foundation: only the top card", rule::FoundationTakeBack, 1, S(A), "Dest1", TakeAnswer::Refused},
      {"foundation: 2 while it holds two", rule::FoundationTakeBack, 2, S(2), "Dest1", TakeAnswer::Take},
      {"foundation: 2 not from one card", rule::FoundationTakeBack, 2, H(A), "Dest2", TakeAnswer::Refused},
      {"foundation: 3 jokers only", rule::FoundationTakeBack, 3, S(2), "Dest1", TakeAnswer::Refused},
      {"foundation: 3 a joker", rule::FoundationTakeBack, 3, kJoker, "Dest3", TakeAnswer::Take},
      {"reserve: the top card", rule::ReserveTake, 0, C(7), "Appogg1", TakeAnswer::Take},
      {"reserve: not below it", rule::ReserveTake, 0, C(8), "Appogg1", TakeAnswer::Refused},
      {"reserve -11: any card", rule::ReserveTake, -11, C(8), "Appogg1", TakeAnswer::Take},
      {"reserve: not a face-down top", rule::ReserveTake, 0, H(10), "Appogg2", TakeAnswer::Refused},
      {"reserve -14: the family decides", rule::ReserveTake, -14, C(7), "Appogg1", TakeAnswer::Refused},
      {"tableau: the face-up top card", rule::TableauUnitSize, -1, H(6), "Fila1", TakeAnswer::Take},
      {"tableau: an ordered run", rule::TableauUnitSize, -1, S(7), "Fila1", TakeAnswer::Take},
      {"tableau: a run longer than allowed", rule::TableauUnitSize, 1, S(7), "Fila1", TakeAnswer::Refused},
      {"tableau: not a face-down card", rule::TableauUnitSize, -1, C(K), "Fila1", TakeAnswer::Refused},
      {"tableau: a face-down top card turns", rule::TableauUnitSize, -1, D(K), "Fila2", TakeAnswer::TurnFaceUp},
      {"tableau: not a broken run", rule::TableauUnitSize, -1, S(J), "Fila3", TakeAnswer::Refused},
      {"the card must lie on the named pile", rule::TableauUnitSize, -1, H(6), "Fila2", TakeAnswer::Refused},
      {"no card", rule::TableauUnitSize, -1, kNoCard, "Fila1", TakeAnswer::Refused},
  };
  for (const Case& c : cases) {
    Table t;
    t.rules[rule::UnitSequenceCheck] = 1;
    t.put(kStock, {C(4)}, Face::Down);
    t.put(kWaste, {D(8), D(9)});
    t.put(Found(0), {S(A), S(2)});
    t.put(Found(1), {H(A)});
    t.put(Found(2), {kJoker});
    t.put(Res(0), {C(8), C(7)});
    t.put(Res(1), {H(10)}, Face::Down);
    t.put(Tab(0), {C(K)}, Face::Down);
    t.put(Tab(0), {S(7), H(6)});
    t.put(Tab(1), {D(K)}, Face::Down);
    t.put(Tab(2), {S(J), S(10)});
    t.rules[c.ruleIndex] = static_cast<std::int16_t>(c.value);
    EXPECT_EQ(t.moves().canTake(c.card, c.pile), c.answer) << c.what;
  }
}

TEST(Taking, SpreadFansAskOnlyTheUnitSize) {
  Table t;
  t.rules[rule::TableauDisplay] = 8;
  t.rules[rule::TableauUnitSize] = -1;
  t.put(Tab(0), {S(J)}, Face::Down);
  t.put(Tab(0), {S(2)});
  EXPECT_EQ(t.moves().canTake(S(J), Tab(0)), TakeAnswer::Take);
}

TEST(Location, CodesOfEveryPlace) {
  Table t;
  t.put(kStock, {S(2)});
  t.put(kWaste, {S(3)});
  t.put(kThirdStockSlot, {S(4)});
  t.put(Found(15), {S(5)});
  t.put(Tab(39), {S(6)});
  t.put(Res(9), {S(7)});
  const MoveRules moves = t.moves();
  EXPECT_EQ(moves.locationOf(S(2)), -99);
  EXPECT_EQ(moves.locationOf(S(3)), -98);
  EXPECT_EQ(moves.locationOf(S(4)), 0);
  EXPECT_EQ(moves.locationOf(S(5)), -16);
  EXPECT_EQ(moves.locationOf(S(6)), 40);
  EXPECT_EQ(moves.locationOf(S(7)), -30);
  EXPECT_EQ(moves.locationOf(S(8)), 0);
  EXPECT_EQ(moves.locationOf(999), 0);
}

TEST(CanPlace, NamesOutsideTheBuildingPilesRefuse) {
  Table t;
  t.put(Tab(0), {H(4)});
  const MoveRules moves = t.moves();
  for (std::string_view name : {"Mazzo", "Mazzo_Vis", "Fila0", "Fila41", "Dest", "Appogg11", "Nothing"})
    EXPECT_FALSE(moves.canPlace(H(4), name)) << name;
  EXPECT_TRUE(moves.canPlace(H(4), "Fila02")) << "a leading zero is read";
  EXPECT_FALSE(moves.canPlace(S(9), "Fila2")) << "a card that lies nowhere";
}

// --- Family procedures -------------------------------------------------------------

// Answers yes and notes what it was asked.
class AgreeingFamily : public GameFamily {
 public:
  AgreeingFamily() : GameFamily({.asksTableauToFoundation = true}) {}
  bool mayGoFromTableauToFoundation(int k, CardId card) const override { return note("foundation", k, card); }
  bool mayPlaceWasteCard(CardId card, int wasteFirst, int i) const override {
    return note("waste card " + std::to_string(wasteFirst), i, card);
  }
  bool mayTakeFromReserve(int j, CardId card) const override { return note("reserve", j, card); }
  bool mayTakeFromGrid(int i, CardId card) const override { return note("grid", i, card); }
  bool mayBuild(int code, CardId, CardId card, int p, bool) const override {
    return note("code " + std::to_string(code), p, card);
  }
  mutable std::vector<std::string> asked;

 private:
  bool note(const std::string& what, int pile, CardId card) const {
    asked.push_back(what + " " + std::to_string(pile) + " " + std::to_string(card));
    return true;
  }
};

TEST(FamilyProcedures, TheirQuestionsReachTheFamily) {
  struct Case {
    const char* what;
    std::function<void(Table&)> rules;
    std::function<bool(const MoveRules&)> question;
    std::string asked;
  } cases[] = {
      {"a building code of the family", [](Table& t) { t.rules[rule::TableauBuilding + 1] = 5; },
       [](const MoveRules& m) { return m.canPlace(H(8), Tab(1)); }, "code 5 1 8"},
      {"family 23 to a foundation", [](Table& t) { t.rules[rule::Family] = 23; },
       [](const MoveRules& m) { return m.canPlace(S(A), Found(2)); }, "foundation 2 40"},
      {"waste priority 2", [](Table& t) { t.rules[rule::WastePriority] = 2; },
       [](const MoveRules& m) { return m.canPlace(D(4), Tab(1)); }, "waste card 1 1 17"},
      {"reserve take -14", [](Table& t) { t.rules[rule::ReserveTake] = -14; },
       [](const MoveRules& m) { return m.canTake(C(6), Res(0)) == TakeAnswer::Take; }, "reserve 0 32"},
      {"a grid pile", [](Table& t) { t.rules[rule::GridRows] = 1; t.rules[rule::GridRowPiles] = 2; },
       [](const MoveRules& m) { return m.canTake(H(8), Tab(0)) == TakeAnswer::Take; }, "grid 0 8"},
  };
  for (const Case& c : cases) {
    Table t;
    t.put(Tab(0), {H(8)});
    t.put(Tab(1), {C(9)});
    t.put(Tab(2), {S(A)});
    t.put(kWaste, {D(4)});
    t.put(Res(0), {C(6)});
    c.rules(t);
    AgreeingFamily family;
    const MoveRules moves(t.rules, t.piles, t.cards, &family);
    EXPECT_TRUE(c.question(moves)) << c.what;
    EXPECT_EQ(family.asked, std::vector<std::string>{c.asked}) << c.what;
    EXPECT_FALSE(c.question(t.moves())) << c.what << ": without the family's procedure";
  }
}

// --- Whole positions --------------------------------------------------------------

TEST(LegalMoves, AFreeCellPosition) {
  Table t;
  t.rules[rule::TableauUnitSize] = -5;
  t.rules[rule::UnitSequenceCheck] = 1;
  t.rules[rule::FoundationTakeBack] = 1;
  t.rules[rule::Foundations] = 1;
  t.rules[rule::TableauPiles] = 3;
  t.rules[rule::Reserves] = 2;
  t.put(Found(0), {H(A)});
  t.put(Tab(0), {C(3), H(9), S(8), H(7)});
  t.put(Tab(1), {S(10), H(2)});
  t.put(Res(0), {D(8)});
  // One free cell and one empty pile: a run of 3 may be taken, but only 2
  // cards go to the empty pile; the 9 of hearts has nowhere to go.
  const std::vector<LegalMove> expected{
      {H(A), Found(0), Tab(2), 1}, {H(A), Found(0), Res(1), 1}, {H(7), Tab(0), Tab(2), 1},
      {H(7), Tab(0), Res(1), 1},   {S(8), Tab(0), Tab(2), 2},   {H(2), Tab(1), Found(0), 1},
      {H(2), Tab(1), Tab(2), 1},   {H(2), Tab(1), Res(1), 1},   {D(8), Res(0), Tab(2), 1},
      {D(8), Res(0), Res(1), 1},
  };
  EXPECT_EQ(LegalMoves(t.moves()), expected);
}

}  // namespace
}  // namespace velmora
