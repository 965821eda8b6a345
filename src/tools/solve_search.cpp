#include "tools/solve_search.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <chrono>
#include <iostream>
#include <memory>
#include <set>
#include <unordered_map>

#include "tools/solve_channel.h"
#include "tools/solve_explorer.h"

namespace qvl::tools {

namespace {

// Real seconds without any word from a player that is making a move before
// the search gives that move up.
constexpr int kSilenceSeconds = 300;
// A state found by a copy of this many generations is played again from
// the start by a fresh copy, which then holds it instead.
constexpr int kMostGenerations = 12;
// Beyond this many states waiting, each held by a process of about a
// megabyte and a half, the search goes depth first until fewer wait.
constexpr size_t kMostWaiting = 3000;
// Waiting holders are listened to once in this many rounds.
constexpr int kRoundsBetweenHolders = 64;

// What a player tells of the resting point it came to (a STATE message).
struct RestReport {
  std::string identity;
  std::string plain;
  std::string summary;
  std::string goal = "0";
  int generation = 0;
  std::vector<std::string> lines;  // played since its last report
  std::vector<SolveMove> moves;
  std::vector<std::string> reached;
  std::vector<std::pair<std::string, std::string>> contents;
  std::vector<std::string> notes;  // message boxes shown
};

RestReport ReadRestReport(const SolveMessage& message) {
  RestReport report;
  for (size_t r = 1; r < message.records.size(); ++r) {
    const auto& f = message.records[r];
    if (f.size() < 2) continue;
    if (f[0] == "identity") report.identity = f[1];
    if (f[0] == "generation") report.generation = std::stoi(f[1]);
    if (f[0] == "plain") report.plain = f[1];
    if (f[0] == "summary") report.summary = f[1];
    if (f[0] == "goal") report.goal = f[1];
    if (f[0] == "line") report.lines.push_back(f[1]);
    if (f[0] == "reached") report.reached.push_back(f[1]);
    if (f[0] == "content" && f.size() >= 3) report.contents.emplace_back(f[1], f[2]);
    if (f[0] == "move") report.moves.push_back(SolveMove{f[1], std::vector<std::string>(f.begin() + 2, f.end())});
    if (f[0] == "note") report.notes.push_back(f[1]);
  }
  return report;
}

// A player process connected to the search.
struct Peer {
  SolveChannel channel;
  // kAnchor: the start's holder, kept to make replays; kReplaying: a copy
  // of it playing the way to a state (see RequestReplay).
  enum class Role { kNew, kPlaying, kParked, kAnchor, kReplaying } role = Role::kNew;
  int parent = -1;  // the state it plays a move of (-1: the start)
  int move = -1;
  int state = -1;  // parked: the state it holds
};

class Search {
 public:
  explicit Search(const SolveOptions& options) : options_(options) { result_.jobs = options.jobs; }

  SearchResult Run() {
    const auto started = std::chrono::steady_clock::now();
    socket_name_ = "qvl-solve-" + std::to_string(getpid()) + "-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    listen_fd_ = ListenForSolvers(socket_name_);
    if (listen_fd_ < 0) {
      result_.error = "cannot open the search's socket";
      return std::move(result_);
    }
    std::cout.flush();
    std::cerr.flush();
    // Ctrl-C (or a stop from the system) ends the search with a report of
    // what it covered. The players do not hear it: they end when the
    // search lets them go.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigset_t before;
    sigprocmask(SIG_BLOCK, &stops, &before);
    stop_fd_ = signalfd(-1, &stops, SFD_CLOEXEC);
    const pid_t root = fork();
    if (root < 0) {
      result_.error = "cannot start a player";
      ::close(listen_fd_);
      return std::move(result_);
    }
    if (root == 0) {
      ::close(listen_fd_);
      if (stop_fd_ >= 0) ::close(stop_fd_);
      RunExplorer(ExplorerSetup{options_.game_dir, socket_name_, options_.goals});
    }
    Loop();
    for (auto& peer : peers_) peer->channel.Close();
    if (listen_fd_ >= 0) ::close(listen_fd_);
    if (stop_fd_ >= 0) ::close(stop_fd_);
    sigprocmask(SIG_SETMASK, &before, nullptr);
    waitpid(root, nullptr, 0);
    result_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    for (const SolveState& state : result_.states) {
      if (!state.Complete()) result_.complete = false;
    }
    if (result_.states.empty() && result_.error.empty()) result_.error = "the game never reached a resting point";
    return std::move(result_);
  }

 private:
  void Loop() {
    auto last_word = std::chrono::steady_clock::now();
    const bool terminal = isatty(STDERR_FILENO) == 1;
    while (!Done()) {
      Dispatch();
      if (terminal) ShowProgress();
      if (Done()) break;
      // A waiting holder speaks only when it cannot copy itself for a move
      // (or goes away): with thousands of them waiting, they are listened to
      // only now and then, and whenever nothing else is heard.
      const bool all = quiet_ || ++rounds_ % kRoundsBetweenHolders == 0;
      std::vector<pollfd> fds{{listen_fd_, POLLIN, 0}, {stop_fd_, POLLIN, 0}};
      std::vector<Peer*> polled{nullptr, nullptr};
      for (auto& peer : peers_) {
        if (!all && peer->role == Peer::Role::kParked) continue;
        fds.push_back({peer->channel.fd(), POLLIN, 0});
        polled.push_back(peer.get());
      }
      const int ready = ::poll(fds.data(), fds.size(), all ? 1000 : 100);
      if (ready < 0) continue;
      quiet_ = ready == 0;
      if (ready == 0) {
        if (std::chrono::steady_clock::now() - last_word > std::chrono::seconds(kSilenceSeconds)) {
          GiveUpSilentMoves();
          last_word = std::chrono::steady_clock::now();
        }
        continue;
      }
      last_word = std::chrono::steady_clock::now();
      if (fds[0].revents & POLLIN) {
        SolveChannel channel = AcceptSolver(listen_fd_);
        if (channel.open()) {
          auto peer = std::make_unique<Peer>();
          peer->channel = std::move(channel);
          peers_.push_back(std::move(peer));
        } else if (errno == EMFILE || errno == ENFILE) {
          // Every waiting player holds a connection: no more can be kept.
          NoteLimit("the limit of open files was reached");
          stopping_ = true;
          GiveUpUnconnectedMoves();
        }
      }
      if (fds[1].revents & POLLIN) Interrupted();
      for (size_t i = 2; i < fds.size(); ++i) {
        if (fds[i].revents == 0) continue;
        Peer* peer = polled[i];
        if (!peer->channel.open()) continue;
        std::optional<SolveMessage> message = peer->channel.Receive();
        if (!message) {
          Lost(*peer);
        } else {
          Handle(*peer, *message);
        }
      }
      std::erase_if(peers_, [](const std::unique_ptr<Peer>& peer) { return !peer->channel.open(); });
    }
    if (terminal) std::cerr << "\r\033[K" << std::flush;
  }

  // On a terminal, a line shows how far the search has come, once a second.
  void ShowProgress() {
    const auto now = std::chrono::steady_clock::now();
    if (now - progress_shown_ < std::chrono::seconds(1)) return;
    progress_shown_ = now;
    std::cerr << "\rsearching: " << result_.states.size() << " states, " << result_.edges.size() << " moves, "
              << waiting_.size() << " states waiting" << (interrupted_ ? ", stopping" : "") << "\033[K"
              << std::flush;
  }

  // The first stop ends the search once the moves being played have come
  // back; a second one ends the program at once.
  void Interrupted() {
    signalfd_siginfo info{};
    if (::read(stop_fd_, &info, sizeof info) != sizeof info) return;
    if (interrupted_) _exit(128 + static_cast<int>(info.ssi_signo));
    interrupted_ = true;
    stopping_ = true;
    NoteLimit("the search was interrupted");
    while (!waiting_.empty()) Release(waiting_.front());
  }

  bool Done() const { return start_answered_ && in_flight_ == 0 && waiting_.empty(); }

  // Starts moves while fewer than `jobs` are being played, from the waiting
  // state found first: the search goes breadth first, so every player
  // process is a copy of a copy only as many times as its state is moves
  // from the start, and forking one costs the kernel time for every
  // generation before it.
  void Dispatch() {
    while (in_flight_ < options_.jobs && !waiting_.empty()) {
      // Too many held states take too much memory: the newest is served
      // first then, so that the states it leads to come and go quickly.
      const int s = NextWaiting();
      if (s < 0) break;
      Peer* holder = parked_[s];
      SolveState& state = result_.states[static_cast<size_t>(s)];
      size_t& next = next_move_[s];
      if (holder == nullptr || next >= state.moves.size() || stopping_) {
        Release(s);
        continue;
      }
      // The holder plays the state's last move itself instead of a copy.
      const bool last = next + 1 == state.moves.size() && s != 0;
      if (!SendNextMove(*holder, s, last ? "LAST" : "PLAY")) {
        Release(s);
        continue;
      }
      if (last) {
        Forget(s);
        PlaysItself(*holder, s);
      } else if (next >= state.moves.size()) {
        Release(s);
      }
    }
  }

  // Tells `peer` which move of state s to play next: the holder copies
  // itself for a "PLAY" and makes a "LAST" itself; a player that came to
  // the state makes a "PLAY" itself. False when the peer cannot be told.
  bool SendNextMove(Peer& peer, int s, const char* kind) {
    size_t& next = next_move_[s];
    SolveMessage play(kind);
    play.records.front().push_back(std::to_string(next));
    if (!peer.channel.Send(play)) return false;
    ++next;
    ++in_flight_;
    return true;
  }

  // `peer` makes the move of state s just sent to it.
  void PlaysItself(Peer& peer, int s) {
    peer.role = Peer::Role::kPlaying;
    peer.parent = s;
    peer.move = static_cast<int>(next_move_[s]) - 1;
  }

  // The waiting state to serve next, passing over those being played
  // again; -1 when only those wait.
  int NextWaiting() const {
    const bool newest = waiting_.size() > kMostWaiting;
    for (size_t k = 0; k < waiting_.size(); ++k) {
      const int s = newest ? waiting_[waiting_.size() - 1 - k] : waiting_[k];
      if (!replaying_.contains(s)) return s;
    }
    return -1;
  }

  // The state no longer waits: it has no holder any more.
  void Forget(int s) {
    waiting_.erase(std::find(waiting_.begin(), waiting_.end(), s));
    parked_.erase(s);
  }

  // The state's holder is told to stop: every move of it has been started
  // (or the search stops).
  void Release(int s) {
    if (s == 0 && !stopping_ && parked_[s] != nullptr) {
      anchor_ = parked_[s];
      anchor_->role = Peer::Role::kAnchor;
      Forget(s);
      return;
    }
    if (Peer* holder = parked_[s]) {
      holder->channel.Send(SolveMessage("EXIT"));
      holder->channel.Close();
    }
    Forget(s);
  }

  void Handle(Peer& peer, const SolveMessage& message) {
    const std::string& kind = message.kind();
    const auto& head = message.records.front();
    if (kind == "HELLO" && message.records.size() >= 2 && message.records[1].size() >= 2) {
      peer.role = Peer::Role::kPlaying;
      peer.parent = std::stoi(message.records[1][0]);
      peer.move = std::stoi(message.records[1][1]);
      return;
    }
    if (kind == "REPLAYING" && message.records.size() >= 2 && !message.records[1].empty()) {
      peer.role = Peer::Role::kReplaying;
      peer.state = std::stoi(message.records[1][0]);
      return;
    }
    if (peer.role == Peer::Role::kReplaying) {
      if (kind == "STATE") {
        ReplayArrived(peer, message);
      } else {
        ReplayEnded(peer);
      }
      return;
    }
    if (kind == "STATE" && peer.role == Peer::Role::kPlaying) {
      Arrived(peer, message);
      return;
    }
    if (kind == "FAILED" && peer.role == Peer::Role::kPlaying) {
      const std::string why = message.records.size() >= 2 && message.records[1].size() >= 2 ? message.records[1][1]
                                                                                            : "the move failed";
      MoveEnded(peer, why);
      peer.channel.Close();
      return;
    }
    if (kind == "NOREPLAY" && peer.role == Peer::Role::kAnchor && message.records.size() >= 2 &&
        !message.records[1].empty()) {
      DropReplay(std::stoi(message.records[1][0]));
      return;
    }
    if (kind == "NOFORK" && peer.role == Peer::Role::kParked && head.size() >= 1 && message.records.size() >= 2) {
      --in_flight_;
      const int move = std::stoi(message.records[1][0]);
      result_.problems.push_back({peer.state, move, "no process could be started for the move"});
      ++result_.states[static_cast<size_t>(peer.state)].answered;
      return;
    }
  }

  // A connection closed without a word: a move whose process stopped, or a
  // holder of a state that went away.
  void Lost(Peer& peer) {
    if (peer.role == Peer::Role::kAnchor) AnchorLost();
    if (peer.role == Peer::Role::kReplaying) {
      ReplayEnded(peer);
      return;
    }
    if (peer.role == Peer::Role::kPlaying) {
      MoveEnded(peer, "the player stopped during the move (it crashed or took too long)");
    } else if (peer.role == Peer::Role::kParked) {
      parked_[peer.state] = nullptr;
    }
    peer.channel.Close();
  }

  void MoveEnded(Peer& peer, const std::string& why) {
    if (peer.parent < 0) {
      result_.error = "the game cannot be started: " + why;
      start_answered_ = true;
      stopping_ = true;
      return;
    }
    --in_flight_;
    result_.problems.push_back({peer.parent, peer.move, why});
    ++result_.states[static_cast<size_t>(peer.parent)].answered;
    peer.role = Peer::Role::kNew;
  }

  // No more players can connect: the moves whose players have not yet
  // made contact never will.
  void GiveUpUnconnectedMoves() {
    ::close(listen_fd_);
    listen_fd_ = -1;
    in_flight_ = 0;
    for (auto& peer : peers_) {
      const bool playing = peer->role == Peer::Role::kNew || peer->role == Peer::Role::kPlaying;
      if (peer->channel.open() && playing) ++in_flight_;
    }
  }

  void GiveUpSilentMoves() {
    replaying_.clear();
    for (auto& peer : peers_) {
      if (peer->role == Peer::Role::kPlaying) Lost(*peer);
    }
    // Moves whose process never made contact are given up as well.
    in_flight_ = 0;
    result_.complete = false;
    if (result_.limit.empty()) result_.limit = "moves stopped answering";
  }

  void Arrived(Peer& peer, const SolveMessage& message) {
    RestReport report = ReadRestReport(message);
    const std::string& identity = report.identity;
    const std::string& plain = report.plain;
    const std::string& goal = report.goal;
    const std::vector<SolveMove>& moves = report.moves;
    result_.reached.insert(report.reached.begin(), report.reached.end());
    result_.contents.insert(result_.contents.end(), report.contents.begin(), report.contents.end());
    if (peer.parent >= 0) {
      for (const std::string& note : report.notes) {
        result_.problems.push_back({peer.parent, peer.move, "shows a message box: " + note});
      }
    }
    int id = 0;
    const auto known = index_.find(identity);
    // A move that changed nothing but the clock is taken as waiting, which
    // is a move of its own: it leads back to where it was made.
    const bool only_time_passed = peer.parent >= 0 && plain == result_.states[static_cast<size_t>(peer.parent)].plain;
    if (only_time_passed) {
      id = peer.parent;
    } else if (known == index_.end()) {
      id = static_cast<int>(result_.states.size());
      index_.emplace(identity, id);
      SolveState state;
      state.identity = identity;
      state.plain = plain;
      state.summary = report.summary;
      state.goal = goal != "0";
      state.ended = goal == "end";
      state.depth = peer.parent < 0 ? 0 : result_.states[static_cast<size_t>(peer.parent)].depth + 1;
      result_.states.push_back(std::move(state));
    } else {
      id = known->second;
    }
    if (peer.parent < 0) {
      result_.start_script = report.lines;
      start_answered_ = true;
    } else {
      --in_flight_;
      ++result_.states[static_cast<size_t>(peer.parent)].answered;
      result_.edges.push_back(SolveEdge{peer.parent, peer.move, id, std::move(report.lines)});
      SolveState& to = result_.states[static_cast<size_t>(id)];
      const int length = result_.states[static_cast<size_t>(peer.parent)].way_length + 1;
      if (id != 0 && id != peer.parent && (to.way_in < 0 || length < to.way_length)) {
        to.way_in = static_cast<int>(result_.edges.size()) - 1;
        to.way_length = length;
      }
    }
    SolveState& state = result_.states[static_cast<size_t>(id)];
    if (!Explore(state)) {
      if (identity == state.identity && TakeNextMove(peer, id, moves)) return;
      peer.channel.Send(SolveMessage("EXIT"));
      peer.channel.Close();
      return;
    }
    state.explored = true;
    state.moves = std::move(moves);
    SolveMessage park("PARK");
    park.records.front().push_back(std::to_string(id));
    if (!peer.channel.Send(park)) {
      state.explored = false;
      peer.channel.Close();
      return;
    }
    peer.role = Peer::Role::kParked;
    peer.state = id;
    parked_[id] = &peer;
    next_move_[id] = 0;
    waiting_.push_back(id);
    if (report.generation >= kMostGenerations) RequestReplay(id);
  }

  // The kernel's work to copy a player grows with the generations of
  // copies before it. A state found by a copy of many generations is
  // played again, along the shortest way known, by a fresh copy of the
  // start's holder, which then holds the state instead: its moves are
  // copies of a second generation.
  void RequestReplay(int id) {
    if (anchor_ == nullptr || stopping_) return;
    std::vector<int> way;
    for (int s = id; s != 0 && way.size() <= result_.states.size();) {
      const int e = result_.states[static_cast<size_t>(s)].way_in;
      if (e < 0) return;
      way.push_back(e);
      s = result_.edges[static_cast<size_t>(e)].from;
    }
    SolveMessage replay("REPLAY");
    replay.records.front().push_back(std::to_string(id));
    for (auto e = way.rbegin(); e != way.rend(); ++e) {
      for (const std::string& line : result_.edges[static_cast<size_t>(*e)].script) replay.Add({line});
    }
    if (!anchor_->channel.Send(replay)) {
      anchor_ = nullptr;
      return;
    }
    // The state's moves wait for the replay: it is a job of its own.
    replaying_.insert(id);
    ++in_flight_;
  }

  // A replay that did not come to rest (or to another state): the old
  // holder keeps the state.
  void ReplayEnded(Peer& peer) {
    DropReplay(peer.state);
    peer.channel.Send(SolveMessage("EXIT"));
    peer.channel.Close();
  }

  // The state's moves no longer wait for a replay.
  void DropReplay(int id) {
    if (replaying_.erase(id) > 0) --in_flight_;
  }

  // The start's holder went away: the replays it had not yet started never
  // will be.
  void AnchorLost() {
    anchor_ = nullptr;
    std::set<int> started;
    for (const auto& peer : peers_) {
      if (peer->role == Peer::Role::kReplaying) started.insert(peer->state);
    }
    for (const int id : std::set<int>(replaying_)) {
      if (!started.contains(id)) DropReplay(id);
    }
  }

  // A replay came to rest: when it is the state it played the way to, it
  // holds that state from now on and the old holder goes.
  void ReplayArrived(Peer& peer, const SolveMessage& message) {
    const RestReport report = ReadRestReport(message);
    const int id = peer.state;
    const auto held = parked_.find(id);
    const SolveState& state = result_.states[static_cast<size_t>(id)];
    if (stopping_ || held == parked_.end() || report.identity != state.identity || !SameMoves(report.moves, state.moves)) {
      ReplayEnded(peer);
      return;
    }
    SolveMessage park("PARK");
    park.records.front().push_back(std::to_string(id));
    if (!peer.channel.Send(park)) {
      ReplayEnded(peer);
      return;
    }
    DropReplay(id);
    if (Peer* old = held->second) {
      old->channel.Send(SolveMessage("EXIT"));
      old->channel.Close();
    }
    peer.role = Peer::Role::kParked;
    held->second = &peer;
    ++result_.replays;
  }

  // A player that came to a known state (exactly: its identity with every
  // countdown's time left) whose holder still waits to try moves tries the
  // next one itself: that spares copying the holder for it.
  bool TakeNextMove(Peer& peer, int id, const std::vector<SolveMove>& offered) {
    if (stopping_ || !parked_.contains(id)) return false;
    const SolveState& state = result_.states[static_cast<size_t>(id)];
    if (next_move_[id] >= state.moves.size() || !SameMoves(offered, state.moves)) return false;
    if (!SendNextMove(peer, id, "PLAY")) return false;
    PlaysItself(peer, id);
    if (next_move_[id] >= state.moves.size()) Release(id);
    return true;
  }

  static bool SameMoves(const std::vector<SolveMove>& a, const std::vector<SolveMove>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SolveMove& x, const SolveMove& y) {
      return x.description == y.description && x.script == y.script;
    });
  }

  // Whether the player at this state is kept to try its moves.
  bool Explore(const SolveState& state) {
    if (state.explored || state.goal || stopping_) return false;
    if (options_.max_depth > 0 && state.depth >= options_.max_depth) {
      NoteLimit("the limit of " + std::to_string(options_.max_depth) + " moves deep was reached");
      return false;
    }
    if (static_cast<int>(result_.states.size()) > options_.max_states) {
      NoteLimit("the limit of " + std::to_string(options_.max_states) + " states was reached");
      stopping_ = true;
      return false;
    }
    return true;
  }

  void NoteLimit(const std::string& what) {
    result_.complete = false;
    if (result_.limit.empty()) result_.limit = what;
  }

  const SolveOptions& options_;
  SearchResult result_;
  std::string socket_name_;
  int listen_fd_ = -1;
  int stop_fd_ = -1;  // reads the Ctrl-C and stop signals
  Peer* anchor_ = nullptr;  // the start's holder, once its moves are all started
  std::set<int> replaying_;  // states whose way is being played again
  std::chrono::steady_clock::time_point progress_shown_;
  bool interrupted_ = false;
  std::vector<std::unique_ptr<Peer>> peers_;
  std::unordered_map<std::string, int> index_;
  std::map<int, Peer*> parked_;
  std::map<int, size_t> next_move_;
  std::deque<int> waiting_;  // states whose holders wait to play their moves, in the order found
  int in_flight_ = 0;
  int rounds_ = 0;
  bool quiet_ = false;  // nothing was heard last time
  bool start_answered_ = false;
  bool stopping_ = false;
};

}  // namespace

SearchResult SearchGame(const SolveOptions& options) {
  // A player that goes away while the search writes to it is noticed on
  // the next read, not by a signal.
  signal(SIGPIPE, SIG_IGN);
  // Every waiting player holds a connection to the search: allow as many
  // open files as the system lets this process have.
  rlimit files{};
  if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
  }
  Search search(options);
  return search.Run();
}

}  // namespace qvl::tools
