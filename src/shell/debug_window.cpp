#include "shell/debug_window.h"

#include "app/player.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

// The number typed in a box, rounded to a whole number.
double Entered(const ui::TextBox& box) { return RoundHalfEven(Val(box.text())); }

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
  // Not finished: the flag is written here; SetFlag with its log line and
  // the evaluation of the scene comes with the scene engine.
  p.game.Flags[static_cast<size_t>(flag)] = static_cast<int16_t>(v);
  d.SetFlgResult.SetCaption("Flag" + Str(int64_t{flag}) + " set to" + Str(static_cast<int64_t>(v)));
}

void LoadClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.LdScn);
  if (!InRange(n, 1, p.data.SceneCount)) {
    d.LdScnResult.SetCaption("Scene # must be between 1 and" + Str(int64_t{p.data.SceneCount}));
    return;
  }
  // Not finished: LoadScene comes with the scene engine; its answer
  // "Scene n loaded" follows the load.
  ShowCurrentScene(p);
}

void GiveClick(Player& p) {
  DebugWindow& d = p.windows.debug;
  const double n = Entered(d.GiveInv);
  if (!InRange(n, 1, p.data.ItemCount)) {
    d.GiveInvResult.SetCaption("Item # must be between 1 and" + Str(int64_t{p.data.ItemCount}));
    return;
  }
  // Not finished: AddItem and its answers come with the inventory work.
}

void ClearInventoryClick(Player& p) {
  ItemImagesWindow& images = p.windows.item_images;
  for (int slot = 1; slot <= 16; ++slot) {
    images.ItemIcon(slot).SetPicture(nullptr);
    images.ItemPoint(slot).SetPointer({});
    images.ItemHL(slot).SetPointer({});
    p.windows.main.invitem(slot).SetPicture(nullptr);
  }
  // The inventory count goes to 0 with the inventory work.
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
  // The map-opening mark and the map's own behaviour come with the map work.
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
  // Minimize Player: the window system's minimise of the game window; the
  // platform layer offers none yet.
}

}  // namespace qvl
