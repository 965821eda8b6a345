#include "platform/headless_dialogs.h"

#include "platform/text_numbers.h"

namespace qvl {

MsgAnswer QueuedMessageBoxes::Show(const std::string& title, const std::string& text, MsgIcon /*icon*/,
                                   MsgButtons buttons) {
  MsgAnswer answer = FirstButton(buttons);
  if (!answers_.empty()) {
    if (HasButton(buttons, answers_.front())) answer = answers_.front();
    answers_.pop_front();
  }
  if (report_) report_(title, text, answer);
  return answer;
}

MsgAnswer FirstButton(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::kYesNo:
    case MsgButtons::kYesNoCancel:
      return MsgAnswer::kYes;
    case MsgButtons::kRetryCancel:
      return MsgAnswer::kRetry;
    case MsgButtons::kOK:
    case MsgButtons::kOKCancel:
      break;
  }
  return MsgAnswer::kOK;
}

bool HasButton(MsgButtons buttons, MsgAnswer answer) {
  switch (buttons) {
    case MsgButtons::kOK:
      return answer == MsgAnswer::kOK;
    case MsgButtons::kOKCancel:
      return answer == MsgAnswer::kOK || answer == MsgAnswer::kCancel;
    case MsgButtons::kYesNo:
      return answer == MsgAnswer::kYes || answer == MsgAnswer::kNo;
    case MsgButtons::kYesNoCancel:
      return answer == MsgAnswer::kYes || answer == MsgAnswer::kNo || answer == MsgAnswer::kCancel;
    case MsgButtons::kRetryCancel:
      return answer == MsgAnswer::kRetry || answer == MsgAnswer::kCancel;
  }
  return false;
}

std::string AnswerName(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::kOK:
      return "OK";
    case MsgAnswer::kCancel:
      return "Cancel";
    case MsgAnswer::kYes:
      return "Yes";
    case MsgAnswer::kNo:
      return "No";
    case MsgAnswer::kRetry:
      return "Retry";
  }
  return "OK";
}

std::optional<MsgAnswer> AnswerFromName(const std::string& name) {
  for (MsgAnswer answer : {MsgAnswer::kOK, MsgAnswer::kCancel, MsgAnswer::kYes, MsgAnswer::kNo, MsgAnswer::kRetry}) {
    if (EqualsNoCase(AnswerName(answer), name)) return answer;
  }
  return std::nullopt;
}

}  // namespace qvl
