// The soundtrack: switching by file kind, the music switch, the MP3 repeat,
// the return to the main menu's silence and broken music. Volume changes,
// the stop name and unknown kinds are played through in the media game's
// Responder script.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "media_game.h"

namespace qvl {
namespace {

using ::testing::ElementsAre;
using testing::MediaGame;

TEST(Soundtrack, EachKindGoesToItsPlayer) {
  MediaGame g;
  g.LogOn(false);
  Soundtrack(g.p(), "theme.mid", -1000, false);
  EXPECT_THAT(g.Take(), ElementsAre("SOUND stop ch=19", "MUSIC midi volume -4000", "MUSIC midi open theme.mid 6.00s",
                                    "MUSIC midi volume -1000", "MUSIC midi play loop=1",
                                    "LOG Soundtrack changed to 'theme.mid'."));
  Soundtrack(g.p(), "tone.wav", -200, false);
  EXPECT_THAT(g.Take(), ElementsAre("MUSIC midi stop", "SOUND stop ch=19", "SOUND play ch=19 file=tone.wav loop=1",
                                    "SOUND pan ch=19 0", "SOUND volume ch=19 -200",
                                    "LOG Soundtrack changed to 'tone.wav'."));
  Soundtrack(g.p(), "tone.mp3", 0, false);
  EXPECT_THAT(g.Take(), ElementsAre("MUSIC midi stop", "SOUND stop ch=19", "MUSIC mp3 open tone.mp3 2.00s",
                                    "MUSIC mp3 volume 0", "MUSIC mp3 balance 0", "MUSIC mp3 seek 0.00",
                                    "MUSIC mp3 play loop=0", "LOG Soundtrack changed to 'tone.mp3'."));
  EXPECT_EQ(g.p().music.CurrentSoundtrack, "tone.mp3");
}

TEST(Soundtrack, MusicOffRecordsANewSoundtrackThatStartsWhenMusicComesOn) {
  MediaGame g;
  g.LogOn(false);
  Soundtrack(g.p(), "tone.wav", -200, false);
  PlayWAVQVL(g.p(), "click.wav", true, 17, 0, 0);
  g.Take();

  ToggleMusic(g.p());
  // Off: only the soundtrack's channel stops; the looping sound plays on.
  EXPECT_THAT(g.Take(), ElementsAre("LOG Music toggled off", "SOUND stop ch=19"));
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(17));
  EXPECT_EQ(g.p().windows.main.Msg.caption(), "MUSIC OFF");
  EXPECT_TRUE(g.p().windows.main.MsgStatus.visible());
  g.Wait(1000);
  EXPECT_FALSE(g.p().windows.main.MsgStatus.visible());

  Soundtrack(g.p(), "theme.mid", -900, false);
  EXPECT_THAT(g.Take(), ElementsAre("SOUND stop ch=19", "LOG Soundtrack changed to 'theme.mid'."));
  EXPECT_FALSE(g.p().media.midi->IsPlaying());

  ToggleMusic(g.p());
  EXPECT_THAT(g.Take(), ElementsAre("LOG Music toggled on", "SOUND stop ch=19", "MUSIC midi volume -4000",
                                    "MUSIC midi open theme.mid 6.00s", "MUSIC midi volume -900",
                                    "MUSIC midi play loop=1", "LOG Soundtrack changed to 'theme.mid'."));
  EXPECT_EQ(g.p().windows.main.Msg.caption(), "MUSIC ON");
  EXPECT_TRUE(g.p().media.midi->IsPlaying());
}

TEST(Soundtrack, Mp3PlaysAgainWithin600MsOfItsEnd) {
  MediaGame g;
  Soundtrack(g.p(), "tone.mp3", 0, false);
  g.Take();
  // The file lasts 2.00 s: the check at 2.4 s finds it at its end.
  g.Wait(2000);
  EXPECT_TRUE(g.Take().empty());
  g.Wait(600);
  EXPECT_THAT(g.Take(), ElementsAre("MUSIC mp3 seek 0.00", "MUSIC mp3 play loop=0"));
  EXPECT_TRUE(g.p().media.mp3->IsPlaying());
  // Stopped, it stays stopped.
  StopMP3(g.p());
  g.Wait(5000);
  EXPECT_THAT(g.Take(), ElementsAre("MUSIC mp3 stop"));
}

TEST(Soundtrack, StopAllSoundsLeavesTheButtonsChannelPlaying) {
  MediaGame g;
  g.LogOn(false);
  Soundtrack(g.p(), "tone.mp3", 0, false);
  PlayWAVQVL(g.p(), "click.wav", false, 18, 0, 0);
  PlayWAVQVL(g.p(), "tone.wav", true, 14, 0, 0);
  g.p().delays.DelayRunning[7] = 1;
  g.Take();
  StopAllSounds(g.p());
  std::vector<std::string> stops;
  for (const std::string& line : g.Take()) stops.push_back(line);
  EXPECT_THAT(stops, ElementsAre("MUSIC mp3 stop", "SOUND stop ch=1", "SOUND stop ch=2", "SOUND stop ch=3",
                                 "SOUND stop ch=4", "SOUND stop ch=5", "SOUND stop ch=6", "SOUND stop ch=7",
                                 "SOUND stop ch=8", "SOUND stop ch=9", "SOUND stop ch=10", "SOUND stop ch=11",
                                 "SOUND stop ch=12", "SOUND stop ch=13", "SOUND stop ch=14", "SOUND stop ch=19",
                                 "SOUND stop ch=17", "SOUND stop ch=16", "SOUND stop ch=15", "SOUND stop ch=20"));
  EXPECT_TRUE(g.p().media.mixer->IsPlaying(18));
  EXPECT_EQ(g.p().delays.DelayRunning[7], 0);
  // The soundtrack's name stays for the next game.
  EXPECT_EQ(g.p().music.CurrentSoundtrack, "tone.mp3");
}

TEST(Soundtrack, BrokenMusicShowsItsBoxAndKeepsTheRecord) {
  MediaGame g;
  g.LogOn(false);
  Soundtrack(g.p(), "broken.mid", -100, false);
  std::vector<std::string> boxes;
  for (const std::string& line : g.Take()) {
    if (line.rfind("MSGBOX", 0) == 0) boxes.push_back(line);
  }
  ASSERT_EQ(boxes.size(), 1u);
  const std::string folder = g.p().AppPath() + "resource\\mmedia\\";
  EXPECT_EQ(boxes[0].rfind("MSGBOX QuorvelPlayer | ERROR PLAYING MIDI FILE.  \rErr # 321 : ", 0), 0u) << boxes[0];
  EXPECT_NE(boxes[0].find("\rPath = " + folder + "\rFilename = broken.mid"), std::string::npos) << boxes[0];
  EXPECT_EQ(g.p().music.CurrentSoundtrack, "broken.mid");

  Soundtrack(g.p(), "gone.mp3", 0, false);
  boxes.clear();
  for (const std::string& line : g.Take()) {
    if (line.rfind("MSGBOX", 0) == 0) boxes.push_back(line);
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "MSGBOX QuorvelPlayer | ERROR PLAYING MP3 FILE.  \rErr # 53 : File not found\rPath = " + folder +
                          "\rFilename = gone.mp3");
}

TEST(Soundtrack, ExitReleasesTheMp3Player) {
  MediaGame g;
  Soundtrack(g.p(), "tone.mp3", 0, false);
  g.Take();
  EXPECT_TRUE(TerminateEngine(g.p()));
  EXPECT_THAT(g.Take(), ElementsAre("MUSIC mp3 stop", "MUSIC mp3 release"));
  EXPECT_FALSE(g.p().media.mp3->IsLoaded());
}

}  // namespace
}  // namespace qvl
