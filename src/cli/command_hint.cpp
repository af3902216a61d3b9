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
#include <optional>
#include <ostream>

#include "command_options.h"
#include "hints/demo.h"
#include "hints/show_legal_move.h"
#include "play_script.h"

namespace velmora::cli {
namespace {

struct HintArguments {
  std::string game, deal, movesFile;
};

struct DemoArguments {
  std::string game, deal;
  std::optional<int> maxMoves;
};

constexpr int kMostDemoMoves = 999999;

int RunHint(const Options& options, const HintArguments& request, std::ostream& out, std::ostream& err) {
  std::string script;
  if (!request.movesFile.empty())
    if (const auto problem = LoadScript(request.movesFile, script)) {
      err << "velmora-cli hint: " << Escaped(*problem) << "\n";
      return 1;
    }
  auto headless = DealForScript(options, request.game, request.deal, "hint", err);
  if (!headless) return 1;
  TMainGame& game = headless->game();
  if (!RunScript(game, script, err)) return 1;
  if (const auto hint = ShowLegalMove(game, HintRequest::Command)) out << PlayLineOf(*hint) << "\n";
  return 0;
}

int RunDemo(const Options& options, const DemoArguments& request, std::ostream& out, std::ostream& err) {
  DemoWatcher watcher{.moveMade = [&out](const Hint& hint) { out << PlayLineOf(hint) << "\n"; }};
  if (request.maxMoves) watcher.maxMoves = *request.maxMoves;
  auto headless = DealForScript(options, request.game, request.deal, "demo", err);
  if (!headless) return 1;
  StartDemo(headless->game(), watcher);
  PrintPlayOutcome(*headless, out);
  return 0;
}

Runner DefineHint(CLI::App& command) {
  auto request = std::make_shared<HintArguments>();
  AddGameOption(command, request->game, Need::Required);
  AddDealOption(command, request->deal, Need::Required);
  AddMovesOption(command, request->movesFile);
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunHint(options, *request, out, err);
  };
}

Runner DefineDemo(CLI::App& command) {
  auto request = std::make_shared<DemoArguments>();
  AddGameOption(command, request->game, Need::Required);
  AddDealOption(command, request->deal, Need::Required);
  command.add_option("--max-moves", request->maxMoves, "stop after N moves")
      ->type_name("N")
      ->check(CLI::Range(0, kMostDemoMoves).description(""));
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunDemo(options, *request, out, err);
  };
}

}  // namespace

extern const Command kHintCommand{"hint", "the move \"Show a legal move\" shows, as a line of the play language",
                                  DefineHint};
extern const Command kDemoCommand{"demo", "let the demonstration play a deal; its moves as lines of the play language",
                                  DefineDemo};

}  // namespace velmora::cli
