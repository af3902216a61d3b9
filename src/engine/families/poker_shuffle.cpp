// Poker shuffle, family 59: the 25 cards of the grid are dealt face up at
// once, and two cards of the grid change places when one is dragged onto
// the other, or pressed and then the other pressed. The hands of the rows
// and columns score as in poker squares; the game is won when the score
// reaches the score to win. Nothing loses it: an exchange can always be
// made, so a player who cannot reach the score gives the game up with a new
// deal, and the demonstration stops when no exchange raises the score.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "families/family_kinds.h"
#include "families/family_step.h"
#include "families/poker_squares.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

PileRef GridPlace(int i) { return {PileGroup::Tableau, i}; }

bool IsGridPlace(PileRef pile) { return pile.group == PileGroup::Tableau && pile.index < kGridPlaces; }

// The grid place the card lies on, as the first card of its pile.
std::optional<int> PlaceOf(const PokerGrid& grid, CardId card) {
  if (card == kNoCard) return std::nullopt;
  const auto at = std::ranges::find(grid, card);
  if (at == grid.end()) return std::nullopt;
  return static_cast<int>(at - grid.begin());
}

CardId& CardAt(TMainGame& game, int place) { return game.piles().pile(GridPlace(place)).front(); }

TablePoint Corner(const TableRect& rect) { return {rect.x, rect.y}; }

// The card pressed first, waiting for the card it changes places with; it
// lies in foundation 1, the selection, which undo leaves out.
Pile& Pressed(TMainGame& game) { return game.piles().pile(kSelection); }

void Redraw(TMainGame& game) { game.ui().showTable(GameUi::TableChange::Piles); }

// The displaced card flies to the place the other card left; the moved card
// flies too unless the hand carried it there.
void FlySwap(TMainGame& game, int from, int to, bool carriedByHand) {
  if (game.store().read(store::CardsAnimate) == "N") return;
  const TablePoint fromCorner = Corner(CardRect(game, GridPlace(from), 0));
  const TablePoint toCorner = Corner(CardRect(game, GridPlace(to), 0));
  if (!carriedByHand) game.ui().flyCards({CardAt(game, from)}, fromCorner, toCorner);
  game.ui().flyCards({CardAt(game, to)}, toCorner, fromCorner);
}

// The two cards change places in one step; the lines either card lies on
// are announced with their hands.
void Swap(TMainGame& game, int from, int to, bool carriedByHand) {
  FlySwap(game, from, to, carriedByHand);
  RecordStep(game, HistorySide::Undo);
  std::swap(CardAt(game, from), CardAt(game, to));
  Pressed(game).clear();
  SetWonFlag(game);
  FinishFamilyStep(game);
  const std::array moved{CardAt(game, from), CardAt(game, to)};
  PokerScore(game, moved);
}

// The score the grid would have with the two places exchanged.
std::int64_t ScoreAfterSwap(PokerGrid grid, int a, int b) {
  std::swap(grid[static_cast<std::size_t>(a)], grid[static_cast<std::size_t>(b)]);
  return GridScore(grid);
}

class PokerShuffle : public GameFamily {
 public:
  using GameFamily::GameFamily;

  void recountOwnScore(TMainGame& game) const override { PokerScore(game, kAnnounceNothing); }

  std::optional<std::int64_t> ownScore(const TMainGame& game) const override { return GridScore(GridOf(game)); }

  // A press on a card of the grid marks it; a press on another card then
  // exchanges the two, and one on the marked card takes the mark away. The
  // first press leaves the card to the rules, which take it up to be
  // dragged.
  bool press(TMainGame& game, const PileHit& hit, MouseButton button) const override {
    if (button != MouseButton::Left || !IsGridPlace(hit.pile) || hit.card == kNoCard) return false;
    Pile& pressed = Pressed(game);
    const PokerGrid grid = GridOf(game);
    const auto first = pressed.empty() ? std::nullopt : PlaceOf(grid, pressed.front());
    if (!first) {
      pressed.assign({hit.card});
      Redraw(game);
      return false;
    }
    if (*first == hit.pile.index) {
      pressed.clear();
      Redraw(game);
      return true;
    }
    Swap(game, *first, hit.pile.index, false);
    const auto& endGame = game.playSeams().endGame;
    if (game.state().on(flag::GameWon) && endGame) endGame();
    return true;
  }

  // A card of the grid dropped on another place of the grid changes places
  // with the card there; any other drop is refused.
  std::optional<bool> dropOn(TMainGame& game, CardId card, const TableRect& /*carried*/,
                             PileRef pile) const override {
    const PokerGrid grid = GridOf(game);
    const auto from = PlaceOf(grid, card);
    if (!from || !IsGridPlace(pile) || pile.index == *from || grid[static_cast<std::size_t>(pile.index)] == kNoCard)
      return false;
    const Carry& carry = game.carry();
    Swap(game, *from, pile.index, carry.active() && carry.card == card);
    return true;
  }

  // The exchanges that raise the score, the greatest rise first: the
  // demonstration ends when no exchange raises it.
  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    struct Rise {
      std::int64_t gain;
      int from, to;
    };
    const PokerGrid grid = GridOf(game);
    const std::int64_t now = GridScore(grid);
    std::vector<Rise> rises;
    for (int a = 0; a < kGridPlaces; ++a)
      for (int b = a + 1; b < kGridPlaces; ++b) {
        if (grid[static_cast<std::size_t>(a)] == kNoCard || grid[static_cast<std::size_t>(b)] == kNoCard) continue;
        const std::int64_t gain = ScoreAfterSwap(grid, a, b) - now;
        if (gain > 0) rises.push_back({gain, a, b});
      }
    std::ranges::stable_sort(rises, std::ranges::greater{}, &Rise::gain);
    std::vector<FamilyAction> actions;
    for (const Rise& rise : rises)
      actions.push_back({.presses = {grid[static_cast<std::size_t>(rise.from)]}, .to = GridPlace(rise.to)});
    return actions;
  }
};

}  // namespace

std::unique_ptr<GameFamily> MakePokerShuffleFamily(const FamilyFacts& facts) {
  return std::make_unique<PokerShuffle>(facts);
}

}  // namespace velmora
