#include "platform/positional_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace qvl {

PositionalFile::PositionalFile(const std::filesystem::path& path, Mode mode)
    : fd_(::open(path.c_str(), (mode == Mode::kRead ? O_RDONLY : O_RDWR) | O_CLOEXEC)) {}

PositionalFile::~PositionalFile() {
  if (fd_ >= 0) ::close(fd_);
}

PositionalFile::PositionalFile(PositionalFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

PositionalFile& PositionalFile::operator=(PositionalFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

int64_t PositionalFile::Length() const {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool PositionalFile::ReadAt(uint64_t offset, std::string& out) const {
  size_t done = 0;
  while (done < out.size()) {
    const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

bool PositionalFile::WriteAt(uint64_t offset, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

}  // namespace qvl
