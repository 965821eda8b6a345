#include "platform/picture_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <new>
#include <vector>

#include "platform/gif_frames.h"
#include "platform/picture_header.h"
#include "platform/runtime_error.h"
#include "platform/sdl_handles.h"

namespace qvl {
namespace {

[[noreturn]] void InvalidPicture() { throw RuntimeError(err::kInvalidPicture); }

sdl::RWops MemoryStream(std::span<const uint8_t> bytes) {
  return sdl::RWops(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
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

// The picture library's name of each format it is asked to read: only
// that reader looks at the file.
const char* LibraryType(PictureFormat format) {
  switch (format) {
    case PictureFormat::kBmp: return "BMP";
    case PictureFormat::kJpeg: return "JPG";
    case PictureFormat::kIcon: return "ICO";
    case PictureFormat::kCursor: return "CUR";
    default: return nullptr;
  }
}

// A single-frame picture, decoded only when the size its header claims
// fits in the budget.
PictureRef DecodeStill(std::span<const uint8_t> bytes, PictureFormat format, PictureBudget& budget) {
  if (format == PictureFormat::kJpeg && !JpegIsComplete(bytes)) InvalidPicture();
  const auto claimed = ReadClaimedSize(bytes, format);
  if (!claimed) InvalidPicture();
  const int64_t claimed_bytes = PictureBudget::BytesOf(claimed->width, claimed->height);
  if (claimed_bytes == 0 || !budget.Allows(claimed_bytes)) InvalidPicture();

  sdl::RWops stream = MemoryStream(bytes);
  sdl::Surface surface(IMG_LoadTyped_RW(stream.get(), 0, LibraryType(format)));
  if (!surface) InvalidPicture();
  // The library read what the header said; anything larger is not let in.
  if (!budget.Allows(PictureBudget::BytesOf(surface->w, surface->h))) InvalidPicture();
  Picture picture;
  picture.width = surface->w;
  picture.height = surface->h;
  Image image = sdl::ToImage(surface.get());
  surface.reset();
  if (image.Empty()) InvalidPicture();
  picture.frames.push_back(Frame{std::move(image), 0});
  return budget.Hold(std::move(picture));
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
// matches the picture decoded) keeps it where an ICO keeps planes and bit
// count.
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

// Decodes with the memory that runs out all the same turned into the
// game's own "Out of memory" error.
template <typename Decode>
auto OutOfMemoryIsAnError(Decode decode) {
  try {
    return decode();
  } catch (const std::bad_alloc&) {
    throw RuntimeError(err::kOutOfMemory);
  }
}

PictureRef DecodeGamePictureOf(std::span<const uint8_t> bytes, PictureFormat format, PictureBudget& budget) {
  switch (format) {
    case PictureFormat::kGif: return DecodeGifFrames(bytes, budget);
    case PictureFormat::kBmp:
    case PictureFormat::kJpeg: return DecodeStill(bytes, format, budget);
    default: InvalidPicture();
  }
}

}  // namespace

PictureRef DecodeGamePicture(std::span<const uint8_t> bytes, PictureBudget& budget) {
  return OutOfMemoryIsAnError([&] { return DecodeGamePictureOf(bytes, SniffPictureFormat(bytes), budget); });
}

PictureRef LoadPictureFile(const std::filesystem::path& real_path, PictureBudget& budget) {
  return OutOfMemoryIsAnError([&] { return DecodeGamePicture(ReadWholeFile(real_path), budget); });
}

PointerPicture DecodeGamePointer(std::span<const uint8_t> bytes, PictureBudget& budget) {
  return OutOfMemoryIsAnError([&] {
    const PictureFormat format = SniffPictureFormat(bytes);
    PointerPicture pointer;
    if (format == PictureFormat::kIcon || format == PictureFormat::kCursor) {
      pointer.picture = DecodeStill(bytes, format, budget);
      ReadCursorHotSpot(bytes, pointer);
    } else {
      pointer.picture = DecodeGamePictureOf(bytes, format, budget);
    }
    return pointer;
  });
}

PointerPicture LoadPointerFile(const std::filesystem::path& real_path, PictureBudget& budget) {
  return OutOfMemoryIsAnError([&] { return DecodeGamePointer(ReadWholeFile(real_path), budget); });
}

PictureRef DecodeBuiltinPicture(std::span<const uint8_t> bytes) {
  PictureBudget own;
  if (SniffPictureFormat(bytes) == PictureFormat::kGif) return DecodeGifFrames(bytes, own);
  sdl::RWops stream = MemoryStream(bytes);
  sdl::Surface surface(IMG_Load_RW(stream.get(), 0));
  if (!surface) InvalidPicture();
  Picture picture;
  picture.width = surface->w;
  picture.height = surface->h;
  picture.frames.push_back(Frame{sdl::ToImage(surface.get()), 0});
  return own.Hold(std::move(picture));
}

bool SavePng(const Image& image, const std::filesystem::path& path) {
  if (image.Empty()) return false;
  sdl::Surface surface = sdl::WrapPixels(image.pixels.data(), image.width, image.height);
  if (!surface) return false;
  return IMG_SavePNG(surface.get(), path.string().c_str()) == 0;
}

}  // namespace qvl
