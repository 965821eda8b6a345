#include "media/listener_levels.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/clocks.h"
#include "platform/media_backends.h"

namespace qvl {
namespace {

TEST(ListenerLevels, PerCentBecomesAttenuation) {
  EXPECT_EQ(AttenuationOf(100), 0);
  EXPECT_EQ(AttenuationOf(50), -602);
  EXPECT_EQ(AttenuationOf(10), -2000);
  EXPECT_EQ(AttenuationOf(0), -10000);
}

// The volumes the backends are asked for, as their trace lines say.
std::vector<std::string> Requests(const ListenerLevels& levels, const std::function<void(MediaSet&)>& play) {
  VirtualClock clock;
  std::vector<std::string> lines;
  TraceSink trace = [&](const std::string& line) {
    if (line.find("volume") != std::string::npos || line.find("level") != std::string::npos) lines.push_back(line);
  };
  MediaSet media{MakeHeadlessMixer(clock, trace), MakeHeadlessMidiPlayer(clock, trace),
                 MakeHeadlessMp3Player(clock, trace), MakeHeadlessMoviePlayer(clock, trace)};
  lines.clear();
  MediaSet leveled = WithListenerLevels(std::move(media), levels);
  play(leveled);
  return lines;
}

TEST(ListenerLevels, MusicAndSoundsAreLoweredOnTopOfTheGame) {
  ListenerLevels levels;
  levels.music = 50;
  levels.sound = 10;
  const auto lines = Requests(levels, [](MediaSet& m) {
    m.mp3->SetVolume(-600);
    m.mixer->SetChannelVolume(3, -100);
    m.mixer->SetChannelVolume(19, 0);
    m.movie->SetLevel(80);
  });
  ASSERT_EQ(lines.size(), 6u);  // the two music players start lowered
  EXPECT_NE(lines[2].find("-1202"), std::string::npos) << lines[2];
  EXPECT_NE(lines[3].find("-2100"), std::string::npos) << lines[3];
  EXPECT_NE(lines[4].find("-602"), std::string::npos) << lines[4];  // the soundtrack channel is music
  EXPECT_NE(lines[5].find(" 8"), std::string::npos) << lines[5];
}

TEST(ListenerLevels, MuteSilencesEverythingAndFullLevelsChangeNothing) {
  ListenerLevels mute;
  mute.mute = true;
  const auto muted = Requests(mute, [](MediaSet& m) { m.midi->SetVolume(0); });
  ASSERT_FALSE(muted.empty());
  EXPECT_NE(muted.back().find("-10000"), std::string::npos) << muted.back();
  const auto full = Requests(ListenerLevels{}, [](MediaSet& m) { m.midi->SetVolume(-300); });
  ASSERT_EQ(full.size(), 1u);
  EXPECT_NE(full[0].find("-300"), std::string::npos);
}

}  // namespace
}  // namespace qvl
