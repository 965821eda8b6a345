// Values: every field holds a value the player knows what to do with —
// enumerations, volumes and pans, seconds, places on the screen, layout
// strings and number texts.
#include <initializer_list>

#include "data/object_fields.h"
#include "tools/lint_facts.h"

namespace qvl::tools::lint {

namespace {

using data::ParamField;

// The scene picture's area of the game window, where objects are drawn.
constexpr int kSceneWidth = 700;
constexpr int kSceneHeight = 475;

struct Choice {
  int value;
  const char* meaning;
};

// Reports a field whose value is none of `choices`, saying what the player
// does with it instead.
void CheckChoice(const Place& place, int value, std::initializer_list<Choice> choices, const char* otherwise,
                 Report& report) {
  std::string known;
  for (const Choice& choice : choices) {
    if (choice.value == value) return;
    known += (known.empty() ? "" : ", ") + std::to_string(choice.value);
    if (*choice.meaning) known += std::string(" ") + choice.meaning;
  }
  report.Add("Q030", place, "value " + std::to_string(value) + " is not one of " + known + "; " + otherwise);
}

void CheckConditionsAndActions(const Facts& facts, Report& report) {
  for (const FlagRead& read : facts.reads) {
    if (read.op == -1) continue;  // a flag read by a switch or the score, not by a condition
    CheckChoice(read.op_place, read.op,
                {{data::flag_op::kEqual, "(=)"}, {data::flag_op::kNotEqual, "(<>)"}, {data::flag_op::kLess, "(<)"},
                 {data::flag_op::kGreater, "(>)"}},
                "the condition is never true", report);
  }
  for (const FlagWrite& write : facts.writes) {
    CheckChoice(write.mode_place, write.mode, {{data::flag_mode::kSet, "(set)"}, {data::flag_mode::kAdd, "(add)"}},
                "the flag is not changed as meant", report);
  }
}

void CheckLevels(const Facts& facts, Report& report) {
  for (const Level& level : facts.levels) {
    if (level.pan && (level.value < -10000 || level.value > 10000)) {
      report.Add("Q031", level.place,
                 "pan " + std::to_string(level.value) + " is outside -10000 (left) ... 0 (centre) ... 10000 (right)");
    } else if (!level.pan && (level.value < -10000 || level.value > 0)) {
      report.Add("Q031", level.place,
                 "volume " + std::to_string(level.value) +
                     " is outside -10000 (silent) ... 0 (full): volumes are hundredths of a decibel below full");
    }
  }
}

class ObjectValues {
 public:
  ObjectValues(const Game& game, int scene, int slot, Report& report)
      : game_(game), scene_(scene), slot_(slot), o_(game.scene(scene).slot(slot)), report_(report) {}

  void Check() {
    switch (o_.Kind) {
      case data::kAmbient:
        ShowMode(data::ambient::kShowMode);
        AnimationMode(data::ambient::kAnimationMode);
        Position();
        break;
      case data::kLink:
        ShowMode(data::link::kShowMode);
        AnimationMode(data::link::kAnimationMode);
        CheckChoice(At(data::link::kAfterClick), o_[data::link::kAfterClick],
                    {{data::link::after_click::kNone, "(none)"}, {data::link::after_click::kScene, "(scene)"},
                     {data::link::after_click::kMap, "(map)"}},
                    "the click does nothing after its sound and flag", report_);
        if (o_[data::link::kClickArea] != 0) {
          NumberText(data::link::kAreaWidth, "click area width");
          NumberText(data::link::kAreaHeight, "click area height");
        }
        Position();
        break;
      case data::kGoodie:
        ShowMode(data::goodie::kShowMode);
        AnimationMode(data::goodie::kAnimationMode);
        Position();
        break;
      case data::kSwitch:
        ShowMode(data::switch_::kShowMode);
        Position();
        break;
      case data::kReactor:
        ShowMode(data::reactor::kShowMode);
        CheckChoice(At(data::reactor::kAction), o_[data::reactor::kAction],
                    {{data::reactor::action::kSoundAnimateLoop, "(sound, picture loops)"},
                     {data::reactor::action::kSoundAnimateBackAndForth, "(sound, picture back and forth)"},
                     {data::reactor::action::kMovieAnimateOnce, "(movie, picture once)"},
                     {data::reactor::action::kMovie, "(movie)"},
                     {data::reactor::action::kAnimateOnClick, "(picture starts on the click)"}},
                    "the click plays nothing", report_);
        Position();
        break;
      case data::kResponder:
        CheckChoice(At(data::responder::kTrigger), o_[data::responder::kTrigger],
                    {{data::responder::trigger::kFlag, "(flag)"}, {data::responder::trigger::kSound, "(sound)"}},
                    "the Responder never acts", report_);
        break;
      case data::kDelay:
        if (o_[data::delay::kSeconds] < 0) {
          report_.Add("Q032", At(data::delay::kSeconds),
                      "a countdown of " + std::to_string(o_[data::delay::kSeconds]) +
                          " seconds is negative: the countdown is started with no length at all; write 0 or more");
        }
        break;
      case data::kConversation:
        ShowMode(data::conversation::kShowMode);
        break;
      case data::kFlagConjunction:
        NumberText(data::flag_conjunction::kActionFlag, "flag number");
        NumberText(data::flag_conjunction::kActionValue, "flag value");
        NumberText(data::flag_conjunction::kActionMode, "flag mode");
        break;
      case data::kMultiTrigger:
        break;
      default:
        report_.Add("Q036", ObjectPlace(game_, scene_, slot_),
                    "kind " + std::to_string(o_.Kind) +
                        " is none of the ten object kinds (0 to 9): the player shows the unknown-object picture");
    }
  }

 private:
  Place At(ParamField f) const { return ParamPlace(game_, scene_, slot_, f.index); }

  void ShowMode(ParamField f) {
    CheckChoice(At(f), o_[f],
                {{data::show_mode::kNever, "(never)"}, {data::show_mode::kAlways, "(always)"},
                 {data::show_mode::kWhileCondition, "(when)"}},
                "the object is never shown", report_);
  }

  void AnimationMode(ParamField f) {
    CheckChoice(At(f), o_[f],
                {{0, "(as the picture plays)"}, {data::animation_mode::kLoop, "(loop)"}, {data::animation_mode::kBackAndForth, "(back and forth)"},
                 {data::animation_mode::kOnce, "(once)"}},
                "the picture's playback is left as it was", report_);
  }

  void NumberText(data::TextField f, const char* what) {
    std::string text = o_[f].Trimmed();
    if (WholeNumber(text)) return;
    report_.Add("Q035", TextPlace(game_, scene_, slot_, f.index),
                std::string(what) + " " + Quoted(text) + " is not a whole number; the player reads it as " +
                    (text.empty() ? "0" : "its leading digits, or 0"));
  }

  // The top-left corner of a visible object lies in the scene area.
  void Position() {
    if (o_.Left >= 0 && o_.Left < kSceneWidth && o_.Top >= 0 && o_.Top < kSceneHeight) return;
    Place place = ObjectPlace(game_, scene_, slot_);
    place.offset = 2;  // left
    report_.Add("Q033", place,
                "left " + std::to_string(o_.Left) + ", top " + std::to_string(o_.Top) +
                    " lies outside the 700 x 475 scene area; the object cannot be seen or clicked");
  }

  const Game& game_;
  int scene_;
  int slot_;
  const data::ObjectSlot& o_;
  Report& report_;
};

// A layout string of the standard skin: two numbers joined by "/".
bool IsLayout(const std::string& text) {
  size_t slash = text.find('/');
  if (slash == std::string::npos) return false;
  auto trim = [](std::string s) {
    size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
  };
  return WholeNumber(trim(text.substr(0, slash))) && WholeNumber(trim(text.substr(slash + 1)));
}

void CheckGeneral(const Game& game, Report& report) {
  if (!game.HasGeneral()) return;
  const data::GenRec& g = game.general;
  auto at = [](const char* key) { return RecordPlace(Section::kGeneral, 1, key); };
  CheckChoice(at("movie_size"), g.MovieSize, {{0, ""}, {1, ""}, {2, ""}},
              "the movie display mode is not one the player knows", report);
  if (g.StandardSkin == 0) return;
  // The standard skin places its controls by the eleven layout strings.
  const std::pair<const char*, const data::Text15*> layout[] = {
      {"skin1", &g.Skin1}, {"skin2", &g.Skin2}, {"skin3", &g.Skin3}, {"skin4", &g.Skin4},
      {"skin5", &g.Skin5}, {"skin6", &g.Skin6}, {"skin7", &g.Skin7}, {"skin8", &g.Skin8},
      {"skin9", &g.Skin9}, {"skin10", &g.Skin10}, {"skin11", &g.Skin11}};
  for (const auto& [key, text] : layout) {
    std::string value = text->Trimmed();
    if (IsLayout(value)) continue;
    report.Add("Q034", at(key),
               "layout string " + Quoted(value) +
                   " is not two whole numbers joined by '/' (as \"80/200\"); the standard skin places a control by it");
  }
}

}  // namespace

void CheckValues(const Game& game, Report& report) {
  Facts facts = GatherFacts(game);
  CheckConditionsAndActions(facts, report);
  CheckLevels(facts, report);
  CheckGeneral(game, report);
  for (int n = 1; n <= game.SceneCount(); ++n) {
    const data::SceneRec& scene = game.scene(n);
    for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
      const data::ObjectSlot& o = scene.slot(k);
      // An Ambient with no picture, no sound and no actions is an empty slot.
      if (o.Kind == data::kAmbient && o[data::ambient::kPicture].Trimmed().empty() &&
          o[data::ambient::kSound].Trimmed().empty() && o[data::ambient::kSetsFlag] != 1 &&
          o[data::ambient::kAddsLocation] != 1) {
        continue;
      }
      ObjectValues(game, n, k, report).Check();
    }
  }
}

}  // namespace qvl::tools::lint
