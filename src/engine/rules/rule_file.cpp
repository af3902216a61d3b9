#include "rules/rule_file.h"

#include <cstring>
#include <limits>
#include <unordered_set>

#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::size_t kCellWidth = 10;
constexpr std::size_t kFirstCell = 16;  // 0-based start of column 0
constexpr std::size_t kCellStep = 11;   // a cell and its separator

constexpr char kScrambledBlank = ' ' + 48, kScrambledMinus = '-' + 48, kScrambledPlus = '+' + 48;
constexpr char kScrambledZero = '0' + 48;
static_assert(kScrambledBlank == 0x50, "eight scrambled blanks are 0x5050505050505050");

char UnscrambleChar(char c) {
  const auto code = static_cast<unsigned char>(c);
  return static_cast<char>(code >= 80 ? code - 48 : code + 48);
}

// Blanks, a sign, digits, blanks, read straight from the ten scrambled
// characters: the whole file is checked at start-up, cell by cell, so this
// is kept small enough to be inlined. kNotACell for anything else.
constexpr int kNotACell = std::numeric_limits<int>::min();

inline int DecodeScrambledCell(const char* cell) {
  // Most rules hold one digit: a digit and nine blanks.
  std::uint64_t eight;
  std::memcpy(&eight, cell + 1, sizeof eight);
  if (eight == 0x5050505050505050u && cell[9] == kScrambledBlank) {
    const unsigned digit = static_cast<unsigned char>(cell[0]) - static_cast<unsigned char>(kScrambledZero);
    if (digit <= 9) return static_cast<int>(digit);
  }
  const char* first = cell;
  const char* last = cell + kCellWidth;
  while (first < last && *first == kScrambledBlank) ++first;
  while (last > first && last[-1] == kScrambledBlank) --last;
  const bool negative = first < last && *first == kScrambledMinus;
  if (first < last && (*first == kScrambledMinus || *first == kScrambledPlus)) ++first;
  if (first == last) return kNotACell;
  std::int64_t value = 0;
  for (; first < last; ++first) {
    const unsigned digit = static_cast<unsigned char>(*first) - static_cast<unsigned char>(kScrambledZero);
    if (digit > 9) return kNotACell;
    value = value * 10 + digit;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
    return kNotACell;
  return static_cast<int>(value);
}

enum class Section { None, Catalogue, Rules, Selected, Children, Original, Other };

Section SectionOf(std::string_view header) {
  const auto close = header.find(']');
  const std::string_view name = header.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  if (EqualsIgnoringCase(name, "Sect1")) return Section::Catalogue;
  if (EqualsIgnoringCase(name, "Sect2")) return Section::Rules;
  if (EqualsIgnoringCase(name, "SectS")) return Section::Selected;
  if (EqualsIgnoringCase(name, "SectK")) return Section::Children;
  if (EqualsIgnoringCase(name, "SectO")) return Section::Original;
  return Section::Other;
}

struct NumberedLine {
  int number;  // 1-based line of the file
  std::string_view text;
};

struct SectionLines {
  std::vector<NumberedLine> catalogue, rules, selected, children, original;

  std::vector<NumberedLine>* of(Section section) {
    switch (section) {
      case Section::Catalogue: return &catalogue;
      case Section::Rules: return &rules;
      case Section::Selected: return &selected;
      case Section::Children: return &children;
      case Section::Original: return &original;
      default: return nullptr;
    }
  }
};

// Splits the file into the lines of each section; blank lines are skipped.
SectionLines SplitSections(std::string_view text) {
  SectionLines sections;
  Section current = Section::None;
  int number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      current = SectionOf(line);
      continue;
    }
    if (auto* lines = sections.of(current)) lines->push_back({number, line});
  }
  return sections;
}

std::string At(int line) { return "line " + std::to_string(line) + ": "; }

std::optional<std::string> ParseCatalogueLine(const NumberedLine& line, GameEntry& entry) {
  const std::string plain = Unscramble(line.text);
  if (plain.size() < 11) return At(line.number) + "the catalogue line is too short to hold a game";
  const auto type = ParseInteger(std::string_view(plain).substr(0, 3));
  const auto number = ParseInteger(std::string_view(plain).substr(4, 3));
  if (!type) return At(line.number) + "the game type \"" + plain.substr(0, 3) + "\" is not a number";
  if (!number || *number < 0) return At(line.number) + "the game number \"" + plain.substr(4, 3) + "\" is not a number";
  entry.type = static_cast<int>(*type);
  entry.number = static_cast<int>(*number);
  entry.listed = plain[7] != '9';
  entry.wide = plain[8] == '1';
  entry.treeFlag = plain[9];
  entry.name = std::string(TrimRight(std::string_view(plain).substr(10, kLongestGameName)));
  if (entry.name.empty()) return At(line.number) + "game " + std::to_string(entry.number) + " has no name";
  return std::nullopt;
}

std::optional<std::string> ParseCatalogue(const std::vector<NumberedLine>& lines, RuleFileContents& contents) {
  std::unordered_set<int> numbers;
  for (const NumberedLine& line : lines) {
    GameEntry entry;
    if (auto error = ParseCatalogueLine(line, entry)) return error;
    if (!numbers.insert(entry.number).second)
      return At(line.number) + "game number " + std::to_string(entry.number) + " is catalogued twice";
    contents.games.push_back(std::move(entry));
  }
  return std::nullopt;
}

std::optional<std::string> ParseRules(const std::vector<NumberedLine>& lines, RuleFileContents& contents) {
  std::vector<GameEntry*> columns;
  for (GameEntry& game : contents.games)
    if (game.listed) columns.push_back(&game);
  std::array<bool, kRuleCount>& seen = contents.given;
  for (const NumberedLine& line : lines) {
    const auto index = ParseInteger(line.text.substr(0, 4));
    if (!index || *index < 0 || *index >= kRuleCount)
      return At(line.number) + "rule index \"" + std::string(line.text.substr(0, 4)) + "\" is outside 0 to 489";
    const int rule = static_cast<int>(*index);
    auto where = [&] { return At(line.number) + "rule " + std::to_string(rule) + " (" + RuleName(rule) + "): "; };
    if (seen[static_cast<std::size_t>(rule)]) return where() + "the rule is given twice";
    seen[static_cast<std::size_t>(rule)] = true;
    if (!columns.empty() && line.text.size() < kFirstCell + kCellStep * (columns.size() - 1) + kCellWidth) {
      const std::size_t held = line.text.size() < kFirstCell + kCellWidth
                                   ? 0
                                   : (line.text.size() - kFirstCell - kCellWidth) / kCellStep + 1;
      return where() + "short line: it holds cells for " + std::to_string(held) + " of the " +
             std::to_string(columns.size()) + " catalogued games";
    }
    for (std::size_t v = 0; v < columns.size(); ++v) {
      const std::size_t start = kFirstCell + kCellStep * v;
      const int value = DecodeScrambledCell(line.text.data() + start);
      if (value == kNotACell)
        return where() + "the cell of game " + std::to_string(columns[v]->number) + " (column " + std::to_string(v) +
               ") is not a 16-bit number: \"" + Unscramble(line.text.substr(start, kCellWidth)) + "\"";
      columns[v]->rules[static_cast<std::size_t>(rule)] = static_cast<std::int16_t>(value);
    }
  }
  return std::nullopt;
}

std::optional<std::string> ParseFolder(const std::vector<NumberedLine>& lines, std::vector<int>& numbers) {
  for (const NumberedLine& line : lines) {
    const auto number = ParseInteger(TrimRight(Unscramble(line.text)));
    if (!number || *number < 0 || *number > kLargestBuiltInNumber)
      return At(line.number) + "folder entry \"" + Unscramble(line.text) + "\" is not a game number";
    numbers.push_back(static_cast<int>(*number));
  }
  return std::nullopt;
}

std::string CatalogueLine(const GameEntry& game) {
  return FormatNumber(game.type, 3) + " " + FormatNumber(game.number, 3) + (game.listed ? '0' : '9') +
         (game.wide ? '1' : '0') + game.treeFlag + PadOrCut(game.name, kLongestGameName);
}

void WriteFolder(std::string& out, std::string_view header, const std::vector<int>& numbers) {
  out.append(header).append("\r\n");
  for (int number : numbers) out.append(Unscramble(std::to_string(number))).append("\r\n");
}

}  // namespace

std::string Unscramble(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UnscrambleChar(c);
  return out;
}

std::optional<std::int16_t> DecodeCell(std::string_view line, int column) {
  if (column < 0) return std::nullopt;
  const std::size_t start = kFirstCell + kCellStep * static_cast<std::size_t>(column);
  if (line.size() < start + kCellWidth) return std::nullopt;
  const int value = DecodeScrambledCell(line.data() + start);
  if (value == kNotACell) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

RuleFileParse ParseRuleFile(std::string_view text) {
  const SectionLines sections = SplitSections(text);
  RuleFileContents contents;
  if (sections.catalogue.empty()) return {std::nullopt, "the file has no [Sect1] game catalogue"};
  std::optional<std::string> error = ParseCatalogue(sections.catalogue, contents);
  if (!error) error = ParseRules(sections.rules, contents);
  if (!error) error = ParseFolder(sections.selected, contents.selected);
  if (!error) error = ParseFolder(sections.children, contents.children);
  if (!error) error = ParseFolder(sections.original, contents.original);
  if (error) return {std::nullopt, std::move(*error)};
  return {std::move(contents), {}};
}

std::string WriteRuleFile(const RuleFileContents& contents) {
  std::string out = "[Sect1]\r\n";
  for (const GameEntry& game : contents.games) out.append(Unscramble(CatalogueLine(game))).append("\r\n");
  out.append("[Sect2]\r\n");
  for (int rule = 0; rule < kRuleCount; ++rule) {
    out.append(FormatNumber(rule, 4)).append(PadOrCut(" " + RuleName(rule), kFirstCell - 5)).push_back(' ');
    bool first = true;
    for (const GameEntry& game : contents.games) {
      if (!game.listed) continue;
      if (!first) out.push_back(' ');
      first = false;
      out.append(Unscramble(PadOrCut(std::to_string(game.rules[static_cast<std::size_t>(rule)]), kCellWidth)));
    }
    out.append("\r\n");
  }
  WriteFolder(out, "[SectS]", contents.selected);
  WriteFolder(out, "[SectK]", contents.children);
  WriteFolder(out, "[SectO]", contents.original);
  return out;
}

}  // namespace velmora
