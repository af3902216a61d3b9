#include "dialog_pictures.h"

#include <cmath>

#include "card_sheet_layout.h"
#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

const QColor kRed(200, 16, 46);
const QColor kBlack(26, 26, 26);
const QColor kTableGreen(0, 96, 0);
constexpr const char* kSuitWords[] = {"HEARTS", "DIAMONDS", "CLUBS", "SPADES"};

QColor SuitInk(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds ? kRed : kBlack; }

QImage Banner(const QString& text, int width, int height, qreal em, int scale) {
  Canvas canvas(width, height, scale);
  QPainter& p = canvas.painter();
  const QPointF centre(width / 2.0, height / 2.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(CentredText(text, {Typeface::Serif, em}, centre + QPointF(2, 2)));
  QLinearGradient gold(0, 0, 0, height);
  gold.setColorAt(0, QColor(255, 240, 170));
  gold.setColorAt(1, QColor(220, 170, 40));
  p.setBrush(gold);
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.drawPath(CentredText(text, {Typeface::Serif, em}, centre));
  return canvas.finish();
}

QImage Caption(const QString& text, int width, int height, int scale) {
  Canvas canvas(width, height, scale);
  canvas.painter().setPen(Qt::NoPen);
  canvas.painter().setBrush(QColor(235, 245, 235));
  canvas.painter().drawPath(CentredText(text, {Typeface::SansBook, 15}, QPointF(width / 2.0, height / 2.0)));
  return canvas.finish();
}

QImage SuitIcon(Suit suit, int width, int height, int scale) {
  Canvas canvas(width, height, scale);
  canvas.painter().setPen(Qt::NoPen);
  canvas.painter().setBrush(SuitInk(suit));
  canvas.painter().drawPath(SuitPath(suit, QRectF(1, 1, width - 2, height - 2)));
  return canvas.finish();
}

QImage CancelButton(bool pressed, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(pressed ? QColor(90, 90, 90) : QColor(250, 250, 250), 1));
  p.setBrush(QColor(220, 220, 215));
  p.drawRect(QRectF(0.5, 0.5, 15, 15));
  p.setPen(QPen(pressed ? QColor(250, 250, 250) : QColor(90, 90, 90), 1));
  p.drawLine(QPointF(15.5, 0.5), QPointF(15.5, 15.5));
  p.drawLine(QPointF(0.5, 15.5), QPointF(15.5, 15.5));
  const qreal shift = pressed ? 1 : 0;
  p.setPen(QPen(QColor(180, 20, 20), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5 + shift, 5 + shift), QPointF(11 + shift, 11 + shift));
  p.drawLine(QPointF(11 + shift, 5 + shift), QPointF(5 + shift, 11 + shift));
  return canvas.finish();
}

QImage Speaker(bool enabled, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  QPainterPath body;
  body.moveTo(2, 6);
  body.lineTo(5, 6);
  body.lineTo(9, 2);
  body.lineTo(9, 14);
  body.lineTo(5, 10);
  body.lineTo(2, 10);
  body.closeSubpath();
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(120, 120, 130));
  p.drawPath(body);
  p.setBrush(Qt::NoBrush);
  if (enabled) {
    p.setPen(QPen(QColor(30, 130, 60), 1.3));
    p.drawArc(QRectF(7, 5, 6, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(6, 2.5, 10, 11), -50 * 16, 100 * 16);
  } else {
    p.setPen(QPen(QColor(200, 30, 30), 1.6));
    p.drawLine(QPointF(11, 5), QPointF(15, 11));
    p.drawLine(QPointF(15, 5), QPointF(11, 11));
  }
  return canvas.finish();
}

QImage Note(int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(150, 120, 20), 1));
  p.setBrush(QColor(255, 235, 120));
  p.drawRect(QRectF(2.5, 1.5, 11, 13));
  p.setPen(QPen(QColor(120, 100, 60), 1));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(4.5, 4.5 + 2.5 * i), QPointF(11.5, 4.5 + 2.5 * i));
  return canvas.finish();
}

// Dialog previews of the card options: a few cards on the table.
QImage CardsPreview(bool shadows, bool irregular, int scale) {
  const cards::PixelSize card{59, 80};
  Canvas canvas(150, 110, scale, kTableGreen);
  QPainter& p = canvas.painter();
  const int ranks[] = {13, 12, 11, 10};
  const Suit suits[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
  for (int pile = 0; pile < 2; ++pile)
    for (int i = 0; i < (pile ? 2 : 3); ++i) {
      const qreal jitter = irregular ? ((pile * 3 + i) % 3 - 1) * 2.5 : 0;
      const QPointF at(10 + pile * 72 + jitter, 6 + i * 14 + (irregular ? i * (pile ? 3 : -1) : 0));
      if (shadows) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(at + QPointF(4, 4), QSizeF(card.width, card.height)), 3.5, 3.5);
      }
      p.drawImage(QRectF(at, QSizeF(card.width, card.height)),
                  DrawIndexFace(art::PlainFaceStyle(), card, ranks[(pile + i) % 4], suits[(pile * 2 + i) % 4], scale));
    }
  return canvas.finish();
}

// The card counter's 12 x 16 cells.
constexpr cards::PixelSize kCounterCell{12, 16};
constexpr const char* kRankText[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

QImage CounterCell(int rank, bool visible, int scale) {
  Canvas canvas(kCounterCell.width, kCounterCell.height, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(80, 80, 80), 1));
  p.setBrush(visible ? Qt::white : QColor(40, 80, 170));
  p.drawRoundedRect(QRectF(0.5, 0.5, kCounterCell.width - 1, kCounterCell.height - 1), 1.5, 1.5);
  if (rank == 0) return canvas.finish();
  p.setPen(Qt::NoPen);
  p.setBrush(visible ? kBlack : QColor(225, 235, 255));
  const QString text = QLatin1String(kRankText[rank - 1]);
  p.drawPath(CentredText(text, {Typeface::Sans, 10.5, text.size() > 1 ? 0.62 : 1.0}, QPointF(6, 8)));
  return canvas.finish();
}

QImage EmptyCounterCell(int scale) {
  Canvas canvas(kCounterCell.width, kCounterCell.height, scale);
  canvas.painter().setPen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
  canvas.painter().drawRoundedRect(QRectF(0.5, 0.5, kCounterCell.width - 1, kCounterCell.height - 1), 1.5, 1.5);
  return canvas.finish();
}

// Game type icons: a small fan of cards over a disc in the type's colour,
// with a gold star once won or a grey ring when played but not yet won.
struct TypeIcon {
  const char* name;
  int r, g, b;
  const char* letter;
};

constexpr TypeIcon kTypeIcons[] = {
    {"TREE5_CANFIELD_TYPE", 200, 60, 40, "C"},       {"TREE5_FORTYTHIEVES_TYPE", 120, 70, 30, "40"},
    {"TREE5_FREECELL_TYPE", 40, 120, 200, "F"},      {"TREE5_KLONDIKE_TYPE", 30, 140, 60, "K"},
    {"TREE5_PAIRING_TYPE", 220, 120, 20, "P"},       {"TREE5_SIMPLEGAMES_TYPE", 100, 170, 220, "S"},
    {"TREE5_SPIDER_TYPE", 60, 60, 70, "Sp"},          {"TREE5_1DECK_TYPE", 70, 110, 170, "1"},
    {"TREE5_2DECK_TYPE", 120, 60, 160, "2"},          {"TREE5_FAN_TYPE", 200, 90, 140, "Fa"},
    {"TREE5_BAKERSDOZEN_TYPE", 190, 140, 60, "B"},   {"TREE5_ROW_TYPE", 40, 150, 150, "R"},
    {"TREE5_PUZZLE_TYPE", 150, 40, 120, "Pz"},        {"TREE5_ADDITION_TYPE", 30, 100, 110, "+"},
    {"TREE5_MEMORY_TYPE", 90, 90, 200, "M"},          {"TREE5_BELEAGUEREDCASTLE_TYPE", 130, 120, 110, "BC"},
    {"TREE5_QUEENOFITALY_TYPE", 180, 40, 80, "Q"},   {"TREE5_YUKON_TYPE", 60, 130, 200, "Y"},
    {"TREE5_MATHEMATICAL_TYPE", 50, 90, 60, "="},     {"TREE5_SIRTOMMY_TYPE", 160, 100, 60, "T"},
    {"TREE5_NONBUILDERS_TYPE", 110, 110, 110, "N"},   {"TREE5_STRIPPEDDECK_TYPE", 170, 70, 50, "St"},
    {"TREE5_CUSTOMIZED_GAMES", 230, 170, 20, "*"},    {"TREE5_ORIGINAL_TYPE", 0, 110, 60, "O"},
};

enum class Record { None, Won, NotWon };

QImage TypeIconPicture(const TypeIcon& icon, Record record, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(icon.r, icon.g, icon.b));
  p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 3, 3);
  p.setBrush(Qt::white);
  const QString letter = QLatin1String(icon.letter);
  p.drawPath(CentredText(letter, {Typeface::Sans, letter.size() > 1 ? 8.0 : 10.5, letter.size() > 1 ? 0.85 : 1.0},
                         QPointF(record == Record::None ? 8 : 6.5, 8)));
  if (record == Record::Won) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
      const qreal r = i % 2 ? 1.9 : 4.6, a = -M_PI / 2 + i * M_PI / 5;
      const QPointF q(11.5 + std::cos(a) * r, 11 + std::sin(a) * r);
      i ? star.lineTo(q) : star.moveTo(q);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 0), 0.7));
    p.setBrush(QColor(255, 205, 30));
    p.drawPath(star);
  } else if (record == Record::NotWon) {
    p.setPen(QPen(QColor(70, 70, 70), 0.8));
    p.setBrush(QColor(210, 210, 210));
    p.drawEllipse(QPointF(12, 11.5), 3.4, 3.4);
  }
  return canvas.finish();
}

// Folders of the tree: closed (…1) and open (…2), with the colour of their classification.
struct Folder {
  const char* closed;
  const char* open;
  int r, g, b;
};

constexpr Folder kFolders[] = {
    {"TREE1", "TREE2", 240, 190, 60},   {"F_TREE1", "F_TREE2", 230, 90, 110}, {"S_TREE1", "S_TREE2", 250, 210, 90},
    {"D_TREE1", "D_TREE2", 120, 170, 230}, {"C_TREE1", "C_TREE2", 140, 200, 110}, {"T_TREE1", "T_TREE2", 200, 150, 220},
    {"I_TREE1", "I_TREE2", 230, 150, 70}, {"N_TREE3", "N_TREE4", 250, 120, 60},
};

QImage FolderPicture(const Folder& folder, bool open, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  const QColor colour(folder.r, folder.g, folder.b);
  p.setPen(QPen(colour.darker(170), 1));
  p.setBrush(colour.darker(115));
  p.drawRoundedRect(QRectF(1.5, 3.5, 13, 10), 1, 1);
  p.drawRect(QRectF(1.5, 2.5, 5, 2));
  p.setBrush(colour);
  if (open) {
    QPainterPath flap;
    flap.moveTo(1.5, 13.5);
    flap.lineTo(4, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
  } else {
    p.drawRect(QRectF(1.5, 5.5, 13, 8));
  }
  return canvas.finish();
}

QImage NewBadge(int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  QPainterPath star;
  for (int i = 0; i < 16; ++i) {
    const qreal r = i % 2 ? 4 : 7.5, a = i * M_PI / 8;
    const QPointF q(8 + std::cos(a) * r, 8 + std::sin(a) * r);
    i ? star.lineTo(q) : star.moveTo(q);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 40, 40));
  p.drawPath(star);
  p.setBrush(Qt::white);
  p.drawPath(CentredText(QStringLiteral("N"), {Typeface::Sans, 8}, QPointF(8, 8)));
  return canvas.finish();
}

// Description icons: a level of 1 to `levels` shown as a meter.
QImage Meter(int level, int levels, const QColor& colour, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  const qreal width = 14.0 / levels;
  for (int i = 0; i < levels; ++i) {
    const qreal height = 4 + 10.0 * (i + 1) / levels;
    p.setPen(QPen(QColor(90, 90, 90), 0.6));
    p.setBrush(i < level ? colour : QColor(230, 230, 230));
    p.drawRect(QRectF(1 + i * width, 15 - height, width - 1, height));
  }
  return canvas.finish();
}

QImage Clock(double fraction, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(50, 50, 60), 1));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 8), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 140, 220));
  p.drawPie(QRectF(2, 2, 12, 12), 90 * 16, -int(360 * 16 * fraction));
  return canvas.finish();
}

QImage Pie(double fraction, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(QColor(220, 70, 60));
  p.drawEllipse(QPointF(8, 8), 7, 7);
  p.setBrush(QColor(60, 170, 80));
  p.drawPie(QRectF(1, 1, 14, 14), 90 * 16, -int(360 * 16 * fraction));
  return canvas.finish();
}

// Skill against chance: the blue part is skill, the orange part luck.
QImage Balance(double skill, int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 100, 200));
  p.drawRect(QRectF(1, 4, 14 * skill, 8));
  p.setBrush(QColor(240, 150, 30));
  p.drawRect(QRectF(1 + 14 * skill, 4, 14 * (1 - skill), 8));
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 3.5, 15, 9));
  return canvas.finish();
}

// Two cards fanned: how many decks a game is played with.
QImage Decks(int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(QColor(40, 90, 170));
  p.drawRoundedRect(QRectF(1.5, 1.5, 8, 11), 1.2, 1.2);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(6.5, 3.5, 8, 11), 1.2, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 40, 40));
  p.drawEllipse(QPointF(10.5, 9), 1.8, 1.8);
  return canvas.finish();
}

// A turning arrow: how often the stock may be dealt again.
QImage Redeals(int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(30, 130, 60), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 130, 60));
  p.drawPolygon(QPolygonF({QPointF(9, 0.5), QPointF(13.5, 3.5), QPointF(9, 6.5)}));
  return canvas.finish();
}

QImage Disabled(int scale) {
  Canvas canvas(16, 16, scale);
  QPainter& p = canvas.painter();
  p.setPen(QPen(QColor(150, 150, 150), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(8, 8), 6, 6);
  p.drawLine(QPointF(4, 12), QPointF(12, 4));
  return canvas.finish();
}

}  // namespace

void StagePanelPictures(BundleWriter& bundle) {
  bundle.addScalableBitmap(QStringLiteral("BMP_PAUSE_1"), [](int s) { return Banner(QStringLiteral("Paused"), 300, 80, 56, s); });
  bundle.addScalableBitmap(QStringLiteral("BMP_PAUSE_2"),
                           [](int s) { return Caption(QStringLiteral("Click or press any key to go on playing"), 380, 28, s); });
  bundle.addScalableBitmap(QStringLiteral("Panel_pk"), [](int s) {
    Canvas canvas(200, 60, s, Qt::white);
    canvas.painter().setPen(QPen(QColor(90, 90, 90), 1));
    canvas.painter().drawRect(QRectF(0.5, 0.5, 199, 59));
    return canvas.finish();
  });
  bundle.addScalableBitmap(QStringLiteral("COMMENT_YES"), Note);
  bundle.addScalableBitmap(QStringLiteral("TB_CANC_UP"), [](int s) { return CancelButton(false, s); });
  bundle.addScalableBitmap(QStringLiteral("TB_CANC_DOWN"), [](int s) { return CancelButton(true, s); });
  bundle.addScalableBitmap(QStringLiteral("SOUND_ENABLED"), [](int s) { return Speaker(true, s); });
  bundle.addScalableBitmap(QStringLiteral("SOUND_DISABLED"), [](int s) { return Speaker(false, s); });
  bundle.addScalableBitmap(QStringLiteral("CARD_WITH_SHADOW"), [](int s) { return CardsPreview(true, false, s); });
  bundle.addScalableBitmap(QStringLiteral("CARD_WITHOUT_SHADOW"), [](int s) { return CardsPreview(false, false, s); });
  bundle.addScalableBitmap(QStringLiteral("CARD_IRR_PILES_YES"), [](int s) { return CardsPreview(false, true, s); });
  bundle.addScalableBitmap(QStringLiteral("CARD_IRR_PILES_NO"), [](int s) { return CardsPreview(false, false, s); });
  for (int i = 0; i < 4; ++i)
    bundle.addScalableBitmap(QStringLiteral("SUIT_") + QLatin1String(kSuitWords[i]),
                             [i](int s) { return SuitIcon(kSuits[i], 16, 16, s); });
}

void StageCardCounterPictures(BundleWriter& bundle) {
  bundle.addScalableBitmap(QStringLiteral("Card_None"), EmptyCounterCell);
  for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank) {
    bundle.addScalableBitmap(QStringLiteral("Card_%1_Up").arg(rank), [rank](int s) { return CounterCell(rank, true, s); });
    bundle.addScalableBitmap(QStringLiteral("Card_%1_Down").arg(rank), [rank](int s) { return CounterCell(rank, false, s); });
  }
  for (int i = 0; i < 4; ++i)
    bundle.addScalableBitmap(QStringLiteral("card_") + QString::fromLatin1(kSuitWords[i]).toLower(),
                             [i](int s) { return SuitIcon(kSuits[i], kCounterCell.width, kCounterCell.height, s); });
}

void StageGameTreeIcons(BundleWriter& bundle) {
  for (const TypeIcon& icon : kTypeIcons) {
    const QString name = QLatin1String(icon.name);
    bundle.addScalableBitmap(name, [&](int s) { return TypeIconPicture(icon, Record::None, s); });
    bundle.addScalableBitmap(name + QLatin1String("_WIN"), [&](int s) { return TypeIconPicture(icon, Record::Won, s); });
    bundle.addScalableBitmap(name + QLatin1String("_NOWIN"), [&](int s) { return TypeIconPicture(icon, Record::NotWon, s); });
  }
  for (const Folder& folder : kFolders) {
    bundle.addScalableBitmap(QLatin1String(folder.closed), [&](int s) { return FolderPicture(folder, false, s); });
    bundle.addScalableBitmap(QLatin1String(folder.open), [&](int s) { return FolderPicture(folder, true, s); });
  }
  bundle.addScalableBitmap(QStringLiteral("N_TREE5"), NewBadge);
}

void StageDescriptionIcons(BundleWriter& bundle) {
  const std::pair<const char*, double> times[] = {{"LONG", 1.0}, {"MEDIUM", 0.5}, {"QUICK", 0.2}};
  for (const auto& [name, fraction] : times)
    bundle.addScalableBitmap(QStringLiteral("PROG_TIME_") + QLatin1String(name), [f = fraction](int s) { return Clock(f, s); });
  const char* difficulties[] = {"EASY", "MEDIUM", "HARD"};
  for (int i = 0; i < 3; ++i)
    bundle.addScalableBitmap(QStringLiteral("PROG_DIFF_") + QLatin1String(difficulties[i]),
                             [i](int s) { return Meter(i + 1, 3, QColor(220, 80, 40), s); });
  const char* skills[] = {"DIFFICULT", "MOSTLYSKILL", "MODERATE", "MOSTLYCHANCE", "CHANCEONLY"};
  for (int i = 0; i < 5; ++i)
    bundle.addScalableBitmap(QStringLiteral("PROG_SKILL_") + QLatin1String(skills[i]),
                             [i](int s) { return Balance(1.0 - i / 4.0, s); });
  const char* chances[] = {"VERYHIGH", "HIGH", "MEDIUM", "LOW", "VERYLOW"};
  for (int i = 0; i < 5; ++i)
    bundle.addScalableBitmap(QStringLiteral("PROG_CHAN_") + QLatin1String(chances[i]),
                             [i](int s) { return Pie(0.9 - i * 0.2, s); });
  bundle.addScalableBitmap(QStringLiteral("PROG_DISABLED"), Disabled);
  bundle.addScalableBitmap(QStringLiteral("PROG_DECKS"), Decks);
  bundle.addScalableBitmap(QStringLiteral("PROG_REDEALS"), Redeals);
}

}  // namespace velmora::mkres
