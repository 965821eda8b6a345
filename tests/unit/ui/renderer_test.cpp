// The renderer paints display lists pixel for pixel: fills, outlines,
// pictures with alpha and stretching, text in place and aligned, all kept
// inside their clip.
#include "ui/renderer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/picture_files.h"
#include "ui/builtin_pictures.h"

namespace qvl::ui {
namespace {

constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

PictureRef Solid(int w, int h, uint32_t colour, int frames = 1) {
  auto p = std::make_shared<Picture>();
  p->width = w;
  p->height = h;
  for (int i = 0; i < frames; ++i) p->frames.push_back(Frame{Image(w, h, colour), 100});
  return p;
}

DrawStep Fill(Rect r, uint32_t colour, Rect clip = kWholeScreen) {
  DrawStep s;
  s.op = DrawStep::Op::kFill;
  s.rect = r;
  s.clip = clip;
  s.colour = colour;
  return s;
}

DrawStep Pic(PictureRef p, Rect r, bool stretch = false, int frame = 0, Rect clip = kWholeScreen) {
  DrawStep s;
  s.op = DrawStep::Op::kPicture;
  s.rect = r;
  s.clip = clip;
  s.picture = std::move(p);
  s.stretch = stretch;
  s.frame = frame;
  return s;
}

DrawStep Text(std::string text, Rect r, Align align = Align::kLeft, int size_pt = 12, Rect clip = kWholeScreen) {
  DrawStep s;
  s.op = DrawStep::Op::kText;
  s.rect = r;
  s.clip = clip;
  s.colour = kWhite;
  s.text = std::move(text);
  s.style.size_pt = size_pt;
  s.style.align = align;
  return s;
}

// The smallest rectangle holding every pixel that is not black.
Rect LitArea(const Image& screen) {
  int left = screen.width, top = screen.height, right = -1, bottom = -1;
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x) {
      if (screen.At(x, y) == kBlack) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return Rect{};
  return Rect{left, top, right - left + 1, bottom - top + 1};
}

class RendererTest : public ::testing::Test {
 protected:
  Image Paint(const DisplayList& list) {
    Image screen;
    renderer_.Paint(list, screen);
    return screen;
  }
  Renderer renderer_;
};

TEST_F(RendererTest, ClearsToBlackAtScreenSize) {
  Image screen(10, 10, kRed);
  renderer_.Paint({}, screen);
  EXPECT_EQ(screen.width, 800);
  EXPECT_EQ(screen.height, 600);
  EXPECT_EQ(LitArea(screen), Rect{});
}

TEST_F(RendererTest, FillsAndOutlinesStayInsideTheirRectAndClip) {
  const Image screen = Paint({Fill({10, 20, 30, 40}, kRed), Fill({100, 100, 50, 50}, kBlue, {120, 110, 100, 100})});
  EXPECT_EQ(screen.At(10, 20), kRed);
  EXPECT_EQ(screen.At(39, 59), kRed);
  EXPECT_EQ(screen.At(40, 59), kBlack);
  EXPECT_EQ(screen.At(39, 60), kBlack);
  EXPECT_EQ(screen.At(119, 120), kBlack) << "left of the clip";
  EXPECT_EQ(screen.At(120, 110), kBlue);
  EXPECT_EQ(screen.At(149, 149), kBlue);
  EXPECT_EQ(screen.At(150, 149), kBlack);

  DrawStep frame = Fill({200, 200, 20, 10}, kWhite);
  frame.op = DrawStep::Op::kOutline;
  frame.border = 2;
  const Image framed = Paint({frame});
  EXPECT_EQ(framed.At(200, 200), kWhite);
  EXPECT_EQ(framed.At(201, 205), kWhite);
  EXPECT_EQ(framed.At(202, 205), kBlack) << "inside the frame";
  EXPECT_EQ(framed.At(219, 209), kWhite);
  EXPECT_EQ(framed.At(210, 208), kWhite);
  EXPECT_EQ(framed.At(210, 207), kBlack);
  EXPECT_EQ(LitArea(framed), (Rect{200, 200, 20, 10}));
}

TEST_F(RendererTest, OffScreenStepsAreCutAtTheEdges) {
  const Image screen = Paint({Fill({-50, -50, 100, 100}, kRed), Pic(Solid(40, 40, kBlue), {780, 580, 0, 0})});
  EXPECT_EQ(screen.At(0, 0), kRed);
  EXPECT_EQ(screen.At(49, 49), kRed);
  EXPECT_EQ(screen.At(799, 599), kBlue);
  EXPECT_EQ(screen.At(780, 580), kBlue);
  EXPECT_EQ(screen.At(779, 580), kBlack);
  EXPECT_EQ(screen.At(50, 50), kBlack);
}

TEST_F(RendererTest, PicturesBlendByAlpha) {
  auto half = Solid(4, 4, 0x80FFFFFF);
  auto see_through = Solid(4, 4, 0x00FF0000);
  const Image screen =
      Paint({Fill({0, 0, 100, 100}, kBlue), Pic(half, {10, 10, 0, 0}), Pic(see_through, {20, 20, 0, 0})});
  const uint32_t mixed = screen.At(11, 11);
  EXPECT_EQ(mixed >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), 128, 1);
  EXPECT_NEAR(static_cast<int>(mixed & 0xFF), 255, 1);
  EXPECT_EQ(screen.At(21, 21), kBlue) << "alpha 0 leaves what is below";

  const Image half_fill = Paint({Fill({0, 0, 10, 10}, kWhite), Fill({0, 0, 10, 10}, 0x40000000)});
  EXPECT_NEAR(static_cast<int>(half_fill.At(5, 5) & 0xFF), 191, 1);
}

TEST_F(RendererTest, PictureShowsTheAskedFrameAtItsOwnSizeOrStretched) {
  auto two = std::make_shared<Picture>();
  two->width = 2;
  two->height = 2;
  Image first(2, 2, kRed);
  Image second(2, 2, kBlue);
  second.At(1, 1) = kWhite;
  two->frames = {Frame{first, 100}, Frame{second, 100}};

  const Image own = Paint({Pic(two, {50, 60, 100, 100}, false, 1)});
  EXPECT_EQ(LitArea(own), (Rect{50, 60, 2, 2}));
  EXPECT_EQ(own.At(51, 61), kWhite);

  const Image stretched = Paint({Pic(two, {50, 60, 10, 20}, true, 1)});
  EXPECT_EQ(LitArea(stretched), (Rect{50, 60, 10, 20}));
  EXPECT_EQ(stretched.At(54, 69), kBlue);
  EXPECT_EQ(stretched.At(55, 70), kWhite);
  EXPECT_EQ(stretched.At(59, 79), kWhite);

  const Image past_end = Paint({Pic(two, {0, 0, 0, 0}, false, 7)});
  EXPECT_EQ(past_end.At(1, 1), kWhite) << "a frame past the end shows the last one";

  const Image clipped = Paint({Pic(Solid(100, 100, kRed), {0, 0, 100, 100}, true, 0, {10, 10, 5, 5})});
  EXPECT_EQ(LitArea(clipped), (Rect{10, 10, 5, 5}));
}

TEST_F(RendererTest, TextIsDrawnInsideItsBoxWithTheAskedAlignment) {
  const Rect box{100, 100, 300, 40};
  const Rect left = LitArea(Paint({Text("Hello", box, Align::kLeft)}));
  const Rect centre = LitArea(Paint({Text("Hello", box, Align::kCentre)}));
  const Rect right = LitArea(Paint({Text("Hello", box, Align::kRight)}));
  ASSERT_GT(left.width, 20);
  EXPECT_LT(left.width, 80);
  EXPECT_GE(left.top, box.top);
  EXPECT_LE(left.Bottom(), box.top + 25);
  EXPECT_LE(left.left - box.left, 3);
  EXPECT_LE(box.Right() - right.Right(), 3);
  EXPECT_NEAR((centre.left + centre.Right()) / 2.0, box.left + box.width / 2.0, 3);
  EXPECT_EQ(left.width, right.width);
}

TEST_F(RendererTest, BiggerPointSizesMakeBiggerText) {
  const Rect small = LitArea(Paint({Text("Score", {0, 0, 400, 100}, Align::kLeft, 8)}));
  const Rect big = LitArea(Paint({Text("Score", {0, 0, 400, 100}, Align::kLeft, 24)}));
  EXPECT_GT(big.height, small.height * 2);
  EXPECT_GT(big.width, small.width * 2);
  // 24 points at 96 dpi are 32 pixels: a capital is about 23 pixels tall.
  EXPECT_NEAR(big.height, 23, 4);
}

TEST_F(RendererTest, LongTextWrapsAtWordsInsideTheBox) {
  const Rect box{10, 10, 120, 200};
  const std::string text = "a long caption that cannot fit on one line";
  const Rect wrapped = LitArea(Paint({Text(text, box)}));
  EXPECT_LE(wrapped.Right(), box.Right());
  EXPECT_GT(wrapped.height, 40) << "several lines";

  DrawStep one_line = Text(text, box);
  one_line.style.word_wrap = false;
  const Rect unwrapped = LitArea(Paint({one_line}));
  EXPECT_LT(unwrapped.height, 20);
  EXPECT_EQ(unwrapped.Right(), box.Right()) << "cut at the box's edge";

  const Rect broken = LitArea(Paint({Text("first\nsecond", box)}));
  EXPECT_GT(broken.height, 25);
}

TEST_F(RendererTest, TextIsCutByItsClip) {
  const Rect box{100, 100, 300, 40};
  const Rect clip{100, 100, 20, 40};
  const Rect cut = LitArea(Paint({Text("Hello there", box, Align::kLeft, 12, clip)}));
  EXPECT_GT(cut.width, 0);
  EXPECT_LE(cut.Right(), clip.Right());
}

TEST_F(RendererTest, MeasureTextMatchesWhatIsDrawn) {
  TextStyle style;
  style.size_pt = 10;
  const Rect measured = renderer_.MeasureText("Quit to Main Menu?", style);
  DrawStep step = Text("Quit to Main Menu?", {0, 0, 800, 100}, Align::kLeft, 10);
  const Rect drawn = LitArea(Paint({step}));
  EXPECT_NEAR(measured.width, drawn.Right(), 2);
  EXPECT_GE(measured.height, drawn.Bottom());
  EXPECT_EQ(renderer_.MeasureText("a\nb", style).height, 2 * renderer_.MeasureText("a", style).height);
}

TEST_F(RendererTest, RepaintOfTheSameListGivesTheSameScreen) {
  const DisplayList list{Fill({0, 0, 800, 600}, 0xFF204060), Text("Cached caption", {10, 10, 200, 30}),
                         Text("Another", {10, 50, 200, 30}, Align::kRight, 14)};
  const Image first = Paint(list);
  const Image second = Paint(list);
  EXPECT_EQ(first.pixels, second.pixels);
}

// A whole screen as a game shows it, saved as a PNG to look at
// (QVL_SHOT_DIR, or the temporary folder) and read back.
TEST_F(RendererTest, ComposedScreenshot) {
  BuiltinPictures builtin;
  auto background = std::make_shared<Picture>();
  background->width = 800;
  background->height = 600;
  Image sky(800, 600);
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      const uint32_t blue = 120 + y * 100 / 600;
      const uint32_t green = 60 + (x * 60 / 800);
      sky.At(x, y) = 0xFF000000 | (30u << 16) | (green << 8) | blue;
    }
  }
  background->frames.push_back(Frame{sky, 0});

  const PictureRef logo = builtin.Get(BuiltinPicture::kEngineLogo);
  DisplayList list;
  list.push_back(Pic(background, {0, 0, 800, 600}));
  list.push_back(Pic(logo, {40, 40, 0, 0}, false, 3));
  list.push_back(Pic(logo, {400, 40, 160, 60}, true, logo->FrameCount() - 1));
  list.push_back(Pic(builtin.Get(BuiltinPicture::kFnf), {600, 40, 0, 0}));
  list.push_back(Pic(builtin.Get(BuiltinPicture::kAniGif1), {600, 120, 0, 0}));
  list.push_back(Pic(builtin.Get(BuiltinPicture::kUnknownObject), {660, 120, 0, 0}));
  list.push_back(Pic(builtin.Get(BuiltinPicture::kMapMarker), {720, 130, 0, 0}));
  for (int slot = 1; slot <= 15; ++slot) {
    list.push_back(Pic(builtin.Pointer(slot).picture, {40 + (slot - 1) * 48, 200, 0, 0}));
  }
  list.push_back(Fill({40, 260, 720, 120}, 0xC0000000));
  DrawStep frame = Fill({40, 260, 720, 120}, 0xFFF0C040);
  frame.op = DrawStep::Op::kOutline;
  frame.border = 3;
  list.push_back(frame);
  list.push_back(Text("Left, 8 pt: MUSIC OFF", {50, 270, 700, 20}, Align::kLeft, 8));
  list.push_back(Text("Centred, 12 pt: Quit to Main Menu?", {50, 295, 700, 25}, Align::kCentre, 12));
  DrawStep bold = Text("Right, 16 pt bold: Score: 0042 / 0100", {50, 325, 700, 30}, Align::kRight, 16);
  bold.style.bold = true;
  list.push_back(bold);
  DrawStep wrapped = Text(
      "A conversation line long enough to wrap inside its narrow box, in 10 pt italic, clipped at the box's "
      "bottom edge where the text would go on below.",
      {40, 400, 260, 50}, Align::kLeft, 10);
  wrapped.style.italic = true;
  wrapped.colour = 0xFFFFE080;
  list.push_back(Fill({40, 400, 260, 50}, 0xFF303030));
  list.push_back(wrapped);
  DrawStep underlined = Text("Underlined caption", {340, 400, 300, 30}, Align::kLeft, 14);
  underlined.style.underline = true;
  list.push_back(underlined);
  list.push_back(Fill({600, 480, 150, 80}, 0x8000FF00, {600, 480, 75, 80}));

  const Image screen = Paint(list);
  const char* dir = std::getenv("QVL_SHOT_DIR");
  const std::filesystem::path folder = dir ? dir : std::filesystem::temp_directory_path();
  const auto file = folder / "renderer_composed_screen.png";
  ASSERT_TRUE(SavePng(screen, file));
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const PictureRef back = DecodeBuiltinPicture(png);
  EXPECT_EQ(back->frames[0].image.pixels, screen.pixels);
  if (!dir) std::filesystem::remove(file);
}

}  // namespace
}  // namespace qvl::ui
