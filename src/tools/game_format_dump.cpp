// Writing a game's data files as TOML text.
#include <set>
#include <sstream>

#include "data/scene_rec.h"
#include "tools/game_format.h"
#include "tools/game_format_files.h"
#include "tools/game_format_objects.h"

namespace qvl::tools {

using format::DataFile;
using format::FieldForm;

namespace {

// Record n of a file, completed from the empty record when the file ends
// inside it.
std::string RecordBytes(const DataFile& file, const std::string& bytes, size_t n) {
  size_t start = (n - 1) * file.record_length;
  std::string record = bytes.substr(start, file.record_length);
  record += file.empty_record.substr(record.size());
  return record;
}

size_t RecordsIn(const DataFile& file, const std::string& bytes) {
  return (bytes.size() + file.record_length - 1) / file.record_length;
}

void WriteFields(std::ostream& out, const std::vector<FieldForm>& forms, std::string_view record) {
  for (const FieldForm& form : forms) {
    std::string_view field = record.substr(form.offset, form.width);
    if (!format::IsEmptyField(form, field)) out << form.key << " = " << format::FormatValue(form, field) << '\n';
  }
}

void WriteObject(std::ostream& out, int k, std::string_view slot) {
  const std::vector<FieldForm>& raw = format::RawObjectForms();
  out << "\n[[scene.object]]\nslot = " << k << '\n';
  out << "kind = " << format::FormatValue(raw[0], slot.substr(0, 2)) << '\n';
  WriteFields(out, {raw[1], raw[2]}, slot);
  int16_t kind = data::Decode<data::ObjectSlot>(slot).Kind;
  const std::vector<FieldForm>& named = format::ObjectForms(kind);
  WriteFields(out, named, slot);
  std::set<size_t> covered;
  for (const FieldForm& form : named) covered.insert(form.offset);
  std::vector<FieldForm> rest;
  for (size_t i = 3; i < raw.size(); ++i) {
    if (!covered.count(raw[i].offset)) rest.push_back(raw[i]);
  }
  WriteFields(out, rest, slot);
}

void WriteScene(std::ostream& out, const DataFile& file, std::string_view record) {
  WriteFields(out, file.forms, record);
  std::string empty_slot = data::Encode(data::ObjectSlot());
  for (int k = 1; k <= data::SceneRec::kSlotCount; ++k) {
    std::string_view slot =
        record.substr(data::SceneRec::kHeaderSize + (k - 1) * data::ObjectSlot::kSize, data::ObjectSlot::kSize);
    if (slot != empty_slot) WriteObject(out, k, slot);
  }
}

// The records of one file; returns the number of the last one written.
size_t WriteFile(std::ostream& out, const DataFile& file, const std::string& bytes) {
  bool general = file.bytes == &GameData::general;
  size_t last = 0;
  for (size_t n = 1; n <= RecordsIn(file, bytes); ++n) {
    std::string record = RecordBytes(file, bytes, n);
    if (record == file.empty_record) continue;
    last = n;
    if (general && n == 1) {
      out << "\n[general]\n";
    } else {
      out << "\n[[" << (general ? format::kGeneralExtraKey : file.key) << "]]\nrecord = " << n << '\n';
    }
    if (file.bytes == &GameData::scenes) {
      WriteScene(out, file, record);
    } else {
      WriteFields(out, file.forms, record);
    }
  }
  return last;
}

}  // namespace

std::string DumpGame(const GameData& game) {
  std::ostringstream body;
  std::ostringstream lengths;
  for (const DataFile& file : format::DataFiles()) {
    const std::string& bytes = game.*file.bytes;
    size_t last = WriteFile(body, file, bytes);
    if (bytes.size() != last * file.record_length) lengths << file.length_key << " = " << bytes.size() << '\n';
  }
  std::string out = "# Quorvel game data: build it with `qvl build`. See docs/game-format.md.\n";
  if (!lengths.str().empty()) {
    out += "\n# Data files whose length is not that of their records (kept as found).\n[";
    out += format::kFileLengthsKey;
    out += "]\n" + lengths.str();
  }
  return out + body.str();
}

}  // namespace qvl::tools
