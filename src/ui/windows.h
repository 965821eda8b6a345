// The player's windows as one screen: their order from back to front, the
// active window, modal windows, the display list of what shows, and the
// input that reaches windows and controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_event.h"
#include "platform/message_boxes.h"
#include "platform/picture_budget.h"
#include "platform/picture_memo.h"
#include "ui/display_list.h"
#include "ui/scheduler.h"
#include "ui/window.h"

namespace qvl::ui {

class EventLoop;
class Scheduler;

// What lies under a point of the screen.
struct Hit {
  Window* window = nullptr;
  Control* control = nullptr;  // null: the window's own background
};

class Windows {
 public:
  Windows(EventLoop& loop, Scheduler& scheduler);
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  EventLoop& loop() const { return loop_; }
  Scheduler& scheduler() const { return scheduler_; }
  // The memory every picture the windows load from the game counts against.
  PictureBudget& picture_budget() { return picture_budget_; }
  // The pictures kept decoded, when the player keeps them (see PictureMemo).
  PictureMemo& picture_memo() { return picture_memo_; }
  // Decodes a picture file of the game under the budget, or hands out the
  // one kept from before.
  PictureRef LoadPicture(const std::filesystem::path& real_path) {
    return picture_memo_.Load(real_path, picture_budget_);
  }

  // Makes a window (not loaded, hidden).
  Window& Add(std::string name);
  // The window of that name (case-insensitive), or null.
  Window* Find(std::string_view name) const;
  Window& Get(std::string_view name) const;

  // Every window, back to front (always-on-top windows last).
  std::vector<Window*> BackToFront() const;
  // Puts a window in front of the others of its layer.
  void BringToFront(Window& window);
  // Puts a window behind the others of its layer.
  void SendToBack(Window& window);

  Window* active() const { return active_; }
  // Makes a shown window the active one, raising its activate event when
  // it was not active before.
  void Activate(Window& window);
  // After a window hid: the frontmost shown window becomes active.
  void ActivateFrontmost();

  // The innermost modal window shown, if any: it takes all input.
  Window* modal() const;
  void PushModal(Window& window) { modal_stack_.push_back(&window); }
  void PopModal() { modal_stack_.pop_back(); }

  // What lies under the point: the topmost shown, enabled control of the
  // frontmost shown window containing it.
  Hit HitTest(int x, int y) const;

  // Delivers one input event to the windows and controls.
  void HandleInput(const InputEvent& event);

  // The drawing steps of every shown window, back to front.
  DisplayList Draw() const;

  bool changed() const { return changed_; }
  void MarkChanged() { changed_ = true; }
  void ClearChanged() { changed_ = false; }

  // A window was shown, hidden, moved or restacked, so another window may
  // lie under the pointer now: once the running handler is done, the
  // pointer moves there without moving, as on a desktop, and the controls
  // under it show their hover look.
  void WindowsRearranged();
  // A control was hidden: when the pointer was over it, the pointer has
  // left it (told once the running handler is done).
  void ControlHidden(Control& control);

  // Where the pointer is now (screen coordinates).
  int pointer_x() const { return pointer_x_; }
  int pointer_y() const { return pointer_y_; }

  // The control whose tooltip shows now, or null.
  const Control* tooltip() const { return tooltip_shown_ ? tooltip_control_ : nullptr; }

  // The clipboard text boxes cut, copy and paste with (null: none).
  Clipboard* clipboard() const { return clipboard_; }
  void SetClipboard(Clipboard* clipboard) { clipboard_ = clipboard; }

  // The width in pixels of one line of text in a style, as the screen
  // draws it; text boxes place their caret with it.
  using TextMeasure = std::function<int(std::string_view utf8, const TextStyle& style)>;
  int MeasureText(std::string_view utf8, const TextStyle& style) const;
  void SetTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }

  // How long the pointer rests on a control before its tooltip shows.
  static constexpr int kToolTipDelayMs = 500;

 private:
  PictureBudget picture_budget_;
  PictureMemo picture_memo_;

  void MouseMove(const InputEvent& event);
  // The pointer is over `under` now: the control it was over before hears
  // that the pointer left it.
  void PointerOver(const Hit& under);
  // The pointer moves where it is when another window has come under it.
  void RecheckPointer();
  void MouseDown(const InputEvent& event);
  void MouseUp(const InputEvent& event);
  void KeyDown(const InputEvent& event);
  void KeyPress(int character);
  // Enter, Escape and Tab in a dialog; true when the key was used.
  bool DialogKey(Window& window, const KeyArgs& args);
  // Whether input may reach this window now (a modal window takes it all).
  bool Reachable(const Window& window) const;
  // The control still exists (it may be captured while its window changes).
  MouseArgs ArgsFor(const Hit& hit, const InputEvent& event) const;
  // The pointer is over `control` now: a tooltip of another control goes,
  // and one of this control shows after a rest.
  void TrackToolTip(Control* control);
  void HideToolTip();

  EventLoop& loop_;
  Scheduler& scheduler_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<Window*> order_;  // back to front
  std::vector<Window*> modal_stack_;
  Window* active_ = nullptr;
  bool changed_ = true;

  int pointer_x_ = 0;
  int pointer_y_ = 0;
  bool pointer_placed_ = false;  // the pointer has been over the screen
  Hit hover_;                    // what the pointer was over at its last move
  bool recheck_posted_ = false;
  Hit captured_;  // where the pressed button went down
  MouseButton captured_button_ = MouseButton::kNone;
  Hit last_click_;
  int64_t last_click_ms_ = -1000000;

  Clipboard* clipboard_ = nullptr;
  TextMeasure measure_;

  Control* tooltip_control_ = nullptr;  // the control the pointer rests on
  bool tooltip_shown_ = false;
  TimerSlot tooltip_timer_;
};

}  // namespace qvl::ui
