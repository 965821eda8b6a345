// The real window: how the 800 × 600 screen is fitted into windows of any
// size, how window points map back onto it, the game's key codes, and a
// window opened on SDL's off-screen video driver.
#include "platform/sdl_screen.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/sdl_dialogs.h"
#include "ui/builtin_pictures.h"

namespace qvl {
namespace {

TEST(FitScreen, KeepsTheAspectWithBarsAroundIt) {
  EXPECT_EQ(FitScreen(800, 600, false), (Viewport{0, 0, 800, 600}));
  EXPECT_EQ(FitScreen(1000, 600, false), (Viewport{100, 0, 800, 600})) << "bars left and right";
  EXPECT_EQ(FitScreen(800, 800, false), (Viewport{0, 100, 800, 600})) << "bars above and below";
  EXPECT_EQ(FitScreen(1920, 1080, false), (Viewport{240, 0, 1440, 1080}));
  EXPECT_EQ(FitScreen(400, 300, false), (Viewport{0, 0, 400, 300})) << "smaller windows scale down";
  EXPECT_EQ(FitScreen(0, 600, false), Viewport{});
}

TEST(FitScreen, IntegerScalingUsesWholeMultiples) {
  EXPECT_EQ(FitScreen(1920, 1080, true), (Viewport{560, 240, 800, 600}));
  EXPECT_EQ(FitScreen(1700, 1250, true), (Viewport{50, 25, 1600, 1200}));
  EXPECT_EQ(FitScreen(400, 300, true), (Viewport{0, 0, 400, 300})) << "too small for 1x: scaled down anyway";
}

TEST(WindowToScreen, MapsWindowPointsOntoTheVirtualScreen) {
  const Viewport wide = FitScreen(1920, 1080, false);
  EXPECT_EQ(WindowToScreen(wide, 240, 0), (ScreenPoint{0, 0}));
  EXPECT_EQ(WindowToScreen(wide, 960, 540), (ScreenPoint{400, 300}));
  EXPECT_EQ(WindowToScreen(wide, 1679, 1079), (ScreenPoint{799, 599}));
  EXPECT_EQ(WindowToScreen(wide, 240 + 18, 18), (ScreenPoint{10, 10}));
  // On the bars: the nearest edge of the screen.
  EXPECT_EQ(WindowToScreen(wide, 10, 540), (ScreenPoint{0, 300}));
  EXPECT_EQ(WindowToScreen(wide, 1900, 540), (ScreenPoint{799, 300}));
  const Viewport tall = FitScreen(800, 800, false);
  EXPECT_EQ(WindowToScreen(tall, 400, 50), (ScreenPoint{400, 0}));
  EXPECT_EQ(WindowToScreen(tall, 400, 150), (ScreenPoint{400, 50}));
  EXPECT_EQ(WindowToScreen(Viewport{}, 5, 5), ScreenPoint{});
}

// A screen with a different colour for nearly every pixel.
Image Pattern(uint32_t seed) {
  Image screen(kVirtualScreenWidth, kVirtualScreenHeight);
  for (size_t i = 0; i < screen.pixels.size(); ++i) {
    screen.pixels[i] = 0xFF000000u | static_cast<uint32_t>((i * 2654435761u + seed) & 0xFFFFFFu);
  }
  return screen;
}

std::vector<uint32_t> ScaleWhole(const Image& screen, const Viewport& v, bool smooth) {
  std::vector<uint32_t> out(static_cast<size_t>(v.width) * v.height);
  ScaleScreenArea(screen, v, WindowArea{v.left, v.top, v.width, v.height}, smooth, out.data());
  return out;
}

TEST(ScaleScreenArea, AWindowPaintedInPiecesLooksLikeOnePaintedWhole) {
  const Image before = Pattern(1);
  for (const Viewport& v : {FitScreen(1920, 1080, false), FitScreen(400, 300, false), FitScreen(800, 600, false),
                            FitScreen(1700, 1250, true)}) {
    for (bool smooth : {true, false}) {
      // A screen area changes; every window pixel that shows the change
      // lies inside that area's window area, and painting that window area
      // alone gives the pixels a whole repaint gives.
      const ScreenArea changed{397, 211, 41, 23};
      Image after = before;
      for (int y = changed.top; y < changed.top + changed.height; ++y) {
        for (int x = changed.left; x < changed.left + changed.width; ++x) after.At(x, y) ^= 0x00FFFFFFu;
      }
      const std::vector<uint32_t> old_window = ScaleWhole(before, v, smooth);
      const std::vector<uint32_t> new_window = ScaleWhole(after, v, smooth);
      const WindowArea area = WindowAreaOf(v, changed);
      ASSERT_GT(area.width, 0);
      std::vector<uint32_t> piece(static_cast<size_t>(area.width) * area.height);
      ScaleScreenArea(after, v, area, smooth, piece.data());
      int outside = 0;
      int wrong = 0;
      for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
          const size_t i = static_cast<size_t>(y) * v.width + x;
          const int wx = v.left + x;
          const int wy = v.top + y;
          const bool inside = wx >= area.left && wy >= area.top && wx < area.left + area.width &&
                              wy < area.top + area.height;
          if (!inside) {
            outside += old_window[i] != new_window[i];
          } else {
            wrong += piece[static_cast<size_t>(wy - area.top) * area.width + (wx - area.left)] != new_window[i];
          }
        }
      }
      EXPECT_EQ(outside, 0) << "changed window pixels outside the area, viewport " << v.width << "x" << v.height;
      EXPECT_EQ(wrong, 0) << "pixels painted differently in a piece, viewport " << v.width << "x" << v.height;
    }
  }
}

TEST(GameKeyCode, FollowsTheGamesKeyboardNumbering) {
  constexpr int32_t kSdlScancodeKey = 1 << 30;  // SDL's mark on keys without a character
  EXPECT_EQ(GameKeyCode('a'), 'A');
  EXPECT_EQ(GameKeyCode('z'), 'Z');
  EXPECT_EQ(GameKeyCode('0'), '0');
  EXPECT_EQ(GameKeyCode('9'), '9');
  EXPECT_EQ(GameKeyCode(27), keys::kEscape);
  EXPECT_EQ(GameKeyCode('\r'), keys::kEnter);
  EXPECT_EQ(GameKeyCode('\b'), keys::kBackspace);
  EXPECT_EQ(GameKeyCode('\t'), keys::kTab);
  EXPECT_EQ(GameKeyCode(kSdlScancodeKey | 58), 112) << "F1";
  EXPECT_EQ(GameKeyCode(kSdlScancodeKey | 69), 123) << "F12";
  EXPECT_EQ(GameKeyCode(kSdlScancodeKey | 82), keys::kUp);
  EXPECT_EQ(GameKeyCode(';'), 0);
}

class SdlScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

  // Where on the game's screen a pointer moved to window point (x, y)
  // arrives; (-1, -1) when no move arrives.
  static ScreenPoint PointerArrivesAt(SdlScreen& screen, int x, int y) {
    for (int events = 0; events < 1000 && screen.NextInput(0); ++events) {
    }
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.windowID = SDL_GetWindowID(screen.Window());
    move.motion.x = x;
    move.motion.y = y;
    SDL_PushEvent(&move);
    for (int events = 0; events < 1000; ++events) {
      auto event = screen.NextInput(0);
      if (!event) break;
      if (event->kind == InputKind::kMouseMove) return {event->x, event->y};
    }
    return {-1, -1};
  }
};

TEST_F(SdlScreenTest, OpensPresentsAndFitsTheScreenIntoTheWindow) {
  ScreenOptions options;
  options.title = "Test Game";
  options.window_width = 1000;
  options.window_height = 600;
  SdlScreen screen(options);
  EXPECT_EQ(PointerArrivesAt(screen, 100, 0), (ScreenPoint{0, 0})) << "bars left and right";

  Image frame(800, 600, 0xFF336699);
  screen.Present(frame, {ScreenArea{0, 0, 800, 600}});
  screen.Present(frame, {ScreenArea{10, 10, 40, 40}});
  const ui::BuiltinPictures builtin;
  const PointerPicture& wait = builtin.Pointer(14);
  screen.SetPointer(wait.picture->frames[0].image, wait.hot_x, wait.hot_y);
  screen.SetPointer(builtin.Pointer(13).picture->frames[0].image, 1, 1);
  screen.SetPointer(wait.picture->frames[0].image, wait.hot_x, wait.hot_y);
  screen.SetTitle("Another Title");

  // Whatever the window reports now, it ends and never blocks.
  int events = 0;
  while (screen.NextInput(0) && events < 1000) ++events;
  EXPECT_LT(events, 1000);
}

TEST_F(SdlScreenTest, FullScreenAndIntegerScaleCanBeSwitched) {
  ScreenOptions options;
  options.window_width = 1700;
  options.window_height = 1250;
  SdlScreen screen(options);
  // The screen fills the height (1666 × 1250 at 17, 0), or is shown at
  // twice its size (1600 × 1200 at 50, 25).
  EXPECT_EQ(PointerArrivesAt(screen, 50, 25), (ScreenPoint{15, 12}));
  screen.SetIntegerScale(true);
  EXPECT_EQ(PointerArrivesAt(screen, 50, 25), (ScreenPoint{0, 0}));
  EXPECT_EQ(PointerArrivesAt(screen, 851, 625), (ScreenPoint{400, 300}));

  EXPECT_FALSE(screen.IsFullscreen());
  screen.SetFullscreen(true);
  EXPECT_TRUE(screen.IsFullscreen());
  screen.SetFullscreen(false);
  EXPECT_FALSE(screen.IsFullscreen());
}

TEST_F(SdlScreenTest, ClipboardKeepsText) {
  SdlClipboard clipboard;
  clipboard.SetText("Notify log: Map closed by user.");
  EXPECT_EQ(clipboard.GetText(), "Notify log: Map closed by user.");
}

}  // namespace
}  // namespace qvl
