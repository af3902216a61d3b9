#include "terminal_game.h"

#include <unistd.h>

#include <cctype>
#include <random>
#include <sstream>
#include <utility>

#include "autoplay/autoplay.h"
#include "game/new_game.h"
#include "hints/show_legal_move.h"
#include "piles/pile_names.h"
#include "play/execute_move.h"
#include "play_script.h"
#include "scoring/score.h"
#include "shell/game_clock.h"
#include "terminal_screen.h"

namespace velmora::cli {
namespace {

constexpr std::string_view kDefaultGame = "1";  // Klondike (draw one)
constexpr std::size_t kLongestCommand = 200;
constexpr std::string_view kMessagePrefix = "velmora-cli: ";
constexpr int kCardIdDigits = 3;
constexpr std::string_view kFirstMessage = "Type help for the commands, quit to leave.";

const std::vector<std::string> kHelp = {
    "Type a command and press Return.",
    "  move CARD PILE  take the card with the cards on it to the pile: move 7H Fila3",
    "  send CARD       what a double click on the card does: send AS",
    "  press CARD      what a click on the card does",
    "  stock           turn the stock",
    "  undo, redo      a step back or forward",
    "  hint            show a legal move",
    "  help, ?         this help",
    "  new             a new deal (a game begun counts as lost)",
    "  quit, q         leave (a game begun counts as lost); Ctrl+D too",
    "CARD is the card as the table shows it, in letters: 10H, KS, AD (or its",
    "3-digit id); PILE is the pile's name as the table shows it.",
    "[6] six face-down cards, (+21) cards under those shown, -- an empty pile.",
    "Press any key to go back to the table.",
};

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool IsCardId(std::string_view word) {
  return word.size() == kCardIdDigits && word.find_first_not_of("0123456789") == std::string_view::npos;
}

class TerminalGame {
 public:
  // `messages` is where the game's interface writes the engine's messages.
  TerminalGame(std::unique_ptr<HeadlessGame> headless, std::ostringstream& messages, bool autoplay)
      : headless_(std::move(headless)), messages_(messages), autoplay_(autoplay) {}

  // The dealt game taken over: its player, its end, its autoplay.
  void begin() {
    TMainGame& game = headless_->game();
    unrecordablePlayer_ = TakePlayerFromPreferences(game);
    game.playSeams().endGame = [this] { endedByFamily_ = true; };
    if (autoplay_) {  // autoplay sends cards by the table's places: it starts once they are laid out
      game.setAutoplay(true);
      AutoplayAfterDeal(game);
    }
    RecomputeScore(game);
    takeMessages();
    checkEnd();
  }

  // Until quit; the exit code.
  int run(Screen& screen) {
    symbols_ = screen.symbols();
    while (!quit_) {
      screen.draw(headless_->game(), {.game = gameLine(), .counters = counters(), .help = help_ ? &kHelp : nullptr, .message = message_,
                                      .input = input_});
      const Key key = screen.nextKey();
      if (key.kind == Key::Kind::None) continue;
      if (help_) {
        help_ = false;
        continue;
      }
      switch (key.kind) {
        case Key::Kind::Character:
          if (input_.size() < kLongestCommand) input_ += key.character;
          break;
        case Key::Kind::Erase:
          if (!input_.empty()) input_.pop_back();
          break;
        case Key::Kind::Cancel: input_.clear(); break;
        case Key::Kind::EndOfInput: execute("quit"); break;
        case Key::Kind::Enter: execute(std::exchange(input_, {})); break;
        case Key::Kind::None: break;
      }
    }
    return code_;
  }

  // Why a result could not be written, when one could not.
  const std::string& failure() const { return failure_; }

 private:
  void execute(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) return;
    std::string verb = words[0];
    for (char& c : verb) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    message_.clear();
    if ((verb == "quit" || verb == "q") && words.size() == 1) {
      leave();
      quit_ = true;
    } else if (verb == "new" && words.size() == 1) {
      leave();
      newDeal();
    } else if ((verb == "help" || verb == "?") && words.size() == 1) {
      help_ = true;
    } else if (over_) {
      message_ = "The game is over: type new for another deal, or quit.";
    } else if (verb == "hint" && words.size() == 1) {
      hint();
    } else {
      play(words);
    }
    takeMessages();
  }

  // A line of the play language, its cards by id.
  void play(std::vector<std::string> words) {
    TMainGame& game = headless_->game();
    if (words.size() > 1 && !IsCardId(words[1])) {
      const auto card = cardOnTable(words[1]);
      if (!card) return;
      words[1] = CardIdText(*card);
    }
    std::string line;
    for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
    if (const auto refusal = RunPlayLine(game, line)) {
      message_ = "Refused: " + readable(*refusal);
      return;
    }
    RecomputeScore(game);
    checkEnd();
  }

  // The face-up card on the table that the player named in letters.
  std::optional<CardId> cardOnTable(const std::string& name) {
    const auto named = CardNamed(name);
    if (!named) {
      message_ = "Refused: " + name + " is no card: write it as 10H, KS, AD or by its id";
      return std::nullopt;
    }
    const TMainGame& game = headless_->game();
    std::vector<CardId> found;
    for (CardId card : {*named, *named + kCardsPerDeck})
      if (CardRank(card) == CardRank(*named) && FindCard(game, card) && game.cards().isFaceUp(card))
        found.push_back(card);
    if (found.size() == 1) return found.front();
    message_ = found.empty() ? "Refused: no " + name + " lies face up on the table"
                             : "Refused: two " + name + " lie face up: write the one you mean as " +
                                   CardIdText(found[0]) + " or " + CardIdText(found[1]);
    return std::nullopt;
  }

  void hint() {
    TMainGame& game = headless_->game();
    const auto found = ShowLegalMove(game, HintRequest::Command);
    EndHint(game);  // the window's arrow would go at the next key
    if (found) message_ = "Hint: " + readable(PlayLineOf(*found));
  }

  // A won game, or one its family's rules ended, is recorded at once.
  void checkEnd() {
    TMainGame& game = headless_->game();
    if (over_ || !(game.state().on(flag::GameWon) || endedByFamily_)) return;
    finishedSeconds_ = clockSeconds();
    over_ = true;
    EndOfGame end;
    if (record(end)) message_ = std::string(end.won ? "Won! " : "The game is over. ") + "Type new or quit.";
  }

  // A game begun and left counts as lost; a deal left without a move counts for nothing.
  void leave() {
    TMainGame& game = headless_->game();
    if (over_ || !game.state().on(flag::GameInProgress) || game.state().word(word::FirstMove) < 0) return;
    EndOfGame end;
    record(end);
  }

  bool record(EndOfGame& end) {
    if (const auto problem = EndAndRecord(headless_->game(), unrecordablePlayer_, end)) {
      failure_ = *problem;
      message_ = "Not recorded: " + *problem;
      code_ = 1;
      return false;
    }
    return true;
  }

  void newDeal() {
    TMainGame& game = headless_->game();
    std::mt19937 random{std::random_device{}()};
    over_ = false;
    endedByFamily_ = false;
    finishedSeconds_.reset();
    if (!headless_->deal(game.store().gameNumber(), NewDealNumber(random))) return;
    headless_->layOut();
    if (autoplay_) AutoplayAfterDeal(game);
    RecomputeScore(game);
    checkEnd();
  }

  // The engine's messages (a hint that found nothing, a failed write) go to the message line.
  void takeMessages() {
    std::string text = messages_.str();
    messages_.str({});
    for (std::size_t at = text.find(kMessagePrefix); at != std::string::npos; at = text.find(kMessagePrefix))
      text.erase(at, kMessagePrefix.size());
    for (char& c : text)
      if (c == '\n') c = ' ';
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (!text.empty()) message_ = message_.empty() ? text : message_ + " " + text;
  }

  std::int64_t clockSeconds() const {
    const ProgramState& state = headless_->game().state();
    if (finishedSeconds_) return *finishedSeconds_;
    return state.on(flag::ClockRuns) ? ElapsedSeconds(state.times[0], MonotonicMilliseconds()) : 0;
  }

  std::string gameLine() const {
    const ConfigStore& store = headless_->game().store();
    return store.gameName() + "   Game number " + store.dealNumber();
  }

  std::string counters() const {
    const TMainGame& game = headless_->game();
    std::size_t cardsLeft = 0;
    for (PileRef pile : PilesInUse(game))
      if (pile.group != PileGroup::Foundations) cardsLeft += game.piles().pile(pile).size();
    return "Score " + std::to_string(StoredScore(game)) + "   Time " + ClockText(clockSeconds()) + "   Cards left " +
           std::to_string(cardsLeft);
  }

  // The cards of a line of the engine as the table shows them.
  std::string readable(const std::string& line) const {
    std::string out;
    for (const std::string& word : Words(line)) {
      const bool card = IsCardId(word) && std::stoi(word) >= 1 && std::stoi(word) <= kLastCard;
      out += (out.empty() ? "" : " ") + (card ? CardText(std::stoi(word), symbols_) : word);
    }
    return out;
  }

  std::unique_ptr<HeadlessGame> headless_;
  std::ostringstream& messages_;
  Symbols symbols_ = Symbols::Letters;
  bool autoplay_;
  std::optional<std::string> unrecordablePlayer_;
  bool endedByFamily_ = false;
  bool over_ = false;
  bool help_ = false;
  bool quit_ = false;
  int code_ = 0;
  std::string input_, message_ = std::string(kFirstMessage), failure_;
  std::optional<std::int64_t> finishedSeconds_;
};

}  // namespace

int PlayInTerminal(const Options& options, const TerminalRequest& request, std::ostream& err) {
  if (isatty(STDIN_FILENO) != 1 || isatty(STDOUT_FILENO) != 1) {
    err << "velmora-cli: the terminal game needs a terminal on standard input and output\n";
    return 1;
  }
  GameSource source{.game = request.game, .deal = request.deal, .savedGame = request.savedGame};
  if (source.savedGame.empty()) {
    if (source.game.empty()) source.game = kDefaultGame;
    if (source.deal.empty()) {
      std::mt19937 random{std::random_device{}()};
      source.deal = NewDealNumber(random);
    }
  }
  std::ostringstream messages;  // the engine speaks here once the screen is taken
  auto headless = GameForScript(options, source, "tty", messages);
  if (!headless) {
    err << messages.str();
    return 1;
  }
  TerminalGame game(std::move(headless), messages, request.autoplay);
  game.begin();
  std::string problem;
  int code = 1;
  if (auto screen = Screen::Open(problem)) {
    code = game.run(*screen);
  } else {
    err << "velmora-cli: " << problem << "\n";
    return 1;
  }
  if (!game.failure().empty()) err << "velmora-cli: " << game.failure() << "\n";
  return code;
}

}  // namespace velmora::cli
