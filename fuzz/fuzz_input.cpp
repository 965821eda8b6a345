#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace qvl::fuzz {

InputFile::InputFile(const uint8_t* data, size_t size, const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / ("qvl_fuzz_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  path_ = folder / name;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

InputFile::~InputFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void Finding(const std::string& what) {
  std::fprintf(stderr, "fuzz finding: %s\n", what.c_str());
  std::abort();
}

}  // namespace qvl::fuzz
