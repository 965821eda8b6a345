// The screen painted again only where it changed: each kind of change of a
// control or window repaints only the area it touches, and the screen then
// equals the same windows painted whole.
#include "ui/screen_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui/animated_picture.h"
#include "ui/renderer.h"
#include "ui/runtime.h"
#include "ui/screen_damage.h"
#include "ui/simple_controls.h"

namespace qvl::ui {
namespace {

PictureRef Frames(int size, std::initializer_list<uint32_t> colours) {
  auto picture = std::make_shared<Picture>();
  picture->width = size;
  picture->height = size;
  for (uint32_t colour : colours) picture->frames.push_back(qvl::Frame{Image(size, size, colour), 100});
  return picture;
}

int64_t Pixels(const std::vector<Rect>& areas) {
  int64_t total = 0;
  for (const Rect& r : areas) total += static_cast<int64_t>(r.width) * r.height;
  return total;
}

bool Covers(const std::vector<Rect>& areas, const Rect& r) {
  for (const Rect& a : areas) {
    if (a.left <= r.left && a.top <= r.top && a.Right() >= r.Right() && a.Bottom() >= r.Bottom()) return true;
  }
  return false;
}

class ScreenPainterTest : public ::testing::Test {
 protected:
  ScreenPainterTest() : rt_(Runtime::MakeHeadless()), painter_(renderer_), main_(rt_->windows().Add("Main")) {
    auto& scene = main_.Add<PictureBox>("ScnImg");
    scene.Move(0, 0, 700, 475);
    scene.SetBackColour(0xFF204060);
    for (int i = 1; i <= 3; ++i) {
      auto& object = main_.Add<AnimatedPicture>("Animation", i);
      object.LoadPicture(Frames(40, {0xFFFF0000u, 0xFF00FF00u, 0x800000FFu}));
      object.Move(100 * i, 100);
    }
    auto& label = main_.Add<Label>("Score");
    label.Move(600, 500, 150, 30);
    label.SetCaption("Score: 10");
    label.SetForeColour(0xFFFFFFFF);
    main_.Show();
    rt_->loop().DoEvents();  // the loaded events
    Update();
  }

  std::vector<Rect> Update() { return painter_.Update(rt_->windows().Draw(), false); }

  // The screen kept by the painter equals the windows painted whole.
  void ExpectSameAsWhole() {
    Image whole;
    Renderer fresh;
    fresh.Paint(rt_->windows().Draw(), whole);
    ASSERT_EQ(painter_.screen().pixels.size(), whole.pixels.size());
    size_t differ = 0;
    for (size_t i = 0; i < whole.pixels.size(); ++i) differ += painter_.screen().pixels[i] != whole.pixels[i];
    EXPECT_EQ(differ, 0u) << "pixels that differ from a whole repaint";
  }

  AnimatedPicture& Object(int i) { return main_.Get<AnimatedPicture>("Animation", i); }

  std::unique_ptr<Runtime> rt_;
  Renderer renderer_;
  ScreenPainter painter_;
  Window& main_;
};

TEST_F(ScreenPainterTest, NothingChangedPaintsNothing) {
  EXPECT_TRUE(Update().empty());
  ExpectSameAsWhole();
}

TEST_F(ScreenPainterTest, AnimationFramesRepaintOnlyTheirPictures) {
  for (int i = 1; i <= 3; ++i) Object(i).Start();
  for (int round = 0; round < 4; ++round) {
    rt_->loop().PassTime(rt_->loop().NowMs() + 100);
    rt_->loop().DoEvents();
    const std::vector<Rect> painted = Update();
    EXPECT_LE(Pixels(painted), 3 * 40 * 40) << "round " << round;
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(Covers(painted, Rect{100 * i, 100, 40, 40})) << "object " << i;
    ExpectSameAsWhole();
  }
}

TEST_F(ScreenPainterTest, MovesShowsHidesCaptionsAndOrderRepaintWhereTheyHappen) {
  Object(1).Move(130, 110);  // now over object 1's old place and under object 2's neighbour
  std::vector<Rect> painted = Update();
  EXPECT_TRUE(Covers(painted, Rect{100, 100, 40, 40})) << "the old place";
  EXPECT_TRUE(Covers(painted, Rect{130, 110, 40, 40})) << "the new place";
  EXPECT_LE(Pixels(painted), 70 * 50) << "the two places overlap: one area around both";
  ExpectSameAsWhole();

  Object(2).Move(150, 120);  // overlaps object 1
  Update();
  Object(1).ZOrder(true);
  painted = Update();
  EXPECT_FALSE(painted.empty());
  EXPECT_LE(Pixels(painted), 4 * 40 * 40);
  ExpectSameAsWhole();

  Object(3).Hide();
  painted = Update();
  EXPECT_TRUE(Covers(painted, Rect{300, 100, 40, 40}));
  EXPECT_LE(Pixels(painted), 40 * 40);
  ExpectSameAsWhole();
  Object(3).Show();
  EXPECT_TRUE(Covers(Update(), Rect{300, 100, 40, 40}));
  ExpectSameAsWhole();

  main_.Get<Label>("Score").SetCaption("Score: 20");
  painted = Update();
  EXPECT_TRUE(Covers(painted, Rect{600, 500, 150, 30}));
  EXPECT_LE(Pixels(painted), 150 * 30);
  ExpectSameAsWhole();
}

TEST_F(ScreenPainterTest, AWindowShownOverTheSceneAndHiddenAgain) {
  Window& map = rt_->windows().Add("MapWindow");
  map.Move(200, 150, 300, 200);
  map.SetBackColour(0xFF808000);
  map.Show();
  std::vector<Rect> painted = Update();
  EXPECT_TRUE(Covers(painted, Rect{200, 150, 300, 200}));
  EXPECT_LE(Pixels(painted), 300 * 200);
  ExpectSameAsWhole();
  map.Hide();
  EXPECT_TRUE(Covers(Update(), Rect{200, 150, 300, 200}));
  ExpectSameAsWhole();
}

TEST_F(ScreenPainterTest, AWholeRepaintIsAlwaysAvailable) {
  const std::vector<Rect> painted = painter_.Update(rt_->windows().Draw(), true);
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0], (Rect{0, 0, kScreenWidth, kScreenHeight}));
  ExpectSameAsWhole();
}

TEST(ScreenAreas, JoinsOverlapsAndKeepsFewAreasWithLittleWaste) {
  ScreenAreas areas;
  areas.Add(Rect{0, 0, 10, 10});
  areas.Add(Rect{5, 5, 10, 10});
  ASSERT_EQ(areas.areas().size(), 1u);
  EXPECT_EQ(areas.areas()[0], (Rect{0, 0, 15, 15}));
  areas.Add(Rect{100, 100, 0, 10});
  EXPECT_EQ(areas.areas().size(), 1u) << "an empty area adds nothing";

  // Twenty small areas in two far-apart rows: kept apart as far as the
  // limit allows, never joined into one area over the whole screen.
  ScreenAreas rows;
  for (int i = 0; i < 10; ++i) {
    rows.Add(Rect{20 + 60 * i, 40, 40, 40});
    rows.Add(Rect{20 + 60 * i, 500, 40, 40});
  }
  EXPECT_LE(rows.areas().size(), ScreenAreas::kMostAreas);
  EXPECT_LE(Pixels(rows.areas()), 2 * 600 * 40);
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(Covers(rows.areas(), Rect{20 + 60 * i, 40, 40, 40}));
    EXPECT_TRUE(Covers(rows.areas(), Rect{20 + 60 * i, 500, 40, 40}));
  }
}

}  // namespace
}  // namespace qvl::ui
