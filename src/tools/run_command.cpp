// qvl run: not written yet.
#include <cstdio>

#include "tools/commands.h"

namespace qvl::tools {

void AddRunCommand(CLI::App& app, int& exit_code) {
  app.add_subcommand("run", "(not available yet)")->callback([&exit_code] {
    std::fprintf(stderr, "qvl run: not available yet\n");
    exit_code = 2;
  });
}

}  // namespace qvl::tools
