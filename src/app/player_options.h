// The player's own options: how the window shows the game and how loud it
// plays, from the command line and from a small settings file in the
// user's configuration folder, so that a choice made once is kept.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qvl {

struct PlayerOptions {
  bool fullscreen = false;
  int window_scale = 1;        // the window's first size: 800 × 600 times this
  bool pixel_perfect = false;  // whole-number scaling, square pixels
  bool mute = false;
  int music_volume = 100;  // 0 … 100, on top of the game's own levels
  int sound_volume = 100;
  std::string renderer = "auto";  // auto, software or opengl
  bool operator==(const PlayerOptions&) const = default;
};

// What the command line asks for.
struct CommandLine {
  enum class Action { kPlay, kHelp, kVersion };
  Action action = Action::kPlay;
  PlayerOptions options;  // the settings with the command line's changes
  bool changed = false;   // an option was given: the settings file is written
};

// A bad option or value; the message is one line.
class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Applies the command-line arguments (without the program name) to the
// options read from the settings file. Throws OptionError.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const PlayerOptions& settings);

// The window scale to open with: the one asked for, or the largest smaller
// one whose window, with room for its title bar, fits a desktop area of
// `width` × `height` (never below 1).
int FittingWindowScale(int asked, int width, int height);

// What --version prints: "Quorvel Player" and the version number.
std::string VersionText();

// The text --help prints.
std::string OptionsHelp();

// The settings file: $XDG_CONFIG_HOME/quorvel-player/settings.ini, or
// ~/.config/… when that is not set; nothing when neither can be found.
std::optional<std::filesystem::path> SettingsFilePath();

// Reads the settings file's "name = value" lines over the defaults. A line
// that cannot be understood is skipped and reported in `problems` (one
// line each); a missing file gives the defaults.
PlayerOptions ReadSettingsFile(const std::filesystem::path& path, std::vector<std::string>& problems);

// Writes every option to the settings file (through a temporary file, so a
// good file is never left half-written). False when it cannot be written.
bool WriteSettingsFile(const std::filesystem::path& path, const PlayerOptions& options);

// The file's text for the options, and the options of a file's text.
std::string SettingsText(const PlayerOptions& options);
PlayerOptions ParseSettingsText(const std::string& text, std::vector<std::string>& problems);

}  // namespace qvl
