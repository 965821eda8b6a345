#include "game/error_report.h"

#include <cctype>

#include "game/notify_log.h"
#include "game/player.h"
#include "platform/text_numbers.h"

namespace qvl {

std::string UnexpectedErrorText(const std::string& procedure, const RuntimeError& error) {
  return "Unexpected error in procedure: " + procedure + "\r\n" + "Error #" + Num(error.number()) + ": " +
         error.description();
}

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The last part of a path written with either separator.
std::string FileName(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Where in the scene shown a file is named: its picture, or the object
// slots whose texts name it.
std::string WhereNamed(const Player& p, const std::string& file) {
  const std::string name = Lower(FileName(file));
  const data::SceneRec& rec = p.scene.Rec;
  std::string where;
  if (Lower(rec.ScenePicture.Trimmed()) == name) where += " picture";
  for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
    const data::ObjectSlot& o = rec.slot(k);
    for (int j = 1; j <= 9; ++j) {
      if (Lower(o.Text(j).Trimmed()) != name) continue;
      where += " slot " + Num(k) + " (" + std::string(data::KindName(o.Kind)) + ")";
      break;
    }
  }
  return where;
}

}  // namespace

std::string ErrorCauseLine(const Player& p, const std::string& procedure, const RuntimeError& error,
                           const std::string& object) {
  std::string line = std::string(kAppTitle) + ": " + procedure + ": error " + Num(error.number()) + " (" +
                     error.description() + ")";
  std::string separator = ": ";
  if (!error.file().empty()) {
    line += separator + "file " + error.file();
    separator = "; ";
  }
  if (!error.cause().empty()) {
    line += separator + error.cause();
    separator = "; ";
  }
  if (p.game.CurrentScene != 0) {
    line += separator + "scene " + Num(p.game.CurrentScene);
    if (!object.empty()) {
      line += " " + object;
    } else if (!error.file().empty()) {
      line += WhereNamed(p, error.file());
    }
  }
  return line;
}

void ReportErrorCause(Player& p, const std::string& procedure, const RuntimeError& error, const std::string& object) {
  const std::string cause = ErrorCauseLine(p, procedure, error, object);
  p.runtime().WriteErrorLine(cause);
  LogLine(p, cause);
}

void ReportUnexpected(Player& p, const std::string& procedure, const RuntimeError& error) {
  ReportErrorCause(p, procedure, error);
  p.runtime().message_boxes().Show(kAppTitle, UnexpectedErrorText(procedure, error), MsgIcon::kCritical,
                                   MsgButtons::kOK);
}

}  // namespace qvl
