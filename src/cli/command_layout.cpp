// velmora-cli layout --game GAME [--size S|B|M|L] [--width W] [--height H]:
// where the table layout puts each pile of a game, on a playing area of
// W x H pixels (default 1280 x 800) without a toolbar, shadows on.
#include <ostream>

#include "command_options.h"
#include "game_catalogue.h"
#include "table/card_size.h"
#include "layout/table_layout.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {
namespace {

constexpr int kShadowDepth = 9;
constexpr int kFewestPixels = 100;  // each way; a table smaller or larger is no screen
constexpr int kMostPixels = 10000;

struct LayoutRequest {
  std::string game;
  char size = 'B';
  int width = 1280;
  int height = 800;
};

LayoutArea AreaOf(const LayoutRequest& request) {
  const CardDimensions card = CardSizeFor(request.size);
  return {.cardWidth = card.width, .cardHeight = card.height, .shadowDepth = kShadowDepth, .top = 5,
          .bottom = request.height - 1, .windowHeight = request.height, .width = request.width,
          .screenWidth = request.width, .screenHeight = request.height};
}

int RunLayout(const Options& options, const LayoutRequest& request, std::ostream& out, std::ostream& err) {
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  const int game = FindGame(catalogue, request.game);
  RuleRecord rules;
  if (game < 0 || !LoadGameRules(catalogue, game, rules)) {
    err << "velmora-cli layout: no game \"" << request.game << "\" (see velmora-cli games)\n";
    return 1;
  }
  const LayoutArea area = AreaOf(request);
  const TableLayout layout = LayOutTable(rules, request.size, area);
  out << "game " << game << ": " << catalogue.GameName(game) << ", size " << request.size << " (" << area.cardWidth
      << " x " << area.cardHeight << "), area " << request.width << " x " << request.height << "\n";
  for (const PileRef pile : PilesOfTheGame(rules)) {
    const TablePoint at = layout.pile(pile);
    out << PileName(pile) << " " << at.x << " " << at.y << "\n";
  }
  out << "tableau_room " << layout.tableauRoom << "\nhorizontal_room " << layout.horizontalRoom << "\n";
  return 0;
}

Runner DefineLayout(CLI::App& command) {
  auto request = std::make_shared<LayoutRequest>();
  AddGameOption(command, request->game, Need::Required);
  command.add_option("--size", request->size, "the card size")->type_name("S|B|M|L")->check(CLI::IsMember({'S', 'B', 'M', 'L'}).description(""));
  const CLI::Validator pixels = CLI::Range(kFewestPixels, kMostPixels).description("");
  command.add_option("--width", request->width, "the table's width in pixels")->type_name("W")->check(pixels);
  command.add_option("--height", request->height, "the table's height in pixels")->type_name("H")->check(pixels);
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunLayout(options, *request, out, err);
  };
}

}  // namespace

extern const Command kLayoutCommand{"layout", "where each pile of a game lies on a W x H table (default 1280 x 800)",
                                    DefineLayout};

}  // namespace velmora::cli
