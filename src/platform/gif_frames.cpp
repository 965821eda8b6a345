#include "platform/gif_frames.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/gif_lzw.h"

namespace qvl {
namespace {

// Browsers show frames that ask for 10 ms or less for 100 ms.
constexpr int kDefaultDelayMs = 100;
constexpr int kShortestDelayMs = 10;

enum class Disposal { kLeave, kClear, kRestorePrevious };

// One image block of the file: where it goes, how it leaves, and its
// colours and compressed data.
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

// The file ends in the middle of a block.
struct CutShort {};

// Reads the block structure of a GIF without decoding any pixels. Read as
// leniently as common decoders do: a file that ends after a whole frame
// (its trailer missing, or its last frame cut short) or that has bytes
// it does not know after one keeps the whole frames before that point.
class GifReader {
 public:
  explicit GifReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  GifFile Read() {
    GifFile gif;
    try {
      Take(6);  // "GIF87a" or "GIF89a", checked by the caller
      gif.width = U16();
      gif.height = U16();
      gif.screen_packed = Byte();
      Take(2);  // background colour index, aspect ratio
      if (gif.screen_packed & 0x80) gif.global_table = Take(TableSize(gif.screen_packed));
    } catch (const CutShort&) {
      Invalid();
    }

    RawFrame pending;  // carries the graphic control values to the next image
    try {
      for (;;) {
        const uint8_t introducer = Byte();
        if (introducer == 0x3B) break;  // trailer: the file is whole
        if (introducer == 0x21) {
          ReadExtension(pending);
        } else if (introducer == 0x2C) {
          gif.frames.push_back(ReadImage(pending));
          pending = RawFrame{};
        } else {
          break;  // not a block: what follows is not part of the picture
        }
      }
    } catch (const CutShort&) {
      // The frames read whole so far are the picture.
    }
    if (gif.width <= 0 || gif.height <= 0 || gif.frames.empty()) Invalid();
    return gif;
  }

 private:
  static size_t TableSize(uint8_t packed) { return 3u * (2u << (packed & 0x07)); }

  std::span<const uint8_t> Take(size_t n) {
    if (n > bytes_.size() - at_) throw CutShort{};
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
    if (size < 4) {
      SkipSubBlocks();  // a damaged control block: its frame keeps the defaults
      return;
    }
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

// The colour indexes of a frame, rows in top-to-bottom order (an
// interlaced frame stores every 8th row first, then the 4th, 2nd and the rest).
std::vector<uint8_t> FrameIndexes(const RawFrame& frame) {
  const size_t count = static_cast<size_t>(frame.width) * frame.height;
  auto decoded = DecodeGifLzw(frame.image_data, count, frame.transparent_index);
  if (!decoded) Invalid();
  if (!(frame.packed & 0x40)) return std::move(*decoded);

  std::vector<uint8_t> rows(count);
  const size_t width = static_cast<size_t>(frame.width);
  size_t stored = 0;
  for (const auto& [start, step] : {std::pair{0, 8}, std::pair{4, 8}, std::pair{2, 4}, std::pair{1, 2}}) {
    for (int y = start; y < frame.height; y += step, ++stored) {
      std::copy_n(decoded->begin() + static_cast<std::ptrdiff_t>(stored * width), width,
                  rows.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(y) * width));
    }
  }
  return rows;
}

// The frame's colours: its own table, or the file's.
std::vector<uint32_t> FramePalette(const GifFile& gif, const RawFrame& frame) {
  const std::span<const uint8_t> table = frame.local_table.empty() ? gif.global_table : frame.local_table;
  if (table.empty()) Invalid();
  // Indexes past the end of a short table show black, as browsers do.
  std::vector<uint32_t> palette(256, 0xFF000000u);
  for (size_t i = 0; i < table.size() / 3 && i < palette.size(); ++i) {
    palette[i] = 0xFF000000u | (uint32_t{table[3 * i]} << 16) | (uint32_t{table[3 * i + 1]} << 8) | table[3 * i + 2];
  }
  if (frame.has_transparent) palette[frame.transparent_index] = 0;
  return palette;
}

// The part of a frame that lies on the canvas.
struct Area {
  int x0, x1, y0, y1;
};
Area OnCanvas(const Image& canvas, const RawFrame& frame) {
  return {std::clamp(frame.left, 0, canvas.width), std::clamp(frame.left + frame.width, 0, canvas.width),
          std::clamp(frame.top, 0, canvas.height), std::clamp(frame.top + frame.height, 0, canvas.height)};
}

// Draws the frame's opaque pixels onto the canvas, straight from its
// colour indexes; GIF pixels are either fully transparent or fully opaque.
// Only the part of the frame that lies on the canvas is drawn, so a frame
// that claims to be far larger than the picture costs no more than its
// decoding.
void DrawOnto(Image& canvas, const GifFile& gif, const RawFrame& frame) {
  const std::vector<uint32_t> palette = FramePalette(gif, frame);
  const std::vector<uint8_t> indexes = FrameIndexes(frame);
  const size_t width = static_cast<size_t>(frame.width);
  const Area area = OnCanvas(canvas, frame);
  for (int cy = area.y0; cy < area.y1; ++cy) {
    const size_t row = static_cast<size_t>(cy - frame.top) * width;
    for (int cx = area.x0; cx < area.x1; ++cx) {
      const uint32_t p = palette[indexes[row + static_cast<size_t>(cx - frame.left)]];
      if ((p >> 24) != 0) canvas.At(cx, cy) = p;
    }
  }
}

void ClearArea(Image& canvas, const RawFrame& frame) {
  const Area area = OnCanvas(canvas, frame);
  for (int y = area.y0; y < area.y1; ++y) {
    std::fill_n(&canvas.At(area.x0, y), area.x1 - area.x0, 0u);
  }
}

// Whether the budget allows the composed frames, and the frames' own
// pixels, all of them together as one picture, before anything is
// decoded. Frames that lie within the picture always fit when the
// composed frames do; frames that claim to be larger than the picture
// would otherwise cost decoding time without limit, one after another.
bool FitsBudget(const GifFile& gif, const PictureBudget& budget) {
  const int64_t frames = static_cast<int64_t>(gif.frames.size());
  if (!budget.Allows(PictureBudget::BytesOf(gif.width, gif.height, frames))) return false;
  int64_t stored = 0;
  for (const RawFrame& frame : gif.frames) {
    stored += PictureBudget::BytesOf(frame.width, frame.height);
    if (!budget.Allows(stored)) return false;
  }
  return true;
}

}  // namespace

PictureRef DecodeGifFrames(std::span<const uint8_t> bytes, PictureBudget& budget) {
  if (bytes.size() < 6 || std::memcmp(bytes.data(), "GIF8", 4) != 0) Invalid();
  const GifFile gif = GifReader(bytes).Read();
  if (!FitsBudget(gif, budget)) Invalid();

  Picture picture;
  picture.width = gif.width;
  picture.height = gif.height;
  picture.frames.reserve(gif.frames.size());
  Image canvas(gif.width, gif.height, 0);
  for (const RawFrame& frame : gif.frames) {
    const Image before = frame.disposal == Disposal::kRestorePrevious ? canvas : Image{};
    if (frame.width > 0 && frame.height > 0) {
      try {
        DrawOnto(canvas, gif, frame);
      } catch (const RuntimeError&) {
        // A damaged frame ends the animation; the frames before it stay.
        if (picture.frames.empty()) throw;
        break;
      }
    }
    picture.frames.push_back(Frame{canvas, frame.delay_ms});
    if (frame.disposal == Disposal::kClear) ClearArea(canvas, frame);
    if (frame.disposal == Disposal::kRestorePrevious) canvas = before;
  }
  return budget.Hold(std::move(picture));
}

}  // namespace qvl
