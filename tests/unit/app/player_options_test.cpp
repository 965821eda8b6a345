#include "app/player_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qvl {
namespace {

CommandLine Parse(std::vector<std::string> args, PlayerOptions settings = {}) {
  return ParseCommandLine(args, settings);
}

TEST(PlayerOptions, CommandLineChangesTheKeptSettings) {
  PlayerOptions kept;
  kept.music_volume = 40;
  kept.fullscreen = true;
  const CommandLine line =
      Parse({"--windowed", "--window-scale", "2", "--pixel-perfect", "--sound-volume=30", "--mute",
             "--renderer", "software"},
            kept);
  EXPECT_EQ(line.action, CommandLine::Action::kPlay);
  EXPECT_TRUE(line.changed);
  EXPECT_FALSE(line.options.fullscreen);
  EXPECT_EQ(line.options.window_scale, 2);
  EXPECT_TRUE(line.options.pixel_perfect);
  EXPECT_EQ(line.options.sound_volume, 30);
  EXPECT_EQ(line.options.music_volume, 40);  // kept from the settings
  EXPECT_TRUE(line.options.mute);
  EXPECT_EQ(line.options.renderer, "software");
  EXPECT_FALSE(Parse({"--smooth"}, line.options).options.pixel_perfect);
  EXPECT_FALSE(Parse({}).changed);
  EXPECT_EQ(Parse({"--help", "--bogus"}).action, CommandLine::Action::kHelp);
  EXPECT_EQ(Parse({"--version"}).action, CommandLine::Action::kVersion);
}

TEST(PlayerOptions, AWindowTooLargeForTheDesktopOpensAtAScaleThatFits) {
  EXPECT_EQ(FittingWindowScale(3, 1920, 1200), 1) << "1800 and even 1200 high leave no room for the title bar";
  EXPECT_EQ(FittingWindowScale(3, 2560, 1440), 2);
  EXPECT_EQ(FittingWindowScale(2, 3840, 2160), 2);
  EXPECT_EQ(FittingWindowScale(2, 1600, 1248), 2);
  EXPECT_EQ(FittingWindowScale(1, 640, 480), 1) << "never below 1";
}

TEST(PlayerOptions, BadOptionsAndValuesAreOneLineErrors) {
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--bogus"}, {"--music-volume", "101"}, {"--sound-volume=-1"},
        {"--music-volume", "loud"}, {"--window-scale", "0"}, {"--window-scale"}, {"--renderer", "vulkan"},
        {"--fullscreen=yes"}, {"game.dat"}}) {
    try {
      Parse(bad);
      ADD_FAILURE() << bad[0] << " was taken";
    } catch (const OptionError& error) {
      const std::string message = error.what();
      EXPECT_FALSE(message.empty());
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
  }
}

TEST(PlayerOptions, SettingsTextRoundTripsAndSkipsWhatItCannotRead) {
  PlayerOptions o;
  o.fullscreen = true;
  o.window_scale = 3;
  o.pixel_perfect = true;
  o.mute = true;
  o.music_volume = 0;
  o.sound_volume = 55;
  o.renderer = "opengl";
  std::vector<std::string> problems;
  EXPECT_EQ(ParseSettingsText(SettingsText(o), problems), o);
  EXPECT_TRUE(problems.empty());

  const PlayerOptions read = ParseSettingsText(
      "# comment\nmusic-volume = 70\nsound-volume = 900\nbogus = 1\nfullscreen\n  mute = yes  \r\n", problems);
  EXPECT_EQ(read.music_volume, 70);
  EXPECT_EQ(read.sound_volume, 100);  // the bad value leaves the default
  EXPECT_TRUE(read.mute);
  EXPECT_EQ(problems.size(), 3u);
}

TEST(PlayerOptions, SettingsFileIsWrittenWholeAndReadBack) {
  const auto folder = std::filesystem::temp_directory_path() / "qvl_player_options_test";
  std::filesystem::remove_all(folder);
  const auto file = folder / "quorvel-player" / "settings.ini";
  std::vector<std::string> problems;
  EXPECT_EQ(ReadSettingsFile(file, problems), PlayerOptions{});  // none yet: the defaults
  PlayerOptions o;
  o.sound_volume = 20;
  ASSERT_TRUE(WriteSettingsFile(file, o));
  EXPECT_EQ(ReadSettingsFile(file, problems), o);
  EXPECT_TRUE(problems.empty());
  EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
  // A folder where the file should be: nothing is written, nothing lost.
  EXPECT_FALSE(WriteSettingsFile(folder / "quorvel-player", o));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qvl
