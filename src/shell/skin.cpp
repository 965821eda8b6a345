#include "shell/skin.h"

#include "game/app_paths.h"
#include "game/player.h"
#include "platform/text_numbers.h"

namespace qvl {

namespace {

std::string Gfx(Player& p, const std::string& name) { return p.AppPath() + "resource/gfx/" + name; }

// The file of a background: "name.jpg" wins; "name.bmp" only when the
// ".jpg" is missing; empty when neither is there.
std::string BackgroundFile(Player& p, const std::string& name) {
  const std::string jpg = Gfx(p, name + ".jpg");
  const std::string bmp = Gfx(p, name + ".bmp");
  if (FileExists(p, jpg)) return jpg;
  if (FileExists(p, bmp)) return bmp;
  return "";
}

void LoadBackground(Player& p, const std::string& name, ui::PictureBox& target) {
  const std::string file = BackgroundFile(p, name);
  if (!file.empty()) target.SetPicture(LoadGamePicture(p, file));
}

void LoadButton(Player& p, const std::string& file, ui::AnimatedPicture& target) {
  const std::string path = Gfx(p, file);
  if (FileExists(p, path)) target.LoadFile(RealPath(p, path));
}

// A picture of the standard skin and the control it goes to: a background
// (its name without the extension) or a button (its file).
struct SkinPicture {
  const char* name;
  ui::PictureBox* background = nullptr;
  ui::AnimatedPicture* button = nullptr;
};

// The standard skin's pictures, in the order they load.
std::vector<SkinPicture> SkinPictures(Player& p) {
  MainWindow& main = p.windows.main;
  MousePointWindow& store = p.windows.mouse_point;
  return {
      {"bgmenu", &p.windows.main_menu.Picture1},
      {"btnintro.gif", nullptr, &main.ButtnDefault(1)},
      {"btnnew.gif", nullptr, &main.ButtnDefault(2)},
      {"btnload.gif", nullptr, &main.ButtnDefault(3)},
      {"btncredits.gif", nullptr, &main.ButtnDefault(4)},
      {"btnclose.gif", nullptr, &main.ButtnDefault(5)},
      {"bggame", &main.Picture1},
      {"btnquit.gif", nullptr, &main.MMB_Resource},
      {"btnsave.gif", nullptr, &main.SGB_Resource},
      {"btnexamine.gif", nullptr, &main.EI_Resource},
      {"bgsave", &store.Save_BG},
      {"bgload", &store.Load_BG},
      {"bgquit", &store.Quit_BG},
      {"btnyes.gif", nullptr, &store.Yes_Resource},
      {"btnno.gif", nullptr, &store.No_Resource},
      {"btnok.gif", nullptr, &store.OK_Resource},
      {"btncancel.gif", nullptr, &store.Cancel_Resource},
  };
}

}  // namespace

void PlaceSkinControl(Player& p, int index, const std::string& position) {
  const size_t slash = position.find('/');
  if (slash == std::string::npos) {
    throw RuntimeError(err::kInvalidCall)
        .WithCause("layout string '" + position + "' of layout item " + std::to_string(index) + " has no '/'");
  }
  const int x = CInt(Val(position.substr(0, slash)));
  const int y = CInt(Val(position.substr(slash + 1)));
  MainWindow& main = p.windows.main;
  switch (index) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
      p.windows.main_menu.Buttn(index + 1).Move(x, y);
      break;
    case 5:
      main.ScnImg.Move(x, y);
      break;
    case 6:
      main.MainMenuButtn.Move(x, y);
      break;
    case 7:
      main.SaveGameButtn.Move(x, y);
      break;
    case 8:
      main.ExamineItem.Move(x, y);
      break;
    case 9:
      main.LargeScore.Move(x, y);
      main.SmallScore.Move(x, y);
      break;
    case 10:
      main.InvBar.Move(x, y);
      break;
    default:
      break;
  }
}

void LoadStandardSkin(Player& p) {
  for (const SkinPicture& picture : SkinPictures(p)) {
    if (picture.background != nullptr) {
      LoadBackground(p, picture.name, *picture.background);
    } else {
      LoadButton(p, picture.name, *picture.button);
    }
  }
}

void PrepareStandardSkin(Player& p) {
  for (const SkinPicture& picture : SkinPictures(p)) {
    const std::string file = picture.background != nullptr ? BackgroundFile(p, picture.name) : Gfx(p, picture.name);
    auto found = file.empty() ? std::nullopt : FindGameFile(p, file);
    if (!found) continue;
    p.loop().PostSpare([&p, real = *found] {
      ui::Windows& windows = p.runtime().windows();
      windows.picture_memo().Prepare(real, windows.picture_budget());
    });
  }
}

}  // namespace qvl
