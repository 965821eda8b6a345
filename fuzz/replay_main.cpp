// Runs a harness's entry point on files, with the ordinary compiler and no
// libFuzzer: every file named, and every file in each folder named. So
// `make test` replays the committed corpus and reproducers of each reader.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_input.h"

namespace {

namespace fs = std::filesystem;

void Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path given = argv[i];
    std::error_code error;
    if (fs::is_directory(given, error)) {
      std::vector<fs::path> files;
      for (const auto& entry : fs::directory_iterator(given)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
      std::sort(files.begin(), files.end());
      for (const fs::path& file : files) {
        Replay(file);
        ++count;
      }
    } else if (fs::is_regular_file(given, error)) {
      Replay(given);
      ++count;
    }
  }
  std::printf("replayed %d inputs\n", count);
  return count > 0 ? 0 : 1;
}
