// SDL2_mixer's functions, found in its library when the sound device is
// first opened rather than when the program starts: a player without a
// sound device (headless play, `qvl` commands) never loads the library and
// the thirty it brings (the MIDI synthesizer, its sound servers and
// helpers). Platform sources only.
#pragma once

#include <SDL_mixer.h>

#include <memory>

namespace qvl::media {

// The functions the player uses, named as SDL2_mixer names them. Once
// loaded the library stays for the life of the program (its synthesizer's
// helpers do not survive being unloaded), so the functions stay valid.
struct MixerLibrary {
  decltype(&::Mix_Init) Mix_Init = nullptr;
  decltype(&::Mix_OpenAudioDevice) Mix_OpenAudioDevice = nullptr;
  decltype(&::Mix_CloseAudio) Mix_CloseAudio = nullptr;
  decltype(&::Mix_AllocateChannels) Mix_AllocateChannels = nullptr;
  decltype(&::Mix_ReserveChannels) Mix_ReserveChannels = nullptr;
  decltype(&::Mix_RegisterEffect) Mix_RegisterEffect = nullptr;
  decltype(&::Mix_QuickLoad_RAW) Mix_QuickLoad_RAW = nullptr;
  decltype(&::Mix_LoadWAV) Mix_LoadWAV = nullptr;
  decltype(&::Mix_FreeChunk) Mix_FreeChunk = nullptr;
  decltype(&::Mix_Volume) Mix_Volume = nullptr;
  decltype(&::Mix_PlayChannel) Mix_PlayChannel = nullptr;
  decltype(&::Mix_HaltChannel) Mix_HaltChannel = nullptr;
  decltype(&::Mix_Playing) Mix_Playing = nullptr;
  decltype(&::Mix_SetSoundFonts) Mix_SetSoundFonts = nullptr;
  decltype(&::Mix_LoadMUSType_RW) Mix_LoadMUSType_RW = nullptr;
  decltype(&::Mix_FreeMusic) Mix_FreeMusic = nullptr;
  decltype(&::Mix_PlayMusic) Mix_PlayMusic = nullptr;
  decltype(&::Mix_HaltMusic) Mix_HaltMusic = nullptr;
  decltype(&::Mix_VolumeMusic) Mix_VolumeMusic = nullptr;
  decltype(&::Mix_RewindMusic) Mix_RewindMusic = nullptr;
  decltype(&::Mix_PlayingMusic) Mix_PlayingMusic = nullptr;
};

using MixerRef = std::shared_ptr<const MixerLibrary>;

// Loads SDL2_mixer (or finds it loaded) and its functions. Error 5
// "Cannot open the sound device: …" when it cannot be loaded.
MixerRef LoadMixer();

}  // namespace qvl::media
