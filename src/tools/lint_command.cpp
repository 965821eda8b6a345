// qvl lint GAME: every fault the game's data alone can show.
#include <iostream>
#include <memory>
#include <string>

#include "tools/commands.h"
#include "tools/lint_game.h"

namespace qvl::tools {

void AddLintCommand(CLI::App& app, int& exit_code) {
  struct Options {
    std::string game;
    bool strict = false;
    bool json = false;
  };
  auto options = std::make_shared<Options>();
  CLI::App* lint = app.add_subcommand("lint", "Check a game for mistakes before anyone plays it");
  lint->add_option("GAME", options->game, "The game text (game.toml) or a game folder")->required();
  lint->add_flag("--strict", options->strict, "Exit with status 1 when there are warnings");
  lint->add_flag("--json", options->json, "Write the findings as JSON");
  lint->callback([options, &exit_code] {
    lint::Report report = lint::LintPath(options->game);
    if (options->json) {
      lint::WriteJson(report, std::cout);
    } else {
      lint::WriteText(report, std::cout);
    }
    exit_code = lint::ExitStatus(report, options->strict);
  });
}

}  // namespace qvl::tools
