// GenRec: the game's general settings, the one record of Quorvel4.dat
// (title, button and menu sounds, discs, skin, pointers, score, intro).
#pragma once

#include <cstdint>

#include "data/fixed_text.h"
#include "data/one_based.h"
#include "data/record_codec.h"

namespace qvl::data {

// The game's pointer pictures, slots 1 … 15.
constexpr int kPointerCount = 15;

struct GenRec {
  static constexpr size_t kSize = 908;

  Text20 GameTitle;
  Text15 ClickSound;
  int16_t ClickSoundVol = 0;
  int16_t ClickSoundPan = 0;
  Text15 ObjectSound;
  int16_t ObjectSoundPan = 0;  // this sound keeps its pan before its volume
  int16_t ObjectSoundVol = 0;
  Text15 InventoryFullSound;
  int16_t InventoryFullSoundVol = 0;
  int16_t InventoryFullSoundPan = 0;
  int16_t ExitPictureOn = 0;
  Text15 ExitPicture;
  int16_t BuildDebug = 0;
  Text15 unused96;
  int16_t CDMode = 0;
  OneBased<Text20, 4> CDLabel;
  OneBased<int16_t, 4> CDFirstScene;
  OneBased<int16_t, 4> CDLastScene;
  int16_t MenuMusicVol = 0;
  int16_t unused211 = 0;
  int16_t HoverSoundVol = 0;
  int16_t HoverSoundPan = 0;
  int16_t unused217 = 0;
  Text15 MenuMusic;
  Text15 HoverSound;
  Text15 SplashFlag;
  OneBased<int16_t, 5> MenuButton;
  int16_t ItemTooltips = 0;
  int16_t unused276 = 0;
  int16_t unused278 = 0;
  int16_t unused280 = 0;
  int16_t unused282 = 0;
  Text15 Skin1;
  Text15 Skin2;
  Text15 Skin3;
  Text15 Skin4;
  Text15 Skin5;
  int16_t MainMenuButtonOn = 0;
  int16_t SaveButtonOn = 0;
  int16_t MainMenuButtonImageOn = 0;
  int16_t SaveButtonImageOn = 0;
  Text15 Skin6;
  Text15 Skin7;
  int16_t SaveLoadOn = 0;
  int16_t ExamineOn = 0;
  int16_t ScoreOn = 0;
  int16_t ScoreFlag = 0;
  int16_t MaxScore = 0;
  int16_t LargeScore = 0;
  int16_t MenuBackKind = 0;
  Text15 Skin8;
  int16_t GameBackKind = 0;
  Text15 Skin9;
  int16_t ExamineButtonImageOn = 0;
  int16_t ResolutionChange = 0;
  int16_t MovieSize = 0;
  int16_t CloseUpPreload = 0;
  int16_t StandardSkin = 0;
  Text15 Skin10;
  Text15 Skin11;
  Text15 unused483;
  OneBased<Text15, kPointerCount> Pointer;
  Text15 unused723;
  Text15 unused738;
  Text15 unused753;
  int16_t unused768 = 0;
  int16_t unused770 = 0;
  Text15 unused772;
  int16_t unused787 = 0;
  Text15 OpeningLogo;
  Text15 unused804;
  int16_t unused819 = 0;
  Text15 unused821;
  Text15 unused836;
  int16_t CreditsScene = 0;
  int16_t IntroAtStart = 0;
  int16_t IntroAtNewGame = 0;
  int16_t unused857 = 0;
  Text15 IntroMovie;
  int16_t IntroOption = 0;
  Text15 unused876;
  Text15 unused891;
  int16_t unused906 = 0;

  static GenRec Decode(std::string_view bytes) { return data::Decode<GenRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const GenRec&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("GameTitle", 0, r.GameTitle);
    v("ClickSound", 0, r.ClickSound);
    v("ClickSoundVol", 0, r.ClickSoundVol);
    v("ClickSoundPan", 0, r.ClickSoundPan);
    v("ObjectSound", 0, r.ObjectSound);
    v("ObjectSoundPan", 0, r.ObjectSoundPan);
    v("ObjectSoundVol", 0, r.ObjectSoundVol);
    v("InventoryFullSound", 0, r.InventoryFullSound);
    v("InventoryFullSoundVol", 0, r.InventoryFullSoundVol);
    v("InventoryFullSoundPan", 0, r.InventoryFullSoundPan);
    v("ExitPictureOn", 0, r.ExitPictureOn);
    v("ExitPicture", 0, r.ExitPicture);
    v("BuildDebug", 0, r.BuildDebug);
    v("unused96", 0, r.unused96);
    v("CDMode", 0, r.CDMode);
    VisitGroup("CDLabel", r.CDLabel, v);
    VisitGroup("CDFirstScene", r.CDFirstScene, v);
    VisitGroup("CDLastScene", r.CDLastScene, v);
    v("MenuMusicVol", 0, r.MenuMusicVol);
    v("unused211", 0, r.unused211);
    v("HoverSoundVol", 0, r.HoverSoundVol);
    v("HoverSoundPan", 0, r.HoverSoundPan);
    v("unused217", 0, r.unused217);
    v("MenuMusic", 0, r.MenuMusic);
    v("HoverSound", 0, r.HoverSound);
    v("SplashFlag", 0, r.SplashFlag);
    VisitGroup("MenuButton", r.MenuButton, v);
    v("ItemTooltips", 0, r.ItemTooltips);
    v("unused276", 0, r.unused276);
    v("unused278", 0, r.unused278);
    v("unused280", 0, r.unused280);
    v("unused282", 0, r.unused282);
    v("Skin1", 0, r.Skin1);
    v("Skin2", 0, r.Skin2);
    v("Skin3", 0, r.Skin3);
    v("Skin4", 0, r.Skin4);
    v("Skin5", 0, r.Skin5);
    v("MainMenuButtonOn", 0, r.MainMenuButtonOn);
    v("SaveButtonOn", 0, r.SaveButtonOn);
    v("MainMenuButtonImageOn", 0, r.MainMenuButtonImageOn);
    v("SaveButtonImageOn", 0, r.SaveButtonImageOn);
    v("Skin6", 0, r.Skin6);
    v("Skin7", 0, r.Skin7);
    v("SaveLoadOn", 0, r.SaveLoadOn);
    v("ExamineOn", 0, r.ExamineOn);
    v("ScoreOn", 0, r.ScoreOn);
    v("ScoreFlag", 0, r.ScoreFlag);
    v("MaxScore", 0, r.MaxScore);
    v("LargeScore", 0, r.LargeScore);
    v("MenuBackKind", 0, r.MenuBackKind);
    v("Skin8", 0, r.Skin8);
    v("GameBackKind", 0, r.GameBackKind);
    v("Skin9", 0, r.Skin9);
    v("ExamineButtonImageOn", 0, r.ExamineButtonImageOn);
    v("ResolutionChange", 0, r.ResolutionChange);
    v("MovieSize", 0, r.MovieSize);
    v("CloseUpPreload", 0, r.CloseUpPreload);
    v("StandardSkin", 0, r.StandardSkin);
    v("Skin10", 0, r.Skin10);
    v("Skin11", 0, r.Skin11);
    v("unused483", 0, r.unused483);
    VisitGroup("Pointer", r.Pointer, v);
    v("unused723", 0, r.unused723);
    v("unused738", 0, r.unused738);
    v("unused753", 0, r.unused753);
    v("unused768", 0, r.unused768);
    v("unused770", 0, r.unused770);
    v("unused772", 0, r.unused772);
    v("unused787", 0, r.unused787);
    v("OpeningLogo", 0, r.OpeningLogo);
    v("unused804", 0, r.unused804);
    v("unused819", 0, r.unused819);
    v("unused821", 0, r.unused821);
    v("unused836", 0, r.unused836);
    v("CreditsScene", 0, r.CreditsScene);
    v("IntroAtStart", 0, r.IntroAtStart);
    v("IntroAtNewGame", 0, r.IntroAtNewGame);
    v("unused857", 0, r.unused857);
    v("IntroMovie", 0, r.IntroMovie);
    v("IntroOption", 0, r.IntroOption);
    v("unused876", 0, r.unused876);
    v("unused891", 0, r.unused891);
    v("unused906", 0, r.unused906);
  }
};

}  // namespace qvl::data
