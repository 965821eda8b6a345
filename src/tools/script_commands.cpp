#include "tools/script_commands.h"

#include <algorithm>

#include "platform/headless_dialogs.h"
#include "tools/play_script.h"

namespace qvl::tools {

namespace {

// How a shape is written in the help, what a command of that shape is
// said to take when its arguments do not fit, and whether they fit.
struct ShapeRule {
  ArgShape shape;
  std::string_view usage;
  std::string_view takes;
  bool (*fits)(const std::vector<std::string>& args);
};

bool IsNumber(const std::string& text) { return ParseMs(text).has_value(); }

constexpr ShapeRule kShapeRules[] = {
    {ArgShape::kNothing, "", "nothing", [](const auto& a) { return a.empty(); }},
    {ArgShape::kMs, "MS", "a number of milliseconds", [](const auto& a) { return a.size() == 1 && IsNumber(a[0]); }},
    {ArgShape::kOptionalMs, "[MS]", "at most a number of milliseconds",
     [](const auto& a) { return a.empty() || (a.size() == 1 && IsNumber(a[0])); }},
    {ArgShape::kTargetOrPoint, "TARGET | X Y", "a target or a point X Y",
     [](const auto& a) { return a.size() == 1 || (a.size() == 2 && IsNumber(a[0]) && IsNumber(a[1])); }},
    {ArgShape::kKey, "KEY", "a key name such as Escape, F1, Enter, A, Shift+Tab or Ctrl+C",
     [](const auto& a) { return a.size() == 1 && KeyChordOfName(a[0]).has_value(); }},
    {ArgShape::kWindowEvent, "EVENT", "minimize, restore, maximize, focus-lost or focus-gained",
     [](const auto& a) { return a.size() == 1 && WindowEventOfName(a[0]).has_value(); }},
    {ArgShape::kText, "TEXT", "one text (quote it when it has blanks)", [](const auto& a) { return a.size() == 1; }},
    {ArgShape::kTargetAndText, "TARGET TEXT", "a target and a text", [](const auto& a) { return a.size() == 2; }},
    {ArgShape::kAnswer, "BUTTON", "OK, Yes, No or Cancel",
     [](const auto& a) { return a.size() == 1 && AnswerFromName(a[0]).has_value(); }},
    {ArgShape::kQueryAndValue, "QUERY VALUE", "a query and a value", [](const auto& a) { return a.size() >= 2; }},
    {ArgShape::kFile, "FILE", "a file name", [](const auto& a) { return a.size() == 1; }},
};

const ShapeRule& RuleOf(ArgShape shape) {
  return *std::find_if(std::begin(kShapeRules), std::end(kShapeRules),
                       [shape](const ShapeRule& rule) { return rule.shape == shape; });
}

}  // namespace

const ScriptCommandEntry* FindScriptCommand(std::string_view name) {
  const auto commands = ScriptCommands();
  auto it = std::find_if(commands.begin(), commands.end(),
                         [name](const ScriptCommandEntry& command) { return command.name == name; });
  return it != commands.end() ? &*it : nullptr;
}

std::optional<std::string> ArgumentProblem(const ScriptCommandEntry& command, const std::vector<std::string>& args) {
  const ShapeRule& rule = RuleOf(command.shape);
  if (!rule.fits(args)) return std::string(command.name) + " takes " + std::string(rule.takes);
  // `expect log TEXT` compares one whole text, so a text with blanks must
  // be quoted.
  if (command.shape == ArgShape::kQueryAndValue && args[0] == "log" && args.size() != 2) {
    return std::string(command.name) + " log takes " + std::string(RuleOf(ArgShape::kText).takes);
  }
  return std::nullopt;
}

std::string ScriptCommandsHelp() {
  std::vector<std::string> usages;
  size_t width = 0;
  for (const ScriptCommandEntry& command : ScriptCommands()) {
    const std::string_view args = RuleOf(command.shape).usage;
    usages.push_back(std::string(command.name) + (args.empty() ? "" : " ") + std::string(args));
    width = std::max(width, usages.back().size());
  }
  std::string help = "Script commands (one a line, # starts a comment, \"...\" quotes a text):\n";
  const auto commands = ScriptCommands();
  for (size_t i = 0; i < commands.size(); ++i) {
    help += "  " + usages[i] + std::string(width + 2 - usages[i].size(), ' ') + std::string(commands[i].help) + "\n";
  }
  return help;
}

}  // namespace qvl::tools
