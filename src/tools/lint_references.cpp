// References: every scene, item, conversation, map location, pointer,
// flag and channel number the game uses names one that exists.
#include <algorithm>
#include <cctype>
#include <set>

#include "data/object_fields.h"
#include "tools/lint_facts.h"
#include "tools/lint_file_refs.h"

namespace qvl::tools::lint {

namespace {

constexpr int kFlagCount = 255;
constexpr int kMapSlots = 20;    // the map window has markers for locations 1 … 20
constexpr int kPointerCount = 15;
constexpr int kChannelCount = 20;

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

void CheckNumbers(const std::vector<NumberUse>& uses, int count, const char* code, const char* what,
                  const char* plural, Report& report) {
  for (const NumberUse& use : uses) {
    if (use.number >= 1 && use.number <= count) continue;
    report.Add(code, use.place,
               "there is no " + std::string(what) + " " + std::to_string(use.number) + " (the game has " +
                   Count(count, what, plural) + ")");
  }
}

bool LocationOnMap(const Game& game, int n) {
  if (n < 1 || n > game.LocationCount()) return false;
  std::string marker = game.location(n).MarkerPicture.Trimmed();
  return !marker.empty() && marker != "Del";
}

void CheckLocations(const Game& game, const Facts& facts, Report& report) {
  for (const NumberUse& use : facts.locations) {
    std::string n = std::to_string(use.number);
    if (use.number < 1 || use.number > kMapSlots) {
      report.Add("Q023", use.place, "map location " + n + ": the map has locations 1 to 20 only");
    } else if (use.number > game.LocationCount()) {
      report.Add("Q023", use.place,
                 "there is no map location " + n + " (the game has " +
                     Count(game.LocationCount(), "location", "locations") + ")");
    } else if (!LocationOnMap(game, use.number)) {
      report.Add("Q023", use.place,
                 "map location " + n + " has no marker picture (or is marked Del): the map skips it");
    }
  }
}

void CheckFlags(const Facts& facts, Report& report) {
  auto check = [&](const Place& place, int flag) {
    if (flag >= 0 && flag <= kFlagCount) return;
    report.Add("Q025", place,
               "flag " + std::to_string(flag) + ": flags are numbered 1 to 255 (0 means no flag); the player shows "
               "error 9 (Subscript out of range) each time it comes to it, and goes on without it");
  };
  for (const FlagRead& read : facts.reads) check(read.place, read.flag);
  for (const FlagWrite& write : facts.writes) check(write.place, write.flag);
}

void CheckPointersAndChannels(const Facts& facts, Report& report) {
  for (const NumberUse& use : facts.pointers) {
    if (use.number >= 0 && use.number <= kPointerCount) continue;
    report.Add("Q024", use.place,
               "pointer " + std::to_string(use.number) + ": pointers are numbered 1 to 15 (0 = the default)");
  }
  for (const NumberUse& use : facts.channels) {
    if (use.number >= -1 && use.number <= kChannelCount) continue;
    report.Add("Q026", use.place,
               "channel " + std::to_string(use.number) + ": sound channels are 1 to 20 (0 = the object's own)");
  }
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// The sounds a Responder that watches for a sound can see: those its own
// scene asks for.
void CheckWatchedSounds(const Game& game, Report& report) {
  std::vector<FileRef> files = FilesNamed(game);
  for (int n = 1; n <= game.SceneCount(); ++n) {
    std::set<std::string> sounds;
    for (const FileRef& ref : files) {
      if (ref.place.section == Section::kScene && ref.place.record == n) sounds.insert(ref.name);
    }
    for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
      const data::ObjectSlot& o = game.scene(n).slot(k);
      if (o.Kind != data::kResponder || o[data::responder::kTrigger] != data::responder::trigger::kSound) continue;
      std::string watched = o[data::responder::kWatchedSound].Trimmed();
      if (sounds.count(watched)) continue;
      std::string message = "watches for " + Quoted(watched) + ", which nothing in scene " + std::to_string(n) +
                            " plays; the Responder never acts";
      for (const std::string& sound : sounds) {
        if (SameIgnoringCase(sound, watched)) {
          message = "watches for " + Quoted(watched) + " but the scene plays " + Quoted(sound) +
                    "; names are compared exactly, letter case too, so the Responder never acts";
        }
      }
      report.Add("Q027", TextPlace(game, n, k, data::responder::kWatchedSound.index), message);
    }
  }
}

}  // namespace

void CheckReferences(const Game& game, Report& report) {
  Facts facts = GatherFacts(game);
  CheckNumbers(facts.scenes, game.SceneCount(), "Q020", "scene", "scenes", report);
  std::vector<NumberUse> items = facts.items_given;
  items.insert(items.end(), facts.items_needed.begin(), facts.items_needed.end());
  CheckNumbers(items, game.ItemCount(), "Q021", "item", "items", report);
  CheckNumbers(facts.conversations, game.ConversationCount(), "Q022", "conversation", "conversations", report);
  CheckLocations(game, facts, report);
  CheckFlags(facts, report);
  CheckPointersAndChannels(facts, report);
  CheckWatchedSounds(game, report);
}

}  // namespace qvl::tools::lint
