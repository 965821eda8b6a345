#include "shell/map_locations.h"

#include "game/notify_log.h"
#include "game/player.h"

namespace qvl {

void AddLocationToMap(Player& p, int16_t n) {
  if (n == 0) return;
  if (n < 1 || n > MapState::kLocationCount) {
    throw RuntimeError(err::kSubscript)
        .WithCause("map location " + std::to_string(n) + " (the map has 1 to " + std::to_string(MapState::kLocationCount) +
                   ")");
  }
  p.map.Location[static_cast<size_t>(n)].OnMap = 1;
  p.windows.map.Loctn(n).Show();
  LogLine(p, "Location #" + Num(n) + " added to Map.");
}

void ShowMapWindowModal(Player& p) {
  p.map.MapOpening = true;
  p.windows.map.window.ShowModal();
}

void ClearMap(Player& p) {
  for (int n = 1; n <= MapState::kLocationCount; ++n) p.map.Location[static_cast<size_t>(n)].OnMap = 0;
  p.map.MapOpening = false;
}

}  // namespace qvl
