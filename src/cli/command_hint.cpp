// velmora-cli hint --game GAME --deal D [--moves FILE]: the move "Show a
// legal move" would show after the script of moves (the play language of
// `velmora-cli play`), printed as the line of that language that makes it.
// When there is none the program's message goes to standard error and
// nothing is printed.
//
// velmora-cli demo --game GAME --deal D [--max-moves N]: the demonstration
// plays the deal; each move it makes is printed as a line of the play
// language, so that `velmora-cli play` fed those lines plays the same game,
// and then the final table and state as `play` prints them.
#include <algorithm>
#include <ostream>
#include <map>

#include "cards/deal_generator.h"
#include "hints/demo.h"
#include "hints/show_legal_move.h"
#include "play_script.h"

namespace velmora::cli {
namespace {

using Arguments = std::map<std::string, std::string>;

// "--name value" pairs among the names allowed; the reason when they are not.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args,
                                          std::initializer_list<std::string_view> allowed, Arguments& out) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (std::find(allowed.begin(), allowed.end(), args[i]) == allowed.end() || i + 1 >= args.size())
      return "unexpected '" + args[i] + "'";
    if (args[i + 1].empty()) return args[i] + " needs a value";
    out[args[i]] = args[i + 1];
  }
  if (!out.contains("--game") || !out.contains("--deal") || !ParseDealNumber(out["--deal"]))
    return "needs --game GAME and --deal D (a deal number from " + std::string(kDealNumberRange) + ")";
  return std::nullopt;
}

int RunHint(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Arguments arguments;
  if (const auto usage = ParseArguments(args, {"--game", "--deal", "--moves"}, arguments)) {
    err << "velmora-cli hint: " << *usage << "\n";
    return 2;
  }
  std::string script;
  if (arguments.contains("--moves"))
    if (const auto problem = LoadScript(arguments["--moves"], script)) {
      err << "velmora-cli hint: " << Escaped(*problem) << "\n";
      return 1;
    }
  auto headless = DealForScript(options, arguments["--game"], arguments["--deal"], "hint", err);
  if (!headless) return 1;
  TMainGame& game = headless->game();
  if (!RunScript(game, script, err)) return 1;
  if (const auto hint = ShowLegalMove(game, HintRequest::Command)) out << PlayLineOf(*hint) << "\n";
  return 0;
}

int RunDemo(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Arguments arguments;
  if (const auto usage = ParseArguments(args, {"--game", "--deal", "--max-moves"}, arguments)) {
    err << "velmora-cli demo: " << *usage << "\n";
    return 2;
  }
  DemoWatcher watcher{.moveMade = [&out](const Hint& hint) { out << PlayLineOf(hint) << "\n"; }};
  if (arguments.contains("--max-moves")) {
    const std::string& text = arguments["--max-moves"];
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
      err << "velmora-cli demo: --max-moves takes a number\n";
      return 2;
    }
    watcher.maxMoves = std::stoi(text);
  }
  auto headless = DealForScript(options, arguments["--game"], arguments["--deal"], "demo", err);
  if (!headless) return 1;
  StartDemo(headless->game(), watcher);
  PrintPlayOutcome(*headless, out);
  return 0;
}

}  // namespace

extern const Command kHintCommand{"hint", "--game GAME --deal D [--moves FILE]",
                                  "the move \"Show a legal move\" shows, as a line of the play language", RunHint};
extern const Command kDemoCommand{"demo", "--game GAME --deal D [--max-moves N]",
                                  "let the demonstration play a deal; its moves as lines of the play language",
                                  RunDemo};

}  // namespace velmora::cli
