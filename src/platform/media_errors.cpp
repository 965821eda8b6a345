#include "platform/media_errors.h"

#include <filesystem>
#include <fstream>

namespace qvl::media {

void RequireReadableFile(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) throw RuntimeError(err::kFileNotFound).WithFile(path);
  if (!std::filesystem::is_regular_file(status)) throw RuntimeError(err::kPathFileAccess).WithFile(path);
  std::ifstream probe(path, std::ios::binary);
  if (!probe) throw RuntimeError(err::kPathFileAccess).WithFile(path);
}

RuntimeError InvalidFileFormat() { return RuntimeError(kInvalidFileFormat, "Invalid file format"); }

RuntimeError InvalidCall() { return RuntimeError(err::kInvalidCall); }

}  // namespace qvl::media
