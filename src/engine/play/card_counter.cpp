#include "play/card_counter.h"

#include <cstdint>

#include "cards/card_table.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"

namespace velmora {
namespace {

constexpr int kTwoDecks = 2 * kCardsPerDeck;
constexpr int kRuleOn = 1;

constexpr std::string_view kSection = "Preference";
constexpr std::string_view kStockOnlyKey = "CardCounter_Stock";
constexpr std::string_view kTableauOnlyKey = "CardCounter_Tableau";
constexpr std::string_view kInvertedKey = "CardCounter_Inverse";
constexpr std::string_view kLeftKey = "CardCounter_Left";
constexpr std::string_view kTopKey = "CardCounter_Top";
constexpr std::string_view kVisibleKey = "CardCounter_Visible";
// A window position must fit the screen coordinates the file was written with.
constexpr std::int64_t kFarthestPosition = 32767;

CounterMark MarkOfFace(const CardTable& cards, CardId card) {
  return cards.isFaceUp(card) ? CounterMark::Seen : CounterMark::Unseen;
}

void MarkPile(CounterGrid& grid, const Pile& pile, auto markOf) {
  for (CardId card : pile)
    if (card != kNoCard) grid.setMark(card, markOf(card));
}

void MarkGroup(CounterGrid& grid, const PileStore& piles, PileGroup group, auto markOf) {
  for (int k = 0; k < GroupSize(group); ++k) MarkPile(grid, piles.pile({group, k}), markOf);
}

// Every stock card is unseen. The waste is seen whole when the stock is shown
// beside it; otherwise only its top card is seen.
void MarkStockPart(CounterGrid& grid, const RuleRecord& rules, const PileStore& piles) {
  MarkPile(grid, piles.pile(kStock), [](CardId) { return CounterMark::Unseen; });
  if (rules[rule::WasteShown] != kRuleOn) return;
  const Pile& waste = piles.pile(kWaste);
  if (rules[rule::StockShown] == kRuleOn) {
    MarkPile(grid, waste, [](CardId) { return CounterMark::Seen; });
  } else if (rules[rule::StockShown] == 0 && !waste.empty()) {
    MarkPile(grid, waste, [](CardId) { return CounterMark::Unseen; });
    grid.setMark(waste.back(), CounterMark::Seen);
  }
}

// The tableau, the foundations and the discard pile show what lies face up;
// a reserve's cards are all seen.
void MarkTablePart(CounterGrid& grid, const PileStore& piles, const CardTable& cards) {
  const auto byFace = [&cards](CardId card) { return MarkOfFace(cards, card); };
  MarkGroup(grid, piles, PileGroup::Tableau, byFace);
  MarkGroup(grid, piles, PileGroup::Foundations, byFace);
  MarkPile(grid, piles.pile(kThirdStockSlot), byFace);
  MarkGroup(grid, piles, PileGroup::Reserves, [](CardId) { return CounterMark::Seen; });
}

void Invert(CounterGrid& grid) {
  for (CardId card = 1; card <= grid.rows() * kRanks; ++card) {
    const CounterMark mark = grid.mark(card);
    if (mark == CounterMark::Seen) grid.setMark(card, CounterMark::Unseen);
    if (mark == CounterMark::Unseen) grid.setMark(card, CounterMark::Seen);
  }
}

// "Y" or "N"; anything else keeps the fallback.
bool ReadSwitch(const IniDocument& file, std::string_view key, bool fallback) {
  const std::string value = file.readString(kSection, key, "");
  if (value == "Y") return true;
  if (value == "N") return false;
  return fallback;
}

// A position past the screen coordinates keeps the window's own place.
int ReadPosition(const IniDocument& file, std::string_view key) {
  const std::int64_t value = file.readInt(kSection, key, CounterSettings::kKeepPlace);
  const bool fits = value >= -kFarthestPosition && value <= kFarthestPosition;
  return fits ? static_cast<int>(value) : CounterSettings::kKeepPlace;
}

std::string_view SwitchText(bool on) { return on ? "Y" : "N"; }

}  // namespace

CounterMark CounterGrid::mark(CardId card) const {
  return inGrid(card) ? marks_[static_cast<std::size_t>(card)] : CounterMark::NotCounted;
}

void CounterGrid::setMark(CardId card, CounterMark mark) {
  if (inGrid(card)) marks_[static_cast<std::size_t>(card)] = mark;
}

CounterGrid CountCards(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                       CounterOptions options) {
  const int decks = rules[rule::DeckCards] == kTwoDecks ? 2 : 1;
  CounterGrid grid(decks * kCounterRowsPerDeck);
  if (options.countsStock()) MarkStockPart(grid, rules, piles);
  if (options.countsTable()) MarkTablePart(grid, piles, cards);
  if (options.inverted) Invert(grid);
  return grid;
}

CounterSettings ReadCounterSettings(const IniDocument& file) {
  const CounterSettings defaults;
  CounterSettings settings;
  settings.options.stockOnly = ReadSwitch(file, kStockOnlyKey, defaults.options.stockOnly);
  settings.options.tableauOnly = ReadSwitch(file, kTableauOnlyKey, defaults.options.tableauOnly);
  settings.options.inverted = ReadSwitch(file, kInvertedKey, defaults.options.inverted);
  settings.left = ReadPosition(file, kLeftKey);
  settings.top = ReadPosition(file, kTopKey);
  settings.visible = ReadSwitch(file, kVisibleKey, defaults.visible);
  return settings;
}

void WriteCounterSettings(IniDocument& file, const CounterSettings& settings) {
  file.write(kSection, kStockOnlyKey, SwitchText(settings.options.stockOnly));
  file.write(kSection, kTableauOnlyKey, SwitchText(settings.options.tableauOnly));
  file.write(kSection, kInvertedKey, SwitchText(settings.options.inverted));
  file.writeInt(kSection, kLeftKey, settings.left);
  file.writeInt(kSection, kTopKey, settings.top);
  file.write(kSection, kVisibleKey, SwitchText(settings.visible));
}

}  // namespace velmora
