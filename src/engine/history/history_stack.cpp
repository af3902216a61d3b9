#include "history/history_stack.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::array kGroups{PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves};

constexpr std::size_t kGroupChars = 4;  // one card in a card-state string

}  // namespace

void HistoryStack::push(const PileStore& piles, const CardTable& cards, std::optional<PileRef> leftEmpty) {
  stepStarts_.push_back(codes_.size());
  for (PileGroup group : kGroups) {
    for (int i = 0; i < GroupSize(group); ++i) {
      const PileRef ref{group, i};
      const Pile& pile = piles.pile(ref);
      const bool kept = !(leftEmpty && *leftEmpty == ref);
      pileLengths_.push_back(kept ? static_cast<std::uint16_t>(pile.size()) : 0);
      if (!kept) continue;
      for (CardId card : pile)
        codes_.push_back(card < 1 ? 0 : static_cast<CardCode>(card * 2 + (cards.isFaceUp(card) ? 1 : 0)));
    }
  }
}

void HistoryStack::popOnto(PileStore& piles, CardTable& cards) {
  restoreStep(steps() - 1, piles, cards);
  drop();
}

void HistoryStack::restoreOldest(PileStore& piles, CardTable& cards) const { restoreStep(0, piles, cards); }

void HistoryStack::restoreStep(int step, PileStore& piles, CardTable& cards) const {
  auto code = codes_.begin() + static_cast<std::ptrdiff_t>(stepStarts_[static_cast<std::size_t>(step)]);
  auto length = pileLengths_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(step) * kSnapshotPiles);
  for (PileGroup group : kGroups) {
    for (int i = 0; i < GroupSize(group); ++i, ++length) {
      Pile& pile = piles.pile({group, i});
      pile.clear();
      for (int n = *length; n > 0; --n, ++code) {
        const CardId card = *code / 2;
        pile.push_back(card);
        if (card != kNoCard) cards.setFace(card, *code % 2 == 1 ? Face::Up : Face::Down);
      }
    }
  }
}

void HistoryStack::drop() {
  codes_.resize(stepStarts_.back());
  pileLengths_.resize(pileLengths_.size() - kSnapshotPiles);
  stepStarts_.pop_back();
}

void HistoryStack::clear() {
  codes_.clear();
  pileLengths_.clear();
  stepStarts_.clear();
}

std::string HistoryStack::pileText(int step, int slot) const {
  const std::size_t lengthAt = static_cast<std::size_t>(step) * kSnapshotPiles;
  std::size_t at = stepStarts_[static_cast<std::size_t>(step)];
  for (int before = 0; before < slot; ++before) at += pileLengths_[lengthAt + static_cast<std::size_t>(before)];
  const std::size_t length = pileLengths_[lengthAt + static_cast<std::size_t>(slot)];
  std::string text;
  text.reserve(length * kGroupChars);
  for (std::size_t n = 0; n < length; ++n) {
    const CardCode code = codes_[at + n];
    // A loaded file may mark a place without a card face up: it is written back as it came.
    if (code == 1) text += "0001";
    else AppendCardState(text, code / 2, code % 2 == 1);
  }
  return text;
}

HistoryStack::Lists HistoryStack::lists() const {
  Lists lists;
  for (int step = 0; step < steps(); ++step) {
    int slot = 0;
    for (std::size_t g = 0; g < kGroups.size(); ++g)
      for (int i = 0; i < GroupSize(kGroups[g]); ++i) lists[g].push_back(pileText(step, slot++));
  }
  return lists;
}

void HistoryStack::assign(const Lists& lists) {
  clear();
  const std::size_t steps = lists[0].size() / kStockSlots;
  for (std::size_t step = 0; step < steps; ++step) {
    stepStarts_.push_back(codes_.size());
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
      const std::size_t size = static_cast<std::size_t>(GroupSize(kGroups[g]));
      for (std::size_t i = 0; i < size; ++i) {
        const std::string& text = lists[g][step * size + i];
        pileLengths_.push_back(static_cast<std::uint16_t>(text.size() / kGroupChars));
        for (std::size_t at = 0; at < text.size(); at += kGroupChars) {
          const int card = (text[at] - '0') * 100 + (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
          codes_.push_back(static_cast<CardCode>(card * 2 + (text[at + 3] == '1' ? 1 : 0)));
        }
      }
    }
  }
}

bool HistoryStack::Consistent(const Lists& lists) {
  const std::size_t steps = lists[0].size() / kStockSlots;
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    if (lists[g].size() != steps * static_cast<std::size_t>(GroupSize(kGroups[g]))) return false;
    if (!std::all_of(lists[g].begin(), lists[g].end(), [](const std::string& s) { return IsCardStateString(s); }))
      return false;
  }
  return true;
}

}  // namespace velmora
