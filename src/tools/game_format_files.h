// The five data files as the text game format sees them: the TOML key of
// each file's records, its record length and the fields of its records.
#pragma once

#include <string>
#include <vector>

#include "tools/game_format.h"
#include "tools/game_format_fields.h"

namespace qvl::tools::format {

struct DataFile {
  const char* file_name;      // "Quorvel1.dat"
  const char* key;            // "scene": [[scene]] tables, or [general] for the settings
  const char* length_key;     // its entry in [file_lengths]
  size_t record_length;
  std::string GameData::*bytes;
  std::vector<FieldForm> forms;  // the record's fields (the scene header's for scenes)
  std::string empty_record;      // the bytes of an empty record
};

// The five files in the order the format writes them: general settings,
// items, locations, scenes, conversations.
const std::vector<DataFile>& DataFiles();

// The general-settings file keeps record 1 in [general] and any further
// records, found only in damaged files, in [[general_extra]].
inline constexpr const char* kGeneralExtraKey = "general_extra";
inline constexpr const char* kObjectKey = "object";
inline constexpr const char* kFileLengthsKey = "file_lengths";

}  // namespace qvl::tools::format
