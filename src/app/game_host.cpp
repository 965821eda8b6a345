// The game's side of `qvl run`. Until the Player exists, no game can be
// played from a script: a folder with a game says so, one without says
// that there is no game.
#include <system_error>

#include "app/script_host.h"
#include "platform/paths.h"

namespace qvl {

std::unique_ptr<ScriptHost> MakeGameHost(const std::filesystem::path& game_dir, const HostHooks& /*hooks*/) {
  std::error_code error;
  if (!std::filesystem::is_directory(game_dir, error)) {
    throw HostError("no game folder " + game_dir.string());
  }
  PathResolver files;
  if (!files.FileExists((game_dir / "resource" / "Quorvel4.dat").string())) {
    throw HostError("no game in " + game_dir.string() + " (resource/Quorvel4.dat is missing)");
  }
  throw HostError("the game in " + game_dir.string() + " cannot be played yet: the player is not built");
}

}  // namespace qvl
