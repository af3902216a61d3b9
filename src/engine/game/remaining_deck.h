#pragma once
// The cards of a deal not yet laid out, dealt from the front.
#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "cards/card.h"

namespace velmora {

class RemainingDeck {
 public:
  explicit RemainingDeck(std::vector<CardId> cards) : cards_(std::move(cards)) {}

  bool empty() const { return head_ == cards_.size(); }
  std::size_t size() const { return cards_.size() - head_; }
  std::span<const CardId> cards() const { return std::span(cards_).subspan(head_); }
  std::optional<CardId> front() const { return empty() ? std::nullopt : std::optional(cards_[head_]); }

  // Dealing from the front only moves past the card: it is the common case.
  std::optional<CardId> takeFront() {
    if (empty()) return std::nullopt;
    return cards_[head_++];
  }

  // The first card that `wanted` accepts, taken out of the deck.
  template <typename Wanted>
  std::optional<CardId> takeFirst(Wanted wanted) {
    const auto it = std::find_if(cards_.begin() + static_cast<std::ptrdiff_t>(head_), cards_.end(), wanted);
    if (it == cards_.end()) return std::nullopt;
    const CardId card = *it;
    cards_.erase(it);
    return card;
  }

  // That very card, when the deck still holds it.
  std::optional<CardId> take(CardId card) {
    return takeFirst([card](CardId c) { return c == card; });
  }

  template <typename Unwanted>
  void removeIf(Unwanted unwanted) {
    cards_.erase(std::remove_if(cards_.begin() + static_cast<std::ptrdiff_t>(head_), cards_.end(), unwanted),
                 cards_.end());
  }

 private:
  std::vector<CardId> cards_;
  std::size_t head_ = 0;
};

}  // namespace velmora
