// velmora-cli deal --game GAME --deal D [--json]: the table as the game deals
// it, one line per pile the game uses.
#include <ostream>

#include "command_options.h"
#include "headless_game.h"

namespace velmora::cli {
namespace {

struct DealRequest {
  std::string game, deal;
  bool json = false;
};

int RunDeal(const Options& options, const DealRequest& request, std::ostream& out, std::ostream& err) {
  auto headless = HeadlessGame::Open(options, err);
  if (!headless) return 1;
  const auto game = headless->findGame(request.game);
  if (!game) {
    err << "velmora-cli deal: no game \"" << request.game << "\" (see velmora-cli games)\n";
    return 1;
  }
  if (!headless->deal(*game, request.deal)) return 1;
  PrintTable(headless->game(), request.json, out);
  return 0;
}

Runner DefineDeal(CLI::App& command) {
  auto request = std::make_shared<DealRequest>();
  AddGameOption(command, request->game, Need::Required);
  AddDealOption(command, request->deal, Need::Required);
  command.add_flag("--json", request->json, "one JSON object instead of one line a pile");
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunDeal(options, *request, out, err);
  };
}

}  // namespace

extern const Command kDealCommand{"deal", "deal a game and print its piles as card states (GAME: number or name)",
                                  DefineDeal};

}  // namespace velmora::cli
