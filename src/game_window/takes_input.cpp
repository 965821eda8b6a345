#include "game_window/takes_input.h"

#include "game/player.h"
#include "game_window/pointers.h"

namespace qvl {

namespace {

// The cover is over the scene on screen for the last moments of a scene
// load (its timer takes it away), and no modal window is in front of it to
// take the person's clicks. A cover that nothing will take away (a load
// that failed) does not hold the person back from the rest of the game.
bool SceneCovered(Player& p) {
  const MainWindow& m = p.windows.main;
  return m.Block.ShownOnScreen() && m.BlockTimer.timer_enabled() && p.runtime().windows().modal() == nullptr;
}

}  // namespace

bool PlayerTakesInput(Player& p) {
  return p.loop().WaitsOnlyForInput() && !WaitPointerShows(p) && !SceneCovered(p);
}

}  // namespace qvl
