// The paths every part of the game uses: files under the game folder,
// whether a file exists, pictures of the game and the saved-games folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/image.h"

namespace qvl {

struct Player;

// True when a path under the game's resource folder climbs out of it (a
// name from the data or a saved game such as "..\..\x.wav"): such a name
// is never found.
bool LeavesResourceFolder(const Player& p, const std::string& path);

// The real file or folder of a game path, if there is one.
std::optional<std::filesystem::path> FindGameFile(Player& p, const std::string& path);

// True when the game path names an existing normal file (not a folder);
// any error counts as false.
bool FileExists(Player& p, const std::string& path);

// The real file of a game path such as AppPath() + "resource\gfx\a.gif";
// the path as written when there is no such file, and an empty path for
// one that leaves the resource folder.
std::filesystem::path RealPath(Player& p, const std::string& path);

// Reads a picture of the game (error 53 when missing, 481 when it cannot
// be decoded).
PictureRef LoadGamePicture(Player& p, const std::string& path);

// Sets SavedFolder: the game's "Saved" folder, made when missing; when it
// cannot be made, a "Saved" folder of the player's own in the user's data
// folder.
void InitSavedFolder(Player& p);

}  // namespace qvl
