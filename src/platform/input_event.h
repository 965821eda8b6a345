// Mouse and keyboard input in the player's own terms, in the coordinates of
// the 800 × 600 virtual screen, from the real window or from a script.
#pragma once

#include <string>

namespace qvl {

enum class InputKind {
  kMouseMove,
  kMouseDown,
  kMouseUp,
  kKeyDown,     // a key went down: `key` holds its key code
  kText,        // a character was typed: `text` holds it (UTF-8)
  kQuit,        // the window was closed
  // What the desktop did to the window: these reach the game window's
  // resize and focus rules, not the controls.
  kWindowMinimised,
  kWindowRestored,   // back from minimised or maximised to its normal size
  kWindowMaximised,
  kWindowFocusLost,
  kWindowFocusGained,
};

// Whether the event is one of the desktop's window events above.
constexpr bool IsWindowEvent(InputKind kind) {
  return kind == InputKind::kWindowMinimised || kind == InputKind::kWindowRestored ||
         kind == InputKind::kWindowMaximised || kind == InputKind::kWindowFocusLost ||
         kind == InputKind::kWindowFocusGained;
}

enum class MouseButton { kNone, kLeft, kRight, kMiddle };

// Key codes follow the game's keyboard numbering: letters are their upper-case
// character ('A' = 65), digits their character, and the rest below.
namespace keys {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kF1 = 112;  // F1 … F12 are 112 … 123
}  // namespace keys

struct InputEvent {
  InputKind kind = InputKind::kMouseMove;
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::kNone;
  int key = 0;
  bool shift = false;
  bool alt = false;
  bool control = false;
  std::string text;
};

}  // namespace qvl
