// The subcommands of the qvl tool, each registered on the command line.
#pragma once

#include <CLI/CLI.hpp>

namespace qvl::tools {

// Each adds its subcommand to `app`; the subcommand sets `exit_code` when it runs.
void AddBuildCommand(CLI::App& app, int& exit_code);
void AddDumpCommand(CLI::App& app, int& exit_code);
void AddRunCommand(CLI::App& app, int& exit_code);
void AddLintCommand(CLI::App& app, int& exit_code);
void AddSolveCommand(CLI::App& app, int& exit_code);

}  // namespace qvl::tools
