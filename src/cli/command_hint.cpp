// velmora-cli hint (--game GAME --deal D | --open FILE) [--moves FILE]: the
// move "Show a legal move" would show after the script of moves (the play
// language of `velmora-cli play`), printed as the line of that language that
// makes it. When there is none the program's message goes to standard error
// and nothing is printed.
//
// velmora-cli demo (--game GAME --deal D | --open FILE) [--max-moves N]: the
// demonstration plays the deal, or the saved game from where it was left;
// each move it makes is printed as a line of the play language, so that
// `velmora-cli play` fed those lines plays the same game, and then the final
// table and state as `play` prints them. A game that acts by the clock first
// (cards shown at the deal turn face down) is waited for, printed as "wait
// SECONDS".
#include <optional>
#include <ostream>

#include "command_options.h"
#include "hints/demo.h"
#include "hints/show_legal_move.h"
#include "play_script.h"

namespace velmora::cli {
namespace {

struct HintArguments {
  GameSource source;
  std::string movesFile;
};

struct DemoArguments {
  GameSource source;
  std::optional<int> maxMoves;
};

constexpr int kMostDemoMoves = 999999;
constexpr int kUsageError = 2;

// --game and --deal, or --open.
void AddSourceOptions(CLI::App& command, GameSource& source) {
  AddOpenOption(command, source.savedGame, AddGameOption(command, source.game, Need::Optional),
                AddDealOption(command, source.deal, Need::Optional));
}

int RunHint(const Options& options, const HintArguments& request, std::ostream& out, std::ostream& err) {
  if (!SourceNamed(request.source, "hint", err)) return kUsageError;
  std::string script;
  if (!request.movesFile.empty())
    if (const auto problem = LoadScript(request.movesFile, script)) {
      err << "velmora-cli hint: " << Escaped(*problem) << "\n";
      return 1;
    }
  auto headless = GameForScript(options, request.source, "hint", err);
  if (!headless) return 1;
  TMainGame& game = headless->game();
  if (!RunScript(game, script, err)) return 1;
  if (const auto hint = ShowLegalMove(game, HintRequest::Command)) out << PlayLineOf(*hint) << "\n";
  return 0;
}

int RunDemo(const Options& options, const DemoArguments& request, std::ostream& out, std::ostream& err) {
  if (!SourceNamed(request.source, "demo", err)) return kUsageError;
  DemoWatcher watcher{.moveMade = [&out](const Hint& hint) { out << PlayLineOf(hint) << "\n"; }};
  if (request.maxMoves) watcher.maxMoves = *request.maxMoves;
  auto headless = GameForScript(options, request.source, "demo", err);
  if (!headless) return 1;
  if (const auto waited = WaitForTheClock(headless->game())) out << "wait " << *waited << "\n";
  StartDemo(headless->game(), watcher);
  PrintPlayOutcome(*headless, out);
  return 0;
}

Runner DefineHint(CLI::App& command) {
  auto request = std::make_shared<HintArguments>();
  AddSourceOptions(command, request->source);
  AddMovesOption(command, request->movesFile);
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunHint(options, *request, out, err);
  };
}

Runner DefineDemo(CLI::App& command) {
  auto request = std::make_shared<DemoArguments>();
  AddSourceOptions(command, request->source);
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
