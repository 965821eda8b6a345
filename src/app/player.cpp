#include "game/player.h"

#include <stdexcept>

#include "app/player_events.h"
#include "shell/builtin_skin.h"

namespace qvl {

namespace {

// A player cannot run without every one of its media players.
MediaSet Complete(MediaSet media) {
  if (!media.Complete()) throw std::invalid_argument("the player is missing its sound, music or movie players");
  return media;
}

std::string WithSeparator(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

}  // namespace

Player::Player(std::unique_ptr<ui::Runtime> runtime, PlayerSetup setup)
    : runtime_(std::move(runtime)),
      program_name_(setup.program.stem().string()),
      program_folder_(WithSeparator(setup.program.parent_path().string())),
      development_folder_(WithSeparator(setup.development_folder.empty() ? QVL_DEV_GAME_DIR : setup.development_folder)),
      on_log(std::move(setup.on_log)),
      drives(setup.drives ? std::move(setup.drives) : MakeSystemDriveTable()),
      media(WithListenerLevels(Complete(std::move(setup.media)), setup.levels)),
      windows(runtime_->windows(), builtins) {
  WireEvents(*this);
  LoadBuiltinSkin(*this);
}

Player::~Player() = default;

bool Player::InDevelopment() const { return program_name_ == "QuorvelPlayer"; }

std::string Player::AppPath() const {
  if (!startup.DiscGameFolder.empty()) return startup.DiscGameFolder;
  return InDevelopment() ? development_folder_ : program_folder_;
}

}  // namespace qvl
