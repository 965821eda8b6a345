#include "tools/lint_source_map.h"

#include <toml++/toml.h>

#include "tools/game_format_files.h"
#include "tools/game_format_objects.h"

namespace qvl::tools::lint {

namespace {

Section SectionOfKey(std::string_view key) {
  if (key == "general") return Section::kGeneral;
  if (key == "item") return Section::kItem;
  if (key == "location") return Section::kLocation;
  if (key == "scene") return Section::kScene;
  if (key == "conversation") return Section::kConversation;
  return Section::kGame;
}

const format::FieldForm* Form(const std::vector<format::FieldForm>& forms, std::string_view key) {
  for (const format::FieldForm& form : forms) {
    if (form.key == key) return &form;
  }
  return nullptr;
}

int Line(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

int RecordNumber(const toml::table& table, const char* key) {
  const toml::node* node = table.get(key);
  return node && node->is_integer() ? static_cast<int>(node->as_integer()->get()) : 0;
}

}  // namespace

void SourceMap::Note(Section section, int record, int slot, size_t offset, int line) {
  lines_.emplace(Key{static_cast<int>(section), record, slot, offset}, line);
}

SourceMap SourceMap::FromToml(std::string_view toml_text, std::string_view file_name) {
  SourceMap map;
  toml::table root;
  try {
    root = toml::parse(toml_text, file_name);
  } catch (const toml::parse_error&) {
    return map;
  }
  for (const format::DataFile& file : format::DataFiles()) {
    Section section = SectionOfKey(file.key);
    const toml::node* node = root.get(file.key);
    if (!node) continue;
    std::vector<std::pair<const toml::table*, int>> records;
    if (section == Section::kGeneral) {
      if (node->is_table()) records.emplace_back(node->as_table(), 1);
    } else if (const toml::array* array = node->as_array()) {
      for (const toml::node& element : *array) {
        if (const toml::table* table = element.as_table()) records.emplace_back(table, RecordNumber(*table, "record"));
      }
    }
    for (const auto& [table, record] : records) {
      map.Note(section, record, 0, kWholeRecord, Line(*table));
      for (const auto& [key, value] : *table) {
        if (const format::FieldForm* form = Form(file.forms, key.str())) {
          map.Note(section, record, 0, form->offset, Line(value));
        }
      }
      const toml::array* objects = section == Section::kScene ? table->get_as<toml::array>("object") : nullptr;
      if (!objects) continue;
      for (const toml::node& element : *objects) {
        const toml::table* object = element.as_table();
        if (!object) continue;
        int slot = RecordNumber(*object, "slot");
        map.Note(section, record, slot, kWholeRecord, Line(*object));
        int kind = 0;
        if (const toml::node* kind_node = object->get("kind")) {
          if (kind_node->is_integer()) kind = static_cast<int>(kind_node->as_integer()->get());
          for (const format::NamedValue& named : format::NamesOf(format::ValueNames::kKind)) {
            if (kind_node->is_string() && kind_node->as_string()->get() == named.name) kind = named.value;
          }
        }
        for (const auto& [key, value] : *object) {
          const format::FieldForm* form = Form(format::ObjectForms(kind), key.str());
          if (!form) form = Form(format::RawObjectForms(), key.str());
          if (form) map.Note(section, record, slot, form->offset, Line(value));
        }
      }
    }
  }
  return map;
}

int SourceMap::LineOf(const Place& place) const {
  auto section = static_cast<int>(place.section);
  for (const Key& key : {Key{section, place.record, place.slot, place.offset},
                         Key{section, place.record, place.slot, kWholeRecord},
                         Key{section, place.record, 0, kWholeRecord}}) {
    auto found = lines_.find(key);
    if (found != lines_.end()) return found->second;
  }
  return 0;
}

}  // namespace qvl::tools::lint
