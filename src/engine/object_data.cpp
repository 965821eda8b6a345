#include "engine/object_data.h"

#include "app/app_paths.h"
#include "app/error_report.h"
#include "app/player.h"
#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/hidden_objects.h"
#include "engine/scene_loading.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

using data::ObjectKind;
using data::ObjectSlot;

// Kind codes of hidden objects masked while a refresh evaluates them.
constexpr int16_t kMaskedResponder = -2;
constexpr int16_t kMaskedDelay = -3;
constexpr int16_t kMaskedMultiTrigger = -4;
constexpr int16_t kMaskedConversation = -5;
constexpr int16_t kMaskedFlagConjunction = -6;
constexpr int16_t kActed = -1;

ObjectSlot& Obj(Player& p, int i) { return p.scene.Rec.slot(i); }

void Yield(Player& p) { p.loop().DoEvents(); }

// The picture an object shows, by kind; empty when it has none.
std::string PictureName(const ObjectSlot& o) {
  switch (o.Kind) {
    case data::kAmbient:
    case data::kGoodie:
    case data::kSwitch:
    case data::kReactor: return o.Text(1).Trimmed();
    case data::kLink: return o.Param(26) != 0 ? std::string() : o.Text(1).Trimmed();
    default: return {};
  }
}

// Step 3 of the preparation for one slot: tag, playback settings and the
// hidden objects' memory. False when an entry Multi-Trigger loaded another
// scene, which abandons this preparation.
bool PrepareObject(Player& p, int i) {
  MainWindow& m = p.windows.main;
  SceneState& s = p.scene;
  ObjectSlot& o = Obj(p, i);
  ui::AnimatedPicture& gif = m.Animation(i);
  const size_t k = static_cast<size_t>(i);
  gif.SetTag(std::string(data::KindName(o.Kind)));
  gif.SetSetting(ui::AnimatedPicture::kSettingOther, 0);
  switch (o.Kind) {
    case data::kAmbient:
    case data::kGoodie: SetAnimationMode(gif, o.Param(1)); break;
    case data::kLink:
      m.NoGIF(i).SetTag("Link");
      SetAnimationMode(gif, o.Param(2));
      break;
    case data::kSwitch:
      gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
      gif.SetSetting(ui::AnimatedPicture::kSettingOnce, 1);
      break;
    case data::kReactor: SetAnimationMode(gif, o.Param(1)); break;
    case data::kResponder:
      if (o.Param(1) == 1) s.RespValue[k] = FlagValue(p, o.Param(2));
      if (o.Param(1) == 2) s.WatchedSound[k] = o.Text(1).Trimmed();
      break;
    case data::kDelay: break;
    case data::kMultiTrigger:
      for (int r = 1; r <= 3; ++r) s.MtValue[static_cast<size_t>(r)][k] = FlagValue(p, o.Param(2 + 8 * (r - 1)));
      if (o.Param(1) == 0) {
        CheckEntryMultiTriggers(p);
        if (p.game.LoadedNewScene) {
          LoadScene(p, p.game.PendingScene);
          return false;
        }
      }
      break;
    case data::kConversation: s.ConvValue[k] = FlagValue(p, o.Param(3)); break;
    case data::kFlagConjunction:
      for (int c = 1; c <= 6; ++c) s.FcValue[static_cast<size_t>(c)][k] = FlagValue(p, o.Param(3 + 4 * (c - 1)));
      break;
    default: break;
  }
  return true;
}

// Step 4 for one slot: the object's picture, or the placeholder it shows.
void LoadObjectPicture(Player& p, int i, const std::string& name) {
  MainWindow& m = p.windows.main;
  ObjectSlot& o = Obj(p, i);
  ui::AnimatedPicture& gif = m.Animation(i);
  if (!name.empty()) {
    const std::string path = p.AppPath() + "resource\\gfx\\" + name;
    if (!FileExists(p, path)) {
      gif.SetPicture(m.FNF.picture());
      return;
    }
    gif.LoadFile(RealPath(p, path));
    ++p.scene.GifLoadsStarted;
    ++p.scene.GifLoadsInFlight;
    return;
  }
  const int16_t kind = o.Kind;
  if ((kind == data::kLink && o.Param(26) == 0) || kind == data::kGoodie || kind == data::kSwitch ||
      kind == data::kReactor) {
    gif.SetPicture(m.AniGIF1.picture());
  } else if (kind >= data::kResponder && kind <= data::kFlagConjunction) {
    gif.ClearPicture();
    gif.Hide();
  } else if (kind > data::kFlagConjunction) {
    gif.SetPicture(m.UnknownObject.picture());
    gif.Show();
  }
}

// Whether a visible kind or a Conversation is shown by its show mode.
bool ShownByMode(Player& p, int mode, int flag, int op, int value) {
  return mode == 1 || (mode == 2 && CheckFlag(p, flag, op, value));
}

// Step 2 of the refresh for one slot: is the object active, and what
// activity itself does (an Ambient's flag action and map location, a
// Switch's look, a Delay's start).
void DecideActivity(Player& p, int i) {
  MainWindow& m = p.windows.main;
  const size_t k = static_cast<size_t>(i);
  bool& active = p.scene.ObjectActive[k];
  ObjectSlot& o = Obj(p, i);
  switch (o.Kind) {
    case data::kAmbient:
      active = ShownByMode(p, o.Param(5), o.Param(6), o.Param(7), o.Param(8));
      if (active) {
        if (o.Param(9) == 1) SetFlag(p, o.Param(10), o.Param(11), o.Param(12));
        if (Obj(p, i).Param(13) == 1) AddLocationToMap(p, Obj(p, i).Param(14));
      }
      break;
    case data::kLink: active = ShownByMode(p, o.Param(14), o.Param(15), o.Param(16), o.Param(17)); break;
    case data::kGoodie: active = ShownByMode(p, o.Param(12), o.Param(13), o.Param(14), o.Param(15)); break;
    case data::kSwitch:
      active = ShownByMode(p, o.Param(13), o.Param(14), o.Param(15), o.Param(16));
      if (active) {
        ui::AnimatedPicture& gif = m.Animation(i);
        if (FlagValue(p, o.Param(1)) != 0) {
          gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 1);
          gif.SetCurrentFrame(gif.FrameCount() - 1);
        } else {
          gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
          gif.SetCurrentFrame(0);
        }
        Yield(p);
      }
      break;
    case data::kReactor: active = ShownByMode(p, o.Param(5), o.Param(6), o.Param(7), o.Param(8)); break;
    case data::kConversation:
      active = ShownByMode(p, o.Param(2), o.Param(3), o.Param(4), o.Param(5)) && p.game.ActiveConversation != i;
      break;
    case data::kResponder: active = o.Param(1) == 1 && CheckFlag(p, o.Param(2), o.Param(3), o.Param(4)); break;
    case data::kDelay:
      active = o.Param(1) != 1 && CheckFlag(p, o.Param(2), o.Param(3), o.Param(4));
      if (active && o.Param(1) == 0) StartDelay(p, static_cast<int16_t>(i), o.Param(5));
      break;
    case data::kMultiTrigger:
    case data::kFlagConjunction: active = o.Param(1) == 0; break;
    default: break;
  }
}

void ShowAt(ui::Control& control, const ObjectSlot& o) {
  control.Move(o.Left, o.Top);
  control.Show();
}

// Step 3 of the refresh for one slot: shows and sounds an active visible
// object, masks an inactive hidden one. Returns whether the slot holds a
// Conversation shown when the scene is set up.
bool DisplayObject(Player& p, int i) {
  MainWindow& m = p.windows.main;
  SceneState& s = p.scene;
  const size_t k = static_cast<size_t>(i);
  ObjectSlot& o = Obj(p, i);
  ui::AnimatedPicture& gif = m.Animation(i);
  const bool active = s.ObjectActive[k];
  switch (o.Kind) {
    case data::kAmbient:
      if (!active) break;
      ShowAt(gif, o);
      gif.Start();
      if (const std::string sound = o.Text(2).Trimmed(); !sound.empty()) {
        PlayWav(p, sound, o.Param(1) != 3, ObjectSoundChannel(p, sound_of::kAmbient, i, 1), o.Param(4), o.Param(3));
      }
      break;
    case data::kLink:
      if (!active) break;
      if (o.Param(26) != 0) {
        gif.Hide();
        ui::ImageControl& area = m.NoGIF(i);
        area.SetStretch(true);
        area.Move(o.Left, o.Top, CInt(Val(o.Text(6).Trimmed())), CInt(Val(o.Text(5).Trimmed())));
        area.Show();
      } else {
        m.NoGIF(i).Hide();
        ShowAt(gif, o);
      }
      if (const std::string sound = o.Text(2).Trimmed(); !sound.empty() && !s.LinkUsed[k]) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kLink, i, 1), o.Param(4), o.Param(3));
      }
      if (Obj(p, i).Param(2) != 3 && Obj(p, i).Param(26) == 0 && !s.LinkUsed[k]) gif.Start();
      break;
    case data::kGoodie:
      if (!active) break;
      ShowAt(gif, o);
      if (o.Param(1) == 3) break;
      gif.Start();
      if (const std::string sound = o.Text(2).Trimmed(); !sound.empty()) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kGoodie, i, 1), o.Param(3), o.Param(2));
      }
      break;
    case data::kSwitch:
      if (!active) break;
      ShowAt(gif, o);
      Yield(p);
      break;
    case data::kReactor:
      if (!active) break;
      ShowAt(gif, o);
      if (o.Param(1) == 5) {
        gif.Stop();
      } else {
        gif.Start();
      }
      if (const std::string sound = o.Text(3).Trimmed();
          (o.Param(1) == 3 || o.Param(1) == 4) && !sound.empty()) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kReactor, i, 1), o.Param(4), o.Param(3));
      }
      break;
    case data::kResponder:
      if (o.Param(5) == 1) {
        o.Kind = kMaskedResponder;
        s.ObjectActive[k] = false;
      }
      break;
    case data::kDelay:
      if (!active) o.Kind = kMaskedDelay;
      break;
    case data::kMultiTrigger:
      if (!active) o.Kind = kMaskedMultiTrigger;
      break;
    case data::kConversation: {
      const bool shown_at_setup = o.Param(2) == 1;
      if (!active) o.Kind = kMaskedConversation;
      return shown_at_setup;
    }
    case data::kFlagConjunction:
      if (o.Param(1) == 1) {
        o.Kind = kMaskedFlagConjunction;
        s.ObjectActive[k] = false;
      }
      break;
    default: break;
  }
  return false;
}

void TakeMasksOff(Player& p) {
  for (int i = 1; i <= 20; ++i) {
    int16_t& kind = Obj(p, i).Kind;
    if (kind <= kMaskedResponder && kind >= kMaskedFlagConjunction) {
      kind = static_cast<int16_t>(data::kResponder + (kMaskedResponder - kind));
    }
  }
}

void BlockTimerTick(Player& p) {
  MainWindow& m = p.windows.main;
  m.BlockTimer.SetTimerEnabled(false);
  m.Block.Hide();
  ShowItemOrNormalPointer(p);
}

}  // namespace

void SetAnimationMode(ui::AnimatedPicture& picture, int mode) {
  switch (mode) {
    case 1:
      picture.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
      picture.SetSetting(ui::AnimatedPicture::kSettingOnce, 0);
      break;
    case 2:
      picture.SetSetting(ui::AnimatedPicture::kSettingDirection, 2);
      picture.SetSetting(ui::AnimatedPicture::kSettingOnce, 0);
      break;
    case 3:
      picture.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
      picture.SetSetting(ui::AnimatedPicture::kSettingOnce, 1);
      break;
    default: break;
  }
}

int16_t ObjectSoundChannel(Player& p, int selector, int slot, int which) {
  const ObjectSlot& o = Obj(p, slot);
  int16_t field = 0;
  switch (selector) {
    case sound_of::kAmbient: field = which == 1 ? o.Param(15) : 0; break;
    case sound_of::kLink: field = which >= 1 && which <= 3 ? o.Param(22 + which) : 0; break;
    case sound_of::kGoodie: field = which >= 1 && which <= 3 ? o.Param(19 + which) : 0; break;
    case sound_of::kSwitch: field = which == 1 || which == 2 ? o.Param(16 + which) : 0; break;
    case sound_of::kReactor:
      field = o.Param(16);
      if (field == -1) return channels::kDialogue;
      break;
    case sound_of::kResponder: field = o.Param(21); break;
    default: break;
  }
  if (field == 0 || field == -1) return static_cast<int16_t>(slot <= 13 ? slot : slot - 13);
  return field;
}

void UpdateObjData(Player& p) {
  MainWindow& m = p.windows.main;
  SceneState& s = p.scene;
  try {
    s.GifLoadCount = 0;
    s.GifLoadsStarted = 0;
    for (int i = 1; i <= 20; ++i) {
      m.Animation(i).Hide();
      m.NoGIF(i).Hide();
      m.Animation(i).Stop();
    }
    std::array<std::string, 21> pictures;
    for (int i = 1; i <= 20; ++i) {
      pictures[static_cast<size_t>(i)] = PictureName(Obj(p, i));
      if (!PrepareObject(p, i)) return;
    }
    for (int i = 1; i <= 20; ++i) {
      if (Obj(p, i).Kind != kActed) LoadObjectPicture(p, i, pictures[static_cast<size_t>(i)]);
      Yield(p);
    }
    p.loop().WaitUntil([&s] { return s.GifLoadCount >= s.GifLoadsStarted || s.GifLoadsInFlight == 0; });
    UpdateObjData2(p);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "UpdateObjData", error);
  }
}

void UpdateObjData2(Player& p) {
  // The game has ended (or not begun): there is no scene to refresh.
  if (p.game.CurrentScene == 0) return;
  MainWindow& m = p.windows.main;
  SceneState& s = p.scene;
  try {
    s.ObjectActive.fill(false);
    for (int i = 1; i <= 20; ++i) DecideActivity(p, i);

    int16_t setup_conversation = 0;
    for (int i = 1; i <= 20; ++i) {
      if (DisplayObject(p, i)) setup_conversation = static_cast<int16_t>(i);
    }
    if (setup_conversation != 0) ShowConversation(p, Obj(p, setup_conversation).Param(1), setup_conversation);

    CheckHiddenObjects(p);
    p.game.RestoringGame = false;
    if (p.game.LoadedNewScene) {
      LoadScene(p, p.game.PendingScene);
      return;
    }
    TakeMasksOff(p);
    for (int i = 1; i <= 20; ++i) {
      if (!s.ObjectActive[static_cast<size_t>(i)]) {
        m.Animation(i).Hide();
        m.NoGIF(i).Hide();
      }
      Yield(p);
    }
    p.game.SceneSettled = false;
    m.ScnTimer.SetTimerEnabled(true);
    p.loop().WaitUntil([&p] { return p.game.SceneSettled; });
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "UpdateObjData2", error);
  }
}

void WireSceneEngine(Player& p) {
  MainWindow& m = p.windows.main;
  for (int i = 1; i <= 20; ++i) {
    m.Animation(i).on_loaded = [&p] {
      ++p.scene.GifLoadCount;
      if (p.scene.GifLoadsInFlight > 0) --p.scene.GifLoadsInFlight;
    };
  }
  m.BlockTimer.on_tick = [&p] { BlockTimerTick(p); };
  WireConversationBox(p);
}

}  // namespace qvl
