#include "terminal_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string_view>

#include "headless_game.h"
#include "piles/pile_names.h"
#include "shell/main_game.h"

namespace velmora::cli {
namespace {

constexpr std::array<std::string_view, 4> kSuitSymbols = {"\u2665", "\u2666", "\u2663", "\u2660"};  // ♥♦♣♠
constexpr std::string_view kSuitLetters = "HDCS";
constexpr std::string_view kJoker = "Jk";
constexpr std::string_view kEmptyPile = "--";
constexpr int kPileGap = 2;          // cells between the piles of a line
constexpr int kTopCardsShown = 3;    // of a pile above the tableau
constexpr int kColumnGap = 1;        // cells between the tableau's columns
constexpr int kGroupsAboveTableau = 3;
// The bytes that continue a character of UTF-8 rather than start one.
constexpr unsigned char kUtf8TailMask = 0xc0, kUtf8Tail = 0x80;

TextRun CardRun(CardId card, Symbols symbols) {
  if (IsJoker(card)) return {std::string(kJoker), Ink::Plain};
  return {CardText(card, symbols), IsRed(card) ? Ink::Red : Ink::Black};
}

// Each face-up card a cell and each run of face-down cards one cell that
// counts them; "--" for no cards.
std::vector<TextRun> Cells(std::span<const CardId> pile, const CardTable& cards, Symbols symbols) {
  std::vector<TextRun> cells;
  int faceDown = 0;
  const auto closeRun = [&] {
    if (faceDown > 0) cells.push_back({"[" + std::to_string(faceDown) + "]", Ink::FaceDown});
    faceDown = 0;
  };
  for (CardId card : pile) {
    if (!cards.isFaceUp(card)) {
      ++faceDown;
      continue;
    }
    closeRun();
    cells.push_back(CardRun(card, symbols));
  }
  closeRun();
  if (cells.empty()) cells.push_back({std::string(kEmptyPile), Ink::Plain});
  return cells;
}

// A pile above the tableau: its top cards, after the number of the others.
std::vector<TextRun> TopCells(const Pile& pile, const CardTable& cards, Symbols symbols) {
  std::vector<TextRun> cells = Cells(pile, cards, symbols);
  if (std::ssize(cells) <= kTopCardsShown) return cells;
  const std::span<const CardId> top(pile.end() - kTopCardsShown, pile.end());
  cells = Cells(top, cards, symbols);
  cells.insert(cells.begin(), {"(+" + std::to_string(pile.size() - top.size()) + ")", Ink::FaceDown});
  return cells;
}

// The name, then the cells, one blank apart.
TextLine PileItem(PileRef pile, std::vector<TextRun> cells) {
  TextLine item{{PileName(pile), Ink::PileName}};
  for (TextRun& cell : cells) {
    item.push_back({" ", Ink::Plain});
    item.push_back(std::move(cell));
  }
  return item;
}

void Append(TextLine& line, const TextLine& more) { line.insert(line.end(), more.begin(), more.end()); }

// The items side by side, on as many lines as the width needs; false when
// one item alone is too wide.
bool Flow(const std::vector<TextLine>& items, int columns, std::vector<TextLine>& lines) {
  TextLine line;
  for (const TextLine& item : items) {
    if (LineWidth(item) > columns) return false;
    if (!line.empty() && LineWidth(line) + kPileGap + LineWidth(item) > columns) {
      lines.push_back(std::move(line));
      line.clear();
    }
    if (!line.empty()) line.push_back({std::string(kPileGap, ' '), Ink::Plain});
    Append(line, item);
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return true;
}

int GroupOrder(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return 0;
    case PileGroup::Foundations: return 1;
    case PileGroup::Reserves: return 2;
    case PileGroup::Tableau: break;
  }
  return kGroupsAboveTableau;
}

TextRun Padded(TextRun run, int width) {
  run.text += std::string(static_cast<std::size_t>(std::max(0, width - LineWidth({run}))), ' ');
  return run;
}

// The tableau piles side by side under their names; false when they do not fit across.
bool Columns(const std::vector<PileRef>& piles, const std::vector<std::vector<TextRun>>& cells, int columns,
             std::vector<TextLine>& lines) {
  int width = 0;
  std::size_t depth = 0;
  for (std::size_t i = 0; i < piles.size(); ++i) {
    width = std::max(width, static_cast<int>(PileName(piles[i]).size()));
    for (const TextRun& cell : cells[i]) width = std::max(width, LineWidth({cell}));
    depth = std::max(depth, cells[i].size());
  }
  if (static_cast<int>(piles.size()) * (width + kColumnGap) - kColumnGap > columns) return false;
  TextLine names;
  for (PileRef pile : piles) names.push_back(Padded({PileName(pile), Ink::PileName}, width + kColumnGap));
  lines.push_back(std::move(names));
  for (std::size_t row = 0; row < depth; ++row) {
    TextLine line;
    for (const auto& column : cells)
      line.push_back(Padded(row < column.size() ? column[row] : TextRun{}, width + kColumnGap));
    lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace

int LineWidth(const TextLine& line) {
  int width = 0;
  for (const TextRun& run : line)
    for (const char c : run.text)
      if ((static_cast<unsigned char>(c) & kUtf8TailMask) != kUtf8Tail) ++width;  // a character starts here
  return width;
}

std::string CardText(CardId card, Symbols symbols) {
  if (IsJoker(card)) return std::string(kJoker);
  const int suit = CardSuit(card);
  return RankLabel(CardRank(card)) + (symbols == Symbols::Suits ? std::string(kSuitSymbols.at(suit))
                                                                 : std::string(1, kSuitLetters.at(suit)));
}

std::optional<CardId> CardNamed(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "JK") return kFirstJoker;
  if (upper.size() < 2) return std::nullopt;
  const auto suit = kSuitLetters.find(upper.back());
  upper.pop_back();
  for (int rank = 1; rank <= kRanks && suit != std::string_view::npos; ++rank)
    if (RankLabel(rank) == upper || (rank == 10 && upper == "T")) return MakeCard(static_cast<int>(suit), rank);
  return std::nullopt;
}

std::optional<std::vector<TextLine>> TableText(const TMainGame& game, int columns, int rows, Symbols symbols) {
  std::vector<TextLine> lines;
  std::array<std::vector<TextLine>, kGroupsAboveTableau> groups;
  std::vector<PileRef> tableau;
  std::vector<std::vector<TextRun>> tableauCells;
  for (PileRef pile : PilesInUse(game)) {
    const Pile& cards = game.piles().pile(pile);
    if (pile.group == PileGroup::Tableau) {
      tableau.push_back(pile);
      tableauCells.push_back(Cells(cards, game.cards(), symbols));
    } else {
      groups.at(GroupOrder(pile.group)).push_back(PileItem(pile, TopCells(cards, game.cards(), symbols)));
    }
  }
  for (const auto& group : groups)
    if (!Flow(group, columns, lines)) return std::nullopt;
  if (!tableau.empty()) {
    lines.emplace_back();  // a blank line sets the tableau apart
    if (!Columns(tableau, tableauCells, columns, lines)) {
      for (std::size_t i = 0; i < tableau.size(); ++i) {
        lines.push_back(PileItem(tableau[i], std::move(tableauCells[i])));
        if (LineWidth(lines.back()) > columns) return std::nullopt;
      }
    }
  }
  if (std::ssize(lines) > rows) return std::nullopt;
  return lines;
}

}  // namespace velmora::cli
