// Message boxes as the game shows them: an icon, a set of buttons, an exact
// title and text, and the button the person pressed.
#pragma once

#include <string>

namespace qvl {

enum class MsgIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
enum class MsgButtons { kOK, kOKCancel, kYesNo, kYesNoCancel, kRetryCancel };
enum class MsgAnswer { kOK, kCancel, kYes, kNo, kRetry };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box and returns the answer; the game waits for it.
  virtual MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon,
                         MsgButtons buttons) = 0;
};

// The text clipboard the debug window copies its log to.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(const std::string& utf8) = 0;
  virtual std::string GetText() const = 0;
};

}  // namespace qvl
