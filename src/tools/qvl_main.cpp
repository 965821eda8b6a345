// qvl: the author's tool. Builds games from text, dumps them back, and plays
// them from scripts.
#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App app{"qvl: build, dump and play Quorvel games"};
  app.require_subcommand(1);
  CLI11_PARSE(app, argc, argv);
  return 0;
}
