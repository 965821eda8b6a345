#include "engine/hidden_objects.h"

#include "app/error_report.h"
#include "app/player.h"
#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/notify_log.h"
#include "engine/object_data.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

using data::ObjectSlot;

constexpr int16_t kActed = -1;
constexpr int16_t kActedRearmable = -6;
constexpr int16_t kActedOnce = -99;

// The error a runaway cascade of flag changes raises when it passes the
// nesting bound, as running out of stack would.
constexpr int kLoopingError = 28;

ObjectSlot& Obj(Player& p, int i) { return p.scene.Rec.slot(i); }

// An operator as the log lines write it.
std::string OperatorText(int op) {
  switch (op) {
    case 0: return "= ";
    case 1: return "<> ";
    case 2: return "< ";
    case 3: return "> ";
    default: return "";
  }
}

// What one pass decides about the conversation box.
struct ConversationRequest {
  int16_t show_slot = 0;
  int16_t show_record = 0;
  int16_t hide_slot = 0;
  bool hide = false;
};

void Remember(Player& p, const char* kind, int i) {
  p.scene.CheckingKind = kind;
  p.scene.CheckingSlot = Num(i);
}

bool ResponderFires(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const size_t k = static_cast<size_t>(i);
  if (o.Param(1) == 1) {
    if (!CheckFlag(p, o.Param(2), o.Param(3), o.Param(4))) return false;
    if (o.Param(5) == 1 && (FlagValue(p, o.Param(2)) == p.scene.RespValue[k] || p.game.RestoringGame)) return false;
    return true;
  }
  if (o.Param(1) == 2 && p.scene.SoundHeard[k]) {
    p.scene.SoundHeard[k] = false;
    return true;
  }
  return false;
}

// The Responder's sound or movie. Its own sound must not set it off again,
// so it stops watching while the sound is requested.
void PlayResponderMedia(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const std::string media = o.Text(3).Trimmed();
  const std::string kind = MediaKind(media);
  const size_t k = static_cast<size_t>(i);
  if (kind == "wav") {
    const std::string watched = p.scene.WatchedSound[k];
    p.scene.WatchedSound[k].clear();
    const int16_t channel = o.Param(11) != 0 ? channels::kMapLocation : ObjectSoundChannel(p, sound_of::kResponder, i);
    PlayWav(p, media, false, channel, o.Param(10), o.Param(9));
    p.scene.WatchedSound[k] = watched;
  } else if (IsMovieKind(kind) && o.Param(11) == 0) {
    int16_t level = o.Param(9);
    PlayMovie(p, media, level, true, false);
  }
}

// Handles a Responder; false when it ended the game, which ends the pass.
bool CheckResponder(Player& p, int i) {
  Remember(p, "Responder", i);
  DebugLine(p, "BUILD DEBUG: Check Responder #" + Num(i));
  if (!ResponderFires(p, i)) return true;
  ObjectSlot& o = Obj(p, i);
  if (o.Param(1) == 2) {
    LogLine(p, "[Resp Index #" + Str(i) + "] " + "'" + p.scene.WatchedSound[static_cast<size_t>(i)] +
                   "' played. Taking action...");
  } else {
    LogLine(p, "[Resp Index #" + Str(i) + "] " + "Flag" + Str(o.Param(2)) + OperatorText(o.Param(3)) +
                   Num(o.Param(4)) + ". Taking action...");
  }
  o.Kind = kActed;
  p.scene.RespValue[static_cast<size_t>(i)] = FlagValue(p, o.Param(2));
  if (o.Param(22) == 1) {
    EndGame(p);
    return false;
  }
  if (o.Param(11) == 1 && o.Param(12) != 0) ShowPointer(p, pointer::kWait);
  if (const std::string track = o.Text(2).Trimmed(); o.Param(6) == 1 && !track.empty()) {
    Soundtrack(p, track, o.Param(7), false);
    p.scene.Rec.SceneSoundtrack.Set("");
  }
  if (o.Param(8) == 1 && !Obj(p, i).Text(3).Trimmed().empty()) PlayResponderMedia(p, i);
  if (Obj(p, i).Param(13) == 1) SetFlag(p, Obj(p, i).Param(14), Obj(p, i).Param(15), Obj(p, i).Param(16));
  if (Obj(p, i).Param(17) == 1 && Obj(p, i).Param(18) >= 1) AddLocationToMap(p, Obj(p, i).Param(18));
  if (Obj(p, i).Param(19) == 1 && Obj(p, i).Param(20) >= 1) AddItem(p, Obj(p, i).Param(20), add_mode::kAppend, 0);
  if (Obj(p, i).Param(23) == 1) ShowMapWindowModal(p);
  ObjectSlot& now = Obj(p, i);
  if (now.Param(11) == 1 && now.Param(12) != 0) {
    data::SceneRec& r = p.scene.Rec;
    r.ExitSound.Set("");
    r.ExitMovie.Set("");
    const std::string media = now.Text(3).Trimmed();
    const std::string kind = MediaKind(media);
    if (now.Param(8) == 1 && !media.empty() && IsMovieKind(kind)) {
      r.ExitMovie.Set(media);
      r.ExitMovieLevel = now.Param(9);
    }
    LogLine(p, "[Resp Index #" + Str(i) + "] " + "Switch to Scene" + Str(now.Param(12)));
    p.game.LoadedNewScene = true;
    p.game.PendingScene = now.Param(12);
  }
  return true;
}

void CheckDelay(Player& p, int i) {
  Remember(p, "Delay", i);
  ObjectSlot& o = Obj(p, i);
  DebugLine(p, "BUILD DEBUG: Check Delay #" + Num(i) + " - Flag" + Str(o.Param(2)) + " (" + Str(o.Param(3)) + ") " +
                   Str(o.Param(4)));
  if (!CheckFlag(p, o.Param(2), o.Param(3), o.Param(4))) return;
  LogLine(p, "[Delay Index #" + Str(i) + "] " + "Flag" + Str(o.Param(2)) + OperatorText(o.Param(3)) +
                 Num(o.Param(4)) + ". Taking action...");
  o.Kind = kActed;
  p.scene.DelayAction[static_cast<size_t>(i)] = FlagAction{o.Param(6), o.Param(7), o.Param(8)};
  StartDelay(p, static_cast<int16_t>(i), o.Param(5));
}

// The first integer of Multi-Trigger rule r (1 … 3).
int RuleBase(int r) { return 2 + 8 * (r - 1); }

// The rule of a Multi-Trigger that acts now, 0 for none.
int MultiTriggerRule(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const bool on_change = o.Param(1) == 1;
  for (int r = 1; r <= 3; ++r) {
    const int base = RuleBase(r);
    if (!CheckFlag(p, o.Param(base), o.Param(base + 1), o.Param(base + 2))) continue;
    if (on_change) {
      const bool unchanged =
          FlagValue(p, o.Param(base)) == p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)];
      if (unchanged && r < 3) continue;
      if (unchanged || p.game.RestoringGame) return 0;
    }
    return r;
  }
  return 0;
}

// A Multi-Trigger rule takes its action: a flag and a scene change.
void TakeRule(Player& p, int i, int r) {
  const int base = RuleBase(r);
  ObjectSlot& o = Obj(p, i);
  const std::string index = "[Multi-Trigger Index #" + Str(i) + "-" + Num(r) + "] ";
  if (o.Param(base + 7) != 0) ShowPointer(p, pointer::kWait);
  LogLine(p, index + "Flag" + Str(o.Param(base)) + OperatorText(o.Param(base + 1)) + Num(o.Param(base + 2)) +
                 ". Taking action...");
  p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)] = FlagValue(p, o.Param(base));
  if (o.Param(base + 3) == 1 && o.Param(base + 4) != 0) {
    SetFlag(p, o.Param(base + 4), o.Param(base + 5), o.Param(base + 6));
  }
  if (const int16_t scene = Obj(p, i).Param(base + 7); scene != 0) {
    LogLine(p, index + "Switch to Scene" + Str(scene));
    p.game.LoadedNewScene = true;
    p.game.PendingScene = scene;
  }
}

void CheckMultiTrigger(Player& p, int i) {
  Remember(p, "Multi-Trigger", i);
  DebugLine(p, "BUILD DEBUG: Check Multi-Trigger #" + Num(i));
  const int r = MultiTriggerRule(p, i);
  if (r == 0) return;
  const int16_t flag = Obj(p, i).Param(RuleBase(r));
  if (FlagValue(p, flag) == p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)]) return;
  TakeRule(p, i, r);
}

void CheckConversation(Player& p, int i, ConversationRequest& request) {
  Remember(p, "Conversation", i);
  ObjectSlot& o = Obj(p, i);
  DebugLine(p, "BUILD DEBUG: Check Conversation #" + Num(i) + " - Flag" + Str(o.Param(2)) + " (" + Str(o.Param(3)) +
                   ") " + Str(o.Param(4)));
  if (o.Param(2) != 2) return;
  if (CheckFlag(p, o.Param(3), o.Param(4), o.Param(5))) {
    if (p.game.ActiveConversation == i) return;
    if (o.Param(7) == 1 && FlagValue(p, o.Param(3)) == p.scene.ConvValue[static_cast<size_t>(i)] &&
        p.game.LastFlagSet != o.Param(3)) {
      return;
    }
    LogLine(p, "[Conv Index #" + Str(i) + "] " + "Flag" + Str(o.Param(3)) + OperatorText(o.Param(4)) +
                   Num(o.Param(5)) + ". Taking action...");
    request.show_slot = static_cast<int16_t>(i);
    request.show_record = o.Param(1);
  } else if (p.game.ActiveConversation == i && p.windows.main.ConvBox.visible()) {
    request.hide_slot = static_cast<int16_t>(i);
    request.hide = true;
  }
}

// The first integer of Flag Conjunction condition c (1 … 6).
int ConditionBase(int c) { return 2 + 4 * (c - 1); }

// A re-armable Flag Conjunction acts again only after one of its used
// flags has changed, and only when one of them is the flag just set.
bool FlagConjunctionRearmed(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  int used = 0;
  int unchanged = 0;
  bool names_last_flag = false;
  for (int c = 1; c <= 6; ++c) {
    const int base = ConditionBase(c);
    used += o.Param(base);
    if (o.Param(base) != 1) continue;
    const int16_t flag = o.Param(base + 1);
    if (FlagValue(p, flag) == p.scene.FcValue[static_cast<size_t>(c)][static_cast<size_t>(i)]) ++unchanged;
    if (flag == p.game.LastFlagSet) names_last_flag = true;
  }
  return used - unchanged >= 1 && names_last_flag;
}

void CheckFlagConjunction(Player& p, int i) {
  Remember(p, "Flag Conjunction", i);
  DebugLine(p, "BUILD DEBUG: Check Flag Conjunction #" + Num(i));
  ObjectSlot& o = Obj(p, i);
  if (o.Param(1) == 1 && !FlagConjunctionRearmed(p, i)) return;
  for (int c = 1; c <= 6; ++c) {
    const int base = ConditionBase(c);
    if (o.Param(base) == 1 && !CheckFlag(p, o.Param(base + 1), o.Param(base + 2), o.Param(base + 3))) return;
  }
  LogLine(p, "[Flag Conj. Index #" + Str(i) + "] " + "Conditions true. Taking action...");
  o.Kind = o.Param(1) == 0 ? kActedOnce : kActedRearmable;
  SetFlag(p, CInt(Val(o.Text(1).Trimmed())), CInt(Val(o.Text(2).Trimmed())), CInt(Val(o.Text(3).Trimmed())));
  for (int c = 1; c <= 6; ++c) {
    p.scene.FcValue[static_cast<size_t>(c)][static_cast<size_t>(i)] =
        FlagValue(p, Obj(p, i).Param(ConditionBase(c) + 1));
  }
}

// After the pass: the box shows the conversation asked for, or is hidden
// when its condition no longer holds.
void SettleConversationBox(Player& p, ConversationRequest request) {
  if (p.game.ActiveConversation == 0) request.hide = false;
  if (request.hide && request.show_slot == 0) {
    LogLine(p, "[Conv Index #" + Str(request.hide_slot) + "] Hide Conversation Box");
    p.windows.main.ConvBox.Hide();
    p.game.ActiveConversation = 0;
  }
  if (request.show_slot != 0) ShowConversation(p, request.show_record, request.show_slot);
}

void ReportEvaluationError(Player& p, const RuntimeError& error) {
  std::string text = "Error in sub 'CheckHiddenObjects'.\rError #" + Str(error.number()) + " : " + error.description();
  if (error.number() == kLoopingError) {
    text += "\r\nA looping condition has occured and caused this error;  Could be flag-related.\r\n"
            "The following may be of help to you in figuring out the cause:\r\n"
            "Last Flag Set: " +
            Num(p.game.LastFlagSet) + "\r\nLast Object Processed: " + p.scene.CheckingKind + " (Object # " +
            p.scene.CheckingSlot + ").";
  }
  p.runtime().message_boxes().Show(kAppTitle, text, MsgIcon::kNone, MsgButtons::kOK);
}

}  // namespace

void CheckHiddenObjects(Player& p) {
  try {
    if (p.scene.FlagNesting > kLoopBound) {
      // Flag changes keep causing flag changes: stop this cascade here,
      // and let the changes still running finish without new evaluation.
      p.scene.LoopStopped = true;
      throw RuntimeError(kLoopingError, "Out of stack space");
    }
    DebugLine(p, "BUILD DEBUG: Check Hidden Objects");
    ConversationRequest request;
    for (int i = 1; i <= 20; ++i) {
      switch (Obj(p, i).Kind) {
        case data::kResponder:
          if (!CheckResponder(p, i)) return;
          break;
        case data::kDelay: CheckDelay(p, i); break;
        case data::kMultiTrigger: CheckMultiTrigger(p, i); break;
        case data::kConversation: CheckConversation(p, i, request); break;
        case data::kFlagConjunction: CheckFlagConjunction(p, i); break;
        default: break;
      }
      p.loop().DoEvents();
    }
    SettleConversationBox(p, request);
  } catch (const RuntimeError& error) {
    ReportEvaluationError(p, error);
  }
}

void CheckEntryMultiTriggers(Player& p) {
  p.game.LoadedNewScene = false;
  for (int i = 1; i <= 20; ++i) {
    if (Obj(p, i).Kind != data::kMultiTrigger) continue;
    int taken = 0;
    for (int r = 1; r <= 3 && taken == 0; ++r) {
      const int base = RuleBase(r);
      if (CheckFlag(p, Obj(p, i).Param(base), Obj(p, i).Param(base + 1), Obj(p, i).Param(base + 2))) taken = r;
    }
    if (taken != 0) {
      TakeRule(p, i, taken);
      if (p.game.LoadedNewScene) return;
    }
    p.loop().DoEvents();
  }
}

void EndGame(Player& p) {
  PlayerWindows& w = p.windows;
  for (ui::Window* window :
       {&w.debug.window, &w.quit_query.window, &w.save_game.window, &w.closeup.window, &w.map.window}) {
    if (window->visible()) window->Hide();
  }
  StopAllTimers(p);
  w.main.Block.Show();
  p.loop().DoEvents();
  SetTopMost(w.main.window, false);
  StopAllSounds(p);
  ResetGameState(p);
  w.main_menu.window.Show();
  ShowPointer(p, pointer::kNormal);
  w.main_menu.CreditsPlaying = false;
}

}  // namespace qvl
