#include "card_set_art.h"

#include <QSvgRenderer>
#include <algorithm>

#include "index_faces.h"

namespace velmora::art {
namespace {

const QColor kRed(200, 16, 46);
const QColor kBlack(26, 26, 26);

const CardSetDesign kCardSets[] = {
    {1, "svg-standard/standard.svgz", QColor(255, 255, 255), QColor(70, 70, 70), kRed, kBlack, kRed, kBlack,
     QColor(252, 236, 214)},
    {2, "svg-gm-paris/paris.svgz", QColor(255, 252, 242), QColor(90, 80, 60), QColor(190, 20, 30),
     QColor(20, 20, 20), QColor(190, 20, 30), QColor(20, 20, 20), QColor(246, 226, 190)},
    {3, "svg-nicu-white/white.svgz", QColor(255, 255, 255), QColor(0, 0, 0), QColor(192, 0, 0), QColor(0, 0, 0),
     QColor(192, 0, 0), QColor(0, 0, 0), QColor(255, 255, 192)},
    {4, nullptr, QColor(255, 255, 255), QColor(60, 70, 90), kRed, kBlack, QColor(31, 95, 191), QColor(30, 123, 52),
     QColor(230, 238, 250)},
    {5, "svg-tigullio-international/tigullio-international.svgz", QColor(253, 252, 248), QColor(80, 80, 90),
     QColor(205, 30, 40), QColor(30, 30, 40), QColor(205, 30, 40), QColor(30, 30, 40), QColor(224, 234, 244)},
};

FaceStyle StyleOf(const CardSetDesign& set) {
  return {set.face, set.edge, {set.red, set.diamonds, set.clubs, set.black}, set.courtTint, true};
}

QString SvgElement(int rank, Suit suit) {
  static const char* const kSuitNames[] = {"heart", "diamond", "club", "spade"};
  static const char* const kCourtNames[] = {"jack", "queen", "king"};
  const QString rankName = rank > 10 ? QLatin1String(kCourtNames[rank - 11]) : QString::number(rank);
  return rankName + QLatin1Char('_') + QLatin1String(kSuitNames[int(suit)]);
}

}  // namespace

std::span<const CardSetDesign> CardSetDesigns() { return kCardSets; }

const CardSetDesign* FindCardSetDesign(int number) {
  const auto found = std::find_if(std::begin(kCardSets), std::end(kCardSets),
                                  [number](const CardSetDesign& set) { return set.number == number; });
  return found == std::end(kCardSets) ? nullptr : found;
}

bool UsesOwnFaces(const CardSetDesign& set, char sizeLetter) {
  return set.svgDeck == nullptr || sizeLetter == 'M' || sizeLetter == 'L';
}

QString DeckArtworkName(int setNumber) {
  return QStringLiteral("CARDSET_%1").arg(setNumber, 3, 10, QLatin1Char('0'));
}

// The artwork goes over a plain card of ours, so that every card has a whole
// edge even where a deck's own outline falls between two pixels.
QImage DrawSetFace(const CardSetDesign& set, QSvgRenderer* deck, const cards::SizeLetterInfo& size, int rank,
                   Suit suit, qreal scale) {
  if (UsesOwnFaces(set, size.letter) || !deck) return DrawIndexFace(StyleOf(set), size.card, rank, suit, scale);
  Canvas canvas(size.card.width, size.card.height, scale);
  DrawBlankCard(canvas.painter(), size.card, set.face, set.edge);
  deck->render(&canvas.painter(), SvgElement(rank, suit), QRectF(0, 0, size.card.width, size.card.height));
  return canvas.finish();
}

}  // namespace velmora::art
