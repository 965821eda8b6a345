// A Player on the media test game, headless in virtual time, with every
// media request, notify-log line and message box written down in order as
// `qvl run --trace` writes them. The game is not started: tests call the
// media procedures as the game's other parts do.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/player.h"
#include "ui/runtime.h"

namespace qvl::testing {

class MediaGame {
 public:
  MediaGame() {
    auto runtime = ui::Runtime::MakeHeadless({}, [this](const std::string& title, const std::string& text, MsgAnswer) {
      lines_.push_back("MSGBOX " + title + " | " + text);
    });
    PlayerSetup setup;
    setup.program = std::string(QVL_TEST_GAMES_DIR) + "/media/QuorvelGame";
    setup.media = MakeHeadlessMediaSet(runtime->clock(), [this](const std::string& line) { lines_.push_back(line); });
    setup.on_log = [this](const std::string& line) { lines_.push_back("LOG " + line); };
    player_ = std::make_unique<Player>(std::move(runtime), std::move(setup));
    p().music.MusicOn = true;  // as start-up leaves it
  }

  Player& p() { return *player_; }

  // The notify log on, and with `build_debug` its detailed sound lines too.
  void LogOn(bool build_debug) {
    p().game.NotifyLogOn = true;
    p().game.BuildDebugOn = build_debug;
  }

  // Lets `ms` milliseconds of virtual time pass, every timer firing on time.
  void Wait(int64_t ms) {
    ui::EventLoop& loop = p().loop();
    const int64_t until = loop.NowMs() + ms;
    loop.DoEvents();
    while (loop.NowMs() < until) {
      loop.PassTime(until);
      loop.DoEvents();
    }
  }

  // The lines written since the last call.
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(lines_);
    return taken;
  }

 private:
  std::vector<std::string> lines_;
  std::unique_ptr<Player> player_;
};

}  // namespace qvl::testing
