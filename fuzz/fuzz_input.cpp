#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace qvl::fuzz {

namespace {

class Scratch {
 public:
  Scratch() : path_(std::filesystem::temp_directory_path() / ("qvl_fuzz_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
  static const Scratch scratch;
  return scratch.path();
}

InputFile::InputFile(const uint8_t* data, size_t size, const std::string& name) {
  path_ = ScratchFolder() / name;
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
