#include "game_window/object_clicks.h"

#include "data/object_kinds.h"
#include "engine/flags.h"
#include "engine/object_data.h"
#include "engine/scene_loading.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "game_window/inventory.h"
#include "game_window/mouse_point.h"
#include "game_window/object_pointers.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"
#include "platform/text_numbers.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

using data::ObjectSlot;
using namespace data::object_kinds;

int16_t HeldItem(const Player& p) {
  return ItemInHand(p) ? p.inventory.Slot[static_cast<size_t>(p.game.Hand)].Item : int16_t{0};
}

// A sound of an object; the game's default object sound when the object
// names none, and silence when the game has none either.
void PlayOrDefault(Player& p, const std::string& file, int16_t channel, int32_t pan, int32_t volume) {
  if (!file.empty()) {
    PlayWAVQVL(p, file, false, channel, pan, volume);
  } else if (const SoundSetting& sound = p.gen.ObjectSound; !sound.file.empty()) {
    PlayWAVQVL(p, sound.file, false, channel, sound.pan, sound.vol);
  }
}

// The held item does not fit: its own refusal sound on the dialogue channel.
void PlayRefusal(Player& p) {
  const InventorySlot& held = p.inventory.Slot[static_cast<size_t>(p.game.Hand)];
  PlayOrDefault(p, held.RefusalSound, channels::kDialogue, held.RefusalSoundPan, held.RefusalSoundVol);
}

// What a Link, Goodie or Switch asks to have in hand, from its own fields.
struct ItemNeed {
  const char* kind_word = "";  // how the log names the kind
  bool required = false;
  int16_t item = 0;
  std::string sound;  // played when nothing is in hand
  int32_t volume = 0;
  int32_t pan = 0;
  int16_t channel = 0;
};

ItemNeed NeedOf(Player& p, int i, const char* kind_word, int selector, int which, data::ItemRequirementFields fields,
               data::TextField sound) {
  const ObjectSlot& o = p.scene.Rec.slot(i);
  return {.kind_word = kind_word,
          .required = o[fields.requires_item] == 1,
          .item = o[fields.item],
          .sound = o[sound].Trimmed(),
          .volume = o[fields.sound_volume],
          .pan = o[fields.sound_pan],
          .channel = ObjectSoundChannel(p, selector, i, which)};
}

ItemNeed LinkNeed(Player& p, int i) {
  return NeedOf(p, i, "HotSpot", sound_of::kLink, 3, link::kItemRequirement, link::kItemRequiredSound);
}
ItemNeed GoodieNeed(Player& p, int i) {
  return NeedOf(p, i, "Goodie", sound_of::kGoodie, 3, goodie::kItemRequirement, goodie::kItemRequiredSound);
}
// A Switch has channel fields for two sounds only; its item-required
// sound plays on the second.
ItemNeed SwitchNeed(Player& p, int i) {
  return NeedOf(p, i, "Switch", sound_of::kSwitch, 2, switch_::kItemRequirement, switch_::kItemRequiredSound);
}

enum class Requirement {
  kNoItem,     // the object asks for nothing: an ordinary click
  kItemUsed,   // the required item is in hand and is used
  kWrongItem,  // another item is in hand
  kRefused,    // nothing in hand: the click has ended
};

std::string RequiresLine(const ItemNeed& need, int slot) {
  return std::string("*** ") + need.kind_word + " (Object #" + Num(slot) + ") requires Inventory Item #" +
         Num(need.item) + "!***";
}

Requirement CheckRequirement(Player& p, const ItemNeed& need, int slot) {
  if (!need.required) return Requirement::kNoItem;
  if (!ItemInHand(p)) {
    LogLine(p, RequiresLine(need, slot));
    PlayOrDefault(p, need.sound, need.channel, need.pan, need.volume);
    return Requirement::kRefused;
  }
  return HeldItem(p) == need.item ? Requirement::kItemUsed : Requirement::kWrongItem;
}

// A Goodie or Switch click past its item requirement: the wrong item in
// hand is refused like nothing in hand (kRefused); otherwise the log tells
// whether the item in hand is used on the object.
Requirement AcceptClick(Player& p, const ItemNeed& need, int slot) {
  const Requirement use = CheckRequirement(p, need, slot);
  if (use == Requirement::kRefused) return use;
  if (use == Requirement::kWrongItem) {
    LogLine(p, RequiresLine(need, slot));
    PlayRefusal(p);
    return Requirement::kRefused;
  }
  LogLine(p, use == Requirement::kItemUsed ? "Inventory Item #" + Num(HeldItem(p)) + " used on " + need.kind_word +
                                                 " (Object #" + Num(slot) + ")"
                                           : std::string(need.kind_word) + " (Object #" + Num(slot) + ") clicked.");
  return use;
}

// The used item goes back to its place on the bar, or leaves the
// inventory; either way the hand is empty.
void UseUpItem(Player& p, int16_t keep) {
  const int16_t hand = p.game.Hand;
  if (keep == 1) {
    p.windows.main.invitem(hand).Show();
  } else {
    CompactInventoryBar(p, hand);
  }
  p.game.Hand = kNothingInHand;
}

// Another shown Link of the clicked Link's group that asks for the item in
// hand; 0 when the Link has no group or no member fits.
int FindGroupPartner(Player& p, int clicked) {
  const std::string group = p.scene.Rec.slot(clicked)[link::kGroup].Trimmed();
  if (group.empty() || group == "0") return 0;
  const int16_t held = HeldItem(p);
  MainWindow& m = p.windows.main;
  for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
    if (k == clicked) continue;
    const ObjectSlot& o = p.scene.Rec.slot(k);
    const bool shown = m.Animation(k).visible() || m.NoGIF(k).visible();
    if (shown && o.Kind == data::kLink && o[link::kGroup].Trimmed() == group &&
        o[link::kItemRequirement.item] == held) {
      return k;
    }
  }
  return 0;
}

void LinkClick(Player& p, int i, bool animated) {
  SceneState& s = p.scene;
  if (s.Rec.slot(i)[link::kOneShot] == 1 && s.LinkUsed[static_cast<size_t>(i)]) return;
  Requirement use = CheckRequirement(p, LinkNeed(p, i), i);
  if (use == Requirement::kRefused) return;
  if (use == Requirement::kWrongItem) {
    const int partner = FindGroupPartner(p, i);
    if (partner == 0) {
      LogLine(p, "*** HotSpot (Object #" + Num(i) + ") requires Inventory Item #" +
                     Num(s.Rec.slot(i)[link::kItemRequirement.item]) +
                     "! (Wrong Item Used)***");
      PlayRefusal(p);
      return;
    }
    if (s.Rec.slot(partner)[link::kOneShot] == 1 && s.LinkUsed[static_cast<size_t>(partner)]) return;
    LogLine(p, "(HotSpot Group " + s.Rec.slot(i)[link::kGroup].Trimmed() + ": Object " + Num(i) + " using Object " +
                   Num(partner) + " properties)");
    i = partner;
    use = Requirement::kItemUsed;
  }
  s.LinkUsed[static_cast<size_t>(i)] = true;
  // The object as clicked: a flag change below may load another scene.
  const ObjectSlot o = s.Rec.slot(i);
  const bool used = use == Requirement::kItemUsed;
  if (used) {
    const int16_t own = o[link::kPointer];
    ShowPointer(p, o[link::kOneShot] == 1 || own < 1 || own > pointer::kCount ? pointer::kNormal : own);
  }
  LogLine(p, used ? "Inventory Item #" + Num(HeldItem(p)) + " used on HotSpot (Object #" + Num(i) + ")"
                  : "HotSpot (Object #" + Num(i) + ") clicked.");
  const int16_t after = o[link::kAfterClick];
  const int16_t destination = o[link::kDestinationScene];
  if ((after == link::after_click::kScene && destination != 0) || after == link::after_click::kMap) {
    ShowPointer(p, pointer::kWait);
  }
  if (!o[link::kSound].Trimmed().empty()) StopWav(p, ObjectSoundChannel(p, sound_of::kLink, i, 1));
  if (animated && o[link::kAnimationMode] == data::animation_mode::kOnce) p.windows.main.Animation(i).Start();
  if (const std::string sound = o[link::kClickSound].Trimmed(); !sound.empty()) {
    PlayWAVQVL(p, sound, false, ObjectSoundChannel(p, sound_of::kLink, i, 2), o[link::kClickSoundPan],
               o[link::kClickSoundVolume]);
  }
  if (used) UseUpItem(p, o[link::kItemRequirement.keeps_item]);
  if (o[link::kSetsFlag] == 1) SetFlag(p, o, link::kFlagAction);
  if (after == link::after_click::kMap) {
    p.windows.main.Block.Show();
    ShowMapWindowModal(p);
  } else if (destination != 0) {
    LoadScene(p, destination);
  }
}

// The bar is full: the game's sound for it, or the message strip.
void TellGoodieRefused(Player& p) {
  if (const SoundSetting& full = p.gen.InventoryFullSound; !full.file.empty()) {
    PlayWAVQVL(p, full.file, false, channels::kDialogue, full.pan, full.vol);
  } else {
    ShowMessageStrip(p, "Inventory Full");
  }
  LogLine(p, "Couldn't add item to Inventory - Inventory Full.");
}

void GoodieClick(Player& p, int i) {
  const Requirement use = AcceptClick(p, GoodieNeed(p, i), i);
  if (use == Requirement::kRefused) return;
  const ObjectSlot o = p.scene.Rec.slot(i);
  const bool used = use == Requirement::kItemUsed;
  if (p.inventory.InvCount >= InventoryState::kSlots) {
    TellGoodieRefused(p);
    return;
  }
  AddItem(p, o[goodie::kGivesItem], add_mode::kAppend, 0);
  if (used) UseUpItem(p, o[goodie::kItemRequirement.keeps_item]);
  if (const std::string media = o[goodie::kPickupMedia].Trimmed(); !media.empty()) {
    const std::string ext = MediaKind(media);
    if (ext == "wav") {
      PlayWav(p, media, false, ObjectSoundChannel(p, sound_of::kGoodie, i, 2), o[goodie::kPickupSoundPan],
              o[goodie::kPickupSoundVolume]);
    } else if (IsMovieKind(ext)) {
      int16_t level = o[goodie::kPickupSoundVolume];
      PlayMovie(p, media, level, true, false);
    }
  }
  if (o[goodie::kSetsFlag] == 1) SetFlag(p, o, goodie::kFlagAction);
}

// The Switch's flag takes its other value: on when it was 0 at the click.
void FlipSwitch(Player& p, int16_t flag, int16_t on_value, int16_t state) {
  SetFlag(p, flag, state == 0 ? on_value : int16_t{0}, 0);
}

void SwitchClick(Player& p, int i) {
  MainWindow& m = p.windows.main;
  ui::AnimatedPicture& gif = m.Animation(i);
  if (gif.playing()) return;
  const Requirement use = AcceptClick(p, SwitchNeed(p, i), i);
  if (use == Requirement::kRefused) return;
  const ObjectSlot o = p.scene.Rec.slot(i);
  const bool used = use == Requirement::kItemUsed;
  if (used) UseUpItem(p, o[switch_::kItemRequirement.keeps_item]);
  const int16_t state = FlagValue(p, o[switch_::kFlag]);
  const size_t k = static_cast<size_t>(i);
  if (gif.FrameCount() > 1) {
    p.scene.SwitchRunning[k] = true;
    if (state == 0) {
      gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 0);
    } else {
      gif.SetSetting(ui::AnimatedPicture::kSettingDirection, 1);
      gif.SetCurrentFrame(gif.FrameCount() - 1);
    }
    p.scene.SwitchStateAtClick[k] = state;
    gif.Start();
  } else {
    FlipSwitch(p, o[switch_::kFlag], o[switch_::kOnValue], state);
  }
  const int16_t channel = ObjectSoundChannel(p, sound_of::kSwitch, i, 1);
  if (state == 0) {
    if (const std::string on = o[switch_::kOnSound].Trimmed(); !on.empty()) {
      PlayWav(p, on, false, channel, o[switch_::kOnSoundPan], o[switch_::kOnSoundVolume]);
    }
  } else {
    if (const std::string off = o[switch_::kOffSound].Trimmed(); !off.empty()) {
      PlayWav(p, off, false, channel, o[switch_::kOffSoundPan], o[switch_::kOffSoundVolume]);
    }
  }
}

void ReactorClick(Player& p, int i) {
  const size_t k = static_cast<size_t>(i);
  if (p.scene.Rec.slot(i)[reactor::kOneShot] == 1 && p.scene.ReactorUsed[k]) return;
  LogLine(p, "Reactor (Object #" + Num(i) + ") clicked.");
  p.scene.ReactorUsed[k] = true;
  const ObjectSlot o = p.scene.Rec.slot(i);
  if (o[reactor::kSetsFlag] == 1) SetFlag(p, o, reactor::kFlagAction);
  const std::string sound = o[reactor::kSound].Trimmed();
  auto play_sound = [&] {
    if (!sound.empty()) {
      PlayWav(p, sound, false, ObjectSoundChannel(p, sound_of::kReactor, i), o[reactor::kSoundPan],
              o[reactor::kSoundVolume]);
    }
  };
  switch (o[reactor::kAction]) {
    case reactor::action::kSoundAnimateLoop:
    case reactor::action::kSoundAnimateBackAndForth: play_sound(); break;
    case reactor::action::kMovieAnimateOnce:
    case reactor::action::kMovie:
      if (const std::string movie = o[reactor::kMovie].Trimmed(); !movie.empty()) {
        int16_t level = o[reactor::kMovieLevel];
        PlayMovie(p, movie, level, true, false);
      }
      break;
    case reactor::action::kAnimateOnClick:
      p.windows.main.Animation(i).Start();
      play_sound();
      break;
    default: break;
  }
  if (o[reactor::kAddsLocation] == 1) AddLocationToMap(p, o[reactor::kLocation]);
}

void ShowUnknownKind(Player& p) {
  p.runtime().message_boxes().Show("Outdated version of Quorvel Player",
                                   "This object type is unknown!  This program appears to have been\r\n"
                                   "created using a newer version of Quorvel.  Updates to the Quorvel Player\r\n"
                                   "are free: the Quorvel web site tells you more.",
                                   MsgIcon::kExclamation, MsgButtons::kOK);
}

// The guards every object click passes; false when the click is ignored.
bool ObjectClickAllowed(Player& p, int index) {
  if (WaitPointerShows(p)) return false;
  const int16_t kind = p.scene.Rec.slot(index).Kind;
  if (BlockingConversationShows(p) && kind != data::kGoodie) return false;
  if (kind > data::kConversation) {
    ShowUnknownKind(p);
    return false;
  }
  return true;
}

// A handler's unexpected run-time error is reported and the game goes on.
template <class F>
void Guarded(Player& p, const char* procedure, F&& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, procedure, error);
  }
}

}  // namespace

void AnimationClick(Player& p, int index) {
  if (!ObjectClickAllowed(p, index)) return;
  switch (p.scene.Rec.slot(index).Kind) {
    case data::kLink: LinkClick(p, index, true); break;
    case data::kGoodie: GoodieClick(p, index); break;
    case data::kSwitch: SwitchClick(p, index); break;
    case data::kReactor: ReactorClick(p, index); break;
    default: break;
  }
}

void NoGIFClick(Player& p, int index) {
  if (!ObjectClickAllowed(p, index)) return;
  if (p.scene.Rec.slot(index).Kind == data::kLink) LinkClick(p, index, false);
}

void AnimationPlayedThrough(Player& p, int index) {
  const size_t k = static_cast<size_t>(index);
  const ObjectSlot& o = p.scene.Rec.slot(index);
  if (o.Kind != data::kSwitch || !p.scene.SwitchRunning[k]) return;
  p.scene.SwitchRunning[k] = false;
  FlipSwitch(p, o[switch_::kFlag], o[switch_::kOnValue], p.scene.SwitchStateAtClick[k]);
}

void DirectionlClick(Player& p, int index) {
  if (WaitPointerShows(p) || BlockingConversationShows(p)) return;
  static const char* const kNames[5] = {"", "Up", "Right", "Down", "Left"};
  const data::SceneRec& r = p.scene.Rec;
  const data::SceneLink* links[5] = {nullptr, &r.UpLink, &r.RightLink, &r.DownLink, &r.LeftLink};
  if (index < 1 || index > 4) return;
  const int16_t scene = links[index]->Scene;
  if (scene == 0) return;
  LogLine(p, std::string("Link (") + kNames[index] + ") clicked.");
  p.game.SceneLoading = true;
  ShowPointer(p, pointer::kWait);
  LoadScene(p, scene);
}

void WireObjectClicks(Player& p) {
  MainWindow& m = p.windows.main;
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    m.Animation(i).on_click = [&p, i](const ui::MouseArgs&) {
      Guarded(p, "Animation_Click", [&] { AnimationClick(p, i); });
    };
    m.Animation(i).on_played_through = [&p, i] {
      Guarded(p, "Animation_AnimationEnd", [&] { AnimationPlayedThrough(p, i); });
    };
    m.Animation(i).on_mouse_move = [&p, i](const ui::MouseArgs&) { AnimationMouseMove(p, i); };
    m.NoGIF(i).on_click = [&p, i](const ui::MouseArgs&) { Guarded(p, "NoGIF_Click", [&] { NoGIFClick(p, i); }); };
    m.NoGIF(i).on_mouse_move = [&p, i](const ui::MouseArgs&) { NoGIFMouseMove(p, i); };
  }
  for (int i = 1; i <= 4; ++i) {
    m.Directionl(i).on_click = [&p, i](const ui::MouseArgs&) {
      Guarded(p, "Directionl_Click", [&] { DirectionlClick(p, i); });
    };
    m.Directionl(i).on_mouse_move = [&p, i](const ui::MouseArgs&) { DirectionlMouseMove(p, i); };
  }
}

}  // namespace qvl
