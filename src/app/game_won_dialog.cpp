#include "game_won_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

struct WayButton {
  GameWonDialog::Way way;
  const char* caption;
};

constexpr std::array<WayButton, GameWonDialog::kWays> kWayButtons{{
    {GameWonDialog::Way::NewGame, "   &New game..."},
    {GameWonDialog::Way::Restart, "&Restart game..."},
    {GameWonDialog::Way::Statistics, "  &Statistics...     "},
    {GameWonDialog::Way::OpenGame, " &Open a game..."},
    {GameWonDialog::Way::SelectGame, "S&elect game... "},
    {GameWonDialog::Way::RandomGame, "R&andom game"},
}};

QString Percent(int won, int lost, bool ofWon) {
  const QString value = WonPercent(won, lost);
  if (value.isEmpty()) return {};
  return QStringLiteral("(%1%)").arg(ofWon ? value.toInt() : 100 - value.toInt());
}

QGroupBox* TotalsGroup(const QString& gameName, const std::optional<GameWonDialog::Totals>& totals, QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Total [%1]").arg(gameName), parent);
  auto* grid = new QGridLayout(group);
  if (!totals) return group;  // the statistics are off: a plain page
  const int played = totals->won + totals->lost;
  const struct {
    const char* label;
    int value;
    QString percent;
  } rows[] = {
      {"Won:", totals->won, Percent(totals->won, totals->lost, true)},
      {"Lost:", totals->lost, Percent(totals->won, totals->lost, false)},
      {"Total:", played, {}},
  };
  int row = 0;
  for (const auto& r : rows) {
    grid->addWidget(new QLabel(QString::fromLatin1(r.label), group), row, 0);
    grid->addWidget(new QLabel(QString::number(r.value), group), row, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(r.percent, group), row, 2);
    ++row;
  }
  grid->setRowStretch(row, 1);  // the rows keep together at the top
  return group;
}

}  // namespace

QString WonPercent(int won, int lost) {
  const int played = won + lost;
  if (played <= 0) return {};
  return QString::number((won * 200 + played) / (2 * played));  // won x 100 / played + 0.5, fraction dropped
}

GameWonDialog::GameWonDialog(const QString& gameName, std::optional<Totals> totals, QWidget* parent)
    : DialogBase(parent) {
  setObjectName(QStringLiteral("TfrmGameWon"));
  setWindowTitle(QStringLiteral("Game won"));
  auto* column = new QVBoxLayout;
  for (const WayButton& entry : kWayButtons) {
    auto* button = new QPushButton(QString::fromLatin1(entry.caption), this);
    button->setEnabled(false);
    const auto way = static_cast<std::size_t>(entry.way);
    buttons_[way] = button;
    connect(button, &QPushButton::clicked, this, [this, way] {
      if (handlers_[way]) handlers_[way]();
      accept();
    });
    column->addWidget(button);
  }
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  column->addStretch();
  column->addWidget(cancel_);
  auto* layout = new QGridLayout(this);
  layout->addWidget(TotalsGroup(gameName, totals, this), 0, 0);
  layout->addLayout(column, 0, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GameWonDialog::setHandler(Way way, std::function<void()> handler) {
  const auto at = static_cast<std::size_t>(way);
  buttons_[at]->setEnabled(static_cast<bool>(handler));
  handlers_[at] = std::move(handler);
}

}  // namespace velmora
