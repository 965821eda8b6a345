// Traps: data that is valid but that the engine's own rules turn against
// the author. Each message says what the player will do.
#include "data/object_kinds.h"
#include "tools/lint_game.h"

namespace qvl::tools::lint {

namespace {

using data::ObjectSlot;
using namespace data::object_kinds;

constexpr int16_t kOn = 1;

bool Tests(const ObjectSlot& o, data::ConditionFields c, int flag) { return flag != 0 && o[c.flag] == flag; }

// A Responder and a Multi-Trigger rule that each set the flag the other
// tests: the author means them to answer each other, but a Responder acts
// once per visit, so the pair answers once each and then stays still.
void CheckResponderLoops(const Game& game, int n, Report& report) {
  const data::SceneRec& scene = game.scene(n);
  for (int r = 1; r <= data::SceneRec::kSlotCount; ++r) {
    const ObjectSlot& resp = scene.slot(r);
    if (resp.Kind != data::kResponder || resp[responder::kTrigger] != responder::trigger::kFlag ||
        resp[responder::kSetsFlag] != kOn) {
      continue;
    }
    int resp_sets = resp[responder::kFlagAction.flag];
    for (int m = 1; m <= data::SceneRec::kSlotCount; ++m) {
      const ObjectSlot& multi = scene.slot(m);
      if (multi.Kind != data::kMultiTrigger) continue;
      for (int rule = 1; rule <= multi_trigger::kRuleCount; ++rule) {
        multi_trigger::RuleFields fields = multi_trigger::Rule(rule);
        if (multi[fields.sets_flag] != kOn || !Tests(multi, fields.condition, resp_sets)) continue;
        if (!Tests(resp, responder::kCondition, multi[fields.action.flag])) continue;
        report.Add("Q054", ParamPlace(game, n, r, responder::kFlagAction.flag.index),
                   "sets flag " + std::to_string(resp_sets) + ", which slot " + std::to_string(m) + " rule " +
                       std::to_string(rule) + " tests, and that rule sets flag " +
                       std::to_string(multi[fields.action.flag]) +
                       ", which this Responder tests: they do not keep answering each other, as a Responder "
                       "acts once per visit to the scene; the rule answers it once, and the Responder answers "
                       "nothing more until the scene is entered again");
      }
    }
  }
}

void CheckScene(const Game& game, int n, Report& report) {
  const data::SceneRec& scene = game.scene(n);
  if (scene.JumpEnabled == kOn && scene.JumpScene == n) {
    report.Add("Q051", RecordPlace(Section::kScene, n, "jump_scene"),
               "the jump rule leads to scene " + std::to_string(n) +
                   " itself: the player never takes it and writes 'Cannot set Jump To Scene same as Current Scene' "
                   "to the notify log instead");
  }
  int conversations_at_setup = 0;
  for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
    const ObjectSlot& o = scene.slot(k);
    switch (o.Kind) {
      case data::kAmbient:
        if (o[data::ambient::kSetsFlag] == kOn) {
          report.Add("Q050", ParamPlace(game, n, k, data::ambient::kSetsFlag.index),
                     "an Ambient takes its flag action at every refresh of the scene while it is shown, not once; "
                     "each one runs the hidden objects again until the looping limit stops them");
        }
        break;
      case data::kResponder:
        if (o[responder::kTrigger] == responder::trigger::kSound && o[responder::kChangesScene] == kOn) {
          report.Add("Q052", ParamPlace(game, n, k, responder::kChangesScene.index),
                     "a Responder that watches a sound and changes the scene leaves the busy pointer showing in "
                     "the new scene: the player can no longer click");
        }
        break;
      case data::kDelay:
        if (o[data::delay::kDisabled] == 0 && o[data::delay::kSeconds] == 0) {
          report.Add("Q053", ParamPlace(game, n, k, data::delay::kSeconds.index),
                     "a 0-second Delay expires at once, and one that expires while the scene loads is started "
                     "again for 0 seconds, over and over, until the load ends");
        }
        break;
      case data::kConversation:
        if (o[data::conversation::kShowMode] == data::show_mode::kAlways && ++conversations_at_setup > 1) {
          report.Add("Q055", ParamPlace(game, n, k, data::conversation::kShowMode.index),
                     "more than one Conversation is shown when the scene is set up; only the last one shows");
        }
        break;
      default:
        break;
    }
  }
  CheckResponderLoops(game, n, report);
}

}  // namespace

void CheckTraps(const Game& game, Report& report) {
  // Only the main menu's new-game button starts a game; 0 hides it.
  if (game.HasGeneral() && game.general.MenuButton(2) == 0) {
    report.Add("Q056", RecordPlace(Section::kGeneral, 1, "menu_button2"),
               "menu_button2 = 0 hides the main menu's new-game button, so nobody can start the game; "
               "write menu_button2 = 1");
  }
  for (int n = 1; n <= game.SceneCount(); ++n) CheckScene(game, n, report);
}

}  // namespace qvl::tools::lint
