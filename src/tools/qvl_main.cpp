// qvl: the author's tool. Builds games from text, dumps them back, checks
// them for mistakes, plays them from scripts and solves them.
#include <CLI/CLI.hpp>

#include <string_view>

#include "platform/file_replace.h"
#include "platform/heap_tuning.h"
#include "tools/commands.h"

int main(int argc, char** argv) {
  qvl::IgnoreFileSizeSignal();
  // A play keeps its heap small as the player does; the other commands
  // (the solver's forked players above all) keep the C library's habits,
  // which trade memory for speed.
  if (argc > 1 && std::string_view(argv[1]) == "run") qvl::KeepHeapSmall();
  CLI::App app{"qvl: build, dump, check and play Quorvel games"};
  app.require_subcommand(1);
  int exit_code = 0;
  qvl::tools::AddBuildCommand(app, exit_code);
  qvl::tools::AddDumpCommand(app, exit_code);
  qvl::tools::AddRunCommand(app, exit_code);
  qvl::tools::AddLintCommand(app, exit_code);
  qvl::tools::AddSolveCommand(app, exit_code);
  CLI11_PARSE(app, argc, argv);
  return exit_code;
}
