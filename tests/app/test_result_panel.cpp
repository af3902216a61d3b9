// The poker squares on screen: the result panel beside the grid and the
// highlighted hand a placed card makes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QAction>
#include <QTimer>

#include "app_test_support.h"
#include "game/rule_index.h"
#include "layout/result_panel.h"
#include "main_window.h"
#include "piles/pile_names.h"
#include "play/execute_move.h"
#include "program.h"
#include "qt_game_ui.h"
#include "shell/main_game.h"
#include "table_view.h"

namespace velmora {
namespace {

constexpr int kGridPiles = 25;
constexpr CardId Hearts(int rank) { return MakeCard(0, rank); }
constexpr CardId Spades(int rank) { return MakeCard(3, rank); }

class ResultPanelTest : public ::testing::Test {
 protected:
  ResultPanelTest() {
    QDir().mkpath(folder("program"));
    QDir().mkpath(folder("data"));
    for (const char* name : {"GAMES.DAT", "SOL.RGF"})
      QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/") + name, folder("program") + "/" + name);
    QFile preferences(folder("data") + QStringLiteral("/Cfg.dat"));
    EXPECT_TRUE(preferences.open(QIODevice::WriteOnly));
    preferences.write("[Preference]\r\nAutoPlay=N\r\nSounds_Enabled=N\r\n");
  }

  QString folder(const char* name) const { return scratch.filePath(QString::fromLatin1(name)); }

  // Poker Squares dealt and shown in a window of the given size.
  void start(QSize size) {
    program = std::make_unique<Program>(
        ProgramOptions{folder("program").toStdString(), folder("data").toStdString(), "Poker Squares", "1"},
        [](const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    ASSERT_FALSE(program->start().has_value());
    for (int wait = 0; wait < 50 && !game().state().on(flag::GameInProgress); ++wait) QTest::qWait(10);
    ASSERT_TRUE(game().state().on(flag::GameInProgress));
    program->ui().setWaitPercent(10);
    program->mainWindow().resize(size);
    QApplication::processEvents();
    program->table().relayout();
  }

  TMainGame& game() { return program->game(); }
  TableView& table() { return program->table(); }

  // A card of the stock put face up on the grid's place (0 to 24), as a
  // finished move would leave it.
  void lay(int place, CardId card) {
    game().piles().setPileString({PileGroup::Tableau, place}, CardIdText(card));
    game().cards().setFace(card, Face::Up);
  }

  QTemporaryDir scratch;
  std::unique_ptr<Program> program;
};

// Whether the two rectangles of table pixels overlap.
bool Meet(const QRect& a, TablePoint card, const TableLayout& layout) {
  return a.intersects(QRect(card.x, card.y, layout.cardWidth, layout.cardHeight));
}

// Wide, narrow, short and small windows: the panel is always placed, and
// never on a card of the grid or the stock.
TEST_F(ResultPanelTest, ThePanelKeepsClearOfTheGridAndTheStockAtEverySize) {
  start({1280, 800});
  for (const QSize size : {QSize(1280, 800), QSize(1600, 500), QSize(700, 900), QSize(640, 480)}) {
    SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
    program->mainWindow().resize(size);
    QApplication::processEvents();
    const QRect panel = table().resultPanelRect();
    ASSERT_FALSE(panel.isEmpty());
    const TableLayout& layout = game().layout();
    for (const PileRef pile : PilesOfTheGame(game().rules()))
      if (layout.placed(pile)) EXPECT_FALSE(Meet(panel, layout.stored(pile), layout)) << PileName(pile);
  }
}

// The card that completes the first row announces its pair: the panel shows
// the hand and the total, the row is highlighted while it is announced, and
// afterwards the panel keeps its text and the highlight is gone.
TEST_F(ResultPanelTest, ACompletedRowIsAnnouncedAndItsHighlightGoesAway) {
  start({1280, 800});
  const CardId row[] = {Hearts(2), Spades(2), Hearts(5), Hearts(9), Hearts(11)};
  for (int place = 0; place < 4; ++place) lay(place, row[place]);
  game().piles().setPileString(kWaste, CardIdText(row[4]));
  game().cards().setFace(row[4], Face::Up);

  std::vector<CardId> highlightedDuringTheAnnouncement;
  QColor panelColourDuringTheAnnouncement;
  QTimer::singleShot(0, [&] {
    highlightedDuringTheAnnouncement = table().highlightedCards();
    const QRect panel = table().resultPanelRect();
    const QPoint corner = table().toViewport({panel.right() - 2, panel.bottom() - 2}).toPoint();
    const QImage& image = table().tableImage();
    panelColourDuringTheAnnouncement = image.pixelColor(corner * image.devicePixelRatio());
  });
  ASSERT_TRUE(ExecuteMove(game(), row[4], "Fila5"));

  EXPECT_EQ(highlightedDuringTheAnnouncement, std::vector<CardId>(std::begin(row), std::end(row)));
  EXPECT_EQ(panelColourDuringTheAnnouncement, QColor(Qt::white));
  ASSERT_TRUE(table().resultPanel().has_value());
  EXPECT_EQ(*table().resultPanel(), (GameUi::ResultPanel{"One Pair", "2 points", "Total: 2 points"}));
  EXPECT_TRUE(table().highlightedCards().empty());
  for (const ScenePile& pile : table().scene().piles)
    for (const SceneCard& card : pile.cards) EXPECT_FALSE(card.selected);
}

// A new deal takes the last announcement away, leaving the total of the
// new grid; a game without the panel places none.
TEST_F(ResultPanelTest, ANewDealTakesTheAnnouncementAwayAndOtherGamesHaveNone) {
  start({1280, 800});
  table().showResultPanel({"Flush", "20 points", "Total: 20 points"});
  program->mainWindow().action(Command::NewGame)->trigger();
  EXPECT_NE(table().resultPanel(), (GameUi::ResultPanel{"Flush", "20 points", "Total: 20 points"}));
  EXPECT_GT(game().state().word(word::ResultPanelWidth), 0);
  game().rules()[rule::Family] = 0;
  table().relayout();
  EXPECT_TRUE(table().resultPanelRect().isEmpty());
}

}  // namespace
}  // namespace velmora
