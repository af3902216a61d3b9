// Checks a window snapshot against its pile list: every face-up top card
// shows the white of a card face inside its left edge, and every face-down
// one shows a back, not the table, at its centre. Prints each miss and exits
// non-zero when there is one.
#include <QColor>
#include <QFile>
#include <QCoreApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool IsCardWhite(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }

// The table is green, fading to black: green leads, red and blue stay low.
bool IsTable(QColor c) { return c.green() > c.red() && c.green() > c.blue() && c.red() < 80 && c.blue() < 80; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: screenshot_check SNAPSHOT.png (with SNAPSHOT.png.piles beside it)\n";
    return 2;
  }
  const QString shotName = QString::fromLocal8Bit(argv[1]);
  const QImage shot(shotName);
  QFile list(shotName + QStringLiteral(".piles"));
  if (shot.isNull() || !list.open(QIODevice::ReadOnly)) {
    err << "cannot read " << shotName << " or its pile list\n";
    return 2;
  }
  int misses = 0, cards = 0;
  QTextStream in(&list);
  while (!in.atEnd()) {
    const QStringList f = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() != 6) continue;
    const int x = f[1].toInt(), y = f[2].toInt(), w = f[3].toInt(), h = f[4].toInt();
    const QString& state = f[5];
    if (state == QLatin1String("empty")) continue;
    ++cards;
    const QPoint probe = state == QLatin1String("up") ? QPoint(x + 4, y + h / 2) : QPoint(x + w / 2, y + h / 2);
    if (!shot.rect().contains(probe)) {
      err << f[0] << ": card at " << x << "," << y << " lies outside the window\n";
      ++misses;
      continue;
    }
    const QColor seen = shot.pixelColor(probe);
    const bool ok = state == QLatin1String("up") ? IsCardWhite(seen) : !IsTable(seen) && !IsCardWhite(seen);
    if (!ok) {
      err << f[0] << ": expected a " << state << " card at " << probe.x() << "," << probe.y() << ", saw "
          << seen.name() << "\n";
      ++misses;
    }
  }
  if (cards == 0) {
    err << shotName << ": no card on the table\n";
    return 1;
  }
  return misses == 0 ? 0 : 1;
}
