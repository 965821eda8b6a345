#include "platform/gif_frames.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/sdl_handles.h"

namespace qvl {
namespace {

// Browsers show frames that ask for 10 ms or less for 100 ms.
constexpr int kDefaultDelayMs = 100;
constexpr int kShortestDelayMs = 10;

enum class Disposal { kLeave, kClear, kRestorePrevious };

// One image block of the file: where it goes, how it leaves, and the bytes
// SDL needs to decode it on its own.
struct RawFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int delay_ms = kDefaultDelayMs;
  Disposal disposal = Disposal::kLeave;
  bool has_transparent = false;
  uint8_t transparent_index = 0;
  uint8_t packed = 0;                     // the image descriptor's flags byte
  std::span<const uint8_t> local_table;  // may be empty
  std::span<const uint8_t> image_data;   // LZW code size and data sub-blocks
};

struct GifFile {
  int width = 0;
  int height = 0;
  uint8_t screen_packed = 0;
  std::span<const uint8_t> global_table;
  std::vector<RawFrame> frames;
};

[[noreturn]] void Invalid() { throw RuntimeError(err::kInvalidPicture); }

// Reads the block structure of a GIF without decoding any pixels.
class GifReader {
 public:
  explicit GifReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  GifFile Read() {
    GifFile gif;
    Take(6);  // "GIF87a" or "GIF89a", checked by the caller
    gif.width = U16();
    gif.height = U16();
    gif.screen_packed = Byte();
    Take(2);  // background colour index, aspect ratio
    if (gif.screen_packed & 0x80) gif.global_table = Take(TableSize(gif.screen_packed));

    RawFrame pending;  // carries the graphic control values to the next image
    for (;;) {
      const uint8_t introducer = Byte();
      if (introducer == 0x3B) break;  // trailer: the file is whole
      if (introducer == 0x21) {
        ReadExtension(pending);
      } else if (introducer == 0x2C) {
        gif.frames.push_back(ReadImage(pending));
        pending = RawFrame{};
      } else {
        Invalid();
      }
    }
    if (gif.width <= 0 || gif.height <= 0 || gif.frames.empty()) Invalid();
    return gif;
  }

 private:
  static size_t TableSize(uint8_t packed) { return 3u * (2u << (packed & 0x07)); }

  std::span<const uint8_t> Take(size_t n) {
    if (n > bytes_.size() - at_) Invalid();
    auto taken = bytes_.subspan(at_, n);
    at_ += n;
    return taken;
  }
  uint8_t Byte() { return Take(1)[0]; }
  int U16() {
    auto b = Take(2);
    return b[0] | (b[1] << 8);
  }
  void SkipSubBlocks() {
    for (uint8_t len = Byte(); len != 0; len = Byte()) Take(len);
  }

  void ReadExtension(RawFrame& pending) {
    const uint8_t label = Byte();
    if (label != 0xF9) {
      SkipSubBlocks();
      return;
    }
    const uint8_t size = Byte();
    if (size < 4) Invalid();
    auto control = Take(size);
    switch ((control[0] >> 2) & 0x07) {
      case 2: pending.disposal = Disposal::kClear; break;
      case 3: pending.disposal = Disposal::kRestorePrevious; break;
      default: pending.disposal = Disposal::kLeave; break;
    }
    pending.has_transparent = (control[0] & 0x01) != 0;
    const int delay = (control[1] | (control[2] << 8)) * 10;
    pending.delay_ms = delay <= kShortestDelayMs ? kDefaultDelayMs : delay;
    pending.transparent_index = control[3];
    SkipSubBlocks();
  }

  RawFrame ReadImage(RawFrame frame) {
    frame.left = U16();
    frame.top = U16();
    frame.width = U16();
    frame.height = U16();
    frame.packed = Byte();
    if (frame.packed & 0x80) frame.local_table = Take(TableSize(frame.packed));
    const size_t start = at_;
    Take(1);  // LZW minimum code size
    SkipSubBlocks();
    frame.image_data = bytes_.subspan(start, at_ - start);
    return frame;
  }

  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

void PutU16(std::vector<uint8_t>& out, int value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// A one-frame GIF holding just this frame at the origin, for SDL to decode.
std::vector<uint8_t> StandAloneGif(const GifFile& gif, const RawFrame& frame) {
  std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  PutU16(out, frame.width);
  PutU16(out, frame.height);
  out.push_back(gif.screen_packed);
  out.push_back(0);
  out.push_back(0);
  out.insert(out.end(), gif.global_table.begin(), gif.global_table.end());
  out.insert(out.end(), {0x21, 0xF9, 0x04});
  out.push_back(frame.has_transparent ? 0x01 : 0x00);
  out.insert(out.end(), {0x00, 0x00, frame.transparent_index, 0x00});
  out.push_back(0x2C);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, frame.width);
  PutU16(out, frame.height);
  out.push_back(frame.packed);
  out.insert(out.end(), frame.local_table.begin(), frame.local_table.end());
  out.insert(out.end(), frame.image_data.begin(), frame.image_data.end());
  out.push_back(0x3B);
  return out;
}

// The frame's own pixels, transparent index as alpha 0.
Image DecodeFrame(const GifFile& gif, const RawFrame& frame) {
  const std::vector<uint8_t> bytes = StandAloneGif(gif, frame);
  sdl::RWops stream(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
  sdl::Surface surface(IMG_Load_RW(stream.get(), 0));
  if (!surface) Invalid();
  sdl::Surface argb(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb || argb->w != frame.width || argb->h != frame.height) Invalid();
  Image image(argb->w, argb->h);
  const auto* row = static_cast<const uint8_t*>(argb->pixels);
  for (int y = 0; y < argb->h; ++y, row += argb->pitch) {
    std::memcpy(&image.pixels[static_cast<size_t>(y) * image.width], row, static_cast<size_t>(image.width) * 4);
  }
  return image;
}

// Draws the frame's opaque pixels onto the canvas; GIF pixels are either
// fully transparent or fully opaque.
void DrawOnto(Image& canvas, const Image& pixels, const RawFrame& frame) {
  for (int y = 0; y < pixels.height; ++y) {
    const int cy = frame.top + y;
    if (cy < 0 || cy >= canvas.height) continue;
    for (int x = 0; x < pixels.width; ++x) {
      const int cx = frame.left + x;
      if (cx < 0 || cx >= canvas.width) continue;
      const uint32_t p = pixels.At(x, y);
      if ((p >> 24) != 0) canvas.At(cx, cy) = p;
    }
  }
}

void ClearArea(Image& canvas, const RawFrame& frame) {
  const int x0 = std::clamp(frame.left, 0, canvas.width);
  const int x1 = std::clamp(frame.left + frame.width, 0, canvas.width);
  const int y0 = std::clamp(frame.top, 0, canvas.height);
  const int y1 = std::clamp(frame.top + frame.height, 0, canvas.height);
  for (int y = y0; y < y1; ++y) {
    std::fill_n(&canvas.At(x0, y), x1 - x0, 0u);
  }
}

}  // namespace

PictureRef DecodeGifFrames(std::span<const uint8_t> bytes) {
  if (bytes.size() < 6 || std::memcmp(bytes.data(), "GIF8", 4) != 0) Invalid();
  const GifFile gif = GifReader(bytes).Read();

  auto picture = std::make_shared<Picture>();
  picture->width = gif.width;
  picture->height = gif.height;
  Image canvas(gif.width, gif.height, 0);
  for (const RawFrame& frame : gif.frames) {
    const Image before = frame.disposal == Disposal::kRestorePrevious ? canvas : Image{};
    if (frame.width > 0 && frame.height > 0) DrawOnto(canvas, DecodeFrame(gif, frame), frame);
    picture->frames.push_back(Frame{canvas, frame.delay_ms});
    if (frame.disposal == Disposal::kClear) ClearArea(canvas, frame);
    if (frame.disposal == Disposal::kRestorePrevious) canvas = before;
  }
  return picture;
}

}  // namespace qvl
