#include "history/card_state.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::size_t kGroup = 4;

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

CardId GroupCard(std::string_view group) {
  return (group[0] - '0') * 100 + (group[1] - '0') * 10 + (group[2] - '0');
}

}  // namespace

void AppendCardState(std::string& out, CardId card, bool faceUp) {
  if (card < 1) {
    out += "0000";
    return;
  }
  if (card > 999) {
    out += CardIdText(card);
  } else {
    // Undo writes a group for every card at every step: the digits go in place.
    const char digits[3] = {static_cast<char>('0' + card / 100), static_cast<char>('0' + card / 10 % 10),
                            static_cast<char>('0' + card % 10)};
    out.append(digits, 3);
  }
  out += faceUp ? '1' : '0';
}

std::string CardStateString(const Pile& pile, const CardTable& cards) {
  std::string out;
  out.reserve(pile.size() * kGroup);
  for (CardId card : pile) AppendCardState(out, card, cards.isFaceUp(card));
  return out;
}

bool IsCardStateString(std::string_view text) {
  if (text.size() % kGroup != 0) return false;
  for (std::size_t at = 0; at < text.size(); at += kGroup) {
    const std::string_view group = text.substr(at, kGroup);
    if (!std::all_of(group.begin(), group.begin() + 3, IsDigit)) return false;
    if (GroupCard(group) > kLastCard) return false;
    if (group[3] != '0' && group[3] != '1') return false;
  }
  return true;
}

void RestorePile(PileRef ref, std::string_view text, PileStore& piles, CardTable& cards) {
  Pile& pile = piles.pile(ref);
  pile.clear();
  for (std::size_t at = 0; at + kGroup <= text.size(); at += kGroup) {
    const std::string_view group = text.substr(at, kGroup);
    const CardId card = GroupCard(group);
    pile.push_back(card);
    if (card != kNoCard) cards.setFace(card, group[3] == '1' ? Face::Up : Face::Down);
  }
}

PileRef SnapshotPile(int slot) {
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    if (slot < GroupSize(group)) return PileRef{group, slot};
    slot -= GroupSize(group);
  }
  return PileRef{PileGroup::Reserves, kReserves - 1};
}

int SnapshotSlot(PileRef pile) {
  switch (pile.group) {
    case PileGroup::Stock: return pile.index;
    case PileGroup::Foundations: return kStockSlots + pile.index;
    case PileGroup::Tableau: return kStockSlots + kFoundations + pile.index;
    case PileGroup::Reserves: return kStockSlots + kFoundations + kTableauPiles + pile.index;
  }
  return 0;
}

PileSnapshot TakeSnapshot(const PileStore& piles, const CardTable& cards) {
  PileSnapshot snapshot;
  for (int slot = 0; slot < kSnapshotPiles; ++slot)
    snapshot[static_cast<std::size_t>(slot)] = CardStateString(piles.pile(SnapshotPile(slot)), cards);
  return snapshot;
}

void RestoreSnapshot(const PileSnapshot& snapshot, PileStore& piles, CardTable& cards) {
  for (int slot = 0; slot < kSnapshotPiles; ++slot)
    RestorePile(SnapshotPile(slot), snapshot[static_cast<std::size_t>(slot)], piles, cards);
}

}  // namespace velmora
