#include "ui/runtime.h"

#include "ui/renderer.h"

namespace qvl::ui {

std::unique_ptr<Runtime> Runtime::MakeHeadless(ScreenMetrics metrics, QueuedMessageBoxes::Report on_message_box) {
  auto clock = std::make_unique<VirtualClock>();
  VirtualClock* virtual_clock = clock.get();
  auto boxes = std::make_unique<QueuedMessageBoxes>(std::move(on_message_box));
  QueuedMessageBoxes* queued = boxes.get();
  return std::unique_ptr<Runtime>(new Runtime(std::move(clock), virtual_clock, nullptr, std::move(boxes), queued,
                                              std::make_unique<MemoryClipboard>(), metrics));
}

std::unique_ptr<Runtime> Runtime::MakeReal(std::unique_ptr<ScreenOutput> screen, std::unique_ptr<MessageBoxes> boxes,
                                           std::unique_ptr<Clipboard> clipboard, ScreenMetrics metrics) {
  // Scripted real-time play answers its boxes from the script's queue too.
  auto* queued = dynamic_cast<QueuedMessageBoxes*>(boxes.get());
  return std::unique_ptr<Runtime>(new Runtime(std::make_unique<RealClock>(), nullptr, std::move(screen),
                                              std::move(boxes), queued, std::move(clipboard), metrics));
}

Runtime::Runtime(std::unique_ptr<Clock> clock, VirtualClock* virtual_clock, std::unique_ptr<ScreenOutput> screen,
                 std::unique_ptr<MessageBoxes> boxes, QueuedMessageBoxes* queued,
                 std::unique_ptr<Clipboard> clipboard, ScreenMetrics metrics)
    : clock_(std::move(clock)),
      virtual_clock_(virtual_clock),
      screen_(std::move(screen)),
      boxes_(std::move(boxes)),
      queued_boxes_(queued),
      clipboard_(std::move(clipboard)),
      metrics_(metrics),
      scheduler_(*clock_),
      loop_(scheduler_, virtual_clock_, screen_.get()),
      windows_(loop_, scheduler_) {
  loop_.SetInputHandler([this](const InputEvent& event) {
    switch (event.kind) {
      case InputKind::kQuit:
        if (on_quit) on_quit();
        break;
      default:
        if (IsWindowEvent(event.kind)) {
          // Whatever the desktop did, the whole screen is shown afresh.
          if (event.kind != InputKind::kWindowMinimised) windows_.MarkChanged();
          if (on_window_event) on_window_event(event.kind);
        } else {
          windows_.HandleInput(event);
        }
    }
  });
  if (screen_) loop_.SetBeforeSleep([this] { PresentIfChanged(); });
  windows_.SetClipboard(clipboard_.get());
  windows_.SetTextMeasure([this](std::string_view utf8, const TextStyle& style) {
    if (!renderer_) renderer_ = std::make_unique<Renderer>();
    return renderer_->MeasureText(std::string(utf8), style).width;
  });
}

Runtime::~Runtime() = default;

void Runtime::SetPointer(const PointerPicture& pointer) {
  if (pointer.picture == pointer_.picture && pointer.hot_x == pointer_.hot_x && pointer.hot_y == pointer_.hot_y) return;
  pointer_ = pointer;
  pointer_changed_ = true;
}

void Runtime::SetTitle(const std::string& title) {
  title_ = title;
  if (screen_) screen_->SetTitle(title);
}

void Runtime::DrawScreen(Image& screen) {
  if (!renderer_) renderer_ = std::make_unique<Renderer>();
  if (screen.width != kScreenWidth || screen.height != kScreenHeight) screen = Image(kScreenWidth, kScreenHeight);
  renderer_->Paint(windows_.Draw(), screen);
}

void Runtime::PresentIfChanged() {
  if (!screen_) return;
  if (pointer_changed_) {
    pointer_changed_ = false;
    if (pointer_.picture && !pointer_.picture->frames.empty()) {
      screen_->SetPointer(pointer_.picture->frames.front().image, pointer_.hot_x, pointer_.hot_y);
    }
  }
  if (!windows_.changed()) return;
  windows_.ClearChanged();
  DrawScreen(frame_);
  screen_->Present(frame_);
}

}  // namespace qvl::ui
