#pragma once
// What a press on the stock asks of the special game families and of the
// hint engine. Each runs in its place when it is set; unset, the stock does
// what the game's rule values say.
#include <functional>
#include <string_view>

#include "piles/pile_names.h"

namespace velmora {

struct StockSeams {
  // Families 4, 49, 51 and 56 look at a press first: selecting the stock
  // card, refusing with their own message, or dealing their own way. True
  // when the family took the press.
  std::function<bool()> familyPress;
  // Family 60: false when its routine refuses to turn cards.
  std::function<bool()> familyMayTurn;
  // Family 29: after every pile a dealing command dealt a card to.
  std::function<void(PileRef)> familyDealtTo;
  // A hint or a demo playback met a dealing command it does not carry out.
  std::function<void(std::string_view command)> hintDeal;
};

}  // namespace velmora
