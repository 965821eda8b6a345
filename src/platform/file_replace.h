// Writing a whole file so that the file that was there survives any
// failure: the new bytes go to a temporary file in the same folder, reach
// the disk, and only then take the old file's place in one step.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/runtime_error.h"

namespace qvl {

// Puts `bytes` into the open temporary file `fd`; gives 0 when all were
// written, else the system's error number. The default writes them all;
// tests put one that fails part-way in its place.
using ByteWriter = std::function<int(int fd, std::string_view bytes)>;

int WriteAllBytes(int fd, std::string_view bytes);

// "Path/File access error" (75) from a write that failed, with the reason
// in a person's words ("the disk is full", "the folder is read-only" …).
class FileWriteError : public RuntimeError {
 public:
  explicit FileWriteError(std::string reason) : RuntimeError(err::kPathFileAccess), reason_(std::move(reason)) {}
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

// The reason of a system error number, as FileWriteError words it.
std::string WriteFailureReason(int error_number);

// A file growing past the size limit the process was given fails its
// write with an error instead of ending the program.
void IgnoreFileSizeSignal();

// A file's new contents, written to the temporary file beside it and
// flushed to the disk, waiting to take the file's place. Several files
// that belong together are all written first and only then put in place,
// so a failure part-way changes none of them. A replacement that is not
// put in place removes its temporary file.
class PendingReplacement {
 public:
  // Writes the temporary file; on failure removes it and raises
  // FileWriteError.
  PendingReplacement(std::filesystem::path path, std::string_view bytes, const ByteWriter& write = WriteAllBytes);
  ~PendingReplacement();
  PendingReplacement(PendingReplacement&& other) noexcept;
  PendingReplacement& operator=(PendingReplacement&&) = delete;
  PendingReplacement(const PendingReplacement&) = delete;
  PendingReplacement& operator=(const PendingReplacement&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The temporary file takes the file's place in one step, and the
  // folder's entry reaches the disk. On failure whatever was at the path
  // stays, the temporary file goes and FileWriteError is raised.
  void PutInPlace();

 private:
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  bool pending_ = true;
};

// Makes `path` hold exactly `bytes`, flushed to the disk (the file, then
// its folder) before it returns. On any failure the temporary file is
// removed, whatever was at `path` is left as it was, and FileWriteError
// is raised.
void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes,
                         const ByteWriter& write = WriteAllBytes);

}  // namespace qvl
