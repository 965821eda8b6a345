#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>

namespace qvl {

namespace fs = std::filesystem;

namespace {

// The temporary file beside the target: hidden, and not matching the
// target's own pattern (".Castle.sav.part" is not listed as "*.sav").
fs::path TemporaryBeside(const fs::path& path) {
  return path.parent_path() / ("." + path.filename().string() + ".part");
}

// An open file descriptor, closed once.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }
  // Closes now; the system's error number when closing failed, else 0.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Writes, syncs and closes the temporary file; 0 or the error number.
int WriteTemporary(const fs::path& temporary, std::string_view bytes, const ByteWriter& write) {
  OpenFile file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.fd() < 0) return errno;
  if (const int error = write(file.fd(), bytes); error != 0) return error;
  struct stat written {};
  if (::fstat(file.fd(), &written) != 0) return errno;
  if (static_cast<size_t>(written.st_size) != bytes.size()) return EIO;
  if (::fsync(file.fd()) != 0) return errno;
  return file.Close();
}

// Makes the rename itself last: the folder's entry reaches the disk.
void SyncFolder(const fs::path& folder) {
  OpenFile dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.fd() >= 0) ::fsync(dir.fd());
}

}  // namespace

int WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

std::string WriteFailureReason(int error_number) {
  switch (error_number) {
    case ENOSPC:
    case EDQUOT: return "the disk is full";
    case EROFS: return "the disk is read-only";
    case EACCES:
    case EPERM: return "the folder may not be written";
    case EFBIG: return "the file is too large for this system";
    default: return std::strerror(error_number);
  }
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

PendingReplacement::PendingReplacement(fs::path path, std::string_view bytes, const ByteWriter& write)
    : path_(std::move(path)), temporary_(TemporaryBeside(path_)) {
  IgnoreFileSizeSignal();
  if (const int error = WriteTemporary(temporary_, bytes, write); error != 0) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    pending_ = false;
    throw FileWriteError(WriteFailureReason(error));
  }
}

PendingReplacement::PendingReplacement(PendingReplacement&& other) noexcept
    : path_(std::move(other.path_)), temporary_(std::move(other.temporary_)), pending_(other.pending_) {
  other.pending_ = false;
}

PendingReplacement::~PendingReplacement() {
  if (!pending_) return;
  std::error_code ignored;
  fs::remove(temporary_, ignored);
}

void PendingReplacement::PutInPlace() {
  if (!pending_) return;
  pending_ = false;
  std::error_code renamed;
  fs::rename(temporary_, path_, renamed);
  if (!renamed) {
    SyncFolder(path_.parent_path());
    return;
  }
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  throw FileWriteError(WriteFailureReason(renamed.value()));
}

void ReplaceFileContents(const fs::path& path, std::string_view bytes, const ByteWriter& write) {
  PendingReplacement(path, bytes, write).PutInPlace();
}

}  // namespace qvl
