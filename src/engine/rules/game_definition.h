#pragma once
// Readable game definitions: one text file per game, compiled into the rule
// file. A definition gives the catalogue entry, the rules text of the game's
// help page and its rule values by name; a variant names the game it is like
// and lists only what differs.
//
//   # a comment
//   number: 2
//   type: 5
//   name: Klondike (draw three)
//   flags: selected            (new, wide, hidden, selected, children, original)
//   like: klondike-draw-one    (another definition's file name without .game)
//   text: A paragraph of the rules; further text: lines add paragraphs.
//   inexact: where the engine's codes cannot express the game exactly.
//   stock_deal_count = 3
//   tableau_cards[1-7] = 1 2 3 4 5 6 7     (pile ranges, one value or one per pile)
//   tableau_fill[1-7] = king               (values by name or number)
//
// Rules not given are 0. A variant takes the rules, type and text of the game
// it is like; later lines change earlier ones.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/rule_file.h"
#include "rules/rule_schema.h"

namespace velmora {

struct RuleSetting {
  int index;
  std::int16_t value;
};

struct GameDefinition {
  std::string file;  // as named in messages
  std::string id;    // the file name without ".game": what `like:` refers to
  std::optional<int> number;
  std::optional<int> type;
  std::string name;
  std::vector<std::string> flags;
  std::string like;
  std::string text;
  std::string inexact;  // kept for the game's notes; the rule file does not hold it
  std::vector<RuleSetting> settings;
};

// Each message names the file, the line and, for a rule, the rule's name:
// "games/klondike.game:14: tableau_fill[3] = 200 is outside -1 to 96", or
// "... tableau_fill[3] = kings is no name of a fill rule".
struct DefinitionErrors {
  std::vector<std::string> messages;
  bool empty() const { return messages.empty(); }
};

GameDefinition ParseDefinition(std::string_view text, std::string file, std::string id, DefinitionErrors& errors);

// The games of the definitions in number order, variants resolved, every game
// checked for a complete entry, unique numbers and names, and playable rules.
RuleFileContents CompileDefinitions(const std::vector<GameDefinition>& definitions, DefinitionErrors& errors);

// One game of a rule file as a definition (without text, which the rule file
// does not hold), and the file name it is written under.
std::string FormatDefinition(const GameEntry& game, const RuleFileContents& contents);
std::string DefinitionFileName(const GameEntry& game);

// The rules of a game as definitions write them, in rule
// order, a rule per pile up to its last pile that is not 0:
// "tableau_fill[1-8] = any_card", with the meanings of its named values.
struct RuleLine {
  const RuleInfo* info;
  std::string text;
  std::vector<std::string_view> meanings{};
};
// Rules of 0 are left out, or, for a reader, shown for the piles in use
// where 0 has a name ("tableau_direction[1-8] = down").
enum class NamedZeros { Left, ShownForPilesInUse };
std::vector<RuleLine> RuleLines(const RuleValues& rules, NamedZeros zeros);

// A definition's text with every rule value that has a name written by its
// name, as the decompiler writes it; everything else stays as it is.
std::string NameRuleValues(std::string_view text);

}  // namespace velmora
