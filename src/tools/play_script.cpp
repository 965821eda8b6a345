#include "tools/play_script.h"

#include <cctype>
#include <charconv>

#include "platform/input_event.h"
#include "platform/text_numbers.h"
#include "tools/script_commands.h"

namespace qvl::tools {

std::vector<std::string> SplitScriptLine(std::string_view line, int line_number) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string token;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
          token += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          token += line[i++];
        }
      }
      if (!closed) throw ScriptSyntaxError(line_number, "a quote is not closed");
      tokens.push_back(std::move(token));
    } else {
      size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
      tokens.emplace_back(line.substr(i, end - i));
      i = end;
    }
  }
  return tokens;
}

std::optional<int> KeyCodeOfName(std::string_view name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return std::toupper(static_cast<unsigned char>(name[0]));
  }
  if (EqualsNoCase(name, "Escape") || EqualsNoCase(name, "Esc")) return keys::kEscape;
  if (EqualsNoCase(name, "Enter") || EqualsNoCase(name, "Return")) return keys::kEnter;
  if (EqualsNoCase(name, "Tab")) return keys::kTab;
  if (EqualsNoCase(name, "Backspace")) return keys::kBackspace;
  if (EqualsNoCase(name, "Space")) return keys::kSpace;
  if (EqualsNoCase(name, "Delete") || EqualsNoCase(name, "Del")) return keys::kDelete;
  if (EqualsNoCase(name, "Left")) return keys::kLeft;
  if (EqualsNoCase(name, "Right")) return keys::kRight;
  if (EqualsNoCase(name, "Up")) return keys::kUp;
  if (EqualsNoCase(name, "Down")) return keys::kDown;
  if (EqualsNoCase(name, "Home")) return keys::kHome;
  if (EqualsNoCase(name, "End")) return keys::kEnd;
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
    if (error == std::errc() && end == name.data() + name.size() && n >= 1 && n <= 12) return keys::kF1 + n - 1;
  }
  return std::nullopt;
}

std::optional<KeyChord> KeyChordOfName(std::string_view name) {
  KeyChord chord;
  for (;;) {
    const size_t plus = name.find('+');
    if (plus == std::string_view::npos || plus + 1 == name.size()) break;
    const std::string_view modifier = name.substr(0, plus);
    if (EqualsNoCase(modifier, "Shift")) {
      chord.shift = true;
    } else if (EqualsNoCase(modifier, "Ctrl") || EqualsNoCase(modifier, "Control")) {
      chord.control = true;
    } else {
      return std::nullopt;
    }
    name = name.substr(plus + 1);
  }
  auto code = KeyCodeOfName(name);
  if (!code) return std::nullopt;
  chord.code = *code;
  return chord;
}

std::optional<int> WindowEventOfName(std::string_view name) {
  if (EqualsNoCase(name, "minimize") || EqualsNoCase(name, "minimise")) {
    return static_cast<int>(InputKind::kWindowMinimised);
  }
  if (EqualsNoCase(name, "restore")) return static_cast<int>(InputKind::kWindowRestored);
  if (EqualsNoCase(name, "maximize") || EqualsNoCase(name, "maximise")) {
    return static_cast<int>(InputKind::kWindowMaximised);
  }
  if (EqualsNoCase(name, "focus-lost")) return static_cast<int>(InputKind::kWindowFocusLost);
  if (EqualsNoCase(name, "focus-gained")) return static_cast<int>(InputKind::kWindowFocusGained);
  return std::nullopt;
}

std::optional<long long> ParseMs(std::string_view text) {
  long long ms = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
  if (error != std::errc() || end != text.data() + text.size() || ms < 0) return std::nullopt;
  return ms;
}

namespace {

// Checks one command against the command table; throws ScriptSyntaxError.
void Check(const ScriptCommand& c) {
  const ScriptCommandEntry* entry = FindScriptCommand(c.name);
  if (entry == nullptr) throw ScriptSyntaxError(c.line, "unknown command \"" + c.name + "\"");
  if (auto problem = ArgumentProblem(*entry, c.args)) throw ScriptSyntaxError(c.line, *problem);
}

}  // namespace

std::vector<ScriptCommand> ParseScript(std::string_view text) {
  std::vector<ScriptCommand> commands;
  int line_number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++line_number;
    auto tokens = SplitScriptLine(text.substr(start, end - start), line_number);
    if (!tokens.empty()) {
      ScriptCommand command;
      command.line = line_number;
      command.name = LCase(tokens[0]);
      command.args.assign(tokens.begin() + 1, tokens.end());
      Check(command);
      commands.push_back(std::move(command));
    }
    if (end == text.size()) break;
    start = end + 1;
  }
  return commands;
}

}  // namespace qvl::tools
