// Playing with the mouse on the table widget: dragging to a legal and to an
// illegal place, a double click that sends a card home, and the stock pressed
// through a whole pass and turned over again. Runs on the offscreen platform
// and, from a script, in a real X window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app_test_support.h"
#include "catalogue/catalogue_startup.h"
#include "layout/card_place.h"
#include "shell/startup.h"
#include "table/prepare_game.h"
#include "table_view.h"

namespace velmora {
namespace {

using testing::GameFixture;

class TableMouseTest : public ::testing::Test, protected GameFixture {
 protected:
  TableMouseTest() {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, game.preferences().open(), {});  // the player's defaults: sends, sounds, looks
    game.store().write(store::CardsAnimate, "N");
  }

  void deal(const char* name) {
    ASSERT_FALSE(DealNamedGame(game, name, "1", {1920, true}).has_value());
    table.resize(1280, 800);
    table.show();
    QApplication::processEvents();
    table.relayout();
  }

  std::string pile(const char* name) const { return game.piles().pileString(*ParsePileName(name)); }

  // The middle of a pile's top card, or of the pile's place when it is empty,
  // where the window shows it.
  QPoint topOf(const char* name) const {
    const PileRef ref = *ParsePileName(name);
    const int count = static_cast<int>(game.piles().pile(ref).size());
    const TablePoint at =
        CardPlace(game.layout(), game.rules(), game.piles(), game.cards(), ref, std::max(count - 1, 0), nullptr);
    const TablePoint middle{at.x + game.layout().cardWidth / 2,
                            at.y + game.layout().scrollOffset + game.layout().cardHeight / 2};
    return table.toViewport(middle).toPoint();
  }

  void drag(QPoint from, QPoint to) {
    QWidget* surface = table.viewport();
    QTest::mousePress(surface, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step) QTest::mouseMove(surface, from + (to - from) * step / 4);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
  }

  void click(QPoint at) {
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, at);
  }

  TableView table{game, resources};
};

TEST_F(TableMouseTest, DraggedCardsLandOnlyWhereTheRulesAllow) {
  deal("FreeCell");
  ASSERT_GT(table.scale(), 1) << "the table fitted to the window is shown larger than its cards' own size";
  ASSERT_EQ(pile("Fila1").substr(pile("Fila1").size() - 3), "016");

  drag(topOf("Fila1"), topOf("Appogg1"));  // the three of diamonds to a free cell
  EXPECT_EQ(pile("Appogg1"), "016");
  EXPECT_FALSE(game.carry().active());

  const std::string fila3 = pile("Fila3"), fila4 = pile("Fila4");
  drag(topOf("Fila3"), topOf("Fila4"));  // a nine of spades on a three of hearts
  EXPECT_EQ(pile("Fila3"), fila3) << "a refused drop goes back home";
  EXPECT_EQ(pile("Fila4"), fila4);
}

TEST_F(TableMouseTest, DoubleClickSendsACardToItsFoundation) {
  deal("FreeCell");
  ASSERT_EQ(pile("Fila8").substr(pile("Fila8").size() - 3), "001");
  const QPoint ace = topOf("Fila8");
  click(ace);  // a double click's first click, then the double click itself
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, ace);
  EXPECT_EQ(pile("Dest1"), "001");
}

TEST_F(TableMouseTest, StockTurnsThroughAPassAndOver) {
  deal("Klondike (draw one)");
  game.setAutoplay(false);  // every card turned stays on the waste
  const std::size_t stockCards = game.piles().pile(kStock).size();
  ASSERT_GT(stockCards, 0u);
  for (std::size_t i = 0; i < stockCards; ++i) click(topOf("Mazzo"));
  EXPECT_TRUE(game.piles().pile(kStock).empty());
  EXPECT_EQ(game.piles().pile(kWaste).size(), stockCards);

  // The empty stock: the waste turns over when the button is released, and
  // the same press turns the first card of the new pass.
  const CardId firstOfPass = game.piles().pile(kWaste).front();
  click(topOf("Mazzo"));
  EXPECT_EQ(game.state().word(word::PassCounter), 2);
  EXPECT_EQ(game.piles().pile(kStock).size(), stockCards - 1);
  ASSERT_EQ(game.piles().pile(kWaste).size(), 1u);
  EXPECT_EQ(game.piles().pile(kWaste).back(), firstOfPass);
}

TEST_F(TableMouseTest, CtrlRightPressBesideThePilesAsksForThePopUpMenu) {
  deal("FreeCell");
  QSignalSpy asked(&table, &TableView::popupMenuRequested);
  QTest::mousePress(table.viewport(), Qt::RightButton, Qt::ControlModifier, QPoint(1250, 780));
  EXPECT_EQ(asked.count(), 1);
  QTest::mousePress(table.viewport(), Qt::RightButton, Qt::ControlModifier, topOf("Fila1"));
  EXPECT_EQ(asked.count(), 1) << "on a pile the press belongs to the game";
}

TEST_F(TableMouseTest, CarryingToTheBottomEdgeScrollsTheTable) {
  deal("Spider (four suits)");
  table.setZoom(TableZoom::Fixed(1));
  table.resize(900, 200);
  QApplication::processEvents();
  ASSERT_GT(table.verticalScrollBar()->maximum(), 0);
  const QPoint card = topOf("Fila1");
  QTest::mousePress(table.viewport(), Qt::LeftButton, {}, card);
  QTest::mouseMove(table.viewport(), QPoint(card.x(), table.viewport()->height() - 2));
  EXPECT_GT(table.verticalScrollBar()->value(), 0);
  QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(card.x(), table.viewport()->height() - 2));
}

}  // namespace
}  // namespace velmora
