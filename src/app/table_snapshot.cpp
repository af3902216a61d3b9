#include "table_snapshot.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include "piles/pile_names.h"
#include "table_view.h"

namespace velmora {
namespace {

// The pile's top card (or the pile's place) and its size as the window shows them.
QString PileLine(const ScenePile& pile, const TableView& table, QPoint origin) {
  TablePoint place = pile.place;
  QString state = QStringLiteral("empty");
  if (!pile.cards.empty()) {
    const SceneCard& top = pile.cards.back();
    place = top.place;
    state = top.faceUp ? QStringLiteral("up") : QStringLiteral("down");
  }
  const QPoint at = origin + table.toViewport(place).toPoint();
  const QSize card = (QSizeF(table.pictures().cardSize()) * table.scale()).toSize();
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

  const QPoint origin = table.viewport()->mapTo(window, QPoint(0, 0));
  QFile list(file + QStringLiteral(".piles"));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&list);
  for (const ScenePile& pile : table.scene().piles) out << PileLine(pile, table, origin);
  return out.status() == QTextStream::Ok;
}

}  // namespace velmora
