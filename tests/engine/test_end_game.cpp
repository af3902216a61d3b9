// The end of a game: what it does and in which order, that it records a
// game once, and which games it never records.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "history/bookmark.h"
#include "play/end_game.h"
#include "play/execute_move.h"
#include "scoring/score.h"
#include "shell/game_clock.h"
#include "shell/startup.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::Foundation;
using testing::GameFixture;
using testing::Tableau;

// A screen that notes the end-of-game calls in the order they come, with
// whether the statistics file exists at that moment.
class EndOfGameUi : public testing::RecordingUi {
 public:
  std::vector<std::string> events;
  std::function<bool()> recorded;  // whether the game's record is written yet
  std::function<void()> duringAnimation;

  void note(std::string what) { events.push_back(what + (recorded && recorded() ? " (recorded)" : "")); }
  bool demoWindowShown() const override { return true; }
  void showDemoWindow(bool shown) override { note(shown ? "show demo" : "hide demo"); }
  void gameEnded(std::int64_t seconds) override {
    endedAfter = seconds;
    note("game ended");
  }
  void pauseFor(int milliseconds) override { note("pause " + std::to_string(milliseconds)); }
  void playSound(std::string_view name) override { note("sound " + std::string(name)); }
  void playWinningAnimation() override {
    note("winning animation");
    if (duringAnimation) duringAnimation();
  }
  void showGameWon() override { note("game-won dialog"); }
  void showMemoryResult(const MemoryResult& result) override { note("memory result " + result.page); }
  void closeMainWindow() override { note("close window"); }

  std::int64_t endedAfter = -1;
};

// Every file of the data folder by name, with its bytes.
std::map<std::string, std::string> DataFiles(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().string()] = testing::ReadAll(entry.path());
  return files;
}

class EndGameTest : public ::testing::Test {
 protected:
  EndGameTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(InitialiseProgram(game, {}).has_value());
    game.store().write(store::SoundsGameWon, "Y");
    ui.recorded = [this] { return statFile().find("Player 1=") != std::string::npos; };
  }

  // FreeCell dealt, then a table of one card left to play to a foundation.
  void oneCardFromTheEnd(const char* game_ = "FreeCell") {
    const int number = game.catalogue().GameNumberByName(game_);
    ASSERT_GE(number, 0);
    game.rules().clearForGame();
    ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    game.store().setGameNumber(number);
    game.store().write(store::GameName, game_);
    game.store().write(store::DealNumber, "0000000000042");
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    game.piles().clear();
    for (int k = 0; k < 4; ++k)
      for (int r = 1; r <= 13; ++r)
        if (!(k == 3 && r == 13)) game.piles().pile(Foundation(k + 1)).push_back(k * 13 + r);
    game.piles().pile(Tableau(1)).push_back(52);
    ui.events.clear();
  }

  void playLastCard() { ASSERT_TRUE(ExecuteMove(game, 52, "Dest4")); }

  std::string statFile() { return testing::ReadAll(*game.data().path("DATA\\STAT.DAT")); }
  // Won and lost of the current player in the current game.
  std::pair<int, int> wonAndLost() {
    const std::string text = statFile();
    const auto at = text.find("Player 1=");
    if (at == std::string::npos) return {0, 0};
    return {std::stoi(text.substr(at + 9, 6)), std::stoi(text.substr(at + 16, 6))};
  }

  testing::TempFolder dir;
  EndOfGameUi ui;
  TMainGame game;
};

TEST_F(EndGameTest, AWonGameInItsOrder) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  playLastCard();
  ASSERT_TRUE(game.state().on(flag::GameWon));
  ui.events.clear();

  const EndOfGame end = EndGame(game);
  EXPECT_TRUE(end.ended);
  EXPECT_TRUE(end.won);
  const std::vector<std::string> expected = {
      "hide demo",          "game ended",      "pause 200 (recorded)", "sound Won (recorded)",
      "winning animation (recorded)", "game-won dialog (recorded)",
  };
  EXPECT_EQ(ui.events, expected);
  EXPECT_EQ(wonAndLost(), std::make_pair(1, 0));
  const ProgramState& state = game.state();
  EXPECT_FALSE(state.on(flag::GameInProgress));
  EXPECT_FALSE(state.on(flag::GameWon));
  EXPECT_FALSE(state.on(flag::ClockRuns));
  EXPECT_TRUE(state.on(flag::EndOfGameSeen));
  EXPECT_EQ(state.word(word::CloseAfterAnimation), 0);
}

TEST_F(EndGameTest, ASecondEndDoesNothing) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  playLastCard();
  ASSERT_TRUE(EndGame(game).ended);
  const auto files = DataFiles(dir / "data");
  ui.events.clear();
  const EndOfGame again = EndGame(game);
  EXPECT_FALSE(again.ended);
  EXPECT_EQ(ui.events, std::vector<std::string>{"hide demo (recorded)"});
  EXPECT_EQ(DataFiles(dir / "data"), files);
  EXPECT_EQ(wonAndLost(), std::make_pair(1, 0));
}

TEST_F(EndGameTest, ALostGameHasNoCelebration) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  const EndOfGame end = EndGame(game);
  EXPECT_FALSE(end.won);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"hide demo", "game ended"}));
  EXPECT_EQ(wonAndLost(), std::make_pair(0, 1)) << "a game left in progress counts as lost";
}

TEST_F(EndGameTest, OnlyTheMemoryFamiliesShowTheirResultBeforeTheRecords) {
  struct Case {
    int family;
    std::vector<std::string> events;
  } cases[] = {
      {0, {"hide demo", "game ended"}},
      {35, {"hide demo", "game ended"}},
      {36, {"hide demo", "game ended", "memory result Ace-To-King"}},
      {39, {"hide demo", "game ended", "memory result Concentration"}},
      {40, {"hide demo", "game ended"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
    game.rules()[rule::Family] = static_cast<std::int16_t>(c.family);
    const auto before = wonAndLost();
    ui.recorded = [this, before] { return wonAndLost() != before; };  // this game's record
    EndGame(game);
    EXPECT_EQ(ui.events, c.events);
  }
}

TEST_F(EndGameTest, TheScoreToWinDecides) {
  struct Case {
    const char* what;
    int scoreToWin;
    bool lastCardUp;
    bool won;
  } cases[] = {
      {"every card up, the score one short", 209, true, false},
      {"every card up, the score reached", 208, true, true},
      {"a card left, the score reached", 203, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
    game.rules()[rule::ScoreToWin] = static_cast<std::int16_t>(c.scoreToWin);
    if (c.lastCardUp) playLastCard();
    RecomputeScore(game);
    EXPECT_EQ(EndGame(game).won, c.won);
  }
}

TEST_F(EndGameTest, TheClockStopsAtTheEnd) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  game.state().times[0] = MonotonicMilliseconds() - 65'000;
  const EndOfGame end = EndGame(game);
  EXPECT_EQ(end.seconds, 65);
  EXPECT_EQ(ui.endedAfter, 65) << "the time panel shows the final time";
  EXPECT_FALSE(game.state().on(flag::ClockRuns));
}

TEST_F(EndGameTest, TheBookmarkGoesWithTheGame) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  ui.answer = true;
  ASSERT_TRUE(InsertBookmark(game));
  const std::string file = game.store().read(store::BookmarkFile);
  ASSERT_TRUE(std::filesystem::exists(file));
  EndGame(game);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(HasBookmark(game));
}

TEST_F(EndGameTest, WhatFollowsTheWinningAnimation) {
  struct Case {
    const char* what;
    int series;
    std::function<void(TMainGame&)> duringAnimation;
    std::vector<std::string> after;  // the events after the animation
    int seriesResults;
  } cases[] = {
      {"a single game shows the game-won dialog", 0, nullptr, {"game-won dialog (recorded)"}, 0},
      {"a series game goes on to the series", 1, nullptr, {}, 1},
      {"a close asked for during the animation", 0,
       [](TMainGame& g) { g.state().setWord(word::CloseAfterAnimation, 1); }, {"close window (recorded)"}, 0},
      {"a new game started during the animation", 0,
       [](TMainGame& g) { g.state().set(flag::GameInProgress, true); }, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
    playLastCard();
    game.state().setWord(word::SeriesInProgress, c.series);
    int seriesResults = 0;
    game.recordSeams().seriesResult = [&](bool won) { seriesResults += won ? 1 : 100; };
    ui.duringAnimation = [&] {
      if (c.duringAnimation) c.duringAnimation(game);
    };
    ui.events.clear();
    EndGame(game);
    const auto animation = std::find(ui.events.begin(), ui.events.end(), "winning animation (recorded)");
    ASSERT_NE(animation, ui.events.end());
    EXPECT_EQ(std::vector<std::string>(animation + 1, ui.events.end()), c.after);
    EXPECT_EQ(seriesResults, c.seriesResults);
  }
}

TEST_F(EndGameTest, AGameTheDemoBeganIsNeverRecorded) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  game.piles().pile(Tableau(1)).insert(game.piles().pile(Tableau(1)).begin(), 51);
  game.piles().pile(Foundation(4)).pop_back();  // the Queen of spades too
  const auto before = DataFiles(dir / "data");
  game.state().setWord(word::PlayMode, 3);
  ASSERT_TRUE(ExecuteMove(game, 52, "Fila2"));  // the demo's first move
  game.state().setWord(word::PlayMode, 0);
  ASSERT_TRUE(ExecuteMove(game, 51, "Dest4"));  // the player takes over and wins
  ASSERT_TRUE(ExecuteMove(game, 52, "Dest4"));
  const EndOfGame end = EndGame(game);
  EXPECT_TRUE(end.won);
  EXPECT_FALSE(end.record.recorded);
  EXPECT_EQ(DataFiles(dir / "data"), before) << "every statistics file as it was";
}

TEST_F(EndGameTest, TheClockFamilyIsLostByTheFourthKing) {
  ASSERT_NO_FATAL_FAILURE(oneCardFromTheEnd());
  game.rules()[rule::Family] = 40;
  game.rules()[rule::TableauPiles] = 13;
  game.rules()[rule::CompleteScore] = -1;
  game.piles().clear();
  game.piles().pile(Tableau(13)) = {13, 26, 39, 52};
  for (CardId king : {13, 26, 39, 52}) game.cards().setFace(king, Face::Up);
  RecomputeScore(game);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "The game is lost.");
  EXPECT_FALSE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(wonAndLost(), std::make_pair(0, 1));
}

}  // namespace
}  // namespace velmora
