#include "tools/game_format_objects.h"

#include <array>
#include <string>

#include "data/object_kinds.h"
#include "data/scene_rec.h"

namespace qvl::tools::format {

using data::FieldType;
using data::ParamField;
using data::TextField;
using namespace data::object_kinds;

namespace {

// A text or integer of an object slot under the name an author reads.
FieldForm Text(std::string key, TextField f, bool number_text = false) {
  return {std::move(key), FieldType::kText, data::OffsetInSlot(f), data::kTextWidth, ValueNames::kNone, number_text};
}
FieldForm Param(std::string key, ParamField f, ValueNames names = ValueNames::kNone) {
  return {std::move(key), FieldType::kInt16, data::OffsetInSlot(f), data::kParamWidth, names, false};
}

// A flag condition (flag, operator, value).
void AddCondition(std::vector<FieldForm>& forms, const std::string& prefix, data::ConditionFields c) {
  forms.push_back(Param(prefix + "_flag", c.flag));
  forms.push_back(Param(prefix + "_op", c.op, ValueNames::kOperator));
  forms.push_back(Param(prefix + "_value", c.value));
}

// A flag action (flag, value, mode).
void AddAction(std::vector<FieldForm>& forms, const std::string& prefix, data::ActionFields a) {
  forms.push_back(Param(prefix + "flag", a.flag));
  forms.push_back(Param(prefix + "flag_value", a.value));
  forms.push_back(Param(prefix + "flag_mode", a.mode, ValueNames::kFlagMode));
}

// An item requirement: whether one is needed, which, whether it is kept, and
// the volume and pan of the sound when it is missing.
void AddItemRequirement(std::vector<FieldForm>& forms, data::ItemRequirementFields r) {
  forms.push_back(Param("requires_item", r.requires_item));
  forms.push_back(Param("required_item", r.item));
  forms.push_back(Param("keeps_item", r.keeps_item));
  forms.push_back(Param("item_required_sound_volume", r.sound_volume));
  forms.push_back(Param("item_required_sound_pan", r.sound_pan));
}

// When the object shows: its show mode and show condition.
void AddShowRule(std::vector<FieldForm>& forms, ParamField mode, data::ConditionFields condition) {
  forms.push_back(Param("show_mode", mode, ValueNames::kShowMode));
  AddCondition(forms, "show", condition);
}

// Whether the object sets a flag, and how.
void AddSetsFlag(std::vector<FieldForm>& forms, const std::string& prefix, ParamField sets_flag,
                 data::ActionFields action) {
  forms.push_back(Param(prefix + "sets_flag", sets_flag));
  AddAction(forms, prefix, action);
}

std::vector<FieldForm> AmbientForms() {
  std::vector<FieldForm> s = {Text("picture", ambient::kPicture),
                              Text("sound", ambient::kSound),
                              Param("animation_mode", ambient::kAnimationMode),
                              Param("sound_volume", ambient::kSoundVolume),
                              Param("sound_pan", ambient::kSoundPan)};
  AddShowRule(s, ambient::kShowMode, ambient::kShowCondition);
  AddSetsFlag(s, "", ambient::kSetsFlag, ambient::kFlagAction);
  s.push_back(Param("adds_location", ambient::kAddsLocation));
  s.push_back(Param("location", ambient::kLocation));
  s.push_back(Param("sound_channel", ambient::kSoundChannel));
  return s;
}

std::vector<FieldForm> LinkForms() {
  std::vector<FieldForm> s = {Text("picture", link::kPicture),
                              Text("sound", link::kSound),
                              Text("click_sound", link::kClickSound),
                              Text("item_required_sound", link::kItemRequiredSound),
                              Text("area_height", link::kAreaHeight, true),
                              Text("area_width", link::kAreaWidth, true),
                              Text("group", link::kGroup),
                              Param("pointer", link::kPointer),
                              Param("animation_mode", link::kAnimationMode),
                              Param("sound_volume", link::kSoundVolume),
                              Param("sound_pan", link::kSoundPan),
                              Param("click_sound_volume", link::kClickSoundVolume),
                              Param("click_sound_pan", link::kClickSoundPan)};
  AddItemRequirement(s, link::kItemRequirement);
  s.push_back(Param("after_click", link::kAfterClick, ValueNames::kAfterClick));
  s.push_back(Param("destination_scene", link::kDestinationScene));
  AddShowRule(s, link::kShowMode, link::kShowCondition);
  AddSetsFlag(s, "", link::kSetsFlag, link::kFlagAction);
  s.push_back(Param("one_shot", link::kOneShot));
  s.push_back(Param("sound_channel", link::kSoundChannel));
  s.push_back(Param("click_sound_channel", link::kClickSoundChannel));
  s.push_back(Param("item_required_sound_channel", link::kItemRequiredSoundChannel));
  s.push_back(Param("click_area", link::kClickArea));
  return s;
}

std::vector<FieldForm> GoodieForms() {
  std::vector<FieldForm> s = {Text("picture", goodie::kPicture),
                              Text("sound", goodie::kSound),
                              Text("pickup_sound", goodie::kPickupMedia),
                              Text("item_required_sound", goodie::kItemRequiredSound),
                              Param("animation_mode", goodie::kAnimationMode),
                              Param("sound_volume", goodie::kSoundVolume),
                              Param("sound_pan", goodie::kSoundPan),
                              Param("pickup_sound_volume", goodie::kPickupSoundVolume),
                              Param("pickup_sound_pan", goodie::kPickupSoundPan),
                              Param("gives_item", goodie::kGivesItem)};
  AddItemRequirement(s, goodie::kItemRequirement);
  AddShowRule(s, goodie::kShowMode, goodie::kShowCondition);
  AddSetsFlag(s, "", goodie::kSetsFlag, goodie::kFlagAction);
  s.push_back(Param("sound_channel", goodie::kSoundChannel));
  s.push_back(Param("pickup_sound_channel", goodie::kPickupSoundChannel));
  s.push_back(Param("item_required_sound_channel", goodie::kItemRequiredSoundChannel));
  return s;
}

std::vector<FieldForm> SwitchForms() {
  std::vector<FieldForm> s = {Text("picture", switch_::kPicture),
                              Text("off_sound", switch_::kOffSound),
                              Text("on_sound", switch_::kOnSound),
                              Text("item_required_sound", switch_::kItemRequiredSound),
                              Param("flag", switch_::kFlag),
                              Param("off_sound_volume", switch_::kOffSoundVolume),
                              Param("off_sound_pan", switch_::kOffSoundPan),
                              Param("on_value", switch_::kOnValue),
                              Param("on_sound_volume", switch_::kOnSoundVolume),
                              Param("on_sound_pan", switch_::kOnSoundPan)};
  AddItemRequirement(s, switch_::kItemRequirement);
  AddShowRule(s, switch_::kShowMode, switch_::kShowCondition);
  s.push_back(Param("sound_channel", switch_::kSoundChannel));
  s.push_back(Param("item_required_sound_channel", switch_::kItemRequiredSoundChannel));
  return s;
}

std::vector<FieldForm> ReactorForms() {
  std::vector<FieldForm> s = {Text("picture", reactor::kPicture),
                              Text("movie", reactor::kMovie),
                              Text("sound", reactor::kSound),
                              Param("action", reactor::kAction),
                              Param("movie_level", reactor::kMovieLevel),
                              Param("sound_volume", reactor::kSoundVolume),
                              Param("sound_pan", reactor::kSoundPan)};
  AddShowRule(s, reactor::kShowMode, reactor::kShowCondition);
  AddSetsFlag(s, "", reactor::kSetsFlag, reactor::kFlagAction);
  s.push_back(Param("adds_location", reactor::kAddsLocation));
  s.push_back(Param("location", reactor::kLocation));
  s.push_back(Param("one_shot", reactor::kOneShot));
  s.push_back(Param("sound_channel", reactor::kSoundChannel));
  return s;
}

std::vector<FieldForm> ResponderForms() {
  std::vector<FieldForm> s = {Text("watched_sound", responder::kWatchedSound),
                              Text("soundtrack", responder::kSoundtrack), Text("media", responder::kMedia),
                              Param("trigger", responder::kTrigger, ValueNames::kTrigger)};
  AddCondition(s, "condition", responder::kCondition);
  for (FieldForm f : {Param("only_on_change", responder::kOnlyOnChange),
                      Param("changes_soundtrack", responder::kChangesSoundtrack),
                      Param("soundtrack_volume", responder::kSoundtrackVolume),
                      Param("plays_media", responder::kPlaysMedia), Param("media_volume", responder::kMediaVolume),
                      Param("media_pan", responder::kMediaPan), Param("changes_scene", responder::kChangesScene),
                      Param("destination_scene", responder::kDestinationScene)}) {
    s.push_back(f);
  }
  AddSetsFlag(s, "", responder::kSetsFlag, responder::kFlagAction);
  for (FieldForm f : {Param("adds_location", responder::kAddsLocation), Param("location", responder::kLocation),
                      Param("adds_item", responder::kAddsItem), Param("item", responder::kItem),
                      Param("media_channel", responder::kMediaChannel), Param("ends_game", responder::kEndsGame),
                      Param("opens_map", responder::kOpensMap)}) {
    s.push_back(f);
  }
  return s;
}

std::vector<FieldForm> DelayForms() {
  std::vector<FieldForm> s = {Param("disabled", delay::kDisabled)};
  AddCondition(s, "condition", delay::kCondition);
  s.push_back(Param("seconds", delay::kSeconds));
  AddAction(s, "", delay::kFlagAction);
  s.push_back(Param("waits", delay::kWaits));
  return s;
}

std::vector<FieldForm> MultiTriggerForms() {
  std::vector<FieldForm> s = {Param("only_on_change", multi_trigger::kOnlyOnChange)};
  for (int r = 1; r <= multi_trigger::kRuleCount; ++r) {
    const std::string prefix = "rule" + std::to_string(r) + "_";
    const multi_trigger::RuleFields rule = multi_trigger::Rule(r);
    AddCondition(s, prefix + "condition", rule.condition);
    AddSetsFlag(s, prefix, rule.sets_flag, rule.action);
    s.push_back(Param(prefix + "scene", rule.scene));
  }
  return s;
}

std::vector<FieldForm> ConversationForms() {
  std::vector<FieldForm> s = {Param("conversation", conversation::kConversation)};
  AddShowRule(s, conversation::kShowMode, conversation::kShowCondition);
  s.push_back(Param("only_on_change", conversation::kOnlyOnChange));
  s.push_back(Param("normal_pointer", conversation::kNormalPointer));
  return s;
}

std::vector<FieldForm> FlagConjunctionForms() {
  std::vector<FieldForm> s = {Param("repeatable", flag_conjunction::kRepeatable)};
  for (int c = 1; c <= flag_conjunction::kConditionCount; ++c) {
    const std::string prefix = "condition" + std::to_string(c);
    const flag_conjunction::ConditionSlot condition = flag_conjunction::Condition(c);
    s.push_back(Param(prefix + "_used", condition.used));
    AddCondition(s, prefix, condition.test);
  }
  s.push_back(Text("flag", flag_conjunction::kActionFlag, true));
  s.push_back(Text("flag_value", flag_conjunction::kActionValue, true));
  s.push_back(Text("flag_mode", flag_conjunction::kActionMode, true));
  return s;
}

}  // namespace

const std::vector<FieldForm>& ObjectForms(int kind) {
  static const std::array<std::vector<FieldForm>, data::kKindCount> kForms = {
      AmbientForms(),   LinkForms(),  GoodieForms(),       SwitchForms(),       ReactorForms(),
      ResponderForms(), DelayForms(), MultiTriggerForms(), ConversationForms(), FlagConjunctionForms()};
  static const std::vector<FieldForm> kNone;
  if (kind < 0 || kind >= static_cast<int>(kForms.size())) return kNone;
  return kForms[static_cast<size_t>(kind)];
}

const std::vector<FieldForm>& RawObjectForms() {
  static const std::vector<FieldForm> kRaw = [] {
    std::vector<FieldForm> forms = {{"kind", FieldType::kInt16, 0, 2, ValueNames::kKind},
                                    {"left", FieldType::kInt16, 2, 2},
                                    {"top", FieldType::kInt16, 4, 2}};
    for (int j = 1; j <= decltype(data::ObjectSlot::Text)::kCount; ++j) {
      forms.push_back(Text("text" + std::to_string(j), TextField{j}));
    }
    for (int j = 1; j <= decltype(data::ObjectSlot::Param)::kCount; ++j) {
      forms.push_back(Param("param" + std::to_string(j), ParamField{j}));
    }
    return forms;
  }();
  return kRaw;
}

}  // namespace qvl::tools::format
