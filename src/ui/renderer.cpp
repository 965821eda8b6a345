#include "ui/renderer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text_raster.h"
#include "ui/blit.h"
#include "ui/embedded_assets.h"
#include "ui/text_layout.h"

namespace qvl::ui {
namespace {

// Captions drawn for the last screens are kept; beyond this many, those
// not drawn on the latest screen are let go.
constexpr size_t kKeptCaptions = 400;

// The game's fonts are all shown with the one shipped font; a point is
// 96/72 screen pixels, as on the display the games were made for.
FontSpec FontFor(const TextStyle& style) {
  FontSpec font_spec;
  font_spec.pixel_size = std::max(1, static_cast<int>(std::lround(style.size_pt * 96.0 / 72.0)));
  font_spec.bold = style.bold;
  font_spec.italic = style.italic;
  font_spec.underline = style.underline;
  return font_spec;
}

struct LaidLine {
  int x = 0;  // from the box's left
  int y = 0;  // from the box's top
  Image pixels;
};

// A caption ready to draw: its lines already rasterised and placed.
struct LaidCaption {
  std::vector<LaidLine> lines;
  uint64_t last_painted = 0;
};

std::string CaptionKey(const DrawStep& step) {
  const TextStyle& s = step.style;
  std::string key;
  key.reserve(step.text.size() + s.font_name.size() + 48);
  key += std::to_string(s.size_pt) + '|' + (s.bold ? 'b' : '-') + (s.italic ? 'i' : '-') +
         (s.underline ? 'u' : '-') + (s.word_wrap ? 'w' : '-') + std::to_string(static_cast<int>(s.align)) + '|' +
         std::to_string(step.rect.width) + '|' + std::to_string(step.colour) + '|' + s.font_name + '|' + step.text;
  return key;
}

}  // namespace

struct Renderer::Impl {
  Impl() : raster(EmbeddedFont()) {}

  const LaidCaption& Caption(const DrawStep& step) {
    auto [it, added] = captions.try_emplace(CaptionKey(step));
    LaidCaption& caption = it->second;
    caption.last_painted = paint_count;
    if (added) caption.lines = LayOut(step);
    return caption;
  }

  std::vector<LaidLine> LayOut(const DrawStep& step) {
    const FontSpec font = FontFor(step.style);
    const auto measure = [&](std::string_view piece) { return raster.Width(font, piece); };
    const int line_height = raster.LineHeight(font);
    std::vector<LaidLine> laid;
    int y = 0;
    for (const std::string& line : WrapText(step.text, step.rect.width, step.style.word_wrap, measure)) {
      LaidLine out;
      out.y = y;
      y += line_height;
      if (line.empty()) continue;
      out.pixels = raster.Render(font, line, step.colour);
      switch (step.style.align) {
        case Align::kLeft: out.x = 0; break;
        case Align::kCentre: out.x = (step.rect.width - out.pixels.width) / 2; break;
        case Align::kRight: out.x = step.rect.width - out.pixels.width; break;
      }
      laid.push_back(std::move(out));
    }
    return laid;
  }

  // `clip` is the step's own clip, or a part of it when only an area of
  // the screen is painted again; the pixels drawn do not depend on it.
  void PaintText(const DrawStep& step, Image& screen, const Rect& clip) {
    if ((step.colour >> 24) == 0 || step.text.empty()) return;
    const Rect inside = Intersect(clip, step.rect);
    if (inside.width <= 0 || inside.height <= 0) return;
    const LaidCaption& caption = Caption(step);
    int top = step.rect.top;
    if (step.style.middle && !caption.lines.empty()) {
      const int height = static_cast<int>(caption.lines.size()) * raster.LineHeight(FontFor(step.style));
      top += (step.rect.height - height) / 2;
    }
    for (const LaidLine& line : caption.lines) {
      DrawImage(screen, line.pixels, step.rect.left + line.x, top + line.y, inside);
    }
  }

  static const Image* FrameImage(const DrawStep& step) {
    if (!step.picture || step.picture->frames.empty()) return nullptr;
    const int frame = std::clamp(step.frame, 0, step.picture->FrameCount() - 1);
    return &step.picture->frames[static_cast<size_t>(frame)].image;
  }

  static void PaintPicture(const DrawStep& step, Image& screen, const Rect& clip) {
    const Image* image = FrameImage(step);
    if (image == nullptr) return;
    if (step.stretch) {
      DrawImageStretched(screen, *image, step.rect, clip);
    } else {
      DrawImage(screen, *image, step.rect.left, step.rect.top, clip);
    }
  }

  static void PaintOutline(const DrawStep& step, Image& screen, const Rect& clip) {
    const Rect& r = step.rect;
    const int b = std::min({step.border, r.width, r.height});
    if (b <= 0) return;
    FillRect(screen, Rect{r.left, r.top, r.width, b}, step.colour, clip);
    FillRect(screen, Rect{r.left, r.Bottom() - b, r.width, b}, step.colour, clip);
    FillRect(screen, Rect{r.left, r.top + b, b, r.height - 2 * b}, step.colour, clip);
    FillRect(screen, Rect{r.Right() - b, r.top + b, b, r.height - 2 * b}, step.colour, clip);
  }

  void ForgetOldCaptions() {
    if (captions.size() <= kKeptCaptions) return;
    std::erase_if(captions, [&](const auto& entry) { return entry.second.last_painted != paint_count; });
  }

  TextRaster raster;
  std::unordered_map<std::string, LaidCaption> captions;
  uint64_t paint_count = 0;
};

Renderer::Renderer() : impl_(std::make_unique<Impl>()) {}

Renderer::~Renderer() = default;

void Renderer::Paint(const DisplayList& list, Image& screen) {
  if (screen.width != kScreenWidth || screen.height != kScreenHeight) {
    screen = Image(kScreenWidth, kScreenHeight);
  }
  PaintArea(list, screen, Rect{0, 0, kScreenWidth, kScreenHeight});
}

void Renderer::PaintArea(const DisplayList& list, Image& screen, const Rect& area) {
  const Rect target = Intersect(area, Rect{0, 0, screen.width, screen.height});
  if (target.width <= 0 || target.height <= 0) return;
  FillRect(screen, target, 0xFF000000u, target);
  ++impl_->paint_count;
  for (const DrawStep& step : list) {
    // Steps that cannot reach the area are skipped: they would draw nothing
    // there, and laying out their text would be wasted.
    const Rect reach = Intersect(Extent(step), target);
    if (reach.width <= 0 || reach.height <= 0) continue;
    const Rect clip = Intersect(step.clip, target);
    switch (step.op) {
      case DrawStep::Op::kFill: FillRect(screen, step.rect, step.colour, clip); break;
      case DrawStep::Op::kOutline: Impl::PaintOutline(step, screen, clip); break;
      case DrawStep::Op::kPicture: Impl::PaintPicture(step, screen, clip); break;
      case DrawStep::Op::kText: impl_->PaintText(step, screen, clip); break;
      case DrawStep::Op::kToolTip: PaintToolTip(step, screen, clip); break;
    }
  }
  impl_->ForgetOldCaptions();
}

Rect Renderer::Extent(const DrawStep& step) {
  const Rect screen{0, 0, kScreenWidth, kScreenHeight};
  Rect reach;
  switch (step.op) {
    case DrawStep::Op::kFill:
    case DrawStep::Op::kOutline:
      if ((step.colour >> 24) == 0) return Rect{};
      reach = step.rect;
      break;
    case DrawStep::Op::kPicture: {
      const Image* image = Impl::FrameImage(step);
      if (image == nullptr) return Rect{};
      reach = step.stretch ? step.rect : Rect{step.rect.left, step.rect.top, image->width, image->height};
      break;
    }
    case DrawStep::Op::kText:
      if ((step.colour >> 24) == 0 || step.text.empty()) return Rect{};
      reach = step.rect;
      break;
    case DrawStep::Op::kToolTip:
      reach = NoteRect(step);
      break;
  }
  return Intersect(Intersect(reach, step.clip), screen);
}

Rect Renderer::NoteRect(const DrawStep& step) {
  const Rect size = MeasureText(step.text, step.style);
  Rect note{step.rect.left, step.rect.top, size.width + 6, size.height + 4};
  // Kept on the screen: moved left of the right edge, above the pointer
  // when there is no room below it.
  note.left = std::clamp(note.left, 0, std::max(0, kScreenWidth - note.width));
  if (note.Bottom() > kScreenHeight) note.top = std::max(0, step.rect.top - 20 - 4 - note.height);
  return note;
}

void Renderer::PaintToolTip(const DrawStep& step, Image& screen, const Rect& clip) {
  constexpr Colour kNoteColour = 0xFFFFFFE1;  // the pale yellow of a tooltip
  const Rect note = NoteRect(step);
  FillRect(screen, note, kNoteColour, clip);
  DrawStep frame = step;
  frame.rect = note;
  frame.border = 1;
  Impl::PaintOutline(frame, screen, clip);
  DrawStep text = step;
  text.op = DrawStep::Op::kText;
  text.rect = Rect{note.left + 3, note.top + 2, note.width - 5, note.height - 4};
  impl_->PaintText(text, screen, clip);
}

Rect Renderer::MeasureText(const std::string& text_utf8, const TextStyle& style) {
  const FontSpec font = FontFor(style);
  const auto measure = [&](std::string_view piece) { return impl_->raster.Width(font, piece); };
  const std::vector<std::string> lines = WrapText(text_utf8, 0, false, measure);
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, measure(line));
  return Rect{0, 0, width, static_cast<int>(lines.size()) * impl_->raster.LineHeight(font)};
}

}  // namespace qvl::ui
