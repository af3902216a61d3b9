#include "commands.h"

#include <algorithm>
#include <string>

#include "rules/rule_record.h"

namespace velmora {
namespace {

// The rules that switch commands of the main window off.
constexpr int kRuleAutoplayAvailable = 19;
constexpr int kRuleNoSaveHoldOrBookmark = 21;
constexpr int kRuleTutorAvailable = 45;

constexpr bool EveryCommandHasOneRow() {
  std::array<int, kCommandCount> rows{};
  for (const CommandRow& row : kCommands) ++rows[static_cast<std::size_t>(row.command)];
  return std::all_of(rows.begin(), rows.end(), [](int n) { return n == 1; });
}
static_assert(EveryCommandHasOneRow());

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

const CommandRow& RowOf(Command command) {
  const auto* row = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [command](const CommandRow& r) { return r.command == command; });
  return *row;  // every command has a row: checked above at compile time
}

bool RulesAllow(RuleGate gate, const RuleRecord& rules) {
  switch (gate) {
    case RuleGate::AutoplayAvailable: return rules[kRuleAutoplayAvailable] != 0;
    case RuleGate::SaveAndHold: return rules[kRuleNoSaveHoldOrBookmark] != 1;
    case RuleGate::Tutor: return rules[kRuleTutorAvailable] == 1;
    case RuleGate::None: break;
  }
  return true;
}

bool HasDisabledGlyph(Command command) {
  return command == Command::Undo || command == Command::Redo || command == Command::Autoplay;
}

std::string FillProgramName(std::string_view text) {
  std::string out(text);
  ReplaceAll(out, "[Program_sw]", kProgramName);
  ReplaceAll(out, "[Program]", kProgramName);
  return out;
}

}  // namespace velmora
