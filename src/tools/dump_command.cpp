// qvl dump: not written yet.
#include <cstdio>

#include "tools/commands.h"

namespace qvl::tools {

void AddDumpCommand(CLI::App& app, int& exit_code) {
  app.add_subcommand("dump", "(not available yet)")->callback([&exit_code] {
    std::fprintf(stderr, "qvl dump: not available yet\n");
    exit_code = 2;
  });
}

}  // namespace qvl::tools
