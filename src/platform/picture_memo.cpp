#include "platform/picture_memo.h"

#include "platform/picture_files.h"
#include "platform/runtime_error.h"

namespace qvl {

PictureRef PictureMemo::Load(const std::filesystem::path& real_path, PictureBudget& budget) {
  if (PictureRef prepared = TakePrepared(real_path)) return prepared;
  if (!keep_) return LoadPictureFile(real_path, budget);
  const std::optional<FileStamp> stamp = StampOf(real_path);
  if (!stamp) return LoadPictureFile(real_path, budget);
  auto found = kept_.find(real_path);
  if (found != kept_.end()) {
    if (found->second.stamp == *stamp) return found->second.picture;
    kept_bytes_ -= found->second.bytes;
    kept_.erase(found);
  }
  PictureRef picture = LoadPictureFile(real_path, budget);
  const int64_t bytes = PictureBudget::BytesOf(picture->width, picture->height, picture->FrameCount());
  if (kept_bytes_ + bytes > kKeepAtMost) return picture;
  kept_.emplace(real_path, Kept{*stamp, picture, bytes});
  kept_bytes_ += bytes;
  return picture;
}

void PictureMemo::Prepare(const std::filesystem::path& real_path, PictureBudget& budget) {
  if (preparing_closed_) return;
  Kept entry;
  const std::optional<FileStamp> stamp = StampOf(real_path);
  if (!stamp) return;
  entry.stamp = *stamp;
  try {
    entry.picture = LoadPictureFile(real_path, budget);
  } catch (const RuntimeError&) {
    return;
  }
  prepared_[real_path] = std::move(entry);
}

void PictureMemo::ClosePreparing() {
  prepared_.clear();
  preparing_closed_ = true;
}

PictureRef PictureMemo::TakePrepared(const std::filesystem::path& real_path) {
  auto found = prepared_.find(real_path);
  if (found == prepared_.end()) return nullptr;
  const Kept entry = std::move(found->second);
  prepared_.erase(found);
  if (StampOf(real_path) != entry.stamp) return nullptr;
  return entry.picture;
}

}  // namespace qvl
