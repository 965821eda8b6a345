// A game folder made on the spot for a Player under test, with the general
// settings it is given, and a Player on it in virtual time whose message
// boxes are written down.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "data/gen_rec.h"
#include "game/player.h"
#include "platform/drives.h"
#include "ui/runtime.h"

namespace qvl::testing {

// A mount table of our own: a fake CD-ROM and the like. The label of a
// mount may change after some reads, as a disc that is swapped.
class FakeDrives : public DriveTable {
 public:
  std::vector<Mount> mounts;
  std::map<std::string, std::vector<std::string>> labels;  // point → labels read one after another
  mutable int label_reads = 0;

  std::vector<Mount> Mounts() const override { return mounts; }
  std::optional<std::string> VolumeLabel(const Mount& mount) const override {
    auto it = labels.find(mount.point);
    if (it == labels.end() || it->second.empty()) return std::nullopt;
    const auto& seq = it->second;
    const size_t i = std::min(static_cast<size_t>(label_reads++), seq.size() - 1);
    return seq[i];
  }
};

// A folder in the temporary folder, removed with the object.
class GameFolder {
 public:
  GameFolder() {
    dir_ = std::filesystem::temp_directory_path() /
           ("qvl-player-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "resource" / "gfx");
    std::filesystem::create_directories(dir_ / "resource" / "mmedia");
  }
  ~GameFolder() {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }
  const std::filesystem::path& dir() const { return dir_; }
  std::string Path() const { return dir_.string() + "/"; }

  // Writes the general settings; `extra` bytes make the file longer.
  void WriteSettings(const data::GenRec& gen, size_t extra = 0) const {
    std::ofstream out(dir_ / "resource" / "Quorvel4.dat", std::ios::binary);
    const std::string bytes = gen.Encode() + std::string(extra, ' ');
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void WriteFile(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((dir_ / relative).parent_path());
    std::ofstream out(dir_ / relative, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void CopyIn(const std::filesystem::path& from, const std::string& relative) const {
    std::filesystem::copy_file(from, dir_ / relative, std::filesystem::copy_options::overwrite_existing);
  }

 private:
  std::filesystem::path dir_;
};

// A Player on a folder, headless, on a screen of the given size.
struct TestPlayer {
  std::vector<std::string> boxes;  // "title | text" of every message box shown
  // Runs as each message box is answered: a person acting before pressing
  // OK (swapping a disc, say).
  std::function<void()> on_box;
  std::unique_ptr<Player> player;

  explicit TestPlayer(const std::filesystem::path& folder, ui::ScreenMetrics screen = {1024, 768},
                      std::unique_ptr<DriveTable> drives = {}, const std::string& program_name = "TestGame") {
    auto runtime = ui::Runtime::MakeHeadless(screen, [this](const std::string& title, const std::string& text,
                                                            MsgAnswer) {
      boxes.push_back(title + " | " + text);
      if (on_box) on_box();
    });
    PlayerSetup setup;
    setup.program = folder / program_name;
    setup.development_folder = folder.string();
    setup.drives = std::move(drives);
    if (!setup.drives) {
      auto fake = std::make_unique<FakeDrives>();
      fake->mounts.push_back({"/", "ext4", "/dev/sda1"});
      setup.drives = std::move(fake);
    }
    setup.media = MakeHeadlessMediaSet(runtime->clock(), {});
    player = std::make_unique<Player>(std::move(runtime), std::move(setup));
  }

  Player& p() { return *player; }

  // Starts the program and lets virtual time run until `until_ms` or the
  // program's end.
  void StartAndRun(int64_t until_ms) {
    try {
      StartProgram(*player);
      RunTo(until_ms);
    } catch (const ui::ProgramEnded&) {
    }
  }
  void RunTo(int64_t until_ms) {
    try {
      ui::EventLoop& loop = player->loop();
      while (loop.NowMs() < until_ms && !player->ended) {
        if (!loop.DoEvents()) loop.PassTime(until_ms);
      }
      while (!player->ended && loop.DoEvents()) {
      }
    } catch (const ui::ProgramEnded&) {
    }
  }
  bool MenuShows() { return player->windows.main_menu.window.visible(); }
};

}  // namespace qvl::testing
