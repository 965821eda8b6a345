#include "tools/script_runner.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <new>
#include <optional>
#include <sstream>

#include "platform/cp1252.h"
#include "platform/picture_files.h"
#include "platform/runtime_error.h"
#include "platform/text_numbers.h"
#include "tools/json_text.h"
#include "tools/script_commands.h"
#include "ui/animated_picture.h"
#include "ui/blit.h"
#include "ui/list_box.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/window.h"

namespace qvl::tools {

namespace {

// Ends the run from inside whatever wait the program is in.
struct StopRun {
  int status;
};

// How long `ready` waits when the script does not say.
constexpr long long kDefaultReadyMs = 600000;

// Line breaks of a message box text written as \n, so a box is one line.
std::string OneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += "\\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      out += "\\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

// A window, or a control on it, named by the script.
struct Target {
  ui::Window* window = nullptr;
  ui::Control* control = nullptr;
};

}  // namespace

class ScriptRunner : public ui::IdleSource {
 public:
  ScriptRunner(const std::vector<ScriptCommand>& commands, const RunOptions& options, std::ostream& out,
         std::ostream& err)
      : commands_(commands.begin(), commands.end()), options_(options), out_(out), err_(err) {}

  ~ScriptRunner() override {
    if (host_) host_->runtime().loop().SetIdleSource(nullptr);
  }

  int Run(const HostFactory& make_host) {
    HostHooks hooks;
    hooks.real_time = options_.real_time;
    if (options_.trace) hooks.trace = [this](const std::string& line) { Print(line); };
    hooks.on_message_box = [this](const std::string& title, const std::string& text, MsgAnswer answer) {
      Print("MSGBOX " + title + " | " + OneLine(text) + " -> " + AnswerName(answer));
    };
    try {
      host_ = make_host(hooks);
    } catch (const HostError& error) {
      err_ << "qvl run: " << error.what() << "\n";
      return run_exit::kBadInput;
    }
    if (!host_) {
      err_ << "qvl run: there is no game to play\n";
      return run_exit::kBadInput;
    }
    // The error output keeps its place among the transcript's lines.
    host_->runtime().on_error_output = [this](const std::string& line) {
      FlushLog();
      out_.flush();
      err_ << line << std::endl;
    };
    ui::EventLoop& loop = host_->runtime().loop();
    loop.SetIdleSource(this);
    // Screenshots show the screen as the window keeps it: painted again
    // where it changed, at every moment the player waits.
    host_->runtime().SetFullRepaint(options_.full_repaint);
    const bool takes_shots =
        std::any_of(commands_.begin(), commands_.end(), [](const ScriptCommand& c) { return c.name == "shot"; });
    if (takes_shots) host_->runtime().KeepScreenPainted();
    try {
      host_->Start();
      loop.WaitUntil([this] { return host_->Ended(); }, ui::WaitKind::kMain);
      Ended();
    } catch (const StopRun& stop) {
      FlushLog();
      return stop.status;
    } catch (const ui::ProgramEnded&) {
      FlushLog();
      out_ << "END\n";
      return status_;
    } catch (const ui::Hang& hang) {
      FlushLog();
      err_ << "qvl run: " << Where() << "the player hung: " << hang.what() << "\n";
      return run_exit::kHung;
    } catch (const RuntimeError& error) {
      FlushLog();
      err_ << "qvl run: " << Where() << "the player stopped on run-time error " << error.number() << ": "
           << error.description() << "\n";
      return run_exit::kHung;
    } catch (const std::bad_alloc&) {
      FlushLog();
      err_ << "qvl run: " << Where() << "the player stopped on run-time error 7: Out of memory\n";
      return run_exit::kHung;
    }
    return status_;
  }

  // The loop has nothing to do: the script acts.
  void Idle(ui::EventLoop& loop) override {
    FlushLog();
    if (host_->Ended()) Ended();
    if (options_.on_idle) options_.on_idle(*host_);
    if (pending_ != Pending::kNone && ContinuePending(loop)) return;
    while (!steps_.empty()) {
      auto step = std::move(steps_.front());
      steps_.pop_front();
      if (step()) return;
    }
    for (;;) {
      while (next_ < commands_.size()) {
        current_ = &commands_[next_++];
        if (Execute(*current_, loop)) return;
        if (pending_ != Pending::kNone && ContinuePending(loop)) return;
      }
      if (!options_.more_commands) break;
      std::vector<ScriptCommand> more = options_.more_commands(*host_);
      if (more.empty()) break;
      // A deque keeps `current_` valid while commands are added.
      for (auto& command : more) commands_.push_back(std::move(command));
    }
    ScriptDone(loop);
  }

 private:
  enum class Pending { kNone, kWait, kReady };

  ui::Runtime& rt() { return host_->runtime(); }

  // ---- output

  void FlushLog() {
    if (!host_) return;
    for (auto& line : host_->TakeLogLines()) {
      out_ << "LOG " << line << "\n";
      log_since_expect_.push_back(std::move(line));
    }
  }

  void Print(const std::string& line) {
    FlushLog();
    out_ << line << "\n";
    // Real-time play is watched as it happens.
    if (options_.real_time) out_.flush();
  }

  std::string Where() const {
    return current_ != nullptr ? "line " + std::to_string(current_->line) + ": " : std::string();
  }

  [[noreturn]] void BadInput(const std::string& message) {
    FlushLog();
    err_ << "qvl run: " << Where() << message << "\n";
    throw StopRun{run_exit::kBadInput};
  }

  [[noreturn]] void Hung(const std::string& message) {
    FlushLog();
    err_ << "qvl run: " << Where() << message << "\n";
    throw StopRun{run_exit::kHung};
  }

  [[noreturn]] void Ended() {
    Print("END");
    throw StopRun{status_};
  }

  // The script has run out. A wait of the game that nothing can end is a hang.
  [[noreturn]] void ScriptDone(ui::EventLoop& loop) {
    if (loop.IsVirtual() && GameWaits(loop) && !loop.scheduler().NextDue() && !loop.HasPendingWork()) {
      Hung("the player hung: it waits for something that nothing can bring");
    }
    throw StopRun{status_};
  }

  // ---- waiting

  // True while one of the loop's open waits is the game's own.
  static bool GameWaits(ui::EventLoop& loop) {
    return std::count(loop.Waits().begin(), loop.Waits().end(), ui::WaitKind::kGame) > 0;
  }

  bool Ready() const { return host_->TakesInput(); }

  // Carries on a `wait` or `ready`; true while it goes on.
  bool ContinuePending(ui::EventLoop& loop) {
    const int64_t now = loop.NowMs();
    if (pending_ == Pending::kWait) {
      if (now >= until_) {
        pending_ = Pending::kNone;
        return false;
      }
      loop.PassTime(until_);
      return true;
    }
    // ready
    if (Ready()) {
      pending_ = Pending::kNone;
      return false;
    }
    if (now >= until_) Hung("ready gave up after " + std::to_string(ready_ms_) + " ms");
    if (loop.IsVirtual() && !loop.scheduler().NextDue() && !loop.HasPendingWork()) {
      Hung("the player can never become ready: it waits for something that nothing can bring");
    }
    loop.PassTime(until_);
    return true;
  }

  // ---- targets

  Target Resolve(const std::string& text, bool window_alone_allowed) {
    const size_t dot = text.find('.');
    Target target;
    const std::string window_name = text.substr(0, dot);
    target.window = rt().windows().Find(window_name);
    if (target.window == nullptr) BadInput("no window \"" + window_name + "\"");
    if (dot == std::string::npos) {
      if (!window_alone_allowed) BadInput("\"" + text + "\" is not a control (Window.Control)");
      return target;
    }
    std::string control = text.substr(dot + 1);
    int index = 0;
    const size_t open = control.find('(');
    if (open != std::string::npos) {
      if (control.back() != ')') BadInput("bad target \"" + text + "\"");
      const std::string_view inside = std::string_view(control).substr(open + 1, control.size() - open - 2);
      control.resize(open);
      if (inside.starts_with(kByItem)) {
        index = IconOfItem(*target.window, control, inside.substr(kByItem.size()), text);
      } else {
        auto number = ParseMs(inside);
        if (!number) BadInput("bad index in \"" + text + "\"");
        index = static_cast<int>(*number);
      }
    }
    target.control = target.window->Find(control, index);
    if (target.control == nullptr) BadInput("no control \"" + text + "\"");
    return target;
  }

  // `Main.invitem(item=N)`: the bar icon holding item N wherever it stands
  // on the bar, so that a script need not know the order the items were
  // found in; of two icons holding it, the first that shows.
  static constexpr std::string_view kByItem = "item=";

  int IconOfItem(const ui::Window& window, const std::string& control, std::string_view item, const std::string& text) {
    const std::optional<int64_t> wanted = ParseMs(item);
    if (!wanted) BadInput("bad item number in \"" + text + "\"");
    const std::optional<std::string> held = host_->Query("items", {});
    std::istringstream slots(held.value_or("-"));
    int first = 0;
    int k = 0;
    for (std::string number; slots >> number;) {
      ++k;
      if (number != std::to_string(*wanted)) continue;
      const ui::Control* icon = window.Find(control, k);
      if (icon != nullptr && icon->ShownOnScreen()) return k;
      if (first == 0) first = k;
    }
    if (first == 0) BadInput("item " + std::to_string(*wanted) + " is not on the bar (\"" + text + "\")");
    return first;
  }

  // Where a person clicks a control: its centre, or the first point of it
  // that no other control covers; when it is covered all over, the centre
  // (and the cover gets the click).
  std::pair<int, int> PointOf(const ui::Control& control) {
    if (!control.ShownOnScreen()) BadInput(control.window().name() + "." + control.name() + " is not shown");
    const ui::Rect area =
        ui::Intersect(ui::Intersect(control.ScreenRect(), control.ScreenClip()), ui::Rect{0, 0, 800, 600});
    if (area.width == 0 || area.height == 0) {
      BadInput(control.window().name() + "." + control.name() + " is not on the screen");
    }
    const int cx = area.left + area.width / 2;
    const int cy = area.top + area.height / 2;
    auto& windows = rt().windows();
    if (windows.HitTest(cx, cy).control == &control) return {cx, cy};
    // Covers are rectangles, so the first uncovered point in reading order
    // lies on the area's top or just below some rectangle, and on its left
    // edge or just right of some rectangle: only those points are tried.
    std::vector<int> rows{area.top};
    std::vector<int> columns{area.left};
    for (const ui::Window* window : windows.BackToFront()) {
      if (!window->visible()) continue;
      std::vector<ui::Rect> rects{window->bounds()};
      for (const ui::Control* other : window->Controls()) {
        if (other->ShownOnScreen()) rects.push_back(other->ScreenRect());
      }
      for (const ui::Rect& r : rects) {
        if (r.Bottom() > area.top && r.Bottom() < area.Bottom()) rows.push_back(r.Bottom());
        if (r.Right() > area.left && r.Right() < area.Right()) columns.push_back(r.Right());
      }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    for (int y : rows) {
      for (int x : columns) {
        if (windows.HitTest(x, y).control == &control) return {x, y};
      }
    }
    return {cx, cy};
  }

  std::pair<int, int> PointOf(const ScriptCommand& c) {
    if (c.args.size() == 2) return {static_cast<int>(*ParseMs(c.args[0])), static_cast<int>(*ParseMs(c.args[1]))};
    Target target = Resolve(c.args[0], false);
    return PointOf(*target.control);
  }

  // ---- input

  void Push(InputEvent event) { rt().loop().PushInput(std::move(event)); }

  void MouseAt(InputKind kind, int x, int y, MouseButton button = MouseButton::kNone) {
    InputEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    event.button = button;
    Push(std::move(event));
  }

  // A mouse that is already there does not move before it clicks.
  void Click(std::pair<int, int> point, MouseButton button) {
    ui::Windows& windows = rt().windows();
    if (windows.pointer_x() != point.first || windows.pointer_y() != point.second) {
      MouseAt(InputKind::kMouseMove, point.first, point.second);
    }
    MouseAt(InputKind::kMouseDown, point.first, point.second, button);
    MouseAt(InputKind::kMouseUp, point.first, point.second, button);
  }

  void KeyDown(int code, bool shift, bool control = false) {
    InputEvent event;
    event.kind = InputKind::kKeyDown;
    event.key = code;
    event.shift = shift;
    event.control = control;
    Push(std::move(event));
  }

  void TypeText(const std::string& utf8) {
    InputEvent text;
    text.kind = InputKind::kText;
    text.text = utf8;
    Push(std::move(text));
  }

  // The keys of a text, one after another: each key goes down and types
  // its character.
  void TypeKeys(const std::string& utf8) {
    for (unsigned char c : Utf8ToCp1252(utf8)) {
      const bool upper = std::isupper(c) != 0;
      const int code = std::isalpha(c) ? std::toupper(c) : c;
      KeyDown(code, upper);
      TypeText(Cp1252ToUtf8(std::string(1, static_cast<char>(c))));
    }
  }

  // ---- queries

  std::string QueryText(const std::vector<std::string>& query) const {
    std::string text;
    for (const auto& part : query) text += (text.empty() ? "" : " ") + part;
    return text;
  }

  std::string Answer(const std::vector<std::string>& query) {
    const std::string& name = query[0];
    const std::vector<std::string> args(query.begin() + 1, query.end());
    if (name == "visible" || name == "caption") {
      if (args.size() != 1) BadInput(name + " takes one target");
      Target target = Resolve(args[0], true);
      if (name == "visible") {
        const bool shown = target.control != nullptr ? target.control->ShownOnScreen() : target.window->visible();
        return shown ? "true" : "false";
      }
      return Cp1252ToUtf8(CaptionOf(target));
    }
    if (name == "tooltip") {
      // The tooltip showing now (`-` when none); with a target, the
      // control's tooltip text whether it shows or not.
      if (args.size() > 1) BadInput("tooltip takes at most one target");
      if (args.empty()) {
        const ui::Control* note = rt().windows().tooltip();
        return note != nullptr ? Cp1252ToUtf8(note->tooltip_text()) : "-";
      }
      Target target = Resolve(args[0], true);
      if (target.control == nullptr) BadInput("tooltip takes a control, not a window");
      return target.control->tooltip_text().empty() ? "-" : Cp1252ToUtf8(target.control->tooltip_text());
    }
    if (name == "focus") {
      // The control with the keyboard focus in the window keys go to.
      if (!args.empty()) BadInput("focus takes nothing");
      ui::Window* window = rt().windows().modal() != nullptr ? rt().windows().modal() : rt().windows().active();
      if (window == nullptr || window->focused() == nullptr) return "-";
      const ui::Control* c = window->focused();
      return window->name() + "." + c->name() + (c->index() > 0 ? "(" + std::to_string(c->index()) + ")" : "");
    }
    if (name == "title") {
      if (!args.empty()) BadInput("title takes nothing");
      return rt().title();
    }
    if (name == "place") {
      // "left top width height": a window on the screen, a control in its
      // container.
      if (args.size() != 1) BadInput("place takes one target");
      Target target = Resolve(args[0], true);
      const ui::Rect r = target.control != nullptr ? target.control->bounds() : target.window->bounds();
      return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.width) + " " +
             std::to_string(r.height);
    }
    if (name == "frame") {
      // The frame an animated picture shows, 0 being the first.
      if (args.size() != 1) BadInput("frame takes one target");
      Target target = Resolve(args[0], false);
      auto* animation = dynamic_cast<ui::AnimatedPicture*>(target.control);
      if (animation == nullptr) BadInput(args[0] + " is not an animated picture");
      return std::to_string(animation->current_frame());
    }
    if (name == "window") {
      if (args.size() != 1) BadInput("window takes one window name");
      Target target = Resolve(args[0], true);
      if (target.control != nullptr) BadInput("window takes a window name, not a control");
      return target.window->visible() ? "true" : "false";
    }
    auto answer = host_->Query(name, args);
    if (!answer) BadInput("unknown query \"" + QueryText(query) + "\"");
    return *answer;
  }

  std::string CaptionOf(const Target& target) {
    if (target.control == nullptr) return target.window->caption();
    ui::Control* c = target.control;
    if (auto* label = dynamic_cast<ui::Label*>(c)) return label->caption();
    if (auto* button = dynamic_cast<ui::Button*>(c)) return button->caption();
    if (auto* check = dynamic_cast<ui::CheckBox*>(c)) return check->caption();
    if (auto* frame = dynamic_cast<ui::Frame*>(c)) return frame->caption();
    if (auto* text = dynamic_cast<ui::TextBox*>(c)) return text->text();
    if (auto* list = dynamic_cast<ui::ListBox*>(c)) return list->SelectedText();
    BadInput(c->name() + " has no caption");
  }

  void Fail(const ScriptCommand& c, const std::string& query, const std::string& want, const std::string& got) {
    Print("FAIL " + std::to_string(c.line) + ": " + query + " expected " + want + " got " + got);
    status_ = run_exit::kFailed;
  }

 public:
  // ---- commands: the handlers the command table names

  bool Wait(const ScriptCommand& c, ui::EventLoop& loop) {
    pending_ = Pending::kWait;
    until_ = loop.NowMs() + *ParseMs(c.args[0]);
    return false;
  }

  bool ReadyCommand(const ScriptCommand& c, ui::EventLoop& loop) {
    pending_ = Pending::kReady;
    ready_ms_ = c.args.empty() ? kDefaultReadyMs : *ParseMs(c.args[0]);
    until_ = loop.NowMs() + ready_ms_;
    return false;
  }

  bool Move(const ScriptCommand& c, ui::EventLoop&) {
    auto [x, y] = PointOf(c);
    MouseAt(InputKind::kMouseMove, x, y);
    return true;
  }

  bool LeftClick(const ScriptCommand& c, ui::EventLoop&) {
    Click(PointOf(c), MouseButton::kLeft);
    return true;
  }

  bool RightClick(const ScriptCommand& c, ui::EventLoop&) {
    Click(PointOf(c), MouseButton::kRight);
    return true;
  }

  bool Key(const ScriptCommand& c, ui::EventLoop&) {
    const KeyChord chord = *KeyChordOfName(c.args[0]);
    const int code = chord.code;
    KeyDown(code, chord.shift, chord.control);
    // A key held with Ctrl types no character.
    const bool letter_or_digit = (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
    if (!chord.control && letter_or_digit) {
      const char typed = static_cast<char>(chord.shift ? code : std::tolower(code));
      TypeText(std::string(1, typed));
    }
    if (!chord.control && code == keys::kSpace) TypeText(" ");
    return true;
  }

  bool WindowEvent(const ScriptCommand& c, ui::EventLoop&) {
    InputEvent event;
    event.kind = static_cast<InputKind>(*WindowEventOfName(c.args[0]));
    Push(std::move(event));
    return true;
  }

  bool Type(const ScriptCommand& c, ui::EventLoop&) {
    TypeKeys(c.args[0]);
    return true;
  }

  bool Fill(const ScriptCommand& c, ui::EventLoop&) {
    Target target = Resolve(c.args[0], false);
    auto* box = dynamic_cast<ui::TextBox*>(target.control);
    if (box == nullptr) BadInput(c.args[0] + " is not a text box");
    Click(PointOf(*box), MouseButton::kLeft);
    const std::string text = c.args[1];
    // Once the click has been handled: select everything and type over it.
    steps_.push_back([this, box, text] {
      box->SelectAll();
      TypeKeys(text);
      return true;
    });
    return true;
  }

  bool Choose(const ScriptCommand& c, ui::EventLoop&) {
    Target target = Resolve(c.args[0], false);
    auto* list = dynamic_cast<ui::ListBox*>(target.control);
    if (list == nullptr) BadInput(c.args[0] + " is not a list");
    const auto& items = list->items();
    auto it = std::find(items.begin(), items.end(), Utf8ToCp1252(c.args[1]));
    if (it == items.end()) BadInput(c.args[0] + " has no entry \"" + c.args[1] + "\"");
    PointOf(*list);  // the list itself must be shown
    const int entry = static_cast<int>(it - items.begin());
    // A person scrolls the entry into view first.
    if (list->EntryRect(entry).width == 0) list->SetTopIndex(entry);
    const ui::Rect line = list->EntryRect(entry);
    Click({line.left + line.width / 2, line.top + line.height / 2}, MouseButton::kLeft);
    return true;
  }

  bool AnswerBox(const ScriptCommand& c, ui::EventLoop&) {
    QueuedMessageBoxes* boxes = rt().queued_message_boxes();
    if (boxes == nullptr) BadInput("message boxes cannot be answered from the script here");
    boxes->QueueAnswer(*AnswerFromName(c.args[0]));
    return false;
  }

  bool Expect(const ScriptCommand& c, ui::EventLoop&) {
    if (c.args[0] == "log") {
      const std::string& want = c.args[1];
      const bool found = std::find(log_since_expect_.begin(), log_since_expect_.end(), want) != log_since_expect_.end();
      std::string got = log_since_expect_.empty() ? "-" : log_since_expect_.back();
      log_since_expect_.clear();
      if (!found) Fail(c, "log", want, got);
      return false;
    }
    const std::vector<std::string> query(c.args.begin(), c.args.end() - 1);
    const std::string& want = c.args.back();
    const std::string got = Answer(query);
    if (got != want) Fail(c, QueryText(query), want, got);
    return false;
  }

  bool Shot(const ScriptCommand& c, ui::EventLoop&) {
    Image screen;
    rt().DrawScreen(screen);
    const std::filesystem::path path = options_.shots_dir.empty() ? std::filesystem::path(c.args[0])
                                                                  : options_.shots_dir / c.args[0];
    if (!SavePng(screen, path)) BadInput("cannot write the screenshot " + path.string());
    return false;
  }

  bool State(const ScriptCommand&, ui::EventLoop&) {
    std::string json = "{\"time\":" + std::to_string(rt().loop().NowMs());
    ui::Window* active = rt().windows().active();
    json += ",\"active\":" + (active != nullptr ? JsonString(active->name()) : std::string("null"));
    json += ",\"windows\":[";
    bool first = true;
    for (ui::Window* window : rt().windows().BackToFront()) {
      if (!window->visible()) continue;
      json += (first ? "" : ",") + JsonString(window->name());
      first = false;
    }
    json += "]";
    for (const auto& [key, value] : host_->StateFields()) json += "," + JsonString(key) + ":" + value;
    Print("STATE " + json + "}");
    return false;
  }

 private:
  // Runs one command from the table; true when it handed control back to
  // the loop.
  bool Execute(const ScriptCommand& c, ui::EventLoop& loop) {
    const ScriptCommandEntry* command = FindScriptCommand(c.name);
    if (command == nullptr) BadInput("unknown command \"" + c.name + "\"");
    return (this->*command->run)(c, loop);
  }

  std::deque<ScriptCommand> commands_;
  const RunOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  std::unique_ptr<ScriptHost> host_;
  size_t next_ = 0;
  const ScriptCommand* current_ = nullptr;
  std::deque<std::function<bool()>> steps_;
  Pending pending_ = Pending::kNone;
  int64_t until_ = 0;
  long long ready_ms_ = 0;
  std::vector<std::string> log_since_expect_;
  int status_ = run_exit::kPassed;
};

// The commands of a play script. The usage each shows in the help comes
// from its argument shape.
constexpr ScriptCommandEntry kScriptCommands[] = {
    {"wait", ArgShape::kMs, &ScriptRunner::Wait, "let MS milliseconds of virtual time pass"},
    {"ready", ArgShape::kOptionalMs, &ScriptRunner::ReadyCommand,
     "let time pass until the player takes input (give up after MS, default 600000)"},
    {"move", ArgShape::kTargetOrPoint, &ScriptRunner::Move, "move the pointer onto the target or the point"},
    {"click", ArgShape::kTargetOrPoint, &ScriptRunner::LeftClick, "move there, press and release the left button"},
    {"rclick", ArgShape::kTargetOrPoint, &ScriptRunner::RightClick, "the same with the right button"},
    {"key", ArgShape::kKey, &ScriptRunner::Key, "press and release a key in the active window"},
    {"type", ArgShape::kText, &ScriptRunner::Type, "press the keys of TEXT one after another"},
    {"fill", ArgShape::kTargetAndText, &ScriptRunner::Fill, "click a text box, select all its text and type TEXT"},
    {"choose", ArgShape::kTargetAndText, &ScriptRunner::Choose, "click the list entry whose text is TEXT"},
    {"answer", ArgShape::kAnswer, &ScriptRunner::AnswerBox,
     "the answer (OK, Yes, No, Cancel) for the next message box"},
    {"expect", ArgShape::kQueryAndValue, &ScriptRunner::Expect,
     "check the state now (`expect log TEXT`: a log line since the last one)"},
    {"shot", ArgShape::kFile, &ScriptRunner::Shot, "save the screen as PNG (relative to --shots)"},
    {"state", ArgShape::kNothing, &ScriptRunner::State, "print a STATE line with the state as JSON"},
    {"window", ArgShape::kWindowEvent, &ScriptRunner::WindowEvent,
     "the desktop minimizes, restores, maximizes, unfocuses or focuses the window"},
};

std::span<const ScriptCommandEntry> ScriptCommands() { return kScriptCommands; }

int RunScript(const std::vector<ScriptCommand>& commands, const HostFactory& make_host, const RunOptions& options,
              std::ostream& out, std::ostream& err) {
  ScriptRunner runner(commands, options, out, err);
  const int status = runner.Run(make_host);
  out.flush();
  return status;
}

}  // namespace qvl::tools
