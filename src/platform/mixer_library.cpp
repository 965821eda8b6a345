#include "platform/mixer_library.h"

#include <dlfcn.h>

#include <string>

#include "platform/runtime_error.h"

namespace qvl::media {
namespace {

constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";
constexpr int kOpenFlags = RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE;

[[noreturn]] void CannotLoad(const std::string& what) {
  throw RuntimeError(err::kInvalidCall, "Cannot open the sound device: " + what);
}

template <typename Function>
void Bind(void* library, Function& function, const char* name) {
  void* found = dlsym(library, name);
  if (found == nullptr) CannotLoad(std::string("SDL2_mixer has no ") + name);
  function = reinterpret_cast<Function>(found);
}

}  // namespace

MixerRef LoadMixer() {
  void* library = dlopen(kLibraryName, kOpenFlags);
  if (library == nullptr) CannotLoad(dlerror());
  // The library stays loaded (RTLD_NODELETE): this handle may go at once.
  auto mix = std::make_shared<MixerLibrary>();
  try {
#define QVL_BIND(function) Bind(library, mix->function, #function)
    QVL_BIND(Mix_Init);
    QVL_BIND(Mix_OpenAudioDevice);
    QVL_BIND(Mix_CloseAudio);
    QVL_BIND(Mix_AllocateChannels);
    QVL_BIND(Mix_ReserveChannels);
    QVL_BIND(Mix_RegisterEffect);
    QVL_BIND(Mix_QuickLoad_RAW);
    QVL_BIND(Mix_LoadWAV);
    QVL_BIND(Mix_FreeChunk);
    QVL_BIND(Mix_Volume);
    QVL_BIND(Mix_PlayChannel);
    QVL_BIND(Mix_HaltChannel);
    QVL_BIND(Mix_Playing);
    QVL_BIND(Mix_SetSoundFonts);
    QVL_BIND(Mix_LoadMUSType_RW);
    QVL_BIND(Mix_FreeMusic);
    QVL_BIND(Mix_PlayMusic);
    QVL_BIND(Mix_HaltMusic);
    QVL_BIND(Mix_VolumeMusic);
    QVL_BIND(Mix_RewindMusic);
    QVL_BIND(Mix_PlayingMusic);
#undef QVL_BIND
  } catch (...) {
    dlclose(library);
    throw;
  }
  dlclose(library);
  return mix;
}

}  // namespace qvl::media
