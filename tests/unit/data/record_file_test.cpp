// Data files: record counts by the rounding rule, reads past the end,
// writes, and the game's error numbers for bad names and missing files.
#include "data/record_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/scene_rec.h"
#include "platform/runtime_error.h"

namespace qvl::data {
namespace {

namespace fs = std::filesystem;

class RecordFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qvl_recfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path WriteFile(const std::string& name, const std::string& bytes) {
    fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }

  static int ErrorOf(auto&& action) {
    try {
      action();
    } catch (const RuntimeError& e) {
      return e.number();
    }
    return 0;
  }

  fs::path dir_;
};

TEST_F(RecordFileTest, CountRoundsToNearestWithHalvesToEven) {
  EXPECT_EQ(RecordCount(0, 4395), 0);
  EXPECT_EQ(RecordCount(4395 * 3 + 2000, 4395), 3);
  EXPECT_EQ(RecordCount(4395 * 3 + 2200, 4395), 4);
  EXPECT_EQ(RecordCount(908 + 454, 908), 2);      // 1.5 → 2
  EXPECT_EQ(RecordCount(908 * 2 + 454, 908), 2);  // 2.5 → 2
  EXPECT_EQ(RecordCount(1, 112), 0);
  EXPECT_EQ(ErrorOf([] { RecordCount(uint64_t{40000} * 2, 2); }), err::kOverflow);

  auto file = RecordFile::Open(WriteFile("Quorvel1.dat", std::string(4395 * 3 + 2200, 'x')), SceneRec::kSize);
  EXPECT_EQ(file.Count(), 4);
}

TEST_F(RecordFileTest, ReadsPastTheEndGiveEmptyRecords) {
  SceneRec scene;
  scene.ScenePicture.Set("hall.bmp");
  scene.slot(20).Param(33) = 77;
  std::string bytes = scene.Encode();
  // One whole record and the first 300 bytes of a second.
  auto file = RecordFile::Open(WriteFile("Quorvel1.dat", bytes + bytes.substr(0, 300)), SceneRec::kSize);
  EXPECT_EQ(file.Read<SceneRec>(1), scene);
  SceneRec partial = file.Read<SceneRec>(2);
  EXPECT_EQ(partial.ScenePicture.Trimmed(), "hall.bmp");
  EXPECT_EQ(partial.slot(20).Param(33), 0);
  EXPECT_EQ(partial.slot(1).Text(9).Raw(), std::string(15, ' '));
  EXPECT_EQ(file.ReadRaw(2).size(), 300u);
  EXPECT_EQ(file.Read<SceneRec>(3), SceneRec());
  EXPECT_EQ(file.ReadRaw(1000), "");
  EXPECT_EQ(ErrorOf([&] { file.ReadRaw(0); }), err::kBadRecordNumber);
}

TEST_F(RecordFileTest, OpeningAMissingFileCreatesItEmpty) {
  fs::path p = dir_ / "Quorvel5.dat";
  auto file = RecordFile::Open(p, 1712);
  EXPECT_TRUE(fs::exists(p));
  EXPECT_EQ(file.Count(), 0);
  EXPECT_EQ(fs::file_size(p), 0u);
}

TEST_F(RecordFileTest, WritesReplaceOneRecordAndExtendTheFile) {
  SceneRec first;
  first.SceneLabel.Set("first");
  SceneRec third;
  third.SceneLabel.Set("third");
  {
    auto file = RecordFile::Open(dir_ / "Quorvel1.dat", SceneRec::kSize);
    file.Write(1, first);
    file.Write(3, third);
    EXPECT_EQ(file.Count(), 3);
    first.JumpScene = 4;
    file.Write(1, first);
    EXPECT_EQ(ErrorOf([&] { file.WriteRaw(2, "short"); }), err::kInvalidCall);
  }
  EXPECT_EQ(fs::file_size(dir_ / "Quorvel1.dat"), 3 * SceneRec::kSize);
  auto file = RecordFile::OpenReadOnly(dir_ / "Quorvel1.dat", SceneRec::kSize);
  EXPECT_EQ(file.Read<SceneRec>(1), first);
  EXPECT_EQ(file.Read<SceneRec>(3), third);
  EXPECT_EQ(ErrorOf([&] { file.Write(1, first); }), err::kPathFileAccess);
}

TEST_F(RecordFileTest, BadPathsRaiseTheGamesErrors) {
  EXPECT_EQ(ErrorOf([&] { RecordFile::Open(dir_ / "no_such_folder" / "Quorvel1.dat", 4395); }), err::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { RecordFile::OpenReadOnly(dir_ / "Castle.sav", 1113); }), err::kFileNotFound);
  EXPECT_FALSE(fs::exists(dir_ / "Castle.sav"));
  EXPECT_EQ(ErrorOf([] { RecordFile::Open("", 908); }), err::kBadFileName);
  EXPECT_EQ(ErrorOf([&] { RecordFile::Open(dir_, 908); }), err::kPathFileAccess);
}

// The solver forks a player into copies that read the one open data file
// at once: no copy may move the place another reads from.
TEST_F(RecordFileTest, ForkedCopiesReadTheOneOpenFileSideBySide) {
  WriteFile("Quorvel1.dat", std::string(100, 'a') + std::string(100, 'b'));
  auto file = RecordFile::OpenReadOnly(dir_ / "Quorvel1.dat", 100);
  constexpr int kReads = 200000;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (int i = 0; i < kReads; ++i) {
      if (file.ReadRaw(2) != std::string(100, 'b')) _exit(1);
    }
    _exit(0);
  }
  int wrong = 0;
  for (int i = 0; i < kReads; ++i) wrong += file.ReadRaw(1) != std::string(100, 'a');
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(wrong, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace qvl::data
