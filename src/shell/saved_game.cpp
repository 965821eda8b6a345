#include "shell/saved_game.h"

#include <cstdio>

#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/new_game.h"
#include "engine/scene_loading.h"
#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/general_settings.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "game_window/inventory.h"
#include "media/soundtrack.h"
#include "platform/cp1252.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

// A saved game's file on disk: the name the player typed (the game's
// single-byte characters) written in UTF-8, as the desktop names files.
std::string SavePath(const Player& p, const std::string& file) {
  return p.startup.SavedFolder + Cp1252ToUtf8(file);
}

bool Yield(Player& p) { return p.loop().DoEvents(); }

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n % 100);
  return text;
}

// The player is asked before an existing saved game is written over.
bool OverwriteAgreed(Player& p, const std::string& file) {
  const MsgAnswer answer = p.runtime().message_boxes().Show(
      p.gen.GameTitle, "The file '" + file + "' already exists.\rWrite over it?", MsgIcon::kExclamation,
      MsgButtons::kYesNo);
  return answer == MsgAnswer::kYes;
}

// Whether a saved game can be played in this game: a scene of the game,
// items of the game, and delays that ran or did not.
bool FitsGame(const Player& p, const data::SaveRec& rec) {
  if (rec.SavedScene < 1 || rec.SavedScene > p.data.SceneCount) return false;
  for (int k = 1; k <= InventoryState::kSlots; ++k) {
    const int16_t item = rec.SavedInventory(k);
    if (item < 0 || item > p.data.ItemCount) return false;
  }
  for (int slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    const int16_t on = rec.SavedDelayOn(slot);
    if (on != 0 && on != 1) return false;
  }
  return true;
}

// The bar holds the saved items again, with their pictures, in their order.
void RestoreInventory(Player& p) {
  MainWindow& m = p.windows.main;
  for (int k = 1; k <= InventoryState::kSlots; ++k) m.invitem(k).Hide();
  p.inventory = InventoryState{};
  const data::SaveRec& saved = p.save_data.Copy;
  for (int k = 1; k <= InventoryState::kSlots; ++k) {
    const int16_t item = saved.SavedInventory(k);
    if (item > 0) AddItem(p, item, add_mode::kAppend, 0);
  }
  for (int16_t k = 1; k <= p.inventory.InvCount; ++k) {
    m.invitem(k).SetPicture(p.windows.item_images.ItemIcon(k).picture());
    m.invitem(k).Show();
  }
}

// Every location the map knows shows its marker; the others are hidden.
void RestoreMapMarkers(Player& p) {
  NewGameLocations(p);
  for (int n = 1; n <= MapState::kLocationCount; ++n) {
    p.windows.map.Loctn(n).SetVisible(p.map.Location[static_cast<size_t>(n)].OnMap == 1);
  }
}

// The Delays' lengths and actions come back; those that were running start
// again from their full length. A length above 999 was kept in
// milliseconds: it is taken in whole seconds.
void RestoreDelays(Player& p) {
  const data::SaveRec& saved = p.save_data.Copy;
  for (int slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    const size_t k = static_cast<size_t>(slot);
    p.delays.DelayBlocks[k] = false;
    p.delays.DelaySeconds[k] = saved.SavedDelaySecs(slot);
    p.scene.DelayAction[k] = FlagAction{saved.SavedDelayP6(slot), saved.SavedDelayP7(slot), saved.SavedDelayP8(slot)};
  }
  for (int16_t slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    if (saved.SavedDelayOn(slot) != 1) continue;
    const size_t k = static_cast<size_t>(slot);
    int16_t seconds = p.delays.DelaySeconds[k];
    if (seconds > 999) seconds = CInt(seconds / 1000.0);
    p.delays.DelaySeconds[k] = seconds;
    LogLine(p, "Starting Delay " + Num(slot) + " from saved game...");
    StartTimer(p, slot, int32_t{seconds} * 1000);
  }
}

}  // namespace

std::string SaveFileName(const std::string& name) {
  if (name.find_first_of("/\\:*?\"<>|") != std::string::npos || name == "." || name == "..") {
    throw RuntimeError(err::kBadFileName)
        .WithCause("save name '" + Cp1252ToUtf8(name) +
                   "' (a saved game's name holds none of / \\ : * ? \" < > | and is not . or ..)");
  }
  std::string file = name;
  if (file.find('.') != std::string::npos && file.size() > 4) file.resize(file.size() - 4);
  return file + ".sav";
}

std::string SaveDateText(const CalendarTime& when) {
  return TwoDigits(when.month) + "-" + TwoDigits(when.day) + "-" + std::to_string(when.year);
}

std::string SaveTimeText(const CalendarTime& when) {
  const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
  return TwoDigits(hour12) + ":" + TwoDigits(when.minute) + (when.hour < 12 ? " AM" : " PM");
}

void SnapshotGameState(Player& p) {
  data::SaveRec& copy = p.save_data.Copy;
  for (int slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    copy.SavedDelayOn(slot) = p.delays.DelayRunning[static_cast<size_t>(slot)] == 1 ? 1 : 0;
  }
  Yield(p);
  for (int slot = 1; slot <= data::SceneRec::kSlotCount; ++slot) {
    const size_t k = static_cast<size_t>(slot);
    copy.SavedDelaySecs(slot) = p.delays.DelaySeconds[k];
    copy.SavedDelayP6(slot) = p.scene.DelayAction[k].flag;
    copy.SavedDelayP7(slot) = p.scene.DelayAction[k].value;
    copy.SavedDelayP8(slot) = p.scene.DelayAction[k].mode;
  }
  Yield(p);
  for (int flag = 1; flag <= GameState::kFlagCount; ++flag) {
    copy.SavedFlags(flag) = p.game.Flags[static_cast<size_t>(flag)];
  }
  Yield(p);
  for (int16_t k = 1; k <= InventoryState::kSlots; ++k) {
    copy.SavedInventory(k) = k > p.inventory.InvCount ? 0 : p.inventory.Slot[static_cast<size_t>(k)].Item;
  }
  Yield(p);
  for (int n = 1; n <= MapState::kLocationCount; ++n) copy.SavedMapLocations(n) = p.map.Location[static_cast<size_t>(n)].OnMap;
  Yield(p);
  copy.SavedScene = p.game.CurrentScene;
  copy.SavedSoundtrack.Set(p.music.CurrentSoundtrack);
  copy.SavedSoundtrackVol = p.music.CurrentSoundtrackVol;
  Yield(p);
}

bool WriteSaveFile(Player& p, const std::string& name, const std::string& description) {
  const std::string file = SaveFileName(name);
  const std::string path = SavePath(p, file);
  if (ItemExist(p, path) && !OverwriteAgreed(p, file)) return false;
  data::SaveRec& copy = p.save_data.Copy;
  const CalendarTime now = p.runtime().clock().LocalTime();
  copy.Description.Set(description);
  copy.SaveDate.Set(SaveDateText(now));
  copy.SaveTime.Set(SaveTimeText(now));
  // An existing file (in any letter case) is replaced as a whole only once
  // the new one has been written.
  ReplaceFileContents(RealPath(p, path), copy.Encode(), p.save_data.WriteBytes);
  return true;
}

void GetGameInfo(Player& p, const std::string& file) {
  SaveGameData& s = p.save_data;
  s.InfoDescription.clear();
  s.InfoDate.clear();
  s.InfoTime.clear();
  try {
    auto saved = data::RecordFile::OpenReadOnly(RealPath(p, SavePath(p, file)), data::SaveRec::kSize);
    const auto rec = saved.Read<data::SaveRec>(1);
    s.InfoDescription = rec.Description.Trimmed();
    s.InfoDate = rec.SaveDate.Trimmed();
    s.InfoTime = rec.SaveTime.Trimmed();
    Yield(p);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "GetGameInfo", error);
  }
}

std::optional<data::SaveRec> ReadSaveFile(Player& p, const std::string& file) {
  data::SaveRec rec;
  {
    auto saved = data::RecordFile::OpenReadOnly(RealPath(p, SavePath(p, file)), data::SaveRec::kSize);
    rec = saved.Read<data::SaveRec>(1);
  }
  if (!FitsGame(p, rec)) {
    p.runtime().message_boxes().Show(
        p.gen.GameTitle,
        "The saved game '" + file + "' is damaged or belongs to another game.\rIt cannot be loaded.",
        MsgIcon::kExclamation, MsgButtons::kOK);
    return std::nullopt;
  }
  return rec;
}

bool LoadSaveFile(Player& p, const std::string& file) {
  std::optional<data::SaveRec> rec = ReadSaveFile(p, file);
  if (!rec) return false;
  ApplyGenSettings(p, gen_mode::kSaveLoad);
  p.windows.main.InvBar.SetEnabled(true);
  p.windows.main.ExamineItem.SetEnabled(true);
  p.save_data.Copy = *rec;
  for (int flag = 1; flag <= GameState::kFlagCount; ++flag) {
    p.game.Flags[static_cast<size_t>(flag)] = rec->SavedFlags(flag);
  }
  for (int n = 1; n <= MapState::kLocationCount; ++n) p.map.Location[static_cast<size_t>(n)].OnMap = rec->SavedMapLocations(n);
  RestoreGame(p);
  return true;
}

void RestoreGame(Player& p) {
  MainWindow& m = p.windows.main;
  const data::SaveRec& saved = p.save_data.Copy;
  KickSceneTimer(p);
  SetTopMost(p.windows.main_menu.window, false);
  p.windows.main_menu.window.Hide();
  RestoreOptionalControls(p);
  if (p.game.ScoreFlag > 0) ShowScore(p);
  RestoreMapMarkers(p);
  RestoreInventory(p);
  ReopenNotifyLog(p);
  m.window.Show();
  p.game.RestoringGame = true;
  p.game.CurrentScene = 0;
  LoadScene(p, saved.SavedScene);
  if (const std::string soundtrack = saved.SavedSoundtrack.Trimmed(); !soundtrack.empty()) {
    Soundtrack(p, soundtrack, saved.SavedSoundtrackVol, false);
  }
  Yield(p);
  RestoreDelays(p);
}

}  // namespace qvl
