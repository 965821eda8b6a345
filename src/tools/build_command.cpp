// qvl build GAME.toml OUTDIR: builds a game's data files from its text.
#include <iostream>
#include <memory>
#include <string>

#include "tools/commands.h"
#include "tools/game_format.h"

namespace qvl::tools {

void AddBuildCommand(CLI::App& app, int& exit_code) {
  struct Options {
    std::string toml_file;
    std::string out_dir;
    bool force = false;
  };
  auto options = std::make_shared<Options>();
  CLI::App* build = app.add_subcommand("build", "Build a game's data files from its TOML text");
  build->add_option("GAME.toml", options->toml_file, "The game text")->required();
  build->add_option("OUTDIR", options->out_dir, "The game folder to write (its resource/ is filled)")->required();
  build->add_flag("--force", options->force, "Write the game even when lint finds errors in it");
  build->callback([options, &exit_code] {
    exit_code = BuildGame(options->toml_file, options->out_dir, std::cerr, options->force);
  });
}

}  // namespace qvl::tools
