// velmora-cli play (--game GAME --deal D | --open FILE) [--moves FILE] [--list]
// [--autoplay] [--end] [--save FILE]: on a terminal without --moves, --list,
// --end or --save, the terminal game (terminal_game.h), on the game and deal
// given, the saved game opened, or Klondike on a random deal. Otherwise it
// plays a script of the player's actions on a dealt game, or on a saved game
// from where it was left, one a line, through the same engine as the mouse,
// then prints the table as `deal` does with the score, the moves that stand
// and the state of the game. Each action is followed by what follows a
// release of the button: the empty piles the game fills at once, and with
// --autoplay the cards autoplay sends up (from the deal, or the opening, on).
//
//   move CARD PILE   take the card (3-digit id) with the cards above it and
//                    drop it on the pile ("Dest1", "Fila3", "Appogg2", "Mazzo_Vis")
//   send CARD        what a double click on the card does
//   press CARD       what a click on the card does (the discard games play so)
//   select CARD...   a click on each card in turn (a removal game's group)
//   stock            a press and release of the button on the stock
//   undo, redo       a step back or forward
//   wait SECONDS     the game's clock runs on so many seconds (1 to 3600):
//                    what a family does by the clock happens
//
// Blank lines and lines starting with "#" are skipped. The first refused
// line is reported as "refused LINE: reason" on standard error; the table is
// left as it was and printed, and the run fails. A script beyond the bounds of
// play_script.h is refused before the deal. --list adds the legal moves
// of the final position as "legal move CARD PILE", "legal press CARD" and
// "legal stock" lines, and "legal wait SECONDS" when the game's family would
// change the table by the clock after so many seconds (a game that waits so
// is still in play).
//
// A game that the script leaves won, or that its family's rule ended, is
// ended as the program ends it and recorded in the statistics of the data
// folder's current player; --end also ends a game still in progress, as lost.
// A script with a refused line records nothing; a result that could not be
// written fails the run.
//
// --save FILE writes the table the script reached, with its undo history, as
// a saved game, before --end ends it; a script with a refused line or a game
// that is over saves nothing, and a game not saved fails the run (a finished
// game is recorded all the same).
#include <unistd.h>

#include <ostream>
#include <sstream>
#include <vector>

// The move rules' card places come before the layout's function of that name.
#include "moves/legal_moves.h"

#include "autoplay/autoplay.h"
#include "families/family_clock.h"
#include "families/game_family.h"
#include "families/memory_result.h"
#include "game/rule_index.h"
#include "command_options.h"
#include "headless_game.h"
#include "play_script.h"
#include "terminal_game.h"
#include "files/ini_document.h"
#include "history/game_history.h"
#include "history/undo.h"
#include "play/end_game.h"
#include "play/execute_move.h"
#include "play/game_move_rules.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "records/player_names.h"
#include "records/record_files.h"
#include "scoring/score.h"
#include "stock/stock_commands.h"

namespace velmora::cli {
namespace {

using Refusal = std::optional<std::string>;

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

struct PlayRequest {
  GameSource source;
  std::string movesFile;
  std::string saveFile;  // where the game is saved once the script has run
  bool list = false;
  bool autoplay = false;
  bool end = false;  // a game still in progress ends as lost
};

std::optional<CardId> ParseCard(std::string_view text) {
  if (text.size() != 3 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const int id = std::stoi(std::string(text));
  return id >= 1 && id <= kLastCard ? std::optional<CardId>(static_cast<CardId>(id)) : std::nullopt;
}

std::string CardText(CardId card) { return CardIdText(card); }

Refusal MoveCard(TMainGame& game, CardId card, std::string_view pileName) {
  const auto to = ParsePileName(pileName);
  if (to && PileName(*to) != pileName) return std::string(pileName) + " is not a pile name; the pile is " + PileName(*to);
  const auto from = FindCard(game, card);
  if (!from) return "card " + CardText(card) + " is not on the table";
  if (!to || !PileRect(game, *to) || (to->group == PileGroup::Stock && !(*to == kWaste)))
    return std::string(pileName) + " is not a pile of this game that takes cards";
  const MoveRules rules = MoveRulesOf(game);
  if (rules.canTake(card, from->pile) != TakeAnswer::Take)
    return "card " + CardText(card) + " cannot be taken from " + PileName(from->pile);
  if (OpeningPhaseRefuses(game, from->pile, *to)) return "the game opens with a move from the tableau to a foundation";
  if (!DropOn(game, card, *PileRect(game, *to), *to, {.target = *to, .animate = false}))
    return PileName(*to) + " does not take card " + CardText(card);
  return std::nullopt;
}

Refusal SendCardAway(TMainGame& game, CardId card) {
  const auto point = PointOnCard(game, card);
  if (!point) return "card " + CardText(card) + " is not in reach";
  const bool sent = DoubleClickSend(game, point->x, point->y);
  game.state().set(flag::DoubleClickHandled, false);  // no second press follows
  if (!sent) return "card " + CardText(card) + " goes nowhere";
  return std::nullopt;
}

Refusal ClickCard(TMainGame& game, CardId card) {
  const auto point = PointOnCard(game, card);
  if (!point) return "card " + CardText(card) + " is not in reach";
  // A card turned up and at once back down (a miss) leaves the table as it
  // was, but the turn is a step all the same.
  const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
  const int steps = game.history().undo().steps();
  PressAt(game, MouseButton::Left, false, false, point->x, point->y);
  ReleaseAt(game);
  if (game.history().undo().steps() == steps && TakeSnapshot(game.piles(), game.cards()) == before)
    return "a click on card " + CardText(card) + " does nothing";
  return std::nullopt;
}

// The cards a click sends to the discard pile.
std::vector<CardId> DiscardableCards(const TMainGame& game, const MoveRules& rules) {
  std::vector<CardId> cards;
  if (!game.family().facts().discardsTakenCard) return cards;
  for (int i = 0; i < rules.tableauInUse(); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    const CardId top = game.piles().topCard(pile);
    if (top != kNoCard && rules.canTake(top, pile) == TakeAnswer::Take && game.family().discardTakes(game, top)) cards.push_back(top);
  }
  return cards;
}

// A family's move as the list shows it: "legal move CARD PILE", "legal
// press CARD", or "legal select CARD CARD..." for a group pressed in turn.
std::string ActionLine(const FamilyAction& action) {
  if (action.to) return "legal move " + CardText(action.presses.front()) + " " + PileName(*action.to);
  std::string line = action.presses.size() == 1 ? "legal press" : "legal select";
  for (CardId card : action.presses) line += " " + CardText(card);
  return line;
}

// "result PAGE | HEADING | WHAT COUNT x EACH = POINTS ... | Start N | Total N |
// To win N": the memory game's result page on one line (no heading when the
// page has none).
std::string ResultLine(const GameUi::MemoryResult& result) {
  std::ostringstream line;
  line << "result " << result.page;
  if (!result.heading.empty()) line << " | " << result.heading;
  for (const GameUi::MemoryResult::Count& count : result.counts)
    line << " | " << count.what << " " << count.count << " x " << count.pointsEach << " = " << count.points;
  line << " | Start " << result.start << " | Total " << result.total << " | To win " << result.scoreToWin;
  return line.str();
}

// The memory game's result: as the end of the game showed it, or, for a game
// over that nothing ended (the demonstration's), as it would show it.
std::optional<GameUi::MemoryResult> MemoryResultToPrint(HeadlessGame& headless, const std::string& state) {
  if (headless.ui().memoryResult()) return headless.ui().memoryResult();
  TMainGame& game = headless.game();
  if (!game.family().facts().showsResult || state == "playing") return std::nullopt;
  return MemoryResultOf(game, state == "won");
}

// A turn of the waste that deals the same cards again leaves the piles as
// they were but uses a pass: it is a step all the same.
Refusal PressTheStock(TMainGame& game) {
  const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
  const int steps = game.history().undo().steps();
  PressStock(game);
  if (game.state().word(word::StockPressed) == 1) ReleaseStock(game);
  if (game.history().undo().steps() == steps && TakeSnapshot(game.piles(), game.cards()) == before)
    return "the stock does nothing now";
  return std::nullopt;
}

// Whether a press on the stock would change the table: the press is tried
// quietly and everything it touched is put back.
bool StockPressChanges(HeadlessGame& headless) {
  TMainGame& game = headless.game();
  const PileStore piles = game.piles();
  const CardTable cards = game.cards();
  const ProgramState state = game.state();
  const GameHistory history = game.history();
  const ConfigStore store = game.store();
  headless.ui().setQuiet(true);
  const bool changes = !PressTheStock(game);
  headless.ui().setQuiet(false);
  game.piles() = piles;
  game.cards() = cards;
  game.state() = state;
  game.history() = history;
  game.store() = store;
  return changes;
}

std::string StateOf(const TMainGame& game, const EndOfGame& end, bool movesLeft) {
  if (end.ended) return end.won ? "won" : "lost";
  if (game.state().on(flag::GameWon)) return "won";
  return movesLeft ? "playing" : "lost";
}

Refusal StepHistory(TMainGame& game, HistorySide side) {
  if (!TakeHistoryStep(game, side, true)) return side == HistorySide::Undo ? "nothing to undo" : "nothing to redo";
  RecomputeScore(game);
  return std::nullopt;
}

// A move, a send or a press of the stock, and then what the release of the
// button brings after it.
Refusal ThenRelease(TMainGame& game, Refusal refusal) {
  if (!refusal && game.playSeams().autoplay) game.playSeams().autoplay();
  return refusal;
}

// "select CARD CARD...": a click on each card in turn, as a removal game's
// group is pressed together.
Refusal SelectCards(TMainGame& game, std::istringstream& words) {
  std::vector<CardId> cards;
  for (std::string word; words >> word;) {
    const auto card = ParseCard(word);
    if (!card) return "CARD is a card id of 3 digits";
    cards.push_back(*card);
  }
  if (cards.empty()) return "select needs at least one CARD";
  for (CardId card : cards)
    if (Refusal refusal = ClickCard(game, card)) return refusal;
  return std::nullopt;
}

constexpr int kMostWaitSeconds = 3600;
constexpr int kMostClockWaitSeconds = 60;  // the longest a family's clock keeps a game waiting
constexpr std::int64_t kMillisecondsPerSecond = 1000;

// "wait SECONDS": the clock ticks once for every second that passes, each
// tick a second later than the one before.
Refusal Wait(TMainGame& game, const std::string& seconds) {
  if (seconds.empty() || seconds.size() > 4 || seconds.find_first_not_of("0123456789") != std::string::npos)
    return "SECONDS is a whole number from 1 to " + std::to_string(kMostWaitSeconds);
  const int count = std::stoi(seconds);
  if (count < 1 || count > kMostWaitSeconds)
    return "SECONDS is a whole number from 1 to " + std::to_string(kMostWaitSeconds);
  const std::int64_t start = MonotonicMilliseconds();
  for (int second = 1; second <= count; ++second) FamilyClockTick(game, start + second * kMillisecondsPerSecond);
  return std::nullopt;
}

// The seconds after which the family's clock would change the table: waited
// for quietly, and everything the wait touched put back.
std::optional<int> ClockActsAfter(TMainGame& game) {
  const PileStore piles = game.piles();
  const CardTable cards = game.cards();
  const ProgramState state = game.state();
  const GameHistory history = game.history();
  const std::mt19937 random = game.random();
  const std::optional<int> seconds = WaitForTheClock(game);
  game.piles() = piles;
  game.cards() = cards;
  game.state() = state;
  game.history() = history;
  game.random() = random;
  return seconds;
}

// One line of the script; nothing when it was carried out (or skipped).
Refusal RunLine(TMainGame& game, const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  if (verb == "select") return SelectCards(game, words);
  std::string first, second, extra;
  words >> first >> second >> extra;
  if (verb.empty() || verb[0] == '#') return std::nullopt;
  if (!extra.empty()) return "too many words";
  if (verb == "stock" && first.empty()) return ThenRelease(game, PressTheStock(game));
  if (verb == "undo" && first.empty()) return StepHistory(game, HistorySide::Undo);
  if (verb == "redo" && first.empty()) return StepHistory(game, HistorySide::Redo);
  if (verb == "wait" && second.empty()) return Wait(game, first);
  const auto card = ParseCard(first);
  if (verb == "send" && second.empty())
    return card ? ThenRelease(game, SendCardAway(game, *card)) : Refusal("CARD is a card id of 3 digits");
  if (verb == "press" && second.empty()) return card ? ClickCard(game, *card) : Refusal("CARD is a card id of 3 digits");
  if (verb == "move" && !second.empty())
    return card ? ThenRelease(game, MoveCard(game, *card, second)) : Refusal("CARD is a card id of 3 digits");
  return "expected move CARD PILE, send CARD, press CARD, stock, undo or redo";
}

// The table, "score N", "moves N" (the steps that undo can take back) and
// "state won|lost|playing": lost when no card may move and the stock does
// nothing; then the result panel as last drawn, in the games that show one,
// and the result page of a memory game that is over.
void PrintOutcome(HeadlessGame& headless, const EndOfGame& end, bool list, std::ostream& out) {
  TMainGame& game = headless.game();
  const auto panel = headless.ui().resultPanel();  // as the script's last line left it, before the recount below
  PrintTable(game, false, out);
  const MoveRules rules = MoveRulesOf(game);
  const std::vector<LegalMove> moves = LegalMoves(rules);
  const std::vector<CardId> discards = DiscardableCards(game, rules);
  const std::vector<FamilyAction> actions = game.family().actions(game);
  const bool stock = StockPressChanges(headless);
  const std::optional<int> clock = ClockActsAfter(game);
  out << "score " << RecomputeScore(game) << "\n";
  out << "moves " << game.history().undo().steps() << "\n";
  const bool movesLeft = stock || clock || !moves.empty() || !discards.empty() || !actions.empty();
  const std::string state = StateOf(game, end, movesLeft);
  out << "state " << state << "\n";
  if (panel)
    out << "panel " << panel->hand << " | " << panel->points << " | " << panel->total << "\n";
  if (const auto result = MemoryResultToPrint(headless, state)) out << ResultLine(*result) << "\n";
  if (!list) return;
  for (const LegalMove& move : moves) out << "legal move " << CardText(move.card) << " " << PileName(move.to) << "\n";
  for (CardId card : discards) out << "legal press " << CardText(card) << "\n";
  for (const FamilyAction& action : actions) out << ActionLine(action) << "\n";
  if (stock) out << "legal stock\n";
  if (clock) out << "legal wait " << *clock << "\n";
}

// --save: the game as the script left it, before it ends. A script with a
// refused line saves nothing, and neither does a game that is over: opened
// again it would only wait to be recorded as lost.
bool SaveAfterScript(TMainGame& game, const std::string& file, bool played, bool over, std::ostream& err) {
  std::string_view why;
  if (!played)
    why = "a line of the script was refused";
  else if (over)
    why = "it is over";
  else
    return SaveForScript(game, file, "play", err);
  err << "velmora-cli play: the game was not saved: " << why << "\n";
  return false;
}

int RunPlay(const Options& options, const PlayRequest& request, std::ostream& out, std::ostream& err) {
  const GameSource& source = request.source;
  const bool scripted = !request.movesFile.empty() || request.list || request.end || !request.saveFile.empty();
  if (!scripted && StandardInputIsTerminal())
    return PlayInTerminal(
        options, {.game = source.game, .deal = source.deal, .savedGame = source.savedGame, .autoplay = request.autoplay},
        err);
  if (!SourceNamed(source, "play", err)) return 2;
  std::string script;
  if (const auto problem = LoadScript(request.movesFile, script)) {
    err << "velmora-cli play: " << Escaped(*problem) << "; nothing was played or recorded\n";
    return 1;
  }
  auto headless = GameForScript(options, source, "play", err);
  if (!headless) return 1;
  TMainGame& game = headless->game();
  const auto unrecordablePlayer = TakePlayerFromPreferences(game);
  // The game ends once the whole script has run, so that undo can still
  // take back a winning move within it.
  bool endedByFamily = false;
  game.playSeams().endGame = [&endedByFamily] { endedByFamily = true; };
  if (request.autoplay) {  // autoplay sends cards by the table's places: it starts once they are laid out
    game.setAutoplay(true);
    AutoplayAfterDeal(game);
  }
  const bool played = RunScript(game, script, err);
  const bool over = game.state().on(flag::GameWon) || endedByFamily;
  int code = played ? 0 : 1;
  if (!request.saveFile.empty() && !SaveAfterScript(game, request.saveFile, played, over, err)) code = 1;
  EndOfGame end;
  if (played && (over || request.end)) {
    if (const auto failure = EndAndRecord(game, unrecordablePlayer, end)) {
      err << "velmora-cli play: " << *failure << "\n";
      code = 1;
    }
  }
  PrintOutcome(*headless, end, request.list, out);
  return code;
}

Runner DefinePlay(CLI::App& command) {
  auto request = std::make_shared<PlayRequest>();
  GameSource& source = request->source;
  AddOpenOption(command, source.savedGame, AddGameOption(command, source.game, Need::Optional),
                AddDealOption(command, source.deal, Need::Optional));
  AddMovesOption(command, request->movesFile);
  AddSaveOption(command, request->saveFile);
  command.add_flag("--list", request->list, "add the legal moves of the final position");
  command.add_flag("--autoplay", request->autoplay, "autoplay sends cards to the foundations");
  command.add_flag("--end", request->end, "a game still in progress ends, recorded as lost");
  return [request](const Options& options, std::ostream& out, std::ostream& err) {
    return RunPlay(options, *request, out, err);
  };
}

}  // namespace

extern const Command kPlayCommand{
    "play",
    "play a script of moves (move CARD PILE, send CARD, press CARD, stock, undo, redo); on a terminal, play in it",
    DefinePlay};

// --- What the commands built on the play language share ---------------------

std::optional<std::string> RunPlayLine(TMainGame& game, const std::string& line) { return RunLine(game, line); }

void PrintPlayOutcome(HeadlessGame& headless, std::ostream& out) { PrintOutcome(headless, EndOfGame{}, false, out); }

std::optional<int> WaitForTheClock(TMainGame& game) {
  const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
  const std::int64_t start = MonotonicMilliseconds();
  for (int second = 1; second <= kMostClockWaitSeconds; ++second) {
    FamilyClockTick(game, start + second * kMillisecondsPerSecond);
    if (TakeSnapshot(game.piles(), game.cards()) != before) return second;
  }
  return std::nullopt;
}

std::optional<std::string> TakePlayerFromPreferences(TMainGame& game) {
  const IniDocument file = game.preferences().open();
  const std::string player = file.readString("Preference", "UserDefault", "");
  game.state().setWord(word::StatisticsDisabled, file.readString("Preference", "Disable_Statistics", "N") == "Y");
  if (player.empty()) {
    game.store().write(store::UserDefault, "Player 1");
    return std::nullopt;
  }
  if (const auto problem = PlayerNameProblem(player))
    return "the current player \"" + player + "\" cannot keep statistics: " + *problem;
  game.store().write(store::UserDefault, player);
  return std::nullopt;
}

std::optional<std::string> EndAndRecord(TMainGame& game, const std::optional<std::string>& unrecordablePlayer,
                                        EndOfGame& end) {
  if (unrecordablePlayer) return Escaped(*unrecordablePlayer) + "; the game was not recorded";
  game.data().prepare();
  EnsureRecordFiles(game.data());
  end = EndGame(game);
  if (!end.record.saved) return "the result of the game was not saved in " + game.data().folders().data().string();
  return std::nullopt;
}

}  // namespace velmora::cli
