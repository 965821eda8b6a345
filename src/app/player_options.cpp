#include "app/player_options.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/screen_scaling.h"

namespace qvl {

namespace {

std::optional<int> WholeNumber(std::string_view text) {
  int n = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

std::optional<int> Volume(std::string_view text) {
  auto n = WholeNumber(text);
  if (!n || *n < 0 || *n > 100) return std::nullopt;
  return n;
}

std::optional<int> Scale(std::string_view text) {
  auto n = WholeNumber(text);
  if (!n || *n < 1 || *n > 8) return std::nullopt;
  return n;
}

bool KnownRenderer(std::string_view name) { return name == "auto" || name == "software" || name == "opengl"; }

std::optional<bool> YesNo(std::string_view text) {
  if (text == "yes" || text == "true" || text == "1" || text == "on") return true;
  if (text == "no" || text == "false" || text == "0" || text == "off") return false;
  return std::nullopt;
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// Sets one option by its name; false when the name or value is not one.
bool SetOption(PlayerOptions& o, const std::string& name, const std::string& value) {
  if (name == "window-scale") {
    auto n = Scale(value);
    if (n) o.window_scale = *n;
    return n.has_value();
  }
  if (name == "music-volume" || name == "sound-volume") {
    auto n = Volume(value);
    if (n) (name == "music-volume" ? o.music_volume : o.sound_volume) = *n;
    return n.has_value();
  }
  if (name == "renderer") {
    if (KnownRenderer(value)) o.renderer = value;
    return KnownRenderer(value);
  }
  auto on = YesNo(value);
  if (!on) return false;
  if (name == "fullscreen") {
    o.fullscreen = *on;
  } else if (name == "pixel-perfect") {
    o.pixel_perfect = *on;
  } else if (name == "mute") {
    o.mute = *on;
  } else {
    return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, const PlayerOptions& settings) {
  CommandLine line;
  line.options = settings;
  PlayerOptions& o = line.options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::string value;
    bool has_value = false;
    if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
      has_value = true;
    }
    // The value of an option that takes one: after '=' or as the next word.
    auto take_value = [&]() -> std::string {
      if (has_value) return value;
      if (i + 1 >= args.size()) throw OptionError("the option " + arg + " needs a value (see --help)");
      return args[++i];
    };
    auto no_value = [&] {
      if (has_value) throw OptionError("the option " + arg + " takes no value (see --help)");
    };
    if (arg == "--help" || arg == "-h") {
      no_value();
      line.action = CommandLine::Action::kHelp;
      return line;
    }
    if (arg == "--version") {
      no_value();
      line.action = CommandLine::Action::kVersion;
      return line;
    }
    line.changed = true;
    if (arg == "--fullscreen" || arg == "--windowed") {
      no_value();
      o.fullscreen = arg == "--fullscreen";
    } else if (arg == "--pixel-perfect" || arg == "--smooth") {
      no_value();
      o.pixel_perfect = arg == "--pixel-perfect";
    } else if (arg == "--mute" || arg == "--unmute") {
      no_value();
      o.mute = arg == "--mute";
    } else if (arg == "--window-scale") {
      const std::string v = take_value();
      auto n = Scale(v);
      if (!n) throw OptionError("--window-scale takes a whole number from 1 to 8, not '" + v + "'");
      o.window_scale = *n;
    } else if (arg == "--music-volume" || arg == "--sound-volume") {
      const std::string v = take_value();
      auto n = Volume(v);
      if (!n) throw OptionError(arg + " takes a whole number from 0 to 100, not '" + v + "'");
      (arg == "--music-volume" ? o.music_volume : o.sound_volume) = *n;
    } else if (arg == "--renderer") {
      const std::string v = take_value();
      if (!KnownRenderer(v)) throw OptionError("--renderer takes auto, software or opengl, not '" + v + "'");
      o.renderer = v;
    } else {
      throw OptionError("unknown option '" + args[i] + "' (see --help)");
    }
  }
  return line;
}

int FittingWindowScale(int asked, int width, int height) {
  // What a window manager's frame and title bar take around the window.
  constexpr int kFrameRoom = 48;
  int scale = asked;
  while (scale > 1 && (scale * kVirtualScreenWidth > width || scale * kVirtualScreenHeight + kFrameRoom > height)) {
    --scale;
  }
  return scale;
}

std::string VersionText() {
  return "Quorvel Player " + std::to_string(QVL_VERSION_MAJOR) + "." + std::to_string(QVL_VERSION_MINOR) + "." +
         std::to_string(QVL_VERSION_PATCH);
}

std::string OptionsHelp() {
  return "Usage: QuorvelPlayer [OPTION]...\n"
         "Plays the game in the folder beside the program.\n"
         "\n"
         "Options given here are kept in the settings file and hold for later games too.\n"
         "  --fullscreen          fill the whole screen (Alt+Enter switches while playing)\n"
         "  --windowed            play in a window (the default)\n"
         "  --window-scale N      open the window at N times 800 x 600 (1 to 8)\n"
         "  --pixel-perfect       scale by whole numbers only, with square sharp pixels\n"
         "  --smooth              scale to fill the window, smoothed (the default)\n"
         "  --mute                no sound, music or movie sound at all\n"
         "  --unmute              sound again\n"
         "  --music-volume N      music at N per cent of the game's own level (0 to 100)\n"
         "  --sound-volume N      sounds and movies at N per cent of the game's levels\n"
         "  --renderer NAME       auto, software or opengl\n"
         "  --version             print the version and stop\n"
         "  --help                print this help and stop\n";
}

std::optional<std::filesystem::path> SettingsFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path folder;
  if (config != nullptr && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    folder = std::filesystem::path(home) / ".config";
  } else {
    return std::nullopt;
  }
  return folder / "quorvel-player" / "settings.ini";
}

std::string SettingsText(const PlayerOptions& o) {
  auto yes_no = [](bool on) { return on ? "yes" : "no"; };
  std::ostringstream out;
  out << "# Quorvel Player settings: written by QuorvelPlayer when options are given.\n"
      << "fullscreen = " << yes_no(o.fullscreen) << "\n"
      << "window-scale = " << o.window_scale << "\n"
      << "pixel-perfect = " << yes_no(o.pixel_perfect) << "\n"
      << "mute = " << yes_no(o.mute) << "\n"
      << "music-volume = " << o.music_volume << "\n"
      << "sound-volume = " << o.sound_volume << "\n"
      << "renderer = " << o.renderer << "\n";
  return out.str();
}

PlayerOptions ParseSettingsText(const std::string& text, std::vector<std::string>& problems) {
  PlayerOptions o;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const std::string content = Trimmed(line);
    if (content.empty() || content[0] == '#') continue;
    const size_t eq = content.find('=');
    const std::string name = eq == std::string::npos ? content : Trimmed(content.substr(0, eq));
    const std::string value = eq == std::string::npos ? std::string() : Trimmed(content.substr(eq + 1));
    if (eq == std::string::npos || !SetOption(o, name, value)) {
      problems.push_back("line " + std::to_string(number) + ": '" + content + "' is not a setting; skipped");
    }
  }
  return o;
}

PlayerOptions ReadSettingsFile(const std::filesystem::path& path, std::vector<std::string>& problems) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return PlayerOptions{};
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<std::string> found;
  PlayerOptions o = ParseSettingsText(text.str(), found);
  for (const std::string& problem : found) problems.push_back(path.string() + ": " + problem);
  return o;
}

bool WriteSettingsFile(const std::filesystem::path& path, const PlayerOptions& options) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  const std::filesystem::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << SettingsText(options);
    if (!out.flush()) {
      out.close();
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (!error) return true;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace qvl
