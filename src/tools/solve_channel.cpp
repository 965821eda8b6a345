#include "tools/solve_channel.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace qvl::tools {

namespace {

// A message larger than this is not one of ours.
constexpr uint32_t kMaxMessageBytes = 64u << 20;

std::string Clean(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(int fd, char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::read(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

sockaddr_un AddressOf(const std::string& name, socklen_t& length) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // A leading zero byte puts the name in the abstract namespace.
  const size_t n = std::min(name.size(), sizeof(address.sun_path) - 2);
  std::memcpy(address.sun_path + 1, name.data(), n);
  length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
  return address;
}

}  // namespace

void SolveMessage::Add(std::vector<std::string> fields) {
  for (auto& field : fields) field = Clean(std::move(field));
  records.push_back(std::move(fields));
}

SolveChannel::~SolveChannel() { Close(); }

SolveChannel& SolveChannel::operator=(SolveChannel&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void SolveChannel::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool SolveChannel::Send(const SolveMessage& message) {
  if (fd_ < 0) return false;
  std::string body;
  for (size_t r = 0; r < message.records.size(); ++r) {
    if (r > 0) body += '\n';
    const auto& fields = message.records[r];
    for (size_t f = 0; f < fields.size(); ++f) {
      if (f > 0) body += '\t';
      body += fields[f];
    }
  }
  const uint32_t size = static_cast<uint32_t>(body.size());
  char header[4] = {static_cast<char>(size & 0xFF), static_cast<char>((size >> 8) & 0xFF),
                    static_cast<char>((size >> 16) & 0xFF), static_cast<char>((size >> 24) & 0xFF)};
  return WriteAll(fd_, header, 4) && WriteAll(fd_, body.data(), body.size());
}

std::optional<SolveMessage> SolveChannel::Receive() {
  if (fd_ < 0) return std::nullopt;
  unsigned char header[4];
  if (!ReadAll(fd_, reinterpret_cast<char*>(header), 4)) return std::nullopt;
  const uint32_t size = header[0] | (header[1] << 8) | (header[2] << 16) | (static_cast<uint32_t>(header[3]) << 24);
  if (size == 0 || size > kMaxMessageBytes) return std::nullopt;
  std::string body(size, '\0');
  if (!ReadAll(fd_, body.data(), size)) return std::nullopt;
  SolveMessage message;
  message.records.clear();
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    std::vector<std::string> fields;
    size_t f = start;
    while (true) {
      const size_t tab = body.find('\t', f);
      if (tab == std::string::npos || tab > end) {
        fields.push_back(body.substr(f, end - f));
        break;
      }
      fields.push_back(body.substr(f, tab - f));
      f = tab + 1;
    }
    message.records.push_back(std::move(fields));
    start = end + 1;
  }
  return message;
}

int ListenForSolvers(const std::string& name) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  socklen_t length = 0;
  const sockaddr_un address = AddressOf(name, length);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(fd, 256) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

SolveChannel ConnectToSearch(const std::string& name) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return SolveChannel();
  socklen_t length = 0;
  const sockaddr_un address = AddressOf(name, length);
  while (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    if (errno == EINTR) continue;
    ::close(fd);
    return SolveChannel();
  }
  return SolveChannel(fd);
}

SolveChannel AcceptSolver(int listen_fd) {
  for (;;) {
    const int fd = ::accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0 || errno != EINTR) return SolveChannel(fd);
  }
}

}  // namespace qvl::tools
