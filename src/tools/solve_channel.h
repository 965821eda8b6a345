// `qvl solve`: the messages between the search and the player processes it
// forks, sent over a local socket that exists only while the search runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qvl::tools {

// One message: records of text fields; the first field of the first record
// says what the message is. Fields never hold tabs or line breaks.
struct SolveMessage {
  std::vector<std::vector<std::string>> records;

  explicit SolveMessage(std::string kind = {}) { records.push_back({std::move(kind)}); }
  const std::string& kind() const { return records.front().front(); }
  // Adds a record; tabs and line breaks in the fields become blanks.
  void Add(std::vector<std::string> fields);
};

// One end of a connection carrying whole messages.
class SolveChannel {
 public:
  SolveChannel() = default;
  explicit SolveChannel(int fd) : fd_(fd) {}
  ~SolveChannel();
  SolveChannel(SolveChannel&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  SolveChannel& operator=(SolveChannel&& other) noexcept;
  SolveChannel(const SolveChannel&) = delete;
  SolveChannel& operator=(const SolveChannel&) = delete;

  bool open() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  // False when the other end has gone.
  bool Send(const SolveMessage& message);
  // Waits for the next message; nothing when the other end has gone or
  // sent something that is not a message.
  std::optional<SolveMessage> Receive();
  void Close();

 private:
  int fd_ = -1;
};

// A listening socket in the abstract namespace (no file is made), named
// after `name`; -1 when it cannot be made.
int ListenForSolvers(const std::string& name);
// Connects to the search's socket; a closed channel when that fails.
SolveChannel ConnectToSearch(const std::string& name);
// Takes the next connection from a listening socket.
SolveChannel AcceptSolver(int listen_fd);

}  // namespace qvl::tools
