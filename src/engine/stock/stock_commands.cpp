#include "stock/stock_commands.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "families/game_family.h"
#include "history/undo.h"
#include "play/first_move.h"
#include "scoring/score.h"
#include "stock/redistribution.h"
#include "stock/stock_table.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using namespace stock;

constexpr char kFillGapsFirst[] = "Fill in any gaps in the tableau before dealing.";
constexpr char kCaption[] = "Velmora 2001";

namespace command {
constexpr std::string_view TurnToWaste = "Mazzo_Vis";
constexpr std::string_view TurnToThirdSlot = "Mazzo_Waste";
constexpr std::string_view Redeal = "Mazzo_Redeal";
constexpr std::string_view AddTableaus = "Add_Tableaus";
constexpr std::string_view AddTableau = "Add_Tableau_";  // + 2 digits
constexpr std::string_view AddTableausLast = "Add_Tableaus_Last";
constexpr std::string_view FillTableaus = "Fill_Tableaus";
constexpr std::string_view AddReserves = "Add_Reserves";
constexpr std::string_view AddReserve = "Add_Reserve_";  // + 1 digit
}  // namespace command

// Deal styles of a pile: 1 to 12 take a card from a press on the stock; a
// style-7 pile only while it holds cards; style-6 tableau piles and style-5
// reserves take it face down.
namespace deal_style {
constexpr int First = 1, Last = 12;
constexpr int OneCard = 1;
constexpr int WhenNoGap = 2;
constexpr int TableauFaceDown = 6;
constexpr int OnlyOnCards = 7;
constexpr int FourEach = 8;
constexpr int ThreeEachWithWaste = 9;
constexpr int EightPilesPerDeal = 10;
constexpr int EveryPileCounted = 11;
constexpr int ReserveTwice = 3;
constexpr int ReserveAlternate = 4;
constexpr int ReserveFaceDown = 5;
}  // namespace deal_style

constexpr int kRedealUnmarked = 15;  // the redistribution that undo does not count as a pass
constexpr int kCardsForLastDeal = 8;
constexpr int kReserveAlternateCards = 3;
constexpr int kFourEach = 4;
constexpr std::size_t kThreeEach = 3;
constexpr int kEightPiles = 8;


bool InDealStyles(int style) { return style >= deal_style::First && style <= deal_style::Last; }

std::optional<int> NumberAfter(std::string_view text, std::string_view prefix, std::size_t digits) {
  if (text.size() != prefix.size() + digits || text.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view number = text.substr(prefix.size());
  if (number.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto value = ParseInteger(number);
  if (!value || *value < 1) return std::nullopt;
  return static_cast<int>(*value);
}

// ---- Follow-ups of every change ----

void Redraw(TMainGame& game) { game.ui().showTable(GameUi::TableChange::Piles); }

// After a press that changed the table: the score read off it, the hint
// forgotten, the game marked as played, and what was undone no longer
// redoable.
void AfterChange(TMainGame& game) {
  Redraw(game);
  RecomputeScore(game);
  ProgramState& state = game.state();
  state.setWord(word::HintShown, 0);
  NoteFirstMove(state);
  if (DealingMode(game)) RecordStep(game, HistorySide::Redo, true);
}

void RecordUndo(TMainGame& game) { RecordStep(game, HistorySide::Undo); }

// The first press on an empty stock only marks it; the release deals.
bool MarkPressedFirst(TMainGame& game) {
  if (game.state().word(word::StockPressed) == 1) return false;
  game.state().setWord(word::StockPressed, 1);
  Redraw(game);
  return true;
}

// ---- Turning cards and turning the waste over ----

void RedealSound(TMainGame& game) {
  if (game.store().read(store::RedealAnimation) != "N" && game.store().isOn(store::SoundsRedeal))
    game.ui().playSound("Redeal");
  else
    PlaySoundIf(game, store::SoundsRedealWithoutAnimation, "Red_no_a");
}

// The waste becomes the stock again, its bottom card on top, face up only
// in games whose stock lies face up (rule 7 = 0).
void TurnWasteOver(TMainGame& game) {
  RedealSound(game);
  const Face face = Rule(game, rule::StockFaceDown) == 0 ? Face::Up : Face::Down;
  while (!PileOf(game, kWaste).empty()) {
    FlyCard(game, PileOf(game, kWaste).back(), kWaste, kStock, store::RedealAnimation);
    MoveTopCard(game, kWaste, kStock, face);
  }
}

// The redistribution counts as a pass; undo takes the pass back by the tag.
void RedistributeAsStep(TMainGame& game) {
  RecordUndo(game);
  RaisePassCounter(game);
  Redistribute(game);
  if (Rule(game, rule::RedealStyle) != kRedealUnmarked) TagStep(game, step_tag::PassRaised);
}

bool ClassicTurnOver(const TMainGame& game) { return Rule(game, rule::RedealStyle) < 1 || !PassesRemain(game); }

// "Mazzo_Vis" and "Mazzo_Waste": rule 22 cards from the stock, one at a
// time; on an empty stock the waste is turned over (or the cards
// redistributed) first, within the passes allowed.
bool TurnCards(TMainGame& game, PileRef to) {
  if (!game.family().mayTurn(game)) return false;
  bool changed = false;
  bool recorded = false;
  if (ClassicTurnOver(game)) {
    const bool mayTurnOver = to == kWaste && StockEmpty(game) && CardsIn(game, kWaste) > 1 && PassesRemain(game);
    if (mayTurnOver) {
      if (MarkPressedFirst(game)) return false;
      RaisePassCounter(game);
      RecordUndo(game);
      TurnWasteOver(game);
      changed = recorded = true;
    }
  } else if (StockEmpty(game) || Rule(game, rule::RedealStyle) == 6) {
    if (MarkPressedFirst(game)) return false;
    RedistributeAsStep(game);
    return true;
  }
  const int count = Rule(game, rule::StockDealCount);
  if (!StockEmpty(game) && count > 0) {
    if (!recorded) RecordUndo(game);
    for (int n = 0; n < count && !StockEmpty(game); ++n) {
      FlyCard(game, PileOf(game, kStock).back(), kStock, to, store::CardsAnimate);
      MoveTopCard(game, kStock, to, Face::Up);
      Redraw(game);
      PlaySoundIf(game, store::SoundsStock, "Stock");
      TestGameWon(game);
    }
    changed = true;
  }
  if (changed && game.family().facts().countsTurns) {
    RaiseDealCount(game);
    TagStep(game, step_tag::DealCountRaised);
  }
  return changed;
}

// "Mazzo_Redeal": the redistribution of rule 16 while passes remain.
bool RedealNow(TMainGame& game) {
  if (Rule(game, rule::RedealStyle) < 1 || !PassesRemain(game)) return false;
  RedistributeAsStep(game);
  return true;
}

// ---- Dealing onto the tableau and the reserves ----

struct Target {
  PileRef pile;
  Face face;
};

Target TableauTarget(const TMainGame& game, int i) {
  return {TableauPile(i), TableauDealStyle(game, i) == deal_style::TableauFaceDown ? Face::Down : Face::Up};
}

Target ReserveTarget(const TMainGame& game, int j) {
  return {ReservePile(j), ReserveDealStyle(game, j) == deal_style::ReserveFaceDown ? Face::Down : Face::Up};
}

int DealStyleOf(const TMainGame& game, PileRef pile) {
  return pile.group == PileGroup::Tableau ? TableauDealStyle(game, pile.index) : ReserveDealStyle(game, pile.index);
}

// A pile of style 7 takes a card only on cards; `byStyle` also leaves out
// the piles whose style deals them nothing.
bool Receives(const TMainGame& game, PileRef pile, bool byStyle) {
  const int style = DealStyleOf(game, pile);
  if (byStyle && !InDealStyles(style)) return false;
  return !(style == deal_style::OnlyOnCards && PileOf(game, pile).empty());
}

// The reserves of a face-down reserve deal take no more cards once the
// passes are used up.
bool ReservesClosed(const TMainGame& game) {
  return Rule(game, rule::ReserveStockDeal) == deal_style::ReserveFaceDown && !PassesRemain(game);
}

// A used-up stock opens the face-down reserves, one after the other.
void OpenReservesWhenStockEmpty(TMainGame& game) {
  if (!StockEmpty(game)) return;
  for (int j = 0; j < ReservesInUse(game); ++j) {
    const Pile& cards = PileOf(game, ReservePile(j));
    if (cards.empty()) continue;
    for (CardId card : cards) game.cards().setFace(card, Face::Up);
    Redraw(game);
  }
}

// One card from the stock to each target in order while the stock lasts;
// false when no card moved.
bool DealOnto(TMainGame& game, const std::vector<Target>& targets, bool byStyle) {
  bool dealt = false;
  for (const Target& target : targets) {
    if (StockEmpty(game)) break;
    if (!Receives(game, target.pile, byStyle)) continue;
    const CardId card = PileOf(game, kStock).back();
    game.cards().setFace(card, target.face);
    FlyCard(game, card, kStock, target.pile, store::CardsAnimate);
    MoveTopCard(game, kStock, target.pile, target.face);
    PlaySoundIf(game, store::SoundsShuffle, "Shuffle");
    game.family().dealtTo(game, target.pile);
    dealt = true;
  }
  if (dealt) TestGameWon(game);
  return dealt;
}

bool WouldDeal(const TMainGame& game, const std::vector<Target>& targets, bool byStyle) {
  if (StockEmpty(game)) return false;
  for (const Target& target : targets)
    if (Receives(game, target.pile, byStyle)) return true;
  return false;
}

enum class Step { Own, PartOfAnother };

// A dealing command: nothing unless the stock has cards and the player or
// the tutor deals; one undo step unless it belongs to the step that caused it.
bool DealCommand(TMainGame& game, std::string_view name, const std::vector<Target>& targets, bool byStyle,
                 Step step) {
  if (!WouldDeal(game, targets, byStyle)) return false;
  if (!DealingMode(game)) {
    if (game.stockSeams().hintDeal) game.stockSeams().hintDeal(name);
    return false;
  }
  if (step == Step::Own) RecordUndo(game);
  return DealOnto(game, targets, byStyle);
}

std::vector<Target> EveryTableauPile(const TMainGame& game) {
  std::vector<Target> targets;
  for (int i = 0; i < TableauInUse(game); ++i) targets.push_back(TableauTarget(game, i));
  return targets;
}

std::vector<Target> EmptyTableauPiles(const TMainGame& game) {
  std::vector<Target> targets;
  for (int i = 0; i < TableauInUse(game); ++i)
    if (PileOf(game, TableauPile(i)).empty()) targets.push_back(TableauTarget(game, i));
  return targets;
}

std::vector<Target> EveryReserve(const TMainGame& game) {
  std::vector<Target> targets;
  for (int j = 0; j < ReservesInUse(game); ++j) targets.push_back(ReserveTarget(game, j));
  return targets;
}

bool DealToReserves(TMainGame& game, std::string_view name, const std::vector<Target>& targets, Step step) {
  if (ReservesClosed(game)) return false;
  const bool dealt = DealCommand(game, name, targets, true, step);
  if (dealt) OpenReservesWhenStockEmpty(game);
  return dealt;
}

std::optional<bool> RunDealCommand(TMainGame& game, std::string_view name, Step step) {
  if (name == command::AddTableaus) return DealCommand(game, name, EveryTableauPile(game), true, step);
  if (name == command::AddTableausLast) return DealCommand(game, name, EveryTableauPile(game), false, step);
  if (name == command::FillTableaus) return DealCommand(game, name, EmptyTableauPiles(game), false, Step::PartOfAnother);
  if (name == command::AddReserves) return DealToReserves(game, name, EveryReserve(game), step);
  if (const auto pile = NumberAfter(name, command::AddTableau, 2)) {
    if (*pile > TableauInUse(game)) return false;
    return DealCommand(game, name, {TableauTarget(game, *pile - 1)}, true, step);
  }
  if (const auto reserve = NumberAfter(name, command::AddReserve, 1)) {
    if (*reserve > ReservesInUse(game)) return false;
    return DealToReserves(game, name, {ReserveTarget(game, *reserve - 1)}, step);
  }
  return std::nullopt;
}

bool RunCommand(TMainGame& game, std::string_view name, Step step = Step::Own) {
  if (name == command::TurnToWaste) return TurnCards(game, kWaste);
  if (name == command::TurnToThirdSlot) return TurnCards(game, kThirdStockSlot);
  if (name == command::Redeal) return RedealNow(game);
  return RunDealCommand(game, name, step).value_or(false);
}

// ---- A press on a stock that deals to the tableau and reserves ----

bool EveryTableauPileHoldsCards(const TMainGame& game) {
  for (int i = 0; i < TableauInUse(game); ++i)
    if (PileOf(game, TableauPile(i)).empty()) return false;
  return true;
}

// Reserves 1 and 2 take turns, three cards a press; the deal count says whose turn.
bool DealToAlternateReserve(TMainGame& game) {
  if (StockEmpty(game) || !DealingMode(game)) return false;
  RaiseDealCount(game);
  const int reserve = DealCount(game) % 2 == 1 ? 0 : 1;
  RecordUndo(game);
  TagStep(game, step_tag::DealCountRaised);
  for (int n = 0; n < kReserveAlternateCards && !StockEmpty(game); ++n)
    DealOnto(game, {ReserveTarget(game, reserve)}, true);
  OpenReservesWhenStockEmpty(game);
  return true;
}

bool DealFourToEachPile(TMainGame& game) {
  std::vector<Target> targets;
  for (const Target& target : EveryTableauPile(game))
    for (int n = 0; n < kFourEach; ++n) targets.push_back(target);
  return DealCommand(game, command::AddTableaus, targets, true, Step::Own);
}

// Each press deals to the next eight piles, counted by the deal count.
bool DealToNextEightPiles(TMainGame& game) {
  if (StockEmpty(game) || !DealingMode(game)) return false;
  RaiseDealCount(game);
  const int d = DealCount(game) + 1;
  std::vector<Target> targets;
  for (int pile = kEightPiles * d - 15; pile <= kEightPiles * d - 8; ++pile)
    if (pile >= 1 && pile <= TableauInUse(game)) targets.push_back(TableauTarget(game, pile - 1));
  RecordUndo(game);
  TagStep(game, step_tag::DealCountRaised);
  DealOnto(game, targets, true);
  return true;
}

bool DealCountedRound(TMainGame& game) {
  if (StockEmpty(game) || !DealingMode(game)) return false;
  RaiseDealCount(game);
  RecordUndo(game);
  TagStep(game, step_tag::DealCountRaised);
  DealOnto(game, EveryTableauPile(game), true);
  return true;
}

bool PressWithoutWaste(TMainGame& game) {
  const int redealStyle = Rule(game, rule::RedealStyle);
  if ((redealStyle >= 1 && StockEmpty(game)) || redealStyle == 6) return RunCommand(game, command::Redeal);
  if (TableauStyleIs(game, deal_style::OneCard)) {
    bool dealt = RunCommand(game, command::AddTableaus);
    if (Rule(game, rule::ReserveStockDeal) == deal_style::ReserveFaceDown)
      dealt = RunDealCommand(game, command::AddReserves, dealt ? Step::PartOfAnother : Step::Own).value_or(false) || dealt;
    return dealt;
  }
  if (TableauStyleIs(game, deal_style::WhenNoGap)) {
    if (EveryTableauPileHoldsCards(game)) return RunCommand(game, command::AddTableaus);
    game.ui().showMessage(kCaption, kFillGapsFirst, GameUi::Icon::Information);
    return false;
  }
  if (ReserveStyleIs(game, deal_style::OneCard)) return RunCommand(game, command::AddReserves);
  const int firstReserve = Rule(game, rule::ReserveStockDeal);
  const int firstTableau = Rule(game, rule::TableauStockDeal);
  if (firstReserve == deal_style::ReserveTwice) {
    if (CardsIn(game, kStock) == kCardsForLastDeal) return RunCommand(game, command::AddTableausLast);
    const bool first = RunCommand(game, command::AddReserves);
    return RunCommand(game, command::AddReserves) || first;
  }
  if (firstReserve == deal_style::ReserveAlternate && !StockEmpty(game)) return DealToAlternateReserve(game);
  if (firstTableau == deal_style::FourEach) return DealFourToEachPile(game);
  if (firstTableau == deal_style::EightPilesPerDeal && !StockEmpty(game)) return DealToNextEightPiles(game);
  if (firstTableau == deal_style::EveryPileCounted && !StockEmpty(game)) return DealCountedRound(game);
  if (Rule(game, rule::StockDealsToThirdSlot) != 0) return RunCommand(game, command::TurnToThirdSlot);
  return false;
}

// Every pile is brought up to three cards, the waste turned over whenever
// the stock runs out on the way; then the stock turns as usual unless the
// waste was turned over.
bool PressThreeEachWithWaste(TMainGame& game) {
  bool recorded = false;
  bool turnedOver = false;
  const auto record = [&] {
    if (!recorded) RecordUndo(game);
    recorded = true;
  };
  for (int i = 0; i < TableauInUse(game) && DealingMode(game); ++i) {
    while (PileOf(game, TableauPile(i)).size() < kThreeEach) {
      if (StockEmpty(game)) {
        if (PileOf(game, kWaste).empty() || !PassesRemain(game)) break;
        record();
        RaisePassCounter(game);
        TurnWasteOver(game);
        turnedOver = true;
      }
      record();
      if (!DealOnto(game, {TableauTarget(game, i)}, false)) break;
    }
  }
  if (turnedOver) return true;
  return RunCommand(game, command::TurnToWaste) || recorded;
}

bool PressWithWaste(TMainGame& game) {
  if (Rule(game, rule::StockNeedsEmptyWaste) == 1 && !PileOf(game, kWaste).empty()) return false;
  return RunCommand(game, command::TurnToWaste);
}

bool Press(TMainGame& game) {
  if (Rule(game, rule::WasteShown) != 1) return PressWithoutWaste(game);
  if (TableauDealStyle(game, 0) == deal_style::ThreeEachWithWaste) return PressThreeEachWithWaste(game);
  return PressWithWaste(game);
}

void EndGameIfOver(TMainGame& game) {
  if (game.family().facts().endsAfterStockPress && game.state().on(flag::GameWon) && game.playSeams().endGame)
    game.playSeams().endGame();
}

}  // namespace

bool IsStockCommand(std::string_view target) {
  for (std::string_view name : {command::TurnToWaste, command::TurnToThirdSlot, command::Redeal, command::AddTableaus,
                                command::AddTableausLast, command::FillTableaus, command::AddReserves})
    if (target == name) return true;
  return NumberAfter(target, command::AddTableau, 2).has_value() || NumberAfter(target, command::AddReserve, 1).has_value();
}

bool ExecuteStockCommand(TMainGame& game, std::string_view command) {
  if (!IsStockCommand(command)) return false;
  const bool changed = RunCommand(game, command);
  if (changed) AfterChange(game);
  return changed;
}

void PressStock(TMainGame& game) {
  if (!game.state().on(flag::GameInProgress)) return;
  if (game.family().pressStock(game)) return;
  if (Press(game)) AfterChange(game);
  EndGameIfOver(game);
}

void ReleaseStock(TMainGame& game) {
  if (game.state().word(word::StockPressed) != 1) return;
  const bool changed = TurnCards(game, kWaste);
  game.state().setWord(word::StockPressed, 0);
  if (changed) AfterChange(game);
  else Redraw(game);
  EndGameIfOver(game);
}

void CancelStockPress(TMainGame& game) {
  if (game.state().word(word::StockPressed) == 0) return;
  game.state().setWord(word::StockPressed, 0);
  Redraw(game);
}

}  // namespace velmora
