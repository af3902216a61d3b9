// The gap games, families 32 and 46: rows of cards with gaps, where a card
// fills a gap that fits the card beside it. A press takes up the one card
// pressed, a drop fills the first fitting gap of the row under it, and a
// right press sends the card to the first gap anywhere that fits it.
#include <algorithm>
#include <iterator>

#include "families/family_kinds.h"
#include "families/family_step.h"
#include "families/gap_games.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kRoundTheTableFamily = 46;  // its rows make one line, the last row's end meeting the first row's start
constexpr int kRowStartRank = 2;          // rows ordered one by one start with a 2
constexpr int kAce = 1;
constexpr int kQueen = 12;
constexpr int kPointsPerFollower = 5;     // the line's score: each card that follows the card before it

int RowsInUse(const TMainGame& game) { return std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles); }

PileRef RowPile(int row) { return {PileGroup::Tableau, row}; }

const Pile& Row(const TMainGame& game, int row) { return game.piles().pile(RowPile(row)); }

bool OrderedRoundTheTable(const TMainGame& game) { return game.rules()[rule::Family] == kRoundTheTableFamily; }

// Whether `before` is the card one rank below `card` in its suit.
bool FollowsInSuit(CardId card, CardId before) {
  return IsNormalCard(card) && IsNormalCard(before) && CardSuit(before) == CardSuit(card) &&
         CardRank(card) == CardRank(before) + 1;
}

// The neighbours of a place counted round the table: before the first place
// of a row lies the last card of the row before it (of the last row, for
// the first), and after the last place the first card of the next row.
CardId LeftRoundTheTable(const TMainGame& game, RowPlace at) {
  if (at.place > 0) return Row(game, at.row)[static_cast<std::size_t>(at.place - 1)];
  const int rows = RowsInUse(game);
  const Pile& previous = Row(game, (at.row + rows - 1) % rows);
  return previous.empty() ? kNoCard : previous.back();
}

CardId RightRoundTheTable(const TMainGame& game, RowPlace at) {
  const Pile& row = Row(game, at.row);
  if (at.place + 1 < static_cast<int>(row.size())) return row[static_cast<std::size_t>(at.place + 1)];
  const Pile& next = Row(game, (at.row + 1) % RowsInUse(game));
  return next.empty() ? kNoCard : next.front();
}

bool AceAfterQueen(CardId card, CardId before) {
  return CardRank(card) == kAce && IsNormalCard(before) && CardRank(before) == kQueen;
}

bool FitsRoundTheTable(const TMainGame& game, CardId card, RowPlace at) {
  const CardId left = LeftRoundTheTable(game, at);
  const CardId right = RightRoundTheTable(game, at);
  return FollowsInSuit(card, left) || FollowsInSuit(right, card) || AceAfterQueen(card, left);
}

bool FitsInItsRow(const TMainGame& game, CardId card, RowPlace at) {
  if (at.place == 0) return CardRank(card) == kRowStartRank;
  return FollowsInSuit(card, Row(game, at.row)[static_cast<std::size_t>(at.place - 1)]);
}

bool IsGap(const TMainGame& game, RowPlace at) {
  if (at.row < 0 || at.row >= RowsInUse(game) || at.place < 0) return false;
  const Pile& row = Row(game, at.row);
  return at.place < static_cast<int>(row.size()) && row[static_cast<std::size_t>(at.place)] == kNoCard;
}

// Where a card lies in the rows, if it does.
std::optional<RowPlace> PlaceOf(const TMainGame& game, CardId card) {
  for (int r = 0; r < RowsInUse(game); ++r) {
    const Pile& row = Row(game, r);
    if (const auto at = std::find(row.begin(), row.end(), card); at != row.end())
      return RowPlace{r, static_cast<int>(at - row.begin())};
  }
  return std::nullopt;
}

TablePoint Corner(const TableRect& rect) { return {rect.x, rect.y}; }

void PlayIfOn(TMainGame& game, StoreItem sound, std::string_view name) {
  if (game.store().isOn(sound)) game.ui().playSound(name);
}

// The one card pressed goes up with the pointer; the cards beside it stay.
void TakeUpAlone(TMainGame& game, const PileHit& hit) {
  const TablePoint point{game.state().word(word::PressX), game.state().word(word::PressY)};
  Carry& carry = game.carry();
  carry.card = carry.unitTop = hit.card;
  carry.single = true;
  carry.from = hit.pile;
  carry.fromIndex = hit.index;
  carry.unit = CardRect(game, hit.pile, hit.index);
  carry.at = carry.start = Corner(carry.unit);
  carry.grab = {point.x - carry.unit.x, point.y - carry.unit.y};
  PlayIfOn(game, store::SoundsCardUp, "card_up");
  game.ui().showTable(GameUi::TableChange::Carry);
}

// A right press sends the card to the first gap that fits it; a card that
// fits none stays.
void RightClickGap(TMainGame& game, CardId card) {
  const auto gap = FirstFittingGap(game, card);
  if (!gap || !FillGap(game, card, *gap, true)) return;
  const auto& endGame = game.playSeams().endGame;
  if (game.state().on(flag::GameWon) && endGame) endGame();
}

class GapGame : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // A card of a row: the right button sends it to the first gap it fits,
  // the left one takes it up alone.
  bool press(TMainGame& game, const PileHit& hit, MouseButton button) const override {
    if (hit.pile.group != PileGroup::Tableau || hit.card == kNoCard) return false;
    if (button == MouseButton::Right) RightClickGap(game, hit.card);
    else TakeUpAlone(game, hit);
    return true;
  }

  // The card lands on the first place of the row under it that is a gap it
  // fits; any other drop is refused, as the rows take no card at their ends.
  std::optional<bool> dropOn(TMainGame& game, CardId card, const TableRect& carried, PileRef pile) const override {
    if (pile.group != PileGroup::Tableau || !PlaceOf(game, card)) return false;
    const Carry& carry = game.carry();
    const bool carriedByHand = carry.active() && carry.card == card;
    const TableRect area = carriedByHand ? carry.rect() : carried;
    const int places = static_cast<int>(Row(game, pile.index).size());
    for (int k = 0; k < places; ++k) {
      const RowPlace at{pile.index, k};
      if (OverlapArea(CardRect(game, pile, k), area) > 0 && IsGap(game, at) && FitsGap(game, card, at))
        return FillGap(game, card, at, !carriedByHand);
    }
    return false;
  }

  // Every fill open, gaps in row order; a 2 moved from one row's start to
  // another's changes nothing that matters and comes last.
  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    std::vector<FamilyAction> fills, rowStartSwaps;
    for (int r = 0; r < RowsInUse(game); ++r) {
      const int places = static_cast<int>(Row(game, r).size());
      for (int k = 0; k < places; ++k) {
        if (!IsGap(game, {r, k})) continue;
        for (int other = 0; other < RowsInUse(game); ++other)
          for (CardId card : Row(game, other)) {
            if (card == kNoCard || !FitsGap(game, card, {r, k})) continue;
            const bool startsARow = PlaceOf(game, card)->place == 0 && !OrderedRoundTheTable(game);
            (startsARow ? rowStartSwaps : fills).push_back({.presses = {card}, .to = RowPile(r)});
          }
      }
    }
    fills.insert(fills.end(), rowStartSwaps.begin(), rowStartSwaps.end());
    return fills;
  }
};

// The rows read as one line round the table (family 46): the score counts
// the cards that follow the card before them, gaps passed over, and wins at
// the score to win.
class GapLine : public GapGame {
 public:
  using GapGame::GapGame;

  std::optional<std::int64_t> ownScore(const TMainGame& game) const override {
    std::vector<CardId> line;
    for (int r = 0; r < RowsInUse(game); ++r)
      std::ranges::copy_if(Row(game, r), std::back_inserter(line), [](CardId card) { return card != kNoCard; });
    int followers = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const CardId before = line[(i + line.size() - 1) % line.size()];
      if (FollowsInSuit(line[i], before) || AceAfterQueen(line[i], before)) ++followers;
    }
    return -game.rules()[rule::DeckCards] + kPointsPerFollower * followers;
  }
};

}  // namespace

bool FitsGap(const TMainGame& game, CardId card, RowPlace at) {
  if (!IsNormalCard(card) || !IsGap(game, at)) return false;
  return OrderedRoundTheTable(game) ? FitsRoundTheTable(game, card, at) : FitsInItsRow(game, card, at);
}

std::optional<RowPlace> FirstFittingGap(const TMainGame& game, CardId card) {
  for (int r = 0; r < RowsInUse(game); ++r)
    if (const auto gap = FirstFittingGapInRow(game, card, r)) return gap;
  return std::nullopt;
}

std::optional<RowPlace> FirstFittingGapInRow(const TMainGame& game, CardId card, int row) {
  if (row < 0 || row >= RowsInUse(game)) return std::nullopt;
  const int places = static_cast<int>(Row(game, row).size());
  for (int k = 0; k < places; ++k)
    if (FitsGap(game, card, {row, k})) return RowPlace{row, k};
  return std::nullopt;
}

bool FillGap(TMainGame& game, CardId card, RowPlace at, bool automatic) {
  const auto from = PlaceOf(game, card);
  if (!from || !IsGap(game, at)) return false;
  RecordStep(game, HistorySide::Undo);
  if (automatic) {
    PlayIfOn(game, store::SoundsCardUp, "card_up");
    if (game.store().read(store::CardsAnimate) != "N")
      game.ui().flyCards({card}, Corner(CardRect(game, RowPile(from->row), from->place)),
                         Corner(CardRect(game, RowPile(at.row), at.place)));
  }
  game.piles().pile(RowPile(at.row))[static_cast<std::size_t>(at.place)] = card;
  game.piles().pile(RowPile(from->row))[static_cast<std::size_t>(from->place)] = kNoCard;
  SetWonFlag(game);
  FinishFamilyStep(game);
  return true;
}

std::unique_ptr<GameFamily> MakeGapFamily(const FamilyFacts& facts) { return std::make_unique<GapGame>(facts); }

std::unique_ptr<GameFamily> MakeGapLineFamily(const FamilyFacts& facts) { return std::make_unique<GapLine>(facts); }

}  // namespace velmora
