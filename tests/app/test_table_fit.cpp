// The table fitted to its window: every game's dealt table shown whole and
// centred at window sizes small and large, the zoom steps and their
// preference, and cards drawn sharp past the bundle's twice-size pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app_test_support.h"
#include "cards/card.h"
#include "catalogue/catalogue_startup.h"
#include "table/prepare_game.h"
#include "table_view.h"

namespace velmora {
namespace {

using testing::GameFixture;

// The largest change of lightness between two neighbouring pixels of a row.
int SteepestStep(const QImage& picture) {
  int steepest = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 1; x < picture.width(); ++x)
      steepest = std::max(steepest, std::abs(picture.pixelColor(x, y).lightness() - picture.pixelColor(x - 1, y).lightness()));
  return steepest;
}
constexpr int kSharpStep = 160;

class TableFitTest : public ::testing::Test, protected GameFixture {
 protected:
  TableFitTest() { EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value()); }

  void deal(const std::string& name, QSize size) {
    ASSERT_FALSE(DealNamedGame(game, name, "1", {size.width(), true}).has_value()) << name;
    table.resize(size);
    table.show();
    QApplication::processEvents();
    table.relayout();
  }

  // Where the window shows the scene's cards and empty piles, in viewport pixels.
  QRectF shownTable() const {
    const QSizeF card = QSizeF(table.pictures().cardSize()) * table.scale();
    QRectF shown;
    for (const ScenePile& pile : table.scene().piles) {
      shown |= QRectF(table.toViewport(pile.place), card);
      for (const SceneCard& each : pile.cards) shown |= QRectF(table.toViewport(each.place), card);
    }
    return shown;
  }

  TableView table{game, resources};
};

TEST_F(TableFitTest, EveryGameIsShownWholeAndCentred) {
  for (const QSize window : {QSize(1024, 700), QSize(1400, 900), QSize(1920, 1080)}) {
    for (const std::string& name : game.catalogue().AllGameNames()) {
      deal(name, window);
      const QRectF shown = shownTable();
      const QRectF viewport(QPointF(0, 0), QSizeF(table.viewport()->size()));
      const QString where = QStringLiteral("%1 in %2x%3 at scale %4")
                                .arg(QString::fromStdString(name))
                                .arg(window.width())
                                .arg(window.height())
                                .arg(table.scale());
      EXPECT_TRUE(viewport.contains(shown)) << where.toStdString() << ": the table at " << shown.left() << ","
                                            << shown.top() << " to " << shown.right() << "," << shown.bottom()
                                            << " in " << viewport.width() << "x" << viewport.height();
      EXPECT_EQ(table.verticalScrollBar()->maximum(), 0) << where.toStdString() << ": the dealt table needs no scroll";
      const qreal left = shown.left();
      const qreal right = table.width() - table.verticalScrollBar()->sizeHint().width() - shown.right();
      EXPECT_LE(std::abs(left - right), table.pictures().cardSize().width() * table.scale())
          << where.toStdString() << ": margins " << left << " and " << right;
      if (window.width() >= 1400) {
        EXPECT_GT(table.scale(), 1) << where.toStdString() << ": a large window shows larger cards";
      }
    }
  }
}

TEST_F(TableFitTest, ResizingRescalesAtOnce) {
  deal("Klondike (draw one)", {1024, 700});
  const qreal small = table.scale();
  table.resize(1920, 1080);
  QApplication::processEvents();
  EXPECT_GT(table.scale(), small * 1.4);
}

TEST_F(TableFitTest, AFixedZoomOverridesTheFitAndOneGivesTheCardsOwnSize) {
  deal("FreeCell", {1920, 1080});
  table.setZoom(TableZoom::Fixed(1));
  EXPECT_EQ(table.scale(), 1);
  EXPECT_EQ(table.pictures().face(MakeCard(Hearts, 1)).size(), QSize(71, 96)) << "the bundle's own pictures";
  table.setZoom(TableZoom::Fixed(ZoomedIn(1)));
  EXPECT_GT(table.scale(), 1);
  table.setZoom(TableZoom::Fitted());
  EXPECT_GT(table.scale(), ZoomedIn(1));
}

TEST_F(TableFitTest, CardsPastTwiceTheirSizeAreDrawnAfreshAtTheirPixelSize) {
  deal("Klondike (draw one)", {3840, 2160});
  ASSERT_GT(table.scale(), 2) << "a table this large is shown past the twice-size pictures";
  table.drawSharpCards();
  ASSERT_TRUE(table.pictures().sharp());
  const qreal ratio = table.scale() * table.devicePixelRatioF();
  const QSize pixels(qRound(71 * ratio), qRound(96 * ratio));
  for (const QImage* picture : {&table.pictures().face(MakeCard(Spades, 12)), &table.pictures().back()}) {
    EXPECT_EQ(picture->size(), pixels);
    EXPECT_DOUBLE_EQ(picture->devicePixelRatio(), ratio);
  }
  // Sharp ink: somewhere a pip's edge turns from black to white between two
  // neighbouring pixels, where an enlarged small picture smears every edge.
  EXPECT_GT(SteepestStep(table.pictures().face(MakeCard(Spades, 7))), kSharpStep);
}

struct ZoomStepCase {
  qreal from;
  qreal in;
  qreal out;
};

TEST(TableZoom, StepsInAndOutStayWithinTheRange) {
  for (const ZoomStepCase& c : {ZoomStepCase{1, 1.1, 0.9}, ZoomStepCase{1.3, 1.5, 1.25}, ZoomStepCase{6, 6, 5},
                                ZoomStepCase{0.5, 0.67, 0.5}, ZoomStepCase{2.49, 2.5, 2}}) {
    EXPECT_DOUBLE_EQ(ZoomedIn(c.from), c.in) << c.from;
    EXPECT_DOUBLE_EQ(ZoomedOut(c.from), c.out) << c.from;
  }
}

TEST(TableZoom, ThePreferenceKeepsTheChoiceAndRefusesNonsense) {
  EXPECT_EQ(ZoomPreference(TableZoom::Fitted()), QStringLiteral("Fit"));
  EXPECT_EQ(ZoomFromPreference(ZoomPreference(TableZoom::Fixed(1.25))), TableZoom::Fixed(1.25));
  for (const char* nonsense : {"", "Fit", "0", "-100", "9999", "abc", "150%"})
    EXPECT_EQ(ZoomFromPreference(QString::fromLatin1(nonsense)), TableZoom::Fitted()) << nonsense;
}

}  // namespace
}  // namespace velmora
