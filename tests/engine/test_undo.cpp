// Undo and redo: whole games played back and forth, the counters that travel
// with the step log, one-step mode and the step log itself.
#include <gtest/gtest.h>

#include "catalogue/catalogue_startup.h"
#include "game/rule_index.h"
#include "history/history_stack.h"
#include "history/undo.h"
#include "moves/legal_moves.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;

class UndoTest : public ::testing::Test {
 protected:
  UndoTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
  }

  void start(std::string_view name) {
    const int number = game.catalogue().GameNumberByName(name);
    ASSERT_GE(number, 0) << name;
    game.rules().clearForGame();
    ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    game.store().write(store::DealNumber, "0000000000042");
    game.store().write(store::UndoEnabled, "0");
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    game.history().clear();
  }

  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }

  // A move as the play engine makes it: recorded first, the uncovered
  // tableau card turned in the same step, and the redo side cleared after.
  void play(const LegalMove& move) {
    RecordStep(game, HistorySide::Undo);
    Pile& from = game.piles().pile(move.from);
    Pile& to = game.piles().pile(move.to);
    to.insert(to.end(), from.end() - move.cards, from.end());
    from.resize(from.size() - static_cast<std::size_t>(move.cards));
    if (move.from.group == PileGroup::Tableau && !from.empty()) game.cards().setFace(from.back(), Face::Up);
    RecordStep(game, HistorySide::Redo, true);
  }

  // A press on the stock: a card to the waste, or the waste turned over.
  void pressStock() {
    RecordStep(game, HistorySide::Undo);
    Pile& stock = game.piles().pile(kStock);
    Pile& waste = game.piles().pile(kWaste);
    if (stock.empty()) {
      stock.assign(waste.rbegin(), waste.rend());
      waste.clear();
      for (CardId card : stock) game.cards().setFace(card, Face::Down);
      game.state().setWord(word::PassCounter, game.state().word(word::PassCounter) + 1);
    } else {
      waste.push_back(stock.back());
      stock.pop_back();
      game.cards().setFace(waste.back(), Face::Up);
    }
    RecordStep(game, HistorySide::Redo, true);
  }

  // The first legal move that does not simply take back the one before it.
  bool playSomething(std::optional<LegalMove>& last) {
    const MoveRules rules(game.rules(), game.piles(), game.cards());
    for (const LegalMove& move : LegalMoves(rules)) {
      if (last && move.card == last->card && move.to == last->from) continue;
      play(move);
      last = move;
      return true;
    }
    return false;
  }

  bool undo() { return TakeHistoryStep(game, HistorySide::Undo); }
  bool redo() { return TakeHistoryStep(game, HistorySide::Redo); }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

TEST_F(UndoTest, UndoingEveryStepRestoresTheDealAndRedoTheEnd) {
  for (const char* name : {"Klondike (draw one)", "FreeCell", "Spider (four suits)"}) {
    SCOPED_TRACE(name);
    start(name);
    const PileSnapshot dealt = table();
    std::optional<LegalMove> last;
    int steps = 0;
    for (int turn = 0; turn < 40; ++turn) {
      if (turn % 3 == 0 && game.rules()[rule::WasteShown] == 1 && game.piles().pile(kStock).size() > 1) {
        pressStock();
        ++steps;
      } else if (playSomething(last)) {
        ++steps;
      }
    }
    ASSERT_GT(steps, 5);
    const PileSnapshot end = table();
    for (int step = 0; step < steps; ++step) ASSERT_TRUE(undo()) << "step " << step;
    EXPECT_EQ(table(), dealt);
    EXPECT_FALSE(undo()) << "nothing left to undo";
    EXPECT_EQ(game.state().word(word::StartPhase), 0);
    for (int step = 0; step < steps; ++step) ASSERT_TRUE(redo()) << "step " << step;
    EXPECT_EQ(table(), end);
    EXPECT_FALSE(redo());
  }
}

TEST_F(UndoTest, NothingToUndoRightAfterTheDeal) {
  start("Klondike (draw one)");
  EXPECT_FALSE(undo());
  EXPECT_FALSE(redo());
}

TEST_F(UndoTest, ANewMoveDiscardsWhatWasUndone) {
  start("Klondike (draw one)");
  pressStock();
  pressStock();
  ASSERT_TRUE(undo());
  pressStock();
  EXPECT_FALSE(redo());
}

TEST_F(UndoTest, NoUndoWithoutAGameInProgress) {
  start("Klondike (draw one)");
  pressStock();
  game.state().set(flag::GameInProgress, false);
  EXPECT_FALSE(undo());
}

TEST_F(UndoTest, UndoingARedealLowersThePassCounter) {
  start("Klondike (draw one)");
  while (!game.piles().pile(kStock).empty()) pressStock();
  ASSERT_EQ(game.state().word(word::PassCounter), 1);
  pressStock();  // the waste turned over: the second pass
  ASSERT_EQ(game.state().word(word::PassCounter), 2);
  ASSERT_TRUE(undo());
  EXPECT_TRUE(game.piles().pile(kStock).empty());
  EXPECT_EQ(game.state().word(word::PassCounter), 1);
  ASSERT_TRUE(redo());
  EXPECT_FALSE(game.piles().pile(kStock).empty());
  EXPECT_EQ(game.state().word(word::PassCounter), 2);
}

TEST_F(UndoTest, TaggedStepsCarryTheirCounters) {
  start("Klondike (draw one)");
  pressStock();
  TagStep(game, step_tag::DealCountRaised);
  game.state().counters[counter::DealCount] = 1;
  pressStock();
  TagStep(game, step_tag::PassRaised);
  game.state().setWord(word::PassCounter, 2);
  EXPECT_EQ(game.history().undoLog().text(), "002,003,");

  ASSERT_TRUE(undo());
  EXPECT_EQ(game.state().word(word::PassCounter), 1);
  EXPECT_EQ(game.history().redoLog().text(), "003,");
  ASSERT_TRUE(undo());
  EXPECT_EQ(game.state().counters[counter::DealCount], 0);
  EXPECT_EQ(game.history().undoLog().text(), "");
  EXPECT_EQ(game.history().redoLog().text(), "003,002,");
  ASSERT_TRUE(redo());
  ASSERT_TRUE(redo());
  EXPECT_EQ(game.state().counters[counter::DealCount], 1);
  EXPECT_EQ(game.state().word(word::PassCounter), 2);
  EXPECT_EQ(game.history().undoLog().text(), "002,003,");
}

TEST_F(UndoTest, OneStepMode) {
  struct Case {
    const char* what;
    std::string option;
    std::string steps;  // u undo, r redo, m a move, a digit the option; upper case: expected to be refused
  } cases[] = {
      {"undo twice: the second is refused", "1", "mmuU"},
      {"undo, redo, undo all succeed", "1", "mmuru"},
      {"redo twice: the second is refused", "0", "mmuu1rR"},
      {"a move allows undo again", "1", "mmumu"},
      {"unlimited", "0", "mmuurruu"},
      {"switched off", "2", "mmU"},
  };
  for (const Case& c : cases) {
    start("Klondike (draw one)");
    game.store().write(store::UndoEnabled, c.option);
    std::string done;
    for (char step : c.steps) {
      switch (step) {
        case 'm': pressStock(); done += 'm'; break;
        case '0': case '1': case '2': game.store().write(store::UndoEnabled, std::string(1, step)); done += step; break;
        case 'u': case 'U': done += undo() ? 'u' : 'U'; break;
        case 'r': case 'R': done += redo() ? 'r' : 'R'; break;
      }
    }
    EXPECT_EQ(done, c.steps) << c.what;
  }
}

TEST_F(UndoTest, RemovalGamesLeaveTheFirstFoundationEmpty) {
  start("Klondike (draw one)");
  game.rules()[rule::RemovalTargetSum] = 13;
  game.piles().pile({PileGroup::Foundations, 0}) = {1, 2};
  pressStock();
  ASSERT_TRUE(undo());
  EXPECT_TRUE(game.piles().pile({PileGroup::Foundations, 0}).empty());
  ASSERT_TRUE(redo());
  EXPECT_EQ(game.piles().pile({PileGroup::Foundations, 0}), (Pile{1, 2})) << "redo keeps it whole";
}

TEST_F(UndoTest, SoundsUnlessQuiet) {
  start("Klondike (draw one)");
  game.store().write(store::SoundsUndo, "Y");
  game.store().write(store::SoundsRedo, "N");
  pressStock();
  pressStock();
  ASSERT_TRUE(undo());
  ASSERT_TRUE(redo());
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(ui.sounds, std::vector<std::string>{"Undo"});
}

TEST(StepLog, Operations) {
  struct Case {
    const char* what;
    std::string before;
    std::function<void(StepLog&)> operation;
    std::string after;
  } cases[] = {
      {"append", "", [](StepLog& l) { l.append(""); }, ","},
      {"append a code", "002,", [](StepLog& l) { l.append("003"); }, "002,003,"},
      {"drop the last entry", "002,,003,", [](StepLog& l) { l.dropLast(); }, "002,,"},
      {"drop the only entry", "002,", [](StepLog& l) { l.dropLast(); }, ""},
      {"drop from nothing", "", [](StepLog& l) { l.dropLast(); }, ""},
      {"replace the last entry", ",,", [](StepLog& l) { l.replaceLastByCode(2); }, ",002,"},
      {"merge the last two", "001,002,003,", [](StepLog& l) { l.mergeLastTwo(); }, "001,003,"},
  };
  for (const Case& c : cases) {
    StepLog log;
    log.setText(c.before);
    c.operation(log);
    EXPECT_EQ(log.text(), c.after) << c.what;
  }
}

TEST(StepLog, ReadingEntriesAndCodes) {
  StepLog log;
  log.setText("002,,002003,");
  EXPECT_EQ(log.lastEntry(), "002003");
  EXPECT_TRUE(log.lastHasCode(3));
  EXPECT_TRUE(log.lastHasCode(2));
  EXPECT_FALSE(log.lastHasCode(1));
  EXPECT_EQ(log.countCode(2), 2);
  EXPECT_EQ(log.entries(), 3);
  log.setText("003,");
  EXPECT_EQ(log.lastEntry(), "003");
  log.setText(",");
  EXPECT_EQ(log.lastEntry(), "");
}

TEST(CardState, StringsOfPilesAndFaces) {
  CardTable cards;
  cards.setFace(5, Face::Down);
  EXPECT_EQ(CardStateString({5, 0, 108}, cards), "005000001081");
  struct Case {
    std::string text;
    bool valid;
  } cases[] = {{"", true},       {"0051", true},  {"00001081", true}, {"1091", false},
               {"0052", false},  {"005", false},  {"a051", false},    {"-011", false}};
  for (const Case& c : cases) EXPECT_EQ(IsCardStateString(c.text), c.valid) << c.text;

  PileStore piles;
  RestorePile({PileGroup::Tableau, 3}, "005100001080", piles, cards);
  EXPECT_EQ(piles.pileString({PileGroup::Tableau, 3}), "005000108");
  EXPECT_TRUE(cards.isFaceUp(5));
  EXPECT_FALSE(cards.isFaceUp(108));
}

// The stack keeps snapshots compactly: what a file hands it comes back as the
// same text, and a table pushed comes back card for card, face for face.
TEST(HistoryStack, KeepsTextAndTablesAsTheyCame) {
  constexpr std::size_t kSteps = 2;
  HistoryStack::Lists lists;  // per group: step 1's piles, then step 2's
  lists[0].assign(kSteps * kStockSlots, "");
  lists[1].assign(kSteps * kFoundations, "");
  lists[2].assign(kSteps * kTableauPiles, "");
  lists[3].assign(kSteps * kReserves, "");
  struct Case {
    std::size_t group, entry;
    std::string text;
  } cases[] = {{0, 0, "0241013100000001"}, {1, 16, "1081"}, {2, 39, "0520"}, {3, 19, "0011002000000000"}};
  for (const Case& c : cases) lists[c.group][c.entry] = c.text;
  ASSERT_TRUE(HistoryStack::Consistent(lists));
  HistoryStack stack;
  stack.assign(lists);
  EXPECT_EQ(stack.steps(), 2);
  EXPECT_EQ(stack.lists(), lists);

  PileStore piles;
  CardTable cards;
  piles.pile(kStock) = {7, 0, 52};
  piles.pile({PileGroup::Foundations, 0}) = {1, 2};
  piles.pile({PileGroup::Tableau, 39}) = {108};
  cards.setFace(7, Face::Down);
  cards.setFace(52, Face::Up);
  cards.setFace(108, Face::Up);
  stack.push(piles, cards);
  stack.push(piles, cards, PileRef{PileGroup::Foundations, 0});
  EXPECT_EQ(stack.lists()[1][3 * kFoundations], "");  // the fourth step left foundation 1 out
  EXPECT_EQ(stack.lists()[0][3 * kStockSlots], "007000000521");

  PileStore restored;
  CardTable turned;
  stack.popOnto(restored, turned);
  EXPECT_TRUE(restored.pile({PileGroup::Foundations, 0}).empty());
  stack.popOnto(restored, turned);
  for (PileRef ref : {kStock, PileRef{PileGroup::Foundations, 0}, PileRef{PileGroup::Tableau, 39}})
    EXPECT_EQ(restored.pile(ref), piles.pile(ref));
  EXPECT_FALSE(turned.isFaceUp(7));
  EXPECT_TRUE(turned.isFaceUp(52) && turned.isFaceUp(108));
  EXPECT_EQ(stack.lists(), lists);
}

}  // namespace
}  // namespace velmora
