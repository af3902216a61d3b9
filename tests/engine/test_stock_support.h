#pragma once
// A game object for the stock and score tests: real games from the rule
// file, or a small table of a few piles with only the rules a case names.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/catalogue_startup.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora::testing {

using RuleSettings = std::initializer_list<std::pair<int, int>>;

class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    game.store().write(store::ScoringMode, "01");
    game.store().write(store::UndoEnabled, "0");
  }

  void start(std::string_view name, std::string_view deal = "0000000000042") {
    const int number = game.catalogue().GameNumberByName(name);
    ASSERT_GE(number, 0) << name;
    game.rules().clearForGame();
    ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    game.store().write(store::DealNumber, deal);
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    game.history().clear();
  }

  // A game of only the rules given, on an empty table, in progress.
  void synthetic(RuleSettings values) {
    game.rules().clearForGame();
    for (const auto& [index, value] : values) game.rules()[index] = static_cast<std::int16_t>(value);
    game.piles().clear();
    game.history().clear();
    game.state().setWord(word::PassCounter, 1);
    game.state().setWord(word::PlayMode, 0);
    game.state().setWord(word::FirstMove, -1);
    game.state().setWord(word::StockPressed, 0);
    game.state().counters[counter::DealCount] = 0;
    game.state().set(flag::GameInProgress, true);
  }

  // Lays a pile from its pile string, every card with the face given.
  void lay(PileRef pile, std::string_view cards, Face face = Face::Up) {
    ASSERT_TRUE(game.piles().setPileString(pile, cards)) << cards;
    for (CardId card : game.piles().pile(pile)) game.cards().setFace(card, face);
  }

  std::string pile(PileRef ref) const { return game.piles().pileString(ref); }
  int size(PileRef ref) const { return static_cast<int>(game.piles().pile(ref).size()); }
  int passes() const { return game.state().word(word::PassCounter); }
  bool faceUp(CardId card) const { return game.cards().isFaceUp(card); }

  bool undo() { return TakeHistoryStep(game, HistorySide::Undo); }
  bool redo() { return TakeHistoryStep(game, HistorySide::Redo); }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

inline constexpr PileRef Tableau(int i) { return {PileGroup::Tableau, i - 1}; }
inline constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k - 1}; }
inline constexpr PileRef Reserve(int j) { return {PileGroup::Reserves, j - 1}; }

}  // namespace velmora::testing
