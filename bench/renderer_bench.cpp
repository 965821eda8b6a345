// Painting a game screen: a background, twenty animated objects and a
// dozen labels, as the window repaints while animations run.
#include <benchmark/benchmark.h>

#include <string>

#include "ui/renderer.h"

namespace {

using qvl::Frame;
using qvl::Image;
using qvl::Picture;
using qvl::PictureRef;
using qvl::ui::Align;
using qvl::ui::DisplayList;
using qvl::ui::DrawStep;
using qvl::ui::Rect;

constexpr Rect kScreen{0, 0, 800, 600};

PictureRef Background() {
  auto p = std::make_shared<Picture>();
  p->width = 800;
  p->height = 600;
  Image image(800, 600);
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) image.At(x, y) = 0xFF000000u | static_cast<uint32_t>((x ^ y) * 0x010203);
  }
  p->frames.push_back(Frame{image, 0});
  return p;
}

// A 64 × 64 object with a transparent corner, like a GIF sprite, in eight frames.
PictureRef Sprite() {
  auto p = std::make_shared<Picture>();
  p->width = 64;
  p->height = 64;
  for (int f = 0; f < 8; ++f) {
    Image image(64, 64);
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) image.At(x, y) = (x + y < 40) ? 0u : 0xFF000000u | static_cast<uint32_t>(f * 0x102030);
    }
    p->frames.push_back(Frame{image, 100});
  }
  return p;
}

DisplayList GameScreen(const PictureRef& background, const PictureRef& sprite, int tick) {
  DisplayList list;
  DrawStep bg;
  bg.op = DrawStep::Op::kPicture;
  bg.rect = {0, 0, 800, 600};
  bg.clip = kScreen;
  bg.picture = background;
  list.push_back(bg);
  for (int i = 0; i < 20; ++i) {
    DrawStep s;
    s.op = DrawStep::Op::kPicture;
    s.rect = {20 + (i % 10) * 75, 40 + (i / 10) * 150, 64, 64};
    s.clip = {0, 0, 700, 475};
    s.picture = sprite;
    s.frame = (tick + i) % 8;
    list.push_back(s);
  }
  for (int i = 0; i < 12; ++i) {
    DrawStep t;
    t.op = DrawStep::Op::kText;
    t.rect = {10 + (i % 3) * 260, 480 + (i / 3) * 28, 250, 26};
    t.clip = kScreen;
    t.colour = 0xFFFFFFFF;
    t.text = "Label number " + std::to_string(i) + ": Score 0042 / 0100";
    t.style.size_pt = 8 + (i % 4) * 2;
    t.style.align = static_cast<Align>(i % 3);
    list.push_back(t);
  }
  return list;
}

// Every repaint after the first: captions come from the cache.
void BM_RepaintAnimatedScene(benchmark::State& state) {
  qvl::ui::Renderer renderer;
  Image screen;
  const PictureRef background = Background();
  const PictureRef sprite = Sprite();
  renderer.Paint(GameScreen(background, sprite, 0), screen);
  int tick = 0;
  for (auto _ : state) {
    renderer.Paint(GameScreen(background, sprite, ++tick), screen);
    benchmark::DoNotOptimize(screen.pixels.data());
  }
}
BENCHMARK(BM_RepaintAnimatedScene)->Unit(benchmark::kMillisecond);

// The first paint of a new scene: every caption rasterised afresh.
void BM_FirstPaintOfScene(benchmark::State& state) {
  Image screen;
  const PictureRef background = Background();
  const PictureRef sprite = Sprite();
  for (auto _ : state) {
    qvl::ui::Renderer renderer;
    renderer.Paint(GameScreen(background, sprite, 0), screen);
    benchmark::DoNotOptimize(screen.pixels.data());
  }
}
BENCHMARK(BM_FirstPaintOfScene)->Unit(benchmark::kMillisecond);

}  // namespace
