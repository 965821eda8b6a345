// Display, drive and disc services: the 800 × 600 screen the game is made
// for (fullscreen while switched), what kind of drive a folder lies on,
// whether a file or folder exists, and the request for another game disc.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qvl {

struct Player;
namespace ui {
class Window;
}

// Stores the size of the screen the windows lie on in ScreenWidthPx and
// ScreenHeightPx.
void GetScreenMetrics(Player& p);

// Keeps a window above all others, or stops doing so.
void SetTopMost(ui::Window& window, bool on);

// At start-up: a screen smaller than 800 × 600, or a larger one when the
// game asks for it, is switched to 800 × 600.
void CheckRes(Player& p);

// Switches the screen to width × height: 800 × 600 shows the game
// fullscreen at that size, any other size goes back to the desktop as it
// was. Failures are ignored.
void ChangeRes(Player& p, float width, float height);

// The drive kind (drive_type::) of the drive a path lies on; 0 for an
// empty text.
int16_t TypeOfDrive(Player& p, const std::string& drive);

// Whether a file, folder or drive exists.
bool ItemExist(Player& p, const std::string& path);

// The volume label of the disc the path lies on, when it has one.
std::optional<std::string> VolumeLabelOf(Player& p, const std::string& path);

// Where the drive that holds the path is mounted; empty when no mount
// holds it.
std::string DiscMountHolding(Player& p, const std::string& path);

// Before scene `scene` loads: when the game runs from an identified disc
// and the scene lies on another one, asks for that disc until it is in.
// Each disc is mounted at a path of its own: the wanted one is looked for
// on every mounted disc (and disc image), the game folder's drive first,
// and the game goes on reading from the disc where it is found.
void CheckSceneDisc(Player& p, int16_t scene);

}  // namespace qvl
