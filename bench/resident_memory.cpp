#include "resident_memory.h"

#include <fstream>
#include <string>

namespace qvl::bench {

double ResidentMb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kb = 0;
      status >> kb;
      return kb / 1024.0;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

}  // namespace qvl::bench
