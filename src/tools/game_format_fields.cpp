#include "tools/game_format_fields.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "data/scene_rec.h"
#include "platform/cp1252.h"
#include "platform/text_numbers.h"

namespace qvl::tools::format {

using data::FieldType;

namespace {

constexpr std::array kOperatorNames = {NamedValue{"=", 0}, NamedValue{"<>", 1}, NamedValue{"<", 2},
                                       NamedValue{">", 3}};
constexpr std::array kFlagModeNames = {NamedValue{"set", 0}, NamedValue{"add", 1}};
constexpr std::array kShowModeNames = {NamedValue{"never", 0}, NamedValue{"always", 1}, NamedValue{"when", 2}};
constexpr std::array kTriggerNames = {NamedValue{"flag", 1}, NamedValue{"sound", 2}};
constexpr std::array kAfterClickNames = {NamedValue{"none", 0}, NamedValue{"scene", 1}, NamedValue{"map", 2}};
constexpr std::array kKindNames = {
    NamedValue{"Ambient", data::kAmbient},         NamedValue{"Link", data::kLink},
    NamedValue{"Goodie", data::kGoodie},           NamedValue{"Switch", data::kSwitch},
    NamedValue{"Reactor", data::kReactor},         NamedValue{"Responder", data::kResponder},
    NamedValue{"Delay", data::kDelay},             NamedValue{"Multi-Trigger", data::kMultiTrigger},
    NamedValue{"Conversation", data::kConversation}, NamedValue{"Flag Conjunction", data::kFlagConjunction}};

// A byte that reads as itself in a TOML string: printable ASCII and the
// characters Windows-1252 defines above it.
bool IsCleanByte(uint8_t b) {
  if (b >= 0x20 && b < 0x7F) return true;
  if (b < 0x80) return false;
  return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

std::string_view RightTrimSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The value of a text written exactly as Num writes a whole number.
std::optional<int64_t> NumberText(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || Num(value) != text) return std::nullopt;
  return value;
}

int64_t ReadInteger(const FieldSpec& spec, std::string_view field) {
  uint32_t bits = 0;
  for (size_t i = 0; i < spec.width; ++i) bits |= uint32_t{static_cast<uint8_t>(field[i])} << (8 * i);
  if (spec.type == FieldType::kInt16) return static_cast<int16_t>(bits);
  return static_cast<int32_t>(bits);
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char buf[3];
  for (char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X", static_cast<uint8_t>(c));
    out += buf;
  }
  return out;
}

std::string NameList(ValueNames names) {
  std::string list;
  for (const NamedValue& n : NamesOf(names)) list += std::string(list.empty() ? "" : ", ") + "'" + n.name + "'";
  return list;
}

FieldSpec Text(std::string key, int j, bool number_text = false) {
  return {std::move(key), FieldType::kText, 6 + 15 * static_cast<size_t>(j - 1), 15, ValueNames::kNone, number_text};
}
FieldSpec Param(std::string key, int j, ValueNames names = ValueNames::kNone) {
  return {std::move(key), FieldType::kInt16, 141 + 2 * static_cast<size_t>(j - 1), 2, names, false};
}

// A flag condition (flag, operator, value) in three integers from `first`.
void AddCondition(std::vector<FieldSpec>& specs, const std::string& prefix, int first) {
  specs.push_back(Param(prefix + "_flag", first));
  specs.push_back(Param(prefix + "_op", first + 1, ValueNames::kOperator));
  specs.push_back(Param(prefix + "_value", first + 2));
}

// A flag action (flag, value, mode) in three integers from `first`.
void AddAction(std::vector<FieldSpec>& specs, const std::string& prefix, int first) {
  specs.push_back(Param(prefix + "flag", first));
  specs.push_back(Param(prefix + "flag_value", first + 1));
  specs.push_back(Param(prefix + "flag_mode", first + 2, ValueNames::kFlagMode));
}

std::vector<FieldSpec> AmbientSpecs() {
  std::vector<FieldSpec> s = {Text("picture", 1), Text("sound", 2), Param("animation_mode", 1),
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

std::vector<FieldSpec> LinkSpecs() {
  std::vector<FieldSpec> s = {
      Text("picture", 1), Text("sound", 2), Text("click_sound", 3), Text("item_required_sound", 4),
      Text("area_height", 5, true), Text("area_width", 6, true), Text("group", 7),
      Param("pointer", 1), Param("animation_mode", 2), Param("sound_volume", 3), Param("sound_pan", 4),
      Param("click_sound_volume", 5), Param("click_sound_pan", 6), Param("requires_item", 7),
      Param("required_item", 8), Param("keeps_item", 9), Param("item_required_sound_volume", 10),
      Param("item_required_sound_pan", 11), Param("after_click", 12, ValueNames::kAfterClick),
      Param("destination_scene", 13), Param("show_mode", 14, ValueNames::kShowMode)};
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

std::vector<FieldSpec> GoodieSpecs() {
  std::vector<FieldSpec> s = {
      Text("picture", 1), Text("sound", 2), Text("pickup_sound", 3), Text("item_required_sound", 4),
      Param("animation_mode", 1), Param("sound_volume", 2), Param("sound_pan", 3),
      Param("pickup_sound_volume", 4), Param("pickup_sound_pan", 5), Param("gives_item", 6),
      Param("requires_item", 7), Param("required_item", 8), Param("keeps_item", 9),
      Param("item_required_sound_volume", 10), Param("item_required_sound_pan", 11),
      Param("show_mode", 12, ValueNames::kShowMode)};
  AddCondition(s, "show", 13);
  s.push_back(Param("sets_flag", 16));
  AddAction(s, "", 17);
  s.push_back(Param("sound_channel", 20));
  s.push_back(Param("pickup_sound_channel", 21));
  s.push_back(Param("item_required_sound_channel", 22));
  return s;
}

std::vector<FieldSpec> SwitchSpecs() {
  std::vector<FieldSpec> s = {
      Text("picture", 1), Text("off_sound", 2), Text("on_sound", 3), Text("item_required_sound", 4),
      Param("flag", 1), Param("off_sound_volume", 3), Param("off_sound_pan", 4), Param("on_value", 5),
      Param("on_sound_volume", 6), Param("on_sound_pan", 7), Param("requires_item", 8),
      Param("required_item", 9), Param("keeps_item", 10), Param("item_required_sound_volume", 11),
      Param("item_required_sound_pan", 12), Param("show_mode", 13, ValueNames::kShowMode)};
  AddCondition(s, "show", 14);
  s.push_back(Param("sound_channel", 17));
  s.push_back(Param("item_required_sound_channel", 18));
  return s;
}

std::vector<FieldSpec> ReactorSpecs() {
  std::vector<FieldSpec> s = {Text("picture", 1),      Text("movie", 2),         Text("sound", 3),
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

std::vector<FieldSpec> ResponderSpecs() {
  std::vector<FieldSpec> s = {Text("watched_sound", 1), Text("soundtrack", 2), Text("media", 3),
                              Param("trigger", 1, ValueNames::kTrigger)};
  AddCondition(s, "condition", 2);
  for (FieldSpec f : {Param("only_on_change", 5), Param("changes_soundtrack", 6), Param("soundtrack_volume", 7),
                      Param("plays_media", 8), Param("media_volume", 9), Param("media_pan", 10),
                      Param("changes_scene", 11), Param("destination_scene", 12), Param("sets_flag", 13)}) {
    s.push_back(f);
  }
  AddAction(s, "", 14);
  for (FieldSpec f : {Param("adds_location", 17), Param("location", 18), Param("adds_item", 19), Param("item", 20),
                      Param("media_channel", 21), Param("ends_game", 22), Param("opens_map", 23)}) {
    s.push_back(f);
  }
  return s;
}

std::vector<FieldSpec> DelaySpecs() {
  std::vector<FieldSpec> s = {Param("disabled", 1)};
  AddCondition(s, "condition", 2);
  s.push_back(Param("seconds", 5));
  AddAction(s, "", 6);
  s.push_back(Param("waits", 9));
  return s;
}

std::vector<FieldSpec> MultiTriggerSpecs() {
  std::vector<FieldSpec> s = {Param("only_on_change", 1)};
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

std::vector<FieldSpec> ConversationSpecs() {
  std::vector<FieldSpec> s = {Param("conversation", 1), Param("show_mode", 2, ValueNames::kShowMode)};
  AddCondition(s, "show", 3);
  s.push_back(Param("only_on_change", 7));
  s.push_back(Param("normal_pointer", 8));
  return s;
}

std::vector<FieldSpec> FlagConjunctionSpecs() {
  std::vector<FieldSpec> s = {Param("repeatable", 1)};
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

std::span<const NamedValue> NamesOf(ValueNames names) {
  switch (names) {
    case ValueNames::kOperator: return kOperatorNames;
    case ValueNames::kFlagMode: return kFlagModeNames;
    case ValueNames::kShowMode: return kShowModeNames;
    case ValueNames::kTrigger: return kTriggerNames;
    case ValueNames::kAfterClick: return kAfterClickNames;
    case ValueNames::kKind: return kKindNames;
    case ValueNames::kNone: break;
  }
  return {};
}

std::string SnakeCase(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    auto c = static_cast<unsigned char>(name[i]);
    if (std::isupper(c) && i > 0) {
      auto prev = static_cast<unsigned char>(name[i - 1]);
      bool next_lower = i + 1 < name.size() && std::islower(static_cast<unsigned char>(name[i + 1]));
      if (std::islower(prev) || std::isdigit(prev) || (std::isupper(prev) && next_lower)) out += '_';
    }
    out += static_cast<char>(std::tolower(c));
  }
  return out;
}

std::vector<FieldSpec> RecordSpecs(const std::vector<data::FieldInfo>& layout) {
  std::vector<FieldSpec> specs;
  for (const data::FieldInfo& f : layout) {
    FieldSpec spec{SnakeCase(f.name), f.type, f.offset, f.width};
    if (f.name == "JumpOp") spec.names = ValueNames::kOperator;
    if (f.name == "EntryFlagMode" || f.name == "ExamineFlagMode" || f.name.starts_with("LineMode")) {
      spec.names = ValueNames::kFlagMode;
    }
    specs.push_back(std::move(spec));
  }
  return specs;
}

const std::vector<FieldSpec>& ObjectSpecs(int kind) {
  static const std::array<std::vector<FieldSpec>, 10> kSpecs = {
      AmbientSpecs(),   LinkSpecs(),  GoodieSpecs(),       SwitchSpecs(),       ReactorSpecs(),
      ResponderSpecs(), DelaySpecs(), MultiTriggerSpecs(), ConversationSpecs(), FlagConjunctionSpecs()};
  static const std::vector<FieldSpec> kNone;
  if (kind < 0 || kind >= static_cast<int>(kSpecs.size())) return kNone;
  return kSpecs[static_cast<size_t>(kind)];
}

const std::vector<FieldSpec>& RawObjectSpecs() {
  static const std::vector<FieldSpec> kRaw = [] {
    std::vector<FieldSpec> specs = {{"kind", FieldType::kInt16, 0, 2, ValueNames::kKind},
                                    {"left", FieldType::kInt16, 2, 2},
                                    {"top", FieldType::kInt16, 4, 2}};
    for (int j = 1; j <= 9; ++j) specs.push_back(Text("text" + std::to_string(j), j));
    for (int j = 1; j <= 33; ++j) specs.push_back(Param("param" + std::to_string(j), j));
    return specs;
  }();
  return kRaw;
}

bool IsEmptyField(const FieldSpec& spec, std::string_view field) {
  char empty = spec.type == FieldType::kText ? ' ' : '\0';
  for (size_t i = 0; i < spec.width; ++i) {
    if (field[i] != empty) return false;
  }
  return true;
}

std::string QuoteString(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string FormatValue(const FieldSpec& spec, std::string_view field) {
  field = field.substr(0, spec.width);
  if (spec.type != FieldType::kText) {
    int64_t value = ReadInteger(spec, field);
    for (const NamedValue& n : NamesOf(spec.names)) {
      if (n.value == value) return QuoteString(n.name);
    }
    return std::to_string(value);
  }
  std::string_view text = RightTrimSpaces(field);
  if (spec.number_text) {
    if (auto number = NumberText(text)) return std::to_string(*number);
  }
  bool clean = true;
  for (char c : text) clean = clean && IsCleanByte(static_cast<uint8_t>(c));
  if (clean) return QuoteString(Cp1252ToUtf8(text));
  return "{ hex = \"" + Hex(text) + "\" }";
}

namespace {

std::string ParseText(const FieldSpec& spec, const toml::node& node, char* field) {
  std::string bytes;
  if (const auto* s = node.as_string()) {
    const std::string& utf8 = s->get();
    bytes = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(bytes) != utf8) return "\"" + utf8 + "\" holds characters that Windows-1252 cannot hold";
  } else if (const auto* i = node.as_integer(); i && spec.number_text) {
    bytes = Num(i->get());
  } else if (const auto* t = node.as_table(); t && t->size() == 1 && t->contains("hex")) {
    const auto* hex = t->get("hex")->as_string();
    if (!hex) return "hex must be a text of hexadecimal digits";
    const std::string& digits = hex->get();
    if (digits.size() % 2 != 0) return "hex \"" + digits + "\" has an odd number of digits";
    for (size_t k = 0; k < digits.size(); k += 2) {
      unsigned value = 0;
      auto [end, ec] = std::from_chars(digits.data() + k, digits.data() + k + 2, value, 16);
      if (ec != std::errc() || end != digits.data() + k + 2) return "hex \"" + digits + "\" is not hexadecimal";
      bytes += static_cast<char>(value);
    }
  } else {
    return spec.number_text ? "expected a number, a text or { hex = \"...\" }" : "expected a text or { hex = \"...\" }";
  }
  if (bytes.size() > spec.width) {
    return "text of " + std::to_string(bytes.size()) + " bytes does not fit in " + std::to_string(spec.width);
  }
  std::fill(field, field + spec.width, ' ');
  std::copy(bytes.begin(), bytes.end(), field);
  return {};
}

std::string ParseInteger(const FieldSpec& spec, const toml::node& node, char* field) {
  int64_t value = 0;
  if (const auto* i = node.as_integer()) {
    value = i->get();
  } else if (const auto* s = node.as_string(); s && !NamesOf(spec.names).empty()) {
    bool found = false;
    for (const NamedValue& n : NamesOf(spec.names)) {
      if (s->get() == n.name) {
        value = n.value;
        found = true;
      }
    }
    if (!found) return "unknown value \"" + s->get() + "\"; expected a number or one of " + NameList(spec.names);
  } else {
    return NamesOf(spec.names).empty() ? "expected a whole number"
                                       : "expected a whole number or one of " + NameList(spec.names);
  }
  int64_t low = spec.type == FieldType::kInt16 ? INT16_MIN : INT32_MIN;
  int64_t high = spec.type == FieldType::kInt16 ? INT16_MAX : INT32_MAX;
  if (value < low || value > high) {
    return std::to_string(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high);
  }
  auto bits = static_cast<uint32_t>(static_cast<int32_t>(value));
  for (size_t k = 0; k < spec.width; ++k) field[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
  return {};
}

}  // namespace

std::string ParseValue(const FieldSpec& spec, const toml::node& node, char* field) {
  return spec.type == FieldType::kText ? ParseText(spec, node, field) : ParseInteger(spec, node, field);
}

}  // namespace qvl::tools::format
