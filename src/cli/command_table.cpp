#include "cli.h"

namespace velmora::cli {

extern const Command kCheckCommand;
extern const Command kDealCommand;
extern const Command kDeckCommand;
extern const Command kGamesCommand;
extern const Command kLayoutCommand;
extern const Command kPlayCommand;
extern const Command kRulesCommand;
extern const Command kStatsCommand;

std::span<const Command> Commands() {
  static const Command table[] = {kCheckCommand, kDealCommand,   kDeckCommand,
                                  kGamesCommand, kLayoutCommand, kPlayCommand, kRulesCommand, kStatsCommand};
  return table;
}

}  // namespace velmora::cli
