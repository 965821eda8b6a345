#include "tools/game_format_objects.h"

#include <array>
#include <string>

namespace qvl::tools::format {

using data::FieldType;

namespace {

// Text j or Param j of an object slot under the name an author reads.
FieldForm Text(std::string key, int j, bool number_text = false) {
  return {std::move(key), FieldType::kText, 6 + 15 * static_cast<size_t>(j - 1), 15, ValueNames::kNone, number_text};
}
FieldForm Param(std::string key, int j, ValueNames names = ValueNames::kNone) {
  return {std::move(key), FieldType::kInt16, 141 + 2 * static_cast<size_t>(j - 1), 2, names, false};
}

// A flag condition (flag, operator, value) in three integers from `first`.
void AddCondition(std::vector<FieldForm>& forms, const std::string& prefix, int first) {
  forms.push_back(Param(prefix + "_flag", first));
  forms.push_back(Param(prefix + "_op", first + 1, ValueNames::kOperator));
  forms.push_back(Param(prefix + "_value", first + 2));
}

// A flag action (flag, value, mode) in three integers from `first`.
void AddAction(std::vector<FieldForm>& forms, const std::string& prefix, int first) {
  forms.push_back(Param(prefix + "flag", first));
  forms.push_back(Param(prefix + "flag_value", first + 1));
  forms.push_back(Param(prefix + "flag_mode", first + 2, ValueNames::kFlagMode));
}

// An item requirement (whether one is needed, which, whether it is kept, and
// the volume and pan of the sound when it is missing) in five integers from `first`.
void AddItemRequirement(std::vector<FieldForm>& forms, int first) {
  forms.push_back(Param("requires_item", first));
  forms.push_back(Param("required_item", first + 1));
  forms.push_back(Param("keeps_item", first + 2));
  forms.push_back(Param("item_required_sound_volume", first + 3));
  forms.push_back(Param("item_required_sound_pan", first + 4));
}

std::vector<FieldForm> AmbientForms() {
  std::vector<FieldForm> s = {Text("picture", 1), Text("sound", 2), Param("animation_mode", 1),
                              Param("sound_volume", 3), Param("sound_pan", 4),
                              Param("show_mode", 5, ValueNames::kShowMode)};
  AddCondition(s, "show", 6);
  s.push_back(Param("sets_flag", 9));
  AddAction(s, "", 10);
  s.push_back(Param("adds_location", 13));
  s.push_back(Param("location", 14));
  s.push_back(Param("sound_channel", 15));
  return s;
}

std::vector<FieldForm> LinkForms() {
  std::vector<FieldForm> s = {
      Text("picture", 1), Text("sound", 2), Text("click_sound", 3), Text("item_required_sound", 4),
      Text("area_height", 5, true), Text("area_width", 6, true), Text("group", 7),
      Param("pointer", 1), Param("animation_mode", 2), Param("sound_volume", 3), Param("sound_pan", 4),
      Param("click_sound_volume", 5), Param("click_sound_pan", 6)};
  AddItemRequirement(s, 7);
  s.push_back(Param("after_click", 12, ValueNames::kAfterClick));
  s.push_back(Param("destination_scene", 13));
  s.push_back(Param("show_mode", 14, ValueNames::kShowMode));
  AddCondition(s, "show", 15);
  s.push_back(Param("sets_flag", 18));
  AddAction(s, "", 19);
  s.push_back(Param("one_shot", 22));
  s.push_back(Param("sound_channel", 23));
  s.push_back(Param("click_sound_channel", 24));
  s.push_back(Param("item_required_sound_channel", 25));
  s.push_back(Param("click_area", 26));
  return s;
}

std::vector<FieldForm> GoodieForms() {
  std::vector<FieldForm> s = {
      Text("picture", 1), Text("sound", 2), Text("pickup_sound", 3), Text("item_required_sound", 4),
      Param("animation_mode", 1), Param("sound_volume", 2), Param("sound_pan", 3),
      Param("pickup_sound_volume", 4), Param("pickup_sound_pan", 5), Param("gives_item", 6)};
  AddItemRequirement(s, 7);
  s.push_back(Param("show_mode", 12, ValueNames::kShowMode));
  AddCondition(s, "show", 13);
  s.push_back(Param("sets_flag", 16));
  AddAction(s, "", 17);
  s.push_back(Param("sound_channel", 20));
  s.push_back(Param("pickup_sound_channel", 21));
  s.push_back(Param("item_required_sound_channel", 22));
  return s;
}

std::vector<FieldForm> SwitchForms() {
  std::vector<FieldForm> s = {
      Text("picture", 1), Text("off_sound", 2), Text("on_sound", 3), Text("item_required_sound", 4),
      Param("flag", 1), Param("off_sound_volume", 3), Param("off_sound_pan", 4), Param("on_value", 5),
      Param("on_sound_volume", 6), Param("on_sound_pan", 7)};
  AddItemRequirement(s, 8);
  s.push_back(Param("show_mode", 13, ValueNames::kShowMode));
  AddCondition(s, "show", 14);
  s.push_back(Param("sound_channel", 17));
  s.push_back(Param("item_required_sound_channel", 18));
  return s;
}

std::vector<FieldForm> ReactorForms() {
  std::vector<FieldForm> s = {Text("picture", 1),      Text("movie", 2),         Text("sound", 3),
                              Param("action", 1),      Param("movie_level", 2),  Param("sound_volume", 3),
                              Param("sound_pan", 4),   Param("show_mode", 5, ValueNames::kShowMode)};
  AddCondition(s, "show", 6);
  s.push_back(Param("sets_flag", 9));
  AddAction(s, "", 10);
  s.push_back(Param("adds_location", 13));
  s.push_back(Param("location", 14));
  s.push_back(Param("one_shot", 15));
  s.push_back(Param("sound_channel", 16));
  return s;
}

std::vector<FieldForm> ResponderForms() {
  std::vector<FieldForm> s = {Text("watched_sound", 1), Text("soundtrack", 2), Text("media", 3),
                              Param("trigger", 1, ValueNames::kTrigger)};
  AddCondition(s, "condition", 2);
  for (FieldForm f : {Param("only_on_change", 5), Param("changes_soundtrack", 6), Param("soundtrack_volume", 7),
                      Param("plays_media", 8), Param("media_volume", 9), Param("media_pan", 10),
                      Param("changes_scene", 11), Param("destination_scene", 12), Param("sets_flag", 13)}) {
    s.push_back(f);
  }
  AddAction(s, "", 14);
  for (FieldForm f : {Param("adds_location", 17), Param("location", 18), Param("adds_item", 19), Param("item", 20),
                      Param("media_channel", 21), Param("ends_game", 22), Param("opens_map", 23)}) {
    s.push_back(f);
  }
  return s;
}

std::vector<FieldForm> DelayForms() {
  std::vector<FieldForm> s = {Param("disabled", 1)};
  AddCondition(s, "condition", 2);
  s.push_back(Param("seconds", 5));
  AddAction(s, "", 6);
  s.push_back(Param("waits", 9));
  return s;
}

std::vector<FieldForm> MultiTriggerForms() {
  std::vector<FieldForm> s = {Param("only_on_change", 1)};
  for (int r = 1; r <= 3; ++r) {
    std::string rule = "rule" + std::to_string(r) + "_";
    int first = 2 + 8 * (r - 1);
    AddCondition(s, rule + "condition", first);
    s.push_back(Param(rule + "sets_flag", first + 3));
    AddAction(s, rule, first + 4);
    s.push_back(Param(rule + "scene", first + 7));
  }
  return s;
}

std::vector<FieldForm> ConversationForms() {
  std::vector<FieldForm> s = {Param("conversation", 1), Param("show_mode", 2, ValueNames::kShowMode)};
  AddCondition(s, "show", 3);
  s.push_back(Param("only_on_change", 7));
  s.push_back(Param("normal_pointer", 8));
  return s;
}

std::vector<FieldForm> FlagConjunctionForms() {
  std::vector<FieldForm> s = {Param("repeatable", 1)};
  for (int c = 1; c <= 6; ++c) {
    std::string cond = "condition" + std::to_string(c);
    int first = 2 + 4 * (c - 1);
    s.push_back(Param(cond + "_used", first));
    AddCondition(s, cond, first + 1);
  }
  s.push_back(Text("flag", 1, true));
  s.push_back(Text("flag_value", 2, true));
  s.push_back(Text("flag_mode", 3, true));
  return s;
}

}  // namespace

const std::vector<FieldForm>& ObjectForms(int kind) {
  static const std::array<std::vector<FieldForm>, 10> kForms = {
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
    for (int j = 1; j <= 9; ++j) forms.push_back(Text("text" + std::to_string(j), j));
    for (int j = 1; j <= 33; ++j) forms.push_back(Param("param" + std::to_string(j), j));
    return forms;
  }();
  return kRaw;
}

}  // namespace qvl::tools::format
