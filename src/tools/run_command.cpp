// qvl run GAMEDIR SCRIPT: plays a script on a game, headless in virtual
// time (or in real time with --real), and prints the transcript.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/script_host.h"
#include "tools/commands.h"
#include "tools/play_script.h"
#include "tools/script_commands.h"
#include "tools/script_runner.h"

namespace qvl::tools {

namespace {

struct RunArgs {
  std::string game_dir;
  std::string script;
  std::string shots_dir;
  bool trace = false;
  bool real = false;
  bool full_repaint = false;
};

int RunFromCommandLine(const RunArgs& args) {
  std::ifstream file(args.script, std::ios::binary);
  if (!file) {
    std::cerr << "qvl run: cannot read the script " << args.script << "\n";
    return run_exit::kBadInput;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::vector<ScriptCommand> commands;
  try {
    commands = ParseScript(text.str());
  } catch (const ScriptSyntaxError& error) {
    std::cerr << "qvl run: line " << error.line() << ": " << error.what() << "\n";
    return run_exit::kBadInput;
  }
  RunOptions options;
  options.trace = args.trace;
  options.real_time = args.real;
  options.shots_dir = args.shots_dir;
  options.full_repaint = args.full_repaint;
  const std::filesystem::path game_dir = args.game_dir;
  return RunScript(
      commands, [&](const HostHooks& hooks) { return MakeGameHost(game_dir, hooks); }, options, std::cout,
      std::cerr);
}

}  // namespace

void AddRunCommand(CLI::App& app, int& exit_code) {
  auto args = std::make_shared<RunArgs>();
  CLI::App* run = app.add_subcommand("run", "Play a script on a game and print what happens");
  run->add_option("GAMEDIR", args->game_dir, "The game folder (with resource/)")->required();
  run->add_option("SCRIPT", args->script, "The play script")->required();
  run->add_flag("--trace", args->trace, "Also print every sound, music and movie request");
  run->add_option("--shots", args->shots_dir, "Folder for the screenshots of `shot`");
  run->add_flag("--real", args->real, "Play in real time on a window, with sound");
  run->add_flag("--full-repaint", args->full_repaint,
                "Paint the whole screen every time instead of only what changed");
  run->footer(ScriptCommandsHelp() +
              "TARGET is Window.Control or Window.Control(i) with the game's own names.\n"
              "The queries of `expect` and the details are in docs/play-scripts.md.");
  run->callback([args, &exit_code] { exit_code = RunFromCommandLine(*args); });
}

}  // namespace qvl::tools
