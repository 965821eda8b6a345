// Helpers for the sound, music and movie tests: the test media folder, a
// clock the test moves by hand, and a recording of what the SDL backends
// send to SDL's disk audio driver.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/clock.h"

namespace qvl::testing {

inline std::string MediaFile(const std::string& name) {
  return std::string(QVL_TEST_SOURCE_DIR) + "/data/media/" + name;
}

class ManualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_; }
  bool IsVirtual() const override { return true; }
  void Advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 0;
};

// Root-mean-square level of each side of a stretch of 16-bit stereo sound.
struct Levels {
  double left = 0.0;
  double right = 0.0;
  double Loudest() const { return std::max(left, right); }
};

// Sends the SDL audio device's output to a file instead of a sound card.
// Create it before the first SDL backend opens the device. The device
// writes in real time, so the file grows by 4 × 44100 bytes a second.
class DiskAudio {
 public:
  explicit DiskAudio(const std::string& name)
      : path_((std::filesystem::temp_directory_path() /
               ("qvl-" + name + "-" + std::to_string(getpid()) + ".raw")).string()) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
  }
  ~DiskAudio() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }

  // Bytes written so far: a mark in time.
  uint64_t Mark() const {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path_, ec);
    return ec ? 0 : size;
  }

  // Levels of the sound written between two marks.
  Levels Between(uint64_t from, uint64_t to) const {
    from -= from % 4;
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<int16_t> samples((to - from) / 2);
    in.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
    const size_t got = static_cast<size_t>(in.gcount()) / 4;
    double left = 0.0;
    double right = 0.0;
    for (size_t i = 0; i < got; ++i) {
      left += double(samples[2 * i]) * samples[2 * i];
      right += double(samples[2 * i + 1]) * samples[2 * i + 1];
    }
    if (got == 0) return {};
    return {std::sqrt(left / got), std::sqrt(right / got)};
  }

 private:
  std::string path_;
};

}  // namespace qvl::testing
