// What tells whether a file has changed since it was last read: when it was
// last written and how long it is. Memos of decoded pictures and probed
// media keep one with each file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace qvl {

struct FileStamp {
  std::filesystem::file_time_type written;
  std::uintmax_t size = 0;
  bool operator==(const FileStamp&) const = default;
};

// The file's stamp now; nothing when either part cannot be told.
inline std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.written = std::filesystem::last_write_time(path, error);
  if (!error) stamp.size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  return stamp;
}

}  // namespace qvl
