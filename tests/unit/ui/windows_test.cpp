// Windows and controls as a screen: hit testing, input routing, focus and
// keys, text boxes, lists, timers, the display list and change marking.
#include "ui/windows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/list_box.h"
#include "ui/runtime.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qvl::ui {
namespace {

InputEvent Mouse(InputKind kind, int x, int y, MouseButton button = MouseButton::kLeft) {
  InputEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  e.button = button;
  return e;
}

InputEvent Key(int code) {
  InputEvent e;
  e.kind = InputKind::kKeyDown;
  e.key = code;
  return e;
}

InputEvent Text(const std::string& text) {
  InputEvent e;
  e.kind = InputKind::kText;
  e.text = text;
  return e;
}

struct Screen {
  std::unique_ptr<Runtime> rt = Runtime::MakeHeadless();
  Windows& windows = rt->windows();
  std::vector<std::string> log;

  void Click(int x, int y) {
    windows.HandleInput(Mouse(InputKind::kMouseDown, x, y));
    windows.HandleInput(Mouse(InputKind::kMouseUp, x, y));
  }
  void Record(Control& c) {
    const std::string name = c.name() + (c.index() ? "(" + std::to_string(c.index()) + ")" : "");
    c.on_click = [this, name](const MouseArgs& a) {
      log.push_back(name + " click " + std::to_string(a.x) + "," + std::to_string(a.y));
    };
    c.on_mouse_down = [this, name](const MouseArgs&) { log.push_back(name + " down"); };
    c.on_mouse_up = [this, name](const MouseArgs&) { log.push_back(name + " up"); };
  }
};

TEST(Windows, TheTopmostShownEnabledControlGetsTheClick) {
  Screen s;
  Window& main = s.windows.Add("Main");
  auto& scene = main.Add<PictureBox>("ScnImg");
  scene.Move(0, 0, 700, 475);
  auto& object = main.Add<ImageControl>("Animation", 3);
  object.Move(100, 100, 50, 50);
  auto& inside = main.Add<Label>("ConvText", 1);  // lies in the scene box
  inside.SetContainer(&scene);
  inside.Move(10, 400, 100, 20);
  for (Control* c : main.Controls()) s.Record(*c);
  main.Show();

  s.Click(120, 110);
  s.Click(300, 300);
  s.Click(20, 410);  // a child of the box, placed relative to it
  object.Hide();
  s.Click(120, 110);
  object.Show();
  object.SetEnabled(false);  // a disabled control swallows the click
  s.Click(120, 110);
  EXPECT_EQ(s.log, (std::vector<std::string>{"Animation(3) down", "Animation(3) up", "Animation(3) click 20,10",
                                             "ScnImg down", "ScnImg up", "ScnImg click 300,300",
                                             "ConvText(1) down", "ConvText(1) up", "ConvText(1) click 10,10",
                                             "ScnImg down", "ScnImg up", "ScnImg click 120,110"}));
  object.SetEnabled(true);
  object.ZOrder(false);  // now behind the scene box
  EXPECT_EQ(s.windows.HitTest(120, 110).control, &scene);
}

TEST(Windows, ButtonDownCapturesTheControlAndAClickNeedsBothOnIt) {
  Screen s;
  Window& w = s.windows.Add("Menu");
  auto& a = w.Add<ImageControl>("Buttn", 1);
  a.Move(0, 0, 50, 50);
  auto& b = w.Add<ImageControl>("Buttn", 2);
  b.Move(100, 0, 50, 50);
  s.Record(a);
  s.Record(b);
  w.Show();
  s.windows.HandleInput(Mouse(InputKind::kMouseDown, 10, 10));
  s.windows.HandleInput(Mouse(InputKind::kMouseUp, 110, 10));  // released over the other button
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(1) down", "Buttn(1) up"}));
}

TEST(Windows, ModalWindowsTakeAllInputAndFrontWindowsCoverOthers) {
  Screen s;
  Window& menu = s.windows.Add("MainMenu");
  auto& button = menu.Add<ImageControl>("Buttn", 1);
  button.Move(0, 0, 100, 100);
  s.Record(button);
  Window& dialog = s.windows.Add("LoadGame");
  dialog.Move(300, 300, 200, 100);
  auto& ok = dialog.Add<Button>("ButtnOK");
  ok.Move(10, 10, 50, 20);
  int modal_returned = 0;
  ok.on_click = [&](const MouseArgs&) { dialog.Hide(); };
  menu.Show();
  // While the dialog is modal, clicks on the menu are lost; its OK ends it.
  s.rt->loop().PushInput(Mouse(InputKind::kMouseDown, 50, 50));
  s.rt->loop().PushInput(Mouse(InputKind::kMouseUp, 50, 50));
  s.rt->loop().PushInput(Mouse(InputKind::kMouseDown, 320, 320));
  s.rt->loop().PushInput(Mouse(InputKind::kMouseUp, 320, 320));
  dialog.ShowModal();
  ++modal_returned;
  EXPECT_EQ(modal_returned, 1);
  EXPECT_TRUE(s.log.empty());
  EXPECT_EQ(s.windows.active(), &menu);
  s.Click(50, 50);
  EXPECT_EQ(s.log.size(), 3u);

  // A window in front covers the one behind it; always-on-top stays in front.
  dialog.Move(0, 0, 200, 200);
  dialog.Show();
  EXPECT_EQ(s.windows.HitTest(50, 50).window, &dialog);
  dialog.SetAlwaysOnTop(true);
  menu.Show();
  EXPECT_EQ(s.windows.HitTest(50, 50).window, &dialog);
  EXPECT_EQ(s.windows.BackToFront().back(), &dialog);
}

TEST(Windows, ThePointerLeavesAControlAndFindsWhatComesUnderIt) {
  Screen s;
  Window& menu = s.windows.Add("MainMenu");
  auto& one = menu.Add<ImageControl>("Buttn", 1);
  one.Move(0, 0, 100, 100);
  auto& two = menu.Add<ImageControl>("Buttn", 2);
  two.Move(100, 0, 100, 100);
  for (ImageControl* b : {&one, &two}) {
    const std::string name = "Buttn(" + std::to_string(b->index()) + ")";
    b->on_mouse_move = [&s, name](const MouseArgs&) { s.log.push_back(name + " move"); };
    b->on_mouse_leave = [&s, name] { s.log.push_back(name + " leave"); };
  }
  menu.on_mouse_move = [&s](const MouseArgs&) { s.log.push_back("menu move"); };
  Window& dialog = s.windows.Add("LoadGame");
  dialog.Move(0, 0, 300, 300);
  menu.Show();

  // Straight from one button onto the next: the first hears it first.
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 50, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 60, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 150, 50));
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(1) move", "Buttn(1) move", "Buttn(1) leave", "Buttn(2) move"}));

  // A dialog over the pointer takes it; once it goes, the button under the
  // pointer hears a move although the pointer did not move.
  s.log.clear();
  dialog.Show();
  s.rt->loop().DoEvents();
  dialog.Hide();
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(2) leave"}));
  s.rt->loop().DoEvents();
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(2) leave", "Buttn(2) move"}));

  // A button hidden under the pointer is left; the next move finds the
  // window's background.
  s.log.clear();
  two.Hide();
  s.rt->loop().DoEvents();
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 151, 50));
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(2) leave", "menu move"}));

  // While a button is held the pointer stays with it: leaving is told
  // after the release, at the next move.
  s.log.clear();
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 50, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseDown, 50, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 250, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseUp, 250, 50));
  s.windows.HandleInput(Mouse(InputKind::kMouseMove, 251, 50));
  EXPECT_EQ(s.log, (std::vector<std::string>{"Buttn(1) move", "Buttn(1) move", "Buttn(1) leave", "menu move"}));
}

TEST(Windows, ActivationFollowsShowingAndHiding) {
  Screen s;
  Window& a = s.windows.Add("MainMenu");
  Window& b = s.windows.Add("Main");
  a.on_activate = [&] { s.log.push_back("MainMenu"); };
  b.on_activate = [&] { s.log.push_back("Main"); };
  int loads = 0;
  b.on_load = [&] { ++loads; };
  a.Show();
  b.Show();
  a.Show();  // back in front: active again
  a.Hide();  // the one behind takes over
  b.Show();  // already active: no event
  EXPECT_EQ(s.log, (std::vector<std::string>{"MainMenu", "Main", "MainMenu", "Main"}));
  EXPECT_EQ(loads, 1);
  b.Unload();
  EXPECT_FALSE(b.visible());
  b.Show();
  EXPECT_EQ(loads, 2);
}

TEST(Windows, TheWindowSeesKeysBeforeItsFocusedTextBox) {
  Screen s;
  Window& w = s.windows.Add("SaveGame");
  auto& name = w.Add<TextBox>("Text1");
  name.Move(10, 10, 200, 20);
  name.SetText("Filename");
  name.SetMaxLength(10);
  int focus_events = 0;
  name.on_got_focus = [&] {
    ++focus_events;
    name.SelectAll();
  };
  std::string seen;
  w.on_key_down = [&](KeyArgs& k) {
    seen += std::to_string(k.key) + " ";
    if (k.key == keys::kF1) k.key = 0;  // swallowed
  };
  w.on_key_press = [&](int& c) {
    if (c == '!') c = 0;  // swallowed
  };
  w.Show();
  s.Click(20, 15);
  EXPECT_EQ(focus_events, 1);
  // The click placed the caret after the focus selected everything;
  // Ctrl+A selects everything again.
  EXPECT_EQ(name.sel_length(), 0);
  InputEvent select_all = Key('A');
  select_all.control = true;
  s.windows.HandleInput(select_all);
  EXPECT_EQ(name.SelectedText(), "Filename");
  s.windows.HandleInput(Text("my save!!"));  // replaces the selection; '!' never arrives
  EXPECT_EQ(name.text(), "my save");
  s.windows.HandleInput(Key(keys::kBackspace));
  s.windows.HandleInput(Key(keys::kF1));
  s.windows.HandleInput(Text("d game 2"));  // the box holds 10 characters
  EXPECT_EQ(name.text(), "my savd ga");
  s.windows.HandleInput(Key(keys::kLeft));
  s.windows.HandleInput(Key(keys::kLeft));
  s.windows.HandleInput(Key(keys::kDelete));
  s.windows.HandleInput(Key(keys::kBackspace));
  EXPECT_EQ(name.text(), "my savda");
  EXPECT_EQ(seen, "65 8 112 37 37 46 8 ");
  s.windows.HandleInput(Text("\xC3\xA9"));  // é arrives as its single-byte character
  EXPECT_EQ(name.text(), "my savd\xE9" "a");
}

TEST(Windows, CheckBoxesToggleBeforeTheirClickAndButtonsTakeEnter) {
  Screen s;
  Window& w = s.windows.Add("QVDebug");
  auto& check = w.Add<CheckBox>("Check1");
  check.Move(0, 0, 100, 20);
  check.on_click = [&](const MouseArgs&) { s.log.push_back(check.checked() ? "checked" : "unchecked"); };
  auto& query = w.Add<Button>("Command2");
  query.Move(0, 40, 100, 20);
  query.on_click = [&](const MouseArgs&) { s.log.push_back("query"); };
  w.Show();
  s.Click(5, 5);
  s.rt->virtual_clock()->AdvanceBy(1000);
  s.Click(5, 5);
  s.rt->virtual_clock()->AdvanceBy(1000);
  s.Click(5, 45);  // the button takes the focus
  s.windows.HandleInput(Key(keys::kEnter));
  EXPECT_EQ(w.focused(), &query);
  EXPECT_EQ(s.log, (std::vector<std::string>{"checked", "unchecked", "query", "query"}));
}

TEST(Windows, ListsSelectOnClickAndDoubleClick) {
  Screen s;
  Window& w = s.windows.Add("NoWin");
  auto& list = w.Add<ListBox>("List1");
  list.Move(0, 0, 100, 3 * ListBox::kEntryHeight);
  for (const char* e : {"one", "two", "three", "four", "five"}) list.AddItem(e);
  list.on_click = [&](const MouseArgs&) { s.log.push_back("click " + list.SelectedText()); };
  list.on_dbl_click = [&](const MouseArgs&) { s.log.push_back("double " + list.SelectedText()); };
  w.Show();
  s.Click(10, ListBox::kEntryHeight + 2);
  s.Click(10, ListBox::kEntryHeight + 2);  // at once: a double click
  s.rt->virtual_clock()->AdvanceBy(1000);
  s.Click(10, 2);
  list.SetListIndex(4);  // selecting scrolls the entry into view
  EXPECT_EQ(list.top_index(), 2);
  EXPECT_EQ(list.EntryAt(2 * ListBox::kEntryHeight + 1), 4);
  EXPECT_EQ(list.EntryRect(1).width, 0);  // out of view
  EXPECT_EQ(s.log, (std::vector<std::string>{"click two", "double two", "click one"}));
}

TEST(Windows, FileListsShowMatchingFilesSorted) {
  const auto dir = std::filesystem::temp_directory_path() / "qvl_file_list_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "folder.sav");
  // Names on disk are UTF-8: "Café" is listed in the game's characters; a
  // name they cannot hold is left out.
  for (const char* name : {"beta.sav", "Alpha.SAV", "notes.txt", "gamma.sav", "Caf\xC3\xA9.sav", "\xE6\x97\xA5.sav"}) {
    std::ofstream(dir / name) << "x";
  }
  Screen s;
  Window& w = s.windows.Add("LoadGame");
  auto& files = w.Add<FileListBox>("File1");
  files.SetPattern("*.sav");
  files.SetPath(dir);
  EXPECT_EQ(files.items(), (std::vector<std::string>{"Alpha.SAV", "beta.sav", "Caf\xE9.sav", "gamma.sav"}));
  files.SetListIndex(1);
  std::ofstream(dir / "aardvark.sav") << "x";
  files.Refresh();
  EXPECT_EQ(files.ListCount(), 5);
  EXPECT_EQ(files.FileName(), "beta.sav");  // still chosen after the refresh
  files.SetPath(dir / "missing");
  EXPECT_EQ(files.ListCount(), 0);
  std::filesystem::remove_all(dir);
  EXPECT_TRUE(MatchesPattern("x.SAV", "*.sav"));
  EXPECT_TRUE(MatchesPattern("a.b.sav", "*.sav"));
  EXPECT_FALSE(MatchesPattern("save", "*.sav"));
  EXPECT_TRUE(MatchesPattern("game1.sav", "game?.sav"));
}

TEST(Windows, TimerControlsTickWhileEnabled) {
  Screen s;
  Window& w = s.windows.Add("Main");
  auto& timer = w.Add<TimerControl>("MsgTimer");
  int ticks = 0;
  timer.on_tick = [&] { ++ticks; };
  timer.SetInterval(1000);
  s.rt->virtual_clock()->AdvanceTo(5000);
  s.rt->loop().DoEvents();
  EXPECT_EQ(ticks, 0);  // off until enabled
  timer.SetTimerEnabled(true);
  for (int64_t t = 5000; t <= 8000; t += 500) {
    s.rt->virtual_clock()->AdvanceTo(t);
    s.rt->loop().DoEvents();
  }
  EXPECT_EQ(ticks, 3);
  timer.SetTimerEnabled(false);
  s.rt->virtual_clock()->AdvanceTo(20000);
  s.rt->loop().DoEvents();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.visible());
  EXPECT_EQ(s.windows.HitTest(0, 0).control, nullptr);
}

TEST(Windows, DisplayListIsBackToFrontAndClipped) {
  Screen s;
  Window& back = s.windows.Add("Main");
  back.Move(0, 0, 800, 600);
  auto& bar = back.Add<PictureBox>("InvBar");
  bar.Move(100, 500, 200, 50);
  auto& icon = back.Add<Label>("invitem", 1);
  icon.SetContainer(&bar);
  icon.Move(180, 10, 50, 20);  // sticks out of the bar on the right
  icon.SetCaption("Key");
  auto& hidden = back.Add<Label>("Hidden");
  hidden.Hide();
  Window& front = s.windows.Add("MapWindow");
  front.Move(50, 50, 100, 100);
  back.Show();
  front.Show();

  DisplayList list = s.windows.Draw();
  ASSERT_EQ(list.size(), 5u);  // Main's back, bar, label back and text, MapWindow's back
  EXPECT_EQ(list[0].rect, back.bounds());
  EXPECT_EQ(list[1].rect, (Rect{100, 500, 200, 50}));
  EXPECT_EQ(list[2].rect, (Rect{280, 510, 50, 20}));
  EXPECT_EQ(list[2].clip, (Rect{100, 500, 200, 50}));  // clipped to the bar
  EXPECT_EQ(list[3].op, DrawStep::Op::kText);
  EXPECT_EQ(list[3].text, "Key");
  EXPECT_EQ(list[4].rect, front.bounds());

  bar.Hide();  // its children go with it
  EXPECT_EQ(s.windows.Draw().size(), 2u);
}

TEST(Windows, OnlyVisibleChangesAskForANewScreen) {
  Screen s;
  Window& w = s.windows.Add("Main");
  auto& label = w.Add<Label>("Msg");
  s.windows.ClearChanged();
  label.SetCaption("MUSIC OFF");  // the window is hidden
  EXPECT_FALSE(s.windows.changed());
  w.Show();
  EXPECT_TRUE(s.windows.changed());
  s.windows.ClearChanged();
  label.SetCaption("MUSIC OFF");  // no change at all
  EXPECT_FALSE(s.windows.changed());
  label.SetCaption("MUSIC ON");
  EXPECT_TRUE(s.windows.changed());
  s.windows.ClearChanged();
  label.Hide();  // going away is a change
  EXPECT_TRUE(s.windows.changed());
  s.windows.ClearChanged();
  label.SetCaption("MUSIC OFF");  // but not what happens while it is hidden
  label.Move(5, 5);
  EXPECT_FALSE(s.windows.changed());
  label.Show();
  EXPECT_TRUE(s.windows.changed());
}

}  // namespace
}  // namespace qvl::ui
