#include "tools/solve_explorer.h"

#include <signal.h>
#include <unistd.h>

#include <set>
#include <sstream>

#include "game/player.h"
#include "game/app_paths.h"
#include "app/script_host.h"
#include "tools/play_script.h"
#include "tools/script_runner.h"
#include "tools/solve_channel.h"

namespace qvl::tools {

namespace {

// Real seconds a move may take before its process is stopped.
constexpr unsigned kMoveSeconds = 120;
// How long start-up may take before the main menu takes a new game.
constexpr int kMenuWaits = 240;
constexpr const char* kMenuWait = "wait 500";
// Tidying a move up (a close-up, the item in hand) takes at most this many steps.
constexpr int kTidySteps = 4;

// Decodes every picture of the game once, before the first copy is made,
// and keeps them: each copy then shows them from the memory it shares with
// the player it was copied from, instead of decoding a scene's pictures
// afresh on every move that enters it. A file that is no picture is left
// for the game to report when it shows it.
void KeepGamePictures(Player& p) {
  ui::Windows& windows = p.runtime().windows();
  windows.picture_memo().Keep(true);
  const std::string folder = p.AppPath() + "resource/gfx/";
  const std::optional<std::filesystem::path> found = p.files.Find(folder);
  if (!found) return;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(*found, error)) {
    if (!entry.is_regular_file(error)) continue;
    try {
      LoadGamePicture(p, folder + entry.path().filename().string());
    } catch (const std::exception&) {
    }
  }
}

class Explorer {
 public:
  explicit Explorer(const ExplorerSetup& setup) : setup_(setup) {}

  [[noreturn]] void Run() {
    channel_ = ConnectToSearch(setup_.socket_name);
    if (!channel_.open()) _exit(1);
    SolveMessage hello("HELLO");
    hello.Add({"-1", "-1"});
    channel_.Send(hello);
    RunOptions options;
    options.more_commands = [this](ScriptHost& host) { return More(host); };
    options.on_idle = [this](ScriptHost& host) { Idle(host); };
    const std::filesystem::path game_dir = setup_.game_dir;
    const int status = RunScript(
        {}, [&](const HostHooks& hooks) { return MakeGameHost(game_dir, hooks); }, options, out_, err_);
    // The run ended before a resting point: the move (or the start) failed.
    SolveMessage failed("FAILED");
    std::string why = Trim(err_.str());
    if (why.empty()) why = out_.str().find("END") != std::string::npos ? "the program ended" : "the run stopped";
    failed.Add({std::to_string(status), why});
    for (const std::string& line : played_) failed.Add({"line", line});
    channel_.Send(failed);
    _exit(0);
  }

 private:
  enum class Stage { kStart, kMenu, kTidy };

  std::vector<ScriptCommand> Play(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
      played_.push_back(line);
      text += line + "\n";
    }
    return ParseScript(text);
  }

  void Idle(ScriptHost& host) {
    if (Player* p = host.player()) Observe(*p);
  }

  // Notes what shows now; the game's contents are read once its data
  // files are open.
  void Observe(Player& p) {
    if (!contents_read_ && p.data.Scene && p.data.Item && p.data.Conv && p.data.Loc) {
      contents_ = ReadGameContents(p);
      contents_read_ = true;
      // Hidden objects are seen as they act: one may send the player on
      // to another scene in the same instant.
      p.on_object_acts = [this, &p](int slot) { NoteActing(p, contents_, slot, reached_); };
    }
    NoteReached(p, contents_, reached_);
  }

  std::vector<ScriptCommand> More(ScriptHost& host) {
    Player* p = host.player();
    if (p == nullptr) _exit(1);
    switch (stage_) {
      case Stage::kStart:
        stage_ = Stage::kMenu;
        return Play({"ready"});
      case Stage::kMenu: {
        std::vector<std::string> lines = NewGameLines(*p);
        if (!lines.empty()) {
          KeepGamePictures(*p);
          stage_ = Stage::kTidy;
          return Play(lines);
        }
        if (++menu_waits_ > kMenuWaits) Fail("the main menu never offers a new game");
        return Play({kMenuWait, "ready"});
      }
      case Stage::kTidy: {
        std::vector<std::string> lines = TidyUpLines(*p);
        if (lines.empty()) break;
        if (++tidy_steps_ > kTidySteps) Fail("a close-up or the item in hand cannot be put away");
        return Play(lines);
      }
    }
    return AtRest(*p);
  }

  [[noreturn]] void Fail(const std::string& why) {
    SolveMessage failed("FAILED");
    failed.Add({"2", why});
    for (const std::string& line : played_) failed.Add({"line", line});
    channel_.Send(failed);
    _exit(0);
  }

  bool GoalFlagsHold(Player& p) const {
    if (setup_.goals.empty()) return false;
    for (const SolveGoalFlag& goal : setup_.goals) {
      if (goal.flag < 1 || goal.flag > GameState::kFlagCount) return false;
      if (p.game.Flags[static_cast<size_t>(goal.flag)] != goal.value) return false;
    }
    return true;
  }

  // A resting point: tell the search what is here, then try the moves it
  // asks for, each in a copy of this process.
  std::vector<ScriptCommand> AtRest(Player& p) {
    alarm(0);
    Observe(p);
    const bool ended = GameEnded(p);
    const bool goal = ended || GoalFlagsHold(p);
    moves_ = goal ? std::vector<SolveMove>{} : MovesAt(p);
    SolveMessage state("STATE");
    state.Add({"generation", std::to_string(generation_)});
    state.Add({"identity", StateIdentity(p)});
    state.Add({"plain", StateIdentity(p, false)});
    state.Add({"summary", StateSummary(p)});
    state.Add({"goal", ended ? "end" : goal ? "flags" : "0"});
    for (const std::string& line : played_) state.Add({"line", line});
    for (const std::string& key : reached_) state.Add({"reached", key});
    if (!contents_sent_) {
      for (const auto& [key, description] : contents_.entries) state.Add({"content", key, description});
    }
    for (const SolveMove& move : moves_) {
      std::vector<std::string> fields{"move", move.description};
      fields.insert(fields.end(), move.script.begin(), move.script.end());
      state.Add(std::move(fields));
    }
    std::istringstream out(out_.str());
    for (std::string line; std::getline(out, line);) {
      if (line.rfind("MSGBOX ", 0) == 0) state.Add({"note", line.substr(7)});
    }
    if (!channel_.Send(state)) _exit(0);
    played_.clear();
    reached_.clear();
    contents_sent_ = true;
    out_.str("");
    err_.str("");
    const std::optional<SolveMessage> verdict = channel_.Receive();
    if (!verdict || verdict->records.front().size() < 2) _exit(0);
    // A player that came to a state known already, with moves of it still
    // to be tried, is told to try one itself: it is that state exactly, and
    // no copy is needed.
    if (verdict->kind() == "PLAY") return PlayMove(MoveOf(*verdict));
    if (verdict->kind() != "PARK") _exit(0);
    const std::string my_state = verdict->records.front()[1];
    for (;;) {
      const std::optional<SolveMessage> order = channel_.Receive();
      if (!order || order->records.front().size() < 2) _exit(0);
      if (order->kind() == "REPLAY") {
        if (std::optional<std::vector<ScriptCommand>> lines = Replay(*order)) return *lines;
        continue;
      }
      const bool last = order->kind() == "LAST";
      if (!last && order->kind() != "PLAY") _exit(0);
      const size_t k = MoveOf(*order);
      // The state's last move: no copy of it is needed any more.
      if (last) return PlayMove(k);
      const pid_t child = fork();
      if (child < 0) {
        SolveMessage refused("NOFORK");
        refused.Add({std::to_string(k)});
        channel_.Send(refused);
        continue;
      }
      if (child > 0) continue;
      // The copy makes the move.
      SolveMessage hello("HELLO");
      hello.Add({my_state, std::to_string(k)});
      BecomeCopy(hello);
      return PlayMove(k);
    }
  }

  // In a fresh copy: its own connection to the search, which the hello
  // tells what the copy is for.
  void BecomeCopy(const SolveMessage& hello) {
    ++generation_;
    channel_ = ConnectToSearch(setup_.socket_name);
    if (!channel_.open() || !channel_.Send(hello)) _exit(1);
  }

  // The start's holder makes a copy that plays the way to a state held by
  // a copy of too many generations, to hold that state in its place (see
  // docs/solving.md); nothing for the holder itself, which waits on.
  std::optional<std::vector<ScriptCommand>> Replay(const SolveMessage& order) {
    const pid_t child = fork();
    if (child < 0) {
      SolveMessage refused("NOREPLAY");
      refused.Add({order.records.front()[1]});
      channel_.Send(refused);
    }
    if (child != 0) return std::nullopt;
    SolveMessage hello("REPLAYING");
    hello.Add({order.records.front()[1]});
    BecomeCopy(hello);
    std::vector<std::string> lines;
    for (size_t r = 1; r < order.records.size(); ++r) {
      if (!order.records[r].empty()) lines.push_back(order.records[r].front());
    }
    return PlayLines(lines);
  }

  // The move an order names: one of the moves offered here, or the search
  // has lost its way and this player ends.
  size_t MoveOf(const SolveMessage& order) const {
    const size_t k = static_cast<size_t>(std::stoul(order.records.front()[1]));
    if (k >= moves_.size()) _exit(0);
    return k;
  }

  std::vector<ScriptCommand> PlayMove(size_t k) { return PlayLines(moves_[k].script); }

  // Plays a move's lines (or a way's), under the time a move may take, and
  // tidies up after them.
  std::vector<ScriptCommand> PlayLines(const std::vector<std::string>& lines) {
    alarm(kMoveSeconds);
    stage_ = Stage::kTidy;
    tidy_steps_ = 0;
    return Play(lines);
  }

  const ExplorerSetup& setup_;
  SolveChannel channel_;
  Stage stage_ = Stage::kStart;
  int menu_waits_ = 0;
  int tidy_steps_ = 0;
  // How many copies were made one of another, from the first player to
  // this one: the kernel's work to copy a player grows with it.
  int generation_ = 0;
  std::vector<std::string> played_;
  std::set<std::string> reached_;
  GameContents contents_;
  bool contents_read_ = false;
  bool contents_sent_ = false;
  std::vector<SolveMove> moves_;
  std::ostringstream out_;
  std::ostringstream err_;
};

}  // namespace

void RunExplorer(const ExplorerSetup& setup) {
  // Copies that end are not waited for.
  signal(SIGCHLD, SIG_IGN);
  signal(SIGPIPE, SIG_IGN);
  Explorer explorer(setup);
  explorer.Run();
}

}  // namespace qvl::tools
