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

// The standard skin's backgrounds and buttons, in the order they load.
constexpr const char* kBackgrounds[] = {"bgmenu", "bggame", "bgsave", "bgload", "bgquit"};
constexpr const char* kButtons[] = {"btnintro.gif", "btnnew.gif",     "btnload.gif", "btncredits.gif",
                                    "btnclose.gif", "btnquit.gif",    "btnsave.gif", "btnexamine.gif",
                                    "btnyes.gif",   "btnno.gif",      "btnok.gif",   "btncancel.gif"};

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
  MainWindow& main = p.windows.main;
  MousePointWindow& store = p.windows.mouse_point;
  LoadBackground(p, "bgmenu", p.windows.main_menu.Picture1);
  const char* const buttons[6] = {"", "btnintro.gif", "btnnew.gif", "btnload.gif", "btncredits.gif", "btnclose.gif"};
  for (int k = 1; k <= 5; ++k) LoadButton(p, buttons[k], main.ButtnDefault(k));
  LoadBackground(p, "bggame", main.Picture1);
  LoadButton(p, "btnquit.gif", main.MMB_Resource);
  LoadButton(p, "btnsave.gif", main.SGB_Resource);
  LoadButton(p, "btnexamine.gif", main.EI_Resource);
  LoadBackground(p, "bgsave", store.Save_BG);
  LoadBackground(p, "bgload", store.Load_BG);
  LoadBackground(p, "bgquit", store.Quit_BG);
  LoadButton(p, "btnyes.gif", store.Yes_Resource);
  LoadButton(p, "btnno.gif", store.No_Resource);
  LoadButton(p, "btnok.gif", store.OK_Resource);
  LoadButton(p, "btncancel.gif", store.Cancel_Resource);
}

void PrepareStandardSkin(Player& p) {
  std::vector<std::string> files;
  for (const char* name : kBackgrounds) files.push_back(BackgroundFile(p, name));
  for (const char* button : kButtons) files.push_back(Gfx(p, button));
  for (const std::string& file : files) {
    auto found = file.empty() ? std::nullopt : FindGameFile(p, file);
    if (!found) continue;
    p.loop().PostSpare([&p, real = *found] {
      ui::Windows& windows = p.runtime().windows();
      windows.picture_memo().Prepare(real, windows.picture_budget());
    });
  }
}

}  // namespace qvl
