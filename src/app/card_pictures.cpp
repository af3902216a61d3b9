#include "card_pictures.h"

#include "index_faces.h"

namespace velmora {
namespace {

constexpr int kSpadesIndex = 3;
static_assert(cards::kSuitLetters[kSpadesIndex] == 'S');

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

// Whole pixels per natural pixel: the plain faces are drawn at the screen's density.
int DrawingScale(qreal devicePixelRatio) { return devicePixelRatio > 1 ? cards::kHighDensityScale : 1; }

QImage Drawn(QImage image, int scale) {
  image.setDevicePixelRatio(scale);
  return image;
}

QImage PlainFace(const cards::SizeLetterInfo& size, int suit, int rank, qreal devicePixelRatio) {
  const int scale = DrawingScale(devicePixelRatio);
  return Drawn(art::DrawIndexFace(art::PlainFaceStyle(), size.card, rank, art::kSuits[suit], scale), scale);
}

// The 13 faces of one suit cut from its sheet. A sheet the bundle holds but
// cannot decode gives faces drawn plainly; a set it lacks gives none.
void CutSuit(const ResourceStore& store, const CardFaceChoice& choice, const cards::SizeLetterInfo& size, int suit,
             CardFaces& faces) {
  const int sheetSuit = choice.everySuitFromSpades ? kSpadesIndex : suit;
  const QString name = SheetName(size.letter, choice.cardSet, cards::kSuitLetters[sheetSuit]);
  const QImage sheet = store.bitmap(name, choice.devicePixelRatio);
  if (sheet.isNull() && !store.hasBitmap(name)) return;
  for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank)
    faces[suit * cards::kRanksPerSuit + rank - 1] =
        sheet.isNull() ? PlainFace(size, sheetSuit, rank, choice.devicePixelRatio) : CutCell(sheet, size, rank);
}

QImage Joker(const ResourceStore& store, const cards::SizeLetterInfo& size, qreal devicePixelRatio) {
  const QString name = QStringLiteral("JOKER_%1").arg(QLatin1Char(size.letter));
  const QImage joker = store.bitmap(name, devicePixelRatio);
  if (!joker.isNull() || !store.hasBitmap(name)) return joker;
  const int scale = DrawingScale(devicePixelRatio);
  return Drawn(art::DrawJoker(size.card, scale), scale);
}

}  // namespace

CardFaces CutCardFaces(const ResourceStore& store, const CardFaceChoice& choice) {
  CardFaces faces;
  const std::optional<cards::SizeLetterInfo> size = cards::SizeLetter(choice.sizeLetter);
  if (!size) return faces;
  for (int suit = 0; suit < static_cast<int>(cards::kSuitLetters.size()); ++suit)
    CutSuit(store, choice, *size, suit, faces);
  faces[cards::kJokerIndex] = Joker(store, *size, choice.devicePixelRatio);
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
