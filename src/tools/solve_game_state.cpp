#include "tools/solve_game_state.h"

#include <algorithm>
#include <cstdio>

#include "game/player.h"
#include "data/conv_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/object_fields.h"
#include "data/scene_rec.h"
#include "engine/flags.h"
#include "game_window/inventory.h"
#include "platform/cp1252.h"
#include "platform/runtime_error.h"
#include "platform/text_numbers.h"
#include "ui/blit.h"

namespace qvl::tools {

namespace {

using data::ObjectKind;

const char* const kArrowNames[] = {"", "up", "right", "down", "left"};

bool Shown(const ui::Control& control) { return control.ShownOnScreen(); }

// Shown, and some of it on the screen to be clicked.
bool Clickable(const ui::Control& control) {
  if (!control.ShownOnScreen()) return false;
  const ui::Rect area =
      ui::Intersect(ui::Intersect(control.ScreenRect(), control.ScreenClip()), ui::Rect{0, 0, 800, 600});
  return area.width > 0 && area.height > 0;
}

// The game window takes clicks: no map, close-up or menu over it.
bool GameWindowInFront(Player& p) {
  return p.windows.main.window.visible() && !p.windows.map.window.visible() &&
         !p.windows.closeup.window.visible() && !p.windows.main_menu.window.visible();
}

// Folds bytes into a 64-bit FNV-1a hash.
uint64_t Fnv(const std::string& bytes, uint64_t hash) {
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

class IdentityWriter {
 public:
  void Put(int64_t n) { text_ += std::to_string(n) + ','; }
  void Put(const std::string& s) { text_ += std::to_string(s.size()) + ':' + s + ','; }
  void Section(const char* name) { text_ += std::string("\n") + name + "\n"; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

std::string ItemName(Player& p, int slot) {
  const InventorySlot& s = p.inventory.Slot[static_cast<size_t>(slot)];
  const std::string caption = Cp1252ToUtf8(Trim(s.Caption));
  return caption.empty() ? "item " + Num(s.Item) : "'" + caption + "'";
}

int16_t SlotItem(Player& p, int slot) { return p.inventory.Slot[static_cast<size_t>(slot)].Item; }

// A bar icon named by the item it holds: the same line clicks the same item
// whatever order the items were found in.
std::string IconOf(Player& p, int slot) { return "Main.invitem(item=" + Num(SlotItem(p, slot)) + ")"; }

// The control that shows object slot i, when one shows.
const char* ObjectControl(Player& p, int i) {
  if (Clickable(p.windows.main.Animation(i))) return "Animation";
  if (Clickable(p.windows.main.NoGIF(i))) return "NoGIF";
  return nullptr;
}

std::string ObjectName(Player& p, int i) {
  const int kind = p.scene.Rec.slot(i).Kind;
  return "scene " + Num(p.game.CurrentScene) + " slot " + Num(i) + " (" + std::string(data::KindName(kind)) + ")";
}

std::string Target(const char* control, int i) { return std::string("Main.") + control + "(" + Num(i) + ")"; }

// The lines that click object slot i (with the item in hand after `take`)
// and wait for the game to rest. A Link that opens the map leaves the
// pointer as it was at the click until the pointer moves over the map, so
// the pointer moves there as a person's would (to a point, since the map
// stays shut when the click is refused).
std::vector<std::string> ClickObjectLines(Player& p, int i, const std::string& take) {
  std::vector<std::string> lines;
  if (!take.empty()) lines.push_back(take);
  lines.push_back("click " + Target(ObjectControl(p, i), i));
  const data::ObjectSlot& o = p.scene.Rec.slot(i);
  if (o.Kind == data::kLink && o[data::link::kAfterClick] == data::link::after_click::kMap) {
    const ui::Rect map = p.windows.map.Image1.ScreenRect();
    lines.push_back("move " + Num(map.left + map.width / 2) + " " + Num(map.top + map.height / 2));
  }
  lines.push_back("ready");
  return lines;
}

// Scene objects a player would click: every shown one but the Ambients,
// which do nothing when clicked.
std::vector<int> ClickableObjects(Player& p) {
  std::vector<int> slots;
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    if (ObjectControl(p, i) != nullptr && p.scene.Rec.slot(i).Kind != data::kAmbient) slots.push_back(i);
  }
  return slots;
}

std::vector<int> ShownArrows(Player& p) {
  std::vector<int> arrows;
  for (int a = 1; a <= 4; ++a) {
    if (Clickable(p.windows.main.Directionl(a))) arrows.push_back(a);
  }
  return arrows;
}

std::vector<SolveMove> MapMoves(Player& p, const std::vector<std::string>& open_lines) {
  std::vector<SolveMove> moves;
  for (int k = 1; k <= MapState::kLocationCount; ++k) {
    const MapLocation& location = p.map.Location[static_cast<size_t>(k)];
    if (location.OnMap != 1) continue;
    // With the map open the marker must show; with it closed, the marker
    // shows once the map opens.
    if (open_lines.empty() && !Clickable(p.windows.map.Loctn(k))) continue;
    SolveMove move{"travel to map location " + Num(k), open_lines};
    move.script.push_back("click MapWindow.Loctn(" + Num(k) + ")");
    move.script.push_back("ready");
    moves.push_back(std::move(move));
  }
  return moves;
}

// Letting time pass until the next thing that runs on the clock acts: a
// running Delay runs out, or a Switch's animation plays through and the
// Switch turns.
std::optional<SolveMove> WaitMove(Player& p) {
  std::optional<int64_t> soonest;
  std::string what;
  auto consider = [&](std::optional<int64_t> due, std::string name) {
    if (due && (!soonest || *due < *soonest)) {
      soonest = due;
      what = std::move(name);
    }
  };
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const size_t k = static_cast<size_t>(i);
    const auto& countdown = p.delays.Countdown[k];
    if (p.delays.DelayRunning[k] != 0 && countdown) {
      // The countdown may have been started by a Delay of a scene left since.
      consider(countdown->DueAt(), "the Delay counting down in slot " + Num(i));
    }
    if (p.scene.SwitchRunning[k]) {
      consider(p.windows.main.Animation(i).PlayedThroughAt(), "the Switch in slot " + Num(i) + " to turn");
    }
  }
  if (!soonest) return std::nullopt;
  const int64_t wait = std::max<int64_t>(*soonest - p.loop().NowMs(), 0);
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", static_cast<double>(wait) / 1000.0);
  return SolveMove{"wait " + std::string(seconds) + " s for " + what, {"wait " + std::to_string(wait), "ready"}};
}

// What of a scene's copy the engine never changes while the scene shows:
// enough to tell which scene a copy is of, even after the game has ended.
std::string CopySignature(const data::SceneRec& rec) {
  IdentityWriter w;
  w.Put(rec.SceneLabel.Trimmed());
  w.Put(rec.ScenePicture.Trimmed());
  w.Put(rec.EntryFlagOn);
  w.Put(rec.EntryFlag);
  w.Put(rec.EntryFlagValue);
  for (const data::SceneLink* link : {&rec.UpLink, &rec.DownLink, &rec.LeftLink, &rec.RightLink}) {
    w.Put(link->Scene);
    w.Put(link->Left);
    w.Put(link->Top);
  }
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const data::ObjectSlot& o = rec.slot(i);
    w.Put(o.Left);
    w.Put(o.Top);
    for (int t = 1; t <= 9; ++t) w.Put(o.Text(t).Trimmed());
    for (int k = 1; k <= 33; ++k) w.Put(o.Param(k));
  }
  return w.text();
}

// Whether anything runs on the clock: a Delay counting down or a Switch
// turning.
bool ClockRuns(Player& p) {
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const size_t k = static_cast<size_t>(i);
    if (p.delays.DelayRunning[k] != 0 || p.scene.SwitchRunning[k]) return true;
  }
  return false;
}

// What is left of a turning Switch's picture to play, to the millisecond;
// nothing when the Switch in slot i is not turning or its picture has no
// end.
std::optional<int64_t> SwitchTurnLeft(Player& p, int i) {
  if (!p.scene.SwitchRunning[static_cast<size_t>(i)]) return std::nullopt;
  const std::optional<int64_t> through = p.windows.main.Animation(i).PlayedThroughAt();
  if (!through) return std::nullopt;
  return std::max<int64_t>(*through - p.loop().NowMs(), 0);
}

// Whether the slot's object is of that kind, masked or not. An object
// marked as acted (a Responder that fired, a Flag Conjunction done for the
// visit) never reads what it remembered again.
bool IsKind(const data::ObjectSlot& o, int16_t kind) { return data::Unmasked(o.Kind) == kind; }

// Stands for every remembered value that an object can never find equal to
// its flag (see OnChangeValue).
constexpr int64_t kNeverEqual = -100000;

// A flag value an object remembers to act only on a change: it compares it
// with the flag only while its condition holds, so a value that does not
// meet the condition can never be found equal, and all such values behave
// alike.
int64_t OnChangeValue(int16_t remembered, const data::ObjectSlot& o, data::ConditionFields condition) {
  return ConditionHolds(remembered, o[condition.op], o[condition.value]) ? remembered : kNeverEqual;
}

bool ConversationOnChange(const data::ObjectSlot& o) {
  return IsKind(o, data::kConversation) && o[data::conversation::kShowMode] == data::show_mode::kWhileCondition &&
         o[data::conversation::kOnlyOnChange] == 1;
}

bool RearmableFlagConjunction(const data::ObjectSlot& o) {
  return IsKind(o, data::kFlagConjunction) && o[data::flag_conjunction::kRepeatable] == 1;
}

// The values a slot's object remembers to act only on a change, as far as
// they can decide what it does: a Responder's, a Conversation's and a
// Multi-Trigger's flag as the scene was set up, a re-armable Flag
// Conjunction's flags as it last acted. The arrays keep what objects of
// earlier scenes left in them; those are never read.
void PutRememberedValues(IdentityWriter& w, const SceneState& s, int i) {
  const size_t k = static_cast<size_t>(i);
  const data::ObjectSlot& o = s.Rec.slot(i);
  if (IsKind(o, data::kResponder) && o[data::responder::kTrigger] == data::responder::trigger::kFlag &&
      o[data::responder::kOnlyOnChange] == 1) {
    w.Put(OnChangeValue(s.RespValue[k], o, data::responder::kCondition));
  }
  if (ConversationOnChange(o)) w.Put(OnChangeValue(s.ConvValue[k], o, data::conversation::kShowCondition));
  if (IsKind(o, data::kMultiTrigger) && o[data::multi_trigger::kOnlyOnChange] == 1) {
    for (int r = 1; r <= data::multi_trigger::kRuleCount; ++r) {
      w.Put(OnChangeValue(s.MtValue[static_cast<size_t>(r)][k], o, data::multi_trigger::Rule(r).condition));
    }
  }
  if (RearmableFlagConjunction(o)) {
    for (int c = 1; c <= data::flag_conjunction::kConditionCount; ++c) {
      const data::flag_conjunction::ConditionSlot condition = data::flag_conjunction::Condition(c);
      w.Put(o[condition.used] == 1 ? s.FcValue[static_cast<size_t>(c)][k] : kNeverEqual);
    }
  }
  // A Responder set off by a sound: the sound it listens for and whether
  // it has been heard.
  if (IsKind(o, data::kResponder) && o[data::responder::kTrigger] == data::responder::trigger::kSound) {
    w.Put(s.WatchedSound[k]);
    w.Put(s.SoundHeard[k]);
  }
}

// The last flag set is read only by a Conversation shown on a change and
// by a re-armable Flag Conjunction of the scene shown. A scene load clears
// it and every flag change writes it before anything reads it, so in any
// other scene it can never be read again.
bool LastFlagSetCanBeRead(Player& p) {
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const data::ObjectSlot& o = p.scene.Rec.slot(i);
    if (ConversationOnChange(o) || RearmableFlagConjunction(o)) return true;
  }
  return false;
}

}  // namespace

GameContents ReadGameContents(Player& p) {
  GameContents contents;
  auto add = [&](std::string key, std::string description) {
    contents.entries.emplace_back(std::move(key), std::move(description));
  };
  for (int n = 1; p.data.Scene && n <= p.data.SceneCount; ++n) {
    data::SceneRec rec;
    try {
      rec = p.data.Scene->Read<data::SceneRec>(n);
    } catch (const RuntimeError&) {
      continue;
    }
    PerSlot<int16_t> kinds{};
    bool any_object = false;
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      const data::ObjectSlot& o = rec.slot(i);
      kinds[static_cast<size_t>(i)] = o.Kind;
      any_object |= o.Kind != data::kAmbient || !o[data::ambient::kPicture].Trimmed().empty();
    }
    if (rec.ScenePicture.Trimmed().empty() && !any_object) continue;
    contents.kinds[n] = kinds;
    auto [known, added] = contents.scene_by_signature.emplace(CopySignature(rec), n);
    if (!added) known->second = 0;
    add("scene " + Num(n), "scene " + Num(n));
    for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      const data::ObjectSlot& o = rec.slot(i);
      if (o.Kind == data::kAmbient && o[data::ambient::kPicture].Trimmed().empty()) continue;
      std::string what = std::string(data::KindName(o.Kind));
      if (o.Kind == data::kGoodie && o[data::goodie::kGivesItem] >= 1) {
        what += ", gives item " + Num(o[data::goodie::kGivesItem]);
      }
      const std::string key = "scene " + Num(n) + " slot " + Num(i);
      add(key, key + " (" + what + ")");
    }
  }
  for (int n = 1; p.data.Item && n <= p.data.ItemCount; ++n) {
    try {
      const auto item = p.data.Item->Read<data::ItemRec>(n);
      if (item.IconPicture.Trimmed().empty() && item.Caption.Trimmed().empty()) continue;
    } catch (const RuntimeError&) {
      continue;
    }
    add("item " + Num(n), "item " + Num(n));
  }
  for (int n = 1; p.data.Conv && n <= p.data.ConvCount; ++n) {
    try {
      const auto conv = p.data.Conv->Read<data::ConvRec>(n);
      for (int line = 1; line <= data::ConvRec::kLineCount; ++line) {
        if (conv.LineText(line).Trimmed().empty()) continue;
        const std::string key = "conversation " + Num(n) + " line " + Num(line);
        add(key, key);
      }
    } catch (const RuntimeError&) {
      continue;
    }
  }
  for (int n = 1; p.data.Loc && n <= std::min<int>(p.data.LocCount, 20); ++n) {
    try {
      const auto loc = p.data.Loc->Read<data::LocRec>(n);
      const std::string marker = loc.MarkerPicture.Trimmed();
      if (marker.empty() || marker == "Del") continue;
    } catch (const RuntimeError&) {
      continue;
    }
    add("map location " + Num(n), "map location " + Num(n));
  }
  return contents;
}

namespace {

// The text the identity is the hash of: one section a line.
std::string IdentityText(Player& p, bool clock) {
  IdentityWriter w;
  const GameState& g = p.game;
  const SceneState& s = p.scene;
  MainWindow& m = p.windows.main;
  w.Section("game");
  w.Put(g.CurrentScene);
  // The item in hand, not the slot it came from. While the
  // map is open nothing reads it: every move there ends with it put back
  // on the bar. So there it counts only while something runs on the clock,
  // which putting it back may give a moment more.
  if (!p.windows.map.window.visible() || ClockRuns(p)) {
    w.Put(ItemInHand(p) ? SlotItem(p, g.Hand) : g.Hand);
  }
  w.Put(g.ActiveConversation);
  w.Put(LastFlagSetCanBeRead(p) ? g.LastFlagSet : -1);
  w.Section("flags");
  for (int f = 1; f <= GameState::kFlagCount; ++f) w.Put(g.Flags[static_cast<size_t>(f)]);
  w.Section("items");
  // The items held, not their order on the bar: the order decides only
  // which icon is which, and every move names an icon by the item it holds.
  std::vector<int16_t> held;
  for (int k = 1; k <= p.inventory.InvCount; ++k) held.push_back(SlotItem(p, k));
  std::sort(held.begin(), held.end());
  for (int16_t item : held) w.Put(item);
  w.Section("map");
  for (int k = 1; k <= MapState::kLocationCount; ++k) w.Put(p.map.Location[static_cast<size_t>(k)].OnMap);
  w.Section("windows");
  w.Put(p.windows.map.window.visible());
  w.Put(p.windows.closeup.window.visible());
  w.Put(p.windows.main_menu.window.visible());
  w.Put(p.windows.main.window.visible());
  // The scene's run-time copy holds the kind marks of acted objects and the
  // sounds and exits the engine has emptied.
  w.Section("scene");
  w.Put(s.Rec.Encode());
  w.Put(s.PendingMovie);
  w.Put(s.PendingMovieLevel);
  // A per-slot mark counts only where the slot's object can still read it
  // before the mark is written afresh: the arrays keep what objects of
  // earlier scenes left in them.
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const size_t k = static_cast<size_t>(i);
    const data::ObjectSlot& o = s.Rec.slot(i);
    w.Put(s.ObjectActive[k]);
    w.Put(Shown(m.Animation(i)) * 2 + Shown(m.NoGIF(i)));
    w.Put(s.SwitchRunning[k]);
    w.Put(s.LinkUsed[k]);
    w.Put(IsKind(o, data::kReactor) && o[data::reactor::kOneShot] == 1 ? s.ReactorUsed[k] : -1);
    w.Put(s.SwitchRunning[k] ? s.SwitchStateAtClick[k] : -1);
    // A turning Switch changes its flag when its picture has played
    // through: what is left of that counts like a Delay's countdown.
    if (clock && s.SwitchRunning[k]) w.Put(SwitchTurnLeft(p, i).value_or(-1));
    PutRememberedValues(w, s, i);
  }
  for (int a = 1; a <= 4; ++a) w.Put(Shown(m.Directionl(a)));
  // Running Delays: what is left of each countdown, to the millisecond,
  // decides when it acts, and its action what it does then. A countdown
  // keeps running when its scene is left and acts in whatever scene shows,
  // so it counts wherever the player is.
  w.Section("delays");
  const int64_t now = p.loop().NowMs();
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const size_t k = static_cast<size_t>(i);
    w.Put(p.delays.DelayBlocks[k]);
    if (p.delays.DelayRunning[k] == 0) {
      w.Put(-1);
      continue;
    }
    w.Put(p.delays.DelaySeconds[k]);
    w.Put(s.DelayAction[k].flag);
    w.Put(s.DelayAction[k].value);
    w.Put(s.DelayAction[k].mode);
    const auto& countdown = p.delays.Countdown[k];
    const std::optional<int64_t> due = countdown ? countdown->DueAt() : std::nullopt;
    if (clock) w.Put(due ? std::max<int64_t>(*due - now, 0) : -1);
  }
  // The lines are written afresh whenever the box is shown, so while it is
  // hidden what they held last is never read again.
  w.Section("conversation");
  w.Put(m.ConvBox.visible());
  if (m.ConvBox.visible()) {
    for (int l = 1; l <= 5; ++l) {
      const ConversationLine& line = p.conv.Line[static_cast<size_t>(l)];
      w.Put(Shown(m.ConvText(l)));
      w.Put(m.ConvText(l).caption());
      w.Put(line.FlagOn);
      w.Put(line.Flag);
      w.Put(line.Value);
      w.Put(line.Mode);
      w.Put(line.MediaOn);
      w.Put(line.Media);
      w.Put(line.Clicked);
    }
  }
  return w.text();
}

}  // namespace

std::string StateIdentity(Player& p, bool clock) {
  const std::string text = IdentityText(p, clock);
  char hex[40];
  std::snprintf(hex, sizeof hex, "%016llx%016llx",
                static_cast<unsigned long long>(Fnv(text, 0xcbf29ce484222325ull)),
                static_cast<unsigned long long>(Fnv(text, 0x84222325cbf29ce4ull ^ text.size())));
  return hex;
}

std::string StateSummary(Player& p) {
  if (GameEnded(p)) return "the game has ended";
  std::string text = "scene " + Num(p.game.CurrentScene) + "; items";
  if (p.inventory.InvCount == 0) text += " -";
  for (int k = 1; k <= p.inventory.InvCount; ++k) text += " " + Num(SlotItem(p, k));
  text += "; flags";
  bool any = false;
  for (int f = 1; f <= GameState::kFlagCount; ++f) {
    const int16_t value = p.game.Flags[static_cast<size_t>(f)];
    if (value == 0 || f == p.game.ScoreFlag) continue;
    text += " " + Num(f) + "=" + Num(value);
    any = true;
  }
  if (!any) text += " -";
  if (p.windows.map.window.visible()) text += "; the map is open";
  return text;
}

std::vector<SolveMove> MovesAt(Player& p) {
  std::vector<SolveMove> moves;
  if (GameEnded(p)) return moves;
  if (p.windows.map.window.visible()) {
    moves = MapMoves(p, {});
    moves.push_back(SolveMove{"close the map", {"click MapWindow.Command1", "ready"}});
    return moves;
  }
  if (!GameWindowInFront(p)) return moves;
  MainWindow& m = p.windows.main;
  const std::vector<int> objects = ClickableObjects(p);
  const std::vector<int> arrows = ShownArrows(p);
  for (int i : objects) {
    moves.push_back(SolveMove{"click " + ObjectName(p, i), ClickObjectLines(p, i, "")});
  }
  for (int a : arrows) {
    moves.push_back(SolveMove{"go " + std::string(kArrowNames[a]) + " from scene " + Num(p.game.CurrentScene),
                              {"click Main.Directionl(" + Num(a) + ")", "ready"}});
  }
  for (int l = 1; l <= 5; ++l) {
    if (!Clickable(m.ConvText(l))) continue;
    moves.push_back(SolveMove{"say '" + Cp1252ToUtf8(Trim(m.ConvText(l).caption())) + "'",
                              {"click Main.ConvText(" + Num(l) + ")", "ready"}});
  }
  // An item held twice offers its moves once: the lines name it, not its
  // icon.
  std::set<int16_t> taken;
  for (int k = 1; k <= p.inventory.InvCount; ++k) {
    if (!Clickable(m.invitem(k)) || !taken.insert(SlotItem(p, k)).second) continue;
    const std::string take = "click " + IconOf(p, k);
    const std::string item = ItemName(p, k);
    for (int i : objects) {
      moves.push_back(SolveMove{"use " + item + " on " + ObjectName(p, i), ClickObjectLines(p, i, take)});
    }
    for (int a : arrows) {
      moves.push_back(SolveMove{"use " + item + " on the " + kArrowNames[a] + " arrow of scene " +
                                    Num(p.game.CurrentScene),
                                {take, "click Main.Directionl(" + Num(a) + ")", "ready"}});
    }
    std::set<int16_t> partners{SlotItem(p, k)};
    for (int other = 1; other <= p.inventory.InvCount; ++other) {
      if (!Clickable(m.invitem(other)) || !partners.insert(SlotItem(p, other)).second) continue;
      moves.push_back(SolveMove{"combine " + item + " with " + ItemName(p, other),
                                {take, "click " + IconOf(p, other), "ready"}});
    }
    if (Clickable(m.ExamineItem)) moves.push_back(SolveMove{"examine " + item, {take, "click Main.ExamineItem", "ready"}});
  }
  if (Clickable(m.Command2)) {
    for (SolveMove& move : MapMoves(p, {"click Main.Command2", "ready"})) moves.push_back(std::move(move));
  }
  if (std::optional<SolveMove> wait = WaitMove(p)) moves.push_back(std::move(*wait));
  return moves;
}

// The scene whose run-time copy the engine holds: the scene shown, or the
// last one once the game has ended there (a scene whose entry ends the
// game is never shown at rest); 0 when it is none of the game's.
int SceneOfCopy(Player& p, const GameContents& contents) {
  const auto of = contents.scene_by_signature.find(CopySignature(p.scene.Rec));
  return of != contents.scene_by_signature.end() ? of->second : 0;
}

void NoteActing(Player& p, const GameContents& contents, int slot, std::set<std::string>& reached) {
  const int scene = SceneOfCopy(p, contents);
  if (scene <= 0) return;
  reached.insert("scene " + Num(scene));
  reached.insert("scene " + Num(scene) + " slot " + Num(slot));
}

void NoteReached(Player& p, const GameContents& contents, std::set<std::string>& reached) {
  for (int k = 1; k <= p.inventory.InvCount; ++k) {
    reached.insert("item " + Num(SlotItem(p, k)));
  }
  for (int k = 1; k <= MapState::kLocationCount; ++k) {
    if (p.map.Location[static_cast<size_t>(k)].OnMap == 1) reached.insert("map location " + Num(k));
  }
  if (p.game.CurrentScene > 0) reached.insert("scene " + Num(p.game.CurrentScene));
  const int scene = SceneOfCopy(p, contents);
  if (scene <= 0) return;
  reached.insert("scene " + Num(scene));
  if (p.game.SceneLoading) return;
  const bool showing = p.game.CurrentScene == scene && p.windows.main.window.visible();
  const auto kinds = contents.kinds.find(scene);
  if (kinds == contents.kinds.end()) return;
  MainWindow& m = p.windows.main;
  const std::string prefix = "scene " + Num(scene) + " slot ";
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const size_t k = static_cast<size_t>(i);
    bool seen = false;
    switch (kinds->second[k]) {
      case data::kAmbient:
      case data::kLink:
      case data::kGoodie:
      case data::kSwitch:
      case data::kReactor: seen = showing && ObjectControl(p, i) != nullptr; break;
      case data::kConversation: seen = showing && p.game.ActiveConversation == i; break;
      default: break;  // the hidden objects are seen as they act (NoteActing)
    }
    if (seen) reached.insert(prefix + Num(i));
  }
  if (showing && p.game.ActiveConversation >= 1 && Shown(m.ConvBox)) {
    const int record = p.scene.Rec.slot(p.game.ActiveConversation)[data::conversation::kConversation];
    for (int l = 1; l <= 5; ++l) {
      if (Shown(m.ConvText(l))) reached.insert("conversation " + Num(record) + " line " + Num(l));
    }
  }
}

bool GameEnded(Player& p) {
  return p.game.CurrentScene == 0 && p.windows.main_menu.window.visible();
}

std::vector<std::string> TidyUpLines(Player& p) {
  if (p.windows.closeup.window.visible()) return {"click Closeup.Command1", "ready"};
  if (GameWindowInFront(p) && ItemInHand(p)) return {"click Main.InvBar", "ready"};
  // A Switch turning quickly is let turn: its picture plays for a moment,
  // which a player does not act in.
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    const std::optional<int64_t> left = SwitchTurnLeft(p, i);
    if (left && *left <= kQuickSwitchTurnMs) return {"wait " + std::to_string(*left), "ready"};
  }
  return {};
}

std::vector<std::string> NewGameLines(Player& p) {
  MainMenuWindow& menu = p.windows.main_menu;
  if (!menu.window.visible() || !Shown(menu.Buttn(MainMenuWindow::kNewGame))) return {};
  return {"click MainMenu.Buttn(" + Num(MainMenuWindow::kNewGame) + ")", "ready"};
}

}  // namespace qvl::tools
