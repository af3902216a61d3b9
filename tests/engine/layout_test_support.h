#pragma once
// Shared helpers of the layout tests: the games of the rule file, a usual
// playing area, and rectangle checks.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "table/card_size.h"
#include "layout/layout_area.h"
#include "layout/table_layout.h"
#include "rules/load_game_rules.h"

namespace velmora::testing {

// The rule file the build made, loaded once for all layout tests.
inline const Catalogue& BuiltInGames() {
  static Catalogue catalogue;
  static const bool loaded = [] {
    const auto failure = catalogue.loadRuleFile(std::string(VELMORA_PROGRAM_DIR) + "/GAMES.DAT");
    EXPECT_FALSE(failure.has_value()) << *failure;
    return !failure.has_value();
  }();
  EXPECT_TRUE(loaded);
  return catalogue;
}

inline RuleRecord RulesOfGame(std::string_view name) {
  RuleRecord rules;
  const int number = BuiltInGames().GameNumberByName(name);
  EXPECT_GE(number, 0) << name;
  EXPECT_TRUE(LoadGameRules(BuiltInGames(), number, rules)) << name;
  return rules;
}

// A maximised window on a 1280 x 800 screen: the toolbar ends at y 60, the
// client area at 740, a 16-pixel scroll bar leaves W = 1264, shadows on.
inline LayoutArea Screen1280(char size) {
  const CardDimensions card = CardSizeFor(size);
  return {.cardWidth = card.width, .cardHeight = card.height, .shadowDepth = 9, .top = 60, .bottom = 740,
          .windowHeight = 800, .width = 1264, .screenWidth = 1280, .screenHeight = 800};
}

inline bool Overlap(TablePoint a, TablePoint b, int cw, int ch) {
  return a.x < b.x + cw && b.x < a.x + cw && a.y < b.y + ch && b.y < a.y + ch;
}

}  // namespace velmora::testing
