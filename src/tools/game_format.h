// The text game format: a game's five data files written as one TOML file
// an author can read and edit (`qvl dump`), and built back into the data
// files byte for byte (`qvl build`).
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qvl::tools {

// The bytes of a game's five data files; an absent file is empty, as the
// game's own open leaves it.
struct GameData {
  std::string scenes;         // Quorvel1.dat
  std::string locations;      // Quorvel2.dat
  std::string items;          // Quorvel3.dat
  std::string general;        // Quorvel4.dat
  std::string conversations;  // Quorvel5.dat

  bool operator==(const GameData&) const = default;
};

// A game text or game folder that cannot be read; the message names the
// file, the line and the field where it can.
class GameFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The game as TOML text.
std::string DumpGame(const GameData& game);

// The data files described by a TOML text. Everything is checked; the
// first fault is thrown as GameFormatError, "FILE:LINE: where: what".
GameData ParseGame(std::string_view toml_text, const std::string& file_name);

// Reads the data files of GAMEDIR/resource (names in any letter case).
// A folder with none of them is an error.
GameData ReadGameFolder(const std::filesystem::path& game_dir);

// Writes the data files into OUTDIR/resource, each through a temporary
// file renamed into place once all of them are written.
void WriteGameFolder(const GameData& game, const std::filesystem::path& out_dir);

// Copies resource/gfx and resource/mmedia (any letter case) from the
// folder of a game text into OUTDIR/resource when they exist.
void CopyGameResources(const std::filesystem::path& source_dir, const std::filesystem::path& out_dir);

// `qvl build`: checks the whole game text and lints it for errors, then
// writes the game; a game with lint errors is written only when `force`
// is set. Returns the exit status (0, or 1 with the messages on `errors`).
int BuildGame(const std::filesystem::path& toml_file, const std::filesystem::path& out_dir, std::ostream& errors,
              bool force = false);

// `qvl dump`: the game's text to `output_file`, or to `out` when that is
// empty. Returns the exit status (0, or 1 with the message on `errors`).
int DumpGameFolder(const std::filesystem::path& game_dir, const std::filesystem::path& output_file, std::ostream& out,
                   std::ostream& errors);

}  // namespace qvl::tools
