#include "shell/dialog_buttons.h"

#include "game/player.h"
#include "media/sound_channels.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

constexpr int kNormalFrame = 1;
constexpr int kHighlightFrame = 0;

void ShowFrame(ui::ImageControl& button, const ui::AnimatedPicture& pictures, int frame) {
  if (PictureRef picture = pictures.FramePicture(frame)) button.SetPicture(picture);
}

void PlayHoverSound(Player& p) {
  const SoundSetting& hover = p.gen.HoverSound;
  PlayWAVQVL(p, hover.file, false, channels::kButtons, hover.pan, hover.vol);
}

}  // namespace

void ShowButtonsNormal(const DialogButtons& buttons) {
  ShowFrame(buttons.ok, buttons.ok_pictures, kNormalFrame);
  ShowFrame(buttons.cancel, buttons.cancel_pictures, kNormalFrame);
}

void DialogButtonHover(Player& p, const DialogButtons& buttons, int16_t target) {
  int16_t& hovered = p.windows.main.HoverTarget;
  if (target == dialog_hover::kNone) {
    ShowButtonsNormal(buttons);
    hovered = dialog_hover::kNone;
    return;
  }
  const bool ok = target == dialog_hover::kOK;
  ShowFrame(buttons.ok, buttons.ok_pictures, ok ? kHighlightFrame : kNormalFrame);
  ShowFrame(buttons.cancel, buttons.cancel_pictures, ok ? kNormalFrame : kHighlightFrame);
  if (!p.gen.HoverSound.file.empty() && hovered != target) {
    hovered = target;
    PlayHoverSound(p);
  }
}

void PlayOKPressSound(Player& p) {
  int16_t& hovered = p.windows.main.HoverTarget;
  if (!p.gen.HoverSound.file.empty() && hovered != dialog_hover::kCancel) {
    hovered = dialog_hover::kCancel;
    PlayHoverSound(p);
  }
}

void PlayClickSound(Player& p) {
  const SoundSetting& click = p.gen.ClickSound;
  if (!click.file.empty()) PlayWAVQVL(p, click.file, false, channels::kButtons, click.pan, click.vol);
}

void ShowSkinBackground(ui::Window& dialog, const ui::PictureBox& skin, ui::Label& caption) {
  dialog.SetPicture(skin.picture());
  caption.SetVisible(skin.picture() == nullptr);
}

void CentreDialog(Player& p, ui::Window& dialog) {
  GetScreenMetrics(p);
  dialog.Move(p.startup.ScreenWidthPx / 2 - dialog.width() / 2, p.startup.ScreenHeightPx / 2 - dialog.height() / 2);
}

}  // namespace qvl
