// QuorvelPlayer: plays the game in the folder beside the program.
#include <cstdio>

int main() {
  std::puts("Quorvel Player: the game window is not built yet; `qvl` builds and inspects games.");
  return 0;
}
