// The commands of a play script, in one table: each command's name, the
// shape of its arguments, what runs it and its line of help. The parser
// checks lines against it, the runner runs commands from it and
// `qvl run --help` lists it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::ui {
class EventLoop;
}

namespace qvl::tools {

class ScriptRunner;
struct ScriptCommand;

// What a command's arguments must be.
enum class ArgShape {
  kNothing,        // (no argument)
  kMs,             // MS: a whole number of milliseconds
  kOptionalMs,     // [MS]
  kTargetOrPoint,  // TARGET, or a screen point X Y
  kKey,            // a key name, with Shift+ or Ctrl+ in front
  kWindowEvent,    // what the desktop does to the window
  kText,           // one text
  kTargetAndText,  // TARGET TEXT
  kAnswer,         // a message box button
  kQueryAndValue,  // QUERY VALUE, the query being one or more words
  kFile,           // a file name
};

struct ScriptCommandEntry {
  std::string_view name;
  ArgShape shape;
  // Runs the command; true when it handed control back to the loop (input
  // to deliver or time to pass).
  bool (ScriptRunner::*run)(const ScriptCommand&, ui::EventLoop&);
  std::string_view help;  // one line
};

// Every command, in the order the help lists them. The table lives next to
// the runner's handlers (script_runner.cpp): adding a command is one entry
// there and its handler.
std::span<const ScriptCommandEntry> ScriptCommands();

// The command of a name (lower case), or nullptr.
const ScriptCommandEntry* FindScriptCommand(std::string_view name);

// What is wrong with a command's arguments ("wait takes a number of
// milliseconds"), or nothing when they fit its shape.
std::optional<std::string> ArgumentProblem(const ScriptCommandEntry& command, const std::vector<std::string>& args);

// The commands as `qvl run --help` lists them: usage and help, one a line.
std::string ScriptCommandsHelp();

}  // namespace qvl::tools
