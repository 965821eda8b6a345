// The main menu reaches the real window before its music starts: a game
// whose menu music is MIDI, played in real time on a recording screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/startup.h"
#include "game/player.h"
#include "media/media_set.h"
#include "platform/headless_dialogs.h"
#include "platform/screen_output.h"

namespace qvl {
namespace {

// A window that only tells when a screen is shown.
class RecordingScreen : public ScreenOutput {
 public:
  explicit RecordingScreen(std::function<void()> on_present) : on_present_(std::move(on_present)) {}
  void Present(const Image&, const std::vector<ScreenArea>&) override { on_present_(); }
  int RefreshRate() const override { return 1000; }
  void SetPointer(const Image&, int, int) override {}
  std::optional<InputEvent> NextInput(int timeout_ms) override {
    if (timeout_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeout_ms, 20)));
    return std::nullopt;
  }
  void SetFullscreen(bool) override {}
  bool IsFullscreen() const override { return false; }
  void SetTitle(const std::string&) override {}
  void Minimise() override {}

 private:
  std::function<void()> on_present_;
};

TEST(MenuFirstFrame, TheMenuIsShownBeforeItsMidiMusicIsLoaded) {
  std::vector<std::string> events;
  Player* player = nullptr;
  auto screen = std::make_unique<RecordingScreen>([&] {
    const bool menu = player != nullptr && player->windows.main_menu.window.visible();
    events.push_back(menu ? "menu shown" : "screen shown");
  });
  auto runtime = ui::Runtime::MakeReal(
      std::move(screen), std::make_unique<QueuedMessageBoxes>([](const std::string&, const std::string&, MsgAnswer) {}),
      std::make_unique<MemoryClipboard>(), {});
  PlayerSetup setup;
  setup.program = std::string(QVL_TEST_GAMES_DIR) + "/media_gif/QuorvelGame";
  setup.media = MakeHeadlessMediaSet(runtime->clock(), [&](const std::string& line) {
    if (line.rfind("MUSIC midi open", 0) == 0) events.push_back("midi open");
  });
  Player p(std::move(runtime), std::move(setup));
  player = &p;
  StartProgram(p);
  const auto opened = [&] { return std::find(events.begin(), events.end(), "midi open") != events.end(); };
  p.loop().WaitUntil([&] { return opened() || p.loop().NowMs() > 20000; });
  ASSERT_TRUE(opened());
  const auto menu = std::find(events.begin(), events.end(), "menu shown");
  ASSERT_NE(menu, events.end());
  EXPECT_LT(menu, std::find(events.begin(), events.end(), "midi open"));
}

}  // namespace
}  // namespace qvl
