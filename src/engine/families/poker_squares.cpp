// Poker squares: the score of the grid, line by line, and its announcement.
#include "families/poker_squares.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "families/family_kinds.h"
#include "families/poker_hands.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kGridSide = 5;
constexpr int kLines = 2 * kGridSide;       // five rows, then five columns
constexpr int kAnnouncePauseMs = 500;        // each announced line stays highlighted this long

using LinePiles = std::array<int, kGridSide>;  // tableau pile indexes, 0 to 24

// Line 0 to 4 is a row (piles 5r to 5r + 4), 5 to 9 a column (c, c + 5, ...).
constexpr LinePiles PilesOfLine(int line) {
  LinePiles piles{};
  for (int i = 0; i < kGridSide; ++i)
    piles[i] = line < kGridSide ? kGridSide * line + i : (line - kGridSide) + kGridSide * i;
  return piles;
}

struct Announcement {
  HandScore hand;
  PokerHand cards;
};

// The line's hand when each of its places holds a card.
std::optional<PokerHand> HandOfLine(const PokerGrid& grid, int line) {
  PokerHand hand{};
  const LinePiles piles = PilesOfLine(line);
  for (int i = 0; i < kGridSide; ++i) {
    hand[i] = grid[static_cast<std::size_t>(piles[i])];
    if (hand[i] == kNoCard) return std::nullopt;
  }
  return hand;
}

bool HoldsAny(const PokerHand& hand, std::span<const CardId> cards) {
  return std::ranges::any_of(cards, [&](CardId card) { return std::ranges::count(hand, card) > 0; });
}

std::string Points(std::int64_t points) { return std::to_string(points) + " points"; }
std::string TotalLine(std::int64_t total) { return "Total: " + Points(total); }

void Announce(TMainGame& game, const std::vector<Announcement>& lines, std::int64_t total) {
  std::int64_t running = total;
  for (const Announcement& line : lines) running -= line.hand.points;
  GameUi& ui = game.ui();
  for (const Announcement& line : lines) {
    running += line.hand.points;
    ui.showResultPanel({std::string(line.hand.name), Points(line.hand.points), TotalLine(running)});
    ui.showScore(running);
    ui.highlightCards({line.cards.begin(), line.cards.end()});
    if (game.store().isOn(store::SoundsPairing)) ui.playSound("Pairing");
    ui.pauseFor(kAnnouncePauseMs);
    ui.highlightCards({});
  }
}

class PokerSquares : public GameFamily {
 public:
  using GameFamily::GameFamily;

  void afterMove(TMainGame& game, CardId card, PileRef /*from*/, PileRef /*to*/) const override {
    PokerScore(game, card);
  }
  void recountOwnScore(TMainGame& game) const override { PokerScore(game, kAnnounceNothing); }
};

}  // namespace

PokerGrid GridOf(const TMainGame& game) {
  PokerGrid grid{};
  for (int i = 0; i < kGridPlaces; ++i) {
    const Pile& pile = game.piles().pile({PileGroup::Tableau, i});
    grid[static_cast<std::size_t>(i)] = pile.empty() ? kNoCard : pile.front();
  }
  return grid;
}

std::int64_t GridScore(const PokerGrid& grid) {
  std::int64_t total = 0;
  for (int line = 0; line < kLines; ++line)
    if (const auto hand = HandOfLine(grid, line)) total += HandValue(*hand).points;
  return total;
}

std::int64_t PokerScore(TMainGame& game, CardId announce) {
  if (announce == kAnnounceNothing) return PokerScore(game, std::span<const CardId>{});
  return PokerScore(game, std::span<const CardId>(&announce, 1));
}

std::int64_t PokerScore(TMainGame& game, std::span<const CardId> announce) {
  const PokerGrid grid = GridOf(game);
  std::int64_t total = 0;
  std::vector<Announcement> announced;
  for (int line = 0; line < kLines; ++line) {
    const auto hand = HandOfLine(grid, line);
    if (!hand) continue;
    const HandScore score = HandValue(*hand);
    if (score.points == 0) continue;
    total += score.points;
    if (HoldsAny(*hand, announce)) announced.push_back({score, *hand});
  }
  Announce(game, announced, total);
  if (announced.empty()) game.ui().showResultPanel({"", "", TotalLine(total)});
  game.ui().showScore(total);
  game.store().writeNumber(store::Score, total);
  return total;
}

std::unique_ptr<GameFamily> MakePokerSquaresFamily(const FamilyFacts& facts) {
  return std::make_unique<PokerSquares>(facts);
}

}  // namespace velmora
