#include "table_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "card_look.h"
#include "layout/card_place.h"
#include "layout/table_layout.h"
#include "shell/main_game.h"
#include "table/card_size.h"
#include "table_painter.h"

namespace velmora {
namespace {

constexpr int kTopWithoutToolbar = 5;
constexpr int kRoomBelowLowestCard = 10;

}  // namespace

TableView::TableView(TMainGame& game, const ResourceStore& resources, QWidget* parent)
    : QAbstractScrollArea(parent), game_(game), resources_(resources) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  verticalScrollBar()->setSingleStep(20);
}

void TableView::setToolbarShown(bool shown) {
  if (toolbarShown_ == shown) return;
  toolbarShown_ = shown;
  relayout();
}

qreal TableView::pixelRatio() const { return devicePixelRatioF(); }

LayoutArea TableView::layoutArea() const {
  LayoutArea area;
  const CardDimensions card = CardSizeFor(pictures_.look().sizeLetter);
  area.cardWidth = card.width;
  area.cardHeight = card.height;
  area.shadowDepth = game_.store().read(store::CardsShadowed) == "N" ? 0 : kShadowDepth;
  area.top = toolbarShown_ ? 0 : kTopWithoutToolbar;
  area.bottom = viewport()->height() - 1;
  area.windowHeight = window()->height();
  // The scroll bar's width is always left out, so that it showing or hiding
  // never moves the piles.
  area.width = width() - verticalScrollBar()->sizeHint().width();
  const QSize screenSize = screen() ? screen()->size() : QSize(1920, 1080);
  area.screenWidth = screenSize.width();
  area.screenHeight = screenSize.height();
  area.scrollPosition = verticalScrollBar()->value();
  return area;
}

void TableView::reloadPictures() {
  const CardLook look = ChooseCardLook(game_, pixelRatio());
  if (!pictures_.loaded() || !(pictures_.look() == look)) pictures_.load(resources_, look);
  background_ = ChooseBackground(game_.store(), resources_, pixelRatio());
  cleanTable_ = QImage();
}

void TableView::relayout() {
  reloadPictures();
  const std::string size = game_.store().read(store::CardSize);
  game_.layout() = LayOutTable(game_.rules(), size.empty() ? 'B' : size.front(), layoutArea());
  redraw();
}

TableScene TableView::scene() const {
  const TableLayout& layout = game_.layout();
  const IrregularPiles* irregular =
      game_.store().read(store::IrregularPiles) == "N" ? nullptr : &game_.irregularPiles();
  ScenePlaces places;
  places.pile = [&](PileRef pile) -> std::optional<TablePoint> {
    if (!layout.placed(pile)) return std::nullopt;
    return layout.stored(pile);
  };
  // The table image holds the whole table; the window scrolls over it.
  places.card = [&](PileRef pile, int index) {
    TablePoint at = CardPlace(layout, game_.rules(), game_.piles(), game_.cards(), pile, index, irregular);
    at.y += layout.scrollOffset;
    return at;
  };
  return BuildTableScene(game_.rules(), game_.piles(), game_.cards(), places, {});
}

void TableView::redraw() {
  if (!pictures_.loaded()) reloadPictures();
  const TableScene scene = this->scene();
  const int lowestEdge = LowestCardEdge(scene, pictures_.cardSize());
  const QSize size(viewport()->width(), std::max(viewport()->height(), lowestEdge + kRoomBelowLowestCard));
  paintTableImage(scene, size);
  updateScrollRange(lowestEdge);
  viewport()->update();
}

void TableView::prepareCleanTable(QSize size) {
  if (cleanTable_.size() == size * pixelRatio() && cleanTable_.devicePixelRatio() == pixelRatio()) return;
  cleanTable_ = QImage(size * pixelRatio(), QImage::Format_ARGB32_Premultiplied);
  cleanTable_.setDevicePixelRatio(pixelRatio());
  QPainter painter(&cleanTable_);
  PaintBackground(painter, QRect(QPoint(0, 0), size), background_);
}

// The table image starts as a copy of the clean table, so only the piles are painted.
void TableView::paintTableImage(const TableScene& scene, QSize size) {
  prepareCleanTable(size);
  if (tableImage_.size() != cleanTable_.size()) {
    tableImage_ = QImage(cleanTable_.size(), QImage::Format_ARGB32_Premultiplied);
    tableImage_.setDevicePixelRatio(pixelRatio());
  }
  QPainter painter(&tableImage_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, cleanTable_);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  PaintTableScene(painter, scene, pictures_, {game_.store().read(store::CardsShadowed) != "N"});
}

void TableView::updateScrollRange(int lowestEdge) {
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(viewport()->height());
  bar->setRange(0, std::max(0, lowestEdge + kRoomBelowLowestCard - viewport()->height()));
}

void TableView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int scroll = verticalScrollBar()->value();
  if (tableImage_.isNull()) {
    painter.fillRect(event->rect(), background_.colour);
    return;
  }
  painter.drawImage(QPoint(0, -scroll), tableImage_);
  const int imageBottom = static_cast<int>(tableImage_.deviceIndependentSize().height()) - scroll;
  if (imageBottom < viewport()->height())
    painter.fillRect(QRect(0, imageBottom, viewport()->width(), viewport()->height() - imageBottom),
                     background_.colour);
}

void TableView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

void TableView::scrollContentsBy(int, int) {
  game_.layout().setScrollOffset(verticalScrollBar()->value());
  viewport()->update();
}

}  // namespace velmora
