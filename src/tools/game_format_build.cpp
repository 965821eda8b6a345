// Reading a game's TOML text into the bytes of its data files, checking
// every section, record, object and field on the way.
#include <map>
#include <optional>
#include <span>
#include <string_view>

#include "data/scene_rec.h"
#include "tools/game_format.h"
#include "tools/game_format_files.h"
#include "tools/game_format_objects.h"

namespace qvl::tools {

using format::DataFile;
using format::FieldForm;

namespace {

constexpr int64_t kMaxRecord = 32767;

// The form written under `key`, or null when there is none.
const FieldForm* FindForm(std::span<const FieldForm> forms, std::string_view key) {
  for (const FieldForm& form : forms) {
    if (form.key == key) return &form;
  }
  return nullptr;
}

class Parser {
 public:
  explicit Parser(std::string file_name) : file_name_(std::move(file_name)) {}

  GameData Parse(const toml::table& root) {
    CheckSections(root);
    GameData game;
    for (const DataFile& file : format::DataFiles()) game.*file.bytes = FileBytes(root, file);
    return game;
  }

 private:
  [[noreturn]] void Fail(const toml::node& at, const std::string& where, const std::string& what) const {
    std::string message = file_name_ + ":" + std::to_string(at.source().begin.line) + ": ";
    if (!where.empty()) message += where + ": ";
    throw GameFormatError(message + what);
  }

  void CheckSections(const toml::table& root) const {
    for (const auto& [key, node] : root) {
      bool known = key.str() == format::kFileLengthsKey || key.str() == format::kGeneralExtraKey;
      for (const DataFile& file : format::DataFiles()) known = known || key.str() == file.key;
      if (!known) Fail(node, "", "unknown section '" + std::string(key.str()) + "'");
    }
  }

  // The tables of one kind of record: [general] is a single table, every
  // other kind an array of tables.
  std::vector<const toml::table*> Tables(const toml::table& root, const char* key, bool single) const {
    std::vector<const toml::table*> tables;
    const toml::node* node = root.get(key);
    if (!node) return tables;
    if (single) {
      if (!node->is_table()) Fail(*node, key, "expected a table [" + std::string(key) + "]");
      tables.push_back(node->as_table());
      return tables;
    }
    const toml::array* array = node->as_array();
    if (!array) Fail(*node, key, "expected tables written [[" + std::string(key) + "]]");
    for (const toml::node& element : *array) {
      if (!element.is_table()) Fail(element, key, "expected tables written [[" + std::string(key) + "]]");
      tables.push_back(element.as_table());
    }
    return tables;
  }

  // The number under `key` (record or slot), required, within 1 … max.
  int Number(const toml::table& table, const char* key, int64_t max, const std::string& where) const {
    const toml::node* node = table.get(key);
    if (!node) Fail(table, where, "missing '" + std::string(key) + "'");
    const auto* value = node->as_integer();
    if (!value || value->get() < 1 || value->get() > max) {
      Fail(*node, where, "'" + std::string(key) + "' must be a whole number from 1 to " + std::to_string(max));
    }
    return static_cast<int>(value->get());
  }

  void SetField(const FieldForm& form, const toml::node& node, std::string& record, size_t base,
                const std::string& where) const {
    std::string problem = format::ParseValue(form, node, record.data() + base + form.offset);
    if (!problem.empty()) Fail(node, where, "field '" + form.key + "': " + problem);
  }

  std::string FileBytes(const toml::table& root, const DataFile& file) const {
    bool general = file.bytes == &GameData::general;
    std::map<int, std::string> records;
    auto add = [&](const toml::table& table, int n, const std::string& where) {
      if (records.count(n)) Fail(table, where, "record " + std::to_string(n) + " is given twice");
      records[n] = RecordFromTable(file, table, where, !(general && n == 1));
    };
    if (general) {
      for (const toml::table* table : Tables(root, file.key, true)) add(*table, 1, file.key);
      for (const toml::table* table : Tables(root, format::kGeneralExtraKey, false)) {
        int n = Number(*table, "record", kMaxRecord, format::kGeneralExtraKey);
        if (n == 1) Fail(*table, format::kGeneralExtraKey, "record 1 is written as [general]");
        add(*table, n, format::kGeneralExtraKey + std::string(" ") + std::to_string(n));
      }
    } else {
      for (const toml::table* table : Tables(root, file.key, false)) {
        int n = Number(*table, "record", kMaxRecord, file.key);
        add(*table, n, file.key + std::string(" ") + std::to_string(n));
      }
    }
    size_t count = records.empty() ? 0 : static_cast<size_t>(records.rbegin()->first);
    std::optional<size_t> length = FileLength(root, file, count);
    if (length) count = std::max(count, (*length + file.record_length - 1) / file.record_length);
    std::string bytes;
    bytes.reserve(count * file.record_length);
    for (size_t n = 1; n <= count; ++n) {
      auto found = records.find(static_cast<int>(n));
      bytes += found != records.end() ? found->second : file.empty_record;
    }
    if (length) bytes.resize(*length);
    return bytes;
  }

  // The length given in [file_lengths] for a file, checked against the
  // records written.
  std::optional<size_t> FileLength(const toml::table& root, const DataFile& file, size_t records) const {
    const toml::node* lengths = root.get(format::kFileLengthsKey);
    if (!lengths) return std::nullopt;
    if (!lengths->is_table()) Fail(*lengths, format::kFileLengthsKey, "expected a table");
    for (const auto& [key, node] : *lengths->as_table()) {
      bool known = false;
      for (const DataFile& f : format::DataFiles()) known = known || key.str() == f.length_key;
      if (!known) Fail(node, format::kFileLengthsKey, "unknown file '" + std::string(key.str()) + "'");
    }
    const toml::node* node = lengths->as_table()->get(file.length_key);
    if (!node) return std::nullopt;
    const auto* value = node->as_integer();
    std::string where = std::string(format::kFileLengthsKey) + "." + file.length_key;
    // The game counts records in 16 bits: a longer file cannot be played.
    auto most = static_cast<int64_t>(kMaxRecord * file.record_length);
    if (!value || value->get() < 0 || value->get() > most) {
      Fail(*node, where, "expected a byte count from 0 to " + std::to_string(most));
    }
    auto length = static_cast<size_t>(value->get());
    if (records > 0 && length <= (records - 1) * file.record_length) {
      Fail(*node, where, std::to_string(length) + " bytes leave out record " + std::to_string(records));
    }
    return length;
  }

  // One record from its table; `numbered` tables carry their record number.
  std::string RecordFromTable(const DataFile& file, const toml::table& table, const std::string& where,
                              bool numbered) const {
    bool scene = file.bytes == &GameData::scenes;
    std::string record = file.empty_record;
    for (const auto& [key, node] : table) {
      if (key.str() == "record" && numbered) continue;
      if (scene && key.str() == format::kObjectKey) continue;
      const FieldForm* form = FindForm(file.forms, key.str());
      if (!form) Fail(node, where, "unknown field '" + std::string(key.str()) + "'");
      SetField(*form, node, record, 0, where);
    }
    if (scene) AddObjects(table, record, where);
    return record;
  }

  void AddObjects(const toml::table& scene, std::string& record, const std::string& scene_where) const {
    const toml::node* node = scene.get(format::kObjectKey);
    if (!node) return;
    const toml::array* array = node->as_array();
    if (!array) Fail(*node, scene_where, "objects are written [[scene.object]]");
    std::map<int, bool> seen;
    for (const toml::node& element : *array) {
      const toml::table* object = element.as_table();
      if (!object) Fail(element, scene_where, "objects are written [[scene.object]]");
      int k = Number(*object, "slot", data::SceneRec::kSlotCount, scene_where + " object");
      std::string where = scene_where + " object " + std::to_string(k);
      if (seen[k]) Fail(*object, where, "slot " + std::to_string(k) + " is given twice");
      seen[k] = true;
      AddObject(*object, record, data::SceneRec::kHeaderSize + (k - 1) * data::ObjectSlot::kSize, where);
    }
  }

  void AddObject(const toml::table& object, std::string& record, size_t base, const std::string& where) const {
    const std::vector<FieldForm>& raw = format::RawObjectForms();
    const toml::node* kind_node = object.get("kind");
    if (!kind_node) Fail(object, where, "missing 'kind'");
    SetField(raw[0], *kind_node, record, base, where);
    int16_t kind = data::Decode<data::ObjectSlot>(std::string_view(record).substr(base, data::ObjectSlot::kSize)).Kind;
    const std::vector<FieldForm>& named = format::ObjectForms(kind);
    std::map<size_t, std::string> set_by;  // offset → key that set it
    for (const auto& [key, node] : object) {
      if (key.str() == "slot" || key.str() == "kind") continue;
      const FieldForm* form = FindForm(named, key.str());
      if (!form) form = FindForm(raw, key.str());
      if (!form) Fail(node, where, "unknown field '" + std::string(key.str()) + "'");
      auto [it, fresh] = set_by.emplace(form->offset, form->key);
      if (!fresh) Fail(node, where, "field '" + form->key + "' is the same field as '" + it->second + "'");
      SetField(*form, node, record, base, where);
    }
  }

  std::string file_name_;
};

}  // namespace

GameData ParseGame(std::string_view toml_text, const std::string& file_name) {
  toml::table root;
  try {
    root = toml::parse(toml_text, file_name);
  } catch (const toml::parse_error& e) {
    throw GameFormatError(file_name + ":" + std::to_string(e.source().begin.line) + ": " +
                          std::string(e.description()));
  }
  return Parser(file_name).Parse(root);
}

}  // namespace qvl::tools
