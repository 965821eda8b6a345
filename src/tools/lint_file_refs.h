// Every picture, sound, music and movie file a game's records name, with
// the place that names it and what the player does with it.
#pragma once

#include <string>
#include <vector>

#include "tools/lint_game.h"

namespace qvl::tools::lint {

enum class FileUse {
  kPicture,       // a picture in gfx/
  kPointer,       // a mouse-pointer picture in gfx/
  kSound,         // a WAV sound in mmedia/
  kMusic,         // a soundtrack or menu music: WAV, MIDI or MP3 in mmedia/
  kMovie,         // an AVI or MPG movie in mmedia/
  kSoundOrMovie,  // a WAV sound, or an AVI or MPG movie, told by its last letters
  kMapMedia,      // a map location's WAV sound or AVI movie
  kLogo,          // the opening logo: a GIF picture in gfx/, or a movie in mmedia/
};

struct FileRef {
  Place place;
  std::string name;       // as the data writes it, trimmed (Windows-1252)
  FileUse use;
  bool optional = false;  // a skin file the player loads only when it is there
  bool object_picture = false;  // the picture a visible object is drawn with
};

// The files named by the settings, items, locations, scene headers,
// conversations and scene objects.
std::vector<FileRef> FilesNamed(const Game& game);

// The files the scene objects name (part of FilesNamed).
void AddObjectFiles(const Game& game, std::vector<FileRef>& refs);

}  // namespace qvl::tools::lint
