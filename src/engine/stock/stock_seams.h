#pragma once
// What a press on the stock asks of the hint engine. Unset, the stock does
// what the game's rule values say; the game families answer for themselves
// (families/game_family.h).
#include <functional>
#include <string_view>

namespace velmora {

struct StockSeams {
  // A hint or a demo playback met a dealing command it does not carry out.
  std::function<void(std::string_view command)> hintDeal;
};

}  // namespace velmora
