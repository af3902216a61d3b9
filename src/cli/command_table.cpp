#include "cli.h"

namespace velmora::cli {

extern const Command kCheckCommand;
extern const Command kDealCommand;
extern const Command kDeckCommand;
extern const Command kDemoCommand;
extern const Command kGamesCommand;
extern const Command kHintCommand;
extern const Command kLayoutCommand;
extern const Command kPlayCommand;
extern const Command kRulesCommand;
extern const Command kStatsCommand;
extern const Command kTtyCommand;

std::span<const Command> Commands() {
  static const Command table[] = {kCheckCommand,  kDealCommand, kDeckCommand,  kDemoCommand, kGamesCommand, kHintCommand,
                                  kLayoutCommand, kPlayCommand, kRulesCommand, kStatsCommand, kTtyCommand};
  return table;
}

}  // namespace velmora::cli
