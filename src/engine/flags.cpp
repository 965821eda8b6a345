#include "engine/flags.h"

#include "engine/hidden_objects.h"
#include "engine/object_data.h"
#include "engine/scene_loading.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "shell/map_locations.h"
#include "shell/quit_query.h"
#include "shell/save_load_dialogs.h"

namespace qvl {

FlagNestingGuard::FlagNestingGuard(Player& p) : p_(p) { ++p_.scene.FlagNesting; }

FlagNestingGuard::~FlagNestingGuard() {
  if (--p_.scene.FlagNesting == 0) p_.scene.LoopStopped = false;
}

int16_t FlagValue(const Player& p, int flag) {
  if (flag < 0 || flag > GameState::kFlagCount) {
    throw RuntimeError(err::kSubscript).WithCause("flag " + std::to_string(flag) + " (flags are 1 to 255)");
  }
  return p.game.Flags[static_cast<size_t>(flag)];
}

bool ConditionHolds(double current, int op, double value) {
  switch (op) {
    case data::flag_op::kEqual: return current == value;
    case data::flag_op::kNotEqual: return current != value;
    case data::flag_op::kLess: return current < value;
    case data::flag_op::kGreater: return current > value;
    default: return false;
  }
}

bool CheckFlag(const Player& p, int flag, int op, double value) {
  return ConditionHolds(FlagValue(p, flag), op, value);
}

bool CheckFlag(const Player& p, const data::ObjectSlot& o, data::ConditionFields fields) {
  return CheckFlag(p, o[fields.flag], o[fields.op], o[fields.value]);
}

void SetFlag(Player& p, const data::ObjectSlot& o, data::ActionFields fields) {
  SetFlag(p, o[fields.flag], o[fields.value], o[fields.mode]);
}

void ShowScore(Player& p) {
  const std::string score = Num(FlagValue(p, p.game.ScoreFlag));
  p.windows.main.CurrScore_Small.SetCaption(score);
  p.windows.main.CurrScore_Large.SetCaption(score);
}

void SetFlag(Player& p, int16_t flag, int16_t value, int16_t mode) {
  if (flag == 0) return;
  FlagValue(p, flag);  // a flag number outside the table is the caller's error
  p.game.LastFlagSet = flag;
  int16_t& stored = p.game.Flags[static_cast<size_t>(flag)];
  if (mode == data::flag_mode::kSet) {
    stored = value;
    LogLine(p, "<Flag" + Str(flag) + "> Set to " + Str(value));
  } else if (mode == data::flag_mode::kAdd) {
    stored = Add16(stored, value);
    LogLine(p, "<Flag" + Str(flag) + "> Add" + Str(value) + " (Value =" + Str(stored) + ")");
  }
  if (flag == p.game.ScoreFlag) ShowScore(p);

  FlagNestingGuard nesting(p);
  if (p.scene.LoopStopped) return;
  CheckHiddenObjects(p);
  // A stopped cascade unwinds: only the outermost change refreshes the scene.
  if (p.scene.LoopStopped && p.scene.FlagNesting > 1) return;
  p.loop().DoEvents();
  if (p.game.LoadedNewScene) {
    DebugLine(p, "Hidden Object: LoadedNewScene = True");
    LoadScene(p, p.game.PendingScene);
  } else {
    UpdateObjData2(p);
  }
}

void ResetGameState(Player& p) {
  MainWindow& main = p.windows.main;
  p.music.CurrentSoundtrack.clear();
  p.game.Hand = kNothingInHand;
  p.game.CurrentScene = 0;
  p.game.ActiveConversation = 0;
  main.ConvBox.Hide();
  main.ScnImg.SetPicture(nullptr);
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    main.Animation(i).Hide();
    main.NoGIF(i).Hide();
  }
  for (int i = 1; i <= InventoryState::kSlots; ++i) main.invitem(i).Hide();
  ClearMap(p);
  p.game.Flags.fill(0);
  SceneState& s = p.scene;
  for (size_t i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    s.RespValue[i] = 0;
    for (int r = 1; r <= data::multi_trigger::kRuleCount; ++r) s.MtValue[static_cast<size_t>(r)][i] = 0;
    s.SoundHeard[i] = false;
    s.WatchedSound[i].clear();
  }
  s.PendingMovie.clear();
  s.PendingMovieLevel = 0;
  p.game.LoadedNewScene = false;
  p.game.SceneLoading = false;
  ForgetOpenSaveDialog(p);
  ForgetOpenQuitQuery(p);
}

}  // namespace qvl
