#pragma once
// The card table: one entry per card id with its name, suit digit, id and the
// card's face flag. A card's face is global: it lies face up or down wherever
// it is.
#include <array>
#include <string>
#include <string_view>

#include "cards/card.h"

namespace velmora {

enum class Face : char { Down = '0', Up = '1' };

class CardTable {
 public:
  CardTable() { reset(); }

  // Every card face up, as at start-up.
  void reset() { faceUp_.fill(true); }

  bool isFaceUp(CardId id) const { return valid(id) && faceUp_[static_cast<std::size_t>(id)]; }
  // Also true for ids below 1, which are no card.
  bool isFaceDown(CardId id) const { return id < 1 || (valid(id) && !faceUp_[static_cast<std::size_t>(id)]); }
  void setFace(CardId id, Face face) {
    if (valid(id)) faceUp_[static_cast<std::size_t>(id)] = face == Face::Up;
  }

  // The 20-character entry: name padded to 15, suit digit, 3-digit id, face
  // flag ("CUORI_A        10011"). Empty for an id outside 1-108.
  std::string entry(CardId id) const;

 private:
  static bool valid(CardId id) { return id >= 1 && id <= kLastCard; }
  std::array<bool, kLastCard + 1> faceUp_{};
};

// "CUORI_A", "PICCH_10", "JOKER": the name the card table gives a card.
std::string CardName(CardId id);

}  // namespace velmora
