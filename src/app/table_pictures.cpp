#include "table_pictures.h"

#include <QString>

#include "card_backs.h"
#include "card_set_art.h"
#include "index_faces.h"
#include "table/card_size.h"
#include "table/custom_card_set.h"

namespace velmora {
namespace {

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

// A bundle picture at another pixel ratio: shrunk (never enlarged past its
// sheet but for the pieces without artwork: marks and shadows).
QImage AtRatio(const QImage& picture, qreal ratio) {
  if (picture.isNull() || picture.devicePixelRatio() == ratio) return picture;
  return ScaledToCard(picture, (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize(), ratio);
}

// The bundle's pictures are kept at the natural size and twice that: the
// natural ones serve a ratio of 1, the larger ones every other.
qreal SheetRatio(qreal ratio) { return ratio == 1 ? 1 : cards::kHighDensityScale; }

QImage DrawnAt(QImage image, qreal ratio) {
  image.setDevicePixelRatio(ratio);
  return image;
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

bool TablePictures::DrawnAfresh(const CardLook& look) {
  return look.devicePixelRatio > cards::kHighDensityScale && !look.customSet;
}

void TablePictures::load(const ResourceStore& store, const CardLook& look, PictureQuality quality) {
  look_ = look;
  sharp_ = quality == PictureQuality::Sharp || !DrawnAfresh(look);
  const std::optional<CardDimensions> size = CardDimensionsOf(look.sizeLetter);
  if (size) cardSize_ = QSize(size->width, size->height);
  const qreal ratio = look.devicePixelRatio;

  loadFaces(store);
  if (look.customSet) {
    const QImage picture(QString::fromStdString(look.customSet->string()));
    const CardFaces custom = CutCustomSetFaces(picture, cardSize_, look.everySuitFromSpades);
    for (int i = 0; i < cards::kJokerIndex; ++i) faces_[i] = ScaledToCard(custom[i], cardSize_, ratio);
  }
  for (QImage& face : faces_) face = Ready(face);
  loadBack(store);

  marks_ = LoadEmptyPileMarks(store, look.sizeLetter, SheetRatio(ratio));
  for (QImage& mark : marks_) mark = Ready(AtRatio(mark, ratio));
  const QString letter(QLatin1Char(look.sizeLetter));
  for (auto [picture, part] : {std::pair{&shadowRight_, '1'}, std::pair{&shadowBottom_, '2'}})
    *picture = Ready(AtRatio(store.bitmap(QStringLiteral("SHADOW_") + letter + QLatin1Char(part), SheetRatio(ratio)),
                             ratio));
  loaded_ = true;
}

// The set's faces from the sheets, or drawn from its artwork at a large
// ratio; a set the bundle holds no faces of is not drawn afresh either.
void TablePictures::loadFaces(const ResourceStore& store) {
  const qreal ratio = look_.devicePixelRatio;
  faces_ = CutCardFaces(store, {look_.sizeLetter, look_.cardSet, look_.everySuitFromSpades, SheetRatio(ratio)});
  const art::CardSetDesign* set = art::FindCardSetDesign(look_.cardSet);
  const std::optional<cards::SizeLetterInfo> size = cards::SizeLetter(look_.sizeLetter);
  if (!sharp_ || !DrawnAfresh(look_) || !set || !size || faces_.front().isNull()) {
    for (QImage& face : faces_) face = AtRatio(face, ratio);
    return;
  }
  QSvgRenderer* deck = art::UsesOwnFaces(*set, size->letter) ? nullptr : deckArtwork(store);
  for (int suit = 0; suit < 4; ++suit) {
    const art::Suit drawn = art::kSuits[look_.everySuitFromSpades ? 3 : suit];
    for (int rank = 1; rank <= cards::kRanksPerSuit; ++rank)
      faces_[suit * cards::kRanksPerSuit + rank - 1] =
          DrawnAt(art::DrawSetFace(*set, deck, *size, rank, drawn, ratio), ratio);
  }
  faces_[cards::kJokerIndex] = DrawnAt(art::DrawJoker(size->card, ratio), ratio);
}

// An artwork the bundle lacks or cannot read gives none: the set's own index faces stand in.
QSvgRenderer* TablePictures::deckArtwork(const ResourceStore& store) {
  if (!deck_ || deckSet_ != look_.cardSet) {
    deck_ = std::make_unique<QSvgRenderer>(store.deckArtwork(art::DeckArtworkName(look_.cardSet)));
    deckSet_ = look_.cardSet;
  }
  return deck_->isValid() ? deck_.get() : nullptr;
}

// Without a back that can be read, though the bundle holds one (a damaged
// bundle), a plain back keeps the face-down cards in sight.
void TablePictures::loadBack(const ResourceStore& store) {
  if (sharp_ && DrawnAfresh(look_) && store.hasBitmap(BackNamesOf(look_).normal)) {
    const qreal ratio = look_.devicePixelRatio;
    back_ = Ready(DrawnAt(art::DrawCardBack(look_.deck, {cardSize_.width(), cardSize_.height()}, ratio), ratio));
    if (!back_.isNull()) return;
  }
  back_ = Ready(backPicture(store));
  const BackNames names = BackNamesOf(look_);
  const bool held = store.hasBitmap(names.own) || store.hasBitmap(names.normal);
  if (!back_.isNull() || !held || cardSize_.isEmpty()) return;
  const qreal ratio = look_.devicePixelRatio;
  back_ = Ready(DrawnAt(art::DrawPlainBack({cardSize_.width(), cardSize_.height()}, ratio), ratio));
}

// A back made for normal cards is scaled to other sizes; the size's own
// picture is used where there is one.
QImage TablePictures::backPicture(const ResourceStore& store) const {
  const BackNames names = BackNamesOf(look_);
  const qreal ratio = look_.devicePixelRatio;
  if (look_.sizeLetter == 'B' || look_.deck == art::kDecoratedDeck || !store.hasBitmap(names.normal)) {
    QImage picture = store.bitmap(names.own, SheetRatio(ratio));
    if (!picture.isNull()) return AtRatio(picture, ratio);
  }
  return ScaledToCard(store.bitmap(names.normal, SheetRatio(ratio)), cardSize_, ratio);
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
