// Message boxes and clipboard for play without a window: boxes take the
// answers queued for them (or their first button) and report themselves;
// the clipboard keeps its text in memory.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/message_boxes.h"

namespace qvl {

class QueuedMessageBoxes : public MessageBoxes {
 public:
  // Told of every box shown: its title, text and the answer it got.
  using Report = std::function<void(const std::string& title, const std::string& text, MsgAnswer answer)>;

  explicit QueuedMessageBoxes(Report report = {}) : report_(std::move(report)) {}

  // The answer for the next box. An answer the box has no button for is
  // used up, and the box gets its first button.
  void QueueAnswer(MsgAnswer answer) { answers_.push_back(answer); }
  size_t queued() const { return answers_.size(); }

  MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon, MsgButtons buttons) override;

 private:
  Report report_;
  std::deque<MsgAnswer> answers_;
};

class MemoryClipboard : public Clipboard {
 public:
  void SetText(const std::string& utf8) override { text_ = utf8; }
  std::string GetText() const override { return text_; }

 private:
  std::string text_;
};

// The first button of a set ("OK" of OK/Cancel, "Yes" of Yes/No …).
MsgAnswer FirstButton(MsgButtons buttons);
// Whether the set has that button.
bool HasButton(MsgButtons buttons, MsgAnswer answer);
// The button's caption: "OK", "Cancel", "Yes", "No", "Retry".
std::string AnswerName(MsgAnswer answer);
// The button of a caption, letter case ignored.
std::optional<MsgAnswer> AnswerFromName(const std::string& name);

}  // namespace qvl
