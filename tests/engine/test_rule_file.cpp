// The rule file: the character substitution, cell decoding, the keying of
// rule lines by their index, catalogue columns, and the refusal of damaged files.
#include <gtest/gtest.h>

#include "rules/rule_file.h"

namespace velmora {
namespace {

// A [Sect2] line for one rule with the given plain cells.
std::string RuleLine(int index, std::initializer_list<std::string_view> cells) {
  char head[8];
  std::snprintf(head, sizeof head, "%04d", index);
  std::string line = std::string(head) + "            ";
  for (std::string_view cell : cells) {
    std::string padded(cell);
    padded.resize(10, ' ');
    line += Unscramble(padded) + " ";
  }
  return line;
}

std::string CatalogueLine(std::string_view plain) { return Unscramble(plain); }

TEST(RuleFileTest, TheSubstitutionSwapsLettersAndDigitsAndIsItsOwnInverse) {
  EXPECT_EQ(Unscramble("a"), "1");
  EXPECT_EQ(Unscramble("1"), "a");
  EXPECT_EQ(Unscramble(" "), "P");
  for (int code = 32; code <= 127; ++code) {
    const std::string one(1, static_cast<char>(code));
    EXPECT_EQ(Unscramble(Unscramble(one)), one) << code;
  }
}

TEST(RuleFileTest, CellsDecodeAsSigned16BitNumbers) {
  struct Case {
    std::string plainCell;
    std::optional<std::int16_t> value;
  } cases[] = {
      {"-1        ", -1},
      {"0         ", 0},
      {"32767     ", 32767},
      {"-32768    ", -32768},
      {"32768     ", std::nullopt},  // beyond 16 bits
      {"          ", std::nullopt},  // only blanks
      {"1 2       ", std::nullopt},
      {"x1        ", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::string line = "0022            " + Unscramble(c.plainCell);
    EXPECT_EQ(DecodeCell(line, 0), c.value) << "\"" << c.plainCell << "\"";
  }
}

TEST(RuleFileTest, ACellIsReadAtItsColumnsPosition) {
  const std::string line = RuleLine(22, {"1", "3", "-12"});
  EXPECT_EQ(DecodeCell(line, 0), 1);
  EXPECT_EQ(DecodeCell(line, 1), 3);
  EXPECT_EQ(DecodeCell(line, 2), -12);
  EXPECT_EQ(DecodeCell(line, 3), std::nullopt) << "past the end of the line";
  EXPECT_EQ(DecodeCell(line, -1), std::nullopt);
}

TEST(RuleFileTest, RuleLinesAreKeyedByTheirIndexNotTheirPlace) {
  // The lines start at rule 1 and run backwards: no line offset may matter.
  const std::string file = "[Sect1]\n" + CatalogueLine("005 001000Klondike") + "\n[Sect2]\n" +
                           RuleLine(368, {"7"}) + "\n" + RuleLine(22, {"3"}) + "\n" + RuleLine(1, {"2"}) + "\n";
  const RuleFileParse parse = ParseRuleFile(file);
  ASSERT_TRUE(parse.contents) << parse.error;
  const GameEntry& game = parse.contents->games.at(0);
  EXPECT_EQ(game.rules[368], 7);
  EXPECT_EQ(game.rules[22], 3);
  EXPECT_EQ(game.rules[1], 2);
  EXPECT_EQ(game.rules[0], 0);
  EXPECT_TRUE(parse.contents->given[22]);
  EXPECT_FALSE(parse.contents->given[0]);
}

TEST(RuleFileTest, ALineThatIsNotCataloguedHasNoColumn) {
  // Game 2's line is marked "9": game 3 takes column 1, the second cell.
  const std::string file = "[Sect1]\n" + CatalogueLine("005 001000One") + "\n" + CatalogueLine("005 002900Two") +
                           "\n" + CatalogueLine("004 003001Three") + "\n[Sect2]\n" + RuleLine(22, {"1", "3"}) + "\n";
  const RuleFileParse parse = ParseRuleFile(file);
  ASSERT_TRUE(parse.contents) << parse.error;
  const auto& games = parse.contents->games;
  ASSERT_EQ(games.size(), 3u);
  EXPECT_FALSE(games[1].listed);
  EXPECT_EQ(games[1].rules[22], 0);
  EXPECT_EQ(games[2].rules[22], 3);
  EXPECT_EQ(games[2].treeFlag, '1');
  EXPECT_EQ(games[2].name, "Three");
}

TEST(RuleFileTest, DamagedFilesAreRefusedWithTheFaultNamed) {
  const std::string one = "[Sect1]\n" + CatalogueLine("005 001000One") + "\n";
  const std::string two = "[Sect1]\n" + CatalogueLine("005 001000One") + "\n" + CatalogueLine("005 002000Two") + "\n";
  struct Case {
    std::string name;
    std::string file;
    std::string expected;
  } cases[] = {
      {"no catalogue", "[Sect2]\n" + RuleLine(1, {"1"}) + "\n", "no [Sect1]"},
      {"rule index too large", one + "[Sect2]\n" + RuleLine(490, {"1"}) + "\n", "line 4: rule index \"0490\" is outside 0 to 489"},
      {"rule index not a number", one + "[Sect2]\n" + "ab12            " + Unscramble("1         ") + "\n",
       "line 4: rule index \"ab12\" is outside"},
      {"cell not a number", one + "[Sect2]\n" + RuleLine(22, {"x"}) + "\n", "line 4: rule 22 (stock_deal_count): the cell of game 1"},
      {"cell too large", one + "[Sect2]\n" + RuleLine(22, {"70000"}) + "\n", "not a 16-bit number"},
      {"short line", two + "[Sect2]\n" + RuleLine(15, {"1"}) + "\n", "line 5: rule 15 (deals): short line: it holds cells for 1 of the 2"},
      {"rule given twice", one + "[Sect2]\n" + RuleLine(15, {"1"}) + "\n" + RuleLine(15, {"2"}) + "\n", "line 5: rule 15 (deals): the rule is given twice"},
      {"game number twice", one + CatalogueLine("005 001000Again") + "\n", "line 3: game number 1 is catalogued twice"},
      {"game number not a number", "[Sect1]\n" + CatalogueLine("005 0x1000Bad") + "\n", "line 2: the game number"},
      {"catalogue line too short", "[Sect1]\n" + CatalogueLine("005 001") + "\n", "line 2: the catalogue line is too short"},
      {"folder entry", one + "[SectS]\n" + Unscramble("abc") + "\n", "line 4: folder entry \"abc\" is not a game number"},
  };
  for (const Case& c : cases) {
    const RuleFileParse parse = ParseRuleFile(c.file);
    EXPECT_FALSE(parse.contents) << c.name;
    EXPECT_NE(parse.error.find(c.expected), std::string::npos) << c.name << ": " << parse.error;
  }
}

TEST(RuleFileTest, AWrittenFileReadsBackTheSame) {
  RuleFileContents contents;
  contents.given.fill(true);
  GameEntry klondike{5, 1, true, true, '1', "Klondike", {}};
  klondike.rules[22] = 3;
  klondike.rules[15] = -1;
  klondike.rules[489] = 7;
  GameEntry hidden{7, 2, false, false, '0', "Retired", {}};
  GameEntry spider{8, 30, true, false, '0', "Spider+ [two decks]", {}};
  spider.rules[371] = 104;
  contents.games = {klondike, hidden, spider};
  contents.selected = {30, 1};
  contents.original = {2};

  const std::string text = WriteRuleFile(contents);
  const RuleFileParse parse = ParseRuleFile(text);
  ASSERT_TRUE(parse.contents) << parse.error;
  const RuleFileContents& back = *parse.contents;
  ASSERT_EQ(back.games.size(), 3u);
  EXPECT_EQ(back.games[0].rules, klondike.rules);
  EXPECT_TRUE(back.games[0].wide);
  EXPECT_EQ(back.games[0].treeFlag, '1');
  EXPECT_EQ(back.games[2].name, "Spider+ [two decks]");
  EXPECT_EQ(back.games[2].rules[371], 104);
  EXPECT_EQ(back.selected, contents.selected);
  EXPECT_EQ(back.children, contents.children);
  EXPECT_EQ(back.original, contents.original);
  EXPECT_EQ(WriteRuleFile(back), text);

  std::string lineFeedsOnly = text;
  std::erase(lineFeedsOnly, '\r');
  const RuleFileParse fromLineFeeds = ParseRuleFile(lineFeedsOnly);
  ASSERT_TRUE(fromLineFeeds.contents) << "LF line ends: " << fromLineFeeds.error;
  EXPECT_EQ(WriteRuleFile(*fromLineFeeds.contents), text) << "LF line ends read as CR LF ones";
}

}  // namespace
}  // namespace velmora
