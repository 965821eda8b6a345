// qvl dump GAMEDIR [-o FILE]: writes a game's data files as TOML text.
#include <iostream>
#include <memory>
#include <string>

#include "tools/commands.h"
#include "tools/game_format.h"

namespace qvl::tools {

void AddDumpCommand(CLI::App& app, int& exit_code) {
  struct Options {
    std::string game_dir;
    std::string output_file;
  };
  auto options = std::make_shared<Options>();
  CLI::App* dump = app.add_subcommand("dump", "Write a game's data files as TOML text");
  dump->add_option("GAMEDIR", options->game_dir, "The game folder (holding resource/)")->required();
  dump->add_option("-o,--output", options->output_file, "Write the text to this file instead of the screen");
  dump->callback([options, &exit_code] {
    exit_code = DumpGameFolder(options->game_dir, options->output_file, std::cout, std::cerr);
  });
}

}  // namespace qvl::tools
