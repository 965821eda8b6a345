// What each kind of scene object does with its fields, as lint reads it:
// the files it names, the flags it tests and sets, the items, scenes and
// other numbers it uses.
#include "data/object_kinds.h"
#include "media/media_kind.h"
#include "tools/lint_facts.h"
#include "tools/lint_file_refs.h"

namespace qvl::tools::lint {

namespace {

using data::ParamField;
using data::TextField;
using namespace data::object_kinds;

constexpr int16_t kOn = 1;  // a switch field is on when it holds exactly 1

// One object slot of one scene, read field by field.
class Object {
 public:
  Object(const Game& game, int scene, int slot) : game_(game), scene_(scene), slot_(slot) {}

  const data::ObjectSlot& slot() const { return game_.scene(scene_).slot(slot_); }
  int16_t operator[](ParamField f) const { return slot()[f]; }
  std::string operator[](TextField f) const { return slot()[f].Trimmed(); }
  bool On(ParamField f) const { return slot()[f] == kOn; }
  Place At(ParamField f) const { return ParamPlace(game_, scene_, slot_, f.index); }
  Place At(TextField f) const { return TextPlace(game_, scene_, slot_, f.index); }

 private:
  const Game& game_;
  int scene_;
  int slot_;
};

class ObjectFacts {
 public:
  ObjectFacts(const Object& o, Facts& facts) : o_(o), facts_(facts) {}

  void Read(data::ConditionFields c) {
    facts_.reads.push_back({o_.At(c.flag), o_[c.flag], o_[c.op], o_[c.value], o_.At(c.op)});
  }
  void ShowCondition(ParamField show_mode, data::ConditionFields c) {
    if (o_[show_mode] == data::show_mode::kWhileCondition) Read(c);
  }
  void Write(data::ActionFields a) {
    facts_.writes.push_back({o_.At(a.flag), o_[a.flag], o_[a.value], o_[a.mode], o_.At(a.mode)});
  }
  void WriteIf(ParamField on, data::ActionFields a) {
    if (o_.On(on)) Write(a);
  }
  void Scene(ParamField f) {
    if (o_[f] != 0) facts_.scenes.push_back({o_.At(f), o_[f]});
  }
  void Requirement(const data::ItemRequirementFields& r) {
    if (o_.On(r.requires_item)) facts_.items_needed.push_back({o_.At(r.item), o_[r.item]});
  }
  void Location(ParamField on, ParamField location) {
    if (o_.On(on)) facts_.locations.push_back({o_.At(location), o_[location]});
  }
  void Channel(ParamField f) { facts_.channels.push_back({o_.At(f), o_[f]}); }
  // The volume and pan of a sound the object names.
  void Levels(TextField sound, ParamField volume, ParamField pan) {
    if (o_[sound].empty() || MediaKind(o_[sound]) != "wav") return;
    facts_.levels.push_back({o_.At(volume), o_[volume], false});
    if (pan.index > 0) facts_.levels.push_back({o_.At(pan), o_[pan], true});
  }
  void ItemRequirementLevels(TextField sound, const data::ItemRequirementFields& r) {
    if (o_.On(r.requires_item)) Levels(sound, r.sound_volume, r.sound_pan);
  }

  const Object& o_;
  Facts& facts_;
};

void AddFactsOf(const Object& o, Facts& facts) {
  ObjectFacts f(o, facts);
  switch (o.slot().Kind) {
    case data::kAmbient:
      f.ShowCondition(ambient::kShowMode, ambient::kShowCondition);
      f.WriteIf(ambient::kSetsFlag, ambient::kFlagAction);
      f.Location(ambient::kAddsLocation, ambient::kLocation);
      f.Channel(ambient::kSoundChannel);
      f.Levels(ambient::kSound, ambient::kSoundVolume, ambient::kSoundPan);
      break;
    case data::kLink:
      f.ShowCondition(link::kShowMode, link::kShowCondition);
      f.Requirement(link::kItemRequirement);
      f.WriteIf(link::kSetsFlag, link::kFlagAction);
      if (o[link::kAfterClick] != link::after_click::kMap) f.Scene(link::kDestinationScene);
      facts.pointers.push_back({o.At(link::kPointer), o[link::kPointer]});
      f.Channel(link::kSoundChannel);
      f.Channel(link::kClickSoundChannel);
      f.Channel(link::kItemRequiredSoundChannel);
      f.Levels(link::kSound, link::kSoundVolume, link::kSoundPan);
      f.Levels(link::kClickSound, link::kClickSoundVolume, link::kClickSoundPan);
      f.ItemRequirementLevels(link::kItemRequiredSound, link::kItemRequirement);
      break;
    case data::kGoodie:
      f.ShowCondition(goodie::kShowMode, goodie::kShowCondition);
      f.Requirement(goodie::kItemRequirement);
      f.WriteIf(goodie::kSetsFlag, goodie::kFlagAction);
      if (o[goodie::kGivesItem] != 0) facts.items_given.push_back({o.At(goodie::kGivesItem), o[goodie::kGivesItem]});
      f.Channel(goodie::kSoundChannel);
      f.Channel(goodie::kPickupSoundChannel);
      f.Channel(goodie::kItemRequiredSoundChannel);
      f.Levels(goodie::kSound, goodie::kSoundVolume, goodie::kSoundPan);
      f.Levels(goodie::kPickupMedia, goodie::kPickupSoundVolume, goodie::kPickupSoundPan);
      f.ItemRequirementLevels(goodie::kItemRequiredSound, goodie::kItemRequirement);
      break;
    case data::kSwitch:
      f.ShowCondition(switch_::kShowMode, switch_::kShowCondition);
      f.Requirement(switch_::kItemRequirement);
      // The switch toggles its own flag and shows it by its look.
      facts.writes.push_back({o.At(switch_::kFlag), o[switch_::kFlag], o[switch_::kOnValue],
                              data::flag_mode::kSet, o.At(switch_::kFlag)});
      facts.reads.push_back({o.At(switch_::kFlag), o[switch_::kFlag], -1, 0, o.At(switch_::kFlag)});
      f.Channel(switch_::kSoundChannel);
      f.Channel(switch_::kItemRequiredSoundChannel);
      f.Levels(switch_::kOffSound, switch_::kOffSoundVolume, switch_::kOffSoundPan);
      f.Levels(switch_::kOnSound, switch_::kOnSoundVolume, switch_::kOnSoundPan);
      f.ItemRequirementLevels(switch_::kItemRequiredSound, switch_::kItemRequirement);
      break;
    case data::kReactor:
      f.ShowCondition(reactor::kShowMode, reactor::kShowCondition);
      f.WriteIf(reactor::kSetsFlag, reactor::kFlagAction);
      f.Location(reactor::kAddsLocation, reactor::kLocation);
      f.Channel(reactor::kSoundChannel);
      f.Levels(reactor::kSound, reactor::kSoundVolume, reactor::kSoundPan);
      break;
    case data::kResponder:
      if (o[responder::kTrigger] == responder::trigger::kFlag) f.Read(responder::kCondition);
      if (o.On(responder::kChangesScene)) f.Scene(responder::kDestinationScene);
      f.WriteIf(responder::kSetsFlag, responder::kFlagAction);
      f.Location(responder::kAddsLocation, responder::kLocation);
      if (o.On(responder::kAddsItem) && o[responder::kItem] >= 1) {
        facts.items_given.push_back({o.At(responder::kItem), o[responder::kItem]});
      }
      f.Channel(responder::kMediaChannel);
      if (o.On(responder::kPlaysMedia)) f.Levels(responder::kMedia, responder::kMediaVolume, responder::kMediaPan);
      if (o.On(responder::kChangesSoundtrack) && !o[responder::kSoundtrack].empty()) {
        facts.levels.push_back({o.At(responder::kSoundtrackVolume), o[responder::kSoundtrackVolume], false});
      }
      break;
    case data::kDelay:
      if (o[delay::kDisabled] == 0) {
        f.Read(delay::kCondition);
        f.Write(delay::kFlagAction);
      }
      break;
    case data::kMultiTrigger:
      for (int r = 1; r <= multi_trigger::kRuleCount; ++r) {
        multi_trigger::RuleFields rule = multi_trigger::Rule(r);
        if (o[rule.condition.flag] == 0 && !o.On(rule.sets_flag) && o[rule.scene] == 0) continue;  // unused rule
        f.Read(rule.condition);
        f.WriteIf(rule.sets_flag, rule.action);
        f.Scene(rule.scene);
      }
      break;
    case data::kConversation:
      facts.conversations.push_back({o.At(conversation::kConversation), o[conversation::kConversation]});
      f.ShowCondition(conversation::kShowMode, conversation::kShowCondition);
      break;
    case data::kFlagConjunction: {
      for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
        flag_conjunction::ConditionSlot condition = flag_conjunction::Condition(c);
        if (o.On(condition.used)) f.Read(condition.test);
      }
      std::optional<int> flag = WholeNumber(o[flag_conjunction::kActionFlag]);
      std::optional<int> value = WholeNumber(o[flag_conjunction::kActionValue]);
      std::optional<int> mode = WholeNumber(o[flag_conjunction::kActionMode]);
      if (flag && *flag != 0) {
        facts.writes.push_back({o.At(flag_conjunction::kActionFlag), *flag, value.value_or(0), mode.value_or(0),
                                o.At(flag_conjunction::kActionMode)});
      }
      break;
    }
    default:
      break;
  }
}

void AddFilesOf(const Object& o, std::vector<FileRef>& refs) {
  auto add = [&](TextField f, FileUse use) {
    if (!o[f].empty()) refs.push_back({o.At(f), o[f], use});
  };
  // The picture the object is drawn with, at its left and top.
  auto drawn = [&](TextField f) {
    if (!o[f].empty()) refs.push_back({o.At(f), o[f], FileUse::kPicture, false, true});
  };
  switch (o.slot().Kind) {
    case data::kAmbient:
      drawn(ambient::kPicture);
      add(ambient::kSound, FileUse::kSound);
      break;
    case data::kLink:
      if (o[link::kClickArea] == 0) drawn(link::kPicture);
      add(link::kSound, FileUse::kSound);
      add(link::kClickSound, FileUse::kSound);
      add(link::kItemRequiredSound, FileUse::kSound);
      break;
    case data::kGoodie:
      drawn(goodie::kPicture);
      add(goodie::kSound, FileUse::kSound);
      add(goodie::kPickupMedia, FileUse::kSoundOrMovie);
      add(goodie::kItemRequiredSound, FileUse::kSound);
      break;
    case data::kSwitch:
      drawn(switch_::kPicture);
      add(switch_::kOffSound, FileUse::kSound);
      add(switch_::kOnSound, FileUse::kSound);
      add(switch_::kItemRequiredSound, FileUse::kSound);
      break;
    case data::kReactor: {
      drawn(reactor::kPicture);
      int16_t action = o[reactor::kAction];
      if (action == reactor::action::kMovieAnimateOnce || action == reactor::action::kMovie) {
        add(reactor::kMovie, FileUse::kMovie);
      }
      add(reactor::kSound, FileUse::kSound);
      break;
    }
    case data::kResponder:
      if (o.On(responder::kChangesSoundtrack)) add(responder::kSoundtrack, FileUse::kMusic);
      if (o.On(responder::kPlaysMedia)) add(responder::kMedia, FileUse::kSoundOrMovie);
      break;
    default:
      break;
  }
}

}  // namespace

std::optional<int> WholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size() || text.size() > 7) return std::nullopt;
  for (size_t j = i; j < text.size(); ++j) {
    if (text[j] < '0' || text[j] > '9') return std::nullopt;
  }
  return std::stoi(text);
}

void AddObjectFacts(const Game& game, Facts& facts) {
  for (int n = 1; n <= game.SceneCount(); ++n) {
    for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) AddFactsOf(Object(game, n, k), facts);
  }
}

void AddObjectFiles(const Game& game, std::vector<FileRef>& refs) {
  for (int n = 1; n <= game.SceneCount(); ++n) {
    for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) AddFilesOf(Object(game, n, k), refs);
  }
}

}  // namespace qvl::tools::lint
