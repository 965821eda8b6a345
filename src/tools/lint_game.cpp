#include "tools/lint_game.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/record_file.h"
#include "platform/cp1252.h"
#include "platform/paths.h"
#include "tools/game_format_files.h"
#include "tools/lint_source_map.h"

namespace qvl::tools::lint {

namespace fs = std::filesystem;

namespace {

// The records of one data file, as many as the player counts in it.
template <class R>
std::vector<R> Records(const std::string& bytes) {
  std::vector<R> records;
  int count = 0;
  try {
    count = data::RecordCount(bytes.size(), R::kSize);
  } catch (const std::exception&) {
    count = 32767;  // more than the player can count; lint still reads them all
  }
  for (int n = 1; n <= count; ++n) {
    size_t start = static_cast<size_t>(n - 1) * R::kSize;
    records.push_back(R::Decode(start < bytes.size() ? std::string_view(bytes).substr(start, R::kSize) : ""));
  }
  return records;
}

Section SectionOf(const format::DataFile& file) {
  std::string_view key = file.key;
  if (key == "general") return Section::kGeneral;
  if (key == "item") return Section::kItem;
  if (key == "location") return Section::kLocation;
  if (key == "conversation") return Section::kConversation;
  return Section::kScene;
}

// A data file whose length is not a whole number of records: the player
// counts a part record as a record (or ignores a settings file that is not
// exactly one record).
void CheckFileLength(const format::DataFile& file, const std::string& bytes, Report& report) {
  bool general = file.bytes == &GameData::general;
  size_t length = bytes.size();
  if (general ? (length == 0 || length == file.record_length) : length % file.record_length == 0) return;
  std::string what = std::string(file.file_name) + " is " + std::to_string(length) + " bytes, not a whole number of " +
                     std::to_string(file.record_length) + "-byte records";
  if (general) what += "; the player ignores the whole file and plays with no settings";
  report.Add("Q002", RecordPlace(Section::kGame, 0), what);
}

// The data file a place of a game folder lies in ("resource/Quorvel1.dat").
std::string DataFileOf(Section section, const std::string& folder) {
  for (const format::DataFile& file : format::DataFiles()) {
    if (section != Section::kGame && SectionOf(file) == section) return std::string("resource/") + file.file_name;
  }
  return folder;
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void KeepErrorsOnly(Report& report) {
  std::erase_if(report.diagnostics, [](const Diagnostic& d) { return d.check->severity != Severity::kError; });
}

}  // namespace

Game Game::From(GameData bytes, fs::path resource_dir) {
  Game game;
  game.general = data::GenRec::Decode(bytes.general);
  game.scenes = Records<data::SceneRec>(bytes.scenes);
  game.items = Records<data::ItemRec>(bytes.items);
  game.locations = Records<data::LocRec>(bytes.locations);
  game.conversations = Records<data::ConvRec>(bytes.conversations);
  game.bytes = std::move(bytes);
  game.resource_dir = std::move(resource_dir);
  return game;
}

Place RecordPlace(Section section, int record, const char* key) {
  Place place{section, record};
  if (!key) return place;
  for (const format::DataFile& file : format::DataFiles()) {
    if (SectionOf(file) != section) continue;
    for (const format::FieldForm& form : file.forms) {
      if (form.key == key) place.offset = form.offset;
    }
  }
  return place;
}

Place ObjectPlace(const Game& game, int scene, int slot) {
  return Place{Section::kScene, scene, slot, game.scene(scene).slot(slot).Kind};
}

Place ParamPlace(const Game& game, int scene, int slot, int param) {
  Place place = ObjectPlace(game, scene, slot);
  place.offset = 141 + 2 * static_cast<size_t>(param - 1);
  return place;
}

Place TextPlace(const Game& game, int scene, int slot, int text) {
  Place place = ObjectPlace(game, scene, slot);
  place.offset = 6 + 15 * static_cast<size_t>(text - 1);
  return place;
}

std::string Quoted(std::string_view cp1252_name) { return "'" + Cp1252ToUtf8(cp1252_name) + "'"; }

Report LintGame(const Game& game) {
  Report report;
  if (game.SceneCount() == 0) {
    report.Add("Q003", RecordPlace(Section::kGame, 0), "the game has no scenes; every new game starts at scene 1");
  }
  CheckFiles(game, report);
  CheckReferences(game, report);
  CheckValues(game, report);
  CheckLogic(game, report);
  CheckTraps(game, report);
  return report;
}

Report LintPath(const fs::path& path, const LintOptions& options) {
  Report report;
  std::error_code ec;
  std::string shown = path.filename().string();
  if (fs::is_directory(path, ec)) {
    // A game folder: its five data files under resource/.
    PathResolver resolver;
    GameData bytes;
    std::vector<std::pair<std::string, std::string>> files;  // file name, bytes
    for (const format::DataFile& file : format::DataFiles()) {
      auto found = resolver.Find(path.string() + "/resource/" + file.file_name);
      std::optional<std::string> read = found ? ReadFile(*found) : std::nullopt;
      if (!read) {
        report.Add("Q001", RecordPlace(Section::kGame, 0),
                   std::string("resource/") + file.file_name + " is missing; the player would start with it empty");
        continue;
      }
      CheckFileLength(file, *read, report);
      bytes.*file.bytes = std::move(*read);
    }
    auto resource = resolver.Find(path.string() + "/resource");
    Game game = Game::From(std::move(bytes), resource.value_or(path / "resource"));
    Report found = LintGame(game);
    report.diagnostics.insert(report.diagnostics.end(), found.diagnostics.begin(), found.diagnostics.end());
    for (Diagnostic& d : report.diagnostics) d.file = DataFileOf(d.place.section, shown);
  } else {
    // A game text: read as `qvl build` reads it; the faults the build finds
    // stop lint as they stop the build.
    std::optional<std::string> text = ReadFile(path);
    if (!text) {
      report.Add("Q000", RecordPlace(Section::kGame, 0), path.string() + " cannot be read");
    } else {
      try {
        GameData bytes = ParseGame(*text, shown);
        for (const format::DataFile& file : format::DataFiles()) CheckFileLength(file, bytes.*file.bytes, report);
        PathResolver resolver;
        fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        auto resource = resolver.Find(folder.string() + "/resource");
        Game game = Game::From(std::move(bytes), resource.value_or(folder / "resource"));
        Report found = LintGame(game);
        report.diagnostics.insert(report.diagnostics.end(), found.diagnostics.begin(), found.diagnostics.end());
        SourceMap lines = SourceMap::FromToml(*text, shown);
        for (Diagnostic& d : report.diagnostics) {
          d.file = shown;
          d.line = lines.LineOf(d.place);
        }
      } catch (const GameFormatError& e) {
        // The build's message names the file and line: they become the
        // diagnostic's own.
        std::string message = e.what();
        int line = 0;
        size_t digits = shown.size() + 1;
        if (message.rfind(shown + ":", 0) == 0) {
          size_t end = message.find(": ", digits);
          if (end != std::string::npos) {
            line = std::atoi(message.substr(digits, end - digits).c_str());
            message = message.substr(end + 2);
          }
        }
        report.Add("Q000", RecordPlace(Section::kGame, 0), message);
        report.diagnostics.back().file = shown;
        report.diagnostics.back().line = line;
      }
    }
  }
  if (options.errors_only) KeepErrorsOnly(report);
  report.Sort();
  return report;
}

}  // namespace qvl::tools::lint
