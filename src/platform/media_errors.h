// The run-time errors the sound, music and movie backends raise, the same
// in real and headless play so the game shows the same message either way.
#pragma once

#include <string>

#include "platform/runtime_error.h"

namespace qvl::media {

// Error 321 of the game's run-time: the file is there but is not a sound,
// music or movie file the player can use.
constexpr int kInvalidFileFormat = 321;

// "File not found" (53) when `path` is not a readable file; a folder or an
// unreadable file is "Path/File access error" (75).
void RequireReadableFile(const std::string& path);

// Error 321 "Invalid file format".
RuntimeError InvalidFileFormat();

// Error 5 "Invalid procedure call or argument", for a channel outside
// 1 … 20 or a request the player cannot carry out.
RuntimeError InvalidCall();

}  // namespace qvl::media
