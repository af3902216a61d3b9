#include "memory_result_dialog.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "commands.h"
#include "game_commands.h"
#include "main_window.h"
#include "qt_game_ui.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kPictureSide = 48;
const QColor kWonColour(0, 150, 0);
const QColor kLostColour(200, 0, 0);

struct WayButton {
  MemoryResultDialog::Way way;
  const char* caption;
};

constexpr std::array<WayButton, MemoryResultDialog::kWays> kWayButtons{{
    {MemoryResultDialog::Way::NewGame, "New..."},
    {MemoryResultDialog::Way::OpenGame, " Open..."},
    {MemoryResultDialog::Way::Restart, "Restart..."},
}};

// Counts, start and total in columns: the name, the product, the points right-aligned.
QWidget* FamilyPage(const GameUi::MemoryResult& result) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  int row = 0;
  if (!result.heading.empty()) grid->addWidget(new QLabel(ToDisplayText(result.heading), page), row++, 0, 1, 3);
  const auto addLine = [&](const CountCells& cells) {
    grid->addWidget(new QLabel(cells.what, page), row, 0);
    grid->addWidget(new QLabel(cells.product, page), row, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(cells.points, page), row, 2, Qt::AlignRight);
    ++row;
  };
  for (const GameUi::MemoryResult::Count& count : result.counts) addLine(CountLine(count));
  addLine({QStringLiteral("Start"), {}, QString::number(result.start)});
  auto* rule = new QFrame(page);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  grid->addWidget(rule, row++, 0, 1, 3);
  addLine({QStringLiteral("Total"), {}, QString::number(result.total)});
  grid->addWidget(new QLabel(QStringLiteral("(Score to win: %1)").arg(result.scoreToWin), page), row++, 0, 1, 3);
  grid->setColumnMinimumWidth(1, 60);
  grid->setRowStretch(row, 1);
  return page;
}

}  // namespace

CountCells CountLine(const GameUi::MemoryResult::Count& count) {
  return {ToDisplayText(count.what), QStringLiteral("%1 x %2 =").arg(count.count).arg(count.pointsEach),
          QString::number(count.points)};
}

QPixmap ResultPicture(bool won, int side) {
  QPixmap picture(side, side);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(won ? kWonColour : kLostColour);
  painter.drawEllipse(QRectF(1, 1, side - 2, side - 2));
  painter.setPen(QPen(Qt::white, side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const qreal s = side;
  if (won) {
    painter.drawPolyline(QPolygonF({{0.28 * s, 0.52 * s}, {0.44 * s, 0.68 * s}, {0.72 * s, 0.34 * s}}));
  } else {
    painter.drawLine(QPointF(0.32 * s, 0.32 * s), QPointF(0.68 * s, 0.68 * s));
    painter.drawLine(QPointF(0.68 * s, 0.32 * s), QPointF(0.32 * s, 0.68 * s));
  }
  return picture;
}

MemoryResultDialog::MemoryResultDialog(const GameUi::MemoryResult& result, QWidget* parent) : DialogBase(parent) {
  setObjectName(QStringLiteral("TfrmMemoryResult"));
  setWindowTitle(result.won ? QStringLiteral("Game Won") : QStringLiteral("Game Lost"));
  picture_ = new QLabel(this);
  picture_->setPixmap(ResultPicture(result.won, kPictureSide));
  picture_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* pages = new QTabWidget(this);
  pages->addTab(FamilyPage(result), ToDisplayText(result.page));

  auto* column = new QVBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(ok_);
  for (const WayButton& entry : kWayButtons) {
    auto* button = new QPushButton(QString::fromLatin1(entry.caption), this);
    const auto way = static_cast<std::size_t>(entry.way);
    buttons_[way] = button;
    connect(button, &QPushButton::clicked, this, [this, way] {
      accept();
      if (handlers_[way]) handlers_[way]();
    });
    column->addWidget(button);
  }
  column->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(picture_);
  layout->addWidget(pages, 1);
  layout->addLayout(column);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MemoryResultDialog::setHandler(Way way, std::function<void()> handler) {
  handlers_[static_cast<std::size_t>(way)] = std::move(handler);
}

void ShowMemoryResultDialog(MainWindow& window, TMainGame& game, const GameUi::MemoryResult& result) {
  MemoryResultDialog dialog(result, &window);
  // The end of the game is still being recorded while the dialog is open:
  // the way on is taken from the event loop, once that is done.
  const auto later = [&window](std::function<void()> act) {
    return [&window, act = std::move(act)] { QTimer::singleShot(0, &window, act); };
  };
  const auto command = [&window](Command which) {
    return [&window, which] { window.action(which)->trigger(); };
  };
  dialog.setHandler(MemoryResultDialog::Way::NewGame, later(command(Command::NewGame)));
  dialog.setHandler(MemoryResultDialog::Way::OpenGame, later(command(Command::OpenGame)));
  // The game has ended by now: its restart needs no game in progress.
  dialog.setHandler(MemoryResultDialog::Way::Restart, later([&window, &game] { RestartUnasked(window, game); }));
  dialog.exec();
  if (!game.state().on(flag::GameInProgress)) game.ui().showTable(GameUi::TableChange::Piles);
}

}  // namespace velmora
