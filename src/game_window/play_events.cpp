#include "game_window/play_events.h"

#include "game_window/examine.h"
#include "game_window/inventory.h"
#include "game_window/object_clicks.h"
#include "shell/closeup.h"
#include "shell/map_locations.h"

namespace qvl {

void WirePlayEvents(Player& p) {
  WireObjectClicks(p);
  WireInventoryBar(p);
  WireExamineButton(p);
  WireMapWindow(p);
  WireCloseupWindow(p);
}

}  // namespace qvl
