#include "platform/picture_memo.h"

#include "platform/picture_files.h"

namespace qvl {

PictureRef PictureMemo::Load(const std::filesystem::path& real_path, PictureBudget& budget) {
  if (!keep_) return LoadPictureFile(real_path, budget);
  std::error_code error;
  const auto stamp = std::filesystem::last_write_time(real_path, error);
  const auto size = error ? 0 : std::filesystem::file_size(real_path, error);
  if (error) return LoadPictureFile(real_path, budget);
  auto found = kept_.find(real_path);
  if (found != kept_.end()) {
    if (found->second.stamp == stamp && found->second.size == size) return found->second.picture;
    kept_bytes_ -= found->second.bytes;
    kept_.erase(found);
  }
  PictureRef picture = LoadPictureFile(real_path, budget);
  const int64_t bytes = PictureBudget::BytesOf(picture->width, picture->height, picture->FrameCount());
  if (kept_bytes_ + bytes > kKeepAtMost) return picture;
  kept_.emplace(real_path, Kept{stamp, size, picture, bytes});
  kept_bytes_ += bytes;
  return picture;
}

}  // namespace qvl
