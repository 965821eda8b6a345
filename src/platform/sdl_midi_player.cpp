// The real MIDI player: SDL2_mixer's music stream, synthesised by
// FluidSynth with a General MIDI sound font found at run time. MIDI owns
// SDL2_mixer's one music stream (the MP3 player has its own channel), so
// the two can sound at once as the game's players could. The position is
// counted from the start of play; the length comes from the file's tempo
// map, as in headless play. The synthesizer and its sound font (some
// 10 MB) live only while the music plays: a stop lets them go, and a play
// after a stop builds them again from the file.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "platform/heap_tuning.h"
#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/sdl_audio.h"
#include "platform/sound_file_length.h"
#include "platform/sound_font.h"
#include "platform/sound_levels.h"
#include "platform/traced_media.h"

namespace qvl {
namespace {

using SteadyClock = std::chrono::steady_clock;

class SdlMidiPlayer : public MusicPlayer {
 public:
  ~SdlMidiPlayer() override { Release(); }

  const char* Kind() const override { return "midi"; }

  void Open(const std::string& path) override {
    const double seconds = media::ReadMidiSeconds(path);
    const auto font = media::FindSoundFont(std::getenv("SDL_SOUNDFONTS"), media::StandardSoundFontPlaces());
    if (!font) throw RuntimeError(err::kFileNotFound, media::kNoSoundFontMessage);
    Release();
    Load(path, *font);
    path_ = path;
    font_ = *font;
    length_ = seconds;
  }

  void Play(bool loop) override {
    if (path_.empty()) throw media::InvalidCall();
    if (!music_) Load(path_, font_);
    audio_.mix().Mix_VolumeMusic(MusicVolume());
    if (audio_.mix().Mix_PlayMusic(music_.get(), loop ? -1 : 1) != 0) {
      throw RuntimeError(err::kInvalidCall, std::string("Cannot play the music: ") + Mix_GetError());
    }
    playing_ = true;
    loop_ = loop;
    offset_ = 0.0;
    started_ = SteadyClock::now();
  }

  void Stop() override {
    LetSynthesizerGo();
    playing_ = false;
    offset_ = 0.0;
  }

  void SetVolume(int32_t volume) override {
    volume_ = volume;
    if (playing_) audio_.mix().Mix_VolumeMusic(MusicVolume());
  }

  void SetBalance(int32_t) override { throw media::InvalidCall(); }

  void SetPosition(double seconds) override {
    if (seconds != 0.0) throw media::InvalidCall();
    if (playing_ && music_) {
      audio_.mix().Mix_RewindMusic();
      started_ = SteadyClock::now();
    }
    offset_ = 0.0;
  }

  double Position() const override {
    if (!playing_) return offset_;
    const double played = offset_ + std::chrono::duration<double>(SteadyClock::now() - started_).count();
    if (loop_ && length_ > 0.0) return std::fmod(played, length_);
    return std::min(played, length_);
  }

  double Length() const override { return length_; }
  bool IsLoaded() const override { return !path_.empty(); }
  bool IsPlaying() const override { return playing_ && music_ && audio_.mix().Mix_PlayingMusic() != 0; }

  void Release() override {
    LetSynthesizerGo();
    path_.clear();
    font_.clear();
    playing_ = false;
    offset_ = 0.0;
    length_ = 0.0;
  }

 private:
  // Builds the synthesizer with the sound font and reads the file into it.
  void Load(const std::string& path, const std::string& font) {
    audio_.mix().Mix_SetSoundFonts(font.c_str());
    Mix_Music* music = audio_.mix().Mix_LoadMUSType_RW(SDL_RWFromFile(path.c_str(), "rb"), MUS_MID, SDL_TRUE);
    if (music == nullptr) throw media::InvalidFileFormat();
    music_.reset(music);
  }

  // Halts the music and frees the synthesizer with its sound font; the
  // heap they took goes back to the system.
  void LetSynthesizerGo() {
    if (!music_) return;
    audio_.mix().Mix_HaltMusic();
    music_.reset();
    GiveFreedMemoryBack();
  }

  int MusicVolume() const {
    return static_cast<int>(std::lround(media::GainFromVolume(volume_) * MIX_MAX_VOLUME));
  }

  media::SdlAudio audio_;  // first: the device outlives the music
  std::unique_ptr<Mix_Music, void (*)(Mix_Music*)> music_{nullptr, audio_.mix().Mix_FreeMusic};
  std::string path_;  // the file loaded, empty when none
  std::string font_;  // the sound font it was loaded with
  double length_ = 0.0;
  double offset_ = 0.0;
  bool playing_ = false;
  bool loop_ = false;
  int32_t volume_ = 0;
  SteadyClock::time_point started_{};
};

}  // namespace

std::unique_ptr<MusicPlayer> MakeSdlMidiPlayer(TraceSink trace) {
  return media::Traced(std::make_unique<SdlMidiPlayer>(), std::move(trace));
}

}  // namespace qvl
