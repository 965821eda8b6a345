// The game's side of `qvl run`: a Player on the game folder, started as the
// real program starts, answering the script's questions about the game.
#include <deque>
#include <optional>
#include <system_error>

#include "app/script_host.h"
#include "app/startup.h"
#include "engine/conversations.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "game_window/takes_input.h"
#include "platform/text_numbers.h"
#include "ui/window_runtime.h"

namespace qvl {

namespace {

// The program's name in the game folder: a shipped game, which reads its
// game from its own folder.
constexpr const char* kShippedProgramName = "QuorvelGame";

// A map location's or a sound channel's number as the script gives it:
// a whole number 1 … `last`, nothing otherwise.
std::optional<int> NumberUpTo(const std::string& arg, int last) {
  const double n = Val(arg);
  if (n < 1 || n > last || n != static_cast<int>(n)) return std::nullopt;
  return static_cast<int>(n);
}

class GameHost : public ScriptHost {
 public:
  GameHost(const std::filesystem::path& game_dir, const HostHooks& hooks) {
    PlayerSetup setup;
    setup.program = game_dir / kShippedProgramName;
    setup.on_log = [this](const std::string& line) { log_.push_back(line); };
    std::unique_ptr<ui::Runtime> runtime = MakeRuntime(hooks);
    // Real-time play sounds on the machine's devices; virtual time keeps
    // the players' time on its own clock.
    setup.media = hooks.real_time ? MakeDeviceMediaSet(runtime->clock(), hooks.trace)
                                  : MakeHeadlessMediaSet(runtime->clock(), hooks.trace);
    player_ = std::make_unique<Player>(std::move(runtime), std::move(setup));
  }

  ui::Runtime& runtime() override { return player_->runtime(); }
  void Start() override { StartProgram(*player_); }

  std::optional<std::string> Query(const std::string& name, const std::vector<std::string>& args) override {
    Player& p = *player_;
    if (name == "flag" && args.size() == 1) {
      const double n = Val(args[0]);
      if (n < 1 || n > GameState::kFlagCount) return std::nullopt;
      return Num(p.game.Flags[static_cast<size_t>(n)]);
    }
    if (name == "scene" && args.empty()) return Num(p.game.CurrentScene);
    if (name == "music" && args.empty()) return std::string(p.music.MusicOn ? "on" : "off");
    if (name == "pointer" && args.empty()) return PointerName();
    if (name == "hand" && args.empty()) return Num(p.game.Hand);
    if (name == "lit" && args.size() == 1) return Lit(args[0]);
    if (name == "items" && args.empty()) return HeldItems();
    if (name == "location" && args.size() == 1) {
      const std::optional<int> n = NumberUpTo(args[0], MapState::kLocationCount);
      if (!n) return std::nullopt;
      return Num(p.map.Location[static_cast<size_t>(*n)].OnMap);
    }
    if (name == "soundtrack" && args.empty()) {
      return p.music.CurrentSoundtrack.empty() ? std::string("-") : p.music.CurrentSoundtrack;
    }
    if (name == "channel" && args.size() == 1) {
      const std::optional<int> channel = NumberUpTo(args[0], Mixer::kLastChannel);
      if (!channel) return std::nullopt;
      if (!p.media.mixer->IsPlaying(*channel)) return std::string("-");
      return p.sound.ChannelFile[static_cast<size_t>(*channel)];
    }
    return std::nullopt;
  }

  // Whether a skinned button shows its highlighted look (frame 0 of its
  // skin picture), or a conversation line the colour under the pointer;
  // nothing for any other target.
  std::optional<std::string> Lit(const std::string& target) const {
    Player& p = *player_;
    MainWindow& m = p.windows.main;
    MousePointWindow& skin = p.windows.mouse_point;
    struct Skinned {
      std::string name;
      const ui::ImageControl& button;
      const ui::AnimatedPicture& pictures;
    };
    std::vector<Skinned> buttons = {
        {"Main.MainMenuButtn", m.MainMenuButtn, m.MMB_Resource},
        {"Main.SaveGameButtn", m.SaveGameButtn, m.SGB_Resource},
        {"Main.ExamineItem", m.ExamineItem, m.EI_Resource},
        {"SaveGame.ButtnOK", p.windows.save_game.ButtnOK, skin.OK_Resource},
        {"SaveGame.ButtnC", p.windows.save_game.ButtnC, skin.Cancel_Resource},
        {"LoadGame.ButtnOK", p.windows.load_game.ButtnOK, skin.OK_Resource},
        {"LoadGame.ButtnC", p.windows.load_game.ButtnC, skin.Cancel_Resource},
        {"QuitGameQuery.ButtnYes", p.windows.quit_query.ButtnYes, skin.Yes_Resource},
        {"QuitGameQuery.ButtnNo", p.windows.quit_query.ButtnNo, skin.No_Resource}};
    for (int k = 1; k <= 5; ++k) {
      buttons.push_back({"MainMenu.Buttn(" + std::to_string(k) + ")", p.windows.main_menu.Buttn(k), m.ButtnDefault(k)});
    }
    for (const Skinned& b : buttons) {
      if (!EqualsNoCase(b.name, target)) continue;
      const PictureRef& lit = b.pictures.FramePicture(0);
      return std::string(lit && b.button.picture() == lit ? "true" : "false");
    }
    for (int i = 1; i <= 5; ++i) {
      if (!EqualsNoCase("Main.ConvText(" + std::to_string(i) + ")", target)) continue;
      return std::string(m.ConvText(i).fore_colour() == conv_colour::kHover ? "true" : "false");
    }
    return std::nullopt;
  }

  // The item numbers of slots 1 … count; "-" when nothing is held.
  std::string HeldItems() const {
    std::string items;
    for (int16_t k = 1; k <= player_->inventory.InvCount; ++k) {
      items += (items.empty() ? "" : " ") + Num(player_->inventory.Slot[static_cast<size_t>(k)].Item);
    }
    return items.empty() ? "-" : items;
  }

  Player* player() override { return player_.get(); }

  bool TakesInput() const override { return PlayerTakesInput(*player_); }
  bool Ended() const override { return player_->ended; }

  std::vector<std::string> TakeLogLines() override {
    std::vector<std::string> lines(log_.begin(), log_.end());
    log_.clear();
    return lines;
  }

  std::vector<std::pair<std::string, std::string>> StateFields() override {
    Player& p = *player_;
    return {{"scene", Num(p.game.CurrentScene)},
            {"pointer", "\"" + PointerName() + "\""},
            {"music", p.music.MusicOn ? "true" : "false"}};
  }

 private:
  static std::unique_ptr<ui::Runtime> MakeRuntime(const HostHooks& hooks) {
    if (!hooks.real_time) return ui::Runtime::MakeHeadless({}, hooks.on_message_box);
    ui::WindowRuntimeOptions options;
    options.queued_message_boxes = true;
    options.on_message_box = hooks.on_message_box;
    try {
      return ui::MakeWindowRuntime(options);
    } catch (const std::runtime_error& error) {
      throw HostError(std::string("no window for real play: ") + error.what());
    }
  }

  // The pointer as the script names it: its slot 1 … 15, "item" for the
  // item in hand, "itemhl" for an item's highlighted pointer.
  std::string PointerName() const {
    Player& p = *player_;
    if (const int slot = PointerSlotShowing(p); slot != 0) return Num(slot);
    const PictureRef& showing = p.runtime().pointer().picture;
    if (showing && showing == p.windows.main.FlashFixIcon.pointer().picture) return "item";
    for (int i = 1; i <= InventoryState::kSlots; ++i) {
      if (showing && showing == p.windows.item_images.ItemHL(i).pointer().picture) return "itemhl";
    }
    return "-";
  }

  std::unique_ptr<Player> player_;
  std::deque<std::string> log_;
};

}  // namespace

std::unique_ptr<ScriptHost> MakeGameHost(const std::filesystem::path& game_dir, const HostHooks& hooks) {
  std::error_code error;
  if (!std::filesystem::is_directory(game_dir, error)) {
    throw HostError("no game folder " + game_dir.string());
  }
  PathResolver files;
  if (!files.FileExists((game_dir / "resource" / "Quorvel4.dat").string())) {
    throw HostError("no game in " + game_dir.string() + " (resource/Quorvel4.dat is missing)");
  }
  return std::make_unique<GameHost>(std::filesystem::absolute(game_dir), hooks);
}

}  // namespace qvl
