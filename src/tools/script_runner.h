// `qvl run`: plays a script against the program as a person at the
// keyboard would, in virtual time (or real time), and writes the
// transcript: LOG, MSGBOX, FAIL, STATE, END and the media trace lines.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "app/script_host.h"
#include "tools/play_script.h"

namespace qvl::tools {

// Exit statuses of a run.
namespace run_exit {
constexpr int kPassed = 0;     // every expectation held
constexpr int kFailed = 1;     // an expectation failed
constexpr int kBadInput = 2;   // bad script, target or game folder
constexpr int kHung = 3;       // the player hung, or `ready` gave up
}  // namespace run_exit

struct RunOptions {
  bool trace = false;               // print the SOUND, MUSIC and MOVIE lines
  std::filesystem::path shots_dir;  // where `shot` files go (empty: the current folder)
  bool real_time = false;           // play in real time on the window
  bool full_repaint = false;        // paint the whole screen each time, not only what changed
  // Asked for more commands when the script has run out, at the point the
  // script left the program; an empty answer ends the run there.
  std::function<std::vector<ScriptCommand>(ScriptHost&)> more_commands;
  // Told each time the program has nothing to do (before the script acts).
  std::function<void(ScriptHost&)> on_idle;
};

// Makes the program to play, given the runner's hooks; throws HostError
// when there is nothing to play.
using HostFactory = std::function<std::unique_ptr<ScriptHost>(const HostHooks&)>;

// Plays `commands` on the program `make_host` makes, writing the transcript
// to `out` and problems with the script or the folder to `err`. Returns the
// exit status.
int RunScript(const std::vector<ScriptCommand>& commands, const HostFactory& make_host, const RunOptions& options,
              std::ostream& out, std::ostream& err);

}  // namespace qvl::tools
