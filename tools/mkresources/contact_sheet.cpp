// contact_sheet: lays out every card of every set, cut from SOL.RGF as the
// program cuts them, one picture per card size (and per density), to look at.
//   contact_sheet SOL.RGF OUTPUT_FOLDER
#include <QGuiApplication>
#include <QPainter>

#include "card_pictures.h"
#include "resource_store.h"

namespace {

constexpr int kGap = 4;
constexpr int kSets = 5;
const QColor kTable(0, 96, 0);

QImage ContactSheet(const velmora::ResourceStore& store, const velmora::cards::SizeLetterInfo& size, qreal ratio) {
  const int columns = velmora::cards::kRanksPerSuit + 1;  // a suit per row, then the joker or a back
  const int cellW = size.card.width + kGap, cellH = size.card.height + kGap;
  QImage sheet(QSize(columns * cellW + kGap, kSets * 4 * cellH + kSets * kGap * 2) * ratio, QImage::Format_RGB32);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(kTable);
  QPainter p(&sheet);
  const QString letter(QLatin1Char{size.letter});
  for (int set = 1; set <= kSets; ++set) {
    const velmora::CardFaces faces = velmora::CutCardFaces(store, {size.letter, set, false, ratio});
    const int top = (set - 1) * (4 * cellH + 2 * kGap) + kGap;
    for (int i = 0; i < 52; ++i)
      p.drawImage(QPoint(kGap + (i % 13) * cellW, top + (i / 13) * cellH), faces[i]);
    p.drawImage(QPoint(kGap + 13 * cellW, top), faces[velmora::cards::kJokerIndex]);
    p.drawImage(QPoint(kGap + 13 * cellW, top + cellH), store.bitmap(QLatin1Char('D') + letter + QStringLiteral("011"), ratio));
    p.drawImage(QPoint(kGap + 13 * cellW, top + 2 * cellH), store.bitmap(QLatin1Char('W') + letter + QStringLiteral("010"), ratio));
    p.drawImage(QPoint(kGap + 13 * cellW, top + 3 * cellH), store.bitmap(QLatin1Char('W') + letter + QStringLiteral("022"), ratio));
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  velmora::ResourceStore store;
  if (args.size() != 3 || !store.open(args[1])) {
    qWarning("usage: contact_sheet SOL.RGF OUTPUT_FOLDER");
    return 2;
  }
  for (const velmora::cards::SizeLetterInfo& size : velmora::cards::kSizeLetters)
    for (const int ratio : {1, 2}) {
      const QString name = QStringLiteral("%1/cards-%2-%3x.png").arg(args[2]).arg(QLatin1Char(size.letter)).arg(ratio);
      if (!ContactSheet(store, size, ratio).save(name)) return 1;
    }
  return 0;
}
