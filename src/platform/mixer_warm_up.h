// SDL2_mixer loaded ahead of the sound device, on a thread of its own,
// while the window opens: the library and the thirty it brings are in by
// the time the device is opened.
#pragma once

#include <thread>

namespace qvl::media {

// Starts loading SDL2_mixer; a load that fails is left for the device to
// report when it opens. Waits for the load to finish when it goes.
class MixerWarmUp {
 public:
  MixerWarmUp();

 private:
  std::jthread loading_;
};

}  // namespace qvl::media
