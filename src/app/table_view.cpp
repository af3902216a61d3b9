#include "table_view.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "card_look.h"
#include "qt_game_ui.h"
#include "layout/card_place.h"
#include "layout/table_layout.h"
#include "play/hit_test.h"
#include "hints/show_legal_move.h"
#include "play/player_actions.h"
#include "shell/main_game.h"
#include "table/card_size.h"
#include "table_painter.h"

namespace velmora {
namespace {

constexpr int kTopWithoutToolbar = 5;
constexpr int kRoomBelowLowestCard = 10;
constexpr int kFlightMilliseconds = 140;
constexpr int kShadowMargin = 12;  // the shadow and a stacked pile's edges reach this far past a card
constexpr int kScrollEdge = 5;     // a carried card this close to an edge scrolls the table
constexpr int kArrowWidth = 6;
constexpr int kArrowHead = 22;
constexpr int kRingRadius = 26;
constexpr int kFitRounds = 10;  // halvings of the scale's range: within a thousandth of the best
constexpr int kFitMargin = 8;          // table pixels kept clear round a fitted table
constexpr int kFanRoomCards = 8;       // a fitted table leaves room for a vertical fan to grow this much
constexpr int kResizeSettleMilliseconds = 150;  // no resize for this long: the cards are drawn sharp
const QColor kArrowColour(255, 215, 0);
const QColor kArrowEdge(60, 30, 0);
constexpr int kFocusMargin = 3;  // the focus outline stands this far outside the card
constexpr int kFocusWidth = 3;
constexpr int kPanelTextPixels = 13;  // readable still on a table shown at two thirds of its size
constexpr int kPanelPadding = 6;
constexpr int kPanelLines = 3;

QPoint At(TablePoint point) { return {point.x, point.y}; }

char ChosenSizeLetter(const TMainGame& game) {
  const std::string size = game.store().read(store::CardSize);
  return size.empty() ? 'B' : size.front();
}

// Whether the pile's cards fan downwards, so the pile grows towards the bottom in play.
bool FansDownwards(const RuleRecord& rules, PileRef pile) {
  const int type = DisplayTypeOf(rules, pile);
  return pile.group == PileGroup::Tableau && (type == 1 || type == 12);
}

// What the table needs to be shown whole: every pile and card, and below each
// downward fan room for a few more cards.
QRect NeededTable(const TableScene& scene, const RuleRecord& rules, const TableLayout& layout) {
  const QSize card(layout.cardWidth, layout.cardHeight);
  QRect needed;
  for (const ScenePile& pile : scene.piles) {
    QRect area(QPoint(pile.place.x, pile.place.y), card);
    for (const SceneCard& each : pile.cards) area |= QRect(QPoint(each.place.x, each.place.y), card);
    if (FansDownwards(rules, pile.pile)) area.setBottom(area.bottom() + kFanRoomCards * layout.steps.verticalUp);
    needed |= area;
  }
  return needed;
}

MouseButton ButtonOf(const QMouseEvent& event) {
  return event.button() == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
}

// The keys of play on the table; with Ctrl, Alt or Meta a key belongs to the
// window's commands.
std::optional<TableKey> TableKeyOf(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Left: return TableKey::Left;
    case Qt::Key_Right: return TableKey::Right;
    case Qt::Key_Up: return TableKey::Up;
    case Qt::Key_Down: return TableKey::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return TableKey::Press;
    case Qt::Key_Escape: return TableKey::Cancel;
    case Qt::Key_Home:
    case Qt::Key_End: return TableKey::Stock;
    default: return std::nullopt;
  }
}

}  // namespace

TableView::TableView(TMainGame& game, const ResourceStore& resources, QWidget* parent)
    : QAbstractScrollArea(parent), game_(game), resources_(resources) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  verticalScrollBar()->setSingleStep(20);
  sharpCards_.setSingleShot(true);
  sharpCards_.setInterval(kResizeSettleMilliseconds);
  connect(&sharpCards_, &QTimer::timeout, this, &TableView::drawSharpCards);
}

void TableView::setToolbarShown(bool shown) {
  if (toolbarShown_ == shown) return;
  toolbarShown_ = shown;
  relayout();
}

qreal TableView::pixelRatio() const { return devicePixelRatioF(); }

LayoutArea TableView::layoutArea() const { return layoutAreaAt(scale_); }

// The window's sizes in table pixels: a table shown larger has less room.
LayoutArea TableView::layoutAreaAt(qreal scale) const {
  const auto inTable = [scale](int pixels) { return static_cast<int>(pixels / scale); };
  LayoutArea area;
  const CardDimensions card = CardSizeFor(ChosenSizeLetter(game_));
  area.cardWidth = card.width;
  area.cardHeight = card.height;
  area.shadowDepth = game_.store().read(store::CardsShadowed) == "N" ? 0 : kShadowDepth;
  area.top = toolbarShown_ ? 0 : kTopWithoutToolbar;
  area.bottom = inTable(viewport()->height()) - 1;
  area.windowHeight = inTable(window()->height());
  // The scroll bar's width is always left out, so that it showing or hiding
  // never moves the piles.
  area.width = inTable(width() - verticalScrollBar()->sizeHint().width());
  const QSize screenSize = screen() ? screen()->size() : QSize(1920, 1080);
  area.screenWidth = inTable(screenSize.width());
  area.screenHeight = inTable(screenSize.height());
  area.scrollPosition = verticalScrollBar()->value();
  return area;
}

// Whether the whole table, with room for its fans, lies inside the window
// when laid out at `scale`.
bool TableView::fitsAt(qreal scale) {
  const LayoutArea area = layoutAreaAt(scale);
  game_.layout() = LayOutTable(game_.rules(), ChosenSizeLetter(game_), area);
  placeResultPanel(area);
  const QRect needed = NeededTable(scene(), game_.rules(), game_.layout()) | resultPanelRect();
  return needed.left() >= 0 && needed.right() + kFitMargin <= area.width && needed.top() >= area.top &&
         needed.bottom() + std::max(kFitMargin, kRoomBelowLowestCard) <= area.bottom;
}

// Some layouts spread over whatever width they are given, so the scale is
// searched for: the largest at which the laid-out table fits.
qreal TableView::fittedScale() {
  qreal fits = kSmallestZoom;
  qreal tooLarge = kLargestZoom;
  if (fitsAt(tooLarge)) return tooLarge;
  for (int round = 0; round < kFitRounds; ++round) {
    const qreal middle = (fits + tooLarge) / 2;
    (fitsAt(middle) ? fits : tooLarge) = middle;
  }
  return fits;
}

void TableView::reloadPictures() {
  const CardLook look = ChooseCardLook(game_, pictureRatio());
  CardLook shown = pictures_.look();
  shown.devicePixelRatio = look.devicePixelRatio;
  if (pictures_.loaded() && shown == look && pictures_.look().devicePixelRatio != look.devicePixelRatio) {
    // Only the scale changed: the pictures at hand are drawn scaled while
    // the window is being resized, and made again when it settles.
    sharpCards_.start();
  } else if (!pictures_.loaded() || !(pictures_.look() == look)) {
    pictures_.load(resources_, look, PictureQuality::Quick);
    if (!pictures_.sharp()) sharpCards_.start();
  }
  background_ = ChooseBackground(game_.store(), resources_, pixelRatio());
  cleanTable_ = QImage();
}

void TableView::drawSharpCards() {
  sharpCards_.stop();
  if (!pictures_.loaded()) return;
  CardLook look = pictures_.look();
  look.devicePixelRatio = pictureRatio();
  if (pictures_.sharp() && pictures_.look() == look) return;
  pictures_.load(resources_, look, PictureQuality::Sharp);
  redraw();
}

void TableView::relayout() {
  scale_ = zoom_.fit ? fittedScale() : zoom_.factor;
  reloadPictures();
  const LayoutArea area = layoutArea();
  game_.layout() = LayOutTable(game_.rules(), ChosenSizeLetter(game_), area);
  placeResultPanel(area);
  redraw();
}

void TableView::placeResultPanel(const LayoutArea& area) {
  const ResultPanelPlace place =
      ShowsResultPanel(game_.rules()) ? PlaceResultPanel(game_.layout(), area) : ResultPanelPlace{};
  ProgramState& state = game_.state();
  state.setWord(word::ResultPanelLeft, place.left);
  state.setWord(word::ResultPanelTop, place.top);
  state.setWord(word::ResultPanelWidth, place.width);
}

QRect TableView::resultPanelRect() const {
  const ProgramState& state = game_.state();
  const int width = state.word(word::ResultPanelWidth);
  if (width <= 0 || !ShowsResultPanel(game_.rules())) return {};
  return {state.word(word::ResultPanelLeft), state.word(word::ResultPanelTop), width, kResultPanelHeight};
}

void TableView::showResultPanel(const GameUi::ResultPanel& panel) {
  panel_ = panel;
  redraw();
}

void TableView::clearResultPanel() {
  if (!panel_) return;
  panel_.reset();
  redraw();
}

void TableView::highlightCards(const std::vector<CardId>& cards) {
  highlighted_ = cards;
  redraw();
}

// White, with the hand's name and the word "Total" bold, in the small font
// of the window's other panels.
void TableView::paintResultPanel(QPainter& painter) const {
  const QRect area = resultPanelRect();
  if (area.isEmpty() || !panel_) return;
  painter.save();
  painter.fillRect(area, Qt::white);
  QFont plain(QStringLiteral("MS Sans Serif"));
  plain.setPixelSize(kPanelTextPixels);
  QFont bold = plain;
  bold.setBold(true);
  const QRect text = area.adjusted(kPanelPadding, kPanelPadding, -kPanelPadding, -kPanelPadding);
  const int line = text.height() / kPanelLines;
  const auto lineRect = [&](int index) { return QRect(text.left(), text.top() + index * line, text.width(), line); };
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  painter.setPen(Qt::black);
  painter.setFont(bold);
  painter.drawText(lineRect(0), flags, ToDisplayText(panel_->hand));
  painter.setFont(plain);
  painter.drawText(lineRect(1), flags, ToDisplayText(panel_->points));
  // "Total: 20 points": the word bold, the rest plain.
  const QString total = ToDisplayText(panel_->total);
  const qsizetype colon = total.indexOf(QLatin1Char(':'));
  const QString word = colon < 0 ? QString() : total.left(colon);
  painter.setFont(bold);
  painter.drawText(lineRect(2), flags, word);
  const int wordWidth = QFontMetrics(bold).horizontalAdvance(word);
  painter.setFont(plain);
  painter.drawText(lineRect(2).adjusted(wordWidth, 0, 0, 0), flags, total.mid(word.size()));
  painter.restore();
}

// A zoom the player asks for is shown sharp at once: no resize follows it.
void TableView::setZoom(const TableZoom& zoom) {
  zoom_ = zoom;
  relayout();
  drawSharpCards();
}

QPointF TableView::toViewport(TablePoint point) const {
  return QPointF(point.x, point.y - verticalScrollBar()->value()) * scale_;
}

TablePoint TableView::fromViewport(QPointF point) const {
  return {static_cast<int>(std::floor(point.x() / scale_)), static_cast<int>(std::floor(point.y() / scale_))};
}

// A rectangle of window coordinates in table pixels, in viewport pixels with a pixel to spare.
QRect TableView::viewportRect(QRect tableRect) const {
  if (tableRect.isNull()) return tableRect;
  const QRectF scaled(QPointF(tableRect.topLeft()) * scale_, QSizeF(tableRect.size()) * scale_);
  return scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
}

ScenePlaces TableView::places() const {
  const TableLayout& layout = game_.layout();
  const IrregularPiles* irregular =
      game_.store().read(store::IrregularPiles) == "N" ? nullptr : &game_.irregularPiles();
  ScenePlaces places;
  places.pile = [&layout](PileRef pile) -> std::optional<TablePoint> {
    if (!layout.placed(pile)) return std::nullopt;
    return layout.stored(pile);
  };
  // The table image holds the whole table; the window scrolls over it.
  places.card = [this, &layout, irregular](PileRef pile, int index) {
    TablePoint at = CardPlace(layout, game_.rules(), game_.piles(), game_.cards(), pile, index, irregular);
    at.y += layout.scrollOffset;
    return at;
  };
  return places;
}

TableScene TableView::scene() const {
  SceneFacts facts;
  facts.passes.passCounter = game_.state().word(word::PassCounter);
  facts.carry = &game_.carry();
  TableScene scene = BuildTableScene(game_.rules(), game_.piles(), game_.cards(), places(), facts);
  if (highlighted_.empty()) return scene;
  for (ScenePile& pile : scene.piles)
    for (SceneCard& card : pile.cards)
      if (std::ranges::find(highlighted_, card.card) != highlighted_.end()) card.selected = true;
  return scene;
}

void TableView::redraw() {
  if (!pictures_.loaded()) reloadPictures();
  lifted_ = game_.carry().card;
  if (!game_.carry().active()) overlay_.cards.clear();
  const TableScene scene = this->scene();
  const int lowestEdge = std::max(LowestCardEdge(scene, pictures_.cardSize()), resultPanelRect().bottom() + 1);
  const int tableHeight = static_cast<int>(std::ceil((lowestEdge + kRoomBelowLowestCard) * scale_));
  const QSize size(viewport()->width(), std::max(viewport()->height(), tableHeight));
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
  painter.scale(scale_, scale_);
  PaintTableScene(painter, scene, pictures_, {game_.store().read(store::CardsShadowed) != "N"});
  paintResultPanel(painter);
}

// The scroll bar counts table pixels, as the layout's scroll offset does.
void TableView::updateScrollRange(int lowestEdge) {
  QScrollBar* bar = verticalScrollBar();
  const int shown = static_cast<int>(viewport()->height() / scale_);
  bar->setPageStep(shown);
  bar->setRange(0, std::max(0, lowestEdge + kRoomBelowLowestCard - shown));
}

void TableView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int scroll = verticalScrollBar()->value();
  if (tableImage_.isNull()) {
    painter.fillRect(event->rect(), background_.colour);
    return;
  }
  const int scrolled = qRound(scroll * scale_);
  painter.drawImage(QPoint(0, -scrolled), tableImage_);
  const int imageBottom = static_cast<int>(tableImage_.deviceIndependentSize().height()) - scrolled;
  if (imageBottom < viewport()->height())
    painter.fillRect(QRect(0, imageBottom, viewport()->width(), viewport()->height() - imageBottom),
                     background_.colour);
  paintOverlay(painter);
}

// The overlay is drawn in the window's table pixels, scaled as the table is.
void TableView::paintOverlay(QPainter& painter) {
  painter.scale(scale_, scale_);
  paintKeyFocus(painter);
  paintHintArrow(painter);
  if (overlay_.cards.empty()) return;
  TableScene scene;
  scene.piles.push_back(overlay_);
  PaintTableScene(painter, scene, pictures_, {game_.store().read(store::CardsShadowed) != "N"});
  overlayShown_ = viewportRect(overlayRect());
}

// A dark line with a bright one inside it, so that it shows on cards and
// cloth alike; it stands round the carried cards, under them. The engine's
// places are window coordinates, as the overlay's are.
void TableView::paintKeyFocus(QPainter& painter) const {
  const auto outline = keys_.outline(game_);
  if (!outline) return;
  const QRect framed = QRect(outline->x, outline->y, outline->width, outline->height)
                            .adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kArrowEdge, kFocusWidth + 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(framed);
  painter.setPen(QPen(kArrowColour, kFocusWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(framed);
  painter.restore();
}

QRect TableView::overlayRect() const {
  QRect area;
  for (const SceneCard& card : overlay_.cards) area |= QRect(At(card.place), pictures_.cardSize());
  return area.isNull() ? area : area.adjusted(0, 0, kShadowMargin, kShadowMargin);
}

void TableView::showCarry() {
  const Carry& carry = game_.carry();
  overlay_ = CarriedScene(game_.piles(), game_.cards(), places(), carry);
  // The unit was lifted off or put down: the table image changes with it.
  if (carry.card != lifted_) redraw();
  viewport()->update(overlayShown_ | viewportRect(overlayRect()));
}

void TableView::flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to) {
  if (cards.empty() || !isVisible()) return;
  QElapsedTimer clock;
  clock.start();
  qint64 elapsed = 0;
  do {
    elapsed = std::min<qint64>(clock.elapsed(), kFlightMilliseconds);
    const double share = static_cast<double>(elapsed) / kFlightMilliseconds;
    const QPoint shift(qRound((to.x - from.x) * share), qRound((to.y - from.y) * share));
    overlay_.cards.clear();
    const int step = game_.layout().steps.verticalUp;
    for (std::size_t i = 0; i < cards.size(); ++i)
      overlay_.cards.push_back(
          {cards[i], true, {from.x + shift.x(), from.y + shift.y() + static_cast<int>(i) * step}});
    viewport()->repaint(overlayShown_ | viewportRect(overlayRect()));
  } while (elapsed < kFlightMilliseconds);
  overlay_.cards.clear();
  viewport()->update(overlayShown_);
}

void TableView::showHintArrow(TablePoint from, TablePoint to) {
  const QRect before = hintArrowRect();
  hintArrow_ = {QPoint(from.x, from.y), QPoint(to.x, to.y)};
  viewport()->update(before | hintArrowRect());
}

void TableView::hideHintArrow() {
  if (!hintArrow_) return;
  const QRect before = hintArrowRect();
  hintArrow_.reset();
  viewport()->update(before);
}

QRect TableView::hintArrowRect() const {
  if (!hintArrow_) return {};
  const int margin = std::max(kArrowHead, kRingRadius) + kArrowWidth;
  return viewportRect(
      QRect(hintArrow_->first, hintArrow_->second).normalized().adjusted(-margin, -margin, margin, margin));
}

// A thick line with a head, outlined so that it shows on cards and cloth alike.
void TableView::paintHintArrow(QPainter& painter) const {
  if (!hintArrow_) return;
  const auto [from, to] = *hintArrow_;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (from == to) {
    for (const auto& [colour, width] : {std::pair{kArrowEdge, kArrowWidth + 4}, std::pair{kArrowColour, kArrowWidth}}) {
      painter.setPen(QPen(colour, width));
      painter.drawEllipse(from, kRingRadius, kRingRadius);
    }
    painter.restore();
    return;
  }
  QLineF back(to, from);
  back.setLength(kArrowHead);
  const QPointF base = back.p2();
  QLineF side = back.normalVector();
  side.setLength(kArrowHead / 2.0);
  const QPointF wing = side.p2() - side.p1();
  const QPolygonF head({QPointF(to), base + wing, base - wing});
  const QLineF shaft(from, base);
  painter.setPen(QPen(kArrowEdge, kArrowWidth + 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(shaft);
  painter.setPen(QPen(kArrowEdge, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(kArrowColour);
  painter.drawPolygon(head);
  painter.setPen(QPen(kArrowColour, kArrowWidth, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(shaft);
  painter.restore();
}

void TableView::mousePressEvent(QMouseEvent* event) {
  EndHint(game_);  // any press takes the hint away
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  pressedSinceRelease_ = true;
  const TablePoint at = fromViewport(event->position());
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->button() == Qt::RightButton && ctrl && game_.store().read(store::ShowMainPopupMenu) != "N" &&
      !HitTest(game_, at)) {
    emit popupMenuRequested(event->globalPosition().toPoint());
    return;
  }
  PressAt(game_, ButtonOf(*event), event->modifiers() & Qt::ControlModifier, event->modifiers() & Qt::ShiftModifier,
          at.x, at.y);
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
  const TablePoint at = fromViewport(event->position());
  PointerAt(game_, at.x, at.y);
  if (game_.carry().active()) scrollWhileCarrying(event->position().toPoint().y());
}

void TableView::scrollWhileCarrying(int y) {
  QScrollBar* bar = verticalScrollBar();
  if (y < kScrollEdge && bar->value() > bar->minimum())
    bar->setValue(bar->value() - bar->pageStep());
  else if (y > viewport()->height() - kScrollEdge && bar->value() < bar->maximum())
    bar->setValue(bar->value() + bar->pageStep());
}

void TableView::mouseReleaseEvent(QMouseEvent*) {
  pressedSinceRelease_ = false;
  ReleaseAt(game_);
}

// A double click: the play engine sends the card at the last press and
// swallows the press that follows. When the window system already delivered
// that second press, the cards it took up are put back and nothing more is
// swallowed; otherwise the press comes after the double click, as expected.
void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!pressedSinceRelease_) {
    DoubleClickAt(game_);
    mousePressEvent(event);
    return;
  }
  if (game_.carry().active() && !game_.carry().pointerMoved) ReleaseAt(game_);
  DoubleClickAt(game_);
  game_.state().set(flag::DoubleClickHandled, false);
}

void TableView::keyPressEvent(QKeyEvent* event) {
  const auto key = TableKeyOf(*event);
  if (!key) return QAbstractScrollArea::keyPressEvent(event);
  if (*key == TableKey::Press || *key == TableKey::Stock) EndHint(game_);  // a press takes the hint away
  keys_.press(game_, *key);
  viewport()->update();
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
