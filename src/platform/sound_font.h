// Where the General MIDI sound font for MIDI music is found at run time.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qvl::media {

// The sound fonts looked for when SDL_SOUNDFONTS names none that exists:
// the Debian packages' TimGM6mb, default-GM and FluidR3_GM banks.
std::vector<std::string> StandardSoundFontPlaces();

// The first existing file among the ';'-separated paths of `sdl_soundfonts`
// (the SDL_SOUNDFONTS variable, may be null), then among `places`.
std::optional<std::string> FindSoundFont(const char* sdl_soundfonts, const std::vector<std::string>& places);

// The message when none is found, naming what to install.
constexpr const char* kNoSoundFontMessage =
    "No General MIDI sound font found: install the timgm6mb-soundfont package "
    "or set SDL_SOUNDFONTS to a .sf2 file";

}  // namespace qvl::media
