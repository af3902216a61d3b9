#pragma once
// The rule file GAMES.DAT: a text file of sections. [Sect1] holds one
// scrambled catalogue line per game; [Sect2] one line per rule index with a
// 10-character scrambled cell per catalogued game; [SectS], [SectK] and
// [SectO] lists of game numbers for the folders of the game selection.
// Reading checks the whole file, so a damaged file is refused with the line
// and the fault named, never half loaded.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/rule_schema.h"

namespace velmora {

// The file's character substitution: a code of 80 or more loses 48, any other
// gains 48. For the codes 32 to 127 it is its own inverse, so the same call
// scrambles and unscrambles.
std::string Unscramble(std::string_view text);

// The value in the cell of `column` (0-based) of a [Sect2] line: the 10
// characters from 1-based position 17 + 11 * column, unscrambled, trailing
// blanks removed, read as a signed 16-bit decimal number. No value for a line
// too short, an empty cell or one that is not such a number.
std::optional<std::int16_t> DecodeCell(std::string_view line, int column);

using RuleValues = std::array<std::int16_t, kRuleCount>;

// One [Sect1] line and, for a catalogued game, its column of rules.
struct GameEntry {
  int type = 0;
  int number = 0;
  bool listed = true;   // character 8 is not "9": catalogued, with a rule column
  bool wide = false;    // character 9 "1": needs a screen 650 pixels wide
  char treeFlag = '0';  // character 10: "1" marks a new game in the selection tree
  std::string name;     // characters 11 to 60, right-trimmed
  RuleValues rules{};   // all 0 for a game that is not catalogued
};

struct RuleFileContents {
  std::vector<GameEntry> games;  // in file order; the catalogued ones give the columns
  std::array<bool, kRuleCount> given{};  // the rule indices that [Sect2] has a line for
  std::vector<int> selected;     // [SectS]
  std::vector<int> children;     // [SectK]
  std::vector<int> original;     // [SectO]
};

struct RuleFileParse {
  std::optional<RuleFileContents> contents;
  std::string error;  // "line 12: ..." when the file is refused
};

RuleFileParse ParseRuleFile(std::string_view text);

// The file in the layout above: [Sect2] lines in index order, the rule's name
// as a comment in characters 5 to 16, lines ending with CR LF.
std::string WriteRuleFile(const RuleFileContents& contents);

inline constexpr int kLongestGameName = 50;
inline constexpr int kLargestBuiltInNumber = 999;  // three digits in the catalogue line

}  // namespace velmora
