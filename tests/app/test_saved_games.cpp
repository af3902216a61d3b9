// Leaving and keeping games in the window: "Save..." and "Open a saved
// game...", the questions before a game in progress is left by "New game" or
// "Quit game", "Restart game", and the close that holds an unfinished game.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <deque>
#include <fstream>
#include <sstream>

#include "app_test_support.h"
#include "game_choice.h"
#include "game_commands.h"
#include "game_won_dialog.h"
#include "history/held_game.h"
#include "hold_and_exit_dialog.h"
#include "main_window.h"
#include "play/end_game.h"
#include "play/execute_move.h"
#include "records/statistics_record.h"
#include "shell/startup.h"
#include "table/prepare_game.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ModalCloser;
using testing::ModalDriver;
using testing::ModalSteps;
using Answer = TfrmHoldAndExit::Answer;

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const fs::path& file, std::string_view text) {
  std::ofstream(file, std::ios::binary) << text;
}

QString Text(const fs::path& file) { return QString::fromStdString(file.string()); }

QPushButton* Button(QWidget& dialog, const QString& caption) {
  for (auto* button : dialog.findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  return nullptr;
}

void Reject(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }

// Presses a button of the open dialog; a button that is missing or off fails
// the test and the dialog is closed, so that nothing waits for it.
void Press(QWidget& dialog, QAbstractButton* button) {
  if (button && button->isEnabled()) {
    button->click();
    return;
  }
  ADD_FAILURE() << "no button to press in \"" << dialog.windowTitle().toStdString() << "\"";
  Reject(dialog);
}

void PressOpenSavedGame(QWidget& dialog) { Press(dialog, Button(dialog, QStringLiteral("Open a sa&ved game..."))); }

class SavedGamesTest : public ::testing::Test, protected GameFixture {
 protected:
  SavedGamesTest() {
    EXPECT_FALSE(InitialiseProgram(game, {}).has_value());
    ConnectGameCommands(window, game);
    choice.savedGames().setFileChooser([this](const FileRequest& request) -> std::optional<fs::path> {
      requests.push_back(request);
      if (chosen.empty()) return std::nullopt;  // cancelled
      const fs::path file = chosen.front();
      chosen.pop_front();
      return file;
    });
    fs::create_directories(games);
  }

  void deal(std::string_view number = "0000000000001") {
    ASSERT_FALSE(DealNamedGame(game, "FreeCell", number, {1280, true}).has_value());
    ShowDealtGame(window, game);
  }

  // The top card of the first tableau pile moved to the first free cell: one
  // step to undo.
  void move() {
    const CardId card = game.piles().topCard({PileGroup::Tableau, 0});
    ASSERT_TRUE(ExecuteMove(game, card, "Appogg1"));
  }

  StatisticsRecord freeCellRecord() {
    const FileContents file = game.data().read(kStatisticsFile, 1 << 20);
    return FindStatistics(file.data, 3, game.store().playerName()).record;
  }

  fs::path heldFile() { return HeldGameFile(game, kFirstHoldSlot); }

  void setPreference(std::string_view key, std::string_view value) {
    game.preferences().update([&](IniDocument& file) { file.write("Preference", key, value); });
  }

  const fs::path games = fs::path(scratch.path().toStdString()) / "games";
  MainWindow window{game, &resources};
  GameChoice choice{window, game, &resources, {}, {}};
  std::vector<FileRequest> requests;
  std::deque<fs::path> chosen;  // the chooser's answers in turn; then it is cancelled
};

// --- Save ---

TEST_F(SavedGamesTest, SaveIsOfferedOnlyWhileAGameIsInProgress) {
  EXPECT_FALSE(window.action(Command::Save)->isEnabled());
  deal();
  EXPECT_TRUE(window.action(Command::Save)->isEnabled());
  ShowEndedGame(window, 0);
  EXPECT_FALSE(window.action(Command::Save)->isEnabled());
}

TEST_F(SavedGamesTest, ANewFileIsWrittenWithoutAQuestionAndItsFolderIsRemembered) {
  deal();
  const fs::path before = SavedGameFolder(game);
  const fs::path file = games / "first.gam";
  chosen = {file};
  const ModalCloser closer;
  window.action(Command::Save)->trigger();
  EXPECT_TRUE(closer.titles.isEmpty());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].purpose, FileRequest::Purpose::Save);
  EXPECT_EQ(requests[0].title, QStringLiteral("Save game"));
  EXPECT_EQ(requests[0].filter, QStringLiteral("Game (*.gam)"));
  EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("gam"));
  EXPECT_EQ(requests[0].folder, before);
  EXPECT_TRUE(ReadText(file).starts_with("[S-0530]"));
  EXPECT_EQ(SavedGameFolder(game), games);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SavedGamesTest, AnExistingFileIsReplacedOnlyOnYes) {
  deal();
  const fs::path before = SavedGameFolder(game);
  const fs::path file = games / "kept.gam";
  struct Case {
    const char* what;
    QMessageBox::StandardButton answer;
    std::size_t choices;
    bool replaced;
  } cases[] = {
      {"No returns to the file dialog", QMessageBox::No, 2, false},
      {"Cancel stops", QMessageBox::Cancel, 1, false},
      {"Yes replaces the file", QMessageBox::Yes, 1, true},  // last: its folder is remembered
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(file, "old");
    requests.clear();
    chosen = {file};
    QString warning;
    const ModalDriver driver([&](QWidget& dialog) {
      auto* box = qobject_cast<QMessageBox*>(&dialog);
      if (box) warning = box->text();
      Press(dialog, box ? box->button(c.answer) : nullptr);
    });
    window.action(Command::Save)->trigger();
    EXPECT_TRUE(driver.sawDialog());
    EXPECT_EQ(warning, Text(file) + QStringLiteral("\nThis file already exists.\nReplace existing file?"));
    EXPECT_EQ(requests.size(), c.choices);
    EXPECT_EQ(ReadText(file) != "old", c.replaced);
    EXPECT_EQ(SavedGameFolder(game), c.replaced ? games : before);
  }
}

TEST_F(SavedGamesTest, AFailedWriteSaysSoAndRemembersNoFolder) {
  deal();
  const fs::path before = SavedGameFolder(game);
  const fs::path file = games / "no such folder" / "lost.gam";
  chosen = {file};
  window.action(Command::Save)->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].starts_with("The game could not be saved: ")) << ui.messages[0];
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(SavedGameFolder(game), before);
}

// --- Open ---

class OpenSavedGameTest : public SavedGamesTest {
 protected:
  // Deal 1 with one move saved; then deal 2 is played.
  void saveThenDealAnother() {
    deal("0000000000001");
    move();
    savedTable = game.piles().pileString({PileGroup::Tableau, 0});
    chosen = {saved};
    window.action(Command::Save)->trigger();
    ASSERT_TRUE(fs::exists(saved));
    deal("0000000000002");
    requests.clear();
  }

  void expectSavedGameRuns() {
    EXPECT_EQ(game.store().dealNumber(), "0000000000001");
    EXPECT_EQ(game.piles().pileString({PileGroup::Tableau, 0}), savedTable);
    EXPECT_EQ(game.history().undo().steps(), 1) << "the move can be undone";
    EXPECT_TRUE(window.action(Command::Undo)->isEnabled());
    EXPECT_TRUE(game.state().on(flag::GameInProgress));
  }

  const fs::path saved = games / "saved.gam";
  std::string savedTable;
};

TEST_F(OpenSavedGameTest, FromTheMenuTheSavedGameRunsAgainWithItsHistory) {
  saveThenDealAnother();
  const std::int64_t lostBefore = freeCellRecord().lost;
  chosen = {saved};
  window.action(Command::OpenSavedGame)->trigger();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].purpose, FileRequest::Purpose::Open);
  EXPECT_EQ(requests[0].title, QStringLiteral("Open game"));
  EXPECT_EQ(requests[0].filter, QStringLiteral("Game (*.gam *.GAM)"));
  EXPECT_EQ(requests[0].folder, games);
  expectSavedGameRuns();
  EXPECT_EQ(freeCellRecord().lost, lostBefore + 1) << "the deal left behind counts as lost";
}

TEST_F(OpenSavedGameTest, AMissingFileIsNamedAndChangesNothing) {
  saveThenDealAnother();
  const std::int64_t lostBefore = freeCellRecord().lost;
  const fs::path gone = games / "gone.gam";
  chosen = {gone};
  window.action(Command::OpenSavedGame)->trigger();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File not found: " + gone.string()});
  EXPECT_EQ(game.store().dealNumber(), "0000000000002");
  EXPECT_EQ(freeCellRecord().lost, lostBefore);
}

TEST_F(OpenSavedGameTest, FromTheSelectionTheDialogMakesWayAndStaysClosed) {
  saveThenDealAnother();
  chosen = {saved};
  const ModalSteps steps({PressOpenSavedGame, Reject});
  choice.openGame();
  EXPECT_EQ(steps.titles, QStringList{QStringLiteral("Open a game")});
  EXPECT_EQ(requests.size(), 1u);
  expectSavedGameRuns();
}

TEST_F(OpenSavedGameTest, FromTheSelectionACancelledFileDialogReturnsToTheSelection) {
  saveThenDealAnother();
  const ModalSteps steps({PressOpenSavedGame, Reject});
  choice.openGame();
  EXPECT_EQ(steps.titles, (QStringList{QStringLiteral("Open a game"), QStringLiteral("Open a game")}));
  EXPECT_EQ(requests.size(), 1u);
  EXPECT_EQ(game.store().dealNumber(), "0000000000002");
}

// --- Leaving a game in progress ---

TEST_F(SavedGamesTest, NewGameAsksBeforeEndingAGameInProgress) {
  struct Case {
    const char* confirm;
    bool answer;
    bool asked, dealtAgain;
  } cases[] = {
      {"Y", false, true, false},
      {"Y", true, true, true},
      {"N", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.confirm) + (c.answer ? " OK" : " Cancel"));
    deal();
    const std::int64_t lostBefore = freeCellRecord().lost;
    game.store().write(store::ConfirmQuitGame, c.confirm);
    ui.questions.clear();
    ui.answer = c.answer;
    window.action(Command::NewGame)->trigger();
    EXPECT_EQ(ui.questions, c.asked ? std::vector<std::string>{"Quit this game?"} : std::vector<std::string>{});
    EXPECT_EQ(game.store().dealNumber() != "0000000000001", c.dealtAgain);
    EXPECT_EQ(freeCellRecord().lost, lostBefore + (c.dealtAgain ? 1 : 0));
    EXPECT_TRUE(game.state().on(flag::GameInProgress));
  }
}

TEST_F(SavedGamesTest, QuitGameAsksThenCountsALossAndOpensTheSelection) {
  struct Case {
    bool answer;
    bool quit;
  } cases[] = {{false, false}, {true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer ? "OK" : "Cancel");
    deal();
    const std::int64_t lostBefore = freeCellRecord().lost;
    game.store().write(store::ConfirmQuitGame, "Y");
    ASSERT_TRUE(window.action(Command::QuitGame)->isEnabled());
    ui.questions.clear();
    ui.answer = c.answer;
    const ModalDriver selection(Reject);
    window.action(Command::QuitGame)->trigger();
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Quit this game?"});
    EXPECT_EQ(selection.sawDialog(), c.quit);
    EXPECT_EQ(freeCellRecord().lost, lostBefore + (c.quit ? 1 : 0));
    EXPECT_EQ(game.state().on(flag::GameInProgress), !c.quit);
  }
}

TEST_F(SavedGamesTest, RestartFromTheMenuAsksAndDealsTheSameCardsAgain) {
  deal();
  const std::string dealt = game.piles().pileString({PileGroup::Tableau, 0});
  move();
  ui.questions.clear();
  window.action(Command::RestartGame)->trigger();
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(ui.questions[0].starts_with("Restart this game?")) << ui.questions[0];
  EXPECT_EQ(game.piles().pileString({PileGroup::Tableau, 0}), dealt);
  EXPECT_EQ(game.store().dealNumber(), "0000000000001");
  EXPECT_FALSE(window.action(Command::Undo)->isEnabled());
  EXPECT_EQ(freeCellRecord().lost, 1);
}

TEST_F(SavedGamesTest, RestartFromTheGameWonDialogAsksNothingAndRecordsNothingMore) {
  deal();
  game.state().set(flag::GameWon, true);
  EndGame(game);
  ui.questions.clear();
  ModalDriver restart([](QWidget& dialog) {
    auto* won = qobject_cast<GameWonDialog*>(&dialog);
    Press(dialog, won ? won->button(GameWonDialog::Way::Restart) : nullptr);
  });
  ShowGameWonDialog(window, game);
  EXPECT_TRUE(restart.sawDialog());
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(game.store().dealNumber(), "0000000000001");
  EXPECT_EQ(freeCellRecord().won, 1);
  EXPECT_EQ(freeCellRecord().lost, 0);
}

// --- Hold and exit ---

TEST(HoldAndExitDialog, SaysWhatHoldingDoesAndAnswersByItsButtons) {
  TfrmHoldAndExit dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Velmora 2001"));
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  EXPECT_EQ(texts, (QStringList{"The current game is unfinished.",
                                "Do you want to exit or \"hold\" this game to play later?",
                                "If you \"hold\" this game, you can exit without affecting statistics."}));
  const struct {
    Answer answer;
    const char* caption;
  } cases[] = {{Answer::Hold, " &Hold and exit"}, {Answer::Exit, "&Exit and post a loss"}, {Answer::Cancel, "Cancel"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(dialog.button(c.answer)->text(), QString::fromLatin1(c.caption));
    const ModalDriver click([&](QWidget& shown) { Press(shown, dialog.button(c.answer)); });
    EXPECT_EQ(dialog.ask(), c.answer);
  }
  const ModalDriver escape(Reject);
  EXPECT_EQ(dialog.ask(), Answer::Cancel) << "closing the dialog stays";
}

TEST_F(SavedGamesTest, TheCloseAsksAndHoldsExitsOrStays) {
  setPreference("ConfirmSaveAndExit", "Y");
  struct Case {
    Answer answer;
    bool closes, held;
    int lost;  // games recorded as lost by the close
  } cases[] = {
      {Answer::Cancel, false, false, 0},
      {Answer::Exit, true, false, 1},
      {Answer::Hold, true, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    window.show();  // shown again after the close of the case before
    deal();
    move();
    const std::int64_t lostBefore = freeCellRecord().lost;
    const ModalDriver answer([&](QWidget& dialog) {
      auto* question = qobject_cast<TfrmHoldAndExit*>(&dialog);
      Press(dialog, question ? question->button(c.answer) : nullptr);
    });
    EXPECT_EQ(window.close(), c.closes);
    EXPECT_TRUE(answer.sawDialog());
    EXPECT_EQ(fs::exists(heldFile()), c.held);
    EXPECT_EQ(freeCellRecord().lost, lostBefore + c.lost);
    EXPECT_EQ(freeCellRecord().won, 0);
    EXPECT_EQ(game.state().on(flag::GameInProgress), !c.closes);
  }
}

TEST_F(SavedGamesTest, HoldAndExitAndTheUnaskedChoiceHoldWithoutAQuestion) {
  struct Case {
    const char* what;
    const char* confirm;
    const char* unaskedKind;
    Command command;
    bool held;
  } cases[] = {
      {"Hold and exit, though the close would ask", "Y", "0", Command::HoldAndExit, true},
      {"never asked, finished later", "N", "1", Command::Exit, true},
      {"never asked, abandoned", "N", "0", Command::Exit, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(heldFile());
    setPreference("ConfirmSaveAndExit", c.confirm);
    setPreference("ConfirmSaveAndExitType", c.unaskedKind);
    deal();
    const std::int64_t lostBefore = freeCellRecord().lost;
    const ModalCloser closer;
    window.action(c.command)->trigger();
    EXPECT_TRUE(closer.titles.isEmpty()) << closer.titles.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(fs::exists(heldFile()), c.held);
    EXPECT_EQ(freeCellRecord().lost, lostBefore + (c.held ? 0 : 1));
    EXPECT_FALSE(game.state().on(flag::GameInProgress));
  }
}

TEST_F(SavedGamesTest, AHoldThatFailsCancelsTheCloseAndKeepsTheGame) {
  for (int slot = kFirstHoldSlot; slot <= kLastHoldSlot; ++slot) WriteText(HeldGameFile(game, slot), "taken");
  deal();
  window.action(Command::HoldAndExit)->trigger();
  EXPECT_FALSE(ui.messages.empty()) << "the player is told why";
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_FALSE(game.state().on(flag::HoldOnClose)) << "the next close asks again";
  EXPECT_EQ(freeCellRecord().lost, 0);
  EXPECT_EQ(ReadText(HeldGameFile(game, kLastHoldSlot)), "taken");
}

}  // namespace
}  // namespace velmora
