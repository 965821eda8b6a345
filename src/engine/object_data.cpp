#include "engine/object_data.h"

#include <initializer_list>

#include "data/object_kinds.h"
#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/hidden_objects.h"
#include "engine/scene_loading.h"
#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

using data::ObjectSlot;
using namespace data::object_kinds;

ObjectSlot& Obj(Player& p, int i) { return p.scene.Rec.slot(i); }

void Yield(Player& p) { p.loop().DoEvents(); }

// The picture an object shows, by kind; empty when it has none.
std::string PictureName(const ObjectSlot& o) {
  switch (o.Kind) {
    case data::kAmbient: return o[ambient::kPicture].Trimmed();
    case data::kGoodie: return o[goodie::kPicture].Trimmed();
    case data::kSwitch: return o[switch_::kPicture].Trimmed();
    case data::kReactor: return o[reactor::kPicture].Trimmed();
    case data::kLink: return o[link::kClickArea] != 0 ? std::string() : o[link::kPicture].Trimmed();
    default: return {};
  }
}

// Prepares one slot once its picture name is known: tag, playback settings and the
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
    case data::kAmbient: SetAnimationMode(gif, o[ambient::kAnimationMode]); break;
    case data::kGoodie: SetAnimationMode(gif, o[goodie::kAnimationMode]); break;
    case data::kLink:
      m.NoGIF(i).SetTag("Link");
      SetAnimationMode(gif, o[link::kAnimationMode]);
      break;
    case data::kSwitch:
      gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
      gif.SetSetting(ui::AnimatedPicture::kSettingOnce, 1);
      break;
    case data::kReactor: SetAnimationMode(gif, o[reactor::kAction]); break;
    case data::kResponder:
      if (o[responder::kTrigger] == responder::trigger::kFlag) {
        s.RespValue[k] = FlagValue(p, o[responder::kCondition.flag]);
      }
      if (o[responder::kTrigger] == responder::trigger::kSound) {
        s.WatchedSound[k] = o[responder::kWatchedSound].Trimmed();
      }
      break;
    case data::kDelay: break;
    case data::kMultiTrigger:
      for (int r = 1; r <= multi_trigger::kRuleCount; ++r) {
        s.MtValue[static_cast<size_t>(r)][k] = FlagValue(p, o[multi_trigger::Rule(r).condition.flag]);
      }
      if (o[multi_trigger::kOnlyOnChange] == 0) {
        CheckEntryMultiTriggers(p);
        if (p.game.LoadedNewScene) {
          LoadScene(p, p.game.PendingScene);
          return false;
        }
      }
      break;
    case data::kConversation: s.ConvValue[k] = FlagValue(p, o[conversation::kShowCondition.flag]); break;
    case data::kFlagConjunction:
      for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
        s.FcValue[static_cast<size_t>(c)][k] = FlagValue(p, o[flag_conjunction::Condition(c).test.flag]);
      }
      break;
    default: break;
  }
  return true;
}

// Loads one slot's picture, or shows the placeholder its kind has.
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
    try {
      gif.LoadFile(RealPath(p, path));
    } catch (const RuntimeError& error) {
      // A picture that cannot be shown is reported as this preparation's
      // error and the object shows the file-not-found picture; the other
      // objects are prepared all the same.
      ReportUnexpected(p, "UpdateObjData", error);
      gif.SetPicture(m.FNF.picture());
      return;
    }
    ++p.scene.GifLoadsStarted;
    ++p.scene.GifLoadsInFlight;
    return;
  }
  const int16_t kind = o.Kind;
  if ((kind == data::kLink && o[link::kClickArea] == 0) || kind == data::kGoodie || kind == data::kSwitch ||
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
bool ShownByMode(Player& p, const ObjectSlot& o, data::ParamField mode, data::ConditionFields condition) {
  return o[mode] == show_mode::kAlways || (o[mode] == show_mode::kWhileCondition && CheckFlag(p, o, condition));
}

// Decides for one slot whether its object is active, and what
// activity itself does (an Ambient's flag action and map location, a
// Switch's look, a Delay's start).
void DecideActivity(Player& p, int i) {
  MainWindow& m = p.windows.main;
  const size_t k = static_cast<size_t>(i);
  bool& active = p.scene.ObjectActive[k];
  ObjectSlot& o = Obj(p, i);
  switch (o.Kind) {
    case data::kAmbient:
      active = ShownByMode(p, o, ambient::kShowMode, ambient::kShowCondition);
      if (active) {
        if (o[ambient::kSetsFlag] == 1) SetFlag(p, o, ambient::kFlagAction);
        if (Obj(p, i)[ambient::kAddsLocation] == 1) AddLocationToMap(p, Obj(p, i)[ambient::kLocation]);
      }
      break;
    case data::kLink: active = ShownByMode(p, o, link::kShowMode, link::kShowCondition); break;
    case data::kGoodie: active = ShownByMode(p, o, goodie::kShowMode, goodie::kShowCondition); break;
    case data::kSwitch:
      active = ShownByMode(p, o, switch_::kShowMode, switch_::kShowCondition);
      if (active) {
        ui::AnimatedPicture& gif = m.Animation(i);
        if (FlagValue(p, o[switch_::kFlag]) != 0) {
          gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 1);
          gif.SetCurrentFrame(gif.FrameCount() - 1);
        } else {
          gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
          gif.SetCurrentFrame(0);
        }
        Yield(p);
      }
      break;
    case data::kReactor: active = ShownByMode(p, o, reactor::kShowMode, reactor::kShowCondition); break;
    case data::kConversation:
      active = ShownByMode(p, o, conversation::kShowMode, conversation::kShowCondition) &&
               p.game.ActiveConversation != i;
      break;
    case data::kResponder:
      active = o[responder::kTrigger] == responder::trigger::kFlag && CheckFlag(p, o, responder::kCondition);
      break;
    case data::kDelay:
      active = o[delay::kDisabled] != 1 && CheckFlag(p, o, delay::kCondition);
      if (active && o[delay::kDisabled] == 0) StartDelay(p, static_cast<int16_t>(i), o[delay::kSeconds]);
      break;
    case data::kMultiTrigger: active = o[multi_trigger::kOnlyOnChange] == 0; break;
    case data::kFlagConjunction: active = o[flag_conjunction::kRepeatable] == 0; break;
    default: break;
  }
}

void ShowAt(ui::Control& control, const ObjectSlot& o) {
  control.Move(o.Left, o.Top);
  control.Show();
}

// Once every slot's activity is decided: shows and sounds an active visible
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
      if (const std::string sound = o[ambient::kSound].Trimmed(); !sound.empty()) {
        PlayWav(p, sound, o[ambient::kAnimationMode] != animation_mode::kOnce,
                ObjectSoundChannel(p, sound_of::kAmbient, i, 1), o[ambient::kSoundPan], o[ambient::kSoundVolume]);
      }
      break;
    case data::kLink:
      if (!active) break;
      if (o[link::kClickArea] != 0) {
        gif.Hide();
        ui::ImageControl& area = m.NoGIF(i);
        area.SetStretch(true);
        area.Move(o.Left, o.Top, CInt(Val(o[link::kAreaWidth].Trimmed())), CInt(Val(o[link::kAreaHeight].Trimmed())));
        area.Show();
      } else {
        m.NoGIF(i).Hide();
        ShowAt(gif, o);
      }
      if (const std::string sound = o[link::kSound].Trimmed(); !sound.empty() && !s.LinkUsed[k]) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kLink, i, 1), o[link::kSoundPan],
                o[link::kSoundVolume]);
      }
      if (Obj(p, i)[link::kAnimationMode] != animation_mode::kOnce && Obj(p, i)[link::kClickArea] == 0 &&
          !s.LinkUsed[k]) {
        gif.Start();
      }
      break;
    case data::kGoodie:
      if (!active) break;
      ShowAt(gif, o);
      if (o[goodie::kAnimationMode] == animation_mode::kOnce) break;
      gif.Start();
      if (const std::string sound = o[goodie::kSound].Trimmed(); !sound.empty()) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kGoodie, i, 1), o[goodie::kSoundPan],
                o[goodie::kSoundVolume]);
      }
      break;
    case data::kSwitch:
      if (!active) break;
      ShowAt(gif, o);
      Yield(p);
      break;
    case data::kReactor: {
      if (!active) break;
      ShowAt(gif, o);
      const int16_t action = o[reactor::kAction];
      if (action == reactor::action::kAnimateOnClick) {
        gif.Stop();
      } else {
        gif.Start();
      }
      if (const std::string sound = o[reactor::kSound].Trimmed();
          (action == reactor::action::kMovieAnimateOnce || action == reactor::action::kMovie) && !sound.empty()) {
        PlayWav(p, sound, true, ObjectSoundChannel(p, sound_of::kReactor, i, 1), o[reactor::kSoundPan],
                o[reactor::kSoundVolume]);
      }
      break;
    }
    case data::kResponder:
      if (o[responder::kOnlyOnChange] == 1) {
        o.Kind = data::kMaskedResponder;
        s.ObjectActive[k] = false;
      }
      break;
    case data::kDelay:
      if (!active) o.Kind = data::kMaskedDelay;
      break;
    case data::kMultiTrigger:
      if (!active) o.Kind = data::kMaskedMultiTrigger;
      break;
    case data::kConversation: {
      const bool shown_at_setup = o[conversation::kShowMode] == show_mode::kAlways;
      if (!active) o.Kind = data::kMaskedConversation;
      return shown_at_setup;
    }
    case data::kFlagConjunction:
      if (o[flag_conjunction::kRepeatable] == 1) {
        o.Kind = data::kMaskedFlagConjunction;
        s.ObjectActive[k] = false;
      }
      break;
    default: break;
  }
  return false;
}

void TakeMasksOff(Player& p) {
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    int16_t& kind = Obj(p, i).Kind;
    kind = data::Unmasked(kind);
  }
}

// The channel field of an object's first, second … sound; 0 (the default
// channel) for a sound the kind has no field for.
int16_t ChannelField(const ObjectSlot& o, int which, std::initializer_list<data::ParamField> fields) {
  if (which < 1 || which > static_cast<int>(fields.size())) return 0;
  return o[fields.begin()[which - 1]];
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
    case animation_mode::kLoop:
      picture.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
      picture.SetSetting(ui::AnimatedPicture::kSettingOnce, 0);
      break;
    case animation_mode::kBackAndForth:
      picture.SetSetting(ui::AnimatedPicture::kSettingDirection, 2);
      picture.SetSetting(ui::AnimatedPicture::kSettingOnce, 0);
      break;
    case animation_mode::kOnce:
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
    case sound_of::kAmbient: field = which == 1 ? o[ambient::kSoundChannel] : 0; break;
    case sound_of::kLink:
      field = ChannelField(o, which, {link::kSoundChannel, link::kClickSoundChannel, link::kItemRequiredSoundChannel});
      break;
    case sound_of::kGoodie:
      field = ChannelField(o, which,
                           {goodie::kSoundChannel, goodie::kPickupSoundChannel, goodie::kItemRequiredSoundChannel});
      break;
    case sound_of::kSwitch:
      field = ChannelField(o, which, {switch_::kSoundChannel, switch_::kItemRequiredSoundChannel});
      break;
    case sound_of::kReactor:
      field = o[reactor::kSoundChannel];
      if (field == -1) return channels::kDialogue;
      break;
    case sound_of::kResponder: field = o[responder::kMediaChannel]; break;
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
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      m.Animation(i).Hide();
      m.NoGIF(i).Hide();
      m.Animation(i).Stop();
    }
    PerSlot<std::string> pictures;
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      pictures[static_cast<size_t>(i)] = PictureName(Obj(p, i));
      if (!PrepareObject(p, i)) return;
    }
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      if (Obj(p, i).Kind != data::kActed) LoadObjectPicture(p, i, pictures[static_cast<size_t>(i)]);
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
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) DecideActivity(p, i);

    int16_t setup_conversation = 0;
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      if (DisplayObject(p, i)) setup_conversation = static_cast<int16_t>(i);
    }
    if (setup_conversation != 0) {
      ShowConversation(p, Obj(p, setup_conversation)[conversation::kConversation], setup_conversation);
    }

    CheckHiddenObjects(p);
    p.game.RestoringGame = false;
    if (p.game.LoadedNewScene) {
      LoadScene(p, p.game.PendingScene);
      return;
    }
    TakeMasksOff(p);
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
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
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    m.Animation(i).on_loaded = [&p] {
      ++p.scene.GifLoadCount;
      if (p.scene.GifLoadsInFlight > 0) --p.scene.GifLoadsInFlight;
    };
  }
  m.BlockTimer.on_tick = [&p] { BlockTimerTick(p); };
  WireConversationBox(p);
}

}  // namespace qvl
