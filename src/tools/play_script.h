// Play scripts of `qvl run`: one command per line, '#' starts a comment,
// blanks separate tokens and "…" quotes one (with \" and \\ inside).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::tools {

struct ScriptCommand {
  int line = 0;      // line number in the script, from 1
  std::string name;  // the command word, lower case
  std::vector<std::string> args;
};

// A script that cannot be run: the line and what is wrong with it.
class ScriptSyntaxError : public std::runtime_error {
 public:
  ScriptSyntaxError(int line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// The tokens of one line; an unclosed quote throws ScriptSyntaxError.
std::vector<std::string> SplitScriptLine(std::string_view line, int line_number);

// Every command of a script, checked for its arguments. Throws
// ScriptSyntaxError at the first bad line.
std::vector<ScriptCommand> ParseScript(std::string_view text);

// The key code of a key name (`Escape`, `F1` … `F12`, `Enter`, `Tab`,
// `Backspace`, `Space`, `Delete`, `Left`, `Right`, `Up`, `Down`, `Home`,
// `End`, a letter or a digit), letter case ignored.
std::optional<int> KeyCodeOfName(std::string_view name);

// A key with the modifiers held with it: `Shift+Tab`, `Ctrl+A`.
struct KeyChord {
  int code = 0;
  bool shift = false;
  bool control = false;
};
std::optional<KeyChord> KeyChordOfName(std::string_view name);

// The desktop's window event of a name: `minimize`, `restore`, `maximize`,
// `focus-lost`, `focus-gained` (British spellings too); the value is an
// InputKind.
std::optional<int> WindowEventOfName(std::string_view name);

// A whole number of milliseconds, or nothing when the text is not one.
std::optional<long long> ParseMs(std::string_view text);

}  // namespace qvl::tools
