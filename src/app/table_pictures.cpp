#include "table_pictures.h"

#include <QString>

#include "index_faces.h"
#include "table/card_size.h"
#include "table/custom_card_set.h"

namespace velmora {
namespace {

constexpr int kTwoSizeDeck = 11;  // the one back drawn at every size

QImage Ready(QImage image) {
  if (image.isNull()) return image;
  const qreal ratio = image.devicePixelRatio();
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  return image;
}

// Scaled to a card of `size` at the look's pixel ratio.
QImage ScaledToCard(const QImage& picture, QSize size, qreal ratio) {
  if (picture.isNull()) return picture;
  QImage scaled = picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  return scaled;
}

// The back of a deck at the look's size, and the one made for normal cards.
struct BackNames {
  QString own;
  QString normal;
};

BackNames BackNamesOf(const CardLook& look) {
  const QString deck = QStringLiteral("%1").arg(look.deck, 3, 10, QLatin1Char('0'));
  return {QStringLiteral("D%1%2").arg(QLatin1Char(look.sizeLetter)).arg(deck), QStringLiteral("DB") + deck};
}

}  // namespace

CardFaces CutCustomSetFaces(const QImage& picture, QSize card, bool everySuitFromSpades) {
  CardFaces faces;
  for (int suit = 0; suit < 4; ++suit) {
    const int firstRow = (everySuitFromSpades ? 3 : suit) * kCustomSetRowsPerSuit;
    for (int rank = 0; rank < cards::kRanksPerSuit; ++rank) {
      const QPoint cell(rank % kCustomSetColumns, firstRow + rank / kCustomSetColumns);
      faces[suit * cards::kRanksPerSuit + rank] =
          picture.copy(QRect(QPoint(cell.x() * card.width(), cell.y() * card.height()), card));
    }
  }
  return faces;
}

void TablePictures::load(const ResourceStore& store, const CardLook& look) {
  look_ = look;
  const std::optional<CardDimensions> size = CardDimensionsOf(look.sizeLetter);
  if (size) cardSize_ = QSize(size->width, size->height);
  const qreal ratio = look.devicePixelRatio;

  faces_ = CutCardFaces(store, {look.sizeLetter, look.cardSet, look.everySuitFromSpades, ratio});
  if (look.customSet) {
    const QImage picture(QString::fromStdString(look.customSet->string()));
    const CardFaces custom = CutCustomSetFaces(picture, cardSize_, look.everySuitFromSpades);
    for (int i = 0; i < cards::kJokerIndex; ++i) faces_[i] = ScaledToCard(custom[i], cardSize_, ratio);
  }
  for (QImage& face : faces_) face = Ready(face);
  loadBack(store);

  marks_ = LoadEmptyPileMarks(store, look.sizeLetter, ratio);
  for (QImage& mark : marks_) mark = Ready(mark);
  const QString letter(QLatin1Char(look.sizeLetter));
  shadowRight_ = Ready(store.bitmap(QStringLiteral("SHADOW_") + letter + QLatin1Char('1'), ratio));
  shadowBottom_ = Ready(store.bitmap(QStringLiteral("SHADOW_") + letter + QLatin1Char('2'), ratio));
  loaded_ = true;
}

// Without a back that can be read, though the bundle holds one (a damaged
// bundle), a plain back keeps the face-down cards in sight.
void TablePictures::loadBack(const ResourceStore& store) {
  back_ = Ready(backPicture(store));
  const BackNames names = BackNamesOf(look_);
  const bool held = store.hasBitmap(names.own) || store.hasBitmap(names.normal);
  if (!back_.isNull() || !held || cardSize_.isEmpty()) return;
  const int scale = look_.devicePixelRatio > 1 ? cards::kHighDensityScale : 1;
  QImage plain = art::DrawPlainBack({cardSize_.width(), cardSize_.height()}, scale);
  plain.setDevicePixelRatio(scale);
  back_ = Ready(plain);
}

// A back made for normal cards is scaled to other sizes; the size's own
// picture is used where there is one.
QImage TablePictures::backPicture(const ResourceStore& store) const {
  const BackNames names = BackNamesOf(look_);
  if (look_.sizeLetter == 'B' || look_.deck == kTwoSizeDeck || !store.hasBitmap(names.normal)) {
    QImage picture = store.bitmap(names.own, look_.devicePixelRatio);
    if (!picture.isNull()) return picture;
  }
  return ScaledToCard(store.bitmap(names.normal, look_.devicePixelRatio), cardSize_, look_.devicePixelRatio);
}

const QImage& TablePictures::face(CardId card) const {
  if (card == kNoCard || card > kLastCard || card < 0) return none_;
  return faces_[static_cast<std::size_t>(CardImageIndex(card))];
}

const QImage& TablePictures::mark(const QString& code) const {
  const auto found = marks_.constFind(code);
  return found == marks_.constEnd() ? none_ : *found;
}

}  // namespace velmora
