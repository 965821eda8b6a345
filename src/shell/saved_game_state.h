// What the game keeps of saved games: the copy a save writes and a load
// fills, what the dialogs show of the file looked at, and how a save
// reaches its file.
#pragma once

#include <string>

#include "data/save_rec.h"
#include "platform/file_replace.h"

namespace qvl {

struct SaveGameData {
  // The copy a save writes and a load fills: the game as the last snapshot
  // or load left it, with the parts the player does not use as the last
  // loaded file held them (blank when none was loaded).
  data::SaveRec Copy;
  // What GetGameInfo read of the file being looked at, trimmed.
  std::string InfoDescription;
  std::string InfoDate;
  std::string InfoTime;
  // How the bytes of a save reach the file (tests make it fail part-way).
  ByteWriter WriteBytes = WriteAllBytes;
};

}  // namespace qvl
