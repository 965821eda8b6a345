#include "ui/runtime.h"

#include <algorithm>
#include <iostream>

#include "ui/renderer.h"
#include "ui/screen_painter.h"

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
      windows_(loop_, scheduler_),
      present_wake_(scheduler_) {
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

void Runtime::WriteErrorLine(const std::string& line) {
  if (on_error_output) {
    on_error_output(line);
  } else {
    std::cerr << line << std::endl;
  }
}

void Runtime::SetPointer(const PointerPicture& pointer) {
  if (pointer.picture == pointer_.picture && pointer.hot_x == pointer_.hot_x && pointer.hot_y == pointer_.hot_y) return;
  pointer_ = pointer;
  pointer_changed_ = true;
}

void Runtime::SetTitle(const std::string& title) {
  title_ = title;
  if (screen_) screen_->SetTitle(title);
}

void Runtime::KeepScreenPainted() {
  if (screen_) return;  // the window's presents keep it painted already
  loop_.SetBeforeSleep([this] {
    if (!windows_.changed()) return;
    windows_.ClearChanged();
    UpdateScreen();
  });
}

void Runtime::UpdateScreen() {
  // Made at the first paint: play that never draws needs no fonts.
  if (!painter_) {
    renderer_ = std::make_unique<Renderer>();
    painter_ = std::make_unique<ScreenPainter>(*renderer_);
  }
  const std::vector<Rect> painted = painter_->Update(windows_.Draw(), full_repaint_);
  if (!screen_) return;
  for (const Rect& area : painted) unpresented_.Add(area);
}

void Runtime::DrawScreen(Image& screen) {
  UpdateScreen();
  screen = painter_->screen();
}

void Runtime::PresentIfChanged() {
  if (!screen_) return;
  if (pointer_changed_) {
    pointer_changed_ = false;
    if (pointer_.picture && !pointer_.picture->frames.empty()) {
      screen_->SetPointer(pointer_.picture->frames.front().image, pointer_.hot_x, pointer_.hot_y);
    }
  }
  if (!windows_.changed() && unpresented_.empty()) return;
  // Changes that come faster than the display shows pictures wait for the
  // next one, and are shown together.
  const int64_t now = loop_.NowMs();
  if (now < next_present_ms_) {
    if (!present_wake_armed_) {
      present_wake_armed_ = true;
      present_wake_.Start(static_cast<int>(next_present_ms_ - now), false, [this] { present_wake_armed_ = false; });
    }
    return;
  }
  if (windows_.changed()) {
    windows_.ClearChanged();
    UpdateScreen();
  }
  if (unpresented_.empty()) return;
  std::vector<ScreenArea> changed;
  for (const Rect& r : unpresented_.areas()) changed.push_back(ScreenArea{r.left, r.top, r.width, r.height});
  unpresented_ = ScreenAreas{};
  screen_->Present(painter_->screen(), changed);
  const int rate = std::max(1, screen_->RefreshRate());
  next_present_ms_ = now + (1000 + rate - 1) / rate;
}

}  // namespace qvl::ui
