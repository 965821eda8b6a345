#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media_test_support.h"
#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/runtime_error.h"

namespace qvl {
namespace {

using testing::ManualClock;
using testing::MediaFile;

int ErrorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

class HeadlessMixerTest : public ::testing::Test {
 protected:
  ManualClock clock;
  std::vector<std::string> lines;
  std::unique_ptr<Mixer> mixer = MakeHeadlessMixer(clock, [this](const std::string& l) { lines.push_back(l); });
};

TEST_F(HeadlessMixerTest, ASoundPlayedOnceFallsSilentWhenItsLengthHasPassed) {
  mixer->PlayFile(MediaFile("tone440.wav"), false, 3);
  EXPECT_TRUE(mixer->IsPlaying(3));
  EXPECT_FALSE(mixer->IsPlaying(4));
  clock.Advance(999);
  EXPECT_TRUE(mixer->IsPlaying(3));
  clock.Advance(1);
  EXPECT_FALSE(mixer->IsPlaying(3));
}

TEST_F(HeadlessMixerTest, ALoopedSoundPlaysUntilStopped) {
  mixer->PlayFile(MediaFile("adpcm440.wav"), true, 17);
  clock.Advance(60000);
  EXPECT_TRUE(mixer->IsPlaying(17));
  mixer->StopChannel(17);
  EXPECT_FALSE(mixer->IsPlaying(17));
  mixer->StopChannel(17);  // stopping an idle channel is harmless
  mixer->StopChannel(0);
  mixer->StopChannel(99);
}

TEST_F(HeadlessMixerTest, ANewSoundOnABusyChannelReplacesTheOld) {
  mixer->PlayFile(MediaFile("tone440.wav"), true, 5);
  clock.Advance(5000);
  mixer->PlayFile(MediaFile("tone440.wav"), false, 5);  // the loop ends, the new one runs 1 s
  clock.Advance(999);
  EXPECT_TRUE(mixer->IsPlaying(5));
  clock.Advance(1);
  EXPECT_FALSE(mixer->IsPlaying(5));
}

TEST_F(HeadlessMixerTest, BadRequestsFailAndLeaveTheChannelAsItWas) {
  mixer->PlayFile(MediaFile("tone440.wav"), true, 2);
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("missing.wav"), false, 2); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("corrupt.wav"), false, 2); }), media::kInvalidFileFormat);
  EXPECT_TRUE(mixer->IsPlaying(2));
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("tone440.wav"), false, 0); }), err::kInvalidCall);
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("tone440.wav"), false, 21); }), err::kInvalidCall);
  EXPECT_EQ(ErrorNumber([&] { mixer->SetChannelVolume(21, 0); }), err::kInvalidCall);
  mixer->Shutdown();
  EXPECT_FALSE(mixer->IsPlaying(2));
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("tone440.wav"), false, 2); }), err::kInvalidCall);
}

TEST_F(HeadlessMixerTest, EveryRequestIsTracedOnOneLine) {
  mixer->AttachWindow(7);
  mixer->PlayFile(MediaFile("tone440.wav"), false, 3);
  mixer->SetChannelPan(3, -2000);
  mixer->SetChannelVolume(3, -600);
  mixer->IsPlaying(3);  // a query, not traced
  mixer->StopChannel(3);
  EXPECT_ANY_THROW(mixer->PlayFile("resource\\mmedia\\gone.wav", true, 15));
  mixer->Shutdown();
  const std::vector<std::string> expected = {
      "SOUND attach window=7",
      "SOUND play ch=3 file=tone440.wav loop=0",
      "SOUND pan ch=3 -2000",
      "SOUND volume ch=3 -600",
      "SOUND stop ch=3",
      "SOUND play ch=15 file=gone.wav loop=1 error 53 File not found",
      "SOUND shutdown",
  };
  EXPECT_EQ(lines, expected);
}

TEST(HeadlessMusic, MidiLoopsForeverAndReportsItsPlaceInTheTune) {
  ManualClock clock;
  std::vector<std::string> lines;
  auto midi = MakeHeadlessMidiPlayer(clock, [&](const std::string& l) { lines.push_back(l); });
  EXPECT_EQ(ErrorNumber([&] { midi->Play(true); }), err::kInvalidCall);  // nothing loaded
  midi->Open(MediaFile("theme.mid"));
  midi->SetVolume(-500);
  midi->Play(true);
  clock.Advance(6500);
  EXPECT_TRUE(midi->IsPlaying());
  EXPECT_NEAR(midi->Position(), 0.5, 1e-9);
  EXPECT_DOUBLE_EQ(midi->Length(), 6.0);
  EXPECT_EQ(ErrorNumber([&] { midi->SetBalance(100); }), err::kInvalidCall);
  midi->Stop();
  EXPECT_FALSE(midi->IsPlaying());
  EXPECT_TRUE(midi->IsLoaded());
  const std::vector<std::string> expected = {
      "MUSIC midi play loop=1 error 5 Invalid procedure call or argument",
      "MUSIC midi open theme.mid 6.00s",
      "MUSIC midi volume -500",
      "MUSIC midi play loop=1",
      "MUSIC midi balance 100 error 5 Invalid procedure call or argument",
      "MUSIC midi stop",
  };
  EXPECT_EQ(lines, expected);
}

TEST(HeadlessMusic, Mp3PlayedOnceStopsWithItsPositionAtItsLength) {
  // This is what the game's 600 ms repeat check looks for: position equal
  // to length, then back to 0 and run again.
  ManualClock clock;
  auto mp3 = MakeHeadlessMp3Player(clock);
  mp3->Open(MediaFile("tone660.mp3"));
  const double length = mp3->Length();
  EXPECT_NEAR(length, 2.0, 0.1);
  mp3->SetBalance(-10000);
  mp3->Play(false);
  clock.Advance(1200);
  EXPECT_NE(mp3->Position(), length);
  EXPECT_TRUE(mp3->IsPlaying());
  clock.Advance(1200);
  EXPECT_FALSE(mp3->IsPlaying());
  EXPECT_EQ(mp3->Position(), length);
  mp3->SetPosition(0.0);
  mp3->Play(false);
  EXPECT_TRUE(mp3->IsPlaying());
  clock.Advance(500);
  EXPECT_NEAR(mp3->Position(), 0.5, 1e-9);
  mp3->Release();
  EXPECT_FALSE(mp3->IsLoaded());
  EXPECT_FALSE(mp3->IsPlaying());
}

TEST(HeadlessMusic, BadFilesFailTheSameWayAsInRealPlay) {
  ManualClock clock;
  auto midi = MakeHeadlessMidiPlayer(clock);
  auto mp3 = MakeHeadlessMp3Player(clock);
  EXPECT_EQ(ErrorNumber([&] { midi->Open(MediaFile("missing.mid")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { midi->Open(MediaFile("corrupt.mid")); }), media::kInvalidFileFormat);
  EXPECT_EQ(ErrorNumber([&] { mp3->Open(MediaFile("missing.mp3")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { mp3->Open(MediaFile("corrupt.mp3")); }), media::kInvalidFileFormat);
  EXPECT_FALSE(midi->IsLoaded());
  EXPECT_FALSE(mp3->IsLoaded());
}

TEST(HeadlessMovie, EndsOnTimeWithItsNaturalSize) {
  ManualClock clock;
  std::vector<std::string> lines;
  auto movie = MakeHeadlessMoviePlayer(clock, [&](const std::string& l) { lines.push_back(l); });
  movie->Open(MediaFile("redblue_cinepak.avi"));
  EXPECT_EQ(movie->NaturalWidth(), 160);
  EXPECT_EQ(movie->NaturalHeight(), 120);
  const double duration = movie->Duration();
  EXPECT_NEAR(duration, 2.0, 0.05);
  movie->SetLevel(80);
  movie->Play();
  clock.Advance(1000);
  EXPECT_TRUE(movie->IsPlaying());
  EXPECT_FALSE(movie->Ended());
  EXPECT_NEAR(movie->Position(), 1.0, 1e-9);
  const Image frame = movie->CurrentFrame(400, 175);
  EXPECT_EQ(frame.width, 400);
  EXPECT_EQ(frame.height, 175);
  clock.Advance(1000);
  EXPECT_TRUE(movie->Ended());
  EXPECT_FALSE(movie->IsPlaying());
  EXPECT_EQ(movie->Position(), duration);
  clock.Advance(5000);
  EXPECT_EQ(movie->Position(), duration);
  movie->Play();  // once more from the start
  clock.Advance(500);
  EXPECT_NEAR(movie->Position(), 0.5, 1e-9);
  EXPECT_TRUE(movie->IsPlaying());
  movie->Close();
  EXPECT_FALSE(movie->IsOpen());
  EXPECT_EQ(ErrorNumber([&] { movie->Play(); }), err::kInvalidCall);
  EXPECT_EQ(lines[0], "MOVIE open redblue_cinepak.avi 160x120 2.00s");
  EXPECT_EQ(lines[1], "MOVIE level 80");
  EXPECT_EQ(lines[2], "MOVIE play");
  EXPECT_EQ(lines[3], "MOVIE play");
  EXPECT_EQ(lines[4], "MOVIE close");
}

TEST(HeadlessMovie, StopGoesBackToTheStart) {
  ManualClock clock;
  auto movie = MakeHeadlessMoviePlayer(clock);
  movie->Open(MediaFile("redblue_mpeg1.mpg"));
  movie->Play();
  clock.Advance(700);
  movie->Stop();
  EXPECT_EQ(movie->Position(), 0.0);
  EXPECT_FALSE(movie->IsPlaying());
  movie->Play();
  clock.Advance(300);
  EXPECT_NEAR(movie->Position(), 0.3, 1e-9);
}

TEST(HeadlessMovie, MissingAndDamagedMoviesGiveClearErrors) {
  ManualClock clock;
  std::vector<std::string> lines;
  auto movie = MakeHeadlessMoviePlayer(clock, [&](const std::string& l) { lines.push_back(l); });
  EXPECT_EQ(ErrorNumber([&] { movie->Open(MediaFile("missing.avi")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { movie->Open(MediaFile("corrupt.avi")); }), media::kInvalidFileFormat);
  EXPECT_FALSE(movie->IsOpen());
  EXPECT_EQ(lines.back(), "MOVIE open corrupt.avi error 321 Invalid file format");
}

}  // namespace
}  // namespace qvl
