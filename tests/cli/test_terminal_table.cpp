// The terminal game's table as text: every pile of a dealt Klondike shown
// under its own name with its cards, suits and ranks as the cards are, and
// no table drawn where it does not fit.
#include <gtest/gtest.h>

#include <sstream>

#include "piles/pile_names.h"
#include "play_script.h"
#include "terminal_table.h"

namespace velmora::cli {
namespace {

constexpr int kWide = 80, kTall = 24;

std::string Plain(const TextLine& line) {
  std::string text;
  for (const TextRun& run : line) text += run.text;
  return text;
}

class TerminalTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const Options options{VELMORA_PROGRAM_DIR, ::testing::TempDir() + "velmora-terminal-table"};
    std::ostringstream err;
    headless_ = DealForScript(options, "1", "42", "test", err);  // Klondike (draw one)
    ASSERT_TRUE(headless_) << err.str();
  }
  const TMainGame& game() { return headless_->game(); }

  std::unique_ptr<HeadlessGame> headless_;
};

TEST(CardTextTest, SuitsAndRanksOfEveryKind) {
  struct Case {
    CardId card;
    const char* suits;
    const char* letters;
  } cases[] = {
      {1, "A\u2665", "AH"},  {10, "10\u2665", "10H"}, {13, "K\u2665", "KH"}, {14, "A\u2666", "AD"},
      {27, "A\u2663", "AC"}, {38, "Q\u2663", "QC"},   {40, "A\u2660", "AS"}, {52, "K\u2660", "KS"},
      {53, "A\u2665", "AH"},  // the second deck's cards look like the first's
      {104, "K\u2660", "KS"}, {105, "Jk", "Jk"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CardText(c.card, Symbols::Suits), c.suits) << c.card;
    EXPECT_EQ(CardText(c.card, Symbols::Letters), c.letters) << c.card;
  }
}

TEST(CardNamedTest, LettersAsTheTableShowsThem) {
  const std::pair<const char*, std::optional<CardId>> cases[] = {
      {"AH", 1},  {"10h", 10}, {"th", 10},           {"kh", 13},           {"AD", 14},           {"jc", 37},
      {"KS", 52}, {"jk", 105}, {"1H", std::nullopt}, {"KX", std::nullopt}, {"K", std::nullopt},  {"", std::nullopt},
      {"11S", std::nullopt},
  };
  for (const auto& [text, card] : cases) EXPECT_EQ(CardNamed(text), card) << text;
}

// Each tableau pile's column under its name: the face-down cards counted,
// then the face-up card as it is.
TEST_F(TerminalTableTest, EveryPileOfTheDealShownWithItsCards) {
  const auto lines = TableText(game(), kWide, kTall, Symbols::Letters);
  ASSERT_TRUE(lines);
  std::string all;
  for (const TextLine& line : *lines) {
    EXPECT_LE(LineWidth(line), kWide) << Plain(line);
    all += Plain(line) + "\n";
  }
  for (PileRef pile : PilesInUse(game())) EXPECT_NE(all.find(PileName(pile) + " "), std::string::npos) << PileName(pile);
  EXPECT_NE(all.find("Mazzo [24]"), std::string::npos) << all;
  EXPECT_NE(all.find("Dest1 --"), std::string::npos) << all;

  const auto header = std::find_if(lines->begin(), lines->end(),
                                   [](const TextLine& line) { return Plain(line).starts_with("Fila1 "); });
  ASSERT_NE(header, lines->end()) << all;
  for (int i = 0; i < 7; ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    const std::size_t column = Plain(*header).find(PileName(pile) + " ");
    std::vector<std::string> cells;
    for (auto row = header + 1; row != lines->end(); ++row) {
      std::istringstream cell(Plain(*row).substr(std::min(column, Plain(*row).size())));
      std::string word;
      if (cell >> word && Plain(*row)[column] != ' ') cells.push_back(word);
    }
    std::vector<std::string> expected;
    if (i > 0) expected.push_back("[" + std::to_string(i) + "]");
    expected.push_back(CardText(game().piles().topCard(pile), Symbols::Letters));
    EXPECT_EQ(cells, expected) << PileName(pile) << "\n" << all;
  }
}

TEST_F(TerminalTableTest, RedCardsInRedAndBlackInBlack) {
  const auto lines = TableText(game(), kWide, kTall, Symbols::Suits);
  ASSERT_TRUE(lines);
  for (const TextLine& line : *lines)
    for (const TextRun& run : line) {
      const bool red = run.text.find("\u2665") != std::string::npos || run.text.find("\u2666") != std::string::npos;
      const bool black = run.text.find("\u2663") != std::string::npos || run.text.find("\u2660") != std::string::npos;
      if (red || black) {
        EXPECT_EQ(run.ink, red ? Ink::Red : Ink::Black) << run.text;
      }
    }
}

// Too narrow for seven columns, the tableau goes one pile a line; too small
// for even that, nothing is drawn.
TEST_F(TerminalTableTest, NarrowTerminalsGetRowsOrNothing) {
  const auto rows = TableText(game(), 40, kTall, Symbols::Letters);
  ASSERT_TRUE(rows);
  std::string all;
  for (const TextLine& line : *rows) {
    EXPECT_LE(LineWidth(line), 40) << Plain(line);
    all += Plain(line) + "\n";
  }
  EXPECT_NE(all.find("Fila7 [6] " + CardText(game().piles().topCard({PileGroup::Tableau, 6}), Symbols::Letters)),
            std::string::npos)
      << all;
  const std::pair<int, int> tooSmall[] = {{kWide, 5}, {11, kTall}, {0, 0}};  // "Mazzo_Vis --" takes 12
  for (auto [columns, rowsAvailable] : tooSmall)
    EXPECT_FALSE(TableText(game(), columns, rowsAvailable, Symbols::Letters)) << columns << " x " << rowsAvailable;
}

}  // namespace
}  // namespace velmora::cli
