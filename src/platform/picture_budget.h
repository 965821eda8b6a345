// How much memory the decoded pictures of a game may take: each picture on
// its own, and all the pictures held at one time together. A picture file
// says how large it is before any pixel is decoded; one that would not fit
// is refused as an invalid picture, so a small damaged or hostile file can
// never take the player's memory.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/image.h"

namespace qvl {

class PictureBudget {
 public:
  // A full-screen 800 × 600 animation of 50 frames fits in one picture;
  // a scene with its objects, the skin, the map and the inventory fit
  // many times over in all.
  static constexpr int64_t kMostBytesPerPicture = int64_t{96} << 20;
  static constexpr int64_t kMostBytesInAll = int64_t{288} << 20;

  explicit PictureBudget(int64_t per_picture = kMostBytesPerPicture, int64_t in_all = kMostBytesInAll);

  // Whether a picture that decodes to that many bytes may be made now.
  bool Allows(int64_t bytes) const;

  // Bytes held by pictures made under this budget and still in use.
  int64_t InUse() const { return account_->in_use; }

  // Hands the decoded picture out; its bytes count against the budget
  // until the last holder lets it go.
  PictureRef Hold(Picture picture);

  // The decoded size of a picture: four bytes a pixel, every frame.
  static int64_t BytesOf(int64_t width, int64_t height, int64_t frames = 1);

 private:
  struct Account {
    int64_t in_use = 0;
  };
  int64_t per_picture_;
  int64_t in_all_;
  std::shared_ptr<Account> account_;
};

}  // namespace qvl
