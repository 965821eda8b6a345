// The Player: the one object that holds the whole running program — its
// runtime, game folder, open data files, game state, media and windows.
// Every game procedure takes it; tests make as many as they like.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "engine/conversation_state.h"
#include "engine/delay_state.h"
#include "engine/game_state.h"
#include "engine/scene_state.h"
#include "game/data_files.h"
#include "game/gen_settings.h"
#include "game/notify_log.h"
#include "game/player_windows.h"
#include "game/startup_state.h"
#include "game_window/inventory_state.h"
#include "media/listener_levels.h"
#include "media/media_set.h"
#include "media/movie_state.h"
#include "media/music_state.h"
#include "media/sound_state.h"
#include "platform/drives.h"
#include "platform/paths.h"
#include "shell/map_state.h"
#include "shell/saved_game_state.h"
#include "ui/builtin_pictures.h"
#include "ui/runtime.h"

namespace qvl {

// Who the program is and what it reports to.
struct PlayerSetup {
  // The program file: its name (without extension) and folder decide the
  // game folder (see AppPath).
  std::filesystem::path program;
  // The game folder used when the program runs under its development name
  // (the bundled demo game when not given).
  std::string development_folder;
  // The sound, music and movie players, picked by whoever built the
  // runtime (MakeDeviceMediaSet or MakeHeadlessMediaSet on its clock).
  MediaSet media;
  // Told of every notify-log line as it is written.
  std::function<void(const std::string&)> on_log;
  // The mounted drives; the machine's own when not given.
  std::unique_ptr<DriveTable> drives;
  // The listener's music and sound levels on top of the game's (real play).
  ListenerLevels levels;
};

struct Player {
  Player(std::unique_ptr<ui::Runtime> runtime, PlayerSetup setup);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  ui::Runtime& runtime() { return *runtime_; }
  ui::EventLoop& loop() { return runtime_->loop(); }

  // The program's own name without extension ("QuorvelPlayer" in its
  // development build).
  const std::string& ProgramName() const { return program_name_; }
  // The game folder, ending in a separator: the program's own folder, or
  // the fixed development folder when the program carries its development
  // name; after a disc request found the wanted game disc mounted
  // elsewhere, the same folder on that disc.
  std::string AppPath() const;
  // Whether the program runs under its development name.
  bool InDevelopment() const;

  // The program has ended (EndApplication ran).
  bool ended = false;

 private:
  std::unique_ptr<ui::Runtime> runtime_;
  std::string program_name_;
  std::string program_folder_;
  std::string development_folder_;

 public:
  std::function<void(const std::string&)> on_log;
  // Called when a hidden object of the scene shown (a Responder, Delay,
  // Multi-Trigger or Flag Conjunction, by its slot) takes its action:
  // `qvl solve` notes it as reached, also when it sends the player on to
  // another scene at once.
  std::function<void(int slot)> on_object_acts;
  PathResolver files;
  ui::BuiltinPictures builtins;
  std::unique_ptr<DriveTable> drives;
  DataFiles data;
  StartupState startup;
  DisplayState display;
  NotifyLog notify_log;
  GenSettings gen;
  GameState game;
  SceneState scene;
  ConversationState conv;
  DelayState delays;
  InventoryState inventory;
  MapState map;
  SaveGameData save_data;
  MediaSet media;
  SoundState sound;
  MusicState music;
  MovieState movies;
  PlayerWindows windows;
};

}  // namespace qvl
