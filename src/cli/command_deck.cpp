// velmora-cli deck: the order of the deck for a deal number, as the deal
// generator makes it.
#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "cards/deal_generator.h"
#include "cli.h"
#include "text/fixed_text.h"

namespace velmora::cli {
namespace {

struct DeckRequest {
  std::string dealDigits;
  DeckMakeup deck;
};

// --deal D [--cards 52|104] [--jokers 0-4] [--strip 0|1|2]
std::optional<DeckRequest> ParseRequest(const std::vector<std::string>& args, std::ostream& err) {
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 == args.size() || args[i].rfind("--", 0) != 0) {
      err << "velmora-cli deck: expected --option VALUE pairs, got '" << args[i] << "'\n";
      return std::nullopt;
    }
    values[args[i]] = args[i + 1];
  }
  DeckRequest request;
  const auto deal = values.contains("--deal") ? ParseDealNumber(values["--deal"]) : std::nullopt;
  if (!deal) {
    err << "velmora-cli deck: --deal needs a deal number from " << kDealNumberRange << "\n";
    return std::nullopt;
  }
  request.dealDigits = *deal;
  values.erase("--deal");
  struct Option {
    const char* name;
    int* target;
    std::initializer_list<int> allowed;
  } options[] = {{"--cards", &request.deck.cards, {52, 104}},
                 {"--jokers", &request.deck.jokers, {0, 1, 2, 3, 4}},
                 {"--strip", &request.deck.strip, {0, 1, 2}}};
  for (const Option& option : options) {
    if (!values.contains(option.name)) continue;
    const auto number = ParseInteger(values[option.name]);
    if (!number || std::find(option.allowed.begin(), option.allowed.end(), *number) == option.allowed.end()) {
      err << "velmora-cli deck: " << option.name << " does not take '" << values[option.name] << "'\n";
      return std::nullopt;
    }
    *option.target = static_cast<int>(*number);
    values.erase(option.name);
  }
  if (!values.empty()) {
    err << "velmora-cli deck: unknown option " << values.begin()->first << "\n";
    return std::nullopt;
  }
  return request;
}

int RunDeck(const Options&, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto request = ParseRequest(args, err);
  if (!request) return 2;
  out << DealListText(BuildDealList(request->dealDigits, request->deck).cards) << "\n";
  return 0;
}

}  // namespace

extern const Command kDeckCommand{"deck", "--deal D [--cards 52|104] [--jokers J] [--strip 0|1|2]",
                                  "print the order of the deck for deal number D", RunDeck};

}  // namespace velmora::cli
