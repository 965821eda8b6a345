// Makes the sound mixer, music players and movie player the game uses:
// the real ones (SDL2_mixer and FFmpeg, sound through the one SDL audio
// device) or the headless ones for virtual-time play, which read each
// file's real length and take the time from the game's clock. With a
// trace sink, every request is also reported as one line.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/media_trace.h"
#include "platform/mixer.h"
#include "platform/movie_player.h"
#include "platform/music_player.h"

namespace qvl {

// Real backends. Each holds the SDL audio device open while it lives
// (Mix_OpenAudio is shared and counted); the first one to open it raises
// error 5 with SDL's own message ("Cannot open the sound device: …") when
// there is no audio device. They share the device's mixer channels, so a
// program makes at most one of each at a time.
std::unique_ptr<Mixer> MakeSdlMixer(TraceSink trace = {});
std::unique_ptr<MusicPlayer> MakeSdlMidiPlayer(TraceSink trace = {});
std::unique_ptr<MusicPlayer> MakeSdlMp3Player(TraceSink trace = {});
std::unique_ptr<MoviePlayer> MakeFfmpegMoviePlayer(TraceSink trace = {});

// Headless backends on a clock that outlives them.
std::unique_ptr<Mixer> MakeHeadlessMixer(const Clock& clock, TraceSink trace = {});
std::unique_ptr<MusicPlayer> MakeHeadlessMidiPlayer(const Clock& clock, TraceSink trace = {});
std::unique_ptr<MusicPlayer> MakeHeadlessMp3Player(const Clock& clock, TraceSink trace = {});
std::unique_ptr<MoviePlayer> MakeHeadlessMoviePlayer(const Clock& clock, TraceSink trace = {});

}  // namespace qvl
