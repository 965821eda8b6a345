// What every harness under fuzz/ shares: the entry point libFuzzer calls
// (and the replay driver calls for each corpus file), and the bytes of one
// input as the readers take them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace qvl::fuzz {

inline std::span<const uint8_t> Bytes(const uint8_t* data, size_t size) { return {data, size}; }
inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process's own for the files a harness writes, made on
// first use and removed with everything in it when the process ends.
const std::filesystem::path& ScratchFolder();

// A file of the input's bytes in the scratch folder, for the readers that
// take a path; removed when the harness is done with it.
class InputFile {
 public:
  InputFile(const uint8_t* data, size_t size, const std::string& name);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A harness found a fault that is no crash (a round trip that does not
// come back): it stops the run so that the input is kept.
[[noreturn]] void Finding(const std::string& what);

}  // namespace qvl::fuzz
