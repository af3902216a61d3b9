#pragma once
// What the player's actions ask of the parts of the program built around
// them: the end of a game and autoplay. Each runs in its place when it is
// set; every game object starts with the program's own, and a test may put
// others in their place.
#include <functional>

namespace velmora {

struct PlaySeams {
  std::function<bool()> gameWonTest;  // after every move: program flag 8
  std::function<void()> endGame;      // after a drop that ended the game
  std::function<void()> autoplay;     // after every release: autoplay's steps
};

}  // namespace velmora
