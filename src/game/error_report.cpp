#include "game/error_report.h"

#include "game/player.h"
#include "platform/text_numbers.h"

namespace qvl {

std::string UnexpectedErrorText(const std::string& procedure, const RuntimeError& error) {
  return "Unexpected error in procedure: " + procedure + "\r\n" + "Error #" + Num(error.number()) + ": " +
         error.description();
}

void ReportUnexpected(Player& p, const std::string& procedure, const RuntimeError& error) {
  p.runtime().message_boxes().Show(kAppTitle, UnexpectedErrorText(procedure, error), MsgIcon::kCritical,
                                   MsgButtons::kOK);
}

}  // namespace qvl
