#include "table_snapshot.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTextStream>

#include "piles/pile_names.h"
#include "table_view.h"

namespace velmora {
namespace {

QString PileLine(const ScenePile& pile, QPoint origin, QSize card) {
  QPoint at(pile.place.x, pile.place.y);
  QString state = QStringLiteral("empty");
  if (!pile.cards.empty()) {
    const SceneCard& top = pile.cards.back();
    at = QPoint(top.place.x, top.place.y);
    state = top.faceUp ? QStringLiteral("up") : QStringLiteral("down");
  }
  at += origin;
  return QStringLiteral("%1 %2 %3 %4 %5 %6\n")
      .arg(QString::fromStdString(PileName(pile.pile)))
      .arg(at.x())
      .arg(at.y())
      .arg(card.width())
      .arg(card.height())
      .arg(state);
}

}  // namespace

bool SaveTableSnapshot(const TableView& table, const QString& file) {
  const QWidget* window = table.window();
  QScreen* screen = window->screen();
  if (!screen) return false;
  const QPixmap shot = screen->grabWindow(window->winId());
  if (!shot.save(file, "PNG")) return false;

  // Table coordinates to window coordinates: where the table's viewport lies, less the scroll.
  const QPoint origin =
      table.viewport()->mapTo(window, QPoint(0, 0)) - QPoint(0, table.verticalScrollBar()->value());
  QFile list(file + QStringLiteral(".piles"));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&list);
  for (const ScenePile& pile : table.scene().piles) out << PileLine(pile, origin, table.pictures().cardSize());
  return out.status() == QTextStream::Ok;
}

}  // namespace velmora
