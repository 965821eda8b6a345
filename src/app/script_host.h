// What `qvl run` needs of the program it plays: its runtime, its start, the
// answers to the script's questions about the game, and its notify log.
// The Player provides one; tests provide small ones of their own.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless_dialogs.h"
#include "platform/media_trace.h"
#include "ui/runtime.h"

namespace qvl {

struct Player;

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;

  // The runtime the program runs on: the script feeds its input and reads
  // its windows.
  virtual ui::Runtime& runtime() = 0;

  // Starts the program as the real one starts (start window first, time 0).
  // It may wait inside; the script then acts from within that wait.
  virtual void Start() = 0;

  // The answer to a question about the game (`flag 5` is name "flag" with
  // argument "5"), or nothing when the host does not know the question.
  virtual std::optional<std::string> Query(const std::string& name, const std::vector<std::string>& args) = 0;

  // Whether the program takes input now, as a person sees it (what
  // `ready` waits for).
  virtual bool TakesInput() const = 0;

  // Whether the program has ended itself.
  virtual bool Ended() const = 0;

  // The notify-log lines written since the last call, oldest first.
  virtual std::vector<std::string> TakeLogLines() = 0;

  // The game's part of a `state` line: names with values already written
  // as JSON, in the order they are to appear.
  virtual std::vector<std::pair<std::string, std::string>> StateFields() = 0;

  // The player itself, for tools that read the whole game state (`qvl
  // solve`); nothing for hosts that are not a player.
  virtual Player* player() { return nullptr; }
};

// What the runner gives the program it plays: where its media requests are
// traced and where its message boxes are reported (headless message boxes
// answer from the runtime's queue; with real time too, since a script
// cannot press a window's buttons).
struct HostHooks {
  TraceSink trace;
  QueuedMessageBoxes::Report on_message_box;
  bool real_time = false;
};

// The game folder cannot be played (no game there, or unreadable data).
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The player on the game in `game_dir`. Throws HostError when the folder
// holds no game that can be played.
std::unique_ptr<ScriptHost> MakeGameHost(const std::filesystem::path& game_dir, const HostHooks& hooks);

}  // namespace qvl
