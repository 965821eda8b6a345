// Game folders on disk: reading and writing the data files under
// resource/, copying pictures and sounds, and the build and dump commands'
// whole runs.
#include <fstream>
#include <iostream>
#include <sstream>

#include "data/record_file.h"
#include "platform/file_replace.h"
#include "platform/paths.h"
#include "tools/game_format.h"
#include "tools/game_format_files.h"
#include "tools/lint_game.h"

namespace qvl::tools {

namespace fs = std::filesystem;

namespace {

std::string ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw GameFormatError(path.string() + ": cannot be read");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw GameFormatError(path.string() + ": cannot be read");
  return bytes.str();
}

[[noreturn]] void CannotWrite(const fs::path& target, const FileWriteError& error) {
  throw GameFormatError(target.string() + ": cannot be written (" + error.reason() + ")");
}

std::string GamePath(const fs::path& dir, const std::string& rest) { return dir.string() + "/" + rest; }

}  // namespace

GameData ReadGameFolder(const fs::path& game_dir) {
  std::error_code ec;
  if (!fs::is_directory(game_dir, ec)) throw GameFormatError(game_dir.string() + ": no such folder");
  PathResolver resolver;
  GameData game;
  bool any = false;
  for (const format::DataFile& file : format::DataFiles()) {
    auto path = resolver.Find(GamePath(game_dir, std::string("resource/") + file.file_name));
    if (!path || !fs::is_regular_file(*path, ec)) continue;
    game.*file.bytes = ReadWholeFile(*path);
    any = true;
  }
  if (!any) {
    throw GameFormatError(game_dir.string() + ": no game data files (resource/Quorvel1.dat ... Quorvel5.dat)");
  }
  return game;
}

void WriteGameFolder(const GameData& game, const fs::path& out_dir) {
  PathResolver resolver;
  std::error_code ec;
  fs::path resource = resolver.ForWriting(GamePath(out_dir, "resource"));
  fs::create_directories(resource, ec);
  if (!fs::is_directory(resource, ec)) throw GameFormatError(resource.string() + ": cannot create the folder");
  // Every data file is written before any replaces the old one, so a
  // write that fails part-way changes none of them.
  std::vector<PendingReplacement> written;
  fs::path target;
  try {
    for (const format::DataFile& file : format::DataFiles()) {
      target = resolver.ForWriting(GamePath(out_dir, std::string("resource/") + file.file_name));
      written.emplace_back(target, game.*file.bytes);
    }
    for (PendingReplacement& file : written) {
      target = file.path();
      file.PutInPlace();
    }
  } catch (const FileWriteError& error) {
    CannotWrite(target, error);
  }
}

void CopyGameResources(const fs::path& source_dir, const fs::path& out_dir) {
  PathResolver resolver;
  std::error_code ec;
  for (const char* folder : {"resource/gfx", "resource/mmedia"}) {
    auto source = resolver.Find(GamePath(source_dir, folder));
    if (!source || !fs::is_directory(*source, ec)) continue;
    fs::path target = resolver.ForWriting(GamePath(out_dir, folder));
    if (fs::exists(target, ec) && fs::equivalent(*source, target, ec)) continue;  // building in place
    fs::create_directories(target, ec);
    fs::copy(*source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) throw GameFormatError(source->string() + ": cannot copy to " + target.string() + ": " + ec.message());
  }
}

int BuildGame(const fs::path& toml_file, const fs::path& out_dir, std::ostream& errors, bool force) {
  try {
    GameData game = ParseGame(ReadWholeFile(toml_file), toml_file.string());
    // A game that would fail in play is not written, unless the author
    // asks for it.
    lint::Report faults = lint::LintPath(toml_file, {.errors_only = true});
    if (!faults.diagnostics.empty() && force) {
      errors << toml_file.string() << ": " << faults.diagnostics.size()
             << " lint errors; the game is written all the same (--force)\n";
    } else if (!faults.diagnostics.empty()) {
      lint::WriteText(faults, errors);
      errors << "qvl build: nothing written: the game has errors (qvl lint shows every finding; --force writes "
                "the game anyway)\n";
      return 1;
    }
    CopyGameResources(toml_file.parent_path().empty() ? fs::path(".") : toml_file.parent_path(), out_dir);
    WriteGameFolder(game, out_dir);
    return 0;
  } catch (const GameFormatError& e) {
    errors << e.what() << '\n';
  } catch (const fs::filesystem_error& e) {
    errors << e.what() << '\n';
  }
  return 1;
}

int DumpGameFolder(const fs::path& game_dir, const fs::path& output_file, std::ostream& out, std::ostream& errors) {
  try {
    std::string text = DumpGame(ReadGameFolder(game_dir));
    if (output_file.empty()) {
      out << text;
    } else {
      try {
        ReplaceFileContents(output_file, text);
      } catch (const FileWriteError& error) {
        CannotWrite(output_file, error);
      }
    }
    return 0;
  } catch (const GameFormatError& e) {
    errors << e.what() << '\n';
  } catch (const fs::filesystem_error& e) {
    errors << e.what() << '\n';
  }
  return 1;
}

}  // namespace qvl::tools
