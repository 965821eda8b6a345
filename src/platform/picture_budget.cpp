#include "platform/picture_budget.h"

#include <limits>
#include <utility>

namespace qvl {

namespace {

// Keeps a decoded picture and gives its bytes back to the budget when the
// last holder lets go of it.
struct HeldPicture {
  struct Lease {
    std::shared_ptr<void> account_keeper;
    int64_t* in_use = nullptr;
    int64_t bytes = 0;
    ~Lease() {
      if (in_use != nullptr) *in_use -= bytes;
    }
  };
  Picture picture;
  Lease lease;
};

}  // namespace

PictureBudget::PictureBudget(int64_t per_picture, int64_t in_all)
    : per_picture_(per_picture), in_all_(in_all), account_(std::make_shared<Account>()) {}

int64_t PictureBudget::BytesOf(int64_t width, int64_t height, int64_t frames) {
  if (width <= 0 || height <= 0 || frames <= 0) return 0;
  constexpr int64_t kMost = std::numeric_limits<int64_t>::max() / 8;
  // Every factor comes from a file header, at most 32 bits each: compare
  // by division so that no product can overflow.
  if (width > kMost / height) return kMost;
  const int64_t pixels = width * height;
  if (pixels > kMost / frames / 4) return kMost;
  return pixels * frames * 4;
}

bool PictureBudget::Allows(int64_t bytes) const {
  return bytes >= 0 && bytes <= per_picture_ && bytes <= in_all_ - account_->in_use;
}

PictureRef PictureBudget::Hold(Picture picture) {
  int64_t bytes = 0;
  for (const Frame& frame : picture.frames) bytes += static_cast<int64_t>(frame.image.pixels.size()) * 4;
  auto held = std::make_shared<HeldPicture>();
  held->picture = std::move(picture);
  held->lease.account_keeper = account_;
  held->lease.in_use = &account_->in_use;
  held->lease.bytes = bytes;
  account_->in_use += bytes;
  return PictureRef(held, &held->picture);
}

}  // namespace qvl
