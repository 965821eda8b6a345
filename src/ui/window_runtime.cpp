#include "ui/window_runtime.h"

#include "platform/display_size.h"
#include "platform/sdl_dialogs.h"

namespace qvl::ui {

std::unique_ptr<Runtime> MakeWindowRuntime(const WindowRuntimeOptions& options) {
  auto screen = std::make_unique<SdlScreen>(options.screen);
  std::unique_ptr<MessageBoxes> boxes;
  if (options.queued_message_boxes) {
    boxes = std::make_unique<QueuedMessageBoxes>(options.on_message_box);
  } else {
    boxes = std::make_unique<SdlMessageBoxes>(screen->Window());
  }
  ScreenMetrics metrics;
  if (auto size = DesktopDisplaySize()) metrics = ScreenMetrics{size->width, size->height};
  return Runtime::MakeReal(std::move(screen), std::move(boxes), std::make_unique<SdlClipboard>(), metrics);
}

}  // namespace qvl::ui
