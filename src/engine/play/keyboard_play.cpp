#include "play/keyboard_play.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "play/carry.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

// A pile counts as lying beyond the focus only when its place is more than
// this share of a card further in the arrow's direction: piles of one row
// that stand a few pixels apart are not above or below each other.
constexpr int kLeastStepShare = 4;
// Of the piles beyond the focus, those off its row (or column) come only
// when none is on it; a pixel beside the line weighs this many along it.
constexpr int kBesideWeight = 2;

// An arrow key as a step on the table: x grows to the right, y downwards.
struct Step {
  int dx = 0;
  int dy = 0;
};

Step StepOf(TableKey key) {
  switch (key) {
    case TableKey::Left: return {-1, 0};
    case TableKey::Right: return {1, 0};
    case TableKey::Up: return {0, -1};
    case TableKey::Down: return {0, 1};
    case TableKey::Press:
    case TableKey::Cancel:
    case TableKey::Stock: break;
  }
  return {};
}

bool Horizontal(Step step) { return step.dx != 0; }

TablePoint Centre(const TableRect& rect) { return {rect.x + rect.width / 2, rect.y + rect.height / 2}; }

// How far `to` lies beyond `from` in the step's direction, and how far
// beside the step's line.
struct Offset {
  int along = 0;
  int beside = 0;
};

Offset OffsetOf(TablePoint from, TablePoint to, Step step) {
  const int dx = to.x - from.x, dy = to.y - from.y;
  return Horizontal(step) ? Offset{dx * step.dx, std::abs(dy)} : Offset{dy * step.dy, std::abs(dx)};
}

// --- What the focus may stand on -------------------------------------------

int CardCount(const TMainGame& game, PileRef pile) { return static_cast<int>(game.piles().pile(pile).size()); }

// The place of the pile's top card; 0 on an empty pile.
int TopPlace(const TMainGame& game, PileRef pile) { return std::max(CardCount(game, pile) - 1, 0); }

// Every pile the table shows, in the order a point is searched in.
std::vector<PileRef> PlacedPiles(const TMainGame& game) {
  std::vector<PileRef> piles = PilesInHitOrder(game);
  std::erase_if(piles, [&game](PileRef pile) { return !PileRect(game, pile).has_value(); });
  return piles;
}

// A press anywhere on the stock, the waste or the third slot does the same:
// only their top card is focused.
bool PressedWhole(PileRef pile) { return pile.group == PileGroup::Stock; }

// The top card may always be pressed (a face-down one turns over); a card
// below it only when it is face up and not covered whole by the next card.
bool Focusable(const TMainGame& game, PileRef pile, int index) {
  if (index == TopPlace(game, pile)) return true;
  if (PressedWhole(pile) || index < 0 || index > TopPlace(game, pile)) return false;
  const CardId card = game.piles().pile(pile)[static_cast<std::size_t>(index)];
  return card != kNoCard && game.cards().isFaceUp(card) &&
         !(CardRect(game, pile, index) == CardRect(game, pile, index + 1));
}

// The first pile of the table in reading order: the highest row, then the
// leftmost place.
std::optional<KeyFocus> FirstFocus(const TMainGame& game) {
  const std::vector<PileRef> piles = PlacedPiles(game);
  const auto first = std::ranges::min_element(piles, [&game](PileRef a, PileRef b) {
    const TableRect ra = CardRect(game, a, 0), rb = CardRect(game, b, 0);
    return std::tie(ra.y, ra.x) < std::tie(rb.y, rb.x);
  });
  if (first == piles.end()) return std::nullopt;
  return KeyFocus{*first, TopPlace(game, *first)};
}

std::optional<KeyFocus> Settled(const TMainGame& game, KeyFocus focus) {
  const std::vector<PileRef> piles = PlacedPiles(game);
  if (std::ranges::find(piles, focus.pile) == piles.end()) return FirstFocus(game);
  if (!Focusable(game, focus.pile, focus.index)) focus.index = TopPlace(game, focus.pile);
  return focus;
}

// --- Moving the focus ------------------------------------------------------

// Whether the pile's cards fan along the step's line: its bottom and top
// cards stand further apart that way than the other.
bool FansAlong(const TMainGame& game, PileRef pile, Step step) {
  const TableRect bottom = CardRect(game, pile, 0), top = CardRect(game, pile, TopPlace(game, pile));
  const int dx = std::abs(top.x - bottom.x), dy = std::abs(top.y - bottom.y);
  return Horizontal(step) ? dx > dy : dy > dx;
}

// The nearest card of the focused fan beyond the focused card in the step's
// direction.
std::optional<int> NextInFan(const TMainGame& game, KeyFocus focus, Step step) {
  if (PressedWhole(focus.pile) || !FansAlong(game, focus.pile, step)) return std::nullopt;
  const TablePoint from = Centre(CardRect(game, focus.pile, focus.index));
  std::optional<int> nearest;
  int nearestAlong = 0;
  for (int i = 0; i <= TopPlace(game, focus.pile); ++i) {
    if (i == focus.index || !Focusable(game, focus.pile, i)) continue;
    const int along = OffsetOf(from, Centre(CardRect(game, focus.pile, i)), step).along;
    if (along > 0 && (!nearest || along < nearestAlong)) {
      nearest = i;
      nearestAlong = along;
    }
  }
  return nearest;
}

// The nearest pile beyond `from` in the step's direction, measured between
// the piles' places: on the same row (or column) if there is one, else
// anywhere beyond it.
std::optional<PileRef> NextPile(const TMainGame& game, PileRef from, Step step) {
  const TableLayout& layout = game.layout();
  const int length = Horizontal(step) ? layout.cardWidth : layout.cardHeight;
  const int breadth = Horizontal(step) ? layout.cardHeight : layout.cardWidth;
  const TablePoint origin = Centre(CardRect(game, from, 0));
  std::optional<PileRef> nearest;
  std::tuple<bool, int> nearestRank;
  for (const PileRef pile : PlacedPiles(game)) {
    const Offset offset = OffsetOf(origin, Centre(CardRect(game, pile, 0)), step);
    if (offset.along <= length / kLeastStepShare) continue;
    const std::tuple<bool, int> rank{offset.beside >= breadth / 2, offset.along + kBesideWeight * offset.beside};
    if (!nearest || rank < nearestRank) {
      nearest = pile;
      nearestRank = rank;
    }
  }
  return nearest;
}

// --- Pressing --------------------------------------------------------------

// The cards of the pile that stay on it while the carried ones are away.
int CardsStaying(const TMainGame& game, PileRef pile) {
  const Carry& carry = game.carry();
  return carry.active() && carry.from == pile ? carry.fromIndex : CardCount(game, pile);
}

// The carried cards hang where the next card of the pile would lie, as if
// the pointer had brought them there.
void HoldCarriedOver(TMainGame& game, PileRef pile) {
  const TableRect landing = CardRect(game, pile, CardsStaying(game, pile));
  const Carry& carry = game.carry();
  PointerAt(game, landing.x + carry.grab.x, landing.y + carry.grab.y);
}

// A point where the mouse would press the focused card, or the empty pile.
std::optional<TablePoint> PointOn(const TMainGame& game, KeyFocus focus) {
  const Pile& cards = game.piles().pile(focus.pile);
  const CardId card = cards.empty() ? kNoCard : cards[static_cast<std::size_t>(focus.index)];
  if (card != kNoCard) return PointOnCard(game, card);
  const TablePoint middle = Centre(CardRect(game, focus.pile, focus.index));
  const auto hit = HitTest(game, middle);
  if (hit && hit->pile == focus.pile) return middle;
  return std::nullopt;
}

// The button pressed on the focus, and let go at once unless the press took
// cards up: a click.
void ClickOn(TMainGame& game, KeyFocus focus) {
  const auto point = PointOn(game, focus);
  if (!point) return game.ui().beep();
  PressAt(game, MouseButton::Left, false, false, point->x, point->y);
  if (!game.carry().active()) ReleaseAt(game);
}

void PressTheStock(TMainGame& game) {
  if (!PileRect(game, kStock)) return game.ui().beep();
  ClickOn(game, {kStock, TopPlace(game, kStock)});
}

// The carried cards let go over their own pile: they go back home.
void CancelCarry(TMainGame& game) {
  if (game.carry().active()) ReleaseOver(game, game.carry().from);
}

}  // namespace

void KeyboardPlay::press(TMainGame& game, TableKey key) {
  if (key == TableKey::Stock) return PressTheStock(game);
  if (key == TableKey::Cancel) return CancelCarry(game);
  if (!focus_) {
    focus_ = FirstFocus(game);
    return;
  }
  auto focus = Settled(game, *focus_);
  if (!focus) return;
  if (key == TableKey::Press)
    pressFocus(game, *focus);
  else
    move(game, *focus, key);
  focus_ = focus;
}

void KeyboardPlay::move(TMainGame& game, KeyFocus& focus, TableKey key) {
  const Step step = StepOf(key);
  const bool carrying = game.carry().active();
  if (!carrying) {
    if (const auto next = NextInFan(game, focus, step)) {
      focus.index = *next;
      return;
    }
  }
  const auto pile = NextPile(game, focus.pile, step);
  if (!pile) return;
  focus = {*pile, TopPlace(game, *pile)};
  if (carrying) HoldCarriedOver(game, *pile);
}

void KeyboardPlay::pressFocus(TMainGame& game, KeyFocus& focus) {
  if (!game.carry().active()) return ClickOn(game, focus);
  ReleaseOver(game, focus.pile);
  focus.index = TopPlace(game, focus.pile);
}

std::optional<KeyFocus> KeyboardPlay::focus(const TMainGame& game) const {
  if (!focus_) return std::nullopt;
  return Settled(game, *focus_);
}

std::optional<TableRect> KeyboardPlay::outline(const TMainGame& game) const {
  const auto focus = this->focus(game);
  if (!focus) return std::nullopt;
  const Carry& carry = game.carry();
  if (!carry.active()) return CardRect(game, focus->pile, focus->index);
  const TableRect staying = CardRect(game, focus->pile, std::max(CardsStaying(game, focus->pile) - 1, 0));
  // Cards the mouse carries elsewhere are no part of the focus.
  return OverlapArea(staying, carry.rect()) > 0 ? staying.joinedWith(carry.rect()) : staying;
}

}  // namespace velmora
