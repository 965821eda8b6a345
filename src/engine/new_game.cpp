#include "engine/new_game.h"

#include <algorithm>

#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "engine/flags.h"
#include "engine/records.h"
#include "engine/scene_loading.h"
#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/general_settings.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game/window_layout.h"
#include "game_window/game_window.h"
#include "game_window/inventory.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

// A control is shown or hidden as the tag of `source` records ("True" or
// "False"); a control whose source records nothing stays as it is.
void RestoreFromTag(ui::Control& control, const ui::Control& source) {
  if (source.tag() == "True") control.Show();
  if (source.tag() == "False") control.Hide();
}

void ResetNewGameState(Player& p) {
  MainWindow& m = p.windows.main;
  p.music.CurrentSoundtrack.clear();
  p.game.CurrentScene = 0;
  p.game.Hand = kNothingInHand;
  for (int i = 1; i <= InventoryState::kSlots; ++i) m.invitem(i).Hide();
  for (size_t n = 1; n <= MapState::kLocationCount; ++n) p.map.Location[n].OnMap = 0;
  p.game.Flags.fill(0);
  for (size_t i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    p.delays.DelayBlocks[i] = false;
    p.scene.RespValue[i] = 0;
    for (size_t r = 1; r <= 3; ++r) p.scene.MtValue[r][i] = 0;
  }
  p.game.LoadedNewScene = false;
  p.game.SceneLoading = false;
  p.map.MapOpening = false;
  m.CurrScore_Small.SetCaption("0");
  m.CurrScore_Large.SetCaption("0");
}

// Marker n of the map window set up from its location record.
void SetUpMarker(Player& p, int16_t n, const data::LocRec& rec) {
  MapWindowWindow& map = p.windows.map;
  ui::AnimatedPicture& marker = map.Loctn(n);
  if (const std::string picture = rec.MarkerPicture.Trimmed(); picture != "(None)") {
    const std::string path = p.AppPath() + "resource\\gfx\\" + picture;
    if (FileExists(p, path)) {
      marker.LoadFile(RealPath(p, path));
    } else {
      marker.SetPicture(map.FNF.picture());
    }
  }
  marker.SetTag(rec.LocName.Trimmed());
  marker.Move(rec.MarkerLeft, rec.MarkerTop);
  MapLocation& location = p.map.Location[static_cast<size_t>(n)];
  location.Scene = rec.LocScene;
  location.MediaKind = rec.PlaysMedia;
  location.MediaFile = rec.LocMedia.Trimmed();
  location.Volume = rec.LocMediaVol;
  location.Pan = rec.LocMediaPan;
  // A location the game has already revealed (a restored game) stays revealed.
  if (rec.VisibleAtStart == 1) location.OnMap = 1;
  marker.SetVisible(rec.VisibleAtStart == 1);
}

}  // namespace

void RestoreOptionalControls(Player& p) {
  MainWindow& m = p.windows.main;
  // Every game has its inventory bar (the credits hide it); the bar's tag
  // tells only whether the game offers the examine button beside it.
  m.InvBar.Show();
  RestoreFromTag(m.ExamineItem, m.InvBar);
  RestoreFromTag(m.SaveGameButtn, m.SaveGameButtn);
  RestoreFromTag(m.SmallScore, m.SmallScore);
  RestoreFromTag(m.LargeScore, m.LargeScore);
}

void ReopenNotifyLog(Player& p) {
  if (p.game.DebugButtonEnabled != 1) return;
  NotifyWindow& notify = p.windows.notify;
  EmptyNotifyLog(p);
  // The game window fills the screen: the log opens where loading puts it,
  // on the screen over the top of the game window, clear of its debug
  // button, and stays in front of it.
  notify.window.Show();
  SetTopMost(notify.window, true);
  p.game.NotifyLogOn = true;
  DebugLine(p, "BUILD DEBUGGING IS ENABLED!");
}

void NewGameLocations(Player& p) {
  try {
    if (p.data.LocCount < 1) return;
    const auto first = ReadRecord<data::LocRec>(p.data.Loc, 1);
    if (const std::string picture = first.MapPicture.Trimmed(); !picture.empty()) {
      p.windows.map.Image1.SetPicture(LoadGamePicture(p, p.AppPath() + "resource\\gfx\\" + picture));
    }
    // The map has twenty markers; locations past them have no place on it.
    const int16_t last = std::min<int16_t>(p.data.LocCount, 20);
    for (int16_t n = 1; n <= last; ++n) {
      const auto rec = ReadRecord<data::LocRec>(p.data.Loc, n);
      const std::string marker = rec.MarkerPicture.Trimmed();
      if (marker.empty() || marker == "Del") continue;
      SetUpMarker(p, n, rec);
    }
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "NewGameLocations", error);
  }
}

void GiveStartingItems(Player& p) {
  ItemImagesWindow& images = p.windows.item_images;
  if (p.data.ItemCount > 0) {
    for (int k = 1; k <= InventoryState::kSlots; ++k) {
      images.ItemIcon(k).SetPicture(images.NoPic.picture());
      images.ItemPoint(k).SetPointer(PointerPicture{images.NoPic.picture()});
      images.ItemHL(k).SetPointer(PointerPicture{images.NoPic.picture()});
    }
  }
  p.inventory = InventoryState{};
  for (int16_t n = 1; n <= p.data.ItemCount; ++n) {
    const auto rec = ReadRecord<data::ItemRec>(p.data.Item, n);
    // The bar has sixteen slots: items marked past them stay out.
    if (rec.StartInInventory != 1 || p.inventory.InvCount >= InventoryState::kSlots) continue;
    AddItem(p, n, add_mode::kAppend, 0);
  }
}

void StartNewGame(Player& p) {
  MainWindow& m = p.windows.main;
  try {
    KickSceneTimer(p);
    p.startup.StartingNewGame = true;
    SetTopMost(p.windows.main_menu.window, false);
    p.windows.main_menu.window.Hide();
    ApplyGenSettings(p, gen_mode::kSaveLoad);
    RestoreOptionalControls(p);
    ApplyGenSettings(p, gen_mode::kIntro);
    ResetNewGameState(p);
    NewGameLocations(p);
    GiveStartingItems(p);
    for (int16_t k = 1; k <= p.inventory.InvCount; ++k) {
      m.invitem(k).SetPicture(p.windows.item_images.ItemIcon(k).picture());
      m.invitem(k).Show();
    }
    p.startup.StartingNewGame = false;
    ReopenNotifyLog(p);
    m.window.Show();
    p.loop().DoEvents();
    LoadScene(p, 1);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "StartNewGame", error);
  }
}

}  // namespace qvl
