// velmora-cli deal --game GAME --deal D [--json]: the table as the game deals
// it, one line per pile the game uses.
#include <ostream>

#include "cards/deal_generator.h"
#include "game/rule_index.h"
#include "headless_game.h"

namespace velmora::cli {
namespace {

constexpr int kStockShown = 9;
constexpr int kWasteShown = 10;
constexpr int kThirdSlotShown = 370;

// The piles of the game in the order stock, waste, third slot, foundations,
// tableau, reserves. Stock slots count when shown or dealt to.
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

// 4 characters a card: the id and "1" face up or "0" face down.
std::string CardStates(const Pile& pile, const CardTable& cards) {
  std::string out;
  for (CardId id : pile) out += CardIdText(id) + (cards.isFaceUp(id) ? '1' : '0');
  return out;
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

int RunDeal(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string gameWanted, dealWanted;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if ((args[i] == "--game" || args[i] == "--deal") && i + 1 < args.size()) {
      (args[i] == "--game" ? gameWanted : dealWanted) = args[i + 1];
      ++i;
    } else {
      err << "velmora-cli deal: unexpected '" << args[i] << "'\n";
      return 2;
    }
  }
  const auto dealDigits = ParseDealNumber(dealWanted);
  if (gameWanted.empty() || !dealDigits) {
    err << "velmora-cli deal: needs --game GAME and --deal D (a deal number of 1 to 13 digits)\n";
    return 2;
  }
  auto headless = HeadlessGame::Open(options, err);
  if (!headless) return 1;
  const auto game = headless->findGame(gameWanted);
  if (!game) {
    err << "velmora-cli deal: no game \"" << gameWanted << "\" (see velmora-cli games)\n";
    return 1;
  }
  if (!headless->deal(*game, *dealDigits)) return 1;
  PrintTable(headless->game(), json, out);
  return 0;
}

}  // namespace

extern const Command kDealCommand{"deal", "--game GAME --deal D [--json]",
                                  "deal a game and print its piles as card states (GAME: number or name)", RunDeal};

}  // namespace velmora::cli
