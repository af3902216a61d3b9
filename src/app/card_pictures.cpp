#include "card_pictures.h"

namespace velmora {
namespace {

QString SheetName(char sizeLetter, int cardSet, char suitLetter) {
  return QStringLiteral("C%1%2%3").arg(QLatin1Char(sizeLetter)).arg(cardSet, 3, 10, QLatin1Char('0')).arg(QLatin1Char(suitLetter));
}

QImage CutCell(const QImage& sheet, const cards::SizeLetterInfo& size, int rank) {
  const qreal scale = sheet.devicePixelRatio();
  const cards::CellPosition cell = cards::CellOfRank(rank);
  const QRect area(qRound(cell.column * size.cell.width * scale), qRound(cell.row * size.cell.height * scale),
                   qRound(size.card.width * scale), qRound(size.card.height * scale));
  QImage face = sheet.copy(area);
  face.setDevicePixelRatio(scale);
  return face;
}

}  // namespace

CardFaces CutCardFaces(const ResourceStore& store, const CardFaceChoice& choice) {
  CardFaces faces;
  const std::optional<cards::SizeLetterInfo> size = cards::SizeLetter(choice.sizeLetter);
  if (!size) return faces;
  const QImage spades = store.bitmap(SheetName(size->letter, choice.cardSet, 'S'), choice.devicePixelRatio);
  for (int suit = 0; suit < 4; ++suit) {
    const char letter = cards::kSuitLetters[suit];
    const QImage sheet = choice.everySuitFromSpades || letter == 'S'
                             ? spades
                             : store.bitmap(SheetName(size->letter, choice.cardSet, letter), choice.devicePixelRatio);
    if (sheet.isNull()) continue;
    for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank)
      faces[suit * cards::kRanksPerSuit + rank - 1] = CutCell(sheet, *size, rank);
  }
  faces[cards::kJokerIndex] = store.bitmap(QStringLiteral("JOKER_%1").arg(QLatin1Char(size->letter)), choice.devicePixelRatio);
  return faces;
}

QHash<QString, QImage> LoadEmptyPileMarks(const ResourceStore& store, char sizeLetter, qreal devicePixelRatio) {
  QHash<QString, QImage> marks;
  for (const char* code : cards::kEmptyPileMarkCodes)
    marks.insert(QLatin1String(code),
                 store.bitmap(QStringLiteral("W%1%2").arg(QLatin1Char(sizeLetter)).arg(QLatin1String(code)), devicePixelRatio));
  return marks;
}

}  // namespace velmora
