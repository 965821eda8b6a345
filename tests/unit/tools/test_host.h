// A small program for the script runner to play: a menu window with image
// buttons, a label, a text box, a list, an animated picture, a cover, and a
// modal dialog, whose handlers wait the way the game's handlers do.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/script_host.h"
#include "platform/picture_files.h"
#include "ui/animated_picture.h"
#include "ui/list_box.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/window_runtime.h"

namespace qvl::testing {

inline PictureRef SolidPicture(int w, int h, uint32_t colour) {
  auto picture = std::make_shared<Picture>();
  picture->width = w;
  picture->height = h;
  picture->frames.push_back(Frame{Image(w, h, colour), 0});
  return picture;
}

class TestHost : public ScriptHost {
 public:
  explicit TestHost(const HostHooks& hooks)
      : hooks_(hooks),
        runtime_(MakeRuntime(hooks)),
        busy_pointer_{SolidPicture(8, 8, 0xFF000000)},
        normal_pointer_{SolidPicture(8, 8, 0xFFFFFFFF)} {
    BuildMenu();
    BuildDialog();
    runtime_->SetPointer(normal_pointer_);
  }

  ui::Runtime& runtime() override { return *runtime_; }

  // Start-up: a 1200 ms splash, then the menu.
  void Start() override {
    Log("Starting");
    bool splash_done = false;
    runtime_->scheduler().Start(1200, false, [&] { splash_done = true; });
    runtime_->loop().WaitUntil([&] { return splash_done; });
    menu_->Show();
    Log("Menu shown");
  }

  std::optional<std::string> Query(const std::string& name, const std::vector<std::string>& args) override {
    if (name == "flag" && args.size() == 1) return std::to_string(flags_[args[0]]);
    if (name == "music" && args.empty()) return music_ ? "on" : "off";
    if (name == "pointer" && args.empty()) return runtime_->pointer().picture == busy_pointer_.picture ? "14" : "13";
    return std::nullopt;
  }

  bool TakesInput() const override {
    return runtime_->loop().WaitsOnlyForInput() && runtime_->pointer().picture != busy_pointer_.picture;
  }
  bool Ended() const override { return ended_; }

  std::vector<std::string> TakeLogLines() override {
    std::vector<std::string> lines;
    lines.swap(log_);
    return lines;
  }

  std::vector<std::pair<std::string, std::string>> StateFields() override {
    return {{"music", music_ ? "\"on\"" : "\"off\""}, {"flag1", std::to_string(flags_["1"])}};
  }

  ui::Window& menu() { return *menu_; }

 private:
  static std::unique_ptr<ui::Runtime> MakeRuntime(const HostHooks& hooks) {
    if (!hooks.real_time) return ui::Runtime::MakeHeadless({}, hooks.on_message_box);
    ui::WindowRuntimeOptions options;
    options.queued_message_boxes = true;
    options.on_message_box = hooks.on_message_box;
    return ui::MakeWindowRuntime(options);
  }

  void Log(const std::string& line) { log_.push_back(line); }

  void BuildMenu() {
    ui::Windows& windows = runtime_->windows();
    menu_ = &windows.Add("MainMenu");
    menu_->SetCaption("Main Menu");
    for (int i = 1; i <= 5; ++i) {
      auto& button = menu_->Add<ui::ImageControl>("Buttn", i);
      button.SetStretch(true);
      button.SetPicture(SolidPicture(100, 40, 0xFF0000FF));
      button.Move(50, 50 + 60 * (i - 1), 100, 40);
      button.on_click = [this, i](const ui::MouseArgs&) { ButtonClicked(i); };
    }
    auto& title = menu_->Add<ui::Label>("Title");
    title.SetCaption("Welcome");
    title.Move(200, 10, 200, 20);
    auto& name = menu_->Add<ui::TextBox>("Name");
    name.Move(300, 50, 200, 20);
    name.SetText("Filename");
    name.SetMaxLength(8);
    auto& files = menu_->Add<ui::ListBox>("Files");
    files.Move(300, 100, 200, 64);  // four entries show at a time
    for (const char* item : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta"}) files.AddItem(item);
    files.on_click = [this, &files](const ui::MouseArgs&) { Log("Chose " + files.SelectedText()); };
    files.on_dbl_click = [this, &files](const ui::MouseArgs&) { Log("Opened " + files.SelectedText()); };
    auto& cover = menu_->Add<ui::PictureBox>("Cover");
    cover.Hide();
    cover.on_click = [this](const ui::MouseArgs&) { Log("Cover clicked"); };
    auto& hidden = menu_->Add<ui::Button>("Secret");
    hidden.SetCaption("Secret");
    hidden.Move(600, 500, 80, 24);
    hidden.Hide();
    auto& pause = menu_->Add<ui::TimerControl>("PauseTimer");
    pause.SetInterval(700);
    pause.on_tick = [this, &pause] {
      pause.SetTimerEnabled(false);
      pause_done_ = true;
    };
    menu_->on_key_down = [this](ui::KeyArgs& key) {
      auto& cover = menu_->Get<ui::PictureBox>("Cover");
      if (key.key == keys::kF1) {
        music_ = !music_;
        Log(music_ ? "Music on" : "Music off");
        key.key = 0;
      } else if (key.key == 'C') {  // a cover over the top of Buttn(4) only
        cover.Move(40, 220, 120, 40);
        cover.Show();
      } else if (key.key == 'V') {  // a cover over all of Buttn(4)
        cover.Move(40, 220, 120, 60);
        cover.Show();
      } else if (key.key == 'S' && hooks_.trace) {
        hooks_.trace("SOUND play ch=18 file=click.wav loop=0");
      }
    };
    menu_->on_mouse_move = [this](const ui::MouseArgs&) { hover_ = 0; };
    menu_->Get<ui::ImageControl>("Buttn", 1).on_mouse_move = [this](const ui::MouseArgs&) {
      if (hover_ != 1) Log("Over button 1");
      hover_ = 1;
    };
    menu_->Get<ui::ImageControl>("Buttn", 4).on_mouse_down = [this](const ui::MouseArgs& args) {
      if (args.button == MouseButton::kRight) Log("Right button down on 4");
    };
    menu_->on_activate = [this] { Log("MainMenu activated"); };
  }

  void BuildDialog() {
    dialog_ = &runtime_->windows().Add("Dialog");
    dialog_->SetCaption("Question");
    dialog_->Move(250, 200, 300, 150);
    auto& ok = dialog_->Add<ui::Button>("ButtnOK");
    ok.SetCaption("OK");
    ok.Move(100, 100, 80, 24);
    ok.on_click = [this](const ui::MouseArgs&) {
      Log("OK pressed");
      dialog_->Hide();
    };
    auto& text = dialog_->Add<ui::Label>("Msg");
    text.SetCaption("Really?");
    text.Move(10, 10, 200, 20);
  }

  // Each button does what one kind of game handler does.
  void ButtonClicked(int i) {
    switch (i) {
      case 1: {  // a pause of 700 ms under the busy pointer, as the menu buttons do
        Log("Button 1 clicked");
        runtime_->SetPointer(busy_pointer_);
        pause_done_ = false;
        menu_->Get<ui::TimerControl>("PauseTimer").SetTimerEnabled(true);
        runtime_->loop().WaitUntil([this] { return pause_done_; });
        flags_["1"] += 1;
        runtime_->SetPointer(normal_pointer_);
        Log("Button 1 done");
        break;
      }
      case 2:  // a modal dialog
        Log("Opening dialog");
        dialog_->ShowModal();
        Log("Dialog closed");
        break;
      case 3: {  // a question, then the end of the program
        auto answer = runtime_->message_boxes().Show("Test", "Quit now?\r\nReally?", MsgIcon::kQuestion,
                                                      MsgButtons::kYesNo);
        if (answer == MsgAnswer::kYes) {
          Log("Bye");
          ended_ = true;
          runtime_->loop().EndProgram();
        }
        break;
      }
      case 4:
        Log("Button 4 clicked");
        break;
      case 5:  // waits for something nothing brings
        Log("Waiting forever");
        runtime_->loop().WaitUntil([] { return false; });
        break;
    }
  }

  HostHooks hooks_;
  std::unique_ptr<ui::Runtime> runtime_;
  PointerPicture busy_pointer_;
  PointerPicture normal_pointer_;
  ui::Window* menu_ = nullptr;
  ui::Window* dialog_ = nullptr;
  std::vector<std::string> log_;
  std::map<std::string, int> flags_;
  bool music_ = true;
  int hover_ = 0;
  bool pause_done_ = false;
  bool ended_ = false;
};

}  // namespace qvl::testing
