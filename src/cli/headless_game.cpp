#include "headless_game.h"

#include <ostream>

#include "game/rule_index.h"
#include "game_catalogue.h"
#include "table/card_size.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {
namespace {

constexpr int kStockShown = 9;
constexpr int kWasteShown = 10;
constexpr int kThirdSlotShown = 370;

// 4 characters a card: the id and "1" face up or "0" face down.
std::string CardStates(const Pile& pile, const CardTable& cards) {
  std::string out;
  for (CardId id : pile) out += CardIdText(id) + (cards.isFaceUp(id) ? '1' : '0');
  return out;
}

}  // namespace

std::vector<PileRef> PilesInUse(const TMainGame& game) {
  const RuleRecord& rules = game.rules();
  std::vector<PileRef> piles;
  const std::pair<PileRef, int> slots[] = {{kStock, kStockShown}, {kWaste, kWasteShown}, {kThirdStockSlot, kThirdSlotShown}};
  for (auto [slot, shown] : slots)
    if (rules[shown] == 1 || !game.piles().pile(slot).empty()) piles.push_back(slot);
  const std::pair<PileGroup, int> groups[] = {{PileGroup::Foundations, rule::Foundations},
                                              {PileGroup::Tableau, rule::TableauPiles},
                                              {PileGroup::Reserves, rule::Reserves}};
  for (auto [group, count] : groups)
    for (int i = 0; i < std::min<int>(rules[count], GroupSize(group)); ++i) piles.push_back({group, i});
  return piles;
}

void PrintTable(TMainGame& game, bool json, std::ostream& out) {
  const auto piles = PilesInUse(game);
  if (json) out << "{\"game\": " << game.store().gameNumber() << ", \"deal\": \"" << game.store().dealNumber()
                << "\", \"piles\": [";
  for (std::size_t i = 0; i < piles.size(); ++i) {
    const std::string name = PileName(piles[i]);
    const std::string cards = CardStates(game.piles().pile(piles[i]), game.cards());
    if (json)
      out << (i ? ", " : "") << "{\"name\": \"" << name << "\", \"cards\": \"" << cards << "\"}";
    else
      out << name << (cards.empty() ? "" : " " + cards) << "\n";
  }
  if (json) out << "]}\n";
}

void TerminalUi::showMessage(std::string_view, std::string_view text, Icon) {
  if (quiet_) return;
  err_ << "velmora-cli: " << ForTerminal(text) << "\n";
}

bool TerminalUi::askQuestion(std::string_view, std::string_view text) {
  err_ << "velmora-cli: " << ForTerminal(text) << " (answered Cancel)\n";
  return false;
}

HeadlessGame::HeadlessGame(const Options& options, std::ostream& err)
    : ui_(err), game_(Folders(options.programFolder, options.dataFolder), ui_) {}

std::unique_ptr<HeadlessGame> HeadlessGame::Open(const Options& options, std::ostream& err) {
  std::unique_ptr<HeadlessGame> headless(new HeadlessGame(options, err));
  if (!LoadCatalogueForCommand(options, headless->game().catalogue(), err)) return nullptr;
  return headless;
}

std::optional<int> HeadlessGame::findGame(const std::string& wanted) const {
  const int game = FindGame(game_.catalogue(), wanted);
  return game >= 0 ? std::optional(game) : std::nullopt;
}

bool HeadlessGame::deal(int gameNumber, const std::string& dealDigits) {
  game_.rules().clearForGame();
  if (!LoadGameRules(game_.catalogue(), gameNumber, game_.rules())) return false;
  ConfigStore& store = game_.store();
  store.setGameNumber(gameNumber);
  store.write(store::GameName, game_.catalogue().GameName(gameNumber));
  store.write(store::DealNumber, dealDigits);
  return StartNewGame(game_, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
}

void HeadlessGame::layOut() {
  constexpr int kWidth = kHeadlessScreenWidth, kHeight = kHeadlessScreenHeight;
  const CardDimensions card = CardSizeFor('B');
  const LayoutArea area{.cardWidth = card.width, .cardHeight = card.height, .top = 5, .bottom = kHeight - 1,
                        .windowHeight = kHeight, .width = kWidth, .screenWidth = kWidth, .screenHeight = kHeight};
  game_.layout() = LayOutTable(game_.rules(), 'B', area);
}

}  // namespace velmora::cli
