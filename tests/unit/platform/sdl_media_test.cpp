// The real backends, heard through SDL's disk audio driver: what they send
// to the sound device is written to a file and measured.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "media_test_support.h"
#include "platform/media_backends.h"
#include "platform/media_errors.h"
#include "platform/media_probe.h"
#include "platform/runtime_error.h"

namespace qvl {
namespace {

using testing::DiskAudio;
using testing::Levels;
using testing::MediaFile;

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Lets `ms` of sound be written, then measures it, leaving out the first
// tenth of a second while the device's buffers catch up.
Levels Listen(const DiskAudio& disk, int ms) {
  Sleep(100);
  const uint64_t from = disk.Mark();
  Sleep(ms - 100);
  return disk.Between(from, disk.Mark());
}

int ErrorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

// A sine at half of full scale has an RMS of about 11585; the movies'
// tone is quieter (measured with sox from the files themselves).
constexpr double kToneLevel = 11585.0;
constexpr double kMovieToneLevel = 1024.0;

TEST(SdlMixer, PlaysPansAttenuatesAndStops) {
  DiskAudio disk("mixer");
  auto mixer = MakeSdlMixer();
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);

  mixer->PlayFile(MediaFile("tone440.wav"), true, 3);
  EXPECT_TRUE(mixer->IsPlaying(3));
  const Levels centre = Listen(disk, 300);
  EXPECT_NEAR(centre.left, kToneLevel, kToneLevel * 0.1);
  EXPECT_NEAR(centre.right, kToneLevel, kToneLevel * 0.1);

  mixer->SetChannelPan(3, -10000);
  const Levels left = Listen(disk, 300);
  EXPECT_GT(left.left, kToneLevel * 0.9);
  EXPECT_LT(left.right, 1.0);

  mixer->SetChannelPan(3, 10000);
  const Levels right = Listen(disk, 300);
  EXPECT_LT(right.left, 1.0);
  EXPECT_GT(right.right, kToneLevel * 0.9);

  mixer->SetChannelPan(3, 0);
  mixer->SetChannelVolume(3, -600);  // about half
  const Levels half = Listen(disk, 300);
  EXPECT_NEAR(half.left / kToneLevel, 0.50, 0.05);
  EXPECT_NEAR(half.right / kToneLevel, 0.50, 0.05);

  mixer->StopChannel(3);
  EXPECT_FALSE(mixer->IsPlaying(3));
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
}

TEST(SdlMixer, ASoundPlayedOnceEndsAndANewOneStartsAtFullLevel) {
  DiskAudio disk("mixer-once");
  auto mixer = MakeSdlMixer();
  mixer->PlayFile(MediaFile("tone440.wav"), false, 12);
  mixer->SetChannelVolume(12, -10000);
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
  // Replacing the sound on the channel resets its volume and pan.
  mixer->PlayFile(MediaFile("adpcm440.wav"), false, 12);
  EXPECT_GT(Listen(disk, 200).Loudest(), kToneLevel * 0.8);
  Sleep(1000);
  EXPECT_FALSE(mixer->IsPlaying(12));
}

TEST(SdlMixer, BadFilesFailAsInHeadlessPlay) {
  DiskAudio disk("mixer-errors");
  auto mixer = MakeSdlMixer();
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("missing.wav"), false, 1); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("corrupt.wav"), false, 1); }), media::kInvalidFileFormat);
  EXPECT_EQ(ErrorNumber([&] { mixer->PlayFile(MediaFile("tone440.wav"), false, 21); }), err::kInvalidCall);
  mixer->StopChannel(1);
  EXPECT_FALSE(mixer->IsPlaying(1));
}

TEST(SdlMusic, MidiSoundsAndFollowsItsVolume) {
  DiskAudio disk("midi");
  auto midi = MakeSdlMidiPlayer();
  midi->Open(MediaFile("theme.mid"));
  EXPECT_DOUBLE_EQ(midi->Length(), 6.0);
  midi->Play(true);
  EXPECT_TRUE(midi->IsPlaying());
  const double full = Listen(disk, 600).Loudest();
  EXPECT_GT(full, 100.0);
  midi->SetVolume(-2000);  // a tenth
  const double quiet = Listen(disk, 600).Loudest();
  EXPECT_LT(quiet, full * 0.4);
  EXPECT_GT(midi->Position(), 1.0);
  midi->Stop();
  EXPECT_FALSE(midi->IsPlaying());
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
  EXPECT_EQ(ErrorNumber([&] { midi->Open(MediaFile("corrupt.mid")); }), media::kInvalidFileFormat);
}

// Resident memory of this process in KB, from /proc (0 elsewhere).
long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// A stopped MIDI lets its synthesizer and sound font go (some 15 MB) and
// builds them again when it is played once more; a released one cannot play.
TEST(SdlMusic, MidiLetsItsSoundFontGoWhenStoppedAndPlaysAgain) {
  DiskAudio disk("midi-again");
  auto midi = MakeSdlMidiPlayer();
  midi->Open(MediaFile("theme.mid"));
  midi->Play(true);
  EXPECT_GT(Listen(disk, 400).Loudest(), 100.0);
  const long playing_kb = ResidentKb();
  midi->Stop();
  EXPECT_TRUE(midi->IsLoaded());
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
  // A leak-checking build keeps freed memory aside on purpose.
  if (!media::FfmpegStaysLoaded()) {
    EXPECT_LT(ResidentKb(), playing_kb - 8 * 1024);
  }
  midi->Play(true);
  EXPECT_TRUE(midi->IsPlaying());
  EXPECT_GT(Listen(disk, 400).Loudest(), 100.0);
  midi->Release();
  EXPECT_FALSE(midi->IsLoaded());
  EXPECT_EQ(ErrorNumber([&] { midi->Play(true); }), err::kInvalidCall);
}

TEST(SdlMusic, Mp3HasVolumeBalanceAndEndsAtItsLength) {
  DiskAudio disk("mp3");
  auto mp3 = MakeSdlMp3Player();
  mp3->Open(MediaFile("tone660.mp3"));
  const double length = mp3->Length();
  EXPECT_NEAR(length, 2.0, 0.1);
  mp3->Play(false);
  const Levels full = Listen(disk, 300);
  EXPECT_NEAR(full.left, kToneLevel, kToneLevel * 0.15);
  EXPECT_NEAR(full.right, kToneLevel, kToneLevel * 0.15);

  mp3->SetVolume(-600);
  mp3->SetBalance(10000);
  const Levels right = Listen(disk, 300);
  EXPECT_LT(right.left, 1.0);
  EXPECT_NEAR(right.right / full.right, 0.5, 0.05);

  Sleep(1800);
  EXPECT_FALSE(mp3->IsPlaying());
  EXPECT_EQ(mp3->Position(), length);  // the game's repeat check
  mp3->SetPosition(0.0);
  mp3->Play(false);
  EXPECT_TRUE(mp3->IsPlaying());
  EXPECT_GT(Listen(disk, 200).right, 1000.0);
  mp3->Stop();
  EXPECT_EQ(mp3->Position(), 0.0);
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);

  EXPECT_EQ(ErrorNumber([&] { mp3->Open(MediaFile("missing.mp3")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { mp3->Open(MediaFile("corrupt.mp3")); }), media::kInvalidFileFormat);
}

TEST(SdlMusic, MidiAndMp3SoundTogether) {
  DiskAudio disk("both");
  auto midi = MakeSdlMidiPlayer();
  auto mp3 = MakeSdlMp3Player();
  midi->Open(MediaFile("theme.mid"));
  mp3->Open(MediaFile("tone660.mp3"));
  midi->Play(true);
  mp3->Play(true);
  Sleep(300);
  EXPECT_TRUE(midi->IsPlaying());
  EXPECT_TRUE(mp3->IsPlaying());
  mp3->Release();
  EXPECT_TRUE(midi->IsPlaying());
  EXPECT_GT(Listen(disk, 400).Loudest(), 100.0);
}

// The colour at the centre of a picture: 'r' red, 'b' blue, '?' other.
char CentreColour(const Image& image) {
  const uint32_t p = image.At(image.width / 2, image.height / 2);
  const int r = (p >> 16) & 0xFF;
  const int g = (p >> 8) & 0xFF;
  const int b = p & 0xFF;
  if ((p >> 24) != 0xFF) return '?';
  if (r > 200 && g < 60 && b < 60) return 'r';
  if (b > 200 && r < 60 && g < 60) return 'b';
  return '?';
}

class SdlMovie : public ::testing::TestWithParam<const char*> {};

TEST_P(SdlMovie, ShowsTheRightPicturesAtTheRightTimesAndEndsOnTime) {
  DiskAudio disk(std::string("movie-") + GetParam());
  auto movie = MakeFfmpegMoviePlayer();
  movie->Open(MediaFile(GetParam()));
  const double duration = movie->Duration();
  EXPECT_NEAR(duration, 2.0, 0.1);
  movie->SetLevel(100);
  movie->Play();

  Sleep(400);  // red for the first second
  const Image early = movie->CurrentFrame(350, 240);
  EXPECT_EQ(early.width, 350);
  EXPECT_EQ(early.height, 240);
  EXPECT_EQ(CentreColour(early), 'r');
  EXPECT_GT(movie->Position(), 0.3);
  // The 440 Hz tone is heard at the level it has in the file.
  EXPECT_NEAR(Listen(disk, 300).Loudest(), kMovieToneLevel, kMovieToneLevel * 0.1);

  Sleep(800);  // blue for the second one
  EXPECT_EQ(CentreColour(movie->CurrentFrame(80, 60)), 'b');
  EXPECT_TRUE(movie->IsPlaying());
  EXPECT_FALSE(movie->Ended());

  Sleep(1000);
  EXPECT_TRUE(movie->Ended());
  EXPECT_FALSE(movie->IsPlaying());
  EXPECT_EQ(movie->Position(), duration);
  movie->Close();
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Codecs, SdlMovie,
                         ::testing::Values("redblue_mpeg4.avi", "redblue_mjpeg.avi", "redblue_cinepak.avi",
                                           "redblue_raw.avi", "redblue_mpeg1.mpg"));

TEST(SdlMovieControl, LevelAndStopActAtOnce) {
  DiskAudio disk("movie-level");
  auto movie = MakeFfmpegMoviePlayer();
  movie->Open(MediaFile("redblue_mpeg4.avi"));
  EXPECT_EQ(movie->NaturalWidth(), 160);
  EXPECT_EQ(movie->NaturalHeight(), 120);
  movie->SetLevel(100);
  movie->Play();
  const double full = Listen(disk, 400).Loudest();
  movie->SetLevel(25);
  const double quarter = Listen(disk, 400).Loudest();
  EXPECT_NEAR(quarter / full, 0.25, 0.05);
  movie->Stop();
  EXPECT_FALSE(movie->IsPlaying());
  EXPECT_EQ(movie->Position(), 0.0);
  EXPECT_LT(Listen(disk, 200).Loudest(), 1.0);
  EXPECT_EQ(CentreColour(movie->CurrentFrame(16, 16)), '?');  // black before playing
  movie->Play();  // from the start again
  Sleep(300);
  EXPECT_EQ(CentreColour(movie->CurrentFrame(16, 16)), 'r');
}

// The same requests, good and bad, give the same trace lines and the same
// errors in real and in headless play.
TEST(SdlAndHeadless, TraceTheSameRequestsAlike) {
  DiskAudio disk("alike");
  testing::ManualClock clock;
  std::vector<std::string> real;
  std::vector<std::string> headless;
  auto keep = [](std::vector<std::string>& lines) { return [&lines](const std::string& l) { lines.push_back(l); }; };
  auto run = [](Mixer& mixer, MusicPlayer& mp3, MusicPlayer& midi, MoviePlayer& movie) {
    mixer.PlayFile(MediaFile("tone440.wav"), false, 16);
    mixer.SetChannelVolume(16, -1200);
    EXPECT_ANY_THROW(mixer.PlayFile(MediaFile("corrupt.wav"), false, 16));
    EXPECT_ANY_THROW(mixer.SetChannelPan(0, 100));
    mixer.StopChannel(16);
    mp3.Open(MediaFile("tone660.mp3"));
    mp3.SetBalance(-300);
    mp3.Play(false);
    mp3.Stop();
    EXPECT_ANY_THROW(midi.Open(MediaFile("missing.mid")));
    EXPECT_ANY_THROW(midi.Play(true));
    midi.Open(MediaFile("theme.mid"));
    EXPECT_ANY_THROW(movie.Open(MediaFile("corrupt.avi")));
    movie.Open(MediaFile("redblue_raw.avi"));
    movie.SetLevel(50);
    movie.Play();
    movie.Close();
  };
  {
    auto mixer = MakeSdlMixer(keep(real));
    auto mp3 = MakeSdlMp3Player(keep(real));
    auto midi = MakeSdlMidiPlayer(keep(real));
    auto movie = MakeFfmpegMoviePlayer(keep(real));
    run(*mixer, *mp3, *midi, *movie);
  }
  {
    auto mixer = MakeHeadlessMixer(clock, keep(headless));
    auto mp3 = MakeHeadlessMp3Player(clock, keep(headless));
    auto midi = MakeHeadlessMidiPlayer(clock, keep(headless));
    auto movie = MakeHeadlessMoviePlayer(clock, keep(headless));
    run(*mixer, *mp3, *midi, *movie);
  }
  ASSERT_EQ(real.size(), headless.size());
  for (size_t i = 0; i < real.size(); ++i) EXPECT_EQ(real[i], headless[i]);
  EXPECT_EQ(headless[2], "SOUND play ch=16 file=corrupt.wav loop=0 error 321 Invalid file format");
}

TEST(SdlMovieControl, MissingAndDamagedMoviesGiveClearErrors) {
  DiskAudio disk("movie-errors");
  auto movie = MakeFfmpegMoviePlayer();
  EXPECT_EQ(ErrorNumber([&] { movie->Open(MediaFile("missing.avi")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([&] { movie->Open(MediaFile("corrupt.avi")); }), media::kInvalidFileFormat);
  EXPECT_FALSE(movie->IsOpen());
  EXPECT_EQ(ErrorNumber([&] { movie->Play(); }), err::kInvalidCall);
}

// Whether the movie decoder's library is in this process's memory now.
bool MovieLibraryLoaded() {
  std::ifstream maps("/proc/self/maps");
  std::stringstream text;
  text << maps.rdbuf();
  return text.str().find("libavformat") != std::string::npos;
}

// FFmpeg and the libraries it brings are in memory only while a movie is
// open or a file is probed: a player showing scenes does without them.
TEST(SdlMovieControl, TheDecoderIsInMemoryOnlyWhileAMovieIsOpen) {
  if (media::FfmpegStaysLoaded()) GTEST_SKIP() << "a leak-checking build keeps FFmpeg loaded";
  DiskAudio disk("movie-library");
  auto movie = MakeFfmpegMoviePlayer();
  ASSERT_FALSE(MovieLibraryLoaded());
  movie->Open(MediaFile("redblue_mpeg4.avi"));
  EXPECT_TRUE(MovieLibraryLoaded());
  movie->Play();
  Sleep(300);
  EXPECT_EQ(CentreColour(movie->CurrentFrame(16, 16)), 'r');
  movie->Close();
  EXPECT_FALSE(MovieLibraryLoaded());

  auto mp3 = MakeSdlMp3Player();
  mp3->Open(MediaFile("tone660.mp3"));
  EXPECT_FALSE(MovieLibraryLoaded());
}

}  // namespace
}  // namespace qvl
