// Decoded pictures kept by file, for a player that shows the same pictures
// over and over and can spare the memory: `qvl solve`, whose copies of one
// player share what it decoded before they were made. Also the pictures
// decoded ahead of their first load, in time the player would otherwise
// sleep (the start window's wait), each handed over to that one load.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>

#include "platform/file_stamp.h"
#include "platform/image.h"
#include "platform/picture_budget.h"

namespace qvl {

class PictureMemo {
 public:
  // Kept pictures count against the picture budget for good: beyond this
  // many bytes a picture is decoded every time again, so a game with more
  // pictures than that still has the budget to show them.
  static constexpr int64_t kKeepAtMost = int64_t{96} << 20;

  // Off at first: a player decodes each picture when it is shown and lets
  // it go when it is not, which keeps it small.
  void Keep(bool keep) { keep_ = keep; }

  // The picture of the file, decoded now or kept from before while the
  // file is unchanged (same time and size); as LoadPictureFile otherwise,
  // errors included. Failed files are not kept.
  PictureRef Load(const std::filesystem::path& real_path, PictureBudget& budget);

  // Bytes of the pictures kept.
  int64_t KeptBytes() const { return kept_bytes_; }

  // Decodes the file now for the next Load of it, which takes it while the
  // file is unchanged. A file that cannot be read or decoded is left
  // alone: its Load reads it again and raises the error where the game
  // expects it. Once preparing is closed, nothing more is prepared.
  void Prepare(const std::filesystem::path& real_path, PictureBudget& budget);
  // The loads the pictures were prepared for have run: drops those none of
  // them took, and prepares nothing more.
  void ClosePreparing();
  bool HasPrepared() const { return !prepared_.empty(); }

 private:
  struct Kept {
    FileStamp stamp;
    PictureRef picture;
    int64_t bytes = 0;
  };

  // The prepared picture of the file, given away; null when there is none
  // or the file has changed since.
  PictureRef TakePrepared(const std::filesystem::path& real_path);

  bool keep_ = false;
  std::map<std::filesystem::path, Kept> kept_;
  int64_t kept_bytes_ = 0;
  std::map<std::filesystem::path, Kept> prepared_;
  bool preparing_closed_ = false;
};

}  // namespace qvl
