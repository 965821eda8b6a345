#include "engine/hidden_objects.h"

#include "data/object_kinds.h"
#include "engine/conversations.h"
#include "engine/delays.h"
#include "engine/flags.h"
#include "engine/object_data.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "shell/display_services.h"
#include "shell/map_locations.h"

namespace qvl {

namespace {

using data::ObjectSlot;
using namespace data::object_kinds;

ObjectSlot& Obj(Player& p, int i) { return p.scene.Rec.slot(i); }

// An operator as the log lines write it.
std::string OperatorText(int op) {
  switch (op) {
    case flag_op::kEqual: return "= ";
    case flag_op::kNotEqual: return "<> ";
    case flag_op::kLess: return "< ";
    case flag_op::kGreater: return "> ";
    default: return "";
  }
}

// A flag condition as the log lines write it: "Flag12= 3".
std::string ConditionText(const ObjectSlot& o, data::ConditionFields condition) {
  return "Flag" + Str(o[condition.flag]) + OperatorText(o[condition.op]) + Num(o[condition.value]);
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

void TakingAction(Player& p, int i) {
  if (p.on_object_acts) p.on_object_acts(i);
}

bool ResponderFires(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const size_t k = static_cast<size_t>(i);
  if (o[responder::kTrigger] == responder::trigger::kFlag) {
    if (!CheckFlag(p, o, responder::kCondition)) return false;
    if (o[responder::kOnlyOnChange] == 1 &&
        (FlagValue(p, o[responder::kCondition.flag]) == p.scene.RespValue[k] || p.game.RestoringGame)) {
      return false;
    }
    return true;
  }
  if (o[responder::kTrigger] == responder::trigger::kSound && p.scene.SoundHeard[k]) {
    p.scene.SoundHeard[k] = false;
    return true;
  }
  return false;
}

// The Responder's sound or movie. Its own sound must not set it off again,
// so it stops watching while the sound is requested.
void PlayResponderMedia(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const std::string media = o[responder::kMedia].Trimmed();
  const std::string kind = MediaKind(media);
  const size_t k = static_cast<size_t>(i);
  if (kind == "wav") {
    const std::string watched = p.scene.WatchedSound[k];
    p.scene.WatchedSound[k].clear();
    const int16_t channel =
        o[responder::kChangesScene] != 0 ? channels::kMapLocation : ObjectSoundChannel(p, sound_of::kResponder, i);
    PlayWav(p, media, false, channel, o[responder::kMediaPan], o[responder::kMediaVolume]);
    p.scene.WatchedSound[k] = watched;
  } else if (IsMovieKind(kind) && o[responder::kChangesScene] == 0) {
    int16_t level = o[responder::kMediaVolume];
    PlayMovie(p, media, level, true, false);
  }
}

// Handles a Responder; false when it ended the game, which ends the pass.
bool CheckResponder(Player& p, int i) {
  Remember(p, "Responder", i);
  DebugLine(p, "BUILD DEBUG: Check Responder #" + Num(i));
  if (!ResponderFires(p, i)) return true;
  ObjectSlot& o = Obj(p, i);
  if (o[responder::kTrigger] == responder::trigger::kSound) {
    LogLine(p, "[Resp Index #" + Str(i) + "] " + "'" + p.scene.WatchedSound[static_cast<size_t>(i)] +
                   "' played. Taking action...");
  } else {
    LogLine(p, "[Resp Index #" + Str(i) + "] " + ConditionText(o, responder::kCondition) + ". Taking action...");
  }
  TakingAction(p, i);
  o.Kind = data::kActed;
  p.scene.RespValue[static_cast<size_t>(i)] = FlagValue(p, o[responder::kCondition.flag]);
  if (o[responder::kEndsGame] == 1) {
    EndGame(p);
    return false;
  }
  if (o[responder::kChangesScene] == 1 && o[responder::kDestinationScene] != 0) ShowPointer(p, pointer::kWait);
  if (const std::string track = o[responder::kSoundtrack].Trimmed();
      o[responder::kChangesSoundtrack] == 1 && !track.empty()) {
    Soundtrack(p, track, o[responder::kSoundtrackVolume], false);
    p.scene.Rec.SceneSoundtrack.Set("");
  }
  if (o[responder::kPlaysMedia] == 1 && !Obj(p, i)[responder::kMedia].Trimmed().empty()) PlayResponderMedia(p, i);
  // Each step reads the slot afresh: the steps before may have changed it.
  if (Obj(p, i)[responder::kSetsFlag] == 1) SetFlag(p, Obj(p, i), responder::kFlagAction);
  if (Obj(p, i)[responder::kAddsLocation] == 1 && Obj(p, i)[responder::kLocation] >= 1) {
    AddLocationToMap(p, Obj(p, i)[responder::kLocation]);
  }
  if (Obj(p, i)[responder::kAddsItem] == 1 && Obj(p, i)[responder::kItem] >= 1) {
    AddItem(p, Obj(p, i)[responder::kItem], add_mode::kAppend, 0);
  }
  if (Obj(p, i)[responder::kOpensMap] == 1) ShowMapWindowModal(p);
  ObjectSlot& now = Obj(p, i);
  if (now[responder::kChangesScene] == 1 && now[responder::kDestinationScene] != 0) {
    data::SceneRec& r = p.scene.Rec;
    r.ExitSound.Set("");
    r.ExitMovie.Set("");
    const std::string media = now[responder::kMedia].Trimmed();
    const std::string kind = MediaKind(media);
    if (now[responder::kPlaysMedia] == 1 && !media.empty() && IsMovieKind(kind)) {
      r.ExitMovie.Set(media);
      r.ExitMovieLevel = now[responder::kMediaVolume];
    }
    LogLine(p, "[Resp Index #" + Str(i) + "] " + "Switch to Scene" + Str(now[responder::kDestinationScene]));
    p.game.LoadedNewScene = true;
    p.game.PendingScene = now[responder::kDestinationScene];
  }
  return true;
}

void CheckDelay(Player& p, int i) {
  Remember(p, "Delay", i);
  ObjectSlot& o = Obj(p, i);
  DebugLine(p, "BUILD DEBUG: Check Delay #" + Num(i) + " - Flag" + Str(o[delay::kCondition.flag]) + " (" +
                   Str(o[delay::kCondition.op]) + ") " + Str(o[delay::kCondition.value]));
  if (!CheckFlag(p, o, delay::kCondition)) return;
  LogLine(p, "[Delay Index #" + Str(i) + "] " + ConditionText(o, delay::kCondition) + ". Taking action...");
  TakingAction(p, i);
  o.Kind = data::kActed;
  p.scene.DelayAction[static_cast<size_t>(i)] =
      FlagAction{o[delay::kFlagAction.flag], o[delay::kFlagAction.value], o[delay::kFlagAction.mode]};
  StartDelay(p, static_cast<int16_t>(i), o[delay::kSeconds]);
}

// The rule of a Multi-Trigger that acts now, 0 for none.
int MultiTriggerRule(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  const bool on_change = o[multi_trigger::kOnlyOnChange] == 1;
  for (int r = 1; r <= multi_trigger::kRuleCount; ++r) {
    const data::ConditionFields condition = multi_trigger::Rule(r).condition;
    if (!CheckFlag(p, o, condition)) continue;
    if (on_change) {
      const bool unchanged =
          FlagValue(p, o[condition.flag]) == p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)];
      if (unchanged && r < multi_trigger::kRuleCount) continue;
      if (unchanged || p.game.RestoringGame) return 0;
    }
    return r;
  }
  return 0;
}

// A Multi-Trigger rule takes its action: a flag and a scene change.
void TakeRule(Player& p, int i, int r) {
  const multi_trigger::RuleFields rule = multi_trigger::Rule(r);
  ObjectSlot& o = Obj(p, i);
  const std::string index = "[Multi-Trigger Index #" + Str(i) + "-" + Num(r) + "] ";
  if (o[rule.scene] != 0) ShowPointer(p, pointer::kWait);
  LogLine(p, index + ConditionText(o, rule.condition) + ". Taking action...");
  TakingAction(p, i);
  p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)] = FlagValue(p, o[rule.condition.flag]);
  if (o[rule.sets_flag] == 1 && o[rule.action.flag] != 0) SetFlag(p, o, rule.action);
  if (const int16_t scene = Obj(p, i)[rule.scene]; scene != 0) {
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
  const int16_t flag = Obj(p, i)[multi_trigger::Rule(r).condition.flag];
  if (FlagValue(p, flag) == p.scene.MtValue[static_cast<size_t>(r)][static_cast<size_t>(i)]) return;
  TakeRule(p, i, r);
}

void CheckConversation(Player& p, int i, ConversationRequest& request) {
  Remember(p, "Conversation", i);
  ObjectSlot& o = Obj(p, i);
  // The debug line names the show mode, flag and operator (Param 2 … 4), as
  // it always has.
  DebugLine(p, "BUILD DEBUG: Check Conversation #" + Num(i) + " - Flag" + Str(o[conversation::kShowMode]) + " (" +
                   Str(o[conversation::kShowCondition.flag]) + ") " + Str(o[conversation::kShowCondition.op]));
  if (o[conversation::kShowMode] != data::show_mode::kWhileCondition) return;
  const data::ConditionFields condition = conversation::kShowCondition;
  if (CheckFlag(p, o, condition)) {
    if (p.game.ActiveConversation == i) return;
    if (o[conversation::kOnlyOnChange] == 1 &&
        FlagValue(p, o[condition.flag]) == p.scene.ConvValue[static_cast<size_t>(i)] &&
        p.game.LastFlagSet != o[condition.flag]) {
      return;
    }
    LogLine(p, "[Conv Index #" + Str(i) + "] " + ConditionText(o, condition) + ". Taking action...");
    request.show_slot = static_cast<int16_t>(i);
    request.show_record = o[conversation::kConversation];
  } else if (p.game.ActiveConversation == i && p.windows.main.ConvBox.visible()) {
    request.hide_slot = static_cast<int16_t>(i);
    request.hide = true;
  }
}

// A re-armable Flag Conjunction acts again only after one of its used
// flags has changed, and only when one of them is the flag just set.
bool FlagConjunctionRearmed(Player& p, int i) {
  ObjectSlot& o = Obj(p, i);
  int used = 0;
  int unchanged = 0;
  bool names_last_flag = false;
  for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
    const flag_conjunction::ConditionSlot condition = flag_conjunction::Condition(c);
    used += o[condition.used];
    if (o[condition.used] != 1) continue;
    const int16_t flag = o[condition.test.flag];
    if (FlagValue(p, flag) == p.scene.FcValue[static_cast<size_t>(c)][static_cast<size_t>(i)]) ++unchanged;
    if (flag == p.game.LastFlagSet) names_last_flag = true;
  }
  return used - unchanged >= 1 && names_last_flag;
}

void CheckFlagConjunction(Player& p, int i) {
  Remember(p, "Flag Conjunction", i);
  DebugLine(p, "BUILD DEBUG: Check Flag Conjunction #" + Num(i));
  ObjectSlot& o = Obj(p, i);
  if (o[flag_conjunction::kRepeatable] == 1 && !FlagConjunctionRearmed(p, i)) return;
  for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
    const flag_conjunction::ConditionSlot condition = flag_conjunction::Condition(c);
    if (o[condition.used] == 1 && !CheckFlag(p, o, condition.test)) return;
  }
  LogLine(p, "[Flag Conj. Index #" + Str(i) + "] " + "Conditions true. Taking action...");
  TakingAction(p, i);
  o.Kind = o[flag_conjunction::kRepeatable] == 0 ? data::kActedOnce : data::kActedRearmable;
  SetFlag(p, CInt(Val(o[flag_conjunction::kActionFlag].Trimmed())),
          CInt(Val(o[flag_conjunction::kActionValue].Trimmed())), CInt(Val(o[flag_conjunction::kActionMode].Trimmed())));
  for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
    p.scene.FcValue[static_cast<size_t>(c)][static_cast<size_t>(i)] =
        FlagValue(p, Obj(p, i)[flag_conjunction::Condition(c).test.flag]);
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
  const std::string object =
      p.scene.CheckingSlot.empty() ? "" : "slot " + p.scene.CheckingSlot + " (" + p.scene.CheckingKind + ")";
  ReportErrorCause(p, "CheckHiddenObjects", error, object);
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
      throw RuntimeError(kLoopingError, kLoopingDescription);
    }
    DebugLine(p, "BUILD DEBUG: Check Hidden Objects");
    ConversationRequest request;
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
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
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    if (Obj(p, i).Kind != data::kMultiTrigger) continue;
    int taken = 0;
    for (int r = 1; r <= multi_trigger::kRuleCount && taken == 0; ++r) {
      if (CheckFlag(p, Obj(p, i), multi_trigger::Rule(r).condition)) taken = r;
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
