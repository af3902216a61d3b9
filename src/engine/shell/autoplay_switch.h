#pragma once
// The per-game autoplay switch of section `Autoplay`: one character per
// built-in game in key `Games`, a `Cust_` key per custom game.
#include "files/ini_document.h"

namespace velmora {

inline constexpr int kFirstCustomGame = 8000;

// Whether autoplay is on for that game; a missing entry counts as on.
bool GameAutoplaySwitch(const IniDocument& file, int gameNumber);
void SetGameAutoplaySwitch(IniDocument& file, int gameNumber, bool on);

}  // namespace velmora
