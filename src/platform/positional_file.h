// An open file read and written at given places, never through a shared
// file position: the copies of a player that the solver makes by forking
// read the same open data files side by side without moving one another's
// place in them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qvl {

class PositionalFile {
 public:
  enum class Mode { kRead, kReadWrite };

  // Opens an existing file; false from open() when it cannot be opened.
  PositionalFile(const std::filesystem::path& path, Mode mode);
  ~PositionalFile();
  PositionalFile(PositionalFile&& other) noexcept;
  PositionalFile& operator=(PositionalFile&& other) noexcept;
  PositionalFile(const PositionalFile&) = delete;
  PositionalFile& operator=(const PositionalFile&) = delete;

  bool open() const { return fd_ >= 0; }

  // The file's length now; -1 when it cannot be told.
  int64_t Length() const;

  // Fills `out` from `offset` on; false unless every byte was read.
  bool ReadAt(uint64_t offset, std::string& out) const;

  // Writes `bytes` at `offset` and hands them to the system; false unless
  // all were written.
  bool WriteAt(uint64_t offset, std::string_view bytes);

 private:
  int fd_ = -1;
};

}  // namespace qvl
