// The program coming up and going down: refusals of a missing or damaged
// bundle, the main window, the keys written when it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app_test_support.h"
#include "files/ini_document.h"
#include "commands.h"
#include "piles/pile_names.h"
#include "play/player_actions.h"
#include "history/held_game.h"
#include "records/statistics_record.h"
#include "main_window.h"
#include "program.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

// The game selection opens on the first activation; these tests choose nothing.
void CancelDialog(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }

struct FatalMessage {
  QString caption;
  QString text;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    QDir().mkpath(programFolder());
    for (const char* name : {"GAMES.DAT", "SOL.RGF"})
      QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/") + name, programFolder() + "/" + name);
  }

  QString programFolder() const { return scratch.filePath(QStringLiteral("program")); }
  QString dataFolder() const { return scratch.filePath(QStringLiteral("data")); }

  std::unique_ptr<Program> makeProgram() {
    return std::make_unique<Program>(
        ProgramOptions{programFolder().toStdString(), dataFolder().toStdString()},
        [this](const QString& caption, const QString& text) { fatal.push_back({caption, text}); });
  }

  IniDocument preferences() const {
    QFile file(dataFolder() + QStringLiteral("/Cfg.dat"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return IniDocument::Parse(file.readAll().toStdString());
  }

  void writePreferences(const char* text) {
    QDir().mkpath(dataFolder());
    QFile file(dataFolder() + QStringLiteral("/Cfg.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QByteArray dataFile(const char* name) const {
    QFile file(dataFolder() + QLatin1Char('/') + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Started, the first activation passed and its game selection closed.
  std::unique_ptr<Program> startPastTheSelection(const testing::ModalCloser& closer) {
    auto program = makeProgram();
    EXPECT_FALSE(program->start().has_value());
    program->mainWindow().activateWindow();
    for (int wait = 0; wait < 50 && closer.titles.isEmpty(); ++wait) QTest::qWait(10);
    EXPECT_EQ(closer.titles, QStringList{QStringLiteral("Open a game")});
    return program;
  }

  // A program that deals this deal of FreeCell at start-up.
  std::unique_ptr<Program> startFreeCell(const char* deal) {
    ProgramOptions options{programFolder().toStdString(), dataFolder().toStdString(), "FreeCell", deal};
    auto program = std::make_unique<Program>(
        options, [this](const QString& caption, const QString& text) { fatal.push_back({caption, text}); });
    EXPECT_FALSE(program->start().has_value());
    for (int wait = 0; wait < 50 && !program->game().state().on(flag::GameInProgress); ++wait) QTest::qWait(10);
    EXPECT_TRUE(program->game().state().on(flag::GameInProgress));
    return program;
  }

  // Deal 1 of FreeCell with one card moved, held by "Hold and exit...": the
  // first tableau pile as it was left.
  std::string holdAGame() {
    const auto program = startFreeCell("1");
    TMainGame& game = program->game();
    EXPECT_TRUE(SendCard(game, game.piles().topCard(kFirstPile), false, false));
    const std::string pile = game.piles().pileString(kFirstPile);
    program->mainWindow().action(Command::HoldAndExit)->trigger();
    EXPECT_FALSE(program->mainWindow().isVisible()) << "the window closed";
    heldFile = HeldGameFile(game, kFirstHoldSlot);
    EXPECT_TRUE(fs::exists(heldFile));
    return pile;
  }

  static constexpr PileRef kFirstPile{PileGroup::Tableau, 0};
  QTemporaryDir scratch;
  std::vector<FatalMessage> fatal;
  fs::path heldFile;
};

TEST_F(ProgramTest, OpensTheMainWindowOnAnEmptyDataFolder) {
  auto program = makeProgram();
  ASSERT_FALSE(program->start().has_value());
  EXPECT_TRUE(fatal.empty());
  EXPECT_EQ(program->mainWindow().windowTitle(), QStringLiteral("Velmora 2001 [Player 1]"));
  EXPECT_TRUE(program->mainWindow().isVisible());
  EXPECT_EQ(preferences().find("Parameters", "Run_Exe"), "1");
  EXPECT_TRUE(QFile::exists(dataFolder() + QStringLiteral("/SOLV0600.DAT")));
}

TEST_F(ProgramTest, AFirstStartOpensTheGameSelectionAndDealsNothing) {
  auto program = makeProgram();
  ASSERT_FALSE(program->start().has_value());
  QString title;
  const testing::ModalDriver driver([&](QWidget& dialog) {
    title = dialog.windowTitle();
    CancelDialog(dialog);
  });
  program->mainWindow().activateWindow();
  for (int wait = 0; wait < 50 && !driver.sawDialog(); ++wait) QTest::qWait(10);
  EXPECT_TRUE(driver.sawDialog());
  EXPECT_EQ(title, QStringLiteral("Open a game"));
  EXPECT_FALSE(program->game().state().on(flag::GameInProgress));
}

TEST_F(ProgramTest, AGameDealtAtStartUpIsNotReplacedByTheSelection) {
  ProgramOptions options{programFolder().toStdString(), dataFolder().toStdString()};
  options.game = QStringLiteral("FreeCell");
  Program program(options, [this](const QString& caption, const QString& text) { fatal.push_back({caption, text}); });
  ASSERT_FALSE(program.start().has_value());
  const testing::ModalDriver driver(CancelDialog);
  program.mainWindow().activateWindow();
  QTest::qWait(100);
  EXPECT_FALSE(driver.sawDialog());
  EXPECT_EQ(program.game().store().gameName(), "FreeCell");
}

TEST_F(ProgramTest, AGameNamedAtStartIsDealtThenAutoplayPlaysAfterAPauseThatKeepsTheWindowAlive) {
  Program program(ProgramOptions{programFolder().toStdString(), dataFolder().toStdString(), "Picture Patience", "1"},
                  [this](const QString& caption, const QString& text) { fatal.push_back({caption, text}); });
  ASSERT_FALSE(program.start().has_value());
  ASSERT_TRUE(program.game().autoplay()) << "autoplay is on for a new player";
  const PileRef firstFoundation{PileGroup::Foundations, 0};
  bool dealtDuringPause = false, upDuringPause = true;
  QTimer::singleShot(300, &program.mainWindow(), [&] {  // runs inside the pause after the deal
    dealtDuringPause = program.game().state().on(flag::GameInProgress);
    upDuringPause = !program.game().piles().pile(firstFoundation).empty();
  });
  for (int round = 0; round < 50 && program.game().piles().pile(firstFoundation).empty(); ++round)
    QApplication::processEvents(QEventLoop::AllEvents, 100);
  EXPECT_TRUE(dealtDuringPause);
  EXPECT_FALSE(upDuringPause) << "autoplay waits for the player to see the deal";
  EXPECT_FALSE(program.game().piles().pile(firstFoundation).empty()) << "deal 1 shows an Ace autoplay sends up";
  EXPECT_TRUE(program.game().history().undo().empty()) << "what autoplay did is part of the deal";
}

TEST_F(ProgramTest, RefusesAMissingOrDamagedResourceBundle) {
  const QString bundle = programFolder() + QStringLiteral("/SOL.RGF");
  const QByteArray damaged[] = {QByteArray(), QByteArray("qres"), QByteArray(4096, '\x7f')};
  for (const QByteArray& contents : damaged) {
    SCOPED_TRACE(contents.size());
    QFile::remove(bundle);
    if (!contents.isNull()) {
      QFile file(bundle);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    fatal.clear();
    auto program = makeProgram();
    EXPECT_EQ(program->start(), 1);
    ASSERT_EQ(fatal.size(), 1u);
    EXPECT_EQ(fatal[0].text, QStringLiteral("Can't find/load ") + bundle);
    EXPECT_FALSE(QFile::exists(dataFolder() + QStringLiteral("/Cfg.dat"))) << "nothing written before the bundle";
  }
}

TEST_F(ProgramTest, RefusesAMissingRuleFile) {
  QFile::remove(programFolder() + QStringLiteral("/GAMES.DAT"));
  auto program = makeProgram();
  EXPECT_EQ(program->start(), 1);
  ASSERT_EQ(fatal.size(), 1u);
  EXPECT_EQ(fatal[0].caption, QStringLiteral("Error"));
  EXPECT_TRUE(fatal[0].text.startsWith(QStringLiteral("Cannot find file:\n")));
}

TEST_F(ProgramTest, ClosingTheWindowKeepsItsPlacementAndTheExitKeys) {
  auto program = makeProgram();
  ASSERT_FALSE(program->start().has_value());
  program->game().setAutoplay(false);
  MainWindow& window = program->mainWindow();
  window.setGeometry(60, 70, 640, 480);
  const testing::ModalDriver cancel(CancelDialog);
  QApplication::processEvents();
  EXPECT_TRUE(window.close());
  const IniDocument file = preferences();
  EXPECT_EQ(file.find("Preference", "MainWindowState_Maximized"), "N");
  EXPECT_EQ(file.find("Preference", "MainWindowState_Width"), "640");
  EXPECT_EQ(file.find("Preference", "MainWindowState_Height"), "480");
  EXPECT_EQ(file.find("Preference", "AutoPlay"), "N");
  EXPECT_EQ(file.find("Settings", "Random_Game_Type"), "2");
}

TEST_F(ProgramTest, TheWindowComesBackWhereItWasLeft) {
  {
    auto program = makeProgram();
    ASSERT_FALSE(program->start().has_value());
    program->mainWindow().setGeometry(80, 90, 700, 500);
    const testing::ModalDriver cancel(CancelDialog);
    QApplication::processEvents();
    program->mainWindow().close();
  }
  auto program = makeProgram();
  ASSERT_FALSE(program->start().has_value());
  EXPECT_EQ(program->mainWindow().size(), QSize(700, 500));
}

// A first start: no game was ever chosen, so "New game" has nothing to deal
// and asks for a game; closing the program then records nothing.
TEST_F(ProgramTest, WithNoGameChosenNewGameOpensTheSelectionAndNothingIsRecorded) {
  const testing::ModalCloser closer;
  auto program = startPastTheSelection(closer);
  const QByteArray statistics = dataFile("STAT.DAT");
  MainWindow& window = program->mainWindow();
  window.action(Command::NewGame)->trigger();
  EXPECT_EQ(closer.titles, (QStringList{QStringLiteral("Open a game"), QStringLiteral("Open a game")}));
  EXPECT_TRUE(closer.texts.isEmpty()) << closer.texts.join(QLatin1Char('|')).toStdString();
  EXPECT_FALSE(program->game().state().on(flag::GameInProgress));
  EXPECT_FALSE(program->game().state().on(flag::ClockRuns));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmora 2001 [Player 1]"));
  EXPECT_TRUE(window.close());
  EXPECT_EQ(dataFile("STAT.DAT"), statistics);
  EXPECT_TRUE(dataFile("STAT_LOG.DAT").isEmpty()) << "no game in the results log";
}

// The game of an earlier session is the current game: "New game" deals it by
// its own rules, though nothing loaded them before.
TEST_F(ProgramTest, NewGameDealsTheGameOfAnEarlierSession) {
  writePreferences("[Preference]\r\nGame=3\r\nGame_Name=FreeCell\r\nAutoPlay=N\r\n");
  const testing::ModalCloser closer;
  auto program = startPastTheSelection(closer);
  program->mainWindow().action(Command::NewGame)->trigger();
  EXPECT_TRUE(closer.texts.isEmpty()) << closer.texts.join(QLatin1Char('|')).toStdString();
  const TMainGame& game = program->game();
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(game.store().gameName(), "FreeCell");
  for (int pile = 0; pile < 8; ++pile)
    EXPECT_FALSE(game.piles().pile({PileGroup::Tableau, pile}).empty()) << "tableau pile " << pile + 1;
}

// A held game records nothing, and the next start continues it where it was
// left, with the move that can be undone, instead of opening the selection.
TEST_F(ProgramTest, AHeldGameComesBackAtTheNextStartWithItsHistory) {
  writePreferences("[Preference]\r\nAutoPlay=N\r\n");
  const std::string pile = holdAGame();
  const StatisticsRecord record = FindStatistics(dataFile("STAT.DAT").toStdString(), 3, "Player 1").record;
  EXPECT_EQ(record.won + record.lost, 0) << "neither a win nor a loss";

  const testing::ModalCloser closer;
  auto program = makeProgram();
  ASSERT_FALSE(program->start().has_value());
  program->mainWindow().activateWindow();
  const TMainGame& game = program->game();
  for (int wait = 0; wait < 50 && !game.state().on(flag::GameInProgress); ++wait) QTest::qWait(10);
  ASSERT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_TRUE(closer.titles.isEmpty()) << "no game selection: " << closer.titles.join('|').toStdString();
  EXPECT_EQ(game.store().gameName(), "FreeCell");
  EXPECT_EQ(game.store().dealNumber(), "0000000000001");
  EXPECT_EQ(game.piles().pileString(kFirstPile), pile);
  EXPECT_EQ(game.history().undo().steps(), 1);
  EXPECT_TRUE(program->mainWindow().action(Command::Undo)->isEnabled());
  EXPECT_FALSE(fs::exists(heldFile)) << "a resumed game is no longer held";
}

TEST_F(ProgramTest, AGameNamedOnTheCommandLineLeavesTheHeldGameForTheNextStart) {
  writePreferences("[Preference]\r\nAutoPlay=N\r\n");
  holdAGame();
  const auto program = startFreeCell("2");
  program->mainWindow().activateWindow();
  QTest::qWait(100);
  EXPECT_EQ(program->game().store().dealNumber(), "0000000000002");
  EXPECT_TRUE(fs::exists(heldFile));
}

TEST_F(ProgramTest, UndoAndRedoAreEnabledOnlyWithAStepToTake) {
  writePreferences("[Preference]\r\nAutoPlay=N\r\n");
  ProgramOptions options{programFolder().toStdString(), dataFolder().toStdString(), "FreeCell", "1"};
  Program program(options, [this](const QString& caption, const QString& text) { fatal.push_back({caption, text}); });
  ASSERT_FALSE(program.start().has_value());
  for (int wait = 0; wait < 50 && !program.game().state().on(flag::GameInProgress); ++wait) QTest::qWait(10);
  ASSERT_TRUE(program.game().state().on(flag::GameInProgress));
  MainWindow& window = program.mainWindow();
  QAction* undo = window.action(Command::Undo);
  QAction* redo = window.action(Command::Redo);
  struct Step {
    const char* after;
    std::function<void()> act;
    bool undoOn, redoOn;
  };
  const PileRef firstPile{PileGroup::Tableau, 0};
  const Step steps[] = {
      {"the deal", [] {}, false, false},
      {"a card sent to a free cell",
       [&] { ASSERT_TRUE(SendCard(program.game(), program.game().piles().topCard(firstPile), false, false)); }, true,
       false},
      {"Undo", [&] { undo->trigger(); }, false, true},
      {"Redo", [&] { redo->trigger(); }, true, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.after);
    step.act();
    EXPECT_EQ(undo->isEnabled(), step.undoOn);
    EXPECT_EQ(redo->isEnabled(), step.redoOn);
  }
}

}  // namespace
}  // namespace velmora
