#pragma once
// The cards of a deal not yet laid out, dealt from the front.
#include <algorithm>
#include <optional>
#include <vector>

#include "cards/card.h"

namespace velmora {

class RemainingDeck {
 public:
  explicit RemainingDeck(std::vector<CardId> cards) : cards_(std::move(cards)) {}

  bool empty() const { return cards_.empty(); }
  std::size_t size() const { return cards_.size(); }
  const std::vector<CardId>& cards() const { return cards_; }
  std::optional<CardId> front() const { return empty() ? std::nullopt : std::optional(cards_.front()); }

  std::optional<CardId> takeFront() {
    if (empty()) return std::nullopt;
    const CardId card = cards_.front();
    cards_.erase(cards_.begin());
    return card;
  }

  // The first card that `wanted` accepts, taken out of the deck.
  template <typename Wanted>
  std::optional<CardId> takeFirst(Wanted wanted) {
    const auto it = std::find_if(cards_.begin(), cards_.end(), wanted);
    if (it == cards_.end()) return std::nullopt;
    const CardId card = *it;
    cards_.erase(it);
    return card;
  }

  // That very card, when the deck still holds it.
  std::optional<CardId> take(CardId card) {
    return takeFirst([card](CardId c) { return c == card; });
  }

  void keepFirst(std::size_t n) { cards_.resize(std::min(n, cards_.size())); }
  template <typename Unwanted>
  void removeIf(Unwanted unwanted) {
    std::erase_if(cards_, unwanted);
  }

 private:
  std::vector<CardId> cards_;
};

}  // namespace velmora
