// The table on screen: dealt cards where the layout puts them, the player's
// own card sets and their refusal, missing pictures, scrolling, dense screens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "app_test_support.h"
#include "card_look.h"
#include "catalogue/catalogue_startup.h"
#include "table/prepare_game.h"
#include "table_painter.h"
#include "table_view.h"

namespace velmora {
namespace {

using testing::GameFixture;

class TableViewTest : public ::testing::Test, protected GameFixture {
 protected:
  TableViewTest() { EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value()); }

  void deal(const char* name, QSize size) {
    ASSERT_FALSE(DealNamedGame(game, name, "1", {1920, true}).has_value());
    table.resize(size);
    table.show();
    QApplication::processEvents();
    table.relayout();
  }

  // A custom card set picture of the given size, every card filled with one colour.
  void writeCustomSet(const QString& name, QSize size, QColor colour) {
    QDir(scratch.path()).mkpath(QStringLiteral("custom card sets"));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(scratch.filePath(QStringLiteral("custom card sets/") + name + QStringLiteral(".crs")), "BMP"));
    game.preferences().update([&](IniDocument& file) { file.write("Preference", "Customized_Cards_Set", name.toStdString()); });
    game.store().write(store::CustomCardSetChosen, "Y");
  }

  TableView table{game, resources};
};

TEST_F(TableViewTest, FaceUpCardsShowWhereTheLayoutPutsThem) {
  deal("FreeCell", {1280, 800});
  const QImage& image = table.tableImage();
  int checked = 0;
  for (const ScenePile& pile : table.scene().piles) {
    if (pile.cards.empty()) continue;
    const SceneCard& top = pile.cards.back();
    ASSERT_TRUE(top.faceUp);
    // Inside the card's left edge, half way down: the white of the face.
    const QPoint inside =
        table.toViewport({top.place.x + 4, top.place.y + table.pictures().cardSize().height() / 2}).toPoint();
    const QColor seen = image.pixelColor(inside * image.devicePixelRatio());
    EXPECT_GT(seen.lightness(), 200) << PileName(pile.pile);
    ++checked;
  }
  EXPECT_EQ(checked, 8);
}

TEST_F(TableViewTest, TableTallerThanTheWindowScrolls) {
  table.setZoom(TableZoom::Fixed(1));  // at the cards' own size
  deal("Spider (four suits)", {640, 200});
  EXPECT_GT(table.verticalScrollBar()->maximum(), 0);
  table.verticalScrollBar()->setValue(table.verticalScrollBar()->maximum());
  EXPECT_EQ(game.layout().scrollOffset, table.verticalScrollBar()->maximum());
  // Scrolling moves what is shown, never where the piles are.
  EXPECT_EQ(game.layout().stored({PileGroup::Tableau, 0}).y - game.layout().scrollOffset,
            game.layout().pile({PileGroup::Tableau, 0}).y);
}

TEST_F(TableViewTest, CustomCardSetGivesItsFacesAndItsSize) {
  writeCustomSet(QStringLiteral("Plain"), {295, 960}, Qt::yellow);
  const CardLook look = ChooseCardLook(game, 1);
  ASSERT_TRUE(look.customSet.has_value());
  EXPECT_EQ(look.sizeLetter, 'M');
  TablePictures pictures;
  pictures.load(resources, look);
  EXPECT_EQ(pictures.face(1).size(), QSize(59, 80));
  EXPECT_EQ(pictures.face(53).pixelColor(30, 40), QColor(Qt::yellow));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableViewTest, CustomCardSetOfAWrongSizeIsReportedAndGivenUp) {
  struct Case {
    const char* what;
    bool write;
    const char* message;
  };
  for (const Case& c : {Case{"wrong size", true, "The format of the Customized card set image is not valid."},
                        Case{"missing", false, "Customized cards set image not found: "}}) {
    ui.messages.clear();
    if (c.write)
      writeCustomSet(QStringLiteral("Odd"), {300, 300}, Qt::red);
    else {
      game.preferences().update([](IniDocument& file) { file.write("Preference", "Customized_Cards_Set", "Gone"); });
      game.store().write(store::CustomCardSetChosen, "Y");
    }
    const CardLook look = ChooseCardLook(game, 1);
    EXPECT_FALSE(look.customSet.has_value()) << c.what;
    ASSERT_EQ(ui.messages.size(), 1u) << c.what;
    EXPECT_EQ(ui.messages[0].rfind(c.message, 0), 0u) << ui.messages[0];
    EXPECT_EQ(game.store().read(store::CustomCardSetChosen), "N") << c.what;
    EXPECT_EQ(preferenceFile().readString("Preference", "Customized_Cards_Set", "?"), "") << c.what;
  }
}

TEST_F(TableViewTest, MissingPicturesDrawNothing) {
  CardLook look;
  look.deck = 998;     // no such back
  look.cardSet = 997;  // no such faces
  TablePictures pictures;
  pictures.load(resources, look);
  EXPECT_TRUE(pictures.back().isNull());
  EXPECT_TRUE(pictures.face(1).isNull());
  TableScene scene;
  scene.piles.push_back({kStock, {10, 10}, "022", 0, {{5, false, {10, 10}}, {6, true, {10, 10}}}});
  QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::green);
  {
    QPainter painter(&image);
    PaintTableScene(painter, scene, pictures, {});
  }
  EXPECT_EQ(image.pixelColor(40, 50), QColor(Qt::green)) << "a card without a picture leaves the table as it was";
}

// A selected card of a removal game is drawn inverted where it lies; its
// rounded corners still show the table.
TEST_F(TableViewTest, SelectedCardsAreInverted) {
  TablePictures pictures;
  pictures.load(resources, CardLook{});
  const auto paint = [&](bool selected) {
    TableScene scene;
    scene.piles.push_back({{PileGroup::Tableau, 0}, {10, 10}, "", 0, {{1, true, {10, 10}, selected}}});
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::green);
    QPainter painter(&image);
    PaintTableScene(painter, scene, pictures, {});
    return image;
  };
  const QImage plain = paint(false);
  const QImage selected = paint(true);
  for (const QPoint inside : {QPoint(40, 50), QPoint(20, 20), QPoint(70, 90)}) {
    const QColor colour = plain.pixelColor(inside);
    EXPECT_EQ(selected.pixelColor(inside), QColor(255 - colour.red(), 255 - colour.green(), 255 - colour.blue()))
        << inside.x() << "," << inside.y();
  }
  EXPECT_EQ(selected.pixelColor(10, 10), QColor(Qt::green)) << "the corner stays the table's";
  EXPECT_EQ(selected.pixelColor(150, 150), QColor(Qt::green));
}

TEST_F(TableViewTest, DenseScreensGetTwiceTheDetail) {
  CardLook look;
  look.devicePixelRatio = 2;
  TablePictures pictures;
  pictures.load(resources, look);
  EXPECT_EQ(pictures.face(1).size(), QSize(142, 192));
  EXPECT_EQ(pictures.face(1).deviceIndependentSize().toSize(), QSize(71, 96));
  EXPECT_EQ(pictures.back().deviceIndependentSize().toSize(), QSize(71, 96));
}

}  // namespace
}  // namespace velmora
