// Family 40, the clock: the game is lost once all four Kings lie face up on
// pile 13, unless the score is the game's complete score (rule 49).
#include <algorithm>

#include "families/family_kinds.h"
#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kKingsPile = 12;
constexpr int kKings = 4;

class Clock : public GameFamily {
 public:
  using GameFamily::GameFamily;

  void afterScore(TMainGame& game, std::int64_t score) const override {
    if (!game.state().on(flag::GameInProgress) || score == game.rules()[rule::CompleteScore]) return;
    if (KingsFaceUp(game) < kKings) return;
    game.ui().showMessage("Velmora 2001", "The game is lost.", GameUi::Icon::Information);
    game.state().set(flag::GameWon, false);
    if (game.playSeams().endGame) game.playSeams().endGame();
    game.ui().showTable(GameUi::TableChange::Piles);
  }

 private:
  static std::ptrdiff_t KingsFaceUp(const TMainGame& game) {
    const Pile& pile = game.piles().pile({PileGroup::Tableau, kKingsPile});
    return std::count_if(pile.begin(), pile.end(),
                         [&](CardId card) { return CardRank(card) == kRanks && game.cards().isFaceUp(card); });
  }
};

}  // namespace

std::unique_ptr<GameFamily> MakeClockFamily(const FamilyFacts& facts) { return std::make_unique<Clock>(facts); }

}  // namespace velmora
