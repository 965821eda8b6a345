// The notify log window: lines reach the log's listener, a log that
// cannot take another line says so and starts empty, copying to the
// clipboard, and the expand button.
#include <gtest/gtest.h>

#include "game/notify_log.h"
#include "player_test_support.h"
#include "platform/runtime_error.h"
#include "shell/notify.h"

namespace qvl::testing {
namespace {

TEST(NotifyLog, LinesGoToTheListAndToTheListener) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  std::vector<std::string> heard;
  t.p().on_log = [&heard](const std::string& line) { heard.push_back(line); };
  Notify(t.p(), "Scene # 1 loaded");
  Notify(t.p(), "second");
  const ui::ListBox& list = t.p().windows.notify.List1;
  EXPECT_EQ(list.items(), (std::vector<std::string>{"Scene # 1 loaded", "second"}));
  EXPECT_EQ(list.list_index(), 1) << "the newest line is selected";
  EXPECT_EQ(heard, list.items());
}

TEST(NotifyLog, AFullLogReportsTheFailureAndStartsAgainEmpty) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  for (int i = 0; i < 32767; ++i) Notify(t.p(), "line");
  EXPECT_TRUE(t.boxes.empty());
  Notify(t.p(), "one too many");
  ASSERT_EQ(t.boxes.size(), 1u);
  EXPECT_EQ(t.boxes[0],
            "QuorvelPlayer | An error has occured with the Notify Window.\rError # 7 : Out of memory\rList Count = 32767");
  EXPECT_EQ(t.p().windows.notify.List1.ListCount(), 0);
  Notify(t.p(), "after");
  EXPECT_EQ(t.p().windows.notify.List1.ListCount(), 1);
}

TEST(NotifyLog, CopyPutsEveryLineOnTheClipboard) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  NotifyWindow& w = t.p().windows.notify;
  t.p().runtime().clipboard().SetText("old");
  w.cc.on_click({});
  EXPECT_EQ(t.p().runtime().clipboard().GetText(), "") << "an empty log copies nothing";
  Notify(t.p(), "one");
  Notify(t.p(), "caf\xE9");
  w.cc.on_click({});
  EXPECT_EQ(t.p().runtime().clipboard().GetText(), "one\ncaf\xC3\xA9\n");
}

TEST(NotifyLog, ExpandButtonTogglesAndShrinksAChangedHeight) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  NotifyWindow& w = t.p().windows.notify;
  const int full = w.window.height();
  t.p().game.BuildDebugOn = true;
  w.window.Load();
  EXPECT_FALSE(t.p().game.BuildDebugOn) << "loading the log window switches build debugging off";
  EXPECT_EQ(w.window.height(), NotifyWindow::kShrunkHeight);
  EXPECT_EQ(w.window.left(), 133);
  w.CompExp.on_click({});
  EXPECT_EQ(w.window.height(), full);
  EXPECT_EQ(w.CompExp.caption(), "Shrink Window");
  w.CompExp.on_click({});
  EXPECT_EQ(w.window.height(), NotifyWindow::kShrunkHeight);
  EXPECT_EQ(w.CompExp.caption(), "Expand Window");
  w.window.Move(w.window.left(), w.window.top(), w.window.width(), 200);
  w.CompExp.on_click({});
  EXPECT_EQ(w.window.height(), NotifyWindow::kShrunkHeight);
  EXPECT_EQ(w.CompExp.caption(), "Expand Window");
}

}  // namespace
}  // namespace qvl::testing

namespace qvl::testing {
namespace {

// A run-time error in the game window's key handler: the box keeps its
// text; the error output names the key, and the scene when one shows.
TEST(DebugWords, AKeyHandlerErrorNamesTheKeyOnTheErrorOutput) {
  GameFolder folder;
  TestPlayer t(folder.dir());
  std::vector<std::string> errors;
  t.p().runtime().on_error_output = [&errors](const std::string& line) { errors.push_back(line); };
  t.p().windows.notify.window.on_load = [] { throw RuntimeError(err::kOutOfMemory); };
  t.p().windows.main.window.Show();
  for (char c : std::string("DEBUG")) {
    InputEvent key;
    key.kind = InputKind::kKeyDown;
    key.key = c;
    t.p().runtime().windows().HandleInput(key);
  }
  EXPECT_EQ(t.boxes, (std::vector<std::string>{"QuorvelPlayer | Error in sub Form_KeyDown\r\nError #7 - Out of memory"}));
  EXPECT_EQ(errors, (std::vector<std::string>{"QuorvelPlayer: Form_KeyDown: error 7 (Out of memory): key G"}));
}

}  // namespace
}  // namespace qvl::testing
