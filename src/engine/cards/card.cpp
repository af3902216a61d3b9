#include "cards/card.h"

#include "text/fixed_text.h"

namespace velmora {

std::string RankLabel(int rank) {
  switch (rank) {
    case 0: return {};
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(rank);
  }
}

std::string CardIdText(CardId id) { return FormatNumber(id, 3); }

}  // namespace velmora
