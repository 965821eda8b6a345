// The soundtrack heard for real: a Player in real time on the SDL sound
// backends, its output written by SDL's disk audio driver and measured.
// Skipped when no audio device can be opened.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "../platform/media_test_support.h"
#include "game/player.h"
#include "media/soundtrack.h"
#include "platform/media_backends.h"
#include "platform/runtime_error.h"

namespace qvl {
namespace {

using testing::DiskAudio;

// A level well above the dither and noise of silence.
constexpr double kHeard = 300.0;

class RealSoundtrack : public ::testing::Test {
 protected:
  void SetUp() override {
    try {
      auto probe = MakeSdlMixer();
    } catch (const RuntimeError& error) {
      GTEST_SKIP() << "no audio device: " << error.what();
    }
    auto runtime = ui::Runtime::MakeReal(nullptr, std::make_unique<QueuedMessageBoxes>(
                                                      [this](const std::string&, const std::string& text, MsgAnswer) {
                                                        boxes_.push_back(text);
                                                      }),
                                         std::make_unique<MemoryClipboard>(), {});
    PlayerSetup setup;
    setup.program = std::string(QVL_TEST_GAMES_DIR) + "/media/QuorvelGame";
    setup.media = MakeDeviceMediaSet(runtime->clock(), {});
    player_ = std::make_unique<Player>(std::move(runtime), std::move(setup));
    player_->music.MusicOn = true;
  }

  // The loudest side of what is heard for `ms` from a tenth of a second on.
  double Listen(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const uint64_t from = disk_.Mark();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms - 100));
    return disk_.Between(from, disk_.Mark()).Loudest();
  }

  DiskAudio disk_{"soundtrack"};
  std::vector<std::string> boxes_;
  std::unique_ptr<Player> player_;
};

TEST_F(RealSoundtrack, EachKindSoundsChangesVolumeStopsAndComesBackAfterTheMusicSwitch) {
  Player& p = *player_;
  EXPECT_LT(Listen(300), kHeard);

  Soundtrack(p, "tone.wav", 0, false);
  const double wav = Listen(400);
  Soundtrack(p, "TONE.WAV", -2000, false);
  const double wav_quiet = Listen(400);
  Soundtrack(p, "(stop sndtrk)", 0, false);
  const double stopped = Listen(400);

  Soundtrack(p, "theme.mid", 0, false);
  const double midi = Listen(600);
  ToggleMusic(p);
  const double midi_off = Listen(400);
  ToggleMusic(p);
  const double midi_back = Listen(600);

  Soundtrack(p, "tone.mp3", 0, false);
  const double mp3 = Listen(400);
  Soundtrack(p, "tone.mp3", -2000, false);
  const double mp3_quiet = Listen(400);

  std::cout << "levels (RMS of the louder side): wav " << wav << ", at -20 dB " << wav_quiet << ", stopped "
            << stopped << "; midi " << midi << ", music off " << midi_off << ", on again " << midi_back << "; mp3 "
            << mp3 << ", at -20 dB " << mp3_quiet << "\n";
  EXPECT_TRUE(boxes_.empty()) << boxes_.front();
  EXPECT_GT(wav, kHeard);
  // 20 dB down is a tenth of the level; allow for the device's rounding.
  EXPECT_NEAR(wav_quiet / wav, 0.1, 0.03);
  EXPECT_LT(stopped, kHeard);
  EXPECT_GT(midi, kHeard);
  EXPECT_LT(midi_off, kHeard);
  EXPECT_GT(midi_back, kHeard);
  EXPECT_GT(mp3, kHeard);
  EXPECT_NEAR(mp3_quiet / mp3, 0.1, 0.03);
}

}  // namespace
}  // namespace qvl
