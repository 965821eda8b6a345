#include "tools/play_script.h"

#include <cctype>
#include <charconv>

#include "platform/headless_dialogs.h"
#include "platform/input_event.h"
#include "platform/text_numbers.h"

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

bool IsNumber(std::string_view text) { return ParseMs(text).has_value(); }

// Checks the arguments of one command; throws ScriptSyntaxError.
void Check(const ScriptCommand& c) {
  const size_t n = c.args.size();
  auto fail = [&](const std::string& message) { throw ScriptSyntaxError(c.line, message); };
  const std::string& name = c.name;
  if (name == "wait") {
    if (n != 1 || !IsNumber(c.args[0])) fail("wait takes a number of milliseconds");
  } else if (name == "ready") {
    if (n > 1 || (n == 1 && !IsNumber(c.args[0]))) fail("ready takes at most a number of milliseconds");
  } else if (name == "move" || name == "click" || name == "rclick") {
    if (n == 2) {
      if (!IsNumber(c.args[0]) || !IsNumber(c.args[1])) fail(name + " takes a target or a point X Y");
    } else if (n != 1) {
      fail(name + " takes a target or a point X Y");
    }
  } else if (name == "key") {
    if (n != 1 || !KeyChordOfName(c.args[0])) {
      fail("key takes a key name such as Escape, F1, Enter, A, Shift+Tab or Ctrl+C");
    }
  } else if (name == "window") {
    if (n != 1 || !WindowEventOfName(c.args[0])) {
      fail("window takes minimize, restore, maximize, focus-lost or focus-gained");
    }
  } else if (name == "type") {
    if (n != 1) fail("type takes one text (quote it when it has blanks)");
  } else if (name == "fill" || name == "choose") {
    if (n != 2) fail(name + " takes a target and a text");
  } else if (name == "answer") {
    if (n != 1 || !AnswerFromName(c.args[0])) fail("answer takes OK, Yes, No or Cancel");
  } else if (name == "expect") {
    if (n < 2) fail("expect takes a query and a value");
    if (c.args[0] == "log" && n != 2) fail("expect log takes one text (quote it when it has blanks)");
  } else if (name == "shot") {
    if (n != 1) fail("shot takes a file name");
  } else if (name == "state") {
    if (n != 0) fail("state takes nothing");
  } else {
    fail("unknown command \"" + name + "\"");
  }
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
