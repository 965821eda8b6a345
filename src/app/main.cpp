// QuorvelPlayer: plays the game in the folder beside the program, in a
// window, until the game ends.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "app/player_options.h"
#include "app/startup.h"
#include "game/player.h"
#include "platform/display_size.h"
#include "platform/file_replace.h"
#include "platform/heap_tuning.h"
#include "ui/window_runtime.h"

namespace {

// The program file itself, by which the game folder is found.
std::filesystem::path ProgramFile(const char* argv0) {
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self;
  return std::filesystem::absolute(argv0, error);
}

// Exit status of a bad option or value.
constexpr int kBadOption = 2;

// The drawing backend the player asked for; "auto" lets the window choose.
qvl::RendererChoice ScreenRenderer(const std::string& name) {
  if (name == "software") return qvl::RendererChoice::kSoftware;
  if (name == "opengl") return qvl::RendererChoice::kOpenGL;
  return qvl::RendererChoice::kAuto;
}

// The window's scale: the one asked for, lowered (with a note) when that
// window would not fit on the desktop, where its title bar could not be
// reached. The kept setting stays as it was asked.
int WindowScale(const qvl::PlayerOptions& o) {
  const auto usable = qvl::UsableDisplaySize();
  if (o.fullscreen || !usable) return o.window_scale;
  const int scale = qvl::FittingWindowScale(o.window_scale, usable->width, usable->height);
  if (scale != o.window_scale) {
    std::fprintf(stderr, "QuorvelPlayer: --window-scale %d does not fit the %d x %d desktop; the window opens at scale %d\n",
                 o.window_scale, usable->width, usable->height, scale);
  }
  return scale;
}

qvl::ui::WindowRuntimeOptions WindowOptions(const qvl::PlayerOptions& o) {
  qvl::ui::WindowRuntimeOptions window;
  window.screen.fullscreen = o.fullscreen;
  const int scale = WindowScale(o);
  window.screen.window_width = qvl::kVirtualScreenWidth * scale;
  window.screen.window_height = qvl::kVirtualScreenHeight * scale;
  window.screen.integer_scale = o.pixel_perfect;
  window.screen.renderer = ScreenRenderer(o.renderer);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  qvl::IgnoreFileSizeSignal();
  qvl::KeepHeapSmall();
  // The kept settings first, then what the command line changes.
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto settings_file = qvl::SettingsFilePath();
  std::vector<std::string> problems;
  const qvl::PlayerOptions kept =
      settings_file ? qvl::ReadSettingsFile(*settings_file, problems) : qvl::PlayerOptions{};
  qvl::CommandLine line;
  try {
    line = qvl::ParseCommandLine(args, kept);
  } catch (const qvl::OptionError& error) {
    std::fprintf(stderr, "QuorvelPlayer: %s\n", error.what());
    return kBadOption;
  }
  if (line.action == qvl::CommandLine::Action::kHelp) {
    std::fputs(qvl::OptionsHelp().c_str(), stdout);
    return 0;
  }
  if (line.action == qvl::CommandLine::Action::kVersion) {
    std::printf("%s\n", qvl::VersionText().c_str());
    return 0;
  }
  for (const std::string& problem : problems) std::fprintf(stderr, "QuorvelPlayer: %s\n", problem.c_str());
  if (line.changed && settings_file && !qvl::WriteSettingsFile(*settings_file, line.options)) {
    std::fprintf(stderr, "QuorvelPlayer: the settings could not be kept in %s\n", settings_file->c_str());
  }

  try {
    const qvl::PlayerOptions& o = line.options;
    qvl::PlayerSetup setup;
    setup.program = ProgramFile(argv[0]);
    setup.levels = qvl::ListenerLevels{o.music_volume, o.sound_volume, o.mute};
    std::unique_ptr<qvl::ui::Runtime> runtime = qvl::ui::MakeWindowRuntime(WindowOptions(o));
    setup.media = qvl::MakeDeviceMediaSet(runtime->clock(), {});
    qvl::Player player(std::move(runtime), std::move(setup));
    try {
      qvl::StartProgram(player);
      player.loop().WaitUntil([&player] { return player.ended; }, qvl::ui::WaitKind::kMain);
    } catch (const qvl::ui::ProgramEnded&) {
    }
    return 0;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "Quorvel Player: run-time error 7: Out of memory\n");
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Quorvel Player: %s\n", error.what());
    return 1;
  }
}
