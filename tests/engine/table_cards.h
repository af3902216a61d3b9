#pragma once
// How the play tests write cards and piles: H(7) is the seven of hearts,
// Tab(1) the first tableau pile; and a named game dealt and laid out on a
// window of 1280 x 800 pixels, as the positions of those tests need it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "cards/card.h"
#include "game/new_game.h"
#include "layout/table_layout.h"
#include "piles/pile_names.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"

namespace velmora::testing {

inline constexpr int A = 1, Q = 12, K = 13;
constexpr CardId H(int rank) { return MakeCard(Hearts, rank); }
constexpr CardId D(int rank) { return MakeCard(Diamonds, rank); }
constexpr CardId C(int rank) { return MakeCard(Clubs, rank); }
constexpr CardId S(int rank) { return MakeCard(Spades, rank); }

constexpr PileRef Found(int k) { return {PileGroup::Foundations, k - 1}; }
constexpr PileRef Tab(int i) { return {PileGroup::Tableau, i - 1}; }
constexpr PileRef Res(int j) { return {PileGroup::Reserves, j - 1}; }

// The pile string of these cards.
inline std::string Ids(std::initializer_list<CardId> cards) {
  std::string text;
  for (CardId card : cards) text += CardIdText(card);
  return text;
}

// Deal 42 of the named game, laid out at card size "B", with no undo step.
inline void DealLaidOut(TMainGame& game, std::string_view name) {
  const int number = game.catalogue().GameNumberByName(name);
  ASSERT_GE(number, 0) << name;
  game.rules().clearForGame();
  ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
  game.store().write(store::DealNumber, "0000000000042");
  ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
  const LayoutArea area{.cardWidth = 71, .cardHeight = 96, .top = 5, .bottom = 799, .windowHeight = 800,
                        .width = 1280, .screenWidth = 1280, .screenHeight = 800};
  game.layout() = LayOutTable(game.rules(), 'B', area);
  game.history().clear();
}

}  // namespace velmora::testing
