// Decoded pictures kept by file, for a player that shows the same pictures
// over and over and can spare the memory: `qvl solve`, whose copies of one
// player share what it decoded before they were made.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>

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
  bool keeping() const { return keep_; }

  // The picture of the file, decoded now or kept from before while the
  // file is unchanged (same time and size); as LoadPictureFile otherwise,
  // errors included. Failed files are not kept.
  PictureRef Load(const std::filesystem::path& real_path, PictureBudget& budget);

  // Bytes of the pictures kept.
  int64_t KeptBytes() const { return kept_bytes_; }

 private:
  struct Kept {
    std::filesystem::file_time_type stamp;
    std::uintmax_t size = 0;
    PictureRef picture;
    int64_t bytes = 0;
  };

  bool keep_ = false;
  std::map<std::filesystem::path, Kept> kept_;
  int64_t kept_bytes_ = 0;
};

}  // namespace qvl
