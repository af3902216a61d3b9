#include "card_sheets.h"

#include <QFileInfo>
#include <QSvgRenderer>
#include <functional>
#include <memory>

#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

struct Rgb {
  int r, g, b;
  QColor colour() const { return QColor(r, g, b); }
};

struct CardSetDesign {
  int number;
  const char* svgDeck;  // drawn from this deck at the two large sizes; nullptr: our own faces
  Rgb face, edge, red, black, diamonds, clubs, courtTint;
};

constexpr Rgb kRed{200, 16, 46};
constexpr Rgb kBlack{26, 26, 26};
constexpr CardSetDesign kCardSets[] = {
    {1, "svg-standard/standard.svgz", {255, 255, 255}, {70, 70, 70}, kRed, kBlack, kRed, kBlack, {252, 236, 214}},
    {2, "svg-gm-paris/paris.svgz", {255, 252, 242}, {90, 80, 60}, {190, 20, 30}, {20, 20, 20}, {190, 20, 30},
     {20, 20, 20}, {246, 226, 190}},
    {3, "svg-nicu-white/white.svgz", {255, 255, 255}, {0, 0, 0}, {192, 0, 0}, {0, 0, 0}, {192, 0, 0}, {0, 0, 0},
     {255, 255, 192}},
    {4, nullptr, {255, 255, 255}, {60, 70, 90}, kRed, kBlack, {31, 95, 191}, {30, 123, 52}, {230, 238, 250}},
    {5, "svg-tigullio-international/tigullio-international.svgz", {253, 252, 248}, {80, 80, 90}, {205, 30, 40},
     {30, 30, 40}, {205, 30, 40}, {30, 30, 40}, {224, 234, 244}},
};

// Our own faces serve every set at these sizes: scaled artwork turns to mush.
bool UsesOwnFaces(const CardSetDesign& set, char sizeLetter) {
  return set.svgDeck == nullptr || sizeLetter == 'M' || sizeLetter == 'L';
}

FaceStyle StyleOf(const CardSetDesign& set) {
  return {set.face.colour(),
          set.edge.colour(),
          {set.red.colour(), set.diamonds.colour(), set.clubs.colour(), set.black.colour()},
          set.courtTint.colour(),
          true};
}

QString SvgElement(int rank, Suit suit) {
  static const char* const kSuitNames[] = {"heart", "diamond", "club", "spade"};
  static const char* const kCourtNames[] = {"jack", "queen", "king"};
  const QString rankName = rank > 10 ? QLatin1String(kCourtNames[rank - 11]) : QString::number(rank);
  return rankName + QLatin1Char('_') + QLatin1String(kSuitNames[int(suit)]);
}

using FacePainter = std::function<void(QPainter&, const QRectF& cell, int rank)>;

QImage DrawSheet(const cards::SizeLetterInfo& size, int scale, const FacePainter& paintFace) {
  const cards::PixelSize sheet = cards::SheetSize(size);
  Canvas canvas(sheet.width, sheet.height, scale);
  for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank) {
    const cards::CellPosition cell = cards::CellOfRank(rank);
    paintFace(canvas.painter(),
              QRectF(cell.column * size.cell.width, cell.row * size.cell.height, size.card.width, size.card.height),
              rank);
  }
  return canvas.finish();
}

FacePainter OwnFaces(const CardSetDesign& set, const cards::SizeLetterInfo& size, Suit suit, int scale) {
  return [style = StyleOf(set), size, suit, scale](QPainter& p, const QRectF& cell, int rank) {
    p.drawImage(cell, DrawIndexFace(style, size.card, rank, suit, scale));
  };
}

// The artwork goes over a plain card of ours, so that every card has a whole
// edge even where a deck's own outline falls between two pixels.
FacePainter SvgFaces(QSvgRenderer& deck, const CardSetDesign& set, const cards::SizeLetterInfo& size, Suit suit) {
  return [&deck, &set, size, suit](QPainter& p, const QRectF& cell, int rank) {
    p.save();
    p.translate(cell.topLeft());
    DrawBlankCard(p, size.card, set.face.colour(), set.edge.colour());
    p.restore();
    deck.render(&p, SvgElement(rank, suit), cell);
  };
}

QString SheetName(const cards::SizeLetterInfo& size, int set, char suitLetter) {
  return QStringLiteral("C%1%2%3").arg(QLatin1Char(size.letter)).arg(set, 3, 10, QLatin1Char('0')).arg(QLatin1Char(suitLetter));
}

bool StageSet(BundleWriter& bundle, const CardSetDesign& set, const QString& deckFolder) {
  std::unique_ptr<QSvgRenderer> deck;
  if (set.svgDeck) {
    deck = std::make_unique<QSvgRenderer>(deckFolder + QLatin1Char('/') + QLatin1String(set.svgDeck));
    if (!deck->isValid()) {
      qWarning("mkresources: cannot read the card deck %s in %s", set.svgDeck, qPrintable(deckFolder));
      return false;
    }
  }
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters) {
    for (int s = 0; s < 4; ++s) {
      const Suit suit = kSuits[s];
      bundle.addScalableBitmap(SheetName(size, set.number, cards::kSuitLetters[s]), [&](int scale) {
        return DrawSheet(size, scale, UsesOwnFaces(set, size.letter) ? OwnFaces(set, size, suit, scale)
                                                                     : SvgFaces(*deck, set, size, suit));
      });
    }
  }
  return true;
}

}  // namespace

bool StageCardSheets(BundleWriter& bundle, const QString& deckFolder) {
  bool complete = true;
  for (const CardSetDesign& set : kCardSets) complete = StageSet(bundle, set, deckFolder) && complete;
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters)
    bundle.addScalableBitmap(QStringLiteral("JOKER_%1").arg(QLatin1Char(size.letter)),
                             [&](int scale) { return DrawJoker(size.card, scale); });
  return complete;
}

}  // namespace velmora::mkres
