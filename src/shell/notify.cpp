#include "shell/notify.h"

#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "platform/cp1252.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

void CompExpClick(Player& p) {
  NotifyWindow& w = p.windows.notify;
  if (w.window.height() == NotifyWindow::kShrunkHeight) {
    w.window.Move(w.window.left(), w.window.top(), w.window.width(), w.FullHeight);
    w.CompExp.SetCaption("Shrink Window");
  } else {
    w.window.Move(w.window.left(), w.window.top(), w.window.width(), NotifyWindow::kShrunkHeight);
    w.CompExp.SetCaption("Expand Window");
  }
}

void CopyClick(Player& p) {
  try {
    std::string text;
    for (const std::string& line : p.notify_log.lines) text += line + "\n";
    p.runtime().clipboard().SetText("");
    p.runtime().clipboard().SetText(Cp1252ToUtf8(text));
  } catch (const std::exception& error) {
    const RuntimeError* runtime = dynamic_cast<const RuntimeError*>(&error);
    p.runtime().message_boxes().Show(kAppTitle,
                                     "An error has occured with the Notify Window.  Please report!\rError #" +
                                         Str(int64_t{runtime ? runtime->number() : 5}) + " / " + error.what(),
                                     MsgIcon::kNone, MsgButtons::kOK);
  }
}

void EmptyClick(Player& p) {
  if (p.runtime().message_boxes().Show(kAppTitle, "Empty the contents of the Notify Window?", MsgIcon::kQuestion,
                                       MsgButtons::kYesNo) == MsgAnswer::kYes) {
    EmptyNotifyLog(p);
  }
}

void NotifyLoad(Player& p) {
  NotifyWindow& w = p.windows.notify;
  w.CompExp.SetCaption("Expand Window");
  w.FullHeight = w.window.height();
  w.window.Move(2000 / 15, 0, w.window.width(), NotifyWindow::kShrunkHeight);
  p.game.BuildDebugOn = false;
}

// An unloaded window forgets its place and size: loaded again, it starts
// from its design ones, its full height among them.
void NotifyUnload(Player& p) {
  const ui::Rect& r = NotifyWindow::kDesignPlace;
  p.windows.notify.window.Move(r.left, r.top, r.width, r.height);
}

// The screen shows the wait pointer: the log window gives the normal one.
void NotifyMouseMove(Player& p) {
  if (WaitPointerShows(p)) ShowPointer(p, pointer::kNormal);
}

}  // namespace

void SwitchOnDebugging(Player& p) {
  MainWindow& main = p.windows.main;
  if (main.Command1.visible()) return;
  p.game.DebugButtonEnabled = 1;
  EmptyNotifyLog(p);
  main.Command1.Show();
  p.windows.notify.window.Show();
  p.game.NotifyLogOn = true;
}

void SwitchOnBuildDebugging(Player& p) {
  SwitchOnDebugging(p);
  p.windows.notify.window.Show();
  p.game.NotifyLogOn = true;
  p.game.BuildDebugOn = true;
  Notify(p, "BUILD DEBUGGING IS ENABLED!");
}

void WireNotifyWindow(Player& p) {
  NotifyWindow& w = p.windows.notify;
  // The list shows the log.
  p.notify_log.on_line = [&w](const std::string& line) {
    w.List1.AddItem(line);
    w.List1.SetListIndex(w.List1.ListCount() - 1);
  };
  p.notify_log.on_empty = [&w] { w.List1.Clear(); };
  w.window.on_load = [&p] { NotifyLoad(p); };
  w.window.on_unload = [&p] { NotifyUnload(p); };
  w.CompExp.on_click = [&p](const ui::MouseArgs&) { CompExpClick(p); };
  w.cc.on_click = [&p](const ui::MouseArgs&) { CopyClick(p); };
  w.ClC.on_click = [&p](const ui::MouseArgs&) { EmptyClick(p); };
  w.window.on_mouse_move = [&p](const ui::MouseArgs&) { NotifyMouseMove(p); };
  w.List1.on_mouse_move = [&p](const ui::MouseArgs&) { NotifyMouseMove(p); };
}

}  // namespace qvl
