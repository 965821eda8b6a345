// Replacing a file whole: a write that fails under a file-size limit is an
// error with its reason, never a signal, and leaves the old file and no
// temporary file behind.
#include "platform/file_replace.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qvl {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the child found, as its exit code: 0 all as it should be.
int ReplaceUnderSizeLimit(const fs::path& target) {
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = 512;
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
  try {
    ReplaceFileContents(target, std::string(4000, 'n'));
    return 11;  // written past the limit
  } catch (const FileWriteError& error) {
    if (error.number() != err::kPathFileAccess) return 12;
    if (error.reason() != "the file is too large for this system") return 13;
  }
  if (ReadAll(target) != "old save") return 14;
  for (const auto& entry : fs::directory_iterator(target.parent_path())) {
    if (entry.path() != target) return 15;  // a leftover
  }
  return 0;
}

TEST(FileReplace, AFileSizeLimitIsAnErrorThatLeavesTheOldFileAlone) {
  const fs::path folder = fs::temp_directory_path() / ("qvl_replace_" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path target = folder / "Castle.sav";
  std::ofstream(target, std::ios::binary) << "old save";

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(ReplaceUnderSizeLimit(target));
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);

  ReplaceFileContents(target, "new save");
  EXPECT_EQ(ReadAll(target), "new save");
  fs::remove_all(folder);
}

TEST(FileReplace, AFolderThatIsNotThereIsAnError) {
  EXPECT_THROW(ReplaceFileContents("/no/such/folder/x.sav", "bytes"), FileWriteError);
}

}  // namespace
}  // namespace qvl
