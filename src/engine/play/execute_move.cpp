#include "play/execute_move.h"

#include <algorithm>

#include "autoplay/autoplay.h"
#include "families/game_family.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/first_move.h"
#include "play/play_rules.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "stock/stock_commands.h"

namespace velmora {
namespace {

constexpr int kGapsLeftInPlace = 12;  // tableau display whose piles keep the places of cards taken to foundations
constexpr std::string_view kAutoplayFoundation = "Dest_Autoplay";
constexpr std::string_view kWasteTarget = "Stock02";
constexpr std::string_view kDiscardTarget = "Waste";  // where cards leave play: the third stock slot

int PilesInUse(const RuleRecord& rules, PileGroup group) {
  switch (group) {
    case PileGroup::Foundations: return rules[rule::Foundations];
    case PileGroup::Tableau: return rules[rule::TableauPiles];
    case PileGroup::Reserves: return rules[rule::Reserves];
    case PileGroup::Stock: return kStockSlots;
  }
  return 0;
}

// A pile number written after a word, with or without leading zeros.
std::optional<int> PileNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

void PlayIfOn(TMainGame& game, StoreItem sound, std::string_view name) {
  if (game.store().isOn(sound)) game.ui().playSound(name);
}

void PlayMoveSound(TMainGame& game, const CardTarget& to) {
  switch (to.pile.group) {
    case PileGroup::Foundations:
      if (to.autoplay) PlayIfOn(game, store::SoundsAutoplay, "Autoplay");
      else PlayIfOn(game, store::SoundsFoundation, "Foundation");
      break;
    case PileGroup::Tableau:
    case PileGroup::Reserves: PlayIfOn(game, store::SoundsTableau, "Tableau"); break;
    case PileGroup::Stock:
      if (to.pile == kThirdStockSlot && game.family().facts().eddySound) PlayIfOn(game, store::SoundsFoundation, "Eddy");
      break;
  }
}

// The card and the cards above it go together, never a card cut from the
// middle of its pile; only a tableau that keeps its gaps leaves "000" where
// a card went to a foundation.
void MoveCards(TMainGame& game, const CardSpot& from, PileRef to) {
  Pile& source = game.piles().pile(from.pile);
  Pile& target = game.piles().pile(to);
  const auto first = source.begin() + from.index;
  const bool leaveGap = game.rules()[rule::TableauDisplay] == kGapsLeftInPlace &&
                        from.pile.group == PileGroup::Tableau && to.group == PileGroup::Foundations;
  const std::size_t arrived = leaveGap ? 1 : static_cast<std::size_t>(source.end() - first);
  if (leaveGap) {
    target.push_back(*first);
    *first = kNoCard;
  } else {
    target.insert(target.end(), first, source.end());
    source.erase(first, source.end());
  }
  for (auto card = target.end() - static_cast<std::ptrdiff_t>(arrived); card != target.end(); ++card)
    game.cards().setFace(*card, Face::Up);
}

bool WonTest(TMainGame& game) {
  const auto& test = game.playSeams().gameWonTest;
  return test && test();
}

// Exposed face-down tableau cards turn face up where the game and the
// player want it; the move's undo step already holds them face down.
void TurnExposedCards(TMainGame& game) {
  if (game.store().read(store::AutomaticFaceUp) == "N" || game.rules()[rule::AutoTurnFaceDown] == 0) return;
  const int tableau = std::min<int>(PilesInUse(game.rules(), PileGroup::Tableau), kTableauPiles);
  for (int i = 0; i < tableau; ++i) {
    const Pile& pile = game.piles().pile({PileGroup::Tableau, i});
    if (!pile.empty() && game.cards().isFaceDown(pile.back())) game.cards().setFace(pile.back(), Face::Up);
  }
}

// The tableau filled from the stock belongs to the move that ended the
// opening: its own undo step is folded into the move's.
void FillTableauInSameStep(TMainGame& game) {
  GameHistory& history = game.history();
  const int steps = history.undo().steps();
  ExecuteStockCommand(game, "Fill_Tableaus");
  while (history.undo().steps() > steps) {
    history.undo().drop();
    history.undoLog().mergeLastTwo();
  }
}

void AfterEveryMove(TMainGame& game, PileRef from) {
  ProgramState& state = game.state();
  const int playMode = state.word(word::PlayMode);
  NoteFirstMove(state);
  state.setWord(word::HintShown, 0);
  const bool autoplayTurnsCards = AutoplayOn(game) && game.playSeams().autoplay;
  if (from.group == PileGroup::Tableau && !autoplayTurnsCards) TurnExposedCards(game);
  // A family that keeps its own score counted it after the move, announcing what the move made.
  if (!game.family().facts().keepsOwnScore) RecomputeScore(game);
  if (playMode != 3) game.hintMemory().keepLast();  // the demonstration remembers its whole game
  if (playMode == 0 || playMode == 3) RecordStep(game, HistorySide::Redo, true);
  const int phase = std::min(state.word(word::StartPhase) + 1, 2);
  state.setWord(word::StartPhase, phase);
  if (game.rules()[rule::FillTableauAfterFirstMove] != 0 && phase == 1) {
    FillTableauInSameStep(game);
    state.setWord(word::StartPhase, 2);
  }
  game.ui().showTable(GameUi::TableChange::Piles);
}

// Families whose last cards may be won only once the move's follow-ups are
// done ask the won test again.
bool WonTestAfterFollowUps(const TMainGame& game, PileRef to) {
  const FamilyFacts& family = game.family().facts();
  return family.wonTestAfterFollowUps || (family.wonTestAfterReserveMove && to.group == PileGroup::Reserves);
}

}  // namespace

std::optional<CardSpot> FindCard(const TMainGame& game, CardId card) {
  if (card == kNoCard) return std::nullopt;
  const bool selection = HoldsSelection(game.rules());
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    for (int i = 0; i < GroupSize(group); ++i) {
      if (selection && PileRef{group, i} == kSelection) continue;
      const Pile& pile = game.piles().pile({group, i});
      const auto at = std::find(pile.begin(), pile.end(), card);
      if (at != pile.end()) return CardSpot{{group, i}, static_cast<int>(at - pile.begin())};
    }
  }
  return std::nullopt;
}

std::optional<CardTarget> ParseCardTarget(const TMainGame& game, std::string_view target) {
  if (target == kWasteTarget) return CardTarget{kWaste, false};
  if (target == kDiscardTarget) return CardTarget{kThirdStockSlot, false};
  CardTarget parsed;
  if (target.starts_with(kAutoplayFoundation)) {
    const auto number = PileNumber(target.substr(kAutoplayFoundation.size()));
    if (!number) return std::nullopt;
    parsed = {{PileGroup::Foundations, *number - 1}, true};
  } else {
    const auto pile = ParsePileName(target);
    if (!pile || pile->group == PileGroup::Stock) return std::nullopt;
    parsed.pile = *pile;
  }
  const int inUse = std::min(PilesInUse(game.rules(), parsed.pile.group), GroupSize(parsed.pile.group));
  if (parsed.pile.index < 0 || parsed.pile.index >= inUse) return std::nullopt;
  return parsed;
}

bool OpeningPhaseRefuses(const TMainGame& game, PileRef from, PileRef to) {
  if (game.rules()[rule::OpeningPhase] != 1 || game.state().word(word::StartPhase) != 0) return false;
  return from.group != PileGroup::Tableau || to.group != PileGroup::Foundations;
}

bool ExecuteMove(TMainGame& game, CardId card, std::string_view target) {
  if (IsStockCommand(target)) return ExecuteStockCommand(game, target);
  const auto to = ParseCardTarget(game, target);
  const auto from = FindCard(game, card);
  if (!to || !from || from->pile == to->pile) return false;
  if (OpeningPhaseRefuses(game, from->pile, to->pile)) return false;
  RecordStep(game, HistorySide::Undo);
  MoveCards(game, *from, to->pile);
  game.family().afterMove(game, card, from->pile, to->pile);
  game.state().set(flag::GameWon, WonTest(game));
  PlayMoveSound(game, *to);
  AfterEveryMove(game, from->pile);
  if (WonTestAfterFollowUps(game, to->pile)) game.state().set(flag::GameWon, WonTest(game));
  return true;
}

}  // namespace velmora
