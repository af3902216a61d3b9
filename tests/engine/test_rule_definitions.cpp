// Game definitions: parsing by rule names and pile ranges, variants, the
// refusals of the compiler, and the round trip between the rule file and
// definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/rule_index.h"
#include "rules/game_check.h"
#include "rules/game_definition.h"

namespace velmora {
namespace {

// A small playable game: 52 cards, 4 foundations, 4 piles of 13.
constexpr std::string_view kPlayable =
    "number: 1\ntype: 9\nname: Test Game\ntext: Play it.\n"
    "deck_cards = 52\nfoundations = 4\nfoundation_capacity = 13\n"
    "tableau_piles = 4\ntableau_cards[1-4] = 13\n";

GameDefinition Parse(std::string_view text, std::string id, DefinitionErrors& errors) {
  return ParseDefinition(text, id + ".game", id, errors);
}

std::string AllMessages(const DefinitionErrors& errors) {
  std::string all;
  for (const std::string& message : errors.messages) all += message + "\n";
  return all;
}

TEST(RuleDefinitionTest, RulesAreGivenByNameAndPileRange) {
  DefinitionErrors errors;
  const GameDefinition game = Parse(std::string(kPlayable) +
                                        "# per pile values, and a later line changing one pile\n"
                                        "tableau_face_up[1-4] = 1 2 3 4\ntableau_fill[1-4] = 13\ntableau_fill[2] = -1\n"
                                        "flags: new selected\ninexact: Nothing.\n",
                                    "test", errors);
  const RuleFileContents contents = CompileDefinitions({game}, errors);
  ASSERT_TRUE(errors.empty()) << AllMessages(errors);
  ASSERT_EQ(contents.games.size(), 1u);
  const GameEntry& entry = contents.games[0];
  EXPECT_EQ(entry.number, 1);
  EXPECT_EQ(entry.type, 9);
  EXPECT_EQ(entry.name, "Test Game");
  EXPECT_EQ(entry.treeFlag, '1');
  EXPECT_EQ(contents.selected, std::vector<int>{1});
  EXPECT_EQ(entry.rules[371], 52);
  EXPECT_EQ(entry.rules[375 + 3], 13);
  EXPECT_EQ(entry.rules[415 + 2], 3);
  EXPECT_EQ(entry.rules[132], 13);
  EXPECT_EQ(entry.rules[133], -1);
  EXPECT_EQ(entry.rules[22], 0) << "rules not given are 0";
  EXPECT_EQ(game.inexact, "Nothing.");
}

TEST(RuleDefinitionTest, ValuesAreGivenByNameOrNumber) {
  struct Case {
    std::string_view line;
    int index;
    int value;
  } cases[] = {
      {"tableau_fill[1-4] = king", 132, 13},
      {"tableau_fill[1-4] = any_card", 133, -1},
      {"tableau_fill[1-4] = one_below_base", 132, 91},
      {"tableau_fill[1-4] = single_card", 132, 86},
      {"tableau_fill[1-4] = 12", 132, 12},
      {"foundation_base_rank[1-4] = ace", 55, 1},
      {"tableau_building[1-4] = alternate_colours", 212, 3},
      {"tableau_direction[1-4] = up_or_down", 175, 2},
      {"tableau_unit_size = free_cells_doubled", 13, -7},
      {"tableau_unit_size = 3", 13, 3},
      {"deals = unlimited", 15, -1},
      {"reserve_take = any_fan_card", 14, -11},
  };
  for (const Case& c : cases) {
    DefinitionErrors errors;
    const GameDefinition game = Parse(std::string(kPlayable) + std::string(c.line) + "\n", "test", errors);
    const RuleFileContents contents = CompileDefinitions({game}, errors);
    ASSERT_TRUE(errors.empty()) << c.line << ": " << AllMessages(errors);
    EXPECT_EQ(contents.games.at(0).rules[c.index], c.value) << c.line;
  }
}

// The decompiler writes names where a value has one, numbers elsewhere.
TEST(RuleDefinitionTest, TheDecompilerWritesValuesByName) {
  GameEntry game;
  game.number = 4;
  game.type = 9;
  game.name = "Named";
  game.rules[rule::TableauPiles] = 3;
  game.rules[rule::TableauFill] = 13;
  game.rules[rule::TableauFill + 1] = 5;
  game.rules[rule::TableauFill + 2] = 13;
  game.rules[rule::TableauBuilding] = 3;
  game.rules[rule::TableauUnitSize] = 4;
  game.rules[rule::DealsInAll] = -1;
  const std::string text = FormatDefinition(game, RuleFileContents{});
  for (std::string_view line : {"tableau_fill[1-3] = king five king\n", "tableau_building[1] = alternate_colours\n",
                                "tableau_unit_size = 4\n", "deals = unlimited\n", "tableau_piles = 3\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "in:\n" << text;
}

// Converting a definition to names touches only the values of rule lines.
TEST(RuleDefinitionTest, NamingValuesKeepsEverythingElse) {
  const std::string before =
      "# tableau_fill = 13 stays in a comment\nnumber: 3\ntext: Deal 13 cards = 1 pile.\n\n"
      "tableau_fill[1-3]  =  13 -1 king\ntableau_cards[1-3] = 13\ntableau_unit_size = -7\r\nunknown_rule = 13\n"
      "deals = -1";
  const std::string after =
      "# tableau_fill = 13 stays in a comment\nnumber: 3\ntext: Deal 13 cards = 1 pile.\n\n"
      "tableau_fill[1-3]  =  king any_card king\ntableau_cards[1-3] = 13\ntableau_unit_size = free_cells_doubled\r\n"
      "unknown_rule = 13\ndeals = unlimited";
  EXPECT_EQ(NameRuleValues(before), after);
  EXPECT_EQ(NameRuleValues(after), after);
}

TEST(RuleDefinitionTest, AVariantTakesItsBaseGamesRulesAndText) {
  DefinitionErrors errors;
  const GameDefinition base = Parse(std::string(kPlayable) + "stock_deal_count = 1\n", "base", errors);
  const GameDefinition variant =
      Parse("number: 2\nname: Test Variant\nlike: base\nstock_deal_count = 3\n", "variant", errors);
  const RuleFileContents contents = CompileDefinitions({variant, base}, errors);
  ASSERT_TRUE(errors.empty()) << AllMessages(errors);
  ASSERT_EQ(contents.games.size(), 2u);
  EXPECT_EQ(contents.games[0].number, 1) << "games are written in number order";
  const GameEntry& entry = contents.games[1];
  EXPECT_EQ(entry.type, 9);
  EXPECT_EQ(entry.rules[22], 3);
  EXPECT_EQ(entry.rules[371], 52);
  EXPECT_EQ(contents.games[0].rules[22], 1) << "the base game keeps its own value";
}

TEST(RuleDefinitionTest, FaultsAreRefusedWithFileLineAndRule) {
  const std::string playable(kPlayable);
  struct Case {
    std::string name;
    std::string text;
    std::string expected;
  } cases[] = {
      {"value out of range", playable + "tableau_fill[1-4] = 200\n", "test.game:10: tableau_fill[1] = 200 is outside -1 to 96"},
      {"unknown rule", playable + "stock_cards_dealt = 3\n", "test.game:10: unknown rule \"stock_cards_dealt\""},
      {"pile past the family", playable + "tableau_fill[40-41] = 1\n", "does not name piles 1 to 40 of tableau_fill"},
      {"per-pile rule without piles", playable + "tableau_fill = 13\n", "tableau_fill is a rule per pile"},
      {"piles on a single rule", playable + "deals[1] = 2\n", "does not name piles"},
      {"too few values", playable + "tableau_face_up[1-4] = 1 2\n", "tableau_face_up[1-4] needs one value or 4"},
      {"not a number", playable + "stock_deal_count = many\n", "test.game:10: stock_deal_count = many is not a number"},
      {"name of another rule", playable + "tableau_fill[1-4] = up\n",
       "test.game:10: tableau_fill[1] = up is no name of a fill rule"},
      {"misspelt name", playable + "tableau_building[2] = alternate_colors\n",
       "test.game:10: tableau_building[2] = alternate_colors is no name of a building code"},
      {"misspelt short name", playable + "tableau_direction[1-4] = upward\n",
       "test.game:10: tableau_direction[1] = upward is no name of a direction (down, up, up_or_down)"},
      {"number outside a closed kind", playable + "reserve_take = -12\n",
       "test.game:10: reserve_take = -12 is not a reserve take code"},
      {"negative count without a name", playable + "tableau_unit_size = -2\n",
       "test.game:10: tableau_unit_size = -2 is not a unit size"},
      {"number that is neither rank nor name", playable + "tableau_fill[1-4] = 50\n",
       "test.game:10: tableau_fill[1] = 50 is not a fill rule"},
      {"unknown heading", playable + "author: me\n", "unknown heading \"author\""},
      {"unknown flag", playable + "flags: shiny\n", "unknown flag \"shiny\""},
      {"neither heading nor rule", playable + "just words\n", "test.game:10: expected"},
      {"number too large", playable + "number: 1000\n", "number \"1000\" is not a number from 0 to 999"},
      {"no text", "number: 1\ntype: 9\nname: X\ndeck_cards = 52\n", "test.game: the game has no rules text"},
      {"no number", "type: 9\nname: X\ntext: t\n", "test.game: the game has no number"},
      {"unknown base game", playable + "like: nothing\n", "\"like: nothing\" names no game definition"},
      {"own base game", playable + "like: test\n", "leads back to test"},
      {"deck size", playable + "deck_cards = 53\n", "unplayable: deck_cards is 53; the engine deals 52 or 104 cards"},
      {"foundation without capacity", playable + "foundation_capacity = 0\n", "unplayable: foundation 1 can hold no card"},
      {"too many cards", playable + "stock_cards = 1\n", "unplayable: the deal needs 53 cards, but the deck holds 52"},
      {"cards left over", playable + "tableau_cards[4] = 12\n", "unplayable: the deal places 51 of the deck's 52 cards"},
      {"unused pile", playable + "reserve_cards[2] = 1\n", "unplayable: reserve_cards[2] is set, but reserves is 0"},
      {"unknown building code", playable + "tableau_building[3] = 200\n",
       "test.game:10: tableau_building[3] = 200 is not a building code"},
      {"building name on a free cell", playable + "reserves = 1\nreserve_accepts[1] = in_suit\n",
       "test.game:11: reserve_accepts[1] = in_suit is no name of a reserve code"},
  };
  for (const Case& c : cases) {
    DefinitionErrors errors;
    const GameDefinition game = Parse(c.text, "test", errors);
    CompileDefinitions({game}, errors);
    EXPECT_NE(AllMessages(errors).find(c.expected), std::string::npos) << c.name << ":\n" << AllMessages(errors);
  }
}

TEST(RuleDefinitionTest, NumbersAndNamesAreUnique) {
  DefinitionErrors errors;
  const GameDefinition first = Parse(kPlayable, "first", errors);
  GameDefinition sameNumber = Parse(kPlayable, "same-number", errors);
  sameNumber.name = "Other Name";
  GameDefinition sameName = Parse(kPlayable, "same-name", errors);
  sameName.number = 3;
  sameName.name = "TEST game";
  CompileDefinitions({first, sameNumber, sameName}, errors);
  const std::string all = AllMessages(errors);
  EXPECT_NE(all.find("same-number.game: number 1 is also the number of first.game"), std::string::npos) << all;
  EXPECT_NE(all.find("same-name.game: the name \"TEST game\" is also the name of first.game"), std::string::npos) << all;
}

TEST(RuleDefinitionTest, AHiddenGameNeedsNoPlayableRules) {
  DefinitionErrors errors;
  const GameDefinition game = Parse("number: 5\ntype: 9\nname: Retired\ntext: Gone.\nflags: hidden\n", "retired", errors);
  const RuleFileContents contents = CompileDefinitions({game}, errors);
  ASSERT_TRUE(errors.empty()) << AllMessages(errors);
  EXPECT_FALSE(contents.games.at(0).listed);
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The build's rule file, written back out as definitions and compiled again,
// gives the same file byte for byte.
TEST(RuleDefinitionTest, TheBuiltRuleFileSurvivesTheRoundTrip) {
  const std::string original = ReadFile(std::filesystem::path(VELMORA_PROGRAM_DIR) / "GAMES.DAT");
  const RuleFileParse parse = ParseRuleFile(original);
  ASSERT_TRUE(parse.contents) << parse.error;
  ASSERT_FALSE(parse.contents->games.empty());
  DefinitionErrors errors;
  std::vector<GameDefinition> definitions;
  for (const GameEntry& game : parse.contents->games) {
    const std::string file = DefinitionFileName(game);
    definitions.push_back(ParseDefinition(FormatDefinition(game, *parse.contents), file, file, errors));
  }
  const RuleFileContents compiled = CompileDefinitions(definitions, errors);
  ASSERT_TRUE(errors.empty()) << AllMessages(errors);
  EXPECT_EQ(WriteRuleFile(compiled), original);
}

TEST(RuleDefinitionTest, DefinitionFilesAreNamedByNumberAndName) {
  GameEntry game;
  game.number = 7;
  game.name = "Baker's Dozen (2 decks)";
  EXPECT_EQ(DefinitionFileName(game), "007-baker-s-dozen-2-decks.game");
}

}  // namespace
}  // namespace velmora
