#include "cards/card_table.h"

#include "text/fixed_text.h"

namespace velmora {
namespace {
constexpr std::array<std::string_view, 4> kSuitWords{"CUORI", "QUADR", "FIORI", "PICCH"};

std::string RankWord(int rank) {
  if (rank >= 2 && rank <= 10) return FormatNumber(rank, 2);
  return RankLabel(rank);
}
}  // namespace

std::string CardName(CardId id) {
  if (IsJoker(id)) return "JOKER";
  if (!IsNormalCard(id)) return {};
  return std::string(kSuitWords[static_cast<std::size_t>(CardSuit(id))]) + "_" + RankWord(CardRank(id));
}

std::string CardTable::entry(CardId id) const {
  if (!valid(id)) return {};
  const char suitDigit = IsJoker(id) ? '4' : static_cast<char>('1' + CardSuit(id));
  return PadOrCut(CardName(id), 15) + suitDigit + CardIdText(id) + (isFaceUp(id) ? '1' : '0');
}

}  // namespace velmora
