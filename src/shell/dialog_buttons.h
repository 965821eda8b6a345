// The two skinned buttons of the save, load and quit dialogs: their normal
// and highlighted pictures, the hover sound once per entry, the click
// sound, and the dialog's skin background or its own caption.
#pragma once

#include <cstdint>

#include "ui/animated_picture.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace qvl {

struct Player;

// What the pointer last entered on a dialog (the game window's hover code).
namespace dialog_hover {
constexpr int16_t kNone = 97;
constexpr int16_t kCancel = 98;  // cancel, or the quit dialog's no
constexpr int16_t kOK = 99;      // OK, or the quit dialog's yes
}  // namespace dialog_hover

// A dialog's pair of buttons with the skin pictures they show.
struct DialogButtons {
  ui::ImageControl& ok;
  const ui::AnimatedPicture& ok_pictures;
  ui::ImageControl& cancel;
  const ui::AnimatedPicture& cancel_pictures;
};

// Both buttons show their normal picture.
void ShowButtonsNormal(const DialogButtons& buttons);

// The pointer entered a button (kOK or kCancel): it shows highlighted, the
// other normal, and the hover sound plays when the pointer came from
// elsewhere. kNone: both normal.
void DialogButtonHover(Player& p, const DialogButtons& buttons, int16_t target);

// The hover sound of a pressed OK: it plays unless the hover code already
// says cancel, which it then says (so a second press is silent).
void PlayOKPressSound(Player& p);

// The button-click sound, when the game has one.
void PlayClickSound(Player& p);

// The dialog shows the skin's background picture and hides its own
// caption; without a skin picture it keeps its own look and the caption.
void ShowSkinBackground(ui::Window& dialog, const ui::PictureBox& skin, ui::Label& caption);

// Centres a dialog on the screen.
void CentreDialog(Player& p, ui::Window& dialog);

}  // namespace qvl
