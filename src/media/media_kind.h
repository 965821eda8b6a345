// The kind of a sound, music or movie file by its last three letters,
// lower-cased ("wav", "mid", "mp3", "avi", "mpg" …).
#pragma once

#include <string>

#include "platform/text_numbers.h"

namespace qvl {

inline std::string MediaKind(const std::string& file) { return LCase(Right(file, 3)); }

// Whether a kind is one the scene movie plays.
inline bool IsMovieKind(const std::string& kind) { return kind == "avi" || kind == "mpg"; }

}  // namespace qvl
