#include "platform/file_replace.h"

#include <fstream>
#include <system_error>

#include "platform/runtime_error.h"

namespace qvl {

namespace fs = std::filesystem;

namespace {

// The temporary file beside the target: hidden, and not matching the
// target's own pattern (".Castle.sav.part" is not listed as "*.sav").
fs::path TemporaryBeside(const fs::path& path) {
  return path.parent_path() / ("." + path.filename().string() + ".part");
}

}  // namespace

bool WriteAllBytes(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

void ReplaceFileContents(const fs::path& path, std::string_view bytes, const ByteWriter& write) {
  const fs::path temporary = TemporaryBeside(path);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      written = write(out, bytes);
      out.flush();
      written = written && static_cast<bool>(out);
      out.close();
      written = written && !out.fail();
    }
  }
  std::error_code error;
  if (written && fs::file_size(temporary, error) == bytes.size() && !error) {
    fs::rename(temporary, path, error);
    if (!error) return;
  }
  fs::remove(temporary, error);
  throw RuntimeError(err::kPathFileAccess);
}

}  // namespace qvl
