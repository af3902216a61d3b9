// mkpreviews: the small picture of every game of the rule file, dealt and
// drawn with the program's own table painter, for the game selection.
//   mkpreviews PROGRAM_FOLDER BUNDLE STAGE_FOLDER
// PROGRAM_FOLDER holds GAMES.DAT; BUNDLE is a resource bundle with the card
// pictures; the pictures "GAME" + 4 digits are written into STAGE_FOLDER's
// bitmaps with the collection file previews.qrc beside them.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>

#include "card_look.h"
#include "catalogue/catalogue_startup.h"
#include "catalogue/selection_tree.h"
#include "game/new_game.h"
#include "layout/card_place.h"
#include "layout/layout_area.h"
#include "resource_store.h"
#include "shell/main_game.h"
#include "shell/silent_ui.h"
#include "table/prepare_game.h"
#include "table_painter.h"

namespace {

using namespace velmora;

constexpr int kTableWidth = 800;
constexpr int kWideTableWidth = 1100;  // games that need a wide screen
constexpr int kTableHeight = 560;
constexpr int kMargin = 8;  // green left around the cards before shrinking
constexpr QSize kPreviewBox(250, 180);
constexpr QColor kPreviewGreen(0, 128, 0);  // the selection's background; the top-left pixel keys it
constexpr std::string_view kDealNumber = "0000000000007";  // every picture shows the same deal

// Where the scene's piles and cards lie, with a margin around them.
QRect SceneBounds(const TableScene& scene, QSize card) {
  QRect bounds;
  for (const ScenePile& pile : scene.piles) {
    bounds |= QRect(QPoint(pile.place.x, pile.place.y), card);
    for (const SceneCard& c : pile.cards) bounds |= QRect(QPoint(c.place.x, c.place.y), card);
  }
  return bounds.adjusted(-kMargin, -kMargin, kMargin + kShadowDepth, kMargin + kShadowDepth);
}

// The current game dealt and painted at full size, cut to its cards and
// shrunk to the preview box.
QImage PaintPreview(TMainGame& game, const ResourceStore& resources, int tableWidth) {
  const std::string sizeText = game.store().read(store::CardSize);
  const char size = sizeText.empty() ? 'B' : sizeText.front();
  const CardDimensions card = CardSizeFor(size);
  LayoutArea cards;
  cards.cardWidth = card.width;
  cards.cardHeight = card.height;
  cards.shadowDepth = kShadowDepth;
  cards.screenWidth = 1280;
  cards.screenHeight = 1024;
  game.layout() = LayOutTable(game.rules(), size, PreviewArea(cards, tableWidth, kTableHeight));

  TablePictures pictures;
  pictures.load(resources, ChooseCardLook(game, 1));
  ScenePlaces places;
  places.pile = [&game](PileRef pile) -> std::optional<TablePoint> {
    if (!game.layout().placed(pile)) return std::nullopt;
    return game.layout().stored(pile);
  };
  places.card = [&game](PileRef pile, int index) {
    return CardPlace(game.layout(), game.rules(), game.piles(), game.cards(), pile, index, nullptr);
  };
  SceneFacts facts;
  facts.preview = true;
  const TableScene scene = BuildTableScene(game.rules(), game.piles(), game.cards(), places, facts);

  const int height = std::max(kTableHeight, LowestCardEdge(scene, pictures.cardSize()) + 8);
  QImage table(tableWidth, height, QImage::Format_ARGB32_Premultiplied);
  table.fill(kPreviewGreen);
  {
    QPainter painter(&table);
    PaintTableScene(painter, scene, pictures, {});
  }
  const QRect cut = SceneBounds(scene, pictures.cardSize()).intersected(table.rect());
  QImage preview = table.copy(cut).scaled(kPreviewBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return preview.convertToFormat(QImage::Format_RGB32);
}

bool Save(const QString& file, const QByteArray& bytes) {
  QSaveFile out(file);
  return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    qWarning("usage: mkpreviews PROGRAM_FOLDER BUNDLE STAGE_FOLDER");
    return 2;
  }
  ResourceStore resources;
  if (!resources.open(args[2])) {
    qWarning("mkpreviews: cannot open %s", qPrintable(args[2]));
    return 1;
  }
  QTemporaryDir data;
  SilentUi ui;
  TMainGame game(Folders(args[1].toStdString(), data.path().toStdString()), ui);
  game.data().prepare();
  if (LoadCatalogueFiles(game.catalogue(), game.data())) {
    qWarning("mkpreviews: cannot read the rule file in %s", qPrintable(args[1]));
    return 1;
  }
  const QString stage = args[3];
  QDir(stage).mkpath(QStringLiteral("bitmaps"));
  QByteArray collection = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  bool complete = true;
  for (const GameEntry* entry : game.catalogue().games()) {
    if (!MakeCurrentGame(game, entry->number, {1280, true})) {
      qWarning("mkpreviews: cannot prepare game %d", entry->number);
      complete = false;
      continue;
    }
    game.store().write(store::DealNumber, kDealNumber);
    StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
    const QString entryName = QStringLiteral("bitmaps/") + QString::fromStdString(PreviewPictureName(entry->number)) +
                              QStringLiteral(".png");
    const QImage preview = PaintPreview(game, resources, entry->wide ? kWideTableWidth : kTableWidth);
    if (!preview.save(stage + QLatin1Char('/') + entryName, "PNG")) {
      qWarning("mkpreviews: cannot write %s", qPrintable(entryName));
      complete = false;
      continue;
    }
    collection += "  <file>" + entryName.toUtf8() + "</file>\n";
  }
  collection += "</qresource>\n</RCC>\n";
  return Save(stage + QStringLiteral("/previews.qrc"), collection) && complete ? 0 : 1;
}
