#include "cli.h"

namespace velmora::cli {

extern const Command kCheckCommand;

std::span<const Command> Commands() {
  static const Command table[] = {kCheckCommand};
  return table;
}

}  // namespace velmora::cli
