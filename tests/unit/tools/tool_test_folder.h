// A folder of its own for each test of the author's tool, removed after
// the test, with the helpers that write game texts and files into it, read
// them back and run `qvl` itself.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qvl::tools {

class ToolFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("qvl_tool_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static void Write(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Runs `qvl ARGS` through the shell; its exit status as system() gives it.
  static int Run(const std::string& args) { return std::system((std::string(QVL_TOOL_PATH) + " " + args).c_str()); }

  std::filesystem::path dir_;
};

}  // namespace qvl::tools
