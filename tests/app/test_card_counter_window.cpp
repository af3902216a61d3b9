// The card counter window in the real program: "Card counter..." shows and
// hides it with its check following the window; the grid follows a move,
// its undo and redo; its options and whether it was open are kept for the next
// start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "card_counter_window.h"
#include "files/ini_document.h"
#include "main_window.h"
#include "program.h"
#include "shell/main_game.h"
#include "stock/stock_commands.h"

namespace velmora {
namespace {

constexpr int kKlondikeFaceUp = 7;
constexpr int kKlondikeFaceDown = 21;

class CardCounterWindowTest : public ::testing::Test {
 protected:
  CardCounterWindowTest() {
    QDir().mkpath(scratch.filePath("program"));
    for (const char* name : {"GAMES.DAT", "SOL.RGF"})
      QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/") + name, scratch.filePath("program/") + name);
  }

  // Klondike (draw one), deal 20.
  void start() {
    program = std::make_unique<Program>(ProgramOptions{scratch.filePath("program").toStdString(),
                                                       scratch.filePath("data").toStdString(), "1", "20"},
                                        [](const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    ASSERT_FALSE(program->start().has_value());
    QApplication::processEvents();
  }

  TfrmCardCounter& counter() { return program->cardCounter(); }
  QAction* command() { return program->mainWindow().action(Command::CardCounter); }
  int marked(CounterMark mark) {
    int count = 0;
    for (CardId card = 1; card <= kCardsPerDeck; ++card) count += counter().grid().mark(card) == mark ? 1 : 0;
    return count;
  }
  QAction* option(const QString& caption) {
    for (QAction* action : counter().optionsMenu()->actions())
      if (action->text() == caption) return action;
    ADD_FAILURE() << "no option " << caption.toStdString();
    return nullptr;
  }

  QTemporaryDir scratch;
  std::unique_ptr<Program> program;
};

TEST_F(CardCounterWindowTest, FollowsAMoveUndoAndRedo) {
  start();
  ASSERT_TRUE(command()->isEnabled());
  EXPECT_FALSE(counter().isVisible());
  command()->trigger();
  ASSERT_TRUE(counter().isVisible());
  EXPECT_TRUE(command()->isChecked());
  EXPECT_EQ(marked(CounterMark::Seen), kKlondikeFaceUp) << "the tableau only, by default";
  EXPECT_EQ(marked(CounterMark::Unseen), kKlondikeFaceDown);

  option("&Tableau only")->trigger();
  EXPECT_EQ(counter().options(), (CounterOptions{.tableauOnly = false, .stockOnly = false})) << "both parts now";
  TMainGame& game = program->game();
  const CardId turned = game.piles().pile(kStock).back();
  EXPECT_EQ(counter().grid().mark(turned), CounterMark::Unseen);
  PressStock(game);
  ASSERT_EQ(game.piles().topCard(kWaste), turned);
  EXPECT_EQ(counter().grid().mark(turned), CounterMark::Seen) << "the card the press turned";

  program->mainWindow().action(Command::Undo)->trigger();
  EXPECT_EQ(counter().grid().mark(turned), CounterMark::Unseen);
  program->mainWindow().action(Command::Redo)->trigger();
  EXPECT_EQ(counter().grid().mark(turned), CounterMark::Seen);

  counter().close();
  EXPECT_FALSE(command()->isChecked()) << "the close box unchecks the command";
  command()->trigger();
  EXPECT_TRUE(counter().isVisible());
  command()->trigger();
  EXPECT_FALSE(counter().isVisible());
}

TEST_F(CardCounterWindowTest, OptionsAndPlaceAreKeptAndAnOpenWindowOpensAgain) {
  start();
  command()->trigger();
  option("&Stock only")->trigger();
  EXPECT_FALSE(option("&Tableau only")->isChecked()) << "checking one part unchecks the other";
  EXPECT_EQ(marked(CounterMark::Seen), 0) << "the stock's cards are all face down";
  EXPECT_EQ(marked(CounterMark::Unseen), kCardsPerDeck - kKlondikeFaceUp - kKlondikeFaceDown);
  option("&Inverted")->trigger();
  EXPECT_EQ(marked(CounterMark::Unseen), 0);
  const IniDocument written = program->game().preferences().open();
  EXPECT_EQ(written.readString("Preference", "CardCounter_Stock", ""), "Y");
  EXPECT_EQ(written.readString("Preference", "CardCounter_Tableau", ""), "N");
  EXPECT_EQ(written.readString("Preference", "CardCounter_Inverse", ""), "Y");

  const QPoint place(100, 200);
  counter().move(place);
  program->mainWindow().close();
  ASSERT_FALSE(program->mainWindow().isVisible());
  EXPECT_FALSE(counter().isVisible()) << "hidden with the main window";
  EXPECT_EQ(program->game().preferences().open().readString("Preference", "CardCounter_Visible", ""), "Y");
  program.reset();

  start();
  emit program->mainWindow().firstActivated();
  EXPECT_TRUE(counter().isVisible()) << "it was open when the program ended";
  EXPECT_TRUE(command()->isChecked());
  EXPECT_EQ(counter().options(), (CounterOptions{.tableauOnly = false, .stockOnly = true, .inverted = true}));
  EXPECT_EQ(counter().pos(), place);
}

}  // namespace
}  // namespace velmora
