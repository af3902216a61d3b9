#include "hints/show_legal_move.h"

#include "autoplay/auto_fill.h"
#include "autoplay/follow_up_step.h"
#include "hints/demo.h"
#include "families/game_family.h"
#include "families/gap_games.h"
#include "history/card_state.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/first_move.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "stock/stock_commands.h"

namespace velmora {
namespace {

constexpr int kDemoMoveWaitMs = 500;
constexpr int kHintTicks = 3;

bool IsHintMode(int mode) { return mode == play_mode::HintShown || mode == play_mode::Playback; }

std::string_view DescriptionOf(const TMainGame& game, const Hint& hint) {
  if (hint.kind == HintKind::Stock)
    return game.piles().pile(kStock).empty() ? "Click to redeal" : "Click to turn up a card(s)";
  if (hint.kind == HintKind::Press) return "Click the card";
  return hint.cards > 1 ? "Move the group of cards" : "Move the card";
}

std::string TargetName(const Hint& hint) {
  if (hint.to == kWaste) return "Stock02";
  if (hint.autoplay && hint.to.group == PileGroup::Foundations) return "Dest_Autoplay" + std::to_string(hint.to.index + 1);
  return PileName(hint.to);
}

// As a drop on the pile where the table is laid out (the cards fly there),
// else straight through the executor.
bool MoveCard(TMainGame& game, const Hint& hint) {
  if (const auto target = PileRect(game, hint.to))
    return DropOn(game, hint.card, *target, hint.to, {.target = hint.to, .autoplay = hint.autoplay});
  return ExecuteMove(game, hint.card, TargetName(hint));
}

// A face-down top card turned face up: a step of its own, after which the
// card is free to go anywhere.
bool TurnUp(TMainGame& game, CardId card) {
  RecordStep(game, HistorySide::Undo);
  game.cards().setFace(card, Face::Up);
  game.state().setWord(word::HintShown, 0);
  if (game.store().isOn(store::SoundsFaceUp)) game.ui().playSound("Face_up");
  RecomputeScore(game);
  RecordStep(game, HistorySide::Redo, true);
  game.ui().showTable(GameUi::TableChange::Piles);
  return true;
}

// A turn of the waste that deals the same cards again leaves the piles as
// they were, but it is a step of the game all the same.
bool PressTheStock(TMainGame& game) {
  const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
  const int steps = game.history().undo().steps();
  PressStock(game);
  if (game.state().word(word::StockPressed) == 1) ReleaseStock(game);
  return game.history().undo().steps() != steps || !(TakeSnapshot(game.piles(), game.cards()) == before);
}

TablePoint Centre(const TableRect& rect) { return {rect.x + rect.width / 2, rect.y + rect.height / 2}; }

// The part of a card the card above it in a fan leaves in sight.
TableRect VisiblePart(const TMainGame& game, PileRef pile, int index) {
  TableRect rect = CardRect(game, pile, index);
  if (index + 1 < static_cast<int>(game.piles().pile(pile).size())) {
    const TableRect next = CardRect(game, pile, index + 1);
    if (next.y > rect.y) rect.height = std::min(rect.height, next.y - rect.y);
    if (next.x > rect.x) rect.width = std::min(rect.width, next.x - rect.x);
  }
  return rect;
}

int TopIndex(const TMainGame& game, PileRef pile) {
  return std::max(0, static_cast<int>(game.piles().pile(pile).size()) - 1);
}

}  // namespace

std::optional<Hint> ShowLegalMove(TMainGame& game, HintRequest request) {
  ProgramState& state = game.state();
  if (!state.on(flag::GameInProgress)) return std::nullopt;
  GameUi& ui = game.ui();
  HintMemory& memory = game.hintMemory();
  const bool demo = request == HintRequest::Demo;
  if (!demo) {
    StopDemo(game, true);
    state.setWord(word::PlayMode, play_mode::HintShown);
  }
  state.setWord(word::HintTicks, 0);
  auto hint = FindHint(game, memory);
  if (!hint && !demo && !memory.empty()) {
    memory.clear();  // every move was shown lately: they are shown again
    hint = FindHint(game, memory);
  }
  if (!hint) {
    memory.clear();
    if (demo) {
      ui.showDemoDescription("End of Demo");
    } else {
      state.setWord(word::PlayMode, play_mode::Player);
      ui.showMessage("Velmora 2001", "No other moves.", GameUi::Icon::Information);
    }
    return std::nullopt;
  }
  memory.record({hint->card, hint->to});
  state.setWord(word::HintShown, 1);
  if (!demo) {
    if (const auto arrow = ArrowOf(game, *hint)) ui.showHintArrow(arrow->from, arrow->to);
    return hint;
  }
  ui.showDemoDescription(DescriptionOf(game, *hint));
  ui.pauseFor(kDemoMoveWaitMs);
  if (state.word(word::PlayMode) != play_mode::Demo || !state.on(flag::GameInProgress)) return std::nullopt;
  if (!MakeHintMove(game, *hint)) {
    ui.showDemoDescription("End of Demo");
    return std::nullopt;
  }
  return hint;
}

bool MakeHintMove(TMainGame& game, const Hint& hint) {
  bool moved = false;
  switch (hint.kind) {
    case HintKind::Card: moved = MoveCard(game, hint); break;
    case HintKind::TurnUp: moved = TurnUp(game, hint.card); break;
    case HintKind::Discard: moved = ExecuteMove(game, hint.card, "Waste"); break;
    case HintKind::Press: moved = PressCard(game, hint.card); break;
    case HintKind::Stock: moved = PressTheStock(game); break;
  }
  if (moved && game.state().on(flag::GameInProgress)) {
    // Empty piles the game fills at once belong to the move, as after a
    // release of the button; autoplay's cards the search itself offers.
    const FollowUpStep step(game, FollowUpStep::Into::CausingStep);
    AutoFill(game);
  }
  // Whatever the move, one the demonstration made first keeps the deal out of the records.
  if (moved) NoteFirstMove(game.state());
  const PlaySeams& seams = game.playSeams();
  if (moved && game.state().on(flag::GameWon) && game.state().on(flag::GameInProgress) && seams.endGame)
    seams.endGame();
  return moved;
}

void HintTimerTick(TMainGame& game) {
  ProgramState& state = game.state();
  if (!IsHintMode(state.word(word::PlayMode))) return;
  state.setWord(word::HintTicks, state.word(word::HintTicks) + 1);
  if (state.word(word::HintTicks) >= kHintTicks) EndHint(game);
}

void EndHint(TMainGame& game) {
  ProgramState& state = game.state();
  if (IsHintMode(state.word(word::PlayMode))) {
    state.setWord(word::PlayMode, play_mode::Player);
    game.carry().clear();
  }
  game.ui().hideHintArrow();
}

namespace {

// Where the hinted card lands: on the pile's top card, or in the gap of a
// row that it fills.
int LandingIndex(const TMainGame& game, const Hint& hint) {
  if (game.family().facts().fillsGaps && hint.to.group == PileGroup::Tableau)
    if (const auto gap = FirstFittingGapInRow(game, hint.card, hint.to.index)) return gap->place;
  return TopIndex(game, hint.to);
}

}  // namespace

std::optional<HintArrow> ArrowOf(const TMainGame& game, const Hint& hint) {
  if (!PileRect(game, hint.from)) return std::nullopt;
  if (hint.kind == HintKind::Stock) {
    const TablePoint stock = Centre(CardRect(game, kStock, TopIndex(game, kStock)));
    return HintArrow{stock, stock};
  }
  const auto spot = FindCard(game, hint.card);
  if (!spot) return std::nullopt;
  const TablePoint card = Centre(VisiblePart(game, spot->pile, spot->index));
  if (hint.kind != HintKind::Card || !PileRect(game, hint.to)) return HintArrow{card, card};
  return HintArrow{card, Centre(CardRect(game, hint.to, LandingIndex(game, hint)))};
}

}  // namespace velmora
