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
#include <fstream>
#include <iostream>
#include <map>

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
    out[args[i]] = args[i + 1];
  }
  if (!out.contains("--game") || !out.contains("--deal")) return "needs --game GAME and --deal D";
  return std::nullopt;
}

int RunScript(TMainGame& game, const std::string& file, std::ostream& err) {
  std::ifstream script(file);
  if (!script) {
    err << "velmora-cli hint: cannot read " << file << "\n";
    return 1;
  }
  for (std::string line; std::getline(script, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto refusal = RunPlayLine(game, line)) {
      err << "refused " << line << ": " << *refusal << "\n";
      return 1;
    }
  }
  return 0;
}

int RunHint(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Arguments arguments;
  if (const auto usage = ParseArguments(args, {"--game", "--deal", "--moves"}, arguments)) {
    err << "velmora-cli hint: " << *usage << "\n";
    return 2;
  }
  auto headless = DealForScript(options, arguments["--game"], arguments["--deal"], "hint", err);
  if (!headless) return 1;
  TMainGame& game = headless->game();
  if (arguments.contains("--moves"))
    if (const int code = RunScript(game, arguments["--moves"], err); code != 0) return code;
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
