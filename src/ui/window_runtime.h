// The runtime of real play: real time, the SDL window for screen, pointer
// and input, the desktop's size, and the window's message boxes and
// clipboard (or message boxes answered from a script's queue).
#pragma once

#include <memory>

#include "platform/headless_dialogs.h"
#include "platform/sdl_screen.h"
#include "ui/runtime.h"

namespace qvl::ui {

struct WindowRuntimeOptions {
  ScreenOptions screen;
  // Scripted real-time play: message boxes take the script's answers and
  // report to `on_message_box` instead of waiting for a person.
  bool queued_message_boxes = false;
  QueuedMessageBoxes::Report on_message_box;
};

// Opens the window; throws std::runtime_error when none can be made.
std::unique_ptr<Runtime> MakeWindowRuntime(const WindowRuntimeOptions& options);

}  // namespace qvl::ui
