// The twenty sound channels: what reaches the mixer, in which order, what
// the notify log says, the Responders' watch list and the error box.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "media/sound_channels.h"
#include "media_game.h"

namespace qvl {
namespace {

using ::testing::ElementsAre;
using testing::MediaGame;

TEST(SoundChannels, ObjectSoundPlaysOnItsChannelWithPanThenVolume) {
  MediaGame g;
  g.LogOn(true);
  PlayWav(g.p(), "tone.wav", false, 13, -2500, -700);
  EXPECT_THAT(g.Take(), ElementsAre("SOUND play ch=13 file=tone.wav loop=0", "SOUND pan ch=13 -2500",
                                    "SOUND volume ch=13 -700", "LOG Play Wav: 'tone.wav' - Channel 13"));
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(13));
  // A sound played once falls silent when its second has passed.
  g.Wait(1100);
  EXPECT_FALSE(g.p().media.mixer->IsPlaying(13));
}

TEST(SoundChannels, ChannelsFromFourteenGoThroughTheCategorisedPlayer) {
  MediaGame g;
  g.LogOn(true);
  PlayWav(g.p(), "tone.wav", true, 14, 0, 0);
  PlayWAVQVL(g.p(), "click.wav", false, 12, 0, -100);
  PlayWAVQVL(g.p(), "click.wav", false, 20, 0, 0);
  const auto lines = g.Take();
  EXPECT_EQ(lines[3], "LOG PlayWAVQVL: 'tone.wav' - Ch 14 (Persistent)");
  EXPECT_EQ(lines[7], "LOG PlayWAVQVL: 'click.wav' - Ch 12 (\?\?\?)");
  EXPECT_EQ(lines[11], "LOG PlayWAVQVL: 'click.wav' - Ch 20 (\?\?\?)");
}

TEST(SoundChannels, NoSoundLinesWithoutBuildDebugging) {
  MediaGame g;
  g.LogOn(false);
  PlayWav(g.p(), "tone.wav", false, 3, 0, 0);
  PlayWAVQVL(g.p(), "tone.wav", false, 15, 0, 0);
  StopWav(g.p(), 15);
  for (const std::string& line : g.Take()) EXPECT_NE(line.rfind("LOG", 0), 0u) << line;
}

TEST(SoundChannels, SoundtrackChannelIsSilentWhileTheMusicIsOff) {
  MediaGame g;
  g.LogOn(true);
  g.p().music.MusicOn = false;
  PlayWAVQVL(g.p(), "tone.wav", true, 19, 0, 0);
  SetSoundtrackWavVolume(g.p(), -300);
  EXPECT_TRUE(g.Take().empty());
  // Every other channel still plays.
  PlayWAVQVL(g.p(), "click.wav", false, 18, 0, 0);
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(18));
}

TEST(SoundChannels, StopsLogTheCategorisedChannelsOnly) {
  MediaGame g;
  g.LogOn(true);
  for (int16_t channel : {3, 14, 15, 16, 17, 18, 19, 20}) StopWav(g.p(), channel);
  std::vector<std::string> logged;
  for (const std::string& line : g.Take()) {
    if (line.rfind("LOG ", 0) == 0) logged.push_back(line.substr(4));
  }
  EXPECT_THAT(logged, ElementsAre("Stop Wav - Channel 15 (Dialogue)", "Stop Wav - Channel 16 (Enter/Exit)",
                                  "Stop Wav - Channel 17 (Looping)", "Stop Wav - Channel 18 (Buttons)",
                                  "Stop Wav - Channel 19 (Soundtrack)"));
}

TEST(SoundChannels, WatchedSoundIsHeardInsteadOfPlayed) {
  MediaGame g;
  g.LogOn(true);
  g.p().scene.WatchedSound[4] = "tone.wav";
  g.p().scene.WatchedSound[9] = "tone.wav";
  g.p().scene.WatchedSound[11] = "click.wav";
  PlayWav(g.p(), "tone.wav", false, 5, 0, 0);
  // Not played: the Responders heard it, and the hidden objects were
  // evaluated once (no Responder of the current scene takes the heard
  // flags away, as no scene is loaded).
  EXPECT_THAT(g.Take(), ElementsAre("LOG BUILD DEBUG: Check Hidden Objects"));
  EXPECT_TRUE(g.p().scene.SoundHeard[4]);
  EXPECT_TRUE(g.p().scene.SoundHeard[9]);
  EXPECT_FALSE(g.p().scene.SoundHeard[11]);
  EXPECT_FALSE(g.p().media.mixer->IsPlaying(5));

  // The same name in other letters is another sound.
  PlayWav(g.p(), "TONE.WAV", false, 5, 0, 0);
  EXPECT_EQ(g.p().sound.ChannelFile[5], "TONE.WAV");
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(5));
}

TEST(SoundChannels, MissingOrBrokenSoundShowsTheBoxAndTheGameGoesOn) {
  MediaGame g;
  g.LogOn(true);
  PlayWav(g.p(), "gone.wav", false, 3, 150, -200);
  EXPECT_THAT(g.Take(), ElementsAre("SOUND play ch=3 file=gone.wav loop=0 error 53 File not found",
                                    "MSGBOX QuorvelPlayer | Error playing WAV file.  File 'gone.wav' - Ch 3 - Pan "
                                    "150 - Vol-200\rErr # 53 : File not found"));
  PlayWAVQVL(g.p(), "broken.wav", true, 17, 0, 0);
  const auto lines = g.Take();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].rfind("MSGBOX QuorvelPlayer | Error playing WAV file.  File 'broken.wav' - Ch 17 - Pan 0 - "
                           "Vol 0\rErr # 321 : ",
                           0),
            0u)
      << lines[1];
  PlayWav(g.p(), "tone.wav", false, 3, 0, 0);
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(3));
}

}  // namespace
}  // namespace qvl
