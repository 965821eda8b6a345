// Picture files: every frame of an animated GIF as a browser shows it,
// still pictures, pointers with their hot spot, and the errors for files
// that are missing or broken.
#include "platform/picture_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <thread>
#include <iterator>
#include <vector>

#include "platform/picture_memo.h"
#include "platform/runtime_error.h"

namespace qvl {
namespace {

const std::filesystem::path kPictures = std::filesystem::path(QVL_TEST_SOURCE_DIR) / "fixtures" / "pictures";

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kClear = 0x00000000;

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("qvl_pictures_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }

  std::filesystem::path Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const auto file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Each picture under a budget of its own, as a fresh game would load it.
PictureRef LoadTestPicture(const std::filesystem::path& path) {
  PictureBudget budget;
  return LoadPictureFile(path, budget);
}
PointerPicture LoadTestPointer(const std::filesystem::path& path) {
  PictureBudget budget;
  return LoadPointerFile(path, budget);
}
PictureRef DecodeTestPicture(const std::vector<uint8_t>& bytes) {
  PictureBudget budget;
  return DecodeGamePicture(bytes, budget);
}
// PNG is no picture of a game; the program's own pictures are read as such.
PictureRef LoadReference(const std::filesystem::path& path) { return DecodeBuiltinPicture(ReadBytes(path)); }

int ErrorNumberOf(const std::function<void()>& load) {
  try {
    load();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(AnimatedGif, GivesEveryFrameWithItsDelay) {
  const PictureRef gif = LoadTestPicture(kPictures / "disposal.gif");
  EXPECT_EQ(gif->width, 20);
  EXPECT_EQ(gif->height, 20);
  ASSERT_EQ(gif->FrameCount(), 4);
  EXPECT_EQ(gif->frames[0].delay_ms, 100);
  EXPECT_EQ(gif->frames[1].delay_ms, 200);
  EXPECT_EQ(gif->frames[2].delay_ms, 300);
  EXPECT_EQ(gif->frames[3].delay_ms, 100) << "a frame without a delay shows for 100 ms";
  for (const Frame& f : gif->frames) {
    EXPECT_EQ(f.image.width, 20);
    EXPECT_EQ(f.image.height, 20);
  }
}

TEST(AnimatedGif, ComposesFramesAsABrowserShowsThem) {
  const PictureRef gif = LoadTestPicture(kPictures / "disposal.gif");
  ASSERT_EQ(gif->FrameCount(), 4);
  const Image& f1 = gif->frames[0].image;
  const Image& f2 = gif->frames[1].image;
  const Image& f3 = gif->frames[2].image;
  const Image& f4 = gif->frames[3].image;

  EXPECT_EQ(f1.At(2, 2), kRed);
  // The blue square lies over the red frame, which stays around it.
  EXPECT_EQ(f2.At(2, 2), kBlue);
  EXPECT_EQ(f2.At(12, 12), kRed);
  // The blue square's area was cleared to transparent, not to a colour.
  EXPECT_EQ(f3.At(2, 2), kClear);
  EXPECT_EQ(f3.At(12, 12), kGreen);
  EXPECT_EQ(f3.At(15, 2), kRed);
  // The green square asked for the picture before it to be put back.
  EXPECT_EQ(f4.At(12, 12), kRed);
  EXPECT_EQ(f4.At(2, 2), kClear);
  EXPECT_EQ(f4.At(1, 17), kYellow);
}

TEST(AnimatedGif, BusyAndInterlacedPicturesDecodeExactly) {
  const PictureRef png = LoadReference(kPictures / "noise.png");
  const PictureRef plain = LoadTestPicture(kPictures / "noise.gif");
  const PictureRef interlaced = LoadTestPicture(kPictures / "noise_interlaced.gif");
  ASSERT_EQ(plain->FrameCount(), 1);
  ASSERT_EQ(interlaced->FrameCount(), 1);
  EXPECT_EQ(plain->frames[0].image.pixels, png->frames[0].image.pixels);
  EXPECT_EQ(interlaced->frames[0].image.pixels, png->frames[0].image.pixels);
}

TEST(AnimatedGif, TransparentColourBecomesSeeThrough) {
  const PictureRef gif = LoadTestPicture(kPictures / "transparent.gif");
  ASSERT_EQ(gif->FrameCount(), 1);
  EXPECT_EQ(gif->frames[0].image.At(2, 2), kRed);
  EXPECT_EQ(gif->frames[0].image.At(15, 5) >> 24, 0u);
}

TEST(StillPicture, BmpKeepsItsPixels) {
  const PictureRef bmp = LoadTestPicture(kPictures / "still.bmp");
  ASSERT_EQ(bmp->FrameCount(), 1);
  EXPECT_EQ(bmp->width, 8);
  EXPECT_EQ(bmp->height, 6);
  EXPECT_EQ(bmp->frames[0].image.At(0, 0), kRed);
  EXPECT_EQ(bmp->frames[0].image.At(7, 5), kBlue);
}

TEST(StillPicture, JpegDecodesCloseToItsColour) {
  const PictureRef jpg = LoadTestPicture(kPictures / "still.jpg");
  ASSERT_EQ(jpg->FrameCount(), 1);
  EXPECT_EQ(jpg->width, 64);
  EXPECT_EQ(jpg->height, 48);
  const uint32_t p = jpg->frames[0].image.At(30, 20);
  EXPECT_EQ(p >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 40, 4);
  EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 120, 4);
  EXPECT_NEAR(static_cast<int>(p & 0xFF), 200, 4);
}

TEST(PictureErrors, MissingFileIsFileNotFound) {
  EXPECT_EQ(ErrorNumberOf([] { LoadTestPicture(kPictures / "no_such_picture.gif"); }), 53);
  EXPECT_EQ(ErrorNumberOf([] { LoadTestPointer(kPictures / "no_such_pointer.cur"); }), 53);
  EXPECT_EQ(ErrorNumberOf([] { LoadTestPicture(kPictures); }), 53) << "a folder is not a picture";
}

TEST(PictureErrors, TruncatedOrGarbageIsInvalidPicture) {
  ScratchFolder scratch;
  for (const char* name : {"still.bmp", "still.jpg"}) {
    std::vector<uint8_t> bytes = ReadBytes(kPictures / name);
    bytes.resize(bytes.size() / 2);
    const auto cut = scratch.Write(std::string("cut_") + name, bytes);
    EXPECT_EQ(ErrorNumberOf([&] { LoadTestPicture(cut); }), 481) << name << " cut in half";
  }
  const auto empty = scratch.Write("empty.jpg", {});
  EXPECT_EQ(ErrorNumberOf([&] { LoadTestPicture(empty); }), 481);
  const auto text = scratch.Write("text.gif", {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(ErrorNumberOf([&] { LoadTestPicture(text); }), 481);
  // A block that is neither an image, an extension nor the end.
  std::vector<uint8_t> bad_gif = ReadBytes(kPictures / "disposal.gif");
  const size_t table = (bad_gif[10] & 0x80) ? 3u * (2u << (bad_gif[10] & 0x07)) : 0u;
  bad_gif[13 + table] = 0x77;
  EXPECT_EQ(ErrorNumberOf([&] { DecodeTestPicture(bad_gif); }), 481);
}

// Every byte of a file changed in turn: each picture either decodes or is
// an invalid picture, never anything worse.
TEST(PictureErrors, DamagedBytesGiveAPictureOrInvalidPicture) {
  for (const char* name : {"disposal.gif", "still.bmp", "still.jpg"}) {
    const std::vector<uint8_t> whole = ReadBytes(kPictures / name);
    int invalid = 0;
    for (size_t at = 0; at < whole.size(); ++at) {
      for (uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, static_cast<uint8_t>(whole[at] ^ 0x5A)}) {
        std::vector<uint8_t> damaged = whole;
        damaged[at] = value;
        try {
          const PictureRef p = DecodeTestPicture(damaged);
          ASSERT_GE(p->FrameCount(), 1);
          ASSERT_EQ(p->frames[0].image.pixels.size(), static_cast<size_t>(p->width) * p->height);
        } catch (const RuntimeError& e) {
          ASSERT_EQ(e.number(), 481) << name << " byte " << at;
          ++invalid;
        }
      }
    }
    EXPECT_GT(invalid, 0) << name;
  }
}

TEST(PictureErrors, GifAskingForAHugeScreenIsInvalid) {
  std::vector<uint8_t> gif = ReadBytes(kPictures / "disposal.gif");
  gif[6] = gif[7] = gif[8] = gif[9] = 0xFF;  // 65535 x 65535
  EXPECT_EQ(ErrorNumberOf([&] { DecodeTestPicture(gif); }), 481);
}

TEST(PointerFile, CursorGivesItsHotSpot) {
  std::vector<uint8_t> cur = ReadBytes(kPictures / "pointer.ico");
  ASSERT_GE(cur.size(), 22u);
  cur[2] = 2;  // a cursor, not an icon
  cur[6 + 4] = 5;  // hot spot x
  cur[6 + 6] = 9;  // hot spot y
  cur[6 + 5] = cur[6 + 7] = 0;
  ScratchFolder scratch;
  const PointerPicture pointer = LoadTestPointer(scratch.Write("arrow.cur", cur));
  ASSERT_TRUE(pointer.picture);
  EXPECT_EQ(pointer.picture->width, 32);
  EXPECT_EQ(pointer.hot_x, 5);
  EXPECT_EQ(pointer.hot_y, 9);
}

TEST(PointerFile, OtherPicturesPointWithTheirTopLeftCorner) {
  const PointerPicture icon = LoadTestPointer(kPictures / "pointer.ico");
  EXPECT_EQ(icon.picture->width, 32);
  EXPECT_EQ(icon.hot_x, 0);
  EXPECT_EQ(icon.hot_y, 0);
  const PointerPicture gif = LoadTestPointer(kPictures / "transparent.gif");
  EXPECT_EQ(gif.hot_x, 0);
  EXPECT_EQ(gif.hot_y, 0);
}

// Headless play may decode on any thread, with no window and no video.
TEST(PictureDecoding, ThreadsDecodingAtOnceGetTheSamePictures) {
  const PictureRef gif = LoadTestPicture(kPictures / "disposal.gif");
  const PictureRef jpg = LoadTestPicture(kPictures / "still.jpg");
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < mismatches.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 25; ++i) {
        const PictureRef g = LoadTestPicture(kPictures / "disposal.gif");
        const PictureRef j = LoadTestPicture(kPictures / "still.jpg");
        if (g->frames[3].image.pixels != gif->frames[3].image.pixels) ++mismatches[t];
        if (j->frames[0].image.pixels != jpg->frames[0].image.pixels) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}

TEST(Screenshot, PngKeepsEveryPixel) {
  Image image(7, 5, 0xFF102030);
  image.At(3, 2) = 0xFFFFFFFF;
  image.At(0, 4) = 0x80FF0000;
  ScratchFolder scratch;
  const auto file = scratch.path() / "shot.png";
  ASSERT_TRUE(SavePng(image, file));
  const PictureRef back = LoadReference(file);
  ASSERT_EQ(back->FrameCount(), 1);
  EXPECT_EQ(back->frames[0].image.pixels, image.pixels);
  EXPECT_FALSE(SavePng(image, scratch.path() / "no_folder" / "shot.png"));
}

}  // namespace
}  // namespace qvl

namespace qvl {
namespace {

const std::filesystem::path kHostile =
    std::filesystem::path(QVL_TEST_SOURCE_DIR) / "games" / "pictures" / "resource" / "gfx";

// Read as other decoders read them: what is whole of a damaged GIF stays.
TEST(LenientGif, KeepsTheWholeFramesBeforeTheDamage) {
  EXPECT_EQ(LoadTestPicture(kHostile / "notrailer.gif")->FrameCount(), 4) << "only the trailer is missing";
  EXPECT_EQ(LoadTestPicture(kHostile / "cutlast.gif")->FrameCount(), 3) << "the cut last frame is dropped";
  EXPECT_EQ(ErrorNumberOf([] { LoadTestPicture(kHostile / "noframe.gif"); }), 481) << "no whole frame";

  // Bytes that are no block after the second frame end the picture there.
  std::vector<uint8_t> gif = ReadBytes(kPictures / "disposal.gif");
  gif.resize(0x6F);  // just after the second frame
  gif.push_back(0x77);
  const PictureRef two = DecodeTestPicture(gif);
  ASSERT_EQ(two->FrameCount(), 2);
  EXPECT_EQ(two->frames[1].image.At(2, 2), kBlue);
}

// Pictures of a game are GIF, BMP and JPEG by their content, whatever the
// name says; anything else, or a picture claiming more memory than the
// budget, is invalid before it is decoded.
TEST(PictureBudgetTest, RefusesOtherFormatsAndHugeClaims) {
  for (const char* name : {"svg.bmp", "pnm.jpg", "huge.bmp", "bomb.gif"}) {
    EXPECT_EQ(ErrorNumberOf([&] { LoadTestPicture(kHostile / name); }), 481) << name;
  }
  // The PNG a screenshot writes is no game picture either.
  EXPECT_EQ(ErrorNumberOf([] { DecodeTestPicture(ReadBytes(kPictures / "noise.png")); }), 481);
  // A BMP named .gif is read as the BMP it is.
  ScratchFolder scratch;
  EXPECT_EQ(LoadTestPicture(scratch.Write("really_a_bmp.gif", ReadBytes(kPictures / "still.bmp")))->width, 8);
}

// A 20 x 20 GIF whose frames each claim 65535 x 245 pixels with almost no
// data: the lenient reader fills them with colour 0 (red).
std::vector<uint8_t> GifOfOversizedFrames(int frames) {
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 20, 0, 20, 0, 0x80, 0, 0, 255, 0, 0, 0, 0, 255};
  for (int i = 0; i < frames; ++i) {
    const std::vector<uint8_t> frame = {0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 245, 0, 0, 0x02, 0x01, 0x2C, 0x00};
    gif.insert(gif.end(), frame.begin(), frame.end());
  }
  gif.push_back(0x3B);
  return gif;
}

// Frames larger than their picture: what lies on the picture is drawn; the
// frames' own pixels together count as one picture, so a few bytes a frame
// cannot buy decoding time without end.
TEST(PictureBudgetTest, FramesLargerThanThePictureCountTogether) {
  const PictureRef one = DecodeTestPicture(GifOfOversizedFrames(1));
  ASSERT_EQ(one->FrameCount(), 1);
  EXPECT_EQ(one->width, 20);
  EXPECT_EQ(one->frames[0].image.At(19, 19), 0xFFFF0000u);
  EXPECT_EQ(ErrorNumberOf([] { DecodeTestPicture(GifOfOversizedFrames(2)); }), 481);
}

TEST(PictureBudgetTest, CountsThePicturesHeldAndGivesTheirBytesBack) {
  const int64_t one = PictureBudget::BytesOf(20, 20, 4);  // disposal.gif
  PictureBudget budget(one, 2 * one);
  PictureRef first = LoadPictureFile(kPictures / "disposal.gif", budget);
  PictureRef second = LoadPictureFile(kPictures / "disposal.gif", budget);
  EXPECT_EQ(budget.InUse(), 2 * one);
  EXPECT_EQ(ErrorNumberOf([&] { LoadPictureFile(kPictures / "disposal.gif", budget); }), 481) << "the game's total";
  PictureRef copy = first;
  first.reset();
  EXPECT_EQ(budget.InUse(), 2 * one) << "a picture held anywhere still counts";
  copy.reset();
  EXPECT_EQ(budget.InUse(), one);
  EXPECT_NO_THROW(LoadPictureFile(kPictures / "disposal.gif", budget));
  PictureBudget small(one - 1, 10 * one);
  EXPECT_EQ(ErrorNumberOf([&] { LoadPictureFile(kPictures / "disposal.gif", small); }), 481) << "one picture";
  EXPECT_EQ(PictureBudget::BytesOf(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFF) > PictureBudget::kMostBytesInAll, true)
      << "header sizes multiply without overflow";
}

// A player that keeps its pictures hands out the one decoded before while
// the file is unchanged, decodes it again once the file has changed, and
// keeps nothing of a file that failed; one that does not keep them decodes
// every time.
TEST(PictureMemo, KeepsEachFileWhileItIsUnchanged) {
  ScratchFolder scratch;
  const auto file = scratch.Write("door.gif", ReadBytes(kPictures / "disposal.gif"));
  PictureBudget budget;
  PictureMemo memo;
  EXPECT_NE(memo.Load(file, budget), memo.Load(file, budget)) << "not keeping: decoded every time";

  memo.Keep(true);
  const PictureRef first = memo.Load(file, budget);
  EXPECT_EQ(memo.Load(file, budget), first);
  EXPECT_EQ(memo.KeptBytes(), PictureBudget::BytesOf(first->width, first->height, first->FrameCount()));

  scratch.Write("door.gif", ReadBytes(kPictures / "still.bmp"));
  const PictureRef changed = memo.Load(file, budget);
  EXPECT_NE(changed, first);
  EXPECT_EQ(changed->FrameCount(), 1) << "the new file's picture, not the old one";
  EXPECT_EQ(memo.KeptBytes(), PictureBudget::BytesOf(changed->width, changed->height, 1));

  const auto broken = scratch.Write("broken.gif", {'G', 'I', 'F', '8', '9', 'a'});
  EXPECT_THROW(memo.Load(broken, budget), RuntimeError);
  EXPECT_THROW(memo.Load(scratch.path() / "missing.gif", budget), RuntimeError);
  EXPECT_EQ(memo.KeptBytes(), PictureBudget::BytesOf(changed->width, changed->height, 1));
}

}  // namespace
}  // namespace qvl
