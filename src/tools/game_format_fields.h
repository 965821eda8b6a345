// How each record field is written in the text game format: its key, the
// names its values may take, and the conversion of its bytes to and from
// a TOML value.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <toml++/toml.h>

#include "data/record_codec.h"

namespace qvl::tools::format {

// Value names a field accepts besides plain numbers.
enum class ValueNames { kNone, kOperator, kFlagMode, kShowMode, kTrigger, kAfterClick, kKind };

struct NamedValue {
  const char* name;
  int16_t value;
};
std::span<const NamedValue> NamesOf(ValueNames names);

// One field as written in the text.
struct FieldForm {
  std::string key;
  data::FieldType type;
  size_t offset;  // within its record (or object slot)
  size_t width;
  ValueNames names = ValueNames::kNone;
  bool number_text = false;  // a text field holding a decimal number
};

// "ClickSoundVol" → "click_sound_vol", "CDLabel1" → "cd_label1".
std::string SnakeCase(std::string_view name);

// The forms of a record layout, keys in snake case.
std::vector<FieldForm> RecordForms(const std::vector<data::FieldInfo>& layout);

// True when the field's bytes are those of an empty record.
bool IsEmptyField(const FieldForm& form, std::string_view field);

// The TOML value of a field, written in its most readable exact form.
std::string FormatValue(const FieldForm& form, std::string_view field);

// A TOML string literal of a UTF-8 text.
std::string QuoteString(std::string_view utf8);

// Stores the value of `node` into the field's bytes; on a bad value
// returns the reason (empty when stored).
std::string ParseValue(const FieldForm& form, const toml::node& node, char* field);

}  // namespace qvl::tools::format
