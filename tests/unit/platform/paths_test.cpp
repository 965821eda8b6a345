#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/cp1252.h"

namespace qvl {
namespace {

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("qvl_paths_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "RESOURCE" / "Gfx");
    std::ofstream(root_ / "RESOURCE" / "Gfx" / "Hall.JPG") << "x";
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Game(const std::string& rel) { return root_.string() + "/" + rel; }
  fs::path root_;
};

TEST_F(PathsTest, FindsFilesWhateverTheLetterCaseAndSeparator) {
  PathResolver resolver;
  auto found = resolver.Find(Game("resource\\gfx\\hall.jpg"));
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (root_ / "RESOURCE" / "Gfx" / "Hall.JPG").lexically_normal());
  EXPECT_TRUE(resolver.FileExists(Game("Resource/GFX/HALL.jpg")));
  EXPECT_FALSE(resolver.FileExists(Game("resource\\gfx\\hall.bmp")));
  EXPECT_FALSE(resolver.FileExists(Game("resource\\gfx")));  // a folder is not a file
  EXPECT_TRUE(resolver.ItemExists(Game("resource\\gfx")));
}

TEST_F(PathsTest, SeesFilesCreatedAfterAFolderWasListed) {
  PathResolver resolver;
  EXPECT_FALSE(resolver.FileExists(Game("resource\\gfx\\new.gif")));
  std::ofstream(root_ / "RESOURCE" / "Gfx" / "New.GIF") << "x";
  EXPECT_TRUE(resolver.FileExists(Game("resource\\gfx\\new.gif")));
}

TEST_F(PathsTest, ExactNameWinsAndWritingKeepsNewNames) {
  std::ofstream(root_ / "RESOURCE" / "Gfx" / "hall.jpg") << "y";
  PathResolver resolver;
  EXPECT_EQ(resolver.Find(Game("resource\\gfx\\hall.jpg"))->filename(), "hall.jpg");
  EXPECT_EQ(resolver.Find(Game("resource\\gfx\\Hall.JPG"))->filename(), "Hall.JPG");
  fs::path target = resolver.ForWriting(Game("resource\\saved\\Castle.sav"));
  EXPECT_EQ(target, (root_ / "RESOURCE" / "saved" / "Castle.sav").lexically_normal());
}

TEST(Cp1252, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x98\x83"), "?");  // a snowman has no byte
}

}  // namespace
}  // namespace qvl
