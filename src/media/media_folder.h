// Where the game's sounds, music and movies lie: resource\mmedia\ under
// the game folder.
#pragma once

#include <string>

#include "game/player.h"

namespace qvl {

inline std::string MediaFolder(const Player& p) { return p.AppPath() + "resource\\mmedia\\"; }

// The game path of a sound, music or movie file.
inline std::string MediaFilePath(const Player& p, const std::string& file) { return MediaFolder(p) + file; }

}  // namespace qvl
