// velmora-cli deal --game GAME --deal D [--json]: the table as the game deals
// it, one line per pile the game uses.
#include <ostream>

#include "cards/deal_generator.h"
#include "headless_game.h"

namespace velmora::cli {
namespace {

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
    err << "velmora-cli deal: needs --game GAME and --deal D (a deal number from " << kDealNumberRange << ")\n";
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
