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
constexpr auto kKindNames = [] {
  std::array<NamedValue, data::kKindCount> names{};
  for (int kind = 0; kind < data::kKindCount; ++kind) {
    names[static_cast<size_t>(kind)] = {data::kKindNames[static_cast<size_t>(kind)], static_cast<int16_t>(kind)};
  }
  return names;
}();

// A byte that reads as itself in a TOML string: printable ASCII and the
// characters Windows-1252 defines above it.
bool IsCleanByte(uint8_t b) {
  if (b >= 0x20 && b < 0x7F) return true;
  if (b < 0x80) return false;
  return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

// The value of a text written exactly as Num writes a whole number.
std::optional<int64_t> NumberText(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || Num(value) != text) return std::nullopt;
  return value;
}

int64_t ReadInteger(const FieldForm& form, std::string_view field) {
  uint32_t bits = 0;
  for (size_t i = 0; i < form.width; ++i) bits |= uint32_t{static_cast<uint8_t>(field[i])} << (8 * i);
  if (form.type == FieldType::kInt16) return static_cast<int16_t>(bits);
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

std::vector<FieldForm> RecordForms(const std::vector<data::FieldInfo>& layout) {
  std::vector<FieldForm> forms;
  for (const data::FieldInfo& f : layout) {
    FieldForm form{SnakeCase(f.name), f.type, f.offset, f.width};
    if (f.name == "JumpOp") form.names = ValueNames::kOperator;
    if (f.name == "EntryFlagMode" || f.name == "ExamineFlagMode" || f.name.starts_with("LineMode")) {
      form.names = ValueNames::kFlagMode;
    }
    forms.push_back(std::move(form));
  }
  return forms;
}

bool IsEmptyField(const FieldForm& form, std::string_view field) {
  char empty = form.type == FieldType::kText ? ' ' : '\0';
  for (size_t i = 0; i < form.width; ++i) {
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

std::string FormatValue(const FieldForm& form, std::string_view field) {
  field = field.substr(0, form.width);
  if (form.type != FieldType::kText) {
    int64_t value = ReadInteger(form, field);
    for (const NamedValue& n : NamesOf(form.names)) {
      if (n.value == value) return QuoteString(n.name);
    }
    return std::to_string(value);
  }
  const std::string text = RTrim(field);
  if (form.number_text) {
    if (auto number = NumberText(text)) return std::to_string(*number);
  }
  bool clean = true;
  for (char c : text) clean = clean && IsCleanByte(static_cast<uint8_t>(c));
  if (clean) return QuoteString(Cp1252ToUtf8(text));
  return "{ hex = \"" + Hex(text) + "\" }";
}

namespace {

std::string ParseText(const FieldForm& form, const toml::node& node, char* field) {
  std::string bytes;
  if (const auto* s = node.as_string()) {
    const std::string& utf8 = s->get();
    bytes = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(bytes) != utf8) return "\"" + utf8 + "\" holds characters that Windows-1252 cannot hold";
  } else if (const auto* i = node.as_integer(); i && form.number_text) {
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
    return form.number_text ? "expected a number, a text or { hex = \"...\" }" : "expected a text or { hex = \"...\" }";
  }
  if (bytes.size() > form.width) {
    return "text of " + std::to_string(bytes.size()) + " bytes does not fit in " + std::to_string(form.width);
  }
  std::fill(field, field + form.width, ' ');
  std::copy(bytes.begin(), bytes.end(), field);
  return {};
}

std::string ParseInteger(const FieldForm& form, const toml::node& node, char* field) {
  int64_t value = 0;
  if (const auto* i = node.as_integer()) {
    value = i->get();
  } else if (const auto* s = node.as_string(); s && !NamesOf(form.names).empty()) {
    bool found = false;
    for (const NamedValue& n : NamesOf(form.names)) {
      if (s->get() == n.name) {
        value = n.value;
        found = true;
      }
    }
    if (!found) return "unknown value \"" + s->get() + "\"; expected a number or one of " + NameList(form.names);
  } else {
    return NamesOf(form.names).empty() ? "expected a whole number"
                                       : "expected a whole number or one of " + NameList(form.names);
  }
  int64_t low = form.type == FieldType::kInt16 ? INT16_MIN : INT32_MIN;
  int64_t high = form.type == FieldType::kInt16 ? INT16_MAX : INT32_MAX;
  if (value < low || value > high) {
    return std::to_string(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high);
  }
  auto bits = static_cast<uint32_t>(static_cast<int32_t>(value));
  for (size_t k = 0; k < form.width; ++k) field[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
  return {};
}

}  // namespace

std::string ParseValue(const FieldForm& form, const toml::node& node, char* field) {
  return form.type == FieldType::kText ? ParseText(form, node, field) : ParseInteger(form, node, field);
}

}  // namespace qvl::tools::format
