#include "play/player_actions.h"

#include <algorithm>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/game_move_rules.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/play_rules.h"
#include "rules/move_codes.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "stock/stock_commands.h"

namespace velmora {
namespace {

constexpr int kMaxDropCandidates = 4;
constexpr int kGapsLeftInPlace = 12;     // tableau display: every card in reach, gaps kept
constexpr int kWasteTakesNeighbours = 2;  // rule 353
constexpr int kWasteNeverTarget = 4;      // rule 354

enum class SendKind { RightClick, DoubleClick };

MoveRules RulesOf(TMainGame& game, bool tellPlayer) { return MoveRulesOf(game, tellPlayer ? &game.ui() : nullptr); }

void PlayIfOn(TMainGame& game, StoreItem sound, std::string_view name) {
  if (game.store().isOn(sound)) game.ui().playSound(name);
}

bool CardsAnimate(const TMainGame& game) { return game.store().read(store::CardsAnimate) != "N"; }

int InUse(const TMainGame& game, PileGroup group) {
  const int rule = group == PileGroup::Foundations ? rule::Foundations
                   : group == PileGroup::Tableau   ? rule::TableauPiles
                                                   : rule::Reserves;
  return std::min<int>(game.rules()[rule], GroupSize(group));
}

TablePoint Corner(const TableRect& rect) { return {rect.x, rect.y}; }

std::vector<CardId> CardsFrom(const TMainGame& game, const CardSpot& spot) {
  const Pile& pile = game.piles().pile(spot.pile);
  return {pile.begin() + spot.index, pile.end()};
}

// --- Pressing --------------------------------------------------------------

// The unit headed by the card at `index` goes up with the pointer.
void TakeUp(TMainGame& game, PileRef pile, int index, TablePoint point) {
  const Pile& cards = game.piles().pile(pile);
  Carry& carry = game.carry();
  carry.card = cards[static_cast<std::size_t>(index)];
  carry.unitTop = cards.back();
  carry.from = pile;
  carry.fromIndex = index;
  const TableRect bottom = CardRect(game, pile, index);
  carry.at = carry.start = Corner(bottom);
  carry.grab = {point.x - bottom.x, point.y - bottom.y};
  carry.unit = bottom;
  for (int i = index + 1; i < static_cast<int>(cards.size()); ++i) carry.unit = carry.unit.joinedWith(CardRect(game, pile, i));
  PlayIfOn(game, store::SoundsCardUp, "card_up");
  game.ui().showTable(GameUi::TableChange::Carry);
}

// A face-down top card turns face up: a step of its own.
void TurnFaceUp(TMainGame& game, CardId card) {
  RecordStep(game, HistorySide::Undo);
  game.cards().setFace(card, Face::Up);
  PlayIfOn(game, store::SoundsFaceUp, "Face_up");
  RecomputeScore(game);
  if (game.state().word(word::PlayMode) == 0) RecordStep(game, HistorySide::Redo, true);
  game.ui().showTable(GameUi::TableChange::Piles);
}

// A card the family lets onto the discard pile goes there at once.
void Discard(TMainGame& game, CardId card) {
  PlayIfOn(game, store::SoundsCardUp, "card_up");
  if (!game.family().discardTakes(game, card) || !ExecuteMove(game, card, "Waste")) game.ui().beep();
}

void PressOnWaste(TMainGame& game, TablePoint point) {
  const Pile& waste = game.piles().pile(kWaste);
  if (!waste.empty() && game.rules()[rule::WasteTopFixed] == 0) {
    TakeUp(game, kWaste, static_cast<int>(waste.size()) - 1, point);
  } else if (waste.empty() && game.rules()[rule::RedealStyle] >= 1 && game.piles().pile(kStock).empty()) {
    if (!ExecuteMove(game, kNoCard, "Mazzo_Redeal")) game.ui().beep();
  } else {
    game.ui().beep();
  }
}

void PressOnPile(TMainGame& game, const PileHit& hit, TablePoint point) {
  if (hit.pile == kStock) return PressStock(game);
  if (hit.pile == kThirdStockSlot) return;
  if (hit.pile == kWaste) return PressOnWaste(game, point);
  if (hit.card == kNoCard) return game.ui().beep();
  switch (RulesOf(game, true).canTake(hit.card, hit.pile)) {
    case TakeAnswer::Take:
      if (game.family().facts().discardsTakenCard) return Discard(game, hit.card);
      return TakeUp(game, hit.pile, hit.index, point);
    case TakeAnswer::TurnFaceUp: return TurnFaceUp(game, hit.card);
    case TakeAnswer::Refused: return game.ui().beep();
  }
}

// --- Dropping --------------------------------------------------------------

int KindNumber(PileRef pile) {
  switch (pile.group) {
    case PileGroup::Reserves: return static_cast<int>(PileKind::Reserve);
    case PileGroup::Foundations: return static_cast<int>(PileKind::Foundation);
    case PileGroup::Tableau: return static_cast<int>(PileKind::Tableau);
    case PileGroup::Stock: return static_cast<int>(PileKind::Waste);
  }
  return 0;
}

bool RanksAdjoin(CardId a, CardId b) { return RankAbove(CardRank(a)) == CardRank(b) || RankBelow(CardRank(a)) == CardRank(b); }

// The waste takes back a single card one rank from its top card, of the same
// suit, where the game allows it.
bool WasteAccepts(const TMainGame& game, CardId card, const CardSpot& from) {
  if (game.rules()[rule::WasteAccepts] != kWasteTakesNeighbours) return false;
  const Pile& source = game.piles().pile(from.pile);
  if (from.index + 1 != static_cast<int>(source.size())) return false;
  const CardId top = game.piles().topCard(kWaste);
  return top != kNoCard && CardSuit(top) == CardSuit(card) && RanksAdjoin(top, card);
}

std::string TargetName(PileRef pile, bool autoplay) {
  if (pile == kWaste) return "Stock02";
  if (autoplay && pile.group == PileGroup::Foundations) return "Dest_Autoplay" + std::to_string(pile.index + 1);
  return PileName(pile);
}

// Tableau piles whose every card has a place of its own offer each place as
// a candidate; the gaps too where a family fills them.
bool EveryCardACandidate(const TMainGame& game, PileRef pile) {
  const int display = game.rules()[rule::TableauDisplay];
  return pile.group == PileGroup::Tableau && (display == 8 || display == 9);
}

void AddCandidates(const TMainGame& game, PileRef pile, const TableRect& carried, std::vector<DropCandidate>& out) {
  const auto add = [&](const TableRect& rect) {
    if (const long area = OverlapArea(rect, carried); area > 0) out.push_back({pile, area, rect});
  };
  if (!EveryCardACandidate(game, pile)) {
    if (const auto rect = PileRect(game, pile)) add(*rect);
    return;
  }
  if (!game.layout().placed(pile)) return;
  const Pile& cards = game.piles().pile(pile);
  if (cards.empty()) add(CardRect(game, pile, 0));
  for (int i = 0; i < static_cast<int>(cards.size()); ++i)
    if (cards[static_cast<std::size_t>(i)] != kNoCard || game.family().facts().fillsGaps) add(CardRect(game, pile, i));
}

// --- Sending ---------------------------------------------------------------

// Whether a send may take the card from where it lies.
bool MaySendFrom(TMainGame& game, const PileHit& hit) {
  const MoveRules rules = RulesOf(game, false);
  if (!game.cards().isFaceUp(hit.card) || rules.canTake(hit.card, hit.pile) != TakeAnswer::Take) return false;
  const Pile& pile = game.piles().pile(hit.pile);
  const bool top = hit.card == pile.back();
  switch (hit.pile.group) {
    case PileGroup::Foundations: {
      const int takeBack = game.rules()[rule::FoundationTakeBack];
      return takeBack == 1 || (takeBack == 2 && pile.size() > 1);
    }
    case PileGroup::Stock: return hit.pile == kWaste && top;
    case PileGroup::Tableau:
      if (game.rules()[rule::TableauUnitSize] == 0) return false;
      if (game.rules()[rule::TableauDisplay] == kGapsLeftInPlace) return rules.unitSizeAllowed(hit.card, false);
      return top || rules.unitSizeAllowed(hit.card, false);
    case PileGroup::Reserves: return top || game.rules()[rule::ReserveTake] == reserve_take::AnyFanCard;
  }
  return false;
}

struct Directions {
  bool foundations = false;
  bool tableau = false;
};

Directions SendDirections(const TMainGame& game, SendKind kind) {
  const int mode = game.state().word(word::PlayMode);
  if (mode == 1 || mode == 3 || game.rules()[rule::OneClickPlay] == 1) return {true, true};
  const ConfigStore& store = game.store();
  if (kind == SendKind::RightClick)
    return {store.isOn(store::RightClickToFoundations), store.isOn(store::RightClickToTableaus)};
  return {store.isOn(store::DoubleClickToFoundations), store.isOn(store::DoubleClickToTableaus)};
}

bool SendFromPoint(TMainGame& game, TablePoint point, SendKind kind) {
  auto hit = HitTest(game, point);
  if (!hit || hit->card == kNoCard || hit->pile == kStock || hit->pile == kThirdStockSlot) return false;
  if (hit->pile == kWaste) hit->card = game.piles().pile(kWaste).back();  // only the waste's top card leaves it
  if (kind == SendKind::DoubleClick) game.state().set(flag::DoubleClickHandled, true);
  if (!MaySendFrom(game, *hit)) return false;
  const Directions directions = SendDirections(game, kind);
  if (!directions.foundations && !directions.tableau) return false;
  if (!SendCard(game, hit->card, directions.foundations, directions.tableau)) return false;
  const auto& endGame = game.playSeams().endGame;
  if (game.state().on(flag::GameWon) && endGame) endGame();
  return true;
}

// The gap games and the families that select with either button take a
// right press as any other press.
bool RightPressIsPlain(const TMainGame& game) { return game.family().facts().rightPressIsPlain; }

// A press the family takes before the rules: never one on the stock, which
// the stock's own press asks the family about.
bool FamilyPress(TMainGame& game, const PileHit& hit, MouseButton button) {
  return !(hit.pile == kStock) && game.family().press(game, hit, button);
}

// --- Releasing ------------------------------------------------------------

// The carried cards land where the button is let go: on the one pile they
// are held over, or else on the piles they overlap, best first.
bool DropCarried(TMainGame& game, std::optional<PileRef> over) {
  const Carry& carry = game.carry();
  if (!over) return TryDrop(game, carry.card, carry.rect());
  const auto from = FindCard(game, carry.card);
  const auto target = PileRect(game, *over);
  if (!from || !target || OpeningPhaseRefuses(game, from->pile, *over)) return false;
  return DropOn(game, carry.card, *target, *over, {});
}

void Release(TMainGame& game, std::optional<PileRef> over) {
  if (game.state().word(word::StockPressed) == 1) ReleaseStock(game);
  Carry& carry = game.carry();
  bool dropped = false;
  if (carry.active()) {
    dropped = carry.pointerMoved && DropCarried(game, over);
    if (!dropped) {
      const auto home = FindCard(game, carry.card);
      if (home && carry.pointerMoved && CardsAnimate(game))
        game.ui().flyCards(carry.single ? std::vector<CardId>{carry.card} : CardsFrom(game, *home), carry.at, Corner(CardRect(game, home->pile, home->index)));
      PlayIfOn(game, store::SoundsCardDown, "card_down");
    }
    carry.clear();
    game.ui().showTable(GameUi::TableChange::Piles);
  }
  const PlaySeams& seams = game.playSeams();
  if (dropped && game.state().on(flag::GameWon) && seams.endGame) seams.endGame();
  if (seams.autoplay) seams.autoplay();
}

}  // namespace

// --- The mouse -------------------------------------------------------------

void PressAt(TMainGame& game, MouseButton button, bool ctrl, bool shift, int x, int y) {
  (void)shift;
  ProgramState& state = game.state();
  if (state.word(word::PlayMode) != 0) {
    state.setWord(word::PlayMode, 0);  // a press ends the demonstration or the hint
    game.carry().clear();
  }
  if (state.on(flag::Paused)) return game.ui().beep();
  if (!state.on(flag::GameInProgress) || game.carry().active()) return;
  game.carry().pointerMoved = false;
  if (state.on(flag::DoubleClickHandled)) return state.set(flag::DoubleClickHandled, false);
  state.setWord(word::PressX, x);
  state.setWord(word::PressY, y);
  const bool menuPress = button == MouseButton::Right && ctrl && !RightPressIsPlain(game);
  const auto hit = HitTest(game, {x, y});
  if (hit && !menuPress && FamilyPress(game, *hit, button)) return;
  if (button == MouseButton::Right && !RightPressIsPlain(game)) {
    if (!ctrl) RightClickSend(game, x, y);
    return;  // with Ctrl the window opens its pop-up menu
  }
  if (!hit) return;
  const bool stockList = hit->pile.group == PileGroup::Stock && !(hit->pile == kWaste);
  if (game.rules()[rule::OneClickPlay] == 1 && !stockList) {
    SendFromPoint(game, {x, y}, SendKind::RightClick);
    return;
  }
  PressOnPile(game, *hit, {x, y});
}

void PointerAt(TMainGame& game, int x, int y) {
  if (game.state().word(word::PlayMode) != 0) return;
  Carry& carry = game.carry();
  if (carry.active()) {
    carry.pointerMoved = true;
    carry.at = {x - carry.grab.x, y - carry.grab.y};
    game.ui().showTable(GameUi::TableChange::Carry);
    return;
  }
  if (game.state().word(word::StockPressed) != 1) return;
  // The pressed stock is let go when the pointer leaves it (or the waste
  // where the game shows no stock).
  const PileRef pressed = game.rules()[rule::StockShown] == 1 ? kStock : kWaste;
  const auto hit = HitTest(game, {x, y});
  if (!hit || !(hit->pile == pressed)) CancelStockPress(game);
}

void ReleaseAt(TMainGame& game) { Release(game, std::nullopt); }

void ReleaseOver(TMainGame& game, PileRef pile) { Release(game, pile); }

void DoubleClickAt(TMainGame& game) {
  const ProgramState& state = game.state();
  DoubleClickSend(game, state.word(word::PressX), state.word(word::PressY));
}

bool PressCard(TMainGame& game, CardId card) {
  const auto spot = FindCard(game, card);
  if (!spot) return false;
  const PileHit hit{.pile = spot->pile, .card = card, .index = spot->index, .rect = CardRect(game, spot->pile, spot->index)};
  return FamilyPress(game, hit, MouseButton::Left);
}

bool RightClickSend(TMainGame& game, int x, int y) { return SendFromPoint(game, {x, y}, SendKind::RightClick); }
bool DoubleClickSend(TMainGame& game, int x, int y) { return SendFromPoint(game, {x, y}, SendKind::DoubleClick); }

bool SendCard(TMainGame& game, CardId card, bool toFoundations, bool toTableau) {
  const auto from = FindCard(game, card);
  if (!from) return false;
  const bool single = from->index + 1 == static_cast<int>(game.piles().pile(from->pile).size());
  std::vector<PileRef> order;
  if (toFoundations && single)
    for (int k = 0; k < InUse(game, PileGroup::Foundations); ++k) order.push_back({PileGroup::Foundations, k});
  if (toTableau) {
    for (bool empty : {false, true})
      for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i) {
        const PileRef pile{PileGroup::Tableau, i};
        if (!(pile == from->pile) && game.piles().pile(pile).empty() == empty) order.push_back(pile);
      }
  }
  // A card already in a reserve gains nothing from another one: such a send
  // would only cost a move.
  if (single && from->pile.group != PileGroup::Reserves)
    for (int j = 0; j < InUse(game, PileGroup::Reserves); ++j) order.push_back({PileGroup::Reserves, j});
  if (toTableau) order.push_back(kWaste);
  for (const PileRef pile : order) {
    const auto rect = PileRect(game, pile);
    if (rect && TryDrop(game, card, *rect, {.target = pile})) return true;
  }
  return false;
}

std::vector<DropCandidate> DropCandidates(const TMainGame& game, CardId card, const TableRect& carried) {
  std::vector<DropCandidate> candidates;
  for (PileGroup group : {PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < InUse(game, group); ++i) AddCandidates(game, {group, i}, carried, candidates);
  if (game.rules()[rule::WasteNotTarget] != kWasteNeverTarget) AddCandidates(game, kWaste, carried, candidates);
  std::stable_sort(candidates.begin(), candidates.end(), [](const DropCandidate& a, const DropCandidate& b) {
    if (a.area != b.area) return a.area > b.area;
    if (KindNumber(a.pile) != KindNumber(b.pile)) return KindNumber(a.pile) > KindNumber(b.pile);
    return a.pile.index > b.pile.index;
  });
  if (candidates.size() > kMaxDropCandidates) candidates.resize(kMaxDropCandidates);
  if (const auto from = FindCard(game, card))
    std::erase_if(candidates, [&](const DropCandidate& c) { return OpeningPhaseRefuses(game, from->pile, c.pile); });
  return candidates;
}

bool TryDrop(TMainGame& game, CardId card, const TableRect& carried, const DropOptions& options) {
  bool moved = false;
  if (options.target) {
    moved = DropOn(game, card, carried, *options.target, options);
  } else {
    for (const DropCandidate& candidate : DropCandidates(game, card, carried))
      if ((moved = DropOn(game, card, candidate.rect, candidate.pile, options))) break;
  }
  return moved;
}

bool DropOn(TMainGame& game, CardId card, const TableRect& carried, PileRef pile, const DropOptions& options) {
  if (const auto familyMoved = game.family().dropOn(game, card, carried, pile)) {
    // A refused card is still carried: the next candidate may take it, or it flies home.
    if (*familyMoved && game.carry().card == card) game.carry().clear();
    return *familyMoved;
  }
  const auto from = FindCard(game, card);
  const auto target = PileRect(game, pile);
  if (!from || from->pile == pile || !target || OverlapArea(*target, carried) == 0) return false;
  const bool accepted = pile == kWaste ? WasteAccepts(game, card, *from)
                                       : RulesOf(game, !options.target).canPlace(card, pile);
  if (!accepted) return false;
  Carry& carry = game.carry();
  const bool fromCarry = carry.active() && carry.card == card;
  if (options.animate && CardsAnimate(game)) {
    const TablePoint start = fromCarry ? carry.at : Corner(CardRect(game, from->pile, from->index));
    const int landing = static_cast<int>(game.piles().pile(pile).size());
    game.ui().flyCards(CardsFrom(game, *from), start, Corner(CardRect(game, pile, landing)));
  }
  if (fromCarry) carry.clear();  // the cards have landed: the table draws them on their new pile
  return ExecuteMove(game, card, TargetName(pile, options.autoplay));
}

}  // namespace velmora
