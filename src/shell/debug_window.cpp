#include "shell/debug_window.h"

#include <limits>

#include "engine/flags.h"
#include "engine/scene_loading.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "platform/runtime_error.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

// The number typed in a box, rounded to a whole number. A number too large
// for any number type (1e400) is out of every range the boxes check.
double Entered(const ui::TextBox& box) {
  try {
    return RoundHalfEven(Val(box.text()));
  } catch (const RuntimeError&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

bool InRange(double n, double low, double high) { return n >= low && n <= high; }

void ShowCurrentScene(Player& p) { p.windows.debug.CurScnLabel.SetCaption(Num(p.game.CurrentScene) + ")"); }

void QueryClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.QueryFlag);
  if (!InRange(n, 1, GameState::kFlagCount)) {
    d.QFlagResult.SetCaption("Flag # must be between 1 and 255");
    return;
  }
  const int flag = static_cast<int>(n);
  d.QFlagResult.SetCaption("Flag" + Str(int64_t{flag}) + " = " + Num(p.game.Flags[static_cast<size_t>(flag)]));
}

void SetFlagClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.SetFlg);
  if (!InRange(n, 1, GameState::kFlagCount)) {
    d.SetFlgResult.SetCaption("Flag # must be between 1 and 255");
    return;
  }
  const double v = Entered(d.SFValue);
  if (!InRange(v, -32768, 32767)) {
    d.SetFlgResult.SetCaption("Overflow");
    return;
  }
  const int flag = static_cast<int>(n);
  SetFlag(p, static_cast<int16_t>(flag), static_cast<int16_t>(v), 0);
  d.SetFlgResult.SetCaption("Flag" + Str(int64_t{flag}) + " set to" + Str(static_cast<int64_t>(v)));
}

void LoadClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.LdScn);
  if (!InRange(n, 1, p.data.SceneCount)) {
    d.LdScnResult.SetCaption("Scene # must be between 1 and" + Str(int64_t{p.data.SceneCount}));
    return;
  }
  LoadScene(p, static_cast<int16_t>(n));
  d.LdScnResult.SetCaption("Scene" + Str(static_cast<int64_t>(n)) + " loaded");
  ShowCurrentScene(p);
}

void GiveClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.GiveInv);
  if (!InRange(n, 1, p.data.ItemCount)) {
    d.GiveInvResult.SetCaption("Item # must be between 1 and" + Str(int64_t{p.data.ItemCount}));
    return;
  }
  AddItem(p, static_cast<int16_t>(n), add_mode::kAppend, 0);
  if (p.inventory.InvCount == InventoryState::kSlots) {
    d.GiveInvResult.SetCaption("Inventory Limits Reached (16)");
  } else {
    d.GiveInvResult.SetCaption("Item" + Str(static_cast<int64_t>(n)) + " added to inventory");
  }
}

void ClearInventoryClick(Player& p) {
  ItemImagesWindow& images = p.windows.item_images;
  for (int slot = 1; slot <= InventoryState::kSlots; ++slot) {
    images.ItemIcon(slot).SetPicture(nullptr);
    images.ItemPoint(slot).SetPointer({});
    images.ItemHL(slot).SetPointer({});
    p.windows.main.invitem(slot).SetPicture(nullptr);
  }
  p.inventory.InvCount = 0;
}

void HideClick(Player& p) {
  p.windows.debug.window.Hide();
  if (p.game.NotifyLogOn) {
    p.windows.notify.window.Show();
  } else {
    p.windows.notify.window.Hide();
    p.game.NotifyLogOn = true;
  }
}

void ShowMapClick(Player& p) {
  p.windows.debug.window.Hide();
  // Opened as the game opens it, so the map's own rules apply.
  p.map.MapOpening = true;
  p.windows.map.window.Show();
}

}  // namespace

void WireDebugWindow(Player& p) {
  DebugWindow& d = p.windows.debug;
  d.window.on_activate = [&p] { ShowCurrentScene(p); };
  d.Command2.on_click = [&p](const ui::MouseArgs&) { QueryClick(p); };
  d.SetFlagbtn.on_click = [&p](const ui::MouseArgs&) { SetFlagClick(p); };
  d.Command1.on_click = [&p](const ui::MouseArgs&) { LoadClick(p); };
  d.Command4.on_click = [&p](const ui::MouseArgs&) { GiveClick(p); };
  d.Command6.on_click = [&p](const ui::MouseArgs&) { ClearInventoryClick(p); };
  d.Check1.on_click = [&p](const ui::MouseArgs&) { p.game.NotifyLogOn = p.windows.debug.Check1.checked(); };
  d.Command7.on_click = [&p](const ui::MouseArgs&) { ShowMapClick(p); };
  d.Command5.on_click = [&p](const ui::MouseArgs&) { HideClick(p); };
  // Minimize Player: the real window goes to the task bar (headless play
  // has no desktop to minimise into).
  d.Command3.on_click = [&p](const ui::MouseArgs&) {
    if (ScreenOutput* screen = p.runtime().screen()) screen->Minimise();
  };
}

}  // namespace qvl
