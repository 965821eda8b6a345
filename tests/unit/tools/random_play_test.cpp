// Random play: random valid games (scenes joined by arrows and Links,
// objects of every visible kind, items, hidden rules on flags) played by
// random person-like scripts (clicks anywhere, waits, keys, the menus),
// many steps each. Whatever happens, the player ends with a transcript:
// no crash, no hang, no run-time error that escapes. `make test` plays a
// few games; `make sanitize` many more (QVL_RANDOM_PLAY_GAMES).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/script_host.h"
#include "tools/game_format.h"
#include "tools/play_script.h"
#include "tools/script_runner.h"

namespace qvl::tools {
namespace {

namespace fs = std::filesystem;

class Dice {
 public:
  explicit Dice(unsigned seed) : rng_(seed) {}
  int operator()(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return (*this)(1, 100) <= percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<size_t>((*this)(0, static_cast<int>(from.size()) - 1))];
  }

 private:
  std::mt19937 rng_;
};

const std::vector<std::string> kPictures = {"bell.gif", "clock.gif", "door.gif", "lever.gif", "rod.gif",
                                            "stick.gif", "string.gif", "gone.gif"};
const std::vector<std::string> kKinds = {"Ambient", "Link", "Goodie", "Switch", "Reactor", "Responder", "Delay"};

std::string Condition(Dice& dice, const std::string& prefix) {
  std::ostringstream out;
  out << prefix << "_flag = " << dice(1, 12) << "\n"
      << prefix << "_op = " << dice(0, 3) << "\n"
      << prefix << "_value = " << dice(-1, 3) << "\n";
  return out.str();
}

std::string FlagAction(Dice& dice, const std::string& sets) {
  std::ostringstream out;
  out << sets << " = 1\nflag = " << dice(1, 12) << "\nflag_value = " << dice(-2, 3) << "\nflag_mode = " << dice(0, 1)
      << "\n";
  return out.str();
}

std::string RandomObject(Dice& dice, int slot, int scenes) {
  const std::string& kind = dice.Pick(kKinds);
  std::ostringstream out;
  out << "\n[[scene.object]]\nslot = " << slot << "\nkind = \"" << kind << "\"\nleft = " << dice(0, 700)
      << "\ntop = " << dice(0, 450) << "\n";
  const bool visible = kind == "Ambient" || kind == "Link" || kind == "Goodie" || kind == "Switch" || kind == "Reactor";
  if (visible) {
    out << "picture = \"" << dice.Pick(kPictures) << "\"\n";
    out << "show_mode = " << dice(0, 2) << "\n" << Condition(dice, "show");
  }
  if (kind == "Ambient") {
    out << "animation_mode = " << dice(1, 3) << "\n";
    if (dice.Chance(30)) out << "sound = \"drip.wav\"\nsound_volume = 50\n";
  } else if (kind == "Link") {
    out << "destination_scene = " << dice(0, scenes) << "\nafter_click = " << dice(0, 2) << "\n";
    if (dice.Chance(40)) out << FlagAction(dice, "sets_flag");
  } else if (kind == "Goodie") {
    out << "gives_item = " << dice(1, 3) << "\n" << FlagAction(dice, "sets_flag");
    if (dice.Chance(30)) out << "requires_item = 1\nrequired_item = " << dice(1, 3) << "\n";
  } else if (kind == "Switch") {
    out << "flag = " << dice(1, 12) << "\non_value = " << dice(1, 3) << "\n";
  } else if (kind == "Reactor") {
    out << "action = " << dice(1, 5) << "\n" << FlagAction(dice, "sets_flag");
  } else if (kind == "Responder") {
    out << "trigger = 1\n" << Condition(dice, "condition") << FlagAction(dice, "sets_flag");
    if (dice.Chance(20)) out << "changes_scene = 1\ndestination_scene = " << dice(1, scenes) << "\n";
    if (dice.Chance(20)) out << "adds_item = 1\nitem = " << dice(1, 3) << "\n";
  } else if (kind == "Delay") {
    out << Condition(dice, "condition") << "seconds = " << dice(0, 5) << "\nflag = " << dice(1, 12)
        << "\nflag_value = " << dice(0, 3) << "\n";
  }
  return out.str();
}

std::string RandomGame(Dice& dice) {
  std::ostringstream out;
  out << "[general]\ngame_title = \"Random Game\"\nstandard_skin = 1\n"
      << "skin1 = \"300/130\"\nskin2 = \"300/200\"\nskin3 = \"300/270\"\nskin4 = \"300/340\"\nskin5 = \"300/410\"\n"
      << "skin6 = \"50/10\"\nskin8 = \"50/548\"\nskin7 = \"140/548\"\nskin10 = \"230/548\"\nskin9 = \"560/548\"\n"
      << "skin11 = \"50/490\"\nmenu_button2 = 1\nmenu_button3 = 1\nmenu_button5 = 1\n"
      << "main_menu_button_on = 1\nsave_button_on = 1\nsave_load_on = 1\nexamine_on = " << dice(0, 1) << "\n"
      << "score_on = 1\nscore_flag = 12\nmax_score = 10\n";
  for (int item = 1; item <= 3; ++item) {
    out << "\n[[item]]\nrecord = " << item << "\nicon_picture = \"" << dice.Pick(kPictures)
        << "\"\npointer_picture = \"stick.gif\"\ncaption = \"Thing " << item << "\"\n";
    if (dice.Chance(30)) out << "start_in_inventory = 1\n";
    if (dice.Chance(30)) out << "combinable = 1\ncombine_partner = " << dice(1, 3) << "\ncombine_result = " << dice(1, 3) << "\n";
  }
  const int scenes = dice(1, 4);
  for (int scene = 1; scene <= scenes; ++scene) {
    out << "\n[[scene]]\nrecord = " << scene << "\nscene_label = \"Room " << scene << "\"\nscene_picture = \"hall.bmp\"\n"
        << "right_link_scene = " << dice(0, scenes) << "\nright_link_top = 280\nright_link_left = 660\n"
        << "right_link_width = 40\nright_link_height = 40\n";
    if (dice.Chance(30)) out << "entry_flag_on = 1\nentry_flag = " << dice(1, 12) << "\nentry_flag_value = 1\n";
    // Objects in slots one after another, with gaps.
    for (int slot = dice(1, 4); slot <= 20; slot += dice(1, 4)) out << RandomObject(dice, slot, scenes);
  }
  return out.str();
}

// A person at the keyboard: clicks anywhere, waits, presses keys, now and
// then opens the save dialog or goes back to the menu.
std::string RandomScript(Dice& dice, int steps) {
  std::ostringstream out;
  out << "wait 3000\nclick MainMenu.Buttn(2)\nready 120000\n";
  for (int step = 0; step < steps; ++step) {
    const int roll = dice(1, 100);
    if (roll <= 55) {
      out << "click " << dice(0, 799) << " " << dice(0, 599) << "\n";
    } else if (roll <= 65) {
      out << "rclick " << dice(0, 799) << " " << dice(0, 599) << "\n";
    } else if (roll <= 75) {
      out << "move " << dice(0, 799) << " " << dice(0, 599) << "\n";
    } else if (roll <= 85) {
      out << "wait " << dice(1, 3000) << "\n";
    } else if (roll <= 90) {
      out << "key " << dice.Pick(std::vector<std::string>{"Escape", "F1", "Enter", "Tab", "A", "7"}) << "\n";
    } else if (roll <= 93) {
      out << "type DEBUG\n";
    } else {
      out << "answer " << dice.Pick(std::vector<std::string>{"OK", "Yes", "No", "Cancel"}) << "\n";
    }
    if (dice.Chance(50)) out << "ready 120000\n";
  }
  out << "state\n";
  return out.str();
}

int GamesToPlay() {
  const char* games = std::getenv("QVL_RANDOM_PLAY_GAMES");
  return games != nullptr ? std::max(1, std::atoi(games)) : 4;
}

TEST(RandomPlay, RandomGamesPlayedByRandomPeopleNeverCrashOrHang) {
  const fs::path folder = fs::temp_directory_path() / ("qvl_random_play_" + std::to_string(getpid()));
  const fs::path resources = fs::path(QVL_TEST_SOURCE_DIR) / "games" / "basic";
  for (int game = 1; game <= GamesToPlay(); ++game) {
    Dice dice(static_cast<unsigned>(game));
    const std::string toml = RandomGame(dice);
    const std::string script = RandomScript(dice, 150);
    fs::remove_all(folder);
    WriteGameFolder(ParseGame(toml, "random.toml"), folder);
    CopyGameResources(resources, folder);

    std::ostringstream out;
    std::ostringstream err;
    const int status = RunScript(
        ParseScript(script), [&](const HostHooks& hooks) { return MakeGameHost(folder, hooks); }, {}, out, err);
    // The script only clicks places, never controls by name (but the
    // menu's first button), so it plays to its last line, whose STATE line
    // ends the transcript, unless the person quit the program (END).
    const std::string transcript = out.str();
    const size_t last_line = transcript.rfind('\n', transcript.size() - 2) + 1;
    const bool played_out = transcript.compare(last_line, 7, "STATE {") == 0 || transcript.substr(last_line) == "END\n";
    EXPECT_TRUE(status == run_exit::kPassed && played_out)
        << "game " << game << " ended with " << status << ": " << err.str() << "\n--- game.toml\n"
        << toml << "\n--- script\n" << script << "\n--- transcript\n" << transcript;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qvl::tools
