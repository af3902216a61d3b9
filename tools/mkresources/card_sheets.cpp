#include "card_sheets.h"

#include <QFile>
#include <QSvgRenderer>
#include <memory>

#include "card_backs.h"
#include "card_set_art.h"
#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

using art::CardSetDesign;

QImage DrawSheet(const CardSetDesign& set, QSvgRenderer* deck, const cards::SizeLetterInfo& size, Suit suit,
                 int scale) {
  const cards::PixelSize sheet = cards::SheetSize(size);
  Canvas canvas(sheet.width, sheet.height, scale);
  for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank) {
    const cards::CellPosition cell = cards::CellOfRank(rank);
    canvas.painter().drawImage(
        QRectF(cell.column * size.cell.width, cell.row * size.cell.height, size.card.width, size.card.height),
        art::DrawSetFace(set, deck, size, rank, suit, scale));
  }
  return canvas.finish();
}

QString SheetName(const cards::SizeLetterInfo& size, int set, char suitLetter) {
  return QStringLiteral("C%1%2%3").arg(QLatin1Char(size.letter)).arg(set, 3, 10, QLatin1Char('0')).arg(QLatin1Char(suitLetter));
}

// The deck's file goes into the bundle too: the program draws its faces
// afresh for a table scaled past the sheets' twice size.
bool StageSet(BundleWriter& bundle, const CardSetDesign& set, const QString& deckFolder) {
  std::unique_ptr<QSvgRenderer> deck;
  if (set.svgDeck) {
    QFile file(deckFolder + QLatin1Char('/') + QLatin1String(set.svgDeck));
    const QByteArray artwork = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    deck = std::make_unique<QSvgRenderer>(artwork);
    if (!deck->isValid()) {
      qWarning("mkresources: cannot read the card deck %s in %s", set.svgDeck, qPrintable(deckFolder));
      return false;
    }
    bundle.addDeckArtwork(art::DeckArtworkName(set.number), artwork);
  }
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters) {
    for (int s = 0; s < 4; ++s) {
      bundle.addScalableBitmap(SheetName(size, set.number, cards::kSuitLetters[s]),
                               [&](int scale) { return DrawSheet(set, deck.get(), size, kSuits[s], scale); });
    }
  }
  return true;
}

void StageCardBacks(BundleWriter& bundle) {
  const cards::SizeLetterInfo normal = *cards::SizeLetter('B');
  for (const int deck : art::CardBackDecks()) {
    const QString number = QStringLiteral("%1").arg(deck, 3, 10, QLatin1Char('0'));
    bundle.addScalableBitmap(QStringLiteral("DB") + number,
                             [&](int scale) { return art::DrawCardBack(deck, normal.card, scale); });
    if (deck != art::kDecoratedDeck) continue;
    for (const cards::SizeLetterInfo& size : cards::kSizeLetters)
      if (size.letter != normal.letter)
        bundle.addScalableBitmap(QStringLiteral("D%1").arg(QLatin1Char(size.letter)) + number,
                                 [&](int scale) { return art::DrawCardBack(deck, size.card, scale); });
  }
}

}  // namespace

bool StageCardSheets(BundleWriter& bundle, const QString& deckFolder) {
  bool complete = true;
  for (const CardSetDesign& set : art::CardSetDesigns()) complete = StageSet(bundle, set, deckFolder) && complete;
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters)
    bundle.addScalableBitmap(QStringLiteral("JOKER_%1").arg(QLatin1Char(size.letter)),
                             [&](int scale) { return DrawJoker(size.card, scale); });
  StageCardBacks(bundle);
  return complete;
}

}  // namespace velmora::mkres
