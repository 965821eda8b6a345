#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "media_test_support.h"
#include "platform/media_errors.h"
#include "platform/media_probe.h"
#include "platform/runtime_error.h"
#include "platform/sound_file_length.h"
#include "platform/sound_font.h"

namespace qvl::media {
namespace {

using qvl::testing::MediaFile;

int ErrorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / ("qvl-media-" + name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TEST(SoundFileLength, WavLengthComesFromTheHeader) {
  EXPECT_NEAR(ReadWavSeconds(MediaFile("tone440.wav")), 1.0, 1e-6);
  // Compressed (IMA ADPCM) WAV files count their samples, not their bytes.
  EXPECT_NEAR(ReadWavSeconds(MediaFile("adpcm440.wav")), 1.0, 0.01);
}

TEST(SoundFileLength, MidiLengthFollowsTheTempoMap) {
  // Four beats at 120 per minute, then four at 60: 2 s + 4 s.
  EXPECT_NEAR(ReadMidiSeconds(MediaFile("theme.mid")), 6.0, 1e-9);
}

TEST(SoundFileLength, MidiWithSmpteTimeAndRunningStatus) {
  // Format 0, 25 frames a second × 40 ticks: 1000 ticks a second. One note
  // on, then a note off in running status 2500 ticks later.
  std::string track = std::string("\x00\x90\x3C\x64", 4) + "\x93\x44\x3C" + std::string("\x00", 1) +
                      std::string("\x00\xFF\x2F\x00", 4);
  const std::string midi = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01", 12) + "\xE7\x28" + "MTrk" +
                           std::string("\x00\x00\x00", 3) + static_cast<char>(track.size()) + track;
  EXPECT_NEAR(ReadMidiSeconds(WriteTemp("smpte.mid", midi)), 2.5, 1e-9);
}

TEST(SoundFileLength, BadFilesGiveClearErrors) {
  EXPECT_EQ(ErrorNumber([] { ReadWavSeconds(MediaFile("missing.wav")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([] { ReadWavSeconds(MediaFile("corrupt.wav")); }), kInvalidFileFormat);
  EXPECT_EQ(ErrorNumber([] { ReadWavSeconds(MediaFile("theme.mid")); }), kInvalidFileFormat);
  EXPECT_EQ(ErrorNumber([] { ReadWavSeconds(MediaFile("")); }), err::kPathFileAccess);  // the folder
  EXPECT_EQ(ErrorNumber([] { ReadMidiSeconds(MediaFile("missing.mid")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([] { ReadMidiSeconds(MediaFile("corrupt.mid")); }), kInvalidFileFormat);
  EXPECT_EQ(ErrorNumber([] { ReadMidiSeconds(MediaFile("tone440.wav")); }), kInvalidFileFormat);
  // A track that claims more bytes than an event has.
  const std::string cut = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x03\x00\x90\x3C", 25);
  EXPECT_EQ(ErrorNumber([&] { ReadMidiSeconds(WriteTemp("cut.mid", cut)); }), kInvalidFileFormat);
  try {
    ReadWavSeconds(MediaFile("corrupt.wav"));
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.description(), "Invalid file format");
  }
}

TEST(MediaProbe, ReadsLengthAndPictureSize) {
  const MediaInfo avi = ProbeMedia(MediaFile("redblue_mpeg4.avi"));
  EXPECT_TRUE(avi.has_video);
  EXPECT_TRUE(avi.has_audio);
  EXPECT_EQ(avi.width, 160);
  EXPECT_EQ(avi.height, 120);
  EXPECT_NEAR(avi.seconds, 2.0, 0.05);

  const MediaInfo raw = ProbeMedia(MediaFile("redblue_raw.avi"));
  EXPECT_EQ(raw.width, 80);
  EXPECT_EQ(raw.height, 60);

  const MediaInfo mp3 = ProbeMedia(MediaFile("tone660.mp3"));
  EXPECT_TRUE(mp3.has_audio);
  EXPECT_FALSE(mp3.has_video);
  EXPECT_NEAR(mp3.seconds, 2.0, 0.1);

  // The MP3's own length leaves out the encoder's silent padding, which
  // the container's length counts.
  EXPECT_NEAR(CountAudioSeconds(MediaFile("tone660.mp3")), 2.0, 0.001);
  EXPECT_GT(mp3.seconds, 2.02);
  EXPECT_EQ(ErrorNumber([] { CountAudioSeconds(MediaFile("corrupt.mp3")); }), kInvalidFileFormat);

  EXPECT_EQ(ErrorNumber([] { ProbeMedia(MediaFile("missing.avi")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumber([] { ProbeMedia(MediaFile("corrupt.avi")); }), kInvalidFileFormat);
}

TEST(SoundFont, EnvironmentFirstThenStandardPlaces) {
  const std::string font = WriteTemp("font.sf2", "RIFF");
  const std::string other = WriteTemp("other.sf2", "RIFF");
  EXPECT_EQ(FindSoundFont(("/nowhere/a.sf2;" + font).c_str(), {other}), font);
  EXPECT_EQ(FindSoundFont("/nowhere/a.sf2", {"/nowhere/b.sf2", other}), other);
  EXPECT_EQ(FindSoundFont(nullptr, {other}), other);
  EXPECT_EQ(FindSoundFont("", {"/nowhere/b.sf2"}), std::nullopt);
  EXPECT_NE(std::string(kNoSoundFontMessage).find("timgm6mb-soundfont"), std::string::npos);
}

}  // namespace
}  // namespace qvl::media
