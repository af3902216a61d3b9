#include "families/family_clock.h"

#include "families/game_family.h"
#include "shell/main_game.h"
#include "shell/program_state.h"

namespace velmora {

void FamilyClockTick(TMainGame& game, std::int64_t now) {
  if (game.state().on(flag::GameInProgress)) game.family().clockTick(game, now);
}

}  // namespace velmora
