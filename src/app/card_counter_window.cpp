#include "card_counter_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "resource_store.h"
#include "shell/main_game.h"
#include "window_placement.h"

namespace velmora {
namespace {

// The grid: the card of rank r in row k lies at (14 r + 2, 18 k + 3); the
// suit's picture takes the place of rank 0.
constexpr int kColumnStep = 14;
constexpr int kRowStep = 18;
constexpr int kLeftEdge = 2;
constexpr int kTopEdge = 3;
constexpr int kGridWidth = kColumnStep * (kRanks + 1) + kLeftEdge;
constexpr int kButtonGap = 4;
// Without a place of its own the window stands this far inside the main
// window's bottom right corner, away from the foundations and the stock
// that most games lay out at the top.
constexpr QPoint kOffsetFromMainWindow{20, 20};

constexpr const char* kSuitPictures[kCounterRowsPerDeck] = {"card_hearts", "card_diamonds", "card_clubs",
                                                            "card_spades"};

int GridHeight(int rows) { return kRowStep * rows + kTopEdge; }
QPoint CellAt(int row, int rank) { return {kColumnStep * rank + kLeftEdge, kRowStep * row + kTopEdge}; }

}  // namespace

TfrmCardCounter::TfrmCardCounter(TMainGame& game, const ResourceStore& resources, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_(game),
      resources_(resources),
      mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("Card counter"));
  setObjectName(QStringLiteral("frmCardCounter"));
  buildOptions();
  fitToGrid();
}

void TfrmCardCounter::buildOptions() {
  optionsMenu_ = new QMenu(this);
  tableauOnly_ = optionsMenu_->addAction(QStringLiteral("&Tableau only"));
  stockOnly_ = optionsMenu_->addAction(QStringLiteral("&Stock only"));
  inverted_ = optionsMenu_->addAction(QStringLiteral("&Inverted"));
  for (QAction* option : {tableauOnly_, stockOnly_, inverted_}) option->setCheckable(true);
  // At most one part is chosen; with neither, both are counted. Plain checks,
  // not radio marks: the player may uncheck both.
  const auto choosePart = [this](QAction* chosen, QAction* other) {
    if (chosen->isChecked()) other->setChecked(false);
    optionsChanged();
  };
  connect(tableauOnly_, &QAction::triggered, this, [=, this] { choosePart(tableauOnly_, stockOnly_); });
  connect(stockOnly_, &QAction::triggered, this, [=, this] { choosePart(stockOnly_, tableauOnly_); });
  connect(inverted_, &QAction::triggered, this, [this] { optionsChanged(); });

  btnOptions_ = new QPushButton(QStringLiteral("Options"), this);
  btnOptions_->setObjectName(QStringLiteral("btnOptions"));
  btnOptions_->setMenu(optionsMenu_);
  setOptions(CounterOptions{});
}

CounterOptions TfrmCardCounter::options() const {
  return {.tableauOnly = tableauOnly_->isChecked(), .stockOnly = stockOnly_->isChecked(),
          .inverted = inverted_->isChecked()};
}

void TfrmCardCounter::setOptions(CounterOptions options) {
  // A file written by hand may check both parts; the table part wins, as
  // the options menu allows only one.
  tableauOnly_->setChecked(options.tableauOnly);
  stockOnly_->setChecked(options.stockOnly && !options.tableauOnly);
  inverted_->setChecked(options.inverted);
  recount();
}

void TfrmCardCounter::optionsChanged() {
  recount();
  saveSettings();
}

void TfrmCardCounter::tableChanged() {
  if (isVisible()) recount();
}

void TfrmCardCounter::recount() {
  grid_ = CountCards(game_.rules(), game_.piles(), game_.cards(), options());
  fitToGrid();
  update();
}

QRect TfrmCardCounter::gridArea() const { return {0, 0, kGridWidth, GridHeight(grid_.rows())}; }

void TfrmCardCounter::fitToGrid() {
  const QRect grid = gridArea();
  const QSize button = btnOptions_->sizeHint();
  btnOptions_->setGeometry(grid.right() + 1 - kButtonGap - button.width(), grid.bottom() + 1 + kButtonGap,
                           button.width(), button.height());
  setFixedSize(grid.width(), grid.height() + button.height() + 2 * kButtonGap);
}

void TfrmCardCounter::restore() {
  const CounterSettings settings = ReadCounterSettings(game_.preferences().open());
  setOptions(settings.options);
  if (settings.left != CounterSettings::kKeepPlace && settings.top != CounterSettings::kKeepPlace) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    move(PlaceOnScreens(QRect(QPoint(settings.left, settings.top), size()), screens).topLeft());
    placed_ = true;
  }
  if (settings.visible) show();
}

void TfrmCardCounter::saveSettings() {
  const CounterSettings settings{.options = options(),
                                 .left = placed_ ? pos().x() : CounterSettings::kKeepPlace,
                                 .top = placed_ ? pos().y() : CounterSettings::kKeepPlace,
                                 .visible = isVisible()};
  game_.preferences().update([&settings](IniDocument& file) { WriteCounterSettings(file, settings); });
}

void TfrmCardCounter::placeBesideMainWindow() {
  if (!mainWindow_) return;
  const QRect main = mainWindow_->frameGeometry();
  move(main.right() - width() - kOffsetFromMainWindow.x(), main.bottom() - height() - kOffsetFromMainWindow.y());
}

void TfrmCardCounter::showEvent(QShowEvent* event) {
  if (!placed_) {
    placeBesideMainWindow();
    placed_ = true;
  }
  recount();
  QWidget::showEvent(event);
  emit shownChanged(true);
}

void TfrmCardCounter::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit shownChanged(false);
}

const QImage& TfrmCardCounter::picture(const QString& name) {
  const qreal ratio = devicePixelRatioF();
  if (ratio != picturesRatio_) {
    pictures_.clear();
    picturesRatio_ = ratio;
  }
  auto found = pictures_.find(name);
  if (found == pictures_.end()) found = pictures_.insert(name, resources_.bitmap(name, ratio));
  return *found;
}

QString TfrmCardCounter::cellPicture(int rank, CounterMark mark) const {
  switch (mark) {
    case CounterMark::Seen: return QStringLiteral("Card_%1_Up").arg(rank);
    case CounterMark::Unseen: return QStringLiteral("Card_%1_Down").arg(rank);
    case CounterMark::NotCounted: break;
  }
  return QStringLiteral("Card_None");
}

void TfrmCardCounter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  for (int row = 0; row < grid_.rows(); ++row) {
    painter.drawImage(CellAt(row, 0), picture(QLatin1String(kSuitPictures[row % kCounterRowsPerDeck])));
    for (int rank = 1; rank <= kRanks; ++rank)
      painter.drawImage(CellAt(row, rank), picture(cellPicture(rank, grid_.mark(row, rank))));
  }
}

}  // namespace velmora
