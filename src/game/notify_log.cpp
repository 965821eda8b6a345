#include "game/notify_log.h"

#include "game/error_report.h"
#include "game/player.h"

namespace qvl {

void Notify(Player& p, const std::string& text) {
  NotifyLog& log = p.notify_log;
  try {
    if (log.lines.size() >= NotifyLog::kMostLines) throw RuntimeError(7, "Out of memory");
    log.lines.push_back(text);
    if (log.on_line) log.on_line(text);
    if (p.on_log) p.on_log(text);
  } catch (const RuntimeError& error) {
    p.runtime().message_boxes().Show(kAppTitle,
                                     "An error has occured with the Notify Window.\rError #" +
                                         Str(int64_t{error.number()}) + " : " + error.description() +
                                         "\rList Count =" + Str(static_cast<int64_t>(log.lines.size())),
                                     MsgIcon::kNone, MsgButtons::kOK);
    EmptyNotifyLog(p);
  }
}

void EmptyNotifyLog(Player& p) {
  p.notify_log.lines.clear();
  if (p.notify_log.on_empty) p.notify_log.on_empty();
}

void LogLine(Player& p, const std::string& text) {
  if (p.game.NotifyLogOn) Notify(p, text);
}

void DebugLine(Player& p, const std::string& text) {
  if (p.game.NotifyLogOn && p.game.BuildDebugOn) Notify(p, text);
}

}  // namespace qvl
