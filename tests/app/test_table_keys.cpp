// Playing on the table widget by keys: the window hands the keys to the
// table, the focus outline shows from the first key on, and arrows and Space
// carry a card to a free cell. Runs on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app_test_support.h"
#include "catalogue/catalogue_startup.h"
#include "main_window.h"
#include "play/hit_test.h"
#include "shell/startup.h"
#include "table/prepare_game.h"
#include "table_view.h"

namespace velmora {
namespace {

using testing::GameFixture;

constexpr PileRef kFirstTableauPile{PileGroup::Tableau, 0};
constexpr PileRef kFirstFreeCell{PileGroup::Reserves, 0};

class TableKeysTest : public ::testing::Test, protected GameFixture {
 protected:
  TableKeysTest() {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, game.preferences().open(), {});
    game.store().write(store::CardsAnimate, "N");
  }

  // FreeCell deal 1 in a window whose table has the keyboard focus.
  void deal() {
    ASSERT_FALSE(DealNamedGame(game, "FreeCell", "1", {1920, true}).has_value());
    window.setTable(table);
    window.resize(1280, 800);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    table->relayout();
  }

  std::string pile(const char* name) const { return game.piles().pileString(*ParsePileName(name)); }

  void type(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
  }

  // The colour a few pixels left of a card's rectangle, where the focus
  // outline runs round it.
  QColor besideCard(PileRef pile, int index) {
    const TableRect card = CardRect(game, pile, index);
    const QPoint edge =
        table->toViewport({card.x, card.y + game.layout().scrollOffset + card.height / 2}).toPoint();
    return table->viewport()->grab().toImage().pixelColor(edge.x() - 3, edge.y());
  }

  MainWindow window{game, &resources};
  TableView* table = new TableView(game, resources);  // the window owns it once it is set
};

TEST_F(TableKeysTest, ArrowsAndSpaceCarryACardToAFreeCell) {
  deal();
  ASSERT_EQ(QApplication::focusWidget(), table) << "the table takes the keys of the window";
  ASSERT_GT(table->scale(), 1) << "keys play a table shown larger than its cards' own size";
  ASSERT_EQ(pile("Fila1").substr(pile("Fila1").size() - 3), "016");
  const int top = static_cast<int>(game.piles().pile(kFirstTableauPile).size()) - 1;
  const QColor besideCell = besideCard(kFirstFreeCell, 0), besideTop = besideCard(kFirstTableauPile, top);

  type({Qt::Key_Down});
  EXPECT_NE(besideCard(kFirstFreeCell, 0), besideCell) << "the first key shows the focus on the first pile";
  type({Qt::Key_Down});
  EXPECT_NE(besideCard(kFirstTableauPile, top), besideTop) << "the focus outline round the pile below";
  EXPECT_EQ(besideCard(kFirstFreeCell, 0), besideCell) << "and nowhere else";

  // The three of diamonds up to the free cell nearest above the first pile.
  type({Qt::Key_Space, Qt::Key_Up, Qt::Key_Return});
  std::string cells;
  for (const char* cell : {"Appogg1", "Appogg2", "Appogg3", "Appogg4"}) cells += pile(cell) + "|";
  EXPECT_NE(cells.find("016"), std::string::npos) << cells;
  EXPECT_NE(pile("Fila1").substr(pile("Fila1").size() - 3), "016");
  EXPECT_FALSE(game.carry().active());
}

}  // namespace
}  // namespace velmora
