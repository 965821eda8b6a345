#include "game/general_settings.h"

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "game/app_paths.h"
#include "game/data_file_check.h"
#include "game/error_report.h"
#include "game/player.h"
#include "game_window/mouse_point.h"
#include "media/media_kind.h"
#include "media/movies.h"
#include "platform/cp1252.h"
#include "platform/text_numbers.h"
#include "shell/quit.h"
#include "shell/skin.h"

namespace qvl {

namespace {

std::string GenFilePath(const Player& p) { return p.AppPath() + "resource/Quorvel4.dat"; }

// Record 1 of the open general-settings file; empty settings when the file
// is not exactly one record long.
data::GenRec ReadGenRec(Player& p) {
  if (!p.data.Gen || p.data.Gen->Length() != data::GenRec::kSize) return data::GenRec{};
  return p.data.Gen->Read<data::GenRec>(1);
}

SoundSetting Sound(const data::Text15& file, int16_t vol, int16_t pan) {
  return SoundSetting{file.Trimmed(), vol, pan};
}

// Which game-window pictures a custom skin replaces, and the menu's own.
void LoadCustomPicture(Player& p, const data::Text15& file, ui::PictureBox& target) {
  target.SetPicture(LoadGamePicture(p, p.AppPath() + "resource/gfx/" + file.Trimmed()));
}

void LoadCustomButton(Player& p, const data::Text15& file, ui::AnimatedPicture& target) {
  target.LoadFile(RealPath(p, p.AppPath() + "resource/gfx/" + file.Trimmed()));
}

// 1 shows the control, 0 hides it, any other value leaves it as it is.
void ShowByValue(ui::Control& control, int16_t value) {
  if (value == 1) control.Show();
  if (value == 0) control.Hide();
}

// Shows or hides a control and records which in its tag, for a new or
// restored game to read back.
void ShowWithTag(ui::Control& control, bool shown) {
  control.SetVisible(shown);
  control.SetTag(shown ? "True" : "False");
}

void ApplySaveLoadOn(Player& p, const data::GenRec& gen) {
  if (gen.SaveLoadOn != 0) return;
  p.windows.main_menu.Buttn(3).Hide();
  p.windows.main.SaveGameButtn.Hide();
}

void ApplyGlobals(Player& p, const data::GenRec& gen) {
  GenSettings& g = p.gen;
  g.ClickSound = Sound(gen.ClickSound, gen.ClickSoundVol, gen.ClickSoundPan);
  g.ObjectSound = Sound(gen.ObjectSound, gen.ObjectSoundVol, gen.ObjectSoundPan);
  g.InventoryFullSound = Sound(gen.InventoryFullSound, gen.InventoryFullSoundVol, gen.InventoryFullSoundPan);
  g.MenuMusic = Sound(gen.MenuMusic, gen.MenuMusicVol, 0);
  g.HoverSound = Sound(gen.HoverSound, gen.HoverSoundVol, gen.HoverSoundPan);
  g.GameTitle = gen.GameTitle.Trimmed();
  // The desktop names the window after the game.
  p.runtime().SetTitle(g.GameTitle.empty() ? std::string("Quorvel Player") : Cp1252ToUtf8(g.GameTitle));
  g.ExitPictureOn = gen.ExitPictureOn == 1;
  g.ExitPicture = gen.ExitPicture.Trimmed();
  g.BuildDebug = gen.BuildDebug;
  if (gen.BuildDebug == 1) p.game.DebugButtonEnabled = 1;
  for (int d = 1; d <= 4; ++d) {
    g.CDLabel[static_cast<size_t>(d)] = gen.CDLabel(d).Trimmed();
    g.CDFirstScene[static_cast<size_t>(d)] = gen.CDFirstScene(d);
    g.CDLastScene[static_cast<size_t>(d)] = gen.CDLastScene(d);
  }
  g.CDMode = gen.CDMode == 1;
  g.MovieSize = gen.MovieSize;
}

void ApplySkin(Player& p, const data::GenRec& gen) {
  MainWindow& main = p.windows.main;
  MainMenuWindow& menu = p.windows.main_menu;
  p.gen.CreditsScene = gen.CreditsScene;
  p.gen.CustomSkin = gen.StandardSkin == 0;
  const bool custom = p.gen.CustomSkin;
  if (custom) {
    if (gen.MenuBackKind == 2 && !gen.Skin8.Trimmed().empty()) LoadCustomPicture(p, gen.Skin8, menu.Picture1);
    if (gen.GameBackKind == 2 && !gen.Skin9.Trimmed().empty()) LoadCustomPicture(p, gen.Skin9, main.Picture1);
  }
  for (int k = 1; k <= 5; ++k) ShowByValue(menu.Buttn(k), gen.MenuButton(k));
  if (custom && gen.ItemTooltips == 0) {
    const data::Text15* skins[6] = {nullptr, &gen.Skin1, &gen.Skin2, &gen.Skin3, &gen.Skin4, &gen.Skin5};
    for (int k = 1; k <= 5; ++k) {
      if (!skins[k]->Trimmed().empty()) LoadCustomButton(p, *skins[k], main.ButtnDefault(k));
    }
  }
  main.MainMenuButtn.SetVisible(gen.MainMenuButtonOn != 0);
  ShowWithTag(main.SaveGameButtn, gen.SaveButtonOn != 0);
  if (custom) {
    if (gen.MainMenuButtonImageOn != 0) LoadCustomButton(p, gen.Skin6, main.MMB_Resource);
    if (gen.SaveButtonImageOn != 0) LoadCustomButton(p, gen.Skin7, main.SGB_Resource);
    if (gen.ExamineButtonImageOn != 0) LoadCustomButton(p, gen.Skin10, main.EI_Resource);
  } else {
    p.gen.ItemTooltips = gen.ItemTooltips == 1;
    p.gen.CloseUpPreload = gen.CloseUpPreload == 1;
    const data::Text15* layout[11] = {&gen.Skin1, &gen.Skin2, &gen.Skin3, &gen.Skin4, &gen.Skin5, &gen.Skin6,
                                      &gen.Skin8, &gen.Skin7, &gen.Skin10, &gen.Skin9, &gen.Skin11};
    for (int item = 0; item <= 10; ++item) PlaceSkinControl(p, item, layout[item]->Trimmed());
  }
  ApplySaveLoadOn(p, gen);
  main.InvBar.SetTag(gen.ExamineOn != 0 ? "True" : "False");
  main.ExamineItem.SetVisible(gen.ExamineOn != 0);
  // The panels' tags bring the chosen panel back for every new or restored
  // game, after the credits have hidden both.
  const bool score = gen.ScoreOn != 0;
  if (score) {
    p.game.ScoreFlag = gen.ScoreFlag;
    main.MaxScore_Large.SetCaption(Num(gen.MaxScore));
    main.MaxScore_Small.SetCaption(Num(gen.MaxScore));
  } else {
    p.game.ScoreFlag = -1;
  }
  ShowWithTag(main.LargeScore, score && gen.LargeScore != 0);
  ShowWithTag(main.SmallScore, score && gen.LargeScore == 0);
}

void ApplyPointerFiles(Player& p, const data::GenRec& gen) {
  for (int i = 1; i <= pointer::kCount; ++i) p.windows.mouse_point.Pointer(i).SetTag(gen.Pointer(i).Trimmed());
}

// Each pointer slot: the game's own file, or the built-in picture.
void PutPointersInPlace(Player& p) {
  MousePointWindow& store = p.windows.mouse_point;
  for (int i = 1; i <= pointer::kCount; ++i) {
    if (store.Pointer(i).tag().empty()) {
      store.Pointer(i).SetPointer(store.Defaults(i).pointer());
    } else {
      const std::string path = p.AppPath() + "resource/gfx/" + store.Pointer(i).tag();
      auto found = FindGameFile(p, path);
      if (!found) throw RuntimeError(err::kFileNotFound);
      store.Pointer(i).SetPointer(LoadPointerFile(*found, p.runtime().windows().picture_budget()));
    }
  }
}

// Opens one data file for good and counts its records.
data::RecordFile OpenDataFile(Player& p, const char* name, size_t record_length) {
  return data::RecordFile::Open(p.files.ForWriting(p.AppPath() + "resource/" + name), record_length);
}

std::string IntroPath(const Player& p, const data::GenRec& gen) {
  return p.AppPath() + "resource/mmedia/" + gen.IntroMovie.Trimmed();
}

void ReportMissingIntro(Player& p, const std::string& path) {
  p.runtime().message_boxes().Show(kAppTitle, "Could not play 'AVI Intro'...\r\"" + path + "\" not found.",
                                   MsgIcon::kCritical, MsgButtons::kOK);
}

// The author's opening logo: a GIF or a movie, waited for to its end.
void PlayOpeningLogo(Player& p, const data::GenRec& gen) {
  const std::string logo = gen.OpeningLogo.Trimmed();
  if (logo.empty()) {
    p.startup.LogoPlaying = false;
    return;
  }
  const std::string kind = MediaKind(logo);
  if (kind == "gif") {
    PlayOpenCredsGif(p, logo);
  } else if (IsMovieKind(kind)) {
    PlayOpenCredsAVI(p, logo);
  }
  p.loop().WaitUntil([&p] { return !p.startup.LogoPlaying; });
}

// The intro movie at start-up or at a new game, when the game asks for it.
void PlayIntroMovie(Player& p, const data::GenRec& gen) {
  if (p.startup.StartingUp && gen.IntroAtStart == 0) return;
  if (p.startup.StartingNewGame && gen.IntroAtNewGame == 0) return;
  if (gen.IntroMovie.Trimmed().empty()) {
    if (!p.startup.StartingNewGame) p.windows.main_menu.window.Show();
    return;
  }
  const std::string path = IntroPath(p, gen);
  if (!FileExists(p, path)) {
    ReportMissingIntro(p, path);
    return;
  }
  p.windows.intro.UserIntroMovie.Hide();
  p.windows.intro.UserIntro.Hide();
  PlayIntroAVI(p, gen.IntroMovie.Trimmed(), gen.IntroOption);
  if (!p.startup.StartingNewGame) p.windows.main_menu.window.Show();
}

// Whether the intro movie can be offered.
void CheckIntroMovie(Player& p, const data::GenRec& gen) {
  if (gen.IntroMovie.Trimmed().empty()) {
    p.gen.IntroAvailable = false;
    return;
  }
  const std::string path = IntroPath(p, gen);
  p.gen.IntroAvailable = FileExists(p, path);
  if (!p.gen.IntroAvailable) ReportMissingIntro(p, path);
}

}  // namespace

void GetInitData(Player& p) {
  try {
    if (p.InDevelopment()) {
      p.runtime().message_boxes().Show(
          kAppTitle, "Running in the development environment: the game is read from the fixed path\r" + p.AppPath(),
          MsgIcon::kInformation, MsgButtons::kOK);
    }
    // A game folder without its resource folder gets the box below instead.
    if (p.files.ItemExists(p.AppPath() + "resource")) {
      CheckDataFiles(p);
    }
    data::GenRec gen;
    {
      auto file = data::RecordFile::Open(p.files.ForWriting(GenFilePath(p)), data::GenRec::kSize);
      if (file.Length() == data::GenRec::kSize) gen = file.Read<data::GenRec>(1);
    }
    p.startup.ShowSplash = gen.SplashFlag.Trimmed() == "1";
    p.startup.StandardSkin = gen.StandardSkin != 0;
    p.startup.ChangeResolution = gen.ResolutionChange == 1;
  } catch (const RuntimeError& error) {
    if (error.number() == err::kPathNotFound) {
      p.runtime().message_boxes().Show(
          kAppTitle,
          UnexpectedErrorText("GetInitData", error) + "\r\n" + "Could not load initialization files.  Program will exit.",
          MsgIcon::kCritical, MsgButtons::kOK);
      EndApplication(p);
    }
    ReportUnexpected(p, "GetInitData", error);
  }
}

void OpenGenBase(Player& p) {
  try {
    p.data.Gen = OpenDataFile(p, data::kGenFileName, data::GenRec::kSize);
    if (p.data.Gen->Length() == data::GenRec::kSize) {
      ApplyGenSettings(p, gen_mode::kGlobals);
      ApplyGenSettings(p, gen_mode::kSkin);
      ApplyGenSettings(p, gen_mode::kPointers);
      PutPointersInPlace(p);
    }
    if (!p.gen.CustomSkin) LoadStandardSkin(p);
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "OpenGenBase", error);
  }
  // The skin is in: pictures prepared for it and not taken are not wanted.
  p.runtime().windows().picture_memo().ClosePreparing();
}

void OpenLocBase(Player& p) {
  try {
    p.data.Loc = OpenDataFile(p, data::kLocFileName, data::LocRec::kSize);
    p.data.LocCount = p.data.Loc->Count();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "OpenLocBase", error);
  }
}

void OpenInvBase(Player& p) {
  try {
    p.data.Item = OpenDataFile(p, data::kItemFileName, data::ItemRec::kSize);
    p.data.ItemCount = p.data.Item->Count();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "OpenInvBase", error);
  }
}

void OpenSceneBase(Player& p) {
  try {
    p.data.Scene = OpenDataFile(p, data::kSceneFileName, data::SceneRec::kSize);
    p.data.SceneCount = p.data.Scene->Count();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "OpenSceneBase", error);
  }
}

void OpenConvBase(Player& p) {
  try {
    p.data.Conv = OpenDataFile(p, data::kConvFileName, data::ConvRec::kSize);
    p.data.ConvCount = p.data.Conv->Count();
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "OpenConvBase", error);
  }
}

void ApplyGenSettings(Player& p, int mode) {
  const data::GenRec gen = ReadGenRec(p);
  switch (mode) {
    case gen_mode::kSaveLoad:
      ApplySaveLoadOn(p, gen);
      break;
    case gen_mode::kGlobals:
      ApplyGlobals(p, gen);
      break;
    case gen_mode::kSkin:
      ApplySkin(p, gen);
      break;
    case gen_mode::kPointers:
      ApplyPointerFiles(p, gen);
      break;
    case gen_mode::kOpeningLogo:
      PlayOpeningLogo(p, gen);
      break;
    case gen_mode::kIntro:
      PlayIntroMovie(p, gen);
      break;
    case gen_mode::kIntroCheck:
      CheckIntroMovie(p, gen);
      break;
    default:
      break;
  }
}

}  // namespace qvl
