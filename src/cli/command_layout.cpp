// velmora-cli layout --game GAME [--size S|B|M|L] [--width W] [--height H]:
// where the table layout puts each pile of a game, on a playing area of
// W x H pixels (default 1280 x 800) without a toolbar, shadows on.
#include <charconv>
#include <ostream>

#include "game_catalogue.h"
#include "table/card_size.h"
#include "layout/table_layout.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {
namespace {

constexpr int kShadowDepth = 9;

struct LayoutRequest {
  std::string game;
  char size = 'B';
  int width = 1280;
  int height = 800;
};

bool ParsePixels(const std::string& text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 100 && value <= 10000;
}

// A usage message for what is wrong, or nothing.
std::optional<std::string> ParseRequest(const std::vector<std::string>& args, LayoutRequest& request) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return "'" + args[i] + "' needs a value";
    const std::string& option = args[i];
    const std::string& value = args[i + 1];
    if (option == "--game") {
      request.game = value;
    } else if (option == "--size") {
      if (value.size() != 1 || std::string_view("SBML").find(value[0]) == std::string_view::npos)
        return "--size is one of S, B, M, L";
      request.size = value[0];
    } else if (option == "--width" || option == "--height") {
      if (!ParsePixels(value, option == "--width" ? request.width : request.height))
        return option + " is a number of pixels from 100 to 10000";
    } else {
      return "unexpected '" + option + "'";
    }
  }
  if (request.game.empty()) return "needs --game GAME";
  return std::nullopt;
}

LayoutArea AreaOf(const LayoutRequest& request) {
  const CardDimensions card = CardSizeFor(request.size);
  return {.cardWidth = card.width, .cardHeight = card.height, .shadowDepth = kShadowDepth, .top = 5,
          .bottom = request.height - 1, .windowHeight = request.height, .width = request.width,
          .screenWidth = request.width, .screenHeight = request.height};
}

int RunLayout(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  LayoutRequest request;
  if (const auto usage = ParseRequest(args, request)) {
    err << "velmora-cli layout: " << *usage << "\n";
    return 2;
  }
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

}  // namespace

extern const Command kLayoutCommand{"layout", "--game GAME [--size S|B|M|L] [--width W] [--height H]",
                                    "where each pile of a game lies on a W x H table (default 1280 x 800)",
                                    RunLayout};

}  // namespace velmora::cli
