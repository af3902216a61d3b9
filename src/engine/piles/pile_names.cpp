#include "piles/pile_names.h"

#include <array>

#include "text/fixed_text.h"

namespace velmora {
namespace {

struct NamePrefix {
  std::string_view word;
  PileKind kind;
};

// In the order the names are tested.
constexpr std::array kPrefixes{
    NamePrefix{"Fila", PileKind::Tableau},     NamePrefix{"Dest", PileKind::Foundation},
    NamePrefix{"Appogg", PileKind::Reserve},   NamePrefix{"Mazzo_Vis", PileKind::Waste},
    NamePrefix{"Mazzo_Waste", PileKind::ThirdSlot}, NamePrefix{"Mazzo", PileKind::Stock},
    NamePrefix{"Waste", PileKind::Discard},
};

std::optional<int> NumberAfter(std::string_view name, std::string_view word, int count) {
  const auto number = ParseInteger(name.substr(word.size()));
  if (!number || *number < 1 || *number > count) return std::nullopt;
  return static_cast<int>(*number) - 1;
}

}  // namespace

PileKind KindOfPile(std::string_view name) {
  for (const auto& prefix : kPrefixes)
    if (name.starts_with(prefix.word)) return prefix.kind;
  return PileKind::None;
}

std::optional<PileRef> ParsePileName(std::string_view name) {
  if (name == "Mazzo") return kStock;
  if (name == "Mazzo_Vis") return kWaste;
  if (name == "Mazzo_Waste") return kThirdStockSlot;
  const auto pile = [&](PileGroup group, std::string_view word) -> std::optional<PileRef> {
    const auto index = NumberAfter(name, word, GroupSize(group));
    return index ? std::optional<PileRef>(PileRef{group, *index}) : std::nullopt;
  };
  switch (KindOfPile(name)) {
    case PileKind::Tableau: return pile(PileGroup::Tableau, "Fila");
    case PileKind::Foundation: return pile(PileGroup::Foundations, "Dest");
    case PileKind::Reserve: return pile(PileGroup::Reserves, "Appogg");
    default: return std::nullopt;
  }
}

std::string PileName(PileRef pile) {
  const std::string number = std::to_string(pile.index + 1);
  switch (pile.group) {
    case PileGroup::Stock:
      return pile.index == 0 ? "Mazzo" : pile.index == 1 ? "Mazzo_Vis" : "Mazzo_Waste";
    case PileGroup::Foundations: return "Dest" + number;
    case PileGroup::Tableau: return "Fila" + number;
    case PileGroup::Reserves: return "Appogg" + number;
  }
  return {};
}

}  // namespace velmora
