// Scripted play through the runner: every command and exit status of
// `qvl run`, on a small program whose handlers wait like the game's.
#include "tools/script_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "platform/picture_files.h"
#include "tools/script_commands.h"
#include "test_host.h"

namespace qvl::tools {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome Play(const std::string& script, RunOptions options = {}) {
  Outcome outcome;
  std::ostringstream out, err;
  std::vector<ScriptCommand> commands;
  try {
    commands = ParseScript(script);
  } catch (const ScriptSyntaxError& error) {
    ADD_FAILURE() << "script does not parse: line " << error.line() << ": " << error.what();
    return outcome;
  }
  outcome.status = RunScript(
      commands, [](const HostHooks& hooks) { return std::make_unique<testing::TestHost>(hooks); }, options, out,
      err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

constexpr const char* kStartLines = "LOG Starting\nLOG MainMenu activated\nLOG Menu shown\n";

TEST(ScriptRunner, StartsTheProgramAndAnswersWindowQueries) {
  auto run = Play(
      "ready\n"
      "expect window MainMenu true\n"
      "expect window Dialog false\n"
      "expect caption MainMenu.Title Welcome\n"
      "expect caption MainMenu \"Main Menu\"\n"
      "expect visible MainMenu.Secret false\n"
      "expect visible MainMenu.Buttn(3) true\n"
      "expect visible Dialog.ButtnOK false\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kStartLines);
}

TEST(ScriptRunner, StateAndWaitShowVirtualTime) {
  auto run = Play(
      "state\n"        // the script acts during the 1200 ms splash wait
      "ready\n"
      "state\n"
      "wait 500\n"
      "state\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "LOG Starting\n"
            "STATE {\"time\":0,\"active\":null,\"windows\":[],\"music\":\"on\",\"flag1\":0}\n"
            "LOG MainMenu activated\nLOG Menu shown\n"
            "STATE {\"time\":1200,\"active\":\"MainMenu\",\"windows\":[\"MainMenu\"],\"music\":\"on\",\"flag1\":0}\n"
            "STATE {\"time\":1700,\"active\":\"MainMenu\",\"windows\":[\"MainMenu\"],\"music\":\"on\",\"flag1\":0}\n");
}

TEST(ScriptRunner, AClickIsHandledWhileAnotherHandlerWaits) {
  auto run = Play(
      "ready\n"
      "click MainMenu.Buttn(1)\n"  // waits 700 ms under the busy pointer
      "wait 100\n"
      "expect pointer 14\n"
      "click MainMenu.Buttn(4)\n"  // runs to its end inside that wait
      "expect flag 1 0\n"
      "ready\n"
      "expect flag 1 1\n"
      "expect pointer 13\n"
      "state\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "LOG Over button 1\nLOG Button 1 clicked\nLOG Button 4 clicked\nLOG Button 1 done\n"
                         "STATE {\"time\":1900,\"active\":\"MainMenu\",\"windows\":[\"MainMenu\"],"
                         "\"music\":\"on\",\"flag1\":1}\n");
}

TEST(ScriptRunner, ReadyWaitsForTheBusyPointerAndGivesUp) {
  auto run = Play(
      "ready\n"
      "click MainMenu.Buttn(1)\n"
      "ready 500\n"  // the handler needs 700 ms
      "expect flag 1 1\n");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, std::string(kStartLines) + "LOG Over button 1\nLOG Button 1 clicked\n");
  EXPECT_EQ(run.err, "qvl run: line 3: ready gave up after 500 ms\n");
}

TEST(ScriptRunner, AModalDialogBlocksTheWindowBehindIt) {
  auto run = Play(
      "ready\n"
      "click MainMenu.Buttn(2)\n"
      "ready\n"  // a modal window's wait takes input
      "expect window Dialog true\n"
      "click MainMenu.Buttn(4)\n"  // behind the dialog: nothing happens
      "key F1\n"                   // keys go to the dialog, not the menu
      "expect music on\n"
      "click Dialog.ButtnOK\n"
      "ready\n"
      "expect window Dialog false\n"
      "click MainMenu.Buttn(4)\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "LOG Opening dialog\nLOG OK pressed\nLOG MainMenu activated\nLOG Dialog closed\n"
                         "LOG Button 4 clicked\n");
}

TEST(ScriptRunner, MessageBoxesTakeQueuedAnswersAndTheEndStopsTheScript) {
  auto run = Play(
      "ready\n"
      "answer No\n"
      "click MainMenu.Buttn(3)\n"
      "click MainMenu.Buttn(3)\n"  // no answer queued: the first button, Yes
      "expect flag 1 99\n");       // never runs: the program has ended
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "MSGBOX Test | Quit now?\\nReally? -> No\n"
                         "MSGBOX Test | Quit now?\\nReally? -> Yes\n"
                         "LOG Bye\nEND\n");
}

TEST(ScriptRunner, AFailedExpectationIsReportedAndTheScriptGoesOn) {
  auto run = Play(
      "ready\n"
      "expect flag 1 3\n"
      "expect caption MainMenu.Title Goodbye\n"
      "expect log \"Menu shown\"\n"
      "expect log \"Menu shown\"\n"  // only lines written since the last `expect log` count
      "key F1\n"
      "expect music off\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "FAIL 2: flag 1 expected 3 got 0\n"
                         "FAIL 3: caption MainMenu.Title expected Goodbye got Welcome\n"
                         "FAIL 5: log expected Menu shown got -\n"
                         "LOG Music off\n");
}

TEST(ScriptRunner, HangsEndTheRunWithStatusThree) {
  // A wait that nothing can end: `ready` knows at once.
  auto ready = Play("ready\nclick MainMenu.Buttn(5)\nready 100000\n");
  EXPECT_EQ(ready.status, 3);
  EXPECT_EQ(ready.out, std::string(kStartLines) + "LOG Waiting forever\n");
  EXPECT_EQ(ready.err,
            "qvl run: line 3: the player can never become ready: it waits for something that nothing can bring\n");

  // The same found when the script runs out.
  auto eof = Play("ready\nclick MainMenu.Buttn(5)\n");
  EXPECT_EQ(eof.status, 3);
  EXPECT_NE(eof.err.find("the player hung"), std::string::npos) << eof.err;

  // Time may still pass inside such a wait when the script asks for it.
  auto waits = Play("ready\nclick MainMenu.Buttn(5)\nwait 1000\nstate\nclick MainMenu.Buttn(4)\nwait 10\n");
  EXPECT_EQ(waits.status, 3);
  EXPECT_NE(waits.out.find("\"time\":2200"), std::string::npos) << waits.out;
  EXPECT_NE(waits.out.find("LOG Button 4 clicked"), std::string::npos) << waits.out;
}

TEST(ScriptRunner, BadTargetsAndQueriesAreStatusTwo) {
  struct Case {
    const char* line;
    const char* message;
  };
  for (const Case& c : {Case{"click MainMenu.Nothing", "no control \"MainMenu.Nothing\""},
                        Case{"click Nowhere.Buttn(1)", "no window \"Nowhere\""},
                        Case{"click MainMenu.Secret", "MainMenu.Secret is not shown"},
                        Case{"click MainMenu", "\"MainMenu\" is not a control (Window.Control)"},
                        Case{"expect colour MainMenu 1", "unknown query \"colour MainMenu\""},
                        Case{"fill MainMenu.Title x", "MainMenu.Title is not a text box"},
                        Case{"choose MainMenu.Files omega", "MainMenu.Files has no entry \"omega\""}}) {
    auto run = Play(std::string("ready\n") + c.line + "\n");
    EXPECT_EQ(run.status, 2) << c.line;
    EXPECT_EQ(run.err, std::string("qvl run: line 2: ") + c.message + "\n") << c.line;
  }
}

TEST(ScriptRunner, AClickGoesToTheFirstUncoveredPointOrToTheCover) {
  auto partly = Play("ready\nkey C\nclick MainMenu.Buttn(4)\n");
  EXPECT_EQ(partly.status, 0) << partly.err;
  EXPECT_EQ(partly.out, std::string(kStartLines) + "LOG Button 4 clicked\n");

  auto fully = Play("ready\nkey V\nclick MainMenu.Buttn(4)\n");
  EXPECT_EQ(fully.status, 0) << fully.err;
  EXPECT_EQ(fully.out, std::string(kStartLines) + "LOG Cover clicked\n");
}

TEST(ScriptRunner, PointsMovesAndTheRightButton) {
  auto run = Play(
      "ready\n"
      "move 10 10\n"
      "move MainMenu.Buttn(1)\n"
      "move 100 60\n"  // still over button 1: no new hover
      "move 10 10\n"
      "click 100 70\n"
      "rclick MainMenu.Buttn(4)\n");  // mouse down with the right button, but no click
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "LOG Over button 1\nLOG Over button 1\nLOG Button 1 clicked\n"
                         "LOG Right button down on 4\n");
}

TEST(ScriptRunner, TypingFillingAndKeys) {
  auto run = Play(
      "ready\n"
      "fill MainMenu.Name \"Jo Smith99\"\n"  // the box takes 8 characters
      "expect caption MainMenu.Name \"Jo Smith\"\n"
      "key Backspace\n"
      "key Backspace\n"
      "type \"ers\"\n"  // the last key finds the box full
      "expect caption MainMenu.Name \"Jo Smier\"\n"
      "fill MainMenu.Name \"\\\"Q\\\\\"\n"
      "expect caption MainMenu.Name \"\\\"Q\\\\\"\n"
      "key F1\n"
      "expect music off\n");
  EXPECT_EQ(run.status, 0) << run.err << run.out;
  EXPECT_EQ(run.out, std::string(kStartLines) + "LOG Music off\n");
}

TEST(ScriptRunner, ChoosingListEntriesScrollsAndDoubleClicks) {
  auto run = Play(
      "ready\n"
      "choose MainMenu.Files zeta\n"  // below the four entries in view
      "expect caption MainMenu.Files zeta\n"
      "wait 1000\n"
      "choose MainMenu.Files beta\n"
      "choose MainMenu.Files beta\n");  // again at once: a double click
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) + "LOG Chose zeta\nLOG Chose beta\nLOG Opened beta\n");
}

TEST(ScriptRunner, TraceLinesOnlyWithTrace) {
  auto quiet = Play("ready\nkey S\nkey F1\n");
  EXPECT_EQ(quiet.out, std::string(kStartLines) + "LOG Music off\n");
  RunOptions options;
  options.trace = true;
  auto traced = Play("ready\nkey S\nkey F1\n", options);
  EXPECT_EQ(traced.out, std::string(kStartLines) + "SOUND play ch=18 file=click.wav loop=0\nLOG Music off\n");
}

TEST(ScriptRunner, ShotWritesThePngOfTheScreen) {
  const auto dir = std::filesystem::temp_directory_path() / "qvl_runner_shots";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  RunOptions options;
  options.shots_dir = dir;
  auto run = Play("ready\nshot menu.png\n", options);
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream png(dir / "menu.png", std::ios::binary);
  PictureRef shot = DecodeBuiltinPicture(
      std::vector<uint8_t>((std::istreambuf_iterator<char>(png)), std::istreambuf_iterator<char>()));
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->width, 800);
  EXPECT_EQ(shot->height, 600);
  // Buttn(1) is a blue picture at 50, 50.
  EXPECT_EQ(shot->frames[0].image.At(100, 70) & 0xFFFFFF, 0x0000FFu);

  auto unwritable = Play("ready\nshot no/such/folder/x.png\n", options);
  EXPECT_EQ(unwritable.status, 2);
  std::filesystem::remove_all(dir);
}

// The same script in real time on a window (SDL's dummy driver when there
// is no display): what happens is the same, only time is real.
TEST(ScriptRunner, RealTimeOnAWindow) {
  if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "dummy", 1);
  RunOptions options;
  options.real_time = true;
  auto run = Play(
      "ready 10000\n"
      "click MainMenu.Buttn(2)\n"
      "ready 10000\n"
      "click Dialog.ButtnOK\n"
      "wait 20\n"
      "answer No\n"
      "click MainMenu.Buttn(3)\n"
      "wait 20\n"
      "expect window Dialog false\n",
      options);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kStartLines) +
                         "LOG Opening dialog\nLOG OK pressed\nLOG MainMenu activated\nLOG Dialog closed\n"
                         "MSGBOX Test | Quit now?\\nReally? -> No\n");
}

TEST(ScriptRunner, AFolderWithoutAGameIsStatusTwo) {
  std::ostringstream out, err;
  const auto status = RunScript(
      {}, [](const HostHooks&) -> std::unique_ptr<ScriptHost> { throw HostError("no game in /nowhere"); }, {}, out,
      err);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err.str(), "qvl run: no game in /nowhere\n");
}

// The command line itself: `qvl run` on folders without a game, and on a
// script with a bad line, which is found before the game is looked at.
TEST(QvlRun, CommandLineStatuses) {
  const auto dir = std::filesystem::temp_directory_path() / "qvl_run_cli";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "empty");
  std::ofstream(dir / "good.qvs") << "ready\n";
  std::ofstream(dir / "bad.qvs") << "ready\nclick\n";
  auto run = [&](const std::string& args) {
    const std::string command = std::string(QVL_TOOL_PATH) + " run " + args + " > " + (dir / "out").string() + " 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(dir / "out");
    std::stringstream text;
    text << in.rdbuf();
    return std::make_pair(WEXITSTATUS(status), text.str());
  };
  EXPECT_EQ(run((dir / "empty").string() + " " + (dir / "good.qvs").string()),
            std::make_pair(2, "qvl run: no game in " + (dir / "empty").string() + " (resource/Quorvel4.dat is missing)\n"));
  EXPECT_EQ(run((dir / "none").string() + " " + (dir / "good.qvs").string()),
            std::make_pair(2, "qvl run: no game folder " + (dir / "none").string() + "\n"));
  EXPECT_EQ(run((dir / "empty").string() + " " + (dir / "bad.qvs").string()),
            std::make_pair(2, std::string("qvl run: line 2: click takes a target or a point X Y\n")));
  EXPECT_EQ(run((dir / "empty").string() + " " + (dir / "missing.qvs").string()).first, 2);
  std::filesystem::remove_all(dir);
}

TEST(PlayScript, TokensCommentsAndQuotes) {
  EXPECT_EQ(SplitScriptLine("click  MainMenu.Buttn(2)   # the new game", 1),
            (std::vector<std::string>{"click", "MainMenu.Buttn(2)"}));
  EXPECT_EQ(SplitScriptLine(R"(expect log "Say \"hi\" # not a comment \\ ok")", 1),
            (std::vector<std::string>{"expect", "log", R"(Say "hi" # not a comment \ ok)"}));
  EXPECT_EQ(SplitScriptLine(R"(type "")", 1), (std::vector<std::string>{"type", ""}));
  EXPECT_THROW(SplitScriptLine(R"(type "open)", 4), ScriptSyntaxError);
}

TEST(PlayScript, BadLinesAreFoundBeforeAnythingRuns) {
  const std::pair<const char*, const char*> bad_lines[] = {
      {"jump 3", "unknown command \"jump\""},
      {"wait", "wait takes a number of milliseconds"},
      {"wait soon", "wait takes a number of milliseconds"},
      {"wait -5", "wait takes a number of milliseconds"},
      {"ready 1 2", "ready takes at most a number of milliseconds"},
      {"click", "click takes a target or a point X Y"},
      {"click 1 2 3", "click takes a target or a point X Y"},
      {"move 1 Main.Block", "move takes a target or a point X Y"},
      {"key Hyper", "key takes a key name such as Escape, F1, Enter, A, Shift+Tab or Ctrl+C"},
      {"key F13", "key takes a key name such as Escape, F1, Enter, A, Shift+Tab or Ctrl+C"},
      {"window shake", "window takes minimize, restore, maximize, focus-lost or focus-gained"},
      {"type two words", "type takes one text (quote it when it has blanks)"},
      {"choose MapWindow.List", "choose takes a target and a text"},
      {"answer Maybe", "answer takes OK, Yes, No or Cancel"},
      {"expect flag", "expect takes a query and a value"},
      {"expect log a b", "expect log takes one text (quote it when it has blanks)"},
      {"state now", "state takes nothing"},
      {"shot", "shot takes a file name"},
  };
  for (const auto& [line, message] : bad_lines) {
    try {
      ParseScript(std::string("ready\n# comment\n\n") + line + "\n");
      ADD_FAILURE() << "accepted: " << line;
    } catch (const ScriptSyntaxError& error) {
      EXPECT_EQ(error.line(), 4) << line;
      EXPECT_EQ(error.what(), std::string(message)) << line;
    }
  }
  auto commands = ParseScript("WAIT 5\n  key f12 # help\nanswer yes\n");
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].name, "wait");
  EXPECT_EQ(commands[1].line, 2);
  EXPECT_EQ(KeyCodeOfName("f12"), keys::kF1 + 11);
  EXPECT_EQ(KeyCodeOfName("q"), 'Q');
}

// Every command of the table has its row in the guide's command table,
// and every row there is a command.
TEST(PlayScript, TheGuideListsEveryCommand) {
  std::ifstream guide(std::string(QVL_TEST_SOURCE_DIR) + "/../docs/play-scripts.md");
  ASSERT_TRUE(guide) << "docs/play-scripts.md cannot be read";
  std::set<std::string> documented;
  bool in_table = false;
  for (std::string line; std::getline(guide, line);) {
    if (line.starts_with("| command |")) in_table = true;
    if (in_table && !line.starts_with("|")) break;
    if (in_table && line.starts_with("| `")) documented.insert(line.substr(3, line.find_first_of(" `", 3) - 3));
  }
  std::set<std::string> commands;
  for (const ScriptCommandEntry& command : ScriptCommands()) commands.emplace(command.name);
  EXPECT_EQ(documented, commands);
}

}  // namespace
}  // namespace qvl::tools
