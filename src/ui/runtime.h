// Everything the game runs on, in one object: the clock, the timers, the
// event loop, the windows, the mouse pointer, message boxes, clipboard and
// screen size, either headless in virtual time (scripted play, tests) or
// in real time on a window. The Player owns one.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/clocks.h"
#include "platform/headless_dialogs.h"
#include "platform/image.h"
#include "platform/message_boxes.h"
#include "platform/picture_files.h"
#include "platform/screen_output.h"
#include "ui/display_list.h"
#include "ui/event_loop.h"
#include "ui/scheduler.h"
#include "ui/screen_damage.h"
#include "ui/windows.h"

namespace qvl::ui {

class Renderer;
class ScreenPainter;

// The size of the display the player runs on, in pixels; the game's
// screen measures in twips are 15 to a pixel.
struct ScreenMetrics {
  int width = 1024;
  int height = 768;
  int WidthTwips() const { return width * 15; }
  int HeightTwips() const { return height * 15; }
};

class Runtime {
 public:
  // Headless, in virtual time from 0: no window, message boxes answer from
  // a queue and report to `on_message_box`, the clipboard is in memory.
  static std::unique_ptr<Runtime> MakeHeadless(ScreenMetrics metrics = {},
                                               QueuedMessageBoxes::Report on_message_box = {});
  // Real time on a window that shows the screen and supplies input.
  static std::unique_ptr<Runtime> MakeReal(std::unique_ptr<ScreenOutput> screen,
                                           std::unique_ptr<MessageBoxes> boxes,
                                           std::unique_ptr<Clipboard> clipboard, ScreenMetrics metrics);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  const Clock& clock() const { return *clock_; }
  bool IsVirtual() const { return virtual_clock_ != nullptr; }
  // The virtual clock in headless play, else null.
  VirtualClock* virtual_clock() const { return virtual_clock_; }
  Scheduler& scheduler() { return scheduler_; }
  EventLoop& loop() { return loop_; }
  Windows& windows() { return windows_; }

  MessageBoxes& message_boxes() { return *boxes_; }
  // The queue of answers in headless play, else null.
  QueuedMessageBoxes* queued_message_boxes() const { return queued_boxes_; }
  Clipboard& clipboard() { return *clipboard_; }
  // The window, in real play; null when headless.
  ScreenOutput* screen() const { return screen_.get(); }

  ScreenMetrics GetScreenMetrics() const { return metrics_; }
  void SetScreenMetrics(ScreenMetrics metrics) { metrics_ = metrics; }

  // The mouse pointer's picture. Setting the picture that already shows
  // does nothing; the window gets a new pointer only when it differs.
  void SetPointer(const PointerPicture& pointer);
  const PointerPicture& pointer() const { return pointer_; }

  // Writes one line to the error output: stderr, unless `on_error_output`
  // takes it (scripted play keeps it in order with its transcript).
  void WriteErrorLine(const std::string& line);
  std::function<void(const std::string& line)> on_error_output;

  // The person closed the real window (the game ends itself then).
  std::function<void()> on_quit;
  // The desktop minimised, restored or maximised the window, or it lost or
  // gained the keyboard focus (one of the window kinds of InputKind).
  std::function<void(InputKind)> on_window_event;

  // The title of the real window (UTF-8); kept headless too, for scripts.
  const std::string& title() const { return title_; }
  void SetTitle(const std::string& title);

  // The screen as it looks now, painted from the windows.
  void DrawScreen(Image& screen);
  // Shows the screen in the window when something changed since last time
  // (real play; called before the loop sleeps). Only the changed areas are
  // painted and shown, and not more often than the display's refresh rate.
  void PresentIfChanged();

  // Paints the whole screen every time instead of only what changed (to
  // compare the two: their pictures must be equal).
  void SetFullRepaint(bool on) { full_repaint_ = on; }
  // Headless play keeps its screen painted as the window would, at every
  // moment the player waits, so that screenshots come from the same
  // repaints as the window's.
  void KeepScreenPainted();

 private:
  Runtime(std::unique_ptr<Clock> clock, VirtualClock* virtual_clock, std::unique_ptr<ScreenOutput> screen,
          std::unique_ptr<MessageBoxes> boxes, QueuedMessageBoxes* queued, std::unique_ptr<Clipboard> clipboard,
          ScreenMetrics metrics);

  std::unique_ptr<Clock> clock_;
  VirtualClock* virtual_clock_;
  std::unique_ptr<ScreenOutput> screen_;
  std::unique_ptr<MessageBoxes> boxes_;
  QueuedMessageBoxes* queued_boxes_;
  std::unique_ptr<Clipboard> clipboard_;
  ScreenMetrics metrics_;
  Scheduler scheduler_;
  EventLoop loop_;
  Windows windows_;
  std::string title_ = "Quorvel Player";
  PointerPicture pointer_;
  bool pointer_changed_ = false;
  // Paints the changed areas of the screen and notes them for the window.
  void UpdateScreen();

  std::unique_ptr<Renderer> renderer_;
  std::unique_ptr<ScreenPainter> painter_;
  bool full_repaint_ = false;
  ScreenAreas unpresented_;  // painted, not yet shown in the window
  int64_t next_present_ms_ = 0;
  bool present_wake_armed_ = false;
  TimerSlot present_wake_;  // ends the loop's sleep when a present is due
};

}  // namespace qvl::ui
