#include "autoplay/autoplay.h"

#include <algorithm>

#include "autoplay/auto_fill.h"
#include "autoplay/follow_up_step.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/game_move_rules.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/play_rules.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kAutoplayAvailable = 19;     // rule: autoplay may be switched on
constexpr int kBaseOfFirstCard = 92;       // empty-foundation codes: the player's first card
constexpr int kBaseOfFirstReserveCard = 93;  // chooses the base rank of them all
constexpr int kPauseAfterDeal = 800;       // milliseconds to see the dealt table
constexpr int kOneSwitchForAllGames = 1;  // state word 105

int InUse(const TMainGame& game, PileGroup group) {
  const int rule = group == PileGroup::Foundations ? rule::Foundations
                   : group == PileGroup::Tableau   ? rule::TableauPiles
                                                   : rule::Reserves;
  return std::clamp<int>(game.rules()[rule], 0, GroupSize(group));
}

// The top card, over the places a tableau that keeps its gaps leaves empty.
CardId TopCard(const Pile& pile) {
  const auto top = std::find_if(pile.rbegin(), pile.rend(), [](CardId card) { return card != kNoCard; });
  return top == pile.rend() ? kNoCard : *top;
}

// Where the first card decides the base rank of every foundation, that
// choice is the player's: autoplay starts no foundation.
bool PlayerChoosesTheBase(const TMainGame& game) {
  const int foundations = InUse(game, PileGroup::Foundations);
  for (int k = 0; k < foundations; ++k) {
    const int base = game.rules()[rule::FoundationBaseRank + k];
    if (base != kBaseOfFirstCard && base != kBaseOfFirstReserveCard) return false;
    if (!game.piles().pile({PileGroup::Foundations, k}).empty()) return false;
  }
  return foundations > 0;
}

// The automatic send restricted to the foundations, for one card: the
// foundations in order, each tried as the player's drop would be.
bool SendUp(TMainGame& game, CardId card) {
  if (card == kNoCard || !game.cards().isFaceUp(card)) return false;
  const auto from = FindCard(game, card);
  const MoveRules rules = MoveRulesOf(game);
  if (!from || rules.canTake(card, from->pile) != TakeAnswer::Take) return false;
  if (PlayerChoosesTheBase(game)) return false;
  for (int k = 0; k < InUse(game, PileGroup::Foundations); ++k) {
    const PileRef foundation{PileGroup::Foundations, k};
    const auto rect = PileRect(game, foundation);
    if (rect && TryDrop(game, card, *rect, {.target = foundation, .autoplay = true})) return true;
  }
  return false;
}

bool GridGame(const TMainGame& game) { return game.rules()[rule::GridRows] > 0 && game.rules()[rule::GridRowPiles] > 0; }

// One run of autoplay over the table, round after round.
class Run {
 public:
  explicit Run(TMainGame& game) : game_(game), mode_(game.state().word(word::PlayMode)) {}

  bool play() {
    for (bool round = true; round && !over();) {
      round = reserves();
      if (!over()) round = waste() || round;
      if (!over()) round = tableau() || round;
    }
    return moved_;
  }

 private:
  // The player's own play goes on to the end; a hint or the demonstration
  // wants one move.
  bool over() const { return stopped_ || game_.state().on(flag::EndOfGameSeen) || (mode_ != 0 && moved_); }

  bool send(CardId card) {
    const bool sent = SendUp(game_, card);
    moved_ = moved_ || sent;
    return sent;
  }

  // Each reserve's top card in turn, the whole pass again while it sends one.
  bool reserves() {
    bool any = false;
    for (bool pass = true; pass && !over();) {
      pass = false;
      for (int j = 0; j < InUse(game_, PileGroup::Reserves) && !over(); ++j)
        pass = send(TopCard(game_.piles().pile({PileGroup::Reserves, j}))) || pass;
      any = any || pass;
    }
    return any;
  }

  bool waste() {
    if (game_.rules()[rule::WasteTopFixed] != 0) return false;
    return send(TopCard(game_.piles().pile(kWaste)));
  }

  // The tableau piles in order. After a card went up, games with reserves
  // begin the next round at once: the reserves come first.
  bool tableau() {
    bool any = false;
    const bool grid = GridGame(game_);
    for (int i = 0; i < InUse(game_, PileGroup::Tableau) && !over(); ++i) {
      const PileRef pile{PileGroup::Tableau, i};
      const CardId top = TopCard(game_.piles().pile(pile));
      if (top == kNoCard) continue;
      if (game_.cards().isFaceDown(top) && turn(top)) return true;
      if (grid && !free(top, pile)) break;
      if (!send(top)) continue;
      any = true;
      if (InUse(game_, PileGroup::Reserves) > 0 || mode_ != 0) break;
    }
    return any;
  }

  // A face-down top card: in the player's play it turns over within the
  // current step where the game and the player want exposed cards turned;
  // for a hint or the demonstration the turn is the run's one move.
  bool turn(CardId card) {
    if (mode_ == 0) {
      if (game_.store().read(store::AutomaticFaceUp) != "N" && game_.rules()[rule::AutoTurnFaceDown] == 1) {
        game_.cards().setFace(card, Face::Up);
        RecomputeScore(game_);
        game_.ui().showTable(GameUi::TableChange::Piles);
      }
      return false;
    }
    if (mode_ != 1) {  // a hint only shows the turn
      RecordStep(game_, HistorySide::Undo);
      game_.cards().setFace(card, Face::Up);
      RecomputeScore(game_);
      game_.ui().showTable(GameUi::TableChange::Piles);
    }
    moved_ = stopped_ = true;
    return true;
  }

  // In a grid game the pass ends at the first pile whose top card may not leave it.
  bool free(CardId top, PileRef pile) const {
    const MoveRules rules = MoveRulesOf(game_);
    return rules.canTake(top, pile) == TakeAnswer::Take;
  }

  TMainGame& game_;
  const int mode_;
  bool moved_ = false;
  bool stopped_ = false;
};

// Whether autoplay may play now, after a wait in which the player may have
// paused, dealt again, switched autoplay off or taken up a card.
bool MayPlayNow(const TMainGame& game) {
  const ProgramState& state = game.state();
  return AutoplayOn(game) && state.on(flag::GameInProgress) && !state.on(flag::Paused) &&
         state.word(word::PlayMode) == 0 && !game.carry().active();
}

// An autoplay run and, while it moves cards, the fill and another run.
void PlayOn(TMainGame& game) {
  while (AutoplayRun(game)) AutoFill(game);
}

}  // namespace

bool AutoplayOn(const TMainGame& game) { return game.autoplay() && game.rules()[kAutoplayAvailable] != 0; }

bool AutoplayRun(TMainGame& game) {
  ProgramState& state = game.state();
  if (!state.on(flag::GameInProgress) || (state.word(word::PlayMode) == 0 && !AutoplayOn(game))) return false;
  state.set(flag::EndOfGameSeen, false);
  const bool moved = Run(game).play();
  // Only a game this run won ends here: a game the player's own move won
  // has ended already, and is recorded once.
  if (moved && state.on(flag::GameWon) && game.playSeams().endGame) game.playSeams().endGame();
  state.set(flag::EndOfGameSeen, false);
  return moved;
}

void AutoplayAfterRelease(TMainGame& game) {
  const ProgramState& state = game.state();
  if (!state.on(flag::GameInProgress) || state.on(flag::Paused)) return;
  const FollowUpStep step(game, FollowUpStep::Into::CausingStep);
  AutoFill(game);
  PlayOn(game);
}

void AutoplayAfterDeal(TMainGame& game) {
  if (!MayPlayNow(game)) return;
  game.ui().pauseFor(kPauseAfterDeal);
  if (!MayPlayNow(game)) return;
  // Cards autoplay moved before the player did anything do not make the
  // deal a game played: leaving it is not a loss.
  const auto firstMove = game.state().word(word::FirstMove);
  {
    const FollowUpStep step(game, FollowUpStep::Into::Deal);
    PlayOn(game);
  }
  game.state().setWord(word::FirstMove, firstMove);
}

void SwitchAutoplay(TMainGame& game, bool on) {
  game.setAutoplay(on);
  const int gameNumber = game.store().gameNumber();
  if (game.state().word(word::AutoplayAllGames) != kOneSwitchForAllGames && gameNumber >= 0)
    game.preferences().update([&](IniDocument& file) { SetGameAutoplaySwitch(file, gameNumber, on); });
  if (!on || !MayPlayNow(game)) return;
  const FollowUpStep step(game, FollowUpStep::Into::OwnStep);
  PlayOn(game);
}

void ApplyGameAutoplaySwitch(TMainGame& game) {
  if (game.state().word(word::AutoplayAllGames) == kOneSwitchForAllGames) return;
  game.setAutoplay(GameAutoplaySwitch(game.preferences().open(), game.store().gameNumber()));
}

}  // namespace velmora
