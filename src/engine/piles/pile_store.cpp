#include "piles/pile_store.h"

#include <algorithm>

#include "text/fixed_text.h"

namespace velmora {

std::optional<Pile> ParsePileString(std::string_view text) {
  if (text.size() % 3 != 0) return std::nullopt;
  Pile pile;
  pile.reserve(text.size() / 3);
  for (std::size_t at = 0; at < text.size(); at += 3) {
    const std::string_view digits = text.substr(at, 3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const auto id = static_cast<CardId>(*ParseInteger(digits));
    if (id > kLastCard) return std::nullopt;
    pile.push_back(id);
  }
  return pile;
}

std::string PileString(const Pile& pile) {
  std::string out;
  out.reserve(pile.size() * 3);
  for (CardId id : pile) out += CardIdText(id);
  return out;
}

bool PileStore::setPileString(PileRef ref, std::string_view text) {
  auto parsed = ParsePileString(text);
  if (!parsed) return false;
  pile(ref) = std::move(*parsed);
  return true;
}

bool PileStore::empty() const {
  return std::all_of(groups_.begin(), groups_.end(), [](const Group& group) {
    return std::all_of(group.begin(), group.end(), [](const Pile& pile) { return pile.empty(); });
  });
}

void PileStore::clear() {
  for (auto& g : groups_)
    for (auto& p : g) p.clear();
}

void PileStore::addCard(PileRef ref, CardId card, std::optional<Face> face, CardTable& cards) {
  pile(ref).push_back(card);
  if (card != kNoCard && face) cards.setFace(card, *face);
}

CardId PileStore::topCard(PileRef ref) const {
  const Pile& p = pile(ref);
  return p.empty() ? kNoCard : p.back();
}

CardId PileStore::topCard(std::string_view name) const {
  const auto ref = ParsePileName(name);
  return ref ? topCard(*ref) : kNoCard;
}

bool PileStore::isTopOfTableau(CardId card, int tableauInUse) const {
  const int piles = std::clamp(tableauInUse, 0, kTableauPiles);
  for (int i = 0; i < piles; ++i)
    if (topCard(PileRef{PileGroup::Tableau, i}) == card) return true;
  return false;
}

void ApplyFaceCode(const Pile& pile, int code, CardTable& cards) {
  const auto size = static_cast<int>(pile.size());
  for (int i = 0; i < size; ++i) {
    std::optional<Face> face;
    if (code >= 1 && i >= size - code) face = Face::Up;
    if (code == -1) face = i % 2 == 0 ? Face::Up : Face::Down;
    if (code == -2) face = i % 2 == 0 ? Face::Down : Face::Up;
    if (code == -3) face = i == 0 ? Face::Up : Face::Down;
    if (face) cards.setFace(pile[static_cast<std::size_t>(i)], *face);
  }
}

}  // namespace velmora
