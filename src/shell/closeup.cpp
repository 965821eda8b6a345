#include "shell/closeup.h"

#include <algorithm>

#include "game/app_paths.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/sound_channels.h"

namespace qvl {

namespace {

// Close-up modes of the item record.
constexpr int16_t kRepeat = 1;
constexpr int16_t kOnce = 2;

constexpr int kMargin = 10;
constexpr int kNarrowest = 220;

// The picture stands for a file that cannot be shown.
void ShowMissingPicture(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  c.ClsUpImg.SetPicture(p.windows.main.FNF.picture());
  c.PictureLoaded = true;
}

// The window takes the picture's size, with the caption and the close
// button under it, centred on the screen.
void SizeToPicture(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  const PictureRef& picture = c.ClsUpImg.picture();
  const int pic_w = picture ? picture->width : 0;
  const int pic_h = picture ? picture->height : 0;
  const int width = std::max(pic_w, kNarrowest) + 2 * kMargin;
  c.ClsUpImg.Move(width / 2 - pic_w / 2, kMargin, pic_w, pic_h);
  c.Block.Move(c.ClsUpImg.left(), c.ClsUpImg.top(), pic_w, pic_h);
  const int caption_top = kMargin + pic_h + 6;
  c.ClsCapt.Move(kMargin, caption_top, width - 2 * kMargin, 20);
  const int button_top = caption_top + 26;
  c.Command1.Move(width / 2 - c.Command1.width() / 2, button_top);
  const int height = button_top + c.Command1.height() + kMargin;
  c.window.Move(400 - width / 2, 300 - height / 2, width, height);
}

// The window has come up: the picture is set to play as its mode asks,
// from its first frame, once the window shows.
void CloseupActivate(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  if (c.Mode == kRepeat) c.ClsUpImg.SetOnce(false);
  if (c.Mode == kOnce) c.ClsUpImg.SetOnce(true);
  c.ClsUpImg.SetCurrentFrame(0);
  c.Block.Show();
  c.StartUpDelay.SetTimerEnabled(true);
}

// Right after the window has appeared: a moving close-up starts with its
// sound (repeating with the picture, or once); a still one stays covered
// and silent.
void StartUpDelayTick(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  c.StartUpDelay.SetTimerEnabled(false);
  ShowPointer(p, pointer::kNormal);
  c.window.SetFocus(&c.Dummy);
  if (c.Mode != kRepeat && c.Mode != kOnce) return;
  c.Block.Hide();
  c.ClsUpImg.Start();
  if (!c.Sound.empty()) PlayWAVQVL(p, c.Sound, c.Mode == kRepeat, channels::kDialogue, c.SoundPan, c.SoundVol);
}

void CloseClick(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  StopWav(p, channels::kDialogue);
  c.ClsUpImg.Stop();
  c.window.Hide();
  LogLine(p, "Examine Window Closed");
}

}  // namespace

void RequestCloseUpPicture(Player& p, int16_t slot) {
  CloseupWindow& c = p.windows.closeup;
  p.inventory.CloseUpSlot = slot;
  c.PictureLoaded = false;
  const std::string& name = p.inventory.Slot[static_cast<size_t>(slot)].CloseUpPicture;
  if (name.empty()) {
    c.ClsUpImg.ClearPicture();
    c.PictureLoaded = true;
    return;
  }
  const std::string path = p.AppPath() + "resource\\gfx\\" + name;
  if (!FileExists(p, path)) {
    ShowMissingPicture(p);
    return;
  }
  try {
    c.ClsUpImg.LoadFile(RealPath(p, path));
  } catch (const RuntimeError&) {
    // A damaged picture shows the placeholder; examining goes on.
    ShowMissingPicture(p);
  }
}

void ShowCloseupModal(Player& p) {
  SizeToPicture(p);
  p.windows.closeup.window.ShowModal();
}

void WireCloseupWindow(Player& p) {
  CloseupWindow& c = p.windows.closeup;
  c.ClsUpImg.on_loaded = [&p] { p.windows.closeup.PictureLoaded = true; };
  c.window.on_activate = [&p] { CloseupActivate(p); };
  c.StartUpDelay.on_tick = [&p] { StartUpDelayTick(p); };
  c.Command1.on_click = [&p](const ui::MouseArgs&) { CloseClick(p); };
  c.window.SetDialogButtons(&c.Command1, &c.Command1);
}

}  // namespace qvl
