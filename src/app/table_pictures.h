#pragma once
// The pictures the table is drawn with, held while a card look lasts: the 53
// faces, the back, the empty-pile marks and the shadow pieces, all ready to be
// copied (premultiplied) at the pixel ratio the table is shown at: the
// screen's density times the table's scale in its window. Up to twice the
// natural size they are cut from the bundle's sheets; larger cards are drawn
// afresh from their vector artwork, so they stay sharp at every size.
#include <QHash>
#include <QImage>
#include <QSize>
#include <QSvgRenderer>
#include <filesystem>
#include <memory>
#include <optional>

#include "card_pictures.h"
#include "cards/card.h"
#include "resource_store.h"

namespace velmora {

struct CardLook {
  char sizeLetter = 'B';
  int cardSet = 1;
  bool everySuitFromSpades = false;
  int deck = 11;
  std::optional<std::filesystem::path> customSet;  // a picture already checked for its size
  qreal devicePixelRatio = 1;  // device pixels per table pixel
  friend bool operator==(const CardLook&, const CardLook&) = default;
};

// Drawing the cards afresh takes a moment: while a window is being resized,
// the quick pictures (the larger sheets, scaled) stand in until it settles.
enum class PictureQuality { Sharp, Quick };

class TablePictures {
 public:
  void load(const ResourceStore& store, const CardLook& look, PictureQuality quality = PictureQuality::Sharp);
  bool loaded() const { return loaded_; }
  // False while quick pictures stand in for cards that are drawn afresh.
  bool sharp() const { return sharp_; }
  // Whether the cards of a look are drawn afresh rather than cut from the sheets.
  static bool DrawnAfresh(const CardLook& look);
  const CardLook& look() const { return look_; }

  QSize cardSize() const { return cardSize_; }
  // The joker for ids above the two decks; an empty image for no card.
  const QImage& face(CardId card) const;
  const QImage& back() const { return back_; }
  // An empty image for a code without a picture.
  const QImage& mark(const QString& code) const;
  const QImage& shadowRight() const { return shadowRight_; }
  const QImage& shadowBottom() const { return shadowBottom_; }

 private:
  void loadFaces(const ResourceStore& store);
  void loadBack(const ResourceStore& store);
  QImage backPicture(const ResourceStore& store) const;
  // The set's deck artwork, read once for every size it is drawn at.
  QSvgRenderer* deckArtwork(const ResourceStore& store);

  bool loaded_ = false;
  bool sharp_ = true;
  CardLook look_;
  QSize cardSize_;
  CardFaces faces_;
  QImage back_;
  QHash<QString, QImage> marks_;
  QImage shadowRight_;
  QImage shadowBottom_;
  QImage none_;
  int deckSet_ = 0;  // the set whose artwork `deck_` holds
  std::unique_ptr<QSvgRenderer> deck_;
};

// The 52 faces cut from a custom set picture (5 columns, 3 rows per suit);
// with `everySuitFromSpades` every suit is cut from the spade rows.
CardFaces CutCustomSetFaces(const QImage& picture, QSize card, bool everySuitFromSpades);

}  // namespace velmora
