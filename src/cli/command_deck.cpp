// velmora-cli deck: the order of the deck for a deal number, as the deal
// generator makes it.
#include <ostream>

#include "cards/deal_generator.h"
#include "cli.h"
#include "command_options.h"

namespace velmora::cli {
namespace {

struct DeckRequest {
  std::string dealDigits;
  DeckMakeup deck;
};

int RunDeck(const DeckRequest& request, std::ostream& out) {
  out << DealListText(BuildDealList(request.dealDigits, request.deck).cards) << "\n";
  return 0;
}

// --deal D [--cards 52|104] [--jokers 0-4] [--strip 0|1|2]
Runner DefineDeck(CLI::App& command) {
  auto request = std::make_shared<DeckRequest>();
  AddDealOption(command, request->dealDigits, Need::Required);
  command.add_option("--cards", request->deck.cards, "cards in the deck")->type_name("52|104")->check(CLI::IsMember({52, 104}).description(""));
  command.add_option("--jokers", request->deck.jokers, "jokers added")->type_name("J")->check(CLI::Range(0, 4).description(""));
  command.add_option("--strip", request->deck.strip, "1 leaves out the ranks 2 to 6, 2 the Kings too")
      ->type_name("0|1|2")
      ->check(CLI::Range(0, 2).description(""));
  return [request](const Options&, std::ostream& out, std::ostream&) { return RunDeck(*request, out); };
}

}  // namespace

extern const Command kDeckCommand{"deck", "print the order of the deck for deal number D", DefineDeck};

}  // namespace velmora::cli
