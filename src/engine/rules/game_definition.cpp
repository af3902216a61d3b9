#include "rules/game_definition.h"

#include <algorithm>
#include <map>
#include <set>

#include "game/rule_index.h"
#include "piles/pile_names.h"
#include "rules/game_check.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kFlags[] = {"new", "wide", "hidden", "selected", "children", "original"};
constexpr std::string_view kTextNotInRuleFile = "(The rules text is not held in the rule file.)";

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (true) {
    text = Trim(text);
    if (text.empty()) return words;
    const auto end = text.find_first_of(" \t");
    words.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return words;
    text.remove_prefix(end);
  }
}

bool IsPrintableAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c <= 126; });
}

void Append(std::string& to, std::string_view paragraph) {
  if (!to.empty()) to.push_back('\n');
  to.append(paragraph);
}

std::optional<int> ParseBounded(std::string_view text, int low, int high) {
  const auto value = ParseInteger(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

void ParseHeader(std::string_view key, std::string_view value, int line, GameDefinition& game,
                 DefinitionErrors& errors) {
  auto fail = [&](const std::string& why) { errors.messages.push_back(Where(game.file, line) + why); };
  if (key == "number" || key == "type") {
    const auto number = ParseBounded(value, 0, kLargestBuiltInNumber);
    if (!number) return fail(std::string(key) + " \"" + std::string(value) + "\" is not a number from 0 to 999");
    (key == "number" ? game.number : game.type) = *number;
  } else if (key == "name") {
    if (value.empty() || value.size() > kLongestGameName || !IsPrintableAscii(value))
      return fail("a name has 1 to 50 printable ASCII characters");
    game.name = value;
  } else if (key == "flags") {
    for (std::string_view flag : Words(value)) {
      if (std::find(std::begin(kFlags), std::end(kFlags), flag) == std::end(kFlags))
        return fail("unknown flag \"" + std::string(flag) + "\" (new, wide, hidden, selected, children, original)");
      game.flags.emplace_back(flag);
    }
  } else if (key == "like") {
    game.like = value;
  } else if (key == "text") {
    Append(game.text, value);
  } else if (key == "inexact") {
    Append(game.inexact, value);
  } else {
    fail("unknown heading \"" + std::string(key) + "\" (number, type, name, flags, like, text, inexact)");
  }
}

// "tableau_fill[2-7]" -> the rule and the 1-based piles first..last.
struct RuleTarget {
  const RuleInfo* info = nullptr;
  int first = 1, last = 1;
};

std::optional<RuleTarget> ParseTarget(std::string_view text, std::string& why) {
  RuleTarget target;
  const auto open = text.find('[');
  target.info = FindRule(Trim(text.substr(0, open)));
  if (!target.info) {
    why = "unknown rule \"" + std::string(Trim(text.substr(0, open))) + "\"";
    return std::nullopt;
  }
  const int count = target.info->count;
  if (open == std::string_view::npos) {
    if (count == 1) return target;
    why = std::string(target.info->name) + " is a rule per pile: give the piles, as " + std::string(target.info->name) +
          "[1-" + std::to_string(count) + "]";
    return std::nullopt;
  }
  const auto close = text.find(']', open);
  const std::string_view range = close == std::string_view::npos ? "" : text.substr(open + 1, close - open - 1);
  const auto dash = range.find('-');
  const auto first = ParseBounded(range.substr(0, dash), 1, count);
  const auto last = dash == std::string_view::npos ? first : ParseBounded(range.substr(dash + 1), 1, count);
  if (count == 1 || close != text.size() - 1 || !first || !last || *last < *first) {
    why = "\"" + std::string(text) + "\" does not name piles 1 to " + std::to_string(count) + " of " +
          std::string(target.info->name);
    return std::nullopt;
  }
  target.first = *first;
  target.last = *last;
  return target;
}

// The names of a short kind, " (down, up, up_or_down)", to choose from; a
// long one is left to `velmora-cli rules` and the kind's header.
std::string NamesToChoose(const ValueKind& kind) {
  constexpr std::size_t kNamesWorthListing = 6;
  if (kind.names.size() > kNamesWorthListing || kind.ranksByName) return {};
  std::string list;
  for (const ValueName& entry : kind.names) list.append(list.empty() ? " (" : ", ").append(entry.name);
  return list + ")";
}

// A value by name or number; `why` completes "rule = text" when it is refused.
std::optional<int> ParseValue(const RuleInfo& info, std::string_view text, std::string& why) {
  const ValueKind* kind = ValueKindOf(info);
  const auto number = ParseInteger(text);
  if (!number) {
    if (const ValueName* named = kind ? FindValue(*kind, text) : nullptr) return named->value;
    why = kind ? " is no name of " + std::string(kind->what) + NamesToChoose(*kind) : " is not a number";
    return std::nullopt;
  }
  if (*number < info.min || *number > info.max) {
    why = " is outside " + std::to_string(info.min) + " to " + std::to_string(info.max);
    return std::nullopt;
  }
  const int value = static_cast<int>(*number);
  if (!RuleTakes(info, value)) {
    why = " is not " + std::string(kind->what);
    return std::nullopt;
  }
  return value;
}

// A value as definitions write it: its name, or the number when it has none.
std::string FormatValue(const RuleInfo& info, int value) {
  const ValueKind* kind = ValueKindOf(info);
  const ValueName* named = kind ? FindValue(*kind, value) : nullptr;
  return named ? std::string(named->name) : std::to_string(value);
}

void ParseRuleLine(std::string_view left, std::string_view right, int line, GameDefinition& game,
                   DefinitionErrors& errors) {
  auto fail = [&](const std::string& why) { errors.messages.push_back(Where(game.file, line) + why); };
  std::string why;
  const auto target = ParseTarget(Trim(left), why);
  if (!target) return fail(why);
  const RuleInfo& info = *target->info;
  const auto values = Words(right);
  const int piles = target->last - target->first + 1;
  if (values.size() != 1 && values.size() != static_cast<std::size_t>(piles))
    return fail(std::string(Trim(left)) + " needs one value or " + std::to_string(piles));
  for (int pile = target->first; pile <= target->last; ++pile) {
    const std::string_view text = values.size() == 1 ? values[0] : values[static_cast<std::size_t>(pile - target->first)];
    const int index = info.first + pile - 1;
    const auto value = ParseValue(info, text, why);
    if (!value) return fail(RuleName(index) + " = " + std::string(text) + why);
    game.settings.push_back({index, static_cast<std::int16_t>(*value)});
  }
}

struct Resolved {
  int type = -1;
  std::string text;
  RuleValues rules{};
};

class Compiler {
 public:
  Compiler(const std::vector<GameDefinition>& definitions, DefinitionErrors& errors)
      : definitions_(definitions), errors_(errors) {
    for (const GameDefinition& game : definitions_) byId_.emplace(game.id, &game);
  }

  RuleFileContents compile() {
    std::vector<const GameDefinition*> order;
    for (const GameDefinition& game : definitions_) order.push_back(&game);
    std::sort(order.begin(), order.end(),
              [](auto* a, auto* b) { return a->number.value_or(-1) < b->number.value_or(-1); });
    RuleFileContents contents;
    contents.given.fill(true);
    for (const GameDefinition* game : order)
      if (auto entry = makeEntry(*game)) addEntry(*game, std::move(*entry), contents);
    return contents;
  }

 private:
  std::optional<Resolved> resolve(const GameDefinition& game, std::set<std::string>& visiting) {
    if (!visiting.insert(game.id).second) {
      fail(game, "\"like: " + game.like + "\" leads back to " + game.id);
      return std::nullopt;
    }
    Resolved resolved;
    if (!game.like.empty()) {
      const auto base = byId_.find(game.like);
      if (base == byId_.end()) {
        fail(game, "\"like: " + game.like + "\" names no game definition");
        return std::nullopt;
      }
      auto inherited = resolve(*base->second, visiting);
      if (!inherited) return std::nullopt;
      resolved = std::move(*inherited);
    }
    if (game.type) resolved.type = *game.type;
    if (!game.text.empty()) resolved.text = game.text;
    for (const RuleSetting& setting : game.settings) resolved.rules[static_cast<std::size_t>(setting.index)] = setting.value;
    return resolved;
  }

  std::optional<GameEntry> makeEntry(const GameDefinition& game) {
    std::set<std::string> visiting;
    auto resolved = resolve(game, visiting);
    if (!resolved) return std::nullopt;
    bool complete = true;
    auto require = [&](bool present, std::string_view what) {
      if (!present) fail(game, "the game has no " + std::string(what));
      complete = complete && present;
    };
    require(game.number.has_value(), "number");
    require(!game.name.empty(), "name");
    require(resolved->type >= 0, "type");
    require(!resolved->text.empty(), "rules text (text:)");
    if (!complete) return std::nullopt;
    GameEntry entry;
    entry.number = *game.number;
    entry.type = resolved->type;
    entry.name = game.name;
    entry.listed = !hasFlag(game, "hidden");
    entry.wide = hasFlag(game, "wide");
    entry.treeFlag = hasFlag(game, "new") ? '1' : '0';
    if (entry.listed) {
      entry.rules = resolved->rules;
      for (const std::string& problem : PlayabilityProblems(entry.rules)) fail(game, "unplayable: " + problem);
    }
    return entry;
  }

  void addEntry(const GameDefinition& game, GameEntry entry, RuleFileContents& contents) {
    if (const auto other = numbers_.find(entry.number); other != numbers_.end())
      return fail(game, "number " + std::to_string(entry.number) + " is also the number of " + other->second);
    if (const auto other = names_.find(ToLower(entry.name)); other != names_.end())
      return fail(game, "the name \"" + entry.name + "\" is also the name of " + other->second);
    numbers_.emplace(entry.number, game.file);
    names_.emplace(ToLower(entry.name), game.file);
    if (hasFlag(game, "selected")) contents.selected.push_back(entry.number);
    if (hasFlag(game, "children")) contents.children.push_back(entry.number);
    if (hasFlag(game, "original")) contents.original.push_back(entry.number);
    contents.games.push_back(std::move(entry));
  }

  static bool hasFlag(const GameDefinition& game, std::string_view flag) {
    return std::find(game.flags.begin(), game.flags.end(), flag) != game.flags.end();
  }

  void fail(const GameDefinition& game, const std::string& why) { errors_.messages.push_back(game.file + ": " + why); }

  const std::vector<GameDefinition>& definitions_;
  DefinitionErrors& errors_;
  std::map<std::string, const GameDefinition*> byId_;
  std::map<int, std::string> numbers_;
  std::map<std::string, std::string> names_;
};

bool InFolder(const std::vector<int>& folder, int number) {
  return std::find(folder.begin(), folder.end(), number) != folder.end();
}

std::string FlagsOf(const GameEntry& game, const RuleFileContents& contents) {
  const std::pair<bool, std::string_view> flags[] = {
      {game.treeFlag == '1', "new"},
      {game.wide, "wide"},
      {!game.listed, "hidden"},
      {InFolder(contents.selected, game.number), "selected"},
      {InFolder(contents.children, game.number), "children"},
      {InFolder(contents.original, game.number), "original"},
  };
  std::string text;
  for (const auto& [on, flag] : flags)
    if (on) text.append(text.empty() ? "" : " ").append(flag);
  return text;
}

// The piles a per-pile rule's game uses: its foundations, tableau piles or
// reserves, told apart by how many piles the rule has room for.
int PilesInUse(const RuleInfo& info, const RuleValues& rules) {
  const int countRule = info.count == kFoundations    ? rule::Foundations
                        : info.count == kTableauPiles ? rule::TableauPiles
                        : info.count == kReserves     ? rule::Reserves
                                                      : -1;
  if (countRule < 0) return 0;
  return std::clamp<int>(rules[static_cast<std::size_t>(countRule)], 0, info.count);
}

}  // namespace

GameDefinition ParseDefinition(std::string_view text, std::string file, std::string id, DefinitionErrors& errors) {
  GameDefinition game;
  game.file = std::move(file);
  game.id = std::move(id);
  int line = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view current = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++line;
    current = Trim(current.substr(0, current.find('\r')));
    if (current.empty() || current.front() == '#') continue;
    const auto mark = current.find_first_of(":=");
    if (mark == std::string_view::npos) {
      errors.messages.push_back(Where(game.file, line) + "expected \"heading: text\" or \"rule = value\"");
    } else if (current[mark] == ':') {
      ParseHeader(Trim(current.substr(0, mark)), Trim(current.substr(mark + 1)), line, game, errors);
    } else {
      ParseRuleLine(current.substr(0, mark), current.substr(mark + 1), line, game, errors);
    }
  }
  return game;
}

RuleFileContents CompileDefinitions(const std::vector<GameDefinition>& definitions, DefinitionErrors& errors) {
  return Compiler(definitions, errors).compile();
}

std::string FormatDefinition(const GameEntry& game, const RuleFileContents& contents) {
  std::string out = "number: " + std::to_string(game.number) + "\ntype: " + std::to_string(game.type) +
                    "\nname: " + game.name + "\n";
  if (const std::string flags = FlagsOf(game, contents); !flags.empty()) out += "flags: " + flags + "\n";
  out += "text: " + std::string(kTextNotInRuleFile) + "\n\n";
  for (const RuleLine& line : RuleLines(game.rules, NamedZeros::Left)) out += line.text + "\n";
  return out;
}

std::vector<RuleLine> RuleLines(const RuleValues& rules, NamedZeros zeros) {
  std::vector<RuleLine> lines;
  for (const RuleInfo& info : RuleSchema()) {
    int last = 0;
    for (int k = 0; k < info.count; ++k)
      if (rules[static_cast<std::size_t>(info.first + k)] != 0) last = k + 1;
    const ValueKind* kind = ValueKindOf(info);
    if (zeros == NamedZeros::ShownForPilesInUse && kind && FindValue(*kind, 0))
      last = std::max(last, PilesInUse(info, rules));
    if (last == 0) continue;
    const auto begin = rules.begin() + info.first;
    const bool allEqual = std::all_of(begin, begin + last, [&](std::int16_t v) { return v == *begin; });
    RuleLine line{.info = &info, .text = std::string(info.name)};
    if (info.count > 1) line.text += "[" + (last == 1 ? "1" : "1-" + std::to_string(last)) + "]";
    line.text += " =";
    for (int k = 0; k < (allEqual ? 1 : last); ++k) {
      line.text += " " + FormatValue(info, begin[k]);
      const ValueName* named = kind ? FindValue(*kind, begin[k]) : nullptr;
      if (named && std::find(line.meanings.begin(), line.meanings.end(), named->meaning) == line.meanings.end())
        line.meanings.push_back(named->meaning);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string NameRuleValues(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
    text.remove_prefix(line.size());
    const std::string_view content = Trim(line);
    const auto mark = content.find_first_of(":=");
    std::string why;
    const auto target = content.empty() || content.front() == '#' || mark == std::string_view::npos ||
                                content[mark] != '='
                            ? std::nullopt
                            : ParseTarget(Trim(content.substr(0, mark)), why);
    if (!target) {
      out.append(line);
      continue;
    }
    // Each number of the values becomes its name; the spaces between stay.
    const std::size_t values = line.find('=') + 1;
    out.append(line.substr(0, values));
    std::string_view rest = line.substr(values);
    while (!rest.empty()) {
      const std::size_t word = std::min(rest.find_first_not_of(" \t\r\n"), rest.size());
      out.append(rest.substr(0, word));
      rest.remove_prefix(word);
      const std::size_t length = std::min(rest.find_first_of(" \t\r\n"), rest.size());
      const std::string_view value = rest.substr(0, length);
      const RuleInfo& info = *target->info;
      const auto number = ParseBounded(value, info.min, info.max);
      out.append(number ? FormatValue(info, *number) : std::string(value));
      rest.remove_prefix(length);
    }
  }
  return out;
}

std::string DefinitionFileName(const GameEntry& game) {
  std::string slug;
  for (char c : ToLower(game.name)) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (keep) slug.push_back(c);
    else if (!slug.empty() && slug.back() != '-') slug.push_back('-');
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return FormatNumber(game.number, 3) + "-" + slug + ".game";
}

}  // namespace velmora
