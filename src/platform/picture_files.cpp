#include "platform/picture_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gif_frames.h"
#include "platform/runtime_error.h"
#include "platform/sdl_handles.h"

namespace qvl {
namespace {

[[noreturn]] void InvalidPicture() { throw RuntimeError(err::kInvalidPicture); }

sdl::RWops MemoryStream(std::span<const uint8_t> bytes) {
  return sdl::RWops(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
}

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> magic) {
  return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

// A JPEG cut short still decodes (the rest comes out grey), so it is caught
// here: the last scan must be followed by the end-of-image marker.
bool JpegIsComplete(std::span<const uint8_t> bytes) {
  size_t last_scan = 0;
  size_t last_end = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] != 0xFF) continue;
    if (bytes[i + 1] == 0xDA) last_scan = i;
    if (bytes[i + 1] == 0xD9) last_end = i;
  }
  return last_scan > 0 && last_end > last_scan;
}

PictureRef DecodeStill(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, {0xFF, 0xD8}) && !JpegIsComplete(bytes)) InvalidPicture();
  sdl::RWops stream = MemoryStream(bytes);
  sdl::Surface surface(IMG_Load_RW(stream.get(), 0));
  if (!surface) InvalidPicture();
  auto picture = std::make_shared<Picture>();
  picture->width = surface->w;
  picture->height = surface->h;
  Image image = sdl::ToImage(surface.get());
  if (image.Empty()) InvalidPicture();
  picture->frames.push_back(Frame{std::move(image), 0});
  return picture;
}

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& real_path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(real_path, ec)) throw RuntimeError(err::kFileNotFound);
  std::ifstream in(real_path, std::ios::binary);
  if (!in) throw RuntimeError(err::kFileNotFound);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The hot spot of a CUR file: its directory entry (the one whose size
// matches the picture SDL decoded) keeps it where an ICO keeps planes and
// bit count.
void ReadCursorHotSpot(std::span<const uint8_t> bytes, PointerPicture& pointer) {
  constexpr size_t kHeader = 6;
  constexpr size_t kEntry = 16;
  if (bytes.size() < kHeader || ReadU16(bytes, 0) != 0 || ReadU16(bytes, 2) != 2) return;
  const int count = ReadU16(bytes, 4);
  for (int i = 0; i < count; ++i) {
    const size_t at = kHeader + kEntry * static_cast<size_t>(i);
    if (at + kEntry > bytes.size()) return;
    const int width = bytes[at] == 0 ? 256 : bytes[at];
    if (i == 0 || width == pointer.picture->width) {
      pointer.hot_x = ReadU16(bytes, at + 4);
      pointer.hot_y = ReadU16(bytes, at + 6);
    }
  }
}

}  // namespace

PictureRef DecodePicture(std::span<const uint8_t> bytes) {
  if (bytes.empty()) InvalidPicture();
  if (StartsWith(bytes, {'G', 'I', 'F', '8'})) return DecodeGifFrames(bytes);
  return DecodeStill(bytes);
}

PictureRef LoadPictureFile(const std::filesystem::path& real_path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(real_path);
  return DecodePicture(bytes);
}

PointerPicture LoadPointerFile(const std::filesystem::path& real_path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(real_path);
  PointerPicture pointer;
  pointer.picture = DecodePicture(bytes);
  ReadCursorHotSpot(bytes, pointer);
  return pointer;
}

bool SavePng(const Image& image, const std::filesystem::path& path) {
  if (image.Empty()) return false;
  sdl::Surface surface = sdl::WrapPixels(image.pixels.data(), image.width, image.height);
  if (!surface) return false;
  return IMG_SavePNG(surface.get(), path.string().c_str()) == 0;
}

}  // namespace qvl
