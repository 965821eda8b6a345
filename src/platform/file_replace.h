// Writing a whole file so that the file that was there survives any
// failure: the new bytes go to a temporary file in the same folder, which
// then takes the old file's place in one step.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace qvl {

// Puts `bytes` into the open temporary file; false when that failed. The
// default writes them all; tests put one that fails part-way in its place.
using ByteWriter = std::function<bool(std::ostream& out, std::string_view bytes)>;

bool WriteAllBytes(std::ostream& out, std::string_view bytes);

// Makes `path` hold exactly `bytes`. On any failure the temporary file is
// removed, whatever was at `path` is left as it was, and "Path/File access
// error" (75) is raised.
void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes,
                         const ByteWriter& write = WriteAllBytes);

}  // namespace qvl
