// A game as lint reads it: its records decoded, the folder its pictures and
// sounds are in, and the checks that run over them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/scene_rec.h"
#include "tools/game_format.h"
#include "tools/lint_diagnostics.h"

namespace qvl::tools::lint {

struct Game {
  GameData bytes;
  data::GenRec general;
  std::vector<data::SceneRec> scenes;  // scene n at index n - 1
  std::vector<data::ItemRec> items;
  std::vector<data::LocRec> locations;
  std::vector<data::ConvRec> conversations;
  // The folder holding gfx/ and mmedia/ (names in any letter case).
  std::filesystem::path resource_dir;

  // Decodes every record of the data files, counting them as the player does.
  static Game From(GameData bytes, std::filesystem::path resource_dir);

  int SceneCount() const { return static_cast<int>(scenes.size()); }
  int ItemCount() const { return static_cast<int>(items.size()); }
  int LocationCount() const { return static_cast<int>(locations.size()); }
  int ConversationCount() const { return static_cast<int>(conversations.size()); }
  const data::SceneRec& scene(int n) const { return scenes[static_cast<size_t>(n - 1)]; }
  const data::ItemRec& item(int n) const { return items[static_cast<size_t>(n - 1)]; }
  const data::LocRec& location(int n) const { return locations[static_cast<size_t>(n - 1)]; }
  const data::ConvRec& conversation(int n) const { return conversations[static_cast<size_t>(n - 1)]; }
  // False for a game whose settings file holds no whole record (the player
  // then ignores it).
  bool HasGeneral() const { return bytes.general.size() == data::GenRec::kSize; }
};

// Places in the author's terms. A record field is named by its key in the
// game text ("jump_scene"); an object's fields by their number.
Place RecordPlace(Section section, int record, const char* key = nullptr);
Place ObjectPlace(const Game& game, int scene, int slot);
Place ParamPlace(const Game& game, int scene, int slot, int param);
Place TextPlace(const Game& game, int scene, int slot, int text);

// A name from the data quoted for a message, in UTF-8: 'Lamp.GIF'.
std::string Quoted(std::string_view cp1252_name);

// The checks, by subject; each adds what it finds to the report.
void CheckFiles(const Game& game, Report& report);
void CheckReferences(const Game& game, Report& report);
void CheckValues(const Game& game, Report& report);
void CheckLogic(const Game& game, Report& report);
void CheckTraps(const Game& game, Report& report);

// Every check on a game.
Report LintGame(const Game& game);

// What lint is asked to look at: a game text (game.toml) or a game folder.
struct LintOptions {
  bool errors_only = false;  // `qvl build` wants only the faults that stop it
};

// Reads GAME, a game text or a game folder, and lints it; faults of the
// files themselves (a text that cannot be read, a damaged data file) are
// in the report too.
Report LintPath(const std::filesystem::path& game, const LintOptions& options = {});

}  // namespace qvl::tools::lint
