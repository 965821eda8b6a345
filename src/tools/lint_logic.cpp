// Logic: the flags and items the game reads and gives, followed through
// the whole game — a flag tested but never set, an item needed but never
// given, a scene nothing leads to, a conversation line that does nothing.
#include <map>
#include <set>

#include "tools/lint_facts.h"

namespace qvl::tools::lint {

namespace {

constexpr int kFlagCount = 255;  // flags outside 1 … 255 are reported as references

void CheckFlagFlow(const Game& game, const Facts& facts, Report& report) {
  std::set<int> written, read;
  for (const FlagWrite& write : facts.writes) written.insert(write.flag);
  for (const FlagRead& r : facts.reads) read.insert(r.flag);
  for (const FlagRead& r : facts.reads) {
    if (r.flag < 1 || r.flag > kFlagCount || written.count(r.flag)) continue;
    if (r.op == -1) {
      report.Add("Q040", r.place, "the score is kept in flag " + std::to_string(r.flag) +
                                      ", which nothing sets: the score stays 0");
    } else if (!HoldsAtZero(r.op, r.value)) {
      report.Add("Q040", r.place, "flag " + std::to_string(r.flag) +
                                      " is tested but nothing sets it: it stays 0, so this condition never holds");
    }
  }
  std::set<int> told;
  for (const FlagWrite& w : facts.writes) {
    if (w.flag < 1 || w.flag > kFlagCount || read.count(w.flag) || !told.insert(w.flag).second) continue;
    report.Add("Q041", w.place, "flag " + std::to_string(w.flag) + " is set here but nothing tests it");
  }
  (void)game;
}

std::string ItemName(const Game& game, int n) {
  std::string caption = game.item(n).Caption.Trimmed();
  return "item " + std::to_string(n) + (caption.empty() ? "" : " (" + Quoted(caption) + ")");
}

void CheckItemFlow(const Game& game, const Facts& facts, Report& report) {
  std::set<int> obtainable;
  for (const NumberUse& use : facts.items_given) obtainable.insert(use.number);
  for (const NumberUse& use : facts.items_started) obtainable.insert(use.number);
  std::set<int> needed_unobtainable;
  for (const NumberUse& use : facts.items_needed) {
    if (use.number < 1 || use.number > game.ItemCount() || obtainable.count(use.number)) continue;
    needed_unobtainable.insert(use.number);
    report.Add("Q043", use.place,
               ItemName(game, use.number) +
                   " is needed here but no Goodie, combination, examining, Responder or starting inventory gives it");
  }
  for (int n = 1; n <= game.ItemCount(); ++n) {
    const data::ItemRec& item = game.item(n);
    if (obtainable.count(n) || needed_unobtainable.count(n)) continue;
    if (item.IconPicture.Trimmed().empty() && item.Caption.Trimmed().empty()) continue;  // an unused record
    report.Add("Q042", RecordPlace(Section::kItem, n),
               ItemName(game, n) +
                   " is never given: no Goodie, combination, examining, Responder or starting inventory gives it");
  }
}

void CheckSceneFlow(const Game& game, const Facts& facts, Report& report) {
  std::set<int> led_to = {1};  // every new game starts at scene 1
  for (const NumberUse& use : facts.scenes) {
    bool from_itself = use.place.section == Section::kScene && use.place.record == use.number;
    if (!from_itself) led_to.insert(use.number);
  }
  for (int n = 1; n <= game.SceneCount(); ++n) {
    if (led_to.count(n) || game.scene(n).ScenePicture.Trimmed().empty()) continue;
    report.Add("Q044", RecordPlace(Section::kScene, n),
               "no arrow, Link, map location, jump rule, Responder or Multi-Trigger leads to scene " +
                   std::to_string(n) + ", and it is not the credits scene");
  }
}

void CheckConversationLines(const Game& game, Report& report) {
  for (int n = 1; n <= game.ConversationCount(); ++n) {
    const data::ConvRec& conv = game.conversation(n);
    for (int line = 1; line <= data::ConvRec::kLineCount; ++line) {
      if (conv.LineText(line).Trimmed().empty() || conv.LineFlagOn(line) == 1 || conv.LineMediaOn(line) == 1) {
        continue;
      }
      std::string key = "line_text" + std::to_string(line);
      report.Add("Q045", RecordPlace(Section::kConversation, n, key.c_str()),
                 "line " + std::to_string(line) +
                     " sets no flag and plays nothing: choosing it changes nothing and the box stays as it is");
    }
  }
}

}  // namespace

void CheckLogic(const Game& game, Report& report) {
  Facts facts = GatherFacts(game);
  CheckFlagFlow(game, facts, report);
  CheckItemFlow(game, facts, report);
  CheckSceneFlow(game, facts, report);
  CheckConversationLines(game, report);
}

}  // namespace qvl::tools::lint
