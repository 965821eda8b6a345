// qvl build: not written yet.
#include <cstdio>

#include "tools/commands.h"

namespace qvl::tools {

void AddBuildCommand(CLI::App& app, int& exit_code) {
  app.add_subcommand("build", "(not available yet)")->callback([&exit_code] {
    std::fprintf(stderr, "qvl build: not available yet\n");
    exit_code = 2;
  });
}

}  // namespace qvl::tools
