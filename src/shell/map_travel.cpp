// The map window at play: it lies over the scene, its revealed markers
// move while it shows, and a marker takes the player to its scene, with
// a travel sound or a travel movie on the way.
#include <algorithm>

#include "engine/flags.h"
#include "engine/scene_loading.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/sound_channels.h"
#include "platform/text_numbers.h"
#include "shell/display_services.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

// The map is on top of the game: the game window's buttons rest.
constexpr int16_t kMapHover = 98;

MapLocation& Location(Player& p, int k) { return p.map.Location[static_cast<size_t>(k)]; }

void MapLoad(Player& p) {
  MapWindowWindow& map = p.windows.map;
  const ui::Rect scene = p.windows.main.ScnImg.ScreenRect();
  map.window.Move(scene.left, scene.top);
  for (int i = 1; i <= MapState::kLocationCount; ++i) map.Loctn(i).ZOrder();
  if (PictureRef cancel = p.windows.mouse_point.Cancel_Resource.FramePicture(1)) map.ButtnCancel.SetPicture(cancel);
}

void MapActivate(Player& p) {
  MapWindowWindow& map = p.windows.map;
  if (p.map.MapOpening) {
    map.window.SetFocus(&map.Command2);
    LogLine(p, "Map activated.");
  }
  SetTopMost(map.window, true);
  p.windows.main.HoverTarget = kMapHover;
  for (int i = 1; i <= MapState::kLocationCount; ++i) {
    if (map.Loctn(i).visible()) map.Loctn(i).Start();
  }
}

void MarkerMouseMove(Player& p, int k) {
  p.windows.main.HoverTarget = kMapHover;
  ShowPointer(p, Location(p, k).Scene != 0 ? pointer::kHotspot : pointer::kNormal);
}

void MapPictureMouseMove(Player& p) {
  p.windows.main.HoverTarget = kMapHover;
  ShowPointer(p, pointer::kNormal);
}

// A marker chosen: its sound plays, or its movie waits for the scene load;
// a marker that leads somewhere closes the map and goes there.
void MarkerClick(Player& p, int k) {
  const MapLocation location = Location(p, k);
  LogLine(p, "Map Location #" + Num(k) + " clicked (Scene #" + Num(location.Scene) + ").");
  if (location.MediaKind == 1) {
    const std::string ext = qvl::MediaKind(location.MediaFile);
    if (ext == "wav") {
      PlayWAVQVL(p, location.MediaFile, false, channels::kMapLocation, location.Pan, location.Volume);
    } else if (ext == "avi") {
      p.scene.PendingMovie = location.MediaFile;
      p.scene.PendingMovieLevel = static_cast<int16_t>(std::clamp<int32_t>(location.Volume, -32768, 32767));
    }
  }
  if (location.Scene == 0) return;
  p.windows.map.window.Hide();
  p.map.MapOpening = false;
  LoadScene(p, location.Scene);
}

// The map closes without a journey: the markers rest and the scene shows.
void CloseMap(Player& p, const char* line) {
  MapWindowWindow& map = p.windows.map;
  LogLine(p, line);
  map.window.Hide();
  p.windows.main.HoverTarget = kMapHover;
  for (int i = 1; i <= MapState::kLocationCount; ++i) {
    if (map.Loctn(i).visible()) map.Loctn(i).Stop();
  }
  p.loop().DoEvents();
  p.windows.main.Block.Hide();
  p.map.MapOpening = false;
}

}  // namespace

void WireMapWindow(Player& p) {
  MapWindowWindow& map = p.windows.map;
  map.window.on_load = [&p] { MapLoad(p); };
  map.window.on_activate = [&p] { MapActivate(p); };
  map.Image1.on_mouse_move = [&p](const ui::MouseArgs&) { MapPictureMouseMove(p); };
  map.window.on_mouse_move = [&p](const ui::MouseArgs&) { MapPictureMouseMove(p); };
  for (int k = 1; k <= MapState::kLocationCount; ++k) {
    map.Loctn(k).on_mouse_move = [&p, k](const ui::MouseArgs&) { MarkerMouseMove(p, k); };
    map.Loctn(k).on_click = [&p, k](const ui::MouseArgs&) {
      try {
        MarkerClick(p, k);
      } catch (const RuntimeError& error) {
        ReportUnexpected(p, "Loctn_Click", error);
      }
    };
  }
  map.Command1.on_click = [&p](const ui::MouseArgs&) { CloseMap(p, "Map closed by user."); };
  map.ButtnCancel.on_click = [&p](const ui::MouseArgs&) { CloseMap(p, "Map canceled"); };
}

}  // namespace qvl
