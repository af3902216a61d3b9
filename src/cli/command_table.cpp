#include "cli.h"

namespace velmora::cli {

extern const Command kCheckCommand;
extern const Command kDeckCommand;

std::span<const Command> Commands() {
  static const Command table[] = {kCheckCommand, kDeckCommand};
  return table;
}

}  // namespace velmora::cli
